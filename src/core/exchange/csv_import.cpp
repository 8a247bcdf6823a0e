#include "csv_import.h"

#include <algorithm>
#include <string_view>

namespace reelkeep {

namespace {

std::string_view TrimmedSpaces(std::string_view text) {
    const std::size_t first = text.find_first_not_of(' ');
    if (first == std::string_view::npos) return {};
    return text.substr(first, text.find_last_not_of(' ') - first + 1);
}

// "A; B; C" into the three actor fields; false when more names were left out.
bool SplitActors(std::string_view list, RecordValues& values) {
    std::size_t slot = 0;
    while (!list.empty()) {
        const std::size_t end = std::min(list.find(';'), list.size());
        const std::string_view name = TrimmedSpaces(list.substr(0, end));
        list.remove_prefix(std::min(end + 1, list.size()));
        if (name.empty()) continue;
        if (slot == kActorSlotCount) return false;
        values[FieldIndex(ActorField(slot++))] = name;
    }
    return true;
}

RecordValues RecordOf(CsvRow& row, const ColumnMapping& mapping, ImportReport& report) {
    RecordValues values;
    const std::size_t columns = std::min(row.fields.size(), mapping.size());
    for (std::size_t i = 0; i < columns; ++i) {
        const ColumnTarget& target = mapping[i];
        if (target.kind == ColumnTarget::Kind::Field) {
            values[FieldIndex(target.field)] = std::move(row.fields[i]);
        } else if (target.kind == ColumnTarget::Kind::Actors &&
                   !SplitActors(row.fields[i], values)) {
            report.problems.push_back({row.line, ImportProblemKind::ActorsCut, i + 1});
        }
    }
    return values;
}

// Where each column goes; a skipped column without heading or value is blank.
std::vector<ImportColumn> ColumnsOf(const CsvTable& table, const ColumnMapping& mapping) {
    std::vector<ImportColumn> columns;
    columns.reserve(table.headings.size());
    for (std::size_t i = 0; i < table.headings.size(); ++i) {
        ImportColumn column{table.headings[i], i < mapping.size() ? mapping[i] : ColumnTarget{}};
        column.blank = column.target.kind == ColumnTarget::Kind::Skip &&
                       column.heading.find_first_not_of(" \t") == std::string::npos &&
                       std::none_of(table.rows.begin(), table.rows.end(), [i](const CsvRow& row) {
                           return i < row.fields.size() && !row.fields[i].empty();
                       });
        columns.push_back(std::move(column));
    }
    return columns;
}

}  // namespace

std::vector<RecordValues> ImportedRecords(CsvTable& table, const ColumnMapping& mapping,
                                          ImportReport& report) {
    report.columns = ColumnsOf(table, mapping);
    report.problems = table.problems;
    std::vector<RecordValues> records;
    records.reserve(table.rows.size());
    for (CsvRow& row : table.rows) records.push_back(RecordOf(row, mapping, report));
    report.imported = records.size();
    std::stable_sort(
        report.problems.begin(), report.problems.end(),
        [](const ImportProblem& a, const ImportProblem& b) { return a.line < b.line; });
    return records;
}

}  // namespace reelkeep
