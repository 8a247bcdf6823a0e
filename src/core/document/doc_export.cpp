#include <algorithm>
#include <optional>

#include "export_writers.h"
#include "reelkeep_doc.h"

namespace reelkeep {

std::vector<std::uint32_t> CReelkeepDoc::ExportedRecords() {
    if (!ui_.RowsSelected()) return display_.Order();
    StoreViewSelection();
    const std::vector<std::uint32_t>& flags = display_.Selection().flags;
    std::vector<std::uint32_t> records;
    if (display_.State().sort == SortMark::Actors) {
        // Rows of the actor index: a movie listed under several selected actors goes out once.
        std::vector<bool> taken(catalogue_.Count());
        for (std::uint32_t row = 0; row < flags.size(); ++row) {
            std::uint32_t record = 0;
            if (flags[row] == 0 || !ListingRecordAt(row, record) || taken[record]) continue;
            taken[record] = true;
            records.push_back(record);
        }
        return records;
    }
    if (display_.State().LabelFormat()) {
        // Rows are labels: a selected label stands for the movies printed on it.
        const std::size_t rows = std::min(flags.size(), display_.Labels().size());
        for (std::size_t i = 0; i < rows; ++i) {
            if (flags[i] == 0) continue;
            const Label& label = display_.Labels()[i];
            records.insert(records.end(), label.records.begin(),
                           label.records.begin() + label.movieCount);
        }
        return records;
    }
    const std::size_t rows = std::min(flags.size(), display_.Order().size());
    for (std::size_t i = 0; i < rows; ++i) {
        if (flags[i] != 0) records.push_back(display_.Order()[i]);
    }
    return records;
}

void CReelkeepDoc::ExportCommand(ExportKind kind) {
    const std::optional<std::string> path = ui_.AskExportFileName(kind);
    if (!path) return;
    CWaitCursorScope wait(ui_);
    const std::vector<std::uint32_t> records = ExportedRecords();
    if (const auto error = WriteExportFile(*path, kind, this->Display(), records, ui_.Language()))
        Warn(ui_, *error);
}

}  // namespace reelkeep
