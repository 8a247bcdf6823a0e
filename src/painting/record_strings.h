#pragma once

#include <string_view>

// Texts drawn with the records, on the screen and on paper alike, kept together so they can be
// checked at a glance.
namespace reelkeep::recordtext {

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
inline constexpr std::string_view kSynopsis = "Synopsis";

}  // namespace reelkeep::recordtext
