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

// The records taken in as a file's are (LoadRecords): lists rebuilt, title-sorted.
void LoadCatalogue(CReelkeepDoc& doc, std::span<const RecordValues> records,
                   const HeadingTexts& headings = {});
// The same, then listed in record order with the filters in force, so a test sees them as it wrote
// them.
void FillCatalogue(CReelkeepDoc& doc, std::span<const RecordValues> records);
void FillCatalogue(CReelkeepDoc& doc, std::span<const Movie> movies);

}  // namespace reelkeep::test
