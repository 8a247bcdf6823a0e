#pragma once

// Literal, slow versions of the ordering algorithms, written step by step as the catalogue has
// always done them. The fast versions in the core must give exactly these results.

#include <array>
#include <cstdint>
#include <string>
#include <vector>

#include "reelkeep_doc.h"

namespace reelkeep::test::ref {

using Order = std::vector<std::uint32_t>;
using Records = std::vector<RecordValues>;

const std::string& Get(const Records& records, std::uint32_t r, Field f);

// Gap-halving exchange sort on title keys; returns how many gap values it ran through.
std::uint32_t TitleSort(Order& order, const Records& records, bool ignoreThe);

// Bubble sort, all passes, with empty and space-led values sinking to the end.
void KeySort(Order& order, const Records& records, Field field);

// Bubble sort on tape numbers; returns whether a non-numeric tape number was noted.
bool TapeSort(Order& order, const Records& records, bool asText);

// Bubble sort on counters read as signed integers (small values only: no overflow handling).
void CounterSort(Order& order, const Records& records);

// The display-order rebuild and the displayed-actor list it fills (linear-scan de-duplication).
struct Displayed {
    Order order;
    std::vector<std::string> actors;
};
Displayed Filter(const Records& records, const std::array<std::string, kFilterCount>& filters);

// The actor index as the user sees it: group name text and record number text per row; sorts
// actors in place as the build does.
struct ActorRow {
    std::string group;
    std::string record;
    bool operator==(const ActorRow&) const = default;
};
std::vector<ActorRow> ActorIndex(const Order& order, const Records& records,
                                 std::vector<std::string>& actors);
// The core's actor index in the same terms.
std::vector<ActorRow> ActorRowsOf(const CReelkeepDoc& doc);

// Labels built by walking the order with an opener position p and a scan position q.
std::vector<Label> Labels(const Order& order, const Records& records, bool tapeText);
// Whether two label layouts show the same; the records behind the labels are not compared.
bool SameLabels(const std::vector<Label>& a, const std::vector<Label>& b);

// The movie-type bubble sort of the label colour upkeep.
void MovieTypeSort(std::vector<std::string>& types);

// A lookup list as a rebuild fills it, by linear scan, in order of first appearance (the movie
// types then in the label colour upkeep's order).
std::vector<std::string> LookupEntries(const Records& records, LookupKind kind);

}  // namespace reelkeep::test::ref
