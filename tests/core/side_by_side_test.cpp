#include "side_by_side.h"

#include <gtest/gtest.h>

#include <new>
#include <stdexcept>
#include <thread>

namespace reelkeep::test {
namespace {

TEST(SideBySide, BothRunAndAFailureOfEitherReachesTheCaller) {
    std::thread::id asideThread;
    bool hereRan = false;
    RunSideBySide([&] { asideThread = std::this_thread::get_id(); }, [&] { hereRan = true; });
    EXPECT_TRUE(hereRan);
    EXPECT_NE(asideThread, std::this_thread::get_id());

    EXPECT_THROW(RunSideBySide([] { throw std::bad_alloc(); }, [] {}), std::bad_alloc);
    bool asideEnded = false;
    // Here's failure is told; aside has ended by then, so nothing it uses goes before it.
    EXPECT_THROW(RunSideBySide([&] { asideEnded = true; }, [] { throw std::runtime_error("x"); }),
                 std::runtime_error);
    EXPECT_TRUE(asideEnded);
    EXPECT_THROW(
        RunSideBySide([] { throw std::bad_alloc(); }, [] { throw std::runtime_error("first"); }),
        std::runtime_error);
}

}  // namespace
}  // namespace reelkeep::test
