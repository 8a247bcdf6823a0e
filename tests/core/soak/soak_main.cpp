// The long soak, outside ctest: soak [--steps N] [--seed S] runs N random commands from seed S
// (default 1,000,000 from seed 1), checking every invariant after every step, and prints how far
// it has got now and then and the time taken.
#include <gtest/gtest.h>

#include <chrono>
#include <cstdio>
#include <cstring>
#include <string>

#include "soak_driver.h"

namespace {

std::uint64_t gSteps = 1000000;
std::uint32_t gSeed = 1;

TEST(Soak, LongRun) {
    const auto started = std::chrono::steady_clock::now();
    const auto seconds = [&] {
        return std::chrono::duration<double>(std::chrono::steady_clock::now() - started).count();
    };
    reelkeep::test::soak::Soak soak(gSeed);
    ASSERT_FALSE(::testing::Test::HasFailure());
    while (soak.StepsDone() < gSteps && soak.Step()) {
        if (soak.StepsDone() % 100000 == 0) {
            std::printf("seed %u: %llu steps, %.0f s\n", gSeed,
                        static_cast<unsigned long long>(soak.StepsDone()), seconds());
            std::fflush(stdout);
        }
    }
    std::printf("seed %u: %llu steps in %.1f s\n", gSeed,
                static_cast<unsigned long long>(soak.StepsDone()), seconds());
}

}  // namespace

int main(int argc, char** argv) {
    ::testing::InitGoogleTest(&argc, argv);
    for (int i = 1; i + 1 < argc; i += 2) {
        if (std::strcmp(argv[i], "--steps") == 0) {
            gSteps = std::stoull(argv[i + 1]);
        } else if (std::strcmp(argv[i], "--seed") == 0) {
            gSeed = static_cast<std::uint32_t>(std::stoul(argv[i + 1]));
        } else {
            std::fprintf(stderr, "usage: soak [--steps N] [--seed S]\n");
            return 2;
        }
    }
    return RUN_ALL_TESTS();
}
