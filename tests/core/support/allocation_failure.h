#pragma once

// Lets a test make one chosen allocation fail with std::bad_alloc, to check that a command
// reports running out of memory and leaves the document consistent. It replaces the program's
// global operator new and delete, so include it from exactly one source file of a test program.

#include <atomic>
#include <cstdlib>
#include <new>

namespace reelkeep::test {

// Allocations that still succeed before the next one fails; negative: none fails. Atomic, as a
// rebuild may allocate on two threads: exactly one allocation fails, whichever thread makes it.
inline std::atomic<long> allocationsBeforeFailure = -1;

inline void FailAllocationAfter(long succeeding) { allocationsBeforeFailure = succeeding; }
inline void StopFailingAllocations() { allocationsBeforeFailure = -1; }
// Whether the armed failure has not happened yet.
inline bool FailureStillArmed() { return allocationsBeforeFailure >= 0; }

inline void* AllocateOrFail(std::size_t size) {
    std::atomic<long>& left = allocationsBeforeFailure;
    if (left.load() >= 0 && left.fetch_sub(1) == 0) throw std::bad_alloc();
    if (void* p = std::malloc(size == 0 ? 1 : size)) return p;
    throw std::bad_alloc();
}

}  // namespace reelkeep::test

// Every form is replaced, so that memory checkers see malloc and free on both sides.
void* operator new(std::size_t size) { return reelkeep::test::AllocateOrFail(size); }
void* operator new[](std::size_t size) { return reelkeep::test::AllocateOrFail(size); }
void* operator new(std::size_t size, const std::nothrow_t&) noexcept {
    try {
        return reelkeep::test::AllocateOrFail(size);
    } catch (const std::bad_alloc&) {
        return nullptr;
    }
}
void* operator new[](std::size_t size, const std::nothrow_t& tag) noexcept {
    return operator new(size, tag);
}

#pragma GCC diagnostic push
#pragma GCC diagnostic ignored "-Wmismatched-new-delete"
void operator delete(void* p) noexcept { std::free(p); }
void operator delete[](void* p) noexcept { std::free(p); }
void operator delete(void* p, std::size_t) noexcept { std::free(p); }
void operator delete[](void* p, std::size_t) noexcept { std::free(p); }
void operator delete(void* p, const std::nothrow_t&) noexcept { std::free(p); }
void operator delete[](void* p, const std::nothrow_t&) noexcept { std::free(p); }
#pragma GCC diagnostic pop
