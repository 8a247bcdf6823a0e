// Importing a spreadsheet's CSV file of generated movies into a new catalogue: reading the file,
// mapping its headings, appending, and the rebuilds and the title sort that follow.
#include <benchmark/benchmark.h>

#include "bench_support.h"
#include "csv_import.h"
#include "reelkeep_doc.h"
#include "silent_ui.h"
#include "spreadsheet_csv.h"

namespace reelkeep {
namespace {

void BM_ImportSpreadsheetCsv(benchmark::State& state) {
    const auto n = static_cast<std::uint32_t>(state.range(0));
    const auto& file = bench::OncePerSize<bench::SpreadsheetFile>(n);
    for (auto _ : state) {
        state.PauseTiming();
        CSilentUI ui;
        CReelkeepDoc doc(ui);
        doc.OnNewDocument();
        doc.ApplyCustomHeadings(file.headings, false);
        state.ResumeTiming();
        CsvTable table = ReadCsvFile(file.path);
        ImportReport report;
        const ColumnMapping mapping = MapHeadings(table.headings, doc.Display().CustomHeadings());
        if (!doc.ImportTable(table, mapping, report) || doc.Catalogue().Count() != n ||
            !report.problems.empty()) {
            state.SkipWithError("import failed");
        }
        state.PauseTiming();  // freeing the catalogue is not part of the import
        doc.OnNewDocument();
        state.ResumeTiming();
    }
    state.SetItemsProcessed(state.iterations() * n);
}
void ImportSizes(benchmark::internal::Benchmark* b) { bench::AddSizes(b, {100'000, 1'000'000}); }
BENCHMARK(BM_ImportSpreadsheetCsv)->Apply(ImportSizes)->Unit(benchmark::kMillisecond);

}  // namespace
}  // namespace reelkeep
