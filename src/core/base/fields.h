#pragma once

#include <array>
#include <cstddef>
#include <cstdint>
#include <string>
#include <string_view>

namespace reelkeep {

// The fifteen text fields of a movie record. Every per-record array of the document is
// indexed by these, so the order here is the one place that fixes it.
enum class Field : std::uint8_t {
    MovieName,
    Actor1,
    Actor2,
    Actor3,
    MovieType,
    MediaType,
    Time,
    TapeNumber,
    Counter,
    Rating,
    Custom1,
    Custom2,
    Custom3,
    Custom4,
    Synopsis,
};

inline constexpr std::size_t kFieldCount = 15;
// The custom fields whose headings the user names, and the actor fields of a movie.
inline constexpr std::size_t kCustomFieldCount = 4;
inline constexpr std::size_t kActorSlotCount = 3;

constexpr std::size_t FieldIndex(Field f) { return static_cast<std::size_t>(f); }

constexpr Field CustomField(std::size_t k) {  // k = 0..3
    return static_cast<Field>(static_cast<int>(Field::Custom1) + k);
}

constexpr Field ActorField(std::size_t k) {  // k = 0..2
    return static_cast<Field>(static_cast<int>(Field::Actor1) + k);
}

// The four custom headings, custom 1 first.
using HeadingTexts = std::array<std::string, kCustomFieldCount>;

// One movie: the fifteen values, indexed by Field.
using RecordValues = std::array<std::string, kFieldCount>;

// Column identifiers of the one-line lists: 1 movie name, 2 rating, 3 time, 4..7 custom 1..4,
// 8 media type, 9 movie type, 10 tape #; 0 is an empty slot.
inline constexpr std::uint32_t kColumnEmpty = 0;

// The field shown by a column identifier; false for identifiers outside 1..10.
bool FieldOfColumn(std::uint32_t columnId, Field& field);

}  // namespace reelkeep
