// Speed of the sorts, the filter rebuild, Sort by Actors and Display in Label Format on generated
// catalogues, and of the literal exchange and bubble sorts they replace.
#include <benchmark/benchmark.h>

#include "bench_support.h"
#include "reelkeep_doc.h"
#include "reference_ordering.h"

namespace reelkeep {

namespace {

CReelkeepDoc& Generated(std::uint32_t n) { return bench::GeneratedCatalogue(n); }

// Record order, as a filter rebuild leaves it.
void ShowInRecordOrder(CReelkeepDoc& doc) { doc.ApplyFilters(doc.Display().Filters()); }

// Each run starts from record order.
void RunOnFreshOrder(benchmark::State& state, CommandId command) {
    CReelkeepDoc& doc = Generated(static_cast<std::uint32_t>(state.range(0)));
    if (!doc.IsEnabled(command)) state.SkipWithError("the command is disabled");
    for (auto _ : state) {
        state.PauseTiming();
        ShowInRecordOrder(doc);
        state.ResumeTiming();
        doc.Execute(command);
    }
    state.SetItemsProcessed(state.iterations() * state.range(0));
}

void BM_TitleSort(benchmark::State& state) { RunOnFreshOrder(state, CommandId::SortByTitle); }

void BM_SortByRating(benchmark::State& state) { RunOnFreshOrder(state, CommandId::SortByRating); }

void BM_SortByCustom1(benchmark::State& state) { RunOnFreshOrder(state, CommandId::SortByCustom1); }

void BM_SortByTapeNumber(benchmark::State& state) {
    RunOnFreshOrder(state, CommandId::SortByTapeNumber);
}

void BM_SortByActors(benchmark::State& state) { RunOnFreshOrder(state, CommandId::SortByActors); }

void BM_DisplayLabelFormat(benchmark::State& state) {
    RunOnFreshOrder(state, CommandId::DisplayLabelFormat);
}

void BM_FilterRebuild(benchmark::State& state) {
    CReelkeepDoc& doc = Generated(static_cast<std::uint32_t>(state.range(0)));
    const auto saved = doc.Display().Filters();
    auto filters = saved;
    filters[static_cast<std::size_t>(FilterField::Actor)] = "a";
    filters[static_cast<std::size_t>(FilterField::Rating)] = "p";
    for (auto _ : state) doc.ApplyFilters(filters);
    doc.ApplyFilters(saved);
    state.SetItemsProcessed(state.iterations() * state.range(0));
}

// ---- the literal algorithms, for the ratio -------------------------------------------------

test::ref::Records RecordsOf(const CReelkeepDoc& doc) {
    test::ref::Records records(doc.Catalogue().Count());
    for (std::uint32_t r = 0; r < doc.Catalogue().Count(); ++r)
        records[r] = doc.Catalogue().Record(r);
    return records;
}

template <typename Sort>
void RunReference(benchmark::State& state, Sort sort) {
    CReelkeepDoc& doc = Generated(static_cast<std::uint32_t>(state.range(0)));
    ShowInRecordOrder(doc);
    const test::ref::Records records = RecordsOf(doc);
    for (auto _ : state) {
        test::ref::Order order = doc.Display().Order();
        sort(order, records, doc);
        benchmark::DoNotOptimize(order.data());
    }
}

void BM_RefTitleSort(benchmark::State& state) {
    RunReference(state, [](test::ref::Order& order, const test::ref::Records& records,
                           const CReelkeepDoc&) { test::ref::TitleSort(order, records, true); });
}

void BM_RefSortByRating(benchmark::State& state) {
    RunReference(
        state, [](test::ref::Order& order, const test::ref::Records& records, const CReelkeepDoc&) {
            test::ref::TitleSort(order, records, true);
            test::ref::KeySort(order, records, Field::Rating);
        });
}

void BM_RefSortByTapeNumber(benchmark::State& state) {
    RunReference(
        state, [](test::ref::Order& order, const test::ref::Records& records, const CReelkeepDoc&) {
            test::ref::TitleSort(order, records, true);
            test::ref::TapeSort(order, records, false);
        });
}

void BM_RefSortByActors(benchmark::State& state) {
    RunReference(state, [](test::ref::Order& order, const test::ref::Records& records,
                           const CReelkeepDoc& doc) {
        std::vector<std::string> actors = doc.Display().DisplayedActors().Entries();
        benchmark::DoNotOptimize(test::ref::ActorIndex(order, records, actors).data());
    });
}

void BM_RefDisplayLabelFormat(benchmark::State& state) {
    RunReference(
        state, [](test::ref::Order& order, const test::ref::Records& records, const CReelkeepDoc&) {
            test::ref::CounterSort(order, records);
            test::ref::TapeSort(order, records, false);
            benchmark::DoNotOptimize(test::ref::Labels(order, records, false).data());
        });
}

constexpr std::int64_t kSmall = 10'000;
constexpr std::int64_t kLarge = 100'000;
constexpr std::int64_t kHuge = 1'000'000;

void AllSizes(benchmark::internal::Benchmark* b) { bench::AddSizes(b, {kSmall, kLarge, kHuge}); }
// The literal sorts are quadratic: one run on the small size is enough for the ratio.
void ReferenceSize(benchmark::internal::Benchmark* b) { bench::AddSizes(b, {kSmall}, 1); }

}  // namespace

#define REELKEEP_SIZES(bm) BENCHMARK(bm)->Apply(AllSizes)->Unit(benchmark::kMillisecond)
REELKEEP_SIZES(BM_TitleSort);
REELKEEP_SIZES(BM_SortByRating);
REELKEEP_SIZES(BM_SortByCustom1);
REELKEEP_SIZES(BM_SortByTapeNumber);
REELKEEP_SIZES(BM_SortByActors);
REELKEEP_SIZES(BM_DisplayLabelFormat);
REELKEEP_SIZES(BM_FilterRebuild);

#define REELKEEP_REFERENCE(bm) BENCHMARK(bm)->Apply(ReferenceSize)->Unit(benchmark::kMillisecond)
REELKEEP_REFERENCE(BM_RefTitleSort);
REELKEEP_REFERENCE(BM_RefSortByRating);
REELKEEP_REFERENCE(BM_RefSortByTapeNumber);
REELKEEP_REFERENCE(BM_RefSortByActors);
REELKEEP_REFERENCE(BM_RefDisplayLabelFormat);

}  // namespace reelkeep
