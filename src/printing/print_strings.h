#pragma once

#include <QtGlobal>
#include <string_view>

#include "qt_text.h"

// Texts the printed pages and the print preview show, kept together so they can be checked at a
// glance.
namespace reelkeep::printtext {

// The user's-language form of one of these texts.
inline QString Tr(std::string_view text) { return Translated("Printing", text); }

// The Normal View's heading line by the sort key; a custom field's reads "Sorted by " + its
// heading + ": ".
inline constexpr std::string_view kSortedByTitle =
    QT_TRANSLATE_NOOP("Printing", "Sorted by Title: ");
inline constexpr std::string_view kSortedByRating =
    QT_TRANSLATE_NOOP("Printing", "Sorted by Rating: ");
inline constexpr std::string_view kSortedByMovieType =
    QT_TRANSLATE_NOOP("Printing", "Sorted by Movie Type: ");
inline constexpr std::string_view kSortedByMediaType =
    QT_TRANSLATE_NOOP("Printing", "Sorted by Media Type: ");
inline constexpr std::string_view kSortedBy = QT_TRANSLATE_NOOP("Printing", "Sorted by ");
inline constexpr std::string_view kSortedByEnd = ": ";

// Filled with the page and the page count.
inline constexpr char kPageNumber[] = QT_TRANSLATE_NOOP("Printing", "Page Number %1 of %2");

// The print preview.
inline constexpr char kPreviewTitle[] = QT_TRANSLATE_NOOP("Printing", "Print Preview");
inline constexpr char kPreviewPrint[] = QT_TRANSLATE_NOOP("Printing", "&Print...");
inline constexpr char kPreviewPrevious[] = QT_TRANSLATE_NOOP("Printing", "Pre&v Page");
inline constexpr char kPreviewNext[] = QT_TRANSLATE_NOOP("Printing", "&Next Page");
inline constexpr char kPreviewPageOf[] = QT_TRANSLATE_NOOP("Printing", "Page %1 of %2");
inline constexpr char kPreviewSingle[] = QT_TRANSLATE_NOOP("Printing", "&One Page");
inline constexpr char kPreviewFacing[] = QT_TRANSLATE_NOOP("Printing", "&Two Page");
inline constexpr char kPreviewAll[] = QT_TRANSLATE_NOOP("Printing", "&All Pages");
inline constexpr char kPreviewZoomIn[] = QT_TRANSLATE_NOOP("Printing", "Zoom &In");
inline constexpr char kPreviewZoomOut[] = QT_TRANSLATE_NOOP("Printing", "Zoom &Out");
inline constexpr char kPreviewClose[] = QT_TRANSLATE_NOOP("Printing", "&Close");

// Print Setup.
inline constexpr char kSetupTitle[] = QT_TRANSLATE_NOOP("Printing", "Print Setup");
inline constexpr char kSetupPrinter[] = QT_TRANSLATE_NOOP("Printing", "Printer");
inline constexpr char kSetupPrinterName[] = QT_TRANSLATE_NOOP("Printing", "&Name:");
inline constexpr char kSetupPaper[] = QT_TRANSLATE_NOOP("Printing", "Paper");
inline constexpr char kSetupPaperSize[] = QT_TRANSLATE_NOOP("Printing", "Si&ze:");
inline constexpr char kSetupOrientation[] = QT_TRANSLATE_NOOP("Printing", "Orientation");
inline constexpr char kSetupPortrait[] = QT_TRANSLATE_NOOP("Printing", "P&ortrait");
inline constexpr char kSetupLandscape[] = QT_TRANSLATE_NOOP("Printing", "&Landscape");

}  // namespace reelkeep::printtext
