#pragma once

#include <string_view>

// Texts the printed reports show, kept together so they can be checked at a glance.
namespace reelkeep::printtext {

// The Normal View's heading line by the sort key; a custom field's reads "Sorted by " + its
// heading + ": ".
inline constexpr std::string_view kSortedByTitle = "Sorted by Title: ";
inline constexpr std::string_view kSortedByRating = "Sorted by Rating: ";
inline constexpr std::string_view kSortedByMovieType = "Sorted by Movie Type: ";
inline constexpr std::string_view kSortedByMediaType = "Sorted by Media Type: ";
inline constexpr std::string_view kSortedBy = "Sorted by ";
inline constexpr std::string_view kSortedByEnd = ": ";

// The printed block's caption of the movie type has no colon, unlike the screen's.
inline constexpr std::string_view kType = "Type";

// Filled with the page and the page count.
inline constexpr char kPageNumber[] = "Page Number %d of %d";

}  // namespace reelkeep::printtext
