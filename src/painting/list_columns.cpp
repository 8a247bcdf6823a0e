#include "list_columns.h"

#include "qt_text.h"
#include "record_strings.h"

namespace reelkeep {

QString ColumnText(const CReelkeepDoc& doc, std::uint32_t record, std::uint32_t columnId) {
    Field field;
    if (!FieldOfColumn(columnId, field)) return ToQt(recordtext::kBadColumn);
    return ToQt(doc.Value(record, field));
}

QString ColumnTitle(const std::array<QString, 10>& titles, std::uint32_t columnId) {
    if (columnId < 1 || columnId > titles.size()) return ToQt(recordtext::kBadColumn);
    return titles[columnId - 1];
}

}  // namespace reelkeep
