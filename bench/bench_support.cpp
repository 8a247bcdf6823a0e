#include "bench_support.h"

#include <unistd.h>

#include <charconv>
#include <cstdio>
#include <cstdlib>
#include <filesystem>

#include "generator.h"
#include "silent_ui.h"

namespace reelkeep::bench {

namespace {

struct Generated {
    CSilentUI ui;
    CReelkeepDoc doc{ui};
    explicit Generated(std::uint32_t n) { GenerateCatalogue(doc, n, 20240601); }
};

}  // namespace

CReelkeepDoc& GeneratedCatalogue(std::uint32_t n) { return OncePerSize<Generated>(n).doc; }

std::string TempPath(std::string_view name) {
    return (std::filesystem::temp_directory_path() /
            ("reelkeep-bench-" + std::to_string(::getpid()) + "-" + std::string(name)))
        .string();
}

std::uint32_t SmokeSize() {
    // Read while the benchmarks register, before main; a bad value stops the program rather
    // than quietly running the full sizes.
    static const std::uint32_t size = [] {
        const char* text = std::getenv("REELKEEP_BENCH_SIZE");
        if (text == nullptr || *text == '\0') return std::uint32_t{0};
        const std::string_view digits(text);
        std::uint32_t n = 0;
        const auto [end, error] = std::from_chars(digits.data(), digits.data() + digits.size(), n);
        if (error != std::errc() || end != digits.data() + digits.size() || n == 0) {
            std::fprintf(stderr, "REELKEEP_BENCH_SIZE must be a positive number, not '%s'\n", text);
            std::exit(2);
        }
        return n;
    }();
    return size;
}

void AddSizes(benchmark::internal::Benchmark* b, std::initializer_list<std::int64_t> sizes,
              std::int64_t iterations) {
    if (SmokeSize() != 0) {
        b->Arg(SmokeSize())->Iterations(1);
        return;
    }
    for (const std::int64_t n : sizes) b->Arg(n);
    if (iterations != 0) b->Iterations(iterations);
}

void OnceWhenSmoke(benchmark::internal::Benchmark* b) {
    if (SmokeSize() != 0) b->Iterations(1);
}

}  // namespace reelkeep::bench
