// Opening (with everything a load rebuilds) and saving generated catalogues.
#include <benchmark/benchmark.h>
#include <unistd.h>

#include <filesystem>
#include <map>

#include "generator.h"
#include "reelkeep_doc.h"

namespace reelkeep {
namespace {

// Benchmarks see no messages; a failure shows up as a skipped run.
class SilentUI : public IReelkeepUI {
  public:
    MessageAnswer ShowMessage(std::string_view, MessageButtons, MessageIcon) override {
        ++messages;
        return MessageAnswer::Ok;
    }
    void BeginProgress(std::string_view, std::uint32_t) override {}
    void StepProgress() override {}
    void EndProgress() override {}
    void SetWaitCursor(bool) override {}
    void UpdateAllViews() override {}
    bool RunEntryDialog(EntryDialogValues&) override { return false; }
    std::optional<DeleteAnswer> RunDeleteDialog(std::string_view) override { return {}; }
    bool RunFindDialog(FindSettings&) override { return false; }
    bool RunCustomHeadingsDialog(std::array<std::string, 4>&) override { return false; }
    bool RunFiltersDialog(std::array<std::string, 9>&) override { return false; }
    std::optional<std::string> AskExportFileName(ExportKind) override { return {}; }
    void StoreSelection() override {}
    void SelectOnly(std::uint32_t, bool) override {}
    void ApplyCustomHeadings(const std::array<std::string, 4>&, bool) override {}
    int messages = 0;
};

std::string TempPath(std::string_view name) {
    return (std::filesystem::temp_directory_path() /
            ("reelkeep-bench-" + std::to_string(::getpid()) + "-" + std::string(name)))
        .string();
}

// A generated catalogue of n movies saved once per program run, shared by the benchmarks.
const std::string& CatalogueFile(std::uint32_t n) {
    struct Files : std::map<std::uint32_t, std::string> {
        ~Files() {
            for (const auto& [count, path] : *this) std::filesystem::remove(path);
        }
    };
    static Files files;
    auto [it, inserted] = files.try_emplace(n);
    if (inserted) {
        SilentUI ui;
        CReelkeepDoc doc(ui);
        GenerateCatalogue(doc, n, 42);
        it->second = TempPath(std::to_string(n) + ".smf");
        doc.SaveDocument(it->second);
    }
    return it->second;
}

void BM_OpenCatalogue(benchmark::State& state) {
    const auto n = static_cast<std::uint32_t>(state.range(0));
    const std::string& path = CatalogueFile(n);
    for (auto _ : state) {
        SilentUI ui;
        CReelkeepDoc doc(ui);
        doc.OnNewDocument();
        if (!doc.OpenDocument(path) || ui.messages != 0) state.SkipWithError("open failed");
        benchmark::DoNotOptimize(doc.RecordCount());
        state.PauseTiming();  // freeing the catalogue is not part of opening it
        doc.OnNewDocument();
        state.ResumeTiming();
    }
    state.SetItemsProcessed(state.iterations() * n);
}
BENCHMARK(BM_OpenCatalogue)->Arg(100'000)->Arg(1'000'000)->Unit(benchmark::kMillisecond);

void BM_SaveCatalogue(benchmark::State& state) {
    const auto n = static_cast<std::uint32_t>(state.range(0));
    SilentUI ui;
    CReelkeepDoc doc(ui);
    GenerateCatalogue(doc, n, 42);
    const std::string path = TempPath("save.smf");
    for (auto _ : state) {
        if (!doc.SaveDocument(path)) state.SkipWithError("save failed");
    }
    std::filesystem::remove(path);
    state.SetItemsProcessed(state.iterations() * n);
}
BENCHMARK(BM_SaveCatalogue)->Arg(100'000)->Unit(benchmark::kMillisecond);

}  // namespace
}  // namespace reelkeep
