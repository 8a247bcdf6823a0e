// Times the pagination pass of the three report kinds with letter breaks, and the label-sheet
// pagination, on generated catalogues. A million movies must paginate well under a second: the
// pass runs before the print dialog's page range can be shown.
#include <benchmark/benchmark.h>

#include <numeric>

#include "bench_support.h"
#include "label_pagination.h"
#include "reelkeep_doc.h"
#include "report_pagination.h"
#include "silent_ui.h"

namespace reelkeep {
namespace {

// The one catalogue of each size, showing what a report of the kind prints: the title order for
// the Normal View and One Line Sorts, the actor index for Sort by Actors. Switching is left out
// of the timing, and the benchmarks run in an order that switches at most once.
CReelkeepDoc& Showing(const benchmark::State& state, SortMark sort) {
    CReelkeepDoc& doc = bench::GeneratedCatalogue(static_cast<std::uint32_t>(state.range(0)));
    if (doc.Display().State().sort != sort) {
        if (sort == SortMark::Actors) {
            doc.Execute(CommandId::SortByActors);
        } else {
            doc.Execute(CommandId::SortByTitle);
        }
    }
    return doc;
}

// A Letter-size page at 300 dpi in the four-times font: about 50 lines.
ReportJobInput LetterBreaks(ReportKind kind) {
    ReportJobInput input;
    input.kind = kind;
    input.linesPerPage = 50;
    input.linesPerRow = 7;
    input.options.normal = NormalPrint::LetterBreak;
    input.options.oneLine = PageBreaks::Letter;
    input.options.actors = PageBreaks::Letter;
    return input;
}

// The pass, and every page's range as the preview asks for them.
// Asks every page of a job for its range, as a preview scrolled to the end would, and counts
// what they hold.
template <typename RangeOf>
std::uint64_t CountAllPages(std::uint32_t totalPages, RangeOf rangeOf) {
    std::uint64_t count = 0;
    for (std::uint32_t page = 1; page <= totalPages; ++page) {
        const auto range = rangeOf(page);
        if (!range.empty) count += range.last - range.first + 1;
    }
    return count;
}

void Paginate(benchmark::State& state, ReportKind kind, SortMark sort) {
    const CReelkeepDoc& doc = Showing(state, sort);
    const ReportJobInput input = LetterBreaks(kind);
    std::uint32_t pages = 0;
    for (auto _ : state) {
        const ReportPagination job = PaginateReport(doc.Display(), input);
        benchmark::DoNotOptimize(
            CountAllPages(job.totalPages, [&job](std::uint32_t page) { return job.Range(page); }));
        pages = job.totalPages;
    }
    state.counters["pages"] = pages;
    state.SetItemsProcessed(state.iterations() * state.range(0));
}

void BM_PaginateNormalView(benchmark::State& state) {
    Paginate(state, ReportKind::Normal, SortMark::Title);
}

void BM_PaginateOneLine(benchmark::State& state) {
    Paginate(state, ReportKind::OneLine, SortMark::Title);
}

void BM_PaginateActors(benchmark::State& state) {
    Paginate(state, ReportKind::Actors, SortMark::Actors);
}

// Labels as many as the movies, as a layout of one movie a label would have.
struct LabelSet {
    std::vector<Label> labels;
    std::vector<std::uint32_t> all;
    explicit LabelSet(std::uint32_t n) : labels(n), all(n) {
        const CReelkeepDoc& doc = bench::GeneratedCatalogue(n);
        for (std::uint32_t k = 0; k < n; ++k) {
            Label& label = labels[k];
            label.titles[0] = doc.Catalogue().Value(k, Field::MovieName);
            label.movieTypes[0] = doc.Catalogue().Value(k, Field::MovieType);
            label.tapeNumber = doc.Catalogue().Value(k, Field::TapeNumber);
            for (std::size_t a = 0; a < kActorSlotCount; ++a) {
                label.actors[a] = doc.Catalogue().Value(k, ActorField(a));
            }
            label.records[0] = k;
            label.movieCount = 1;
        }
        std::iota(all.begin(), all.end(), 0u);
    }
};

// Printing every label as the selection: the labels are copied, which is the work.
void BM_LabelSelection(benchmark::State& state) {
    const LabelSet& set = bench::OncePerSize<LabelSet>(static_cast<std::uint32_t>(state.range(0)));
    CSilentUI ui;
    std::uint32_t pages = 0;
    for (auto _ : state) {
        LabelJob job = BeginLabelSelection(set.labels, set.all, true, ui);
        StartAtPosition(job, 4);
        PaginateLabels(job);
        benchmark::DoNotOptimize(CountAllPages(
            job.totalPages, [&job](std::uint32_t page) { return LabelRowsOnPage(job, page); }));
        pages = job.totalPages;
    }
    state.counters["pages"] = pages;
    state.SetItemsProcessed(state.iterations() * state.range(0));
}

// Printing all labels: arithmetic only, whatever the count.
void BM_AllLabels(benchmark::State& state) {
    const auto n = static_cast<std::uint32_t>(state.range(0));
    for (auto _ : state) {
        LabelJob job = AllLabelsJob(n, false);
        PaginateLabels(job);
        benchmark::DoNotOptimize(CountAllPages(
            job.totalPages, [&job](std::uint32_t page) { return LabelRowsOnPage(job, page); }));
    }
    state.SetItemsProcessed(state.iterations() * state.range(0));
}

void Sizes(benchmark::internal::Benchmark* b) { bench::AddSizes(b, {100'000, 1'000'000}); }

}  // namespace

#define REELKEEP_SIZES(bm) BENCHMARK(bm)->Apply(Sizes)->Unit(benchmark::kMillisecond)
REELKEEP_SIZES(BM_PaginateNormalView);
REELKEEP_SIZES(BM_PaginateOneLine);
REELKEEP_SIZES(BM_PaginateActors);
REELKEEP_SIZES(BM_LabelSelection);
REELKEEP_SIZES(BM_AllLabels);

}  // namespace reelkeep
