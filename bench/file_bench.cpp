// Opening (with everything a load rebuilds) and saving generated catalogues.
#include <benchmark/benchmark.h>

#include <filesystem>

#include "bench_support.h"
#include "generator.h"
#include "reelkeep_doc.h"
#include "silent_ui.h"

namespace reelkeep {
namespace {

using bench::OncePerSize;
using bench::TempPath;

// Counts the messages instead of showing them: a failed open shows up as a skipped run.
class CountingUI : public CSilentUI {
public:
    MessageAnswer ShowMessage(std::string_view, MessageButtons, MessageIcon) override {
        ++messages;
        return MessageAnswer::Ok;
    }
    int messages = 0;
};

// A generated catalogue of n movies saved once per program run, shared by the benchmarks.
struct SavedCatalogue {
    std::string path;

    explicit SavedCatalogue(std::uint32_t n) : path(TempPath(std::to_string(n) + ".smf")) {
        CSilentUI ui;
        CReelkeepDoc doc(ui);
        GenerateCatalogue(doc, n, 42);
        doc.SaveDocument(path);
    }
    ~SavedCatalogue() { std::filesystem::remove(path); }
};

void BM_OpenCatalogue(benchmark::State& state) {
    const auto n = static_cast<std::uint32_t>(state.range(0));
    const std::string& path = OncePerSize<SavedCatalogue>(n).path;
    for (auto _ : state) {
        CountingUI ui;
        CReelkeepDoc doc(ui);
        doc.OnNewDocument();
        if (!doc.OpenDocument(path) || ui.messages != 0) state.SkipWithError("open failed");
        benchmark::DoNotOptimize(doc.Catalogue().Count());
        state.PauseTiming();  // freeing the catalogue is not part of opening it
        doc.OnNewDocument();
        state.ResumeTiming();
    }
    state.SetItemsProcessed(state.iterations() * n);
}
void OpenSizes(benchmark::internal::Benchmark* b) { bench::AddSizes(b, {100'000, 1'000'000}); }
BENCHMARK(BM_OpenCatalogue)->Apply(OpenSizes)->Unit(benchmark::kMillisecond);

void BM_SaveCatalogue(benchmark::State& state) {
    const auto n = static_cast<std::uint32_t>(state.range(0));
    CSilentUI ui;
    CReelkeepDoc doc(ui);
    GenerateCatalogue(doc, n, 42);
    const std::string path = TempPath("save.smf");
    for (auto _ : state) {
        if (!doc.SaveDocument(path)) state.SkipWithError("save failed");
    }
    std::filesystem::remove(path);
    state.SetItemsProcessed(state.iterations() * n);
}
void SaveSizes(benchmark::internal::Benchmark* b) { bench::AddSizes(b, {100'000}); }
BENCHMARK(BM_SaveCatalogue)->Apply(SaveSizes)->Unit(benchmark::kMillisecond);

}  // namespace
}  // namespace reelkeep
