#pragma once

#include <cstdint>

namespace reelkeep {

// The catalogue file versions, told apart by the first U32 of the file.
enum class SmfVersion : std::uint8_t {
    Current,   // 0xFFFFFFFD, the only one written
    Custom,    // 0xFFFFFFFE: custom headings and fields, no column layouts
    Synopsis,  // 0xFFFFFFFF: no custom data
    Oldest,    // anything else: no custom data, no synopsis
};

namespace smf {

inline constexpr std::uint32_t kMarkCurrent = 0xFFFFFFFD;
inline constexpr std::uint32_t kMarkCustom = 0xFFFFFFFE;
inline constexpr std::uint32_t kMarkSynopsis = 0xFFFFFFFF;

// Length prefixes: one byte below kLongString, two below kLongerString, then four; kWideText in
// the two-byte slot announces UTF-16 text. Counts: two bytes below kLongCount, then four.
inline constexpr std::uint8_t kLongString = 0xFF;
inline constexpr std::uint16_t kWideText = 0xFFFE;
inline constexpr std::uint16_t kLongerString = 0xFFFE;
inline constexpr std::uint16_t kLongCount = 0xFFFF;

// Number of column identifiers and positions stored per layout.
inline constexpr int kIdsPerLayout = 10;
inline constexpr int kPositionsPerLayout = 9;

}  // namespace smf

constexpr SmfVersion VersionOfMark(std::uint32_t mark) {
    switch (mark) {
        case smf::kMarkCurrent:
            return SmfVersion::Current;
        case smf::kMarkCustom:
            return SmfVersion::Custom;
        case smf::kMarkSynopsis:
            return SmfVersion::Synopsis;
        default:
            return SmfVersion::Oldest;
    }
}

// The oldest files start with the record count itself; a mark with the top bit set that no
// version claims is followed by the count instead.
constexpr bool MarkIsRecordCount(std::uint32_t mark) { return (mark & 0x80000000u) == 0; }

}  // namespace reelkeep
