#pragma once

#include <span>
#include <string>
#include <vector>

#include "reelkeep_doc.h"

namespace reelkeep::test {

// One movie with named fields, so a test can write Movie{.title = "Abyss", .tape = "3"}.
struct Movie {
    std::string title{};
    std::string actor1{};
    std::string actor2{};
    std::string actor3{};
    std::string movieType{};
    std::string mediaType{};
    std::string time{};
    std::string tape{};
    std::string counter{};
    std::string rating{};
    std::string custom1{};
    std::string custom2{};
    std::string custom3{};
    std::string custom4{};
    std::string synopsis{};
};

RecordValues ToRecord(const Movie& movie);
std::vector<RecordValues> ToRecords(std::span<const Movie> movies);
// The document's records, in record order.
std::vector<RecordValues> RecordsOf(const CReelkeepDoc& doc);

// Appends the records and rebuilds what a load rebuilds (display order with the filters in
// force, lookup lists, entry dialog lists), without the load's title sort.
void FillCatalogue(CReelkeepDoc& doc, std::span<const RecordValues> records);
void FillCatalogue(CReelkeepDoc& doc, std::span<const Movie> movies);

}  // namespace reelkeep::test
