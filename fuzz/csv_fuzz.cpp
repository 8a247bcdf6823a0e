// Arbitrary bytes imported as a CSV file. Whatever they hold, reading must not crash, every
// value must come out as UTF-8 within the length limit and under a heading, the movies must
// go into a catalogue as one undoable command, and once exported they must read back the same
// (but for values holding `",`, which that format cannot carry).
#include <cstddef>
#include <cstdint>
#include <sstream>
#include <string_view>

#include "csv_import.h"
#include "export_writers.h"
#include "fuzz_check.h"
#include "reelkeep_doc.h"
#include "silent_ui.h"
#include "text_encoding.h"

namespace {

using namespace reelkeep;

// Small, so that cutting values short is reached.
constexpr std::size_t kMaxValue = 64;

void CheckTable(const CsvTable& table) {
    std::uint64_t line = 0;
    for (const CsvRow& row : table.rows) {
        FUZZ_CHECK(row.line > line);
        line = row.line;
        FUZZ_CHECK(row.fields.size() <= table.headings.size());
        for (const std::string& value : row.fields) {
            FUZZ_CHECK(value.size() <= kMaxValue);
            FUZZ_CHECK(IsValidUtf8(value));
        }
    }
    for (const std::string& heading : table.headings) FUZZ_CHECK(IsValidUtf8(heading));
}

// No field takes values from two columns.
void CheckMapping(const ColumnMapping& mapping, std::size_t columns) {
    FUZZ_CHECK(mapping.size() == columns);
    for (std::size_t f = 0; f < kFieldCount; ++f) {
        const ColumnTarget field = ColumnTarget::To(static_cast<Field>(f));
        std::size_t writers = 0;
        for (const ColumnTarget& target : mapping) writers += target.Overlaps(field) ? 1 : 0;
        FUZZ_CHECK(writers <= 1);
    }
}

bool HoldsQuoteComma(const std::vector<RecordValues>& records) {
    for (const RecordValues& record : records) {
        for (const std::string& value : record) {
            if (value.find("\",") != std::string::npos) return true;
        }
    }
    return false;
}

std::vector<RecordValues> Reimported(const CReelkeepDoc& doc) {
    std::vector<std::uint32_t> order(doc.Catalogue().Count());
    for (std::uint32_t r = 0; r < doc.Catalogue().Count(); ++r) order[r] = r;
    std::ostringstream out;
    FUZZ_CHECK(WriteExport(out, ExportKind::Csv, doc.Display(), order));
    CsvTable table = ReadCsv(out.str(), kMaxValue);
    FUZZ_CHECK(table.form == CsvForm::ReelkeepExport);
    ImportReport report;
    return ImportedRecords(table, MapHeadings(table.headings, doc.Display().CustomHeadings()),
                           report);
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    CsvTable table =
        ReadCsv(std::string_view(reinterpret_cast<const char*>(data), size), kMaxValue);
    CheckTable(table);
    CSilentUI ui;
    CReelkeepDoc doc(ui);
    doc.OnNewDocument();
    DocumentOptions options;
    options.showSynopsis = true;
    options.showCustom = {true, true, true, true};
    doc.OptionsChanged(options);
    const ColumnMapping mapping = MapHeadings(table.headings, doc.Display().CustomHeadings());
    CheckMapping(mapping, table.headings.size());
    ImportReport report;
    const std::vector<RecordValues> records = ImportedRecords(table, mapping, report);
    FUZZ_CHECK(report.imported == records.size());
    FUZZ_CHECK(doc.ImportRecords(records));
    FUZZ_CHECK(doc.Catalogue().Count() == records.size());
    if (!HoldsQuoteComma(records)) FUZZ_CHECK(Reimported(doc) == records);
    if (!records.empty()) {
        FUZZ_CHECK(doc.IsEnabled(CommandId::Undo));
        doc.Execute(CommandId::Undo);
        FUZZ_CHECK(doc.Catalogue().Count() == 0);
    }
    return 0;
}
