#include "fields.h"

#include <algorithm>

#include "messages.h"

namespace reelkeep {

namespace {

// clang-format off
constexpr std::array<FieldInfo, kFieldCount> kFields = {{
//   field              name          caption                                file export CSV heading text label    column
    {Field::MovieName,  "movie-name", REELKEEP_TEXT("Core", "Movie Name"),   8,   0,    "Title",    "Title:    ", 1},
    {Field::Actor1,     "actor1",     REELKEEP_TEXT("Core", "Actor 1"),      4,   1,    "Actors1",  "Actors:   ", 0},
    {Field::Actor2,     "actor2",     REELKEEP_TEXT("Core", "Actor 2"),      5,   2,    "Actors2",  "          ", 0},
    {Field::Actor3,     "actor3",     REELKEEP_TEXT("Core", "Actor 3"),      6,   3,    "Actors3",  "          ", 0},
    {Field::MovieType,  "movie-type", REELKEEP_TEXT("Core", "Movie Type"),   12,  8,    "Type",     "Type:     ", 9},
    {Field::MediaType,  "media-type", REELKEEP_TEXT("Core", "Media Type"),   13,  7,    "Media",    "Media:    ", 8},
    {Field::Time,       "time",       REELKEEP_TEXT("Core", "Time"),         7,   4,    "Time",     "Time:     ", 3},
    {Field::TapeNumber, "tape",       REELKEEP_TEXT("Core", "Tape #"),       10,  9,    "Tape #",   "Tape #:   ", 10},
    {Field::Counter,    "counter",    REELKEEP_TEXT("Core", "Counter"),      11,  6,    "Counter",  "Counter:  ", 0},
    {Field::Rating,     "rating",     REELKEEP_TEXT("Core", "Rating"),       9,   5,    "Rating",   "Rating:   ", 2},
    {Field::Custom1,    "custom1",    "",                                    0,   -1,   "",         "",           4},
    {Field::Custom2,    "custom2",    "",                                    1,   -1,   "",         "",           5},
    {Field::Custom3,    "custom3",    "",                                    2,   -1,   "",         "",           6},
    {Field::Custom4,    "custom4",    "",                                    3,   -1,   "",         "",           7},
    {Field::Synopsis,   "synopsis",   REELKEEP_TEXT("Core", "Synopsis"),     14,  -1,   "Synopsis", "Synopsis: ", 0},
}};
// clang-format on

constexpr bool RowsInFieldOrder() {
    for (std::size_t i = 0; i < kFields.size(); ++i) {
        if (FieldIndex(kFields[i].field) != i) return false;
    }
    return true;
}

// Each file place once, custom 1 to 4 first and the synopses last; each export place once.
constexpr bool OrdersComplete() {
    std::array<int, kFieldCount> inFile{};
    std::array<int, kExportFixedCount> inExport{};
    for (const FieldInfo& info : kFields) {
        if (info.fileOrder >= kFieldCount || info.exportOrder >= int{kExportFixedCount}) {
            return false;
        }
        ++inFile[info.fileOrder];
        if (info.exportOrder >= 0) ++inExport[static_cast<std::size_t>(info.exportOrder)];
    }
    for (std::size_t k = 0; k < kCustomFieldCount; ++k) {
        if (kFields[FieldIndex(CustomField(k))].fileOrder != k) return false;
    }
    return kFields[FieldIndex(Field::Synopsis)].fileOrder == kFieldCount - 1 &&
           std::ranges::all_of(inFile, [](int n) { return n == 1; }) &&
           std::ranges::all_of(inExport, [](int n) { return n == 1; });
}

// A name or a column that two fields share would send the user's choice to the wrong one.
constexpr bool NamesAndColumnsUnique() {
    for (std::size_t i = 0; i < kFields.size(); ++i) {
        for (std::size_t j = i + 1; j < kFields.size(); ++j) {
            if (kFields[i].name == kFields[j].name) return false;
            if (kFields[i].columnId != kColumnEmpty && kFields[i].columnId == kFields[j].columnId) {
                return false;
            }
        }
    }
    return true;
}
static_assert(RowsInFieldOrder(), "one row per field, in Field order");
static_assert(NamesAndColumnsUnique(), "names and column identifiers each name one field");
static_assert(OrdersComplete(), "file and export places each taken once");

}  // namespace

std::span<const FieldInfo> Fields() { return kFields; }

const FieldInfo& InfoOf(Field f) { return kFields[FieldIndex(f)]; }

const std::array<Field, kFieldCount>& FieldsInFileOrder() {
    static const std::array<Field, kFieldCount> kOrder = [] {
        std::array<Field, kFieldCount> order{};
        for (const FieldInfo& info : kFields) order[info.fileOrder] = info.field;
        return order;
    }();
    return kOrder;
}

const std::array<Field, kExportFixedCount>& FieldsInExportOrder() {
    static const std::array<Field, kExportFixedCount> kOrder = [] {
        std::array<Field, kExportFixedCount> order{};
        for (const FieldInfo& info : kFields) {
            if (info.exportOrder >= 0)
                order[static_cast<std::size_t>(info.exportOrder)] = info.field;
        }
        return order;
    }();
    return kOrder;
}

bool FieldOfColumn(std::uint32_t columnId, Field& field) {
    if (columnId == kColumnEmpty) return false;
    const auto* it = std::ranges::find(kFields, columnId, &FieldInfo::columnId);
    if (it == kFields.end()) return false;
    field = it->field;
    return true;
}

}  // namespace reelkeep
