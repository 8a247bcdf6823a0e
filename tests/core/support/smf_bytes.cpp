#include "smf_bytes.h"

#include <fstream>
#include <iterator>
#include <span>

#include "byte_io.h"
#include "column_layout.h"
#include "memory_source.h"

namespace reelkeep::test {

SmfBytes& SmfBytes::U8(std::uint8_t v) {
    bytes_ += static_cast<char>(v);
    return *this;
}

SmfBytes& SmfBytes::U16(std::uint16_t v) { return U8(v & 0xFF).U8(v >> 8); }

SmfBytes& SmfBytes::U32(std::uint32_t v) {
    return U16(static_cast<std::uint16_t>(v & 0xFFFF)).U16(static_cast<std::uint16_t>(v >> 16));
}

SmfBytes& SmfBytes::Raw(std::string_view bytes) {
    bytes_ += bytes;
    return *this;
}

SmfBytes& SmfBytes::Str(std::string_view text) {
    return U8(static_cast<std::uint8_t>(text.size())).Raw(text);
}

SmfBytes& SmfBytes::List(std::initializer_list<std::string_view> values) {
    U16(static_cast<std::uint16_t>(values.size()));
    for (std::string_view v : values) Str(v);
    return *this;
}

SmfBytes& SmfBytes::Repeat(std::uint16_t count, std::string_view value) {
    U16(count);
    for (std::uint16_t i = 0; i < count; ++i) Str(value);
    return *this;
}

SmfBytes& SmfBytes::Colors(std::initializer_list<std::uint32_t> colors) {
    U16(static_cast<std::uint16_t>(colors.size()));
    for (std::uint32_t c : colors) U32(c);
    return *this;
}

SmfBytes& SmfBytes::DefaultLayouts() {
    for (const ColumnLayout& layout : DefaultColumnLayouts()) {
        for (std::uint32_t id : layout.ids) U32(id);
    }
    for (int i = 0; i < 99; ++i) U32(0);
    return *this;
}

bool LoadBytes(CReelkeepDoc& doc, std::string_view bytes) {
    MemorySource source(std::span<const char>(bytes.data(), bytes.size()));
    return doc.ReadDocument(source, "test.smf");
}

std::string SaveBytes(const CReelkeepDoc& doc) {
    CStringSink sink;
    doc.WriteDocument(sink);
    return sink.bytes;
}

std::string WithLayouts(std::string file, const ColumnLayouts& layouts) {
    // After the version mark and the record count: every layout's ids, then their positions.
    SmfBytes block;
    for (const ColumnLayout& layout : layouts) {
        for (std::uint32_t id : layout.ids) block.U32(id);
    }
    for (const ColumnLayout& layout : layouts) {
        for (std::size_t slot = 1; slot < layout.positions.size(); ++slot)
            block.U32(static_cast<std::uint32_t>(layout.positions[slot]));
    }
    return file.replace(8, block.bytes().size(), block.bytes());
}

std::string ReadDataFile(const std::string& name) {
    std::ifstream in(std::string(REELKEEP_TEST_DATA) + "/" + name, std::ios::binary);
    return {std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>()};
}

}  // namespace reelkeep::test
