#pragma once

#include <cstdio>
#include <cstdlib>

// A broken promise found while fuzzing: said on stderr, then the process stops so that both
// libFuzzer and the replay test report the input.
#define FUZZ_CHECK(condition)                                                                  \
    do {                                                                                       \
        if (!(condition)) {                                                                    \
            std::fprintf(stderr, "%s:%d: check failed: %s\n", __FILE__, __LINE__, #condition); \
            std::abort();                                                                      \
        }                                                                                      \
    } while (false)
