#pragma once

#include <cstddef>
#include <map>
#include <string>
#include <vector>

namespace reelkeep {

// A movie as another catalogue program keeps it, in UTF-8, before it is fitted into the
// fifteen fields. Empty strings are values the source did not have.
struct ForeignMovie {
    std::string title;
    std::vector<std::string> cast;    // names only, in the source's order
    std::vector<std::string> genres;  // in the source's order
    std::string medium;               // the medium or format: "DVD", "VHS"
    std::string runningTime;          // as the source writes it: "102 min", "2:13:00", "102"
    std::string certification;        // "PG-13 (USA)"
    std::string number;               // the source's own number or index
    std::string location;             // where the source says the copy is kept
    std::string director;             // several joined with ", "
    std::string year;
    std::string studio;
    std::string country;
    std::string synopsis;
    // What the source held that has no field here, by what it is: "images" -> 2, "loans" -> 1.
    std::map<std::string, std::size_t> leftOut;
};

// What a reader gives: the movies in the file's order, or the reason it read none.
struct ForeignCatalogue {
    std::vector<ForeignMovie> movies;
    std::string error;  // empty when the file was read; else a message naming what is wrong
};

}  // namespace reelkeep
