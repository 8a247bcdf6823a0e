#pragma once

#include <benchmark/benchmark.h>

#include <cstdint>
#include <initializer_list>
#include <map>
#include <memory>
#include <string>
#include <string_view>

#include "reelkeep_doc.h"

namespace reelkeep::bench {

// A file name in the temporary directory, unique to this run so parallel runs do not collide.
std::string TempPath(std::string_view name);

// Generating a million movies takes a while, so a benchmark builds what it needs for each size
// once per run (T constructed from the size) and every later run reuses it.
template <typename T>
T& OncePerSize(std::uint32_t n) {
    static std::map<std::uint32_t, std::unique_ptr<T>> made;
    auto& slot = made[n];
    if (!slot) slot = std::make_unique<T>(n);
    return *slot;
}

// The generated catalogue of n movies the catalogue benchmarks share, made once per size and
// left as a load leaves it (sorted by title).
CReelkeepDoc& GeneratedCatalogue(std::uint32_t n);

// REELKEEP_BENCH_SIZE=N runs every benchmark once on N movies instead of its real sizes: a
// quick check that the benchmarks still work, not a measurement. 0 when it is not set.
std::uint32_t SmokeSize();

// One run per size (with the given iterations, or as many as the library picks when 0), or
// the single smoke run when SmokeSize() is set.
void AddSizes(benchmark::internal::Benchmark* b, std::initializer_list<std::int64_t> sizes,
              std::int64_t iterations = 0);

// For benchmarks whose arguments are not sizes: one iteration in a smoke run.
void OnceWhenSmoke(benchmark::internal::Benchmark* b);

}  // namespace reelkeep::bench
