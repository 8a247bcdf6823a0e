// Times the editing commands, Find and the exports on large generated catalogues. Each command
// must stay well under a few seconds at a million movies.
#include <benchmark/benchmark.h>

#include <filesystem>

#include "bench_support.h"
#include "generator.h"
#include "reelkeep_doc.h"
#include "silent_ui.h"

namespace reelkeep {
namespace {

// A user who answers every dialog at once and a view that selects what the benchmark says.
class BenchUI : public CSilentUI {
public:
    std::vector<std::uint32_t> selection;
    bool rowsSelected = false;
    FindSettings find;
    std::string exportPath;

    bool RunEntryDialog(EntryDialogValues& values) override {
        values.fields[FieldIndex(Field::MovieName)] = "Benchmark Movie";
        values.fields[FieldIndex(Field::Actor1)] = "Bench Actor";
        return true;
    }
    std::optional<DeleteAnswer> RunDeleteDialog(std::string_view) override {
        return DeleteAnswer::YesToAll;
    }
    bool RunFindDialog(FindSettings& settings) override {
        settings = find;
        return true;
    }
    std::optional<std::string> AskExportFileName(ExportKind) override { return exportPath; }
    std::vector<std::uint32_t> SelectedRowFlags() const override { return selection; }
    bool RowsSelected() const override { return rowsSelected; }
    void ClearSelection() override { rowsSelected = false; }
};

struct Session {
    BenchUI ui;
    CReelkeepDoc doc{ui};
    explicit Session(std::uint32_t n) {
        doc.OnNewDocument();
        GenerateCatalogue(doc, n, 42);
    }
    // Selects every step-th row of the listing, from the first.
    void SelectEvery(std::size_t step) {
        ui.selection.assign(doc.Display().ListingCount(), 0);
        for (std::size_t row = 0; row < ui.selection.size(); row += step) ui.selection[row] = 1;
        ui.rowsSelected = true;
    }
};

Session& SessionOf(std::uint32_t n) { return bench::OncePerSize<Session>(n); }

std::uint32_t Size(const benchmark::State& state) {
    return static_cast<std::uint32_t>(state.range(0));
}

void BM_FindWithoutMatch(benchmark::State& state) {
    Session& s = SessionOf(Size(state));
    s.ui.find = {"zqxjk", false, false};
    for (auto _ : state) s.doc.Execute(CommandId::Find);
}

void BM_FindWholeWordExactCase(benchmark::State& state) {
    Session& s = SessionOf(Size(state));
    s.ui.find = {"Zqxjk", true, true};
    for (auto _ : state) s.doc.Execute(CommandId::Find);
}

void BM_Export(benchmark::State& state, CommandId exportCommand) {
    Session& s = SessionOf(Size(state));
    s.ui.exportPath = bench::TempPath("edit.out");
    s.ui.rowsSelected = false;
    for (auto _ : state) s.doc.Execute(exportCommand);
    std::filesystem::remove(s.ui.exportPath);
}

void BM_Enter(benchmark::State& state) {
    Session& s = SessionOf(Size(state));
    for (auto _ : state) s.doc.Execute(CommandId::Enter);
}

void BM_ModifyOne(benchmark::State& state) {
    Session& s = SessionOf(Size(state));
    for (auto _ : state) {
        state.PauseTiming();
        s.SelectEvery(s.doc.Display().ListingCount() + 1);
        state.ResumeTiming();
        s.doc.Execute(CommandId::Modify);
    }
}

void BM_DeleteOne(benchmark::State& state) {
    Session& s = SessionOf(Size(state));
    for (auto _ : state) {
        state.PauseTiming();
        s.SelectEvery(s.doc.Display().ListingCount() + 1);
        state.ResumeTiming();
        s.doc.Execute(CommandId::Delete);
    }
}

// Deletes every tenth movie, then brings them back: the journal holds a tenth of the catalogue.
void BM_DeleteTenthThenUndo(benchmark::State& state) {
    Session& s = SessionOf(Size(state));
    for (auto _ : state) {
        s.SelectEvery(10);
        s.doc.Execute(CommandId::Delete);
        s.doc.Execute(CommandId::Undo);
    }
}

void BM_UndoEnter(benchmark::State& state) {
    Session& s = SessionOf(Size(state));
    for (auto _ : state) {
        state.PauseTiming();
        s.doc.Execute(CommandId::Enter);
        state.ResumeTiming();
        s.doc.Execute(CommandId::Undo);
    }
}

void Sizes(benchmark::internal::Benchmark* b) {
    bench::AddSizes(b, {100'000, 1'000'000}, 3);
    b->Unit(benchmark::kMillisecond);
}

BENCHMARK(BM_FindWithoutMatch)->Apply(Sizes);
BENCHMARK(BM_FindWholeWordExactCase)->Apply(Sizes);
BENCHMARK_CAPTURE(BM_Export, csv, CommandId::ExportCsv)->Apply(Sizes);
BENCHMARK_CAPTURE(BM_Export, text, CommandId::ExportText)->Apply(Sizes);
BENCHMARK(BM_Enter)->Apply(Sizes);
BENCHMARK(BM_ModifyOne)->Apply(Sizes);
BENCHMARK(BM_DeleteOne)->Apply(Sizes);
BENCHMARK(BM_UndoEnter)->Apply(Sizes);
BENCHMARK(BM_DeleteTenthThenUndo)->Apply(Sizes);

}  // namespace
}  // namespace reelkeep
