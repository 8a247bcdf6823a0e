#pragma once

#include <cstdint>
#include <initializer_list>
#include <string>
#include <string_view>

#include "reelkeep_doc.h"

namespace reelkeep::test {

// Builds catalogue file bytes by hand, item by item, independently of the writer under test.
class SmfBytes {
public:
    SmfBytes& U8(std::uint8_t v);
    SmfBytes& U16(std::uint16_t v);
    SmfBytes& U32(std::uint32_t v);
    SmfBytes& Raw(std::string_view bytes);
    // A String with the shortest prefix (lengths below 255 only) and its bytes as given.
    SmfBytes& Str(std::string_view text);
    // A Count below 0xFFFF, then that many Strings.
    SmfBytes& List(std::initializer_list<std::string_view> values);
    // A String list of count copies of one value.
    SmfBytes& Repeat(std::uint16_t count, std::string_view value);
    SmfBytes& Colors(std::initializer_list<std::uint32_t> colors);
    // The default column layouts: 110 identifiers and 99 zero positions.
    SmfBytes& DefaultLayouts();

    const std::string& bytes() const { return bytes_; }

private:
    std::string bytes_;
};

// The document read from bytes, as OpenDocument would read them from a file.
bool LoadBytes(CReelkeepDoc& doc, std::string_view bytes);
std::string SaveBytes(const CReelkeepDoc& doc);
// A current-version file with its column layouts replaced, as a tool may write them.
std::string WithLayouts(std::string file, const ColumnLayouts& layouts);

std::string ReadDataFile(const std::string& name);

}  // namespace reelkeep::test
