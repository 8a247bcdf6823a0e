#include "list_columns.h"

#include "qt_text.h"
#include "record_strings.h"

namespace reelkeep {

QString CellText(std::string_view value) {
    QString text = ToQt(value);
    text.replace(QStringLiteral("\r\n"), QStringLiteral(" "));
    text.replace(QLatin1Char('\n'), QLatin1Char(' '));
    text.replace(QLatin1Char('\r'), QLatin1Char(' '));
    return text;
}

QString ColumnText(const CCatalogueDisplay& display, std::uint32_t record, std::uint32_t columnId) {
    Field field;
    if (!FieldOfColumn(columnId, field)) return recordtext::Tr(recordtext::kBadColumn);
    return CellText(display.Catalogue().Value(record, field));
}

QString ColumnTitle(const std::array<QString, 10>& titles, std::uint32_t columnId) {
    if (columnId < 1 || columnId > titles.size()) return recordtext::Tr(recordtext::kBadColumn);
    return titles[columnId - 1];
}

}  // namespace reelkeep
