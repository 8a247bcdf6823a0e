// What the journal of unsaved changes adds to Enter, Modify and Delete of one movie, and to a
// change of every movie: the change found, written and flushed to the disk before the window
// takes the next input. The command itself runs untimed.
#include <benchmark/benchmark.h>

#include <filesystem>

#include "bench_support.h"
#include "change_journal.h"
#include "generator.h"
#include "reelkeep_doc.h"
#include "silent_ui.h"

namespace reelkeep {
namespace {

// Answers Enter's dialog and Delete's question at once; the view selects the first row.
class JournalBenchUI : public CSilentUI {
public:
    bool RunEntryDialog(EntryDialogValues& values) override {
        values.fields[FieldIndex(Field::MovieName)] = "Journalled Movie";
        return true;
    }
    std::optional<DeleteAnswer> RunDeleteDialog(std::string_view) override {
        return DeleteAnswer::Yes;
    }
    std::vector<std::uint32_t> SelectedRowFlags() const override { return {1}; }
    bool RowsSelected() const override { return true; }
};

// A catalogue saved to its file, whose journal starts from that file.
struct Journalled {
    JournalBenchUI ui;
    CReelkeepDoc doc{ui};
    CChangeJournal journal{bench::TempPath("journal")};
    std::string file = bench::TempPath("journalled.smf");
    explicit Journalled(std::uint32_t n) {
        doc.OnNewDocument();
        GenerateCatalogue(doc, n, 42);
        doc.SaveDocument(file);
        journal.Follow(doc);
        journal.SetOrigin(file, true);
    }
    ~Journalled() {
        journal.Remove();
        std::filesystem::remove(file);
    }
    Journalled(const Journalled&) = delete;
    Journalled& operator=(const Journalled&) = delete;
};

void BM_JournalAfter(benchmark::State& state, CommandId command) {
    const auto n = static_cast<std::uint32_t>(state.range(0));
    Journalled& j = bench::OncePerSize<Journalled>(n);
    for (auto _ : state) {
        state.PauseTiming();
        j.doc.Execute(command);
        state.ResumeTiming();
        j.journal.Follow(j.doc, true);
    }
    benchmark::DoNotOptimize(j.journal.Position());
}

// A change no few records describe, as an import into a new catalogue: every movie is written.
void BM_JournalEveryMovie(benchmark::State& state) {
    const auto n = static_cast<std::uint32_t>(state.range(0));
    JournalBenchUI ui;
    CReelkeepDoc doc(ui);
    doc.OnNewDocument();
    GenerateCatalogue(doc, n, 42);
    CChangeJournal journal(bench::TempPath("journal-every"));
    for (auto _ : state) {
        state.PauseTiming();
        doc.SetModified(false);
        journal.Follow(doc);
        doc.SetModified(true);
        state.ResumeTiming();
        journal.Follow(doc);
    }
    journal.Remove();
}

void Sizes(benchmark::internal::Benchmark* b) {
    bench::AddSizes(b, {100'000, 1'000'000}, 10);
    b->Unit(benchmark::kMillisecond);
}

BENCHMARK_CAPTURE(BM_JournalAfter, Enter, CommandId::Enter)->Apply(Sizes);
BENCHMARK_CAPTURE(BM_JournalAfter, Modify, CommandId::Modify)->Apply(Sizes);
BENCHMARK_CAPTURE(BM_JournalAfter, Delete, CommandId::Delete)->Apply(Sizes);
BENCHMARK(BM_JournalEveryMovie)->Apply([](benchmark::internal::Benchmark* b) {
    bench::AddSizes(b, {100'000, 1'000'000}, 1);
    b->Unit(benchmark::kMillisecond);
});

}  // namespace
}  // namespace reelkeep
