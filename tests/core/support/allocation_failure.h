#pragma once

// Lets a test make one chosen allocation fail with std::bad_alloc, to check that a command
// reports running out of memory and leaves the document consistent. It replaces the program's
// global operator new, so include it from exactly one source file of a test program.

#include <cstdlib>
#include <new>

namespace reelkeep::test {

// Allocations that still succeed before the next one fails; negative: none fails.
inline long allocationsBeforeFailure = -1;

inline void FailAllocationAfter(long succeeding) { allocationsBeforeFailure = succeeding; }
inline void StopFailingAllocations() { allocationsBeforeFailure = -1; }
// Whether the armed failure has not happened yet.
inline bool FailureStillArmed() { return allocationsBeforeFailure >= 0; }

}  // namespace reelkeep::test

void* operator new(std::size_t size) {
    long& left = reelkeep::test::allocationsBeforeFailure;
    if (left >= 0 && left-- == 0) throw std::bad_alloc();
    if (void* p = std::malloc(size == 0 ? 1 : size)) return p;
    throw std::bad_alloc();
}
// The library's operator delete frees with std::free, which matches the malloc above.
