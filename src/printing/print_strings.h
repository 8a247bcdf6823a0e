#pragma once

#include <string_view>

// Texts the printed pages and the print preview show, kept together so they can be checked at a
// glance.
namespace reelkeep::printtext {

// The Normal View's heading line by the sort key; a custom field's reads "Sorted by " + its
// heading + ": ".
inline constexpr std::string_view kSortedByTitle = "Sorted by Title: ";
inline constexpr std::string_view kSortedByRating = "Sorted by Rating: ";
inline constexpr std::string_view kSortedByMovieType = "Sorted by Movie Type: ";
inline constexpr std::string_view kSortedByMediaType = "Sorted by Media Type: ";
inline constexpr std::string_view kSortedBy = "Sorted by ";
inline constexpr std::string_view kSortedByEnd = ": ";

// Filled with the page and the page count.
inline constexpr char kPageNumber[] = "Page Number %d of %d";

// The print preview.
inline constexpr char kPreviewTitle[] = "Print Preview";
inline constexpr char kPreviewPrint[] = "&Print...";
inline constexpr char kPreviewPrevious[] = "Pre&v Page";
inline constexpr char kPreviewNext[] = "&Next Page";
inline constexpr char kPreviewPageOf[] = "Page %1 of %2";
inline constexpr char kPreviewSingle[] = "&One Page";
inline constexpr char kPreviewFacing[] = "&Two Page";
inline constexpr char kPreviewAll[] = "&All Pages";
inline constexpr char kPreviewZoomIn[] = "Zoom &In";
inline constexpr char kPreviewZoomOut[] = "Zoom &Out";
inline constexpr char kPreviewClose[] = "&Close";

}  // namespace reelkeep::printtext
