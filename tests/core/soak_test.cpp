// Random command sequences on one document, every invariant checked after every step (see
// soak/soak_driver.h). REELKEEP_SOAK_STEPS=N sets the length of the run; the long run is the
// separate soak program.
#include <gtest/gtest.h>

#include <cstdlib>
#include <string>

#include "soak/soak_driver.h"

namespace reelkeep::test::soak {
namespace {

// The sanitizer build runs some ten times slower; there it looks for memory faults on the paths
// the shorter run takes, the Release run being the one that goes deep.
#if defined(__SANITIZE_ADDRESS__)
constexpr std::uint64_t kDefaultSteps = 5000;
#else
constexpr std::uint64_t kDefaultSteps = 20000;
#endif

std::uint64_t StepsToRun() {
    const char* steps = std::getenv("REELKEEP_SOAK_STEPS");
    return steps != nullptr ? std::stoull(steps) : kDefaultSteps;
}

TEST(Soak, RandomCommandsKeepEveryInvariant) { EXPECT_TRUE(RunSoak(20261208, StepsToRun())); }

}  // namespace
}  // namespace reelkeep::test::soak
