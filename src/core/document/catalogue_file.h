#pragma once

#include <cstdint>
#include <functional>
#include <string>
#include <vector>

#include "byte_io.h"
#include "column_layout.h"
#include "fields.h"

namespace reelkeep {

// What a catalogue file holds besides the records: the column layouts, the custom headings and
// the label colours.
struct CatalogueTail {
    ColumnLayouts layouts{};
    HeadingTexts headings;
    std::vector<std::uint32_t> dataColors;
    std::vector<std::uint32_t> headingColors;
};

// Writes a catalogue file of the current version: count records, each field's values from
// column(f), and the tail. The one writer of the file's layout, for saves and recovered
// catalogues alike.
void WriteCatalogueFile(IByteSink& sink, std::uint32_t count,
                        const std::function<const std::vector<std::string>&(Field)>& column,
                        const CatalogueTail& tail);

}  // namespace reelkeep
