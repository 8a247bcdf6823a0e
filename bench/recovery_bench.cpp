// The recovery copy of a generated catalogue: how long the GUI thread is held (the writing
// child forked) and how long the whole write takes, disk flushes included.
#include <benchmark/benchmark.h>

#include <QTemporaryDir>

#include "bench_support.h"
#include "generator.h"
#include "recovery_copy.h"
#include "reelkeep_doc.h"
#include "silent_ui.h"
#include "widget_bench_main.h"

namespace reelkeep {
namespace {

struct Modified {
    CSilentUI ui;
    CReelkeepDoc doc{ui};
    explicit Modified(std::uint32_t n) {
        GenerateCatalogue(doc, n, 42);
        doc.SetModified(true);
    }
};

void BM_RecoveryCopyWindowHeld(benchmark::State& state) {
    const auto n = static_cast<std::uint32_t>(state.range(0));
    Modified& catalogue = bench::OncePerSize<Modified>(n);
    QTemporaryDir dir;
    CRecoveryCopy copy(catalogue.doc, dir.path());
    // A catalogue the journal never saw clean is journalled whole once: not a copy's cost.
    copy.FollowDocument(true);
    for (auto _ : state) {
        copy.WriteIfModified();
        state.PauseTiming();  // the child's part is the other benchmark's
        copy.Finish();
        // An unchanged catalogue is not copied again.
        catalogue.doc.SetModified(true);
        state.ResumeTiming();
    }
    state.SetItemsProcessed(state.iterations() * n);
}

void BM_RecoveryCopyWhole(benchmark::State& state) {
    const auto n = static_cast<std::uint32_t>(state.range(0));
    Modified& catalogue = bench::OncePerSize<Modified>(n);
    QTemporaryDir dir;
    CRecoveryCopy copy(catalogue.doc, dir.path());
    copy.FollowDocument(true);
    for (auto _ : state) {
        catalogue.doc.SetModified(true);
        copy.WriteIfModified(true);
    }
    state.SetItemsProcessed(state.iterations() * n);
}

void Sizes(benchmark::internal::Benchmark* b) { bench::AddSizes(b, {100'000, 1'000'000}); }

}  // namespace
}  // namespace reelkeep

int main(int argc, char** argv) {
    return reelkeep::bench::RunWidgetBenchmarks(
        argc, argv,
        [] {
            using namespace reelkeep;
            benchmark::RegisterBenchmark("recovery/window_held", BM_RecoveryCopyWindowHeld)
                ->Apply(Sizes)
                ->Unit(benchmark::kMillisecond);
            benchmark::RegisterBenchmark("recovery/whole_write", BM_RecoveryCopyWhole)
                ->Apply(Sizes)
                ->Unit(benchmark::kMillisecond);
        },
        [] {});
}
