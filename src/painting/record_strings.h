#pragma once

#include <array>
#include <string_view>

// Texts drawn with the records, on the screen and on paper alike, kept together so they can be
// checked at a glance.
namespace reelkeep::recordtext {

// Column titles by column identifier - 1; titles 4..7 follow the custom headings.
inline constexpr std::array<std::string_view, 10> kColumnTitles = {
    " Movie Title", " Rating",   " Time",       " Custom 1",   " Custom 2",
    " Custom 3",    " Custom 4", " Media Type", " Movie Type", " #",
};

// The key column's title in Sort by Actors, and what a cell of an unknown column shows.
inline constexpr std::string_view kActorsColumnTitle = "Actors";
inline constexpr std::string_view kBadColumn = "Failed";

// Captions of a record block and of the labels.
inline constexpr std::string_view kMovieTitle = "Movie Title";
inline constexpr std::string_view kTapeNumber = "Tape #: ";
inline constexpr std::string_view kTime = "Time: ";
inline constexpr std::string_view kActors = "Actors";
inline constexpr std::string_view kRating = "Rating: ";
inline constexpr std::string_view kCounter = "Counter: ";
inline constexpr std::string_view kMedia = "Media:";
inline constexpr std::string_view kType = "Type: ";
// The printed block's caption of the movie type has no colon, unlike the screen's.
inline constexpr std::string_view kPrintedType = "Type";
inline constexpr std::string_view kSynopsis = "Synopsis";

}  // namespace reelkeep::recordtext
