// Go to Entry on large generated catalogues: the search that follows each keystroke, in every
// listing it searches. Each run types a whole entry, one letter at a time, and reports the time
// per keystroke; the view's scroll and repaint after it are the paint benchmark's.
#include <benchmark/benchmark.h>

#include <functional>
#include <string>

#include "bench_support.h"
#include "go_to_entry.h"
#include "reelkeep_doc.h"

namespace reelkeep {
namespace {

using Show = std::function<void(CReelkeepDoc&)>;
// The entry typed: the key of a row three quarters down the listing.
using Entry = std::function<std::string(const CReelkeepDoc&)>;

std::string RecordKey(const CReelkeepDoc& doc, Field field) {
    return doc.Catalogue().Value(doc.Display().Order()[doc.Display().Order().size() * 3 / 4],
                                 field);
}

// Types text one letter at a time, each keystroke searching for the text so far.
void TypeInto(benchmark::State& state, const Show& show, const Entry& entry) {
    CReelkeepDoc& doc = bench::GeneratedCatalogue(static_cast<std::uint32_t>(state.range(0)));
    show(doc);
    const std::string typed = entry(doc);
    for (auto _ : state) {
        for (std::size_t length = 1; length <= typed.size(); ++length) {
            benchmark::DoNotOptimize(
                GoToRow(doc.Display(), std::string_view(typed).substr(0, length)));
        }
    }
    state.SetLabel('"' + typed + '"');
    state.counters["per_keystroke"] = benchmark::Counter(
        static_cast<double>(typed.size()),
        benchmark::Counter::kIsIterationInvariantRate | benchmark::Counter::kInvert);
}

// The first title from three quarters down the list on that is led by the article, or not.
std::string TitleFromThreeQuarters(const CReelkeepDoc& doc, bool ledByArticle) {
    const std::vector<std::uint32_t>& order = doc.Display().Order();
    for (std::size_t k = 0; k < order.size(); ++k) {
        const std::string& title = doc.Catalogue().Value(
            order[(order.size() * 3 / 4 + k) % order.size()], Field::MovieName);
        if (title.starts_with("The ") == ledByArticle) return title;
    }
    return {};
}

void BM_TitleLedByTheArticle(benchmark::State& state) {
    TypeInto(
        state, [](CReelkeepDoc& doc) { doc.Execute(CommandId::SortByTitle); },
        [](const CReelkeepDoc& doc) { return TitleFromThreeQuarters(doc, true); });
}

void BM_TitleWithoutTheArticle(benchmark::State& state) {
    TypeInto(
        state, [](CReelkeepDoc& doc) { doc.Execute(CommandId::SortByTitle); },
        [](const CReelkeepDoc& doc) { return TitleFromThreeQuarters(doc, false); });
}

// No title begins with these letters: every keystroke searches in vain.
void BM_TitleNotThere(benchmark::State& state) {
    TypeInto(
        state, [](CReelkeepDoc& doc) { doc.Execute(CommandId::SortByTitle); },
        [](const CReelkeepDoc&) { return std::string("Qxqxqxqx"); });
}

void BM_Rating(benchmark::State& state) {
    TypeInto(
        state, [](CReelkeepDoc& doc) { doc.Execute(CommandId::SortByRating); },
        [](const CReelkeepDoc& doc) { return RecordKey(doc, Field::Rating); });
}

void BM_TapeNumber(benchmark::State& state) {
    TypeInto(
        state, [](CReelkeepDoc& doc) { doc.Execute(CommandId::SortByTapeNumber); },
        [](const CReelkeepDoc& doc) { return RecordKey(doc, Field::TapeNumber); });
}

// Zeros lead no tape number here: the typed zero is looked for in every one.
void BM_TapeNumberZero(benchmark::State& state) {
    TypeInto(
        state, [](CReelkeepDoc& doc) { doc.Execute(CommandId::SortByTapeNumber); },
        [](const CReelkeepDoc&) { return std::string("0"); });
}

void BM_LabelTapeNumber(benchmark::State& state) {
    TypeInto(
        state, [](CReelkeepDoc& doc) { doc.Execute(CommandId::DisplayLabelFormat); },
        [](const CReelkeepDoc& doc) {
            return doc.Display().Labels()[doc.Display().Labels().size() * 3 / 4].tapeNumber;
        });
}

void BM_Actor(benchmark::State& state) {
    TypeInto(
        state,
        [](CReelkeepDoc& doc) {
            doc.Execute(CommandId::DisplayNormalView);  // the label format allows no sort
            doc.Execute(CommandId::SortByActors);
        },
        [](const CReelkeepDoc& doc) {
            return std::string(doc.Display().ActorRowActor(doc.Display().ActorRowCount() * 3 / 4));
        });
}

void Sizes(benchmark::internal::Benchmark* b) {
    bench::AddSizes(b, {100'000, 1'000'000});
    b->Unit(benchmark::kMillisecond);
}

BENCHMARK(BM_TitleLedByTheArticle)->Apply(Sizes);
BENCHMARK(BM_TitleWithoutTheArticle)->Apply(Sizes);
BENCHMARK(BM_TitleNotThere)->Apply(Sizes);
BENCHMARK(BM_Rating)->Apply(Sizes);
BENCHMARK(BM_TapeNumber)->Apply(Sizes);
BENCHMARK(BM_TapeNumberZero)->Apply(Sizes);
BENCHMARK(BM_LabelTapeNumber)->Apply(Sizes);
BENCHMARK(BM_Actor)->Apply(Sizes);

}  // namespace
}  // namespace reelkeep
