#pragma once

// The print preview's texts.
namespace reelkeep::printtext {

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
