#pragma once

#include <array>
#include <cstddef>
#include <cstdint>
#include <span>
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

// Column identifiers of the one-line lists name fields (FieldInfo::columnId); 0 is an empty slot.
inline constexpr std::uint32_t kColumnEmpty = 0;

// Everything that goes with one field, for the file, the exports, the import, the command line,
// the one-line lists and the captions.
struct FieldInfo {
    Field field;
    std::string_view name;     // on the command line: import's --map, and --filter where it has one
    std::string_view caption;  // in the dialogs and row texts; the custom fields show the headings
    std::uint8_t fileOrder;    // where its list comes in the catalogue file
    int exportOrder;           // its place among the exports' ten fixed columns, -1 for none
    std::string_view csvHeading;  // the CSV export's heading (the custom fields write the headings)
    std::string_view textLabel;   // the text export's label, ten wide
    std::uint32_t columnId;       // its column in the one-line lists, kColumnEmpty for none
};

// The fifteen fields in Field order.
std::span<const FieldInfo> Fields();
const FieldInfo& InfoOf(Field f);

// Custom 1 to 4 come first in the file and the synopses last; the ten lists between are in
// every file version.
inline constexpr std::size_t kFileBaseListCount = 10;
const std::array<Field, kFieldCount>& FieldsInFileOrder();
// The exports' ten fixed columns in the order both formats write them.
inline constexpr std::size_t kExportFixedCount = 10;
const std::array<Field, kExportFixedCount>& FieldsInExportOrder();

// The field shown by a column identifier; false for identifiers outside 1..10.
bool FieldOfColumn(std::uint32_t columnId, Field& field);

}  // namespace reelkeep
