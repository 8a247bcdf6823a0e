#pragma once

#include <string_view>

// Texts the catalogue document shows to the user, kept together so they can be checked at a
// glance.
namespace reelkeep::msg {

// Lookup lists running out of memory.
inline constexpr std::string_view kNoMemoryActors = "Not enough memory to add more actors";
inline constexpr std::string_view kNoMemoryCustom1 =
    "Not enough memory to add more Custom 1 entries.";
inline constexpr std::string_view kNoMemoryCustom2 =
    "Not enough memory to add more Custom 2 entries.";
inline constexpr std::string_view kNoMemoryCustom3 =
    "Not enough memory to add more Custom 3 entries.";
inline constexpr std::string_view kNoMemoryCustom4 =
    "Not enough memory to add more Custom 4 entries.";
inline constexpr std::string_view kNoMemoryRatings = "Not enough memory to add more ratings.";
inline constexpr std::string_view kNoMemoryMovieTypes = "Not enough memory to add more movie types";
inline constexpr std::string_view kNoMemoryMediaTypes = "Not enough memory to add more media types";

// What Go to Entry asks for, by the key of the listing shown.
inline constexpr std::string_view kGoToMovieTitle = "Enter the Movie Title to go to.";
inline constexpr std::string_view kGoToRating = "Enter the Rating to go to.";
inline constexpr std::string_view kGoToTapeNumber = "Enter the Tape Number to go to.";
inline constexpr std::string_view kGoToTime = "Enter the Time to go to.";
inline constexpr std::string_view kGoToMovieType = "Enter the Movie Type to go to.";
inline constexpr std::string_view kGoToMediaType = "Enter the Media Type to go to.";
inline constexpr std::string_view kGoToCustomHeading = "Enter the Custom Heading to go to.";
inline constexpr std::string_view kGoToActor = "Enter the Actor to go to.";

// Progress captions.
inline constexpr std::string_view kProgressLookupLists =
    "Updating Actor, Movie Type, Media Type, Custom entries, and Rating";
inline constexpr std::string_view kProgressDialogLists = "Updating Dialog Box";
inline constexpr std::string_view kProgressLoading = "Loading file";
inline constexpr std::string_view kProgressSortTitle = "Sorting by title";
inline constexpr std::string_view kProgressSortTime = "Sorting by time";
inline constexpr std::string_view kProgressSortRating = "Sorting by rating";
inline constexpr std::string_view kProgressSortMovieType = "Sorting by movie type";
inline constexpr std::string_view kProgressSortMediaType = "Sorting by media type";
inline constexpr std::string_view kProgressSortCustom = "Sorting by a Custom Field";
inline constexpr std::string_view kProgressSortTape = "Sorting by tape number";
inline constexpr std::string_view kProgressSortActorNames = "Sorting Actors for Dialog Box";
inline constexpr std::string_view kProgressSortActors = "Sorting by Actors";
inline constexpr std::string_view kProgressSortCounter = "Sorting by counter number";
inline constexpr std::string_view kProgressBuildLabels = "Building label view";
inline constexpr std::string_view kProgressLabelColors = "Updating Label Colors";

// Sorting and label format.
inline constexpr std::string_view kTapeNotAllDigits =
    "You have Tape # set as a number but some tape numbers aren't all digits!";
inline constexpr std::string_view kNoMemoryLabels = "Out of memory! Cannot display label format!";

// Label printing: a selection job running out of memory, and a sheet position without a label
// in the start-position dialogs.
inline constexpr std::string_view kNoMemorySelectRecords = "Out of memory! Cannot select records!";
inline constexpr std::string_view kEmptyLabelPosition = "Empty";

// Loading and saving.
inline constexpr std::string_view kNoMemoryLoad = "Not enough memory to load the file.";
inline constexpr std::string_view kFailedToOpen = "Failed to open document.";
inline constexpr std::string_view kFailedToSave = "Failed to save document.";
inline constexpr std::string_view kUnexpectedFormat = "Unexpected file format.";
inline constexpr std::string_view kDiskFull = "Destination disk drive is full.";
// %1 stands for the file's path.
inline constexpr std::string_view kFileNotFound =
    "%1\nCannot find this file.\nPlease verify that the correct path and file name are given.";
inline constexpr std::string_view kFolderNotFound =
    "%1\nCannot find the folder for this file.\nPlease verify that the correct path is given.";
inline constexpr std::string_view kAccessRead =
    "Unable to read from %1, it is opened by someone else.";
inline constexpr std::string_view kAccessWrite =
    "Unable to write to %1, it is read-only or opened by someone else.";
inline constexpr std::string_view kReadError = "An unexpected error occurred while reading %1.";
inline constexpr std::string_view kWriteError = "An unexpected error occurred while writing %1.";

// Editing and undo.
inline constexpr std::string_view kNoMemoryAddEntries =
    "Out of memory! Cannot add any more entries!";
inline constexpr std::string_view kNoMemoryRecordUndo = "Not enough memory to record undo.";
inline constexpr std::string_view kNoMemoryRestoreUndo = "Not enough memory to restore undo.";
inline constexpr std::string_view kNoMemoryUndoSelection =
    "Not enough memory to record undo selection.";
// %s stands for the movie name.
inline constexpr std::string_view kDeleteQuestion = "Are you sure you want to delete %s?";
inline constexpr std::string_view kDefaultMediaType = "VHS";

// Import. %1 stands for a number.
inline constexpr std::string_view kImportedMovies = "Movies imported: %1";
inline constexpr std::string_view kImportSkippedLines = "Lines left out: %1";
inline constexpr std::string_view kNoMemoryImport = "Not enough memory to import the file.";
inline constexpr std::string_view kImportMoreProblems = "and %1 more";
// Followed by the headings of the columns that went to no field.
inline constexpr std::string_view kImportColumnsLeftOut = "Columns left out: ";
inline constexpr std::string_view kImportUnnamedColumn = "column %1";
// %1 stands for the file's path.
inline constexpr std::string_view kImportTooManyColumns =
    "%1\nThis file has more than 1,000 columns.\nReelkeep imports at most 1,000 columns.";
inline constexpr std::string_view kImportLine = "line %1: ";
inline constexpr std::string_view kImportColumn = " (column %1)";
inline constexpr std::string_view kImportTooManyFields = "left out, too many fields";
inline constexpr std::string_view kImportTooFewFields = "left out, too few fields";
inline constexpr std::string_view kImportBadEncoding = "left out, not valid UTF-8";
inline constexpr std::string_view kImportBadUtf16 = "left out, not valid UTF-16";
inline constexpr std::string_view kImportUnclosedQuote =
    "left out, a quote is not closed before the end of the file";
inline constexpr std::string_view kImportUnquoted = "left out, a value is not in quotes";
inline constexpr std::string_view kImportValueCut = "cut short, a value is too long";
inline constexpr std::string_view kImportActorsCut = "cut short, more than three actors";

// Find.
inline constexpr std::string_view kProgressSearching = "Searching";
inline constexpr std::string_view kContinueFind = "Continue Find?";
inline constexpr std::string_view kFindNoMoreMatches = "Finished search. No more matches";
inline constexpr std::string_view kFindNoMatches = "Finished search. No matches found";

// The pseudo-actor of movies without actors, compared exactly.
inline constexpr std::string_view kNoActorListed = "NO ACTOR LISTED";
// Undo action words, compared exactly: take an entered record out, put deleted ones back,
// restore modified ones.
inline constexpr std::string_view kUndoDelete = "DELETE";
inline constexpr std::string_view kUndoRestore = "RESTORE";
inline constexpr std::string_view kUndoUnmodify = "UNMODIFY";

}  // namespace reelkeep::msg
