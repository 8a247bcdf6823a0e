#pragma once

#include <QString>
#include <array>
#include <cstddef>
#include <cstdint>
#include <string_view>

#include "catalogue_display.h"
#include "column_layout.h"

// What the columns of the one-line lists show, on the screen and on paper alike.
namespace reelkeep {

// A value as a list cell shows it: on one line, each line break ("\r\n", "\n" or "\r") a
// space, so a value imported with breaks shows whole rather than its first line.
QString CellText(std::string_view value);
// The text a column identifier shows for a record, as a cell: "Failed" for an unknown identifier.
QString ColumnText(const CCatalogueDisplay& display, std::uint32_t record, std::uint32_t columnId);
// The title of a column identifier among the ten column titles: "Failed" for an unknown one.
QString ColumnTitle(const std::array<QString, 10>& titles, std::uint32_t columnId);

}  // namespace reelkeep
