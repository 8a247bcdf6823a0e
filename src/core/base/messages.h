#pragma once

#include <string_view>

// Marks a text for the translation tools, which read it as Qt's QT_TRANSLATE_NOOP, while the core
// stays free of Qt: the window looks the text up under its context, other front ends show it as is.
#define REELKEEP_TEXT(context, text) text

// Texts the catalogue document shows to the user, kept together so they can be checked at a
// glance.
namespace reelkeep::msg {

// Lookup lists running out of memory.
inline constexpr std::string_view kNoMemoryActors =
    REELKEEP_TEXT("Core", "Not enough memory to add more actors");
inline constexpr std::string_view kNoMemoryCustom1 =
    REELKEEP_TEXT("Core", "Not enough memory to add more Custom 1 entries.");
inline constexpr std::string_view kNoMemoryCustom2 =
    REELKEEP_TEXT("Core", "Not enough memory to add more Custom 2 entries.");
inline constexpr std::string_view kNoMemoryCustom3 =
    REELKEEP_TEXT("Core", "Not enough memory to add more Custom 3 entries.");
inline constexpr std::string_view kNoMemoryCustom4 =
    REELKEEP_TEXT("Core", "Not enough memory to add more Custom 4 entries.");
inline constexpr std::string_view kNoMemoryRatings =
    REELKEEP_TEXT("Core", "Not enough memory to add more ratings.");
inline constexpr std::string_view kNoMemoryMovieTypes =
    REELKEEP_TEXT("Core", "Not enough memory to add more movie types");
inline constexpr std::string_view kNoMemoryMediaTypes =
    REELKEEP_TEXT("Core", "Not enough memory to add more media types");

// What Go to Entry asks for, by the key of the listing shown.
inline constexpr std::string_view kGoToMovieTitle =
    REELKEEP_TEXT("Core", "&Enter the Movie Title to go to.");
inline constexpr std::string_view kGoToRating =
    REELKEEP_TEXT("Core", "&Enter the Rating to go to.");
inline constexpr std::string_view kGoToTapeNumber =
    REELKEEP_TEXT("Core", "&Enter the Tape Number to go to.");
inline constexpr std::string_view kGoToTime = REELKEEP_TEXT("Core", "&Enter the Time to go to.");
inline constexpr std::string_view kGoToMovieType =
    REELKEEP_TEXT("Core", "&Enter the Movie Type to go to.");
inline constexpr std::string_view kGoToMediaType =
    REELKEEP_TEXT("Core", "&Enter the Media Type to go to.");
inline constexpr std::string_view kGoToCustomHeading =
    REELKEEP_TEXT("Core", "&Enter the Custom Heading to go to.");
inline constexpr std::string_view kGoToActor = REELKEEP_TEXT("Core", "&Enter the Actor to go to.");

// Progress captions.
inline constexpr std::string_view kProgressLookupLists =
    REELKEEP_TEXT("Core", "Updating Actor, Movie Type, Media Type, Custom entries, and Rating");
inline constexpr std::string_view kProgressDialogLists =
    REELKEEP_TEXT("Core", "Updating Dialog Box");
inline constexpr std::string_view kProgressLoading = REELKEEP_TEXT("Core", "Loading file");
inline constexpr std::string_view kProgressSortTitle = REELKEEP_TEXT("Core", "Sorting by title");
inline constexpr std::string_view kProgressSortTime = REELKEEP_TEXT("Core", "Sorting by time");
inline constexpr std::string_view kProgressSortRating = REELKEEP_TEXT("Core", "Sorting by rating");
inline constexpr std::string_view kProgressSortMovieType =
    REELKEEP_TEXT("Core", "Sorting by movie type");
inline constexpr std::string_view kProgressSortMediaType =
    REELKEEP_TEXT("Core", "Sorting by media type");
inline constexpr std::string_view kProgressSortCustom =
    REELKEEP_TEXT("Core", "Sorting by a Custom Field");
inline constexpr std::string_view kProgressSortTape =
    REELKEEP_TEXT("Core", "Sorting by tape number");
inline constexpr std::string_view kProgressSortActorNames =
    REELKEEP_TEXT("Core", "Sorting Actors for Dialog Box");
inline constexpr std::string_view kProgressSortActors = REELKEEP_TEXT("Core", "Sorting by Actors");
inline constexpr std::string_view kProgressSortCounter =
    REELKEEP_TEXT("Core", "Sorting by counter number");
inline constexpr std::string_view kProgressBuildLabels =
    REELKEEP_TEXT("Core", "Building label view");
inline constexpr std::string_view kProgressLabelColors =
    REELKEEP_TEXT("Core", "Updating Label Colors");

// Sorting and label format.
inline constexpr std::string_view kTapeNotAllDigits = REELKEEP_TEXT(
    "Core", "You have Tape # set as a number but some tape numbers aren't all digits!");
inline constexpr std::string_view kNoMemoryLabels =
    REELKEEP_TEXT("Core", "Out of memory! Cannot display label format!");

// Label printing: a selection job running out of memory, and a sheet position without a label
// in the start-position dialogs.
inline constexpr std::string_view kNoMemorySelectRecords =
    REELKEEP_TEXT("Core", "Out of memory! Cannot select records!");
inline constexpr std::string_view kEmptyLabelPosition = REELKEEP_TEXT("Core", "Empty");

// Loading and saving.
inline constexpr std::string_view kNoMemoryLoad =
    REELKEEP_TEXT("Core", "Not enough memory to load the file.");
inline constexpr std::string_view kFailedToOpen = REELKEEP_TEXT("Core", "Failed to open document.");
inline constexpr std::string_view kFailedToSave = REELKEEP_TEXT("Core", "Failed to save document.");
inline constexpr std::string_view kUnexpectedFormat =
    REELKEEP_TEXT("Core", "Unexpected file format.");
inline constexpr std::string_view kDiskFull =
    REELKEEP_TEXT("Core", "Destination disk drive is full.");
// %1 stands for the file's path.
inline constexpr std::string_view kFileNotFound = REELKEEP_TEXT(
    "Core",
    "%1\nCannot find this file.\nPlease verify that the correct path and file name are given.");
inline constexpr std::string_view kFolderNotFound = REELKEEP_TEXT(
    "Core",
    "%1\nCannot find the folder for this file.\nPlease verify that the correct path is given.");
inline constexpr std::string_view kAccessRead =
    REELKEEP_TEXT("Core", "Unable to read from %1, it is opened by someone else.");
inline constexpr std::string_view kAccessWrite =
    REELKEEP_TEXT("Core", "Unable to write to %1, it is read-only or opened by someone else.");
inline constexpr std::string_view kFolderNotWritable =
    REELKEEP_TEXT("Core", "Unable to write to %1, its folder cannot be written to.");
inline constexpr std::string_view kReadError =
    REELKEEP_TEXT("Core", "An unexpected error occurred while reading %1.");
inline constexpr std::string_view kWriteError =
    REELKEEP_TEXT("Core", "An unexpected error occurred while writing %1.");

// Editing and undo.
inline constexpr std::string_view kNoMemoryAddEntries =
    REELKEEP_TEXT("Core", "Out of memory! Cannot add any more entries!");
inline constexpr std::string_view kNoMemoryRecordUndo =
    REELKEEP_TEXT("Core", "Not enough memory to record undo.");
inline constexpr std::string_view kNoMemoryRestoreUndo =
    REELKEEP_TEXT("Core", "Not enough memory to restore undo.");
inline constexpr std::string_view kNoMemoryUndoSelection =
    REELKEEP_TEXT("Core", "Not enough memory to record undo selection.");
// %s stands for the movie name.
inline constexpr std::string_view kDeleteQuestion =
    REELKEEP_TEXT("Core", "Are you sure you want to delete %s?");
inline constexpr std::string_view kDefaultMediaType = "VHS";

// Import. %1 stands for a number.
inline constexpr std::string_view kImportedMovies = REELKEEP_TEXT("Core", "Movies imported: %1");
inline constexpr std::string_view kImportSkippedLines = REELKEEP_TEXT("Core", "Lines left out: %1");
inline constexpr std::string_view kNoMemoryImport =
    REELKEEP_TEXT("Core", "Not enough memory to import the file.");
inline constexpr std::string_view kImportMoreProblems = REELKEEP_TEXT("Core", "and %1 more");
// Followed by the headings of the columns that went to no field.
inline constexpr std::string_view kImportColumnsLeftOut =
    REELKEEP_TEXT("Core", "Columns left out: ");
inline constexpr std::string_view kImportUnnamedColumn = REELKEEP_TEXT("Core", "column %1");
// %1 stands for the file's path.
inline constexpr std::string_view kImportTooManyColumns = REELKEEP_TEXT(
    "Core", "%1\nThis file has more than 1,000 columns.\nReelkeep imports at most 1,000 columns.");
inline constexpr std::string_view kImportLine = REELKEEP_TEXT("Core", "line %1: ");
inline constexpr std::string_view kImportColumn = REELKEEP_TEXT("Core", " (column %1)");
inline constexpr std::string_view kImportTooManyFields =
    REELKEEP_TEXT("Core", "left out, too many fields");
inline constexpr std::string_view kImportTooFewFields =
    REELKEEP_TEXT("Core", "left out, too few fields");
inline constexpr std::string_view kImportBadEncoding =
    REELKEEP_TEXT("Core", "left out, not valid UTF-8");
inline constexpr std::string_view kImportBadUtf16 =
    REELKEEP_TEXT("Core", "left out, not valid UTF-16");
inline constexpr std::string_view kImportUnclosedQuote =
    REELKEEP_TEXT("Core", "left out, a quote is not closed before the end of the file");
inline constexpr std::string_view kImportUnquoted =
    REELKEEP_TEXT("Core", "left out, a value is not in quotes");
inline constexpr std::string_view kImportValueCut =
    REELKEEP_TEXT("Core", "cut short, a value is too long");
inline constexpr std::string_view kImportActorsCut =
    REELKEEP_TEXT("Core", "cut short, more than three actors");

// Import from other catalogue programs. Each refusal follows the file's path on a line of its own.
inline constexpr std::string_view kForeignTooLarge = REELKEEP_TEXT(
    "Core", "This file is larger than 512 MiB.\nReelkeep imports files of at most 512 MiB.");
inline constexpr std::string_view kForeignDamaged =
    REELKEEP_TEXT("Core", "This file is damaged or cut short.");
inline constexpr std::string_view kForeignEntities = REELKEEP_TEXT(
    "Core", "This file declares XML entities or refers to other files; Reelkeep does not read it.");
inline constexpr std::string_view kTellicoNoXml =
    REELKEEP_TEXT("Core", "This file is not a Tellico file: it holds no tellico.xml.");
inline constexpr std::string_view kNotTellico =
    REELKEEP_TEXT("Core", "This is not a Tellico file.");
inline constexpr std::string_view kTellicoNotVideos =
    REELKEEP_TEXT("Core", "This Tellico file holds a collection of another kind, not videos.");
inline constexpr std::string_view kNotGcstar = REELKEEP_TEXT("Core", "This is not a GCstar file.");
inline constexpr std::string_view kGcstarNotMovies =
    REELKEEP_TEXT("Core", "This GCstar file holds a collection of another kind, not movies.");
inline constexpr std::string_view kNotDataCrow =
    REELKEEP_TEXT("Core", "This is not an XML export of Data Crow.");
inline constexpr std::string_view kDataCrowNotMovies =
    REELKEEP_TEXT("Core", "This Data Crow export holds items of another kind, not movies.");
inline constexpr std::string_view kForeignUnknown =
    REELKEEP_TEXT("Core", "Reelkeep cannot tell which catalogue program wrote this file.");
// The report: each is followed by a list such as "images (2), loans (1)".
inline constexpr std::string_view kForeignLeftOut = REELKEEP_TEXT("Core", "Left out: ");
inline constexpr std::string_view kForeignCut = REELKEEP_TEXT("Core", "Cut short, too long: ");
// What the source held that found no field.
inline constexpr std::string_view kLeftImages = REELKEEP_TEXT("Core", "images");
inline constexpr std::string_view kLeftLoans = REELKEEP_TEXT("Core", "loans");
inline constexpr std::string_view kLeftPersonalRatings = REELKEEP_TEXT("Core", "personal ratings");
inline constexpr std::string_view kLeftMoreActors = REELKEEP_TEXT("Core", "actors after the third");
inline constexpr std::string_view kLeftMoreGenres = REELKEEP_TEXT("Core", "genres after the first");
inline constexpr std::string_view kLeftOtherItems =
    REELKEEP_TEXT("Core", "items other than movies");
// The custom headings of a catalogue made by an import, and what they take.
inline constexpr std::string_view kHeadingDirector = REELKEEP_TEXT("Core", "Director");
inline constexpr std::string_view kHeadingYear = REELKEEP_TEXT("Core", "Year");
inline constexpr std::string_view kHeadingStudio = REELKEEP_TEXT("Core", "Studio");
inline constexpr std::string_view kHeadingCountry = REELKEEP_TEXT("Core", "Country");
// The actor fields, as a report names them together.
inline constexpr std::string_view kFieldActors = REELKEEP_TEXT("Core", "Actors");

// Find.
inline constexpr std::string_view kProgressSearching = REELKEEP_TEXT("Core", "Searching");
inline constexpr std::string_view kContinueFind = REELKEEP_TEXT("Core", "Continue Find?");
inline constexpr std::string_view kFindNoMoreMatches =
    REELKEEP_TEXT("Core", "Finished search. No more matches");
inline constexpr std::string_view kFindNoMatches =
    REELKEEP_TEXT("Core", "Finished search. No matches found");

// Ant Movie Catalog files: why one is refused. Each is whole, without a value put in, so that a
// front end finds it in its translations as it is.
inline constexpr std::string_view kAmcNotCatalogue =
    REELKEEP_TEXT("Core", "This is not an Ant Movie Catalog file.");
inline constexpr std::string_view kAmcUnknownVersion = REELKEEP_TEXT(
    "Core",
    "This Ant Movie Catalog file is of a version Reelkeep cannot read (it reads 1.0 to 4.2).");
inline constexpr std::string_view kAmcCutShort = REELKEEP_TEXT(
    "Core", "This Ant Movie Catalog file is cut short: its last movie is incomplete.");
inline constexpr std::string_view kAmcDamaged = REELKEEP_TEXT(
    "Core",
    "This Ant Movie Catalog file is damaged: a length or count in it does not fit the file.");
inline constexpr std::string_view kAmcTooManyMovies = REELKEEP_TEXT(
    "Core", "This file holds more than 1,000,000 movies, more than Reelkeep imports at once.");
inline constexpr std::string_view kAmcXmlNotCatalogue =
    REELKEEP_TEXT("Core", "This XML file is not an Ant Movie Catalog export.");
inline constexpr std::string_view kAmcXmlDoctype = REELKEEP_TEXT(
    "Core",
    "This XML file declares a document type, which an Ant Movie Catalog export never does.");
inline constexpr std::string_view kAmcXmlDamaged =
    REELKEEP_TEXT("Core", "This XML file is damaged or cut short.");
inline constexpr std::string_view kAmcXmlEncoding =
    REELKEEP_TEXT("Core", "This XML file is in a character encoding Reelkeep cannot read.");
// What an Ant Movie Catalog movie held that has no field here, counted in the import's report.
inline constexpr std::string_view kLeftOutRatings = REELKEEP_TEXT("Core", "ratings");
inline constexpr std::string_view kLeftOutComments = REELKEEP_TEXT("Core", "comments");
inline constexpr std::string_view kLeftOutWebLinks = REELKEEP_TEXT("Core", "web links");
inline constexpr std::string_view kLeftOutSources = REELKEEP_TEXT("Core", "sources");
inline constexpr std::string_view kLeftOutDatesAdded = REELKEEP_TEXT("Core", "dates added");
inline constexpr std::string_view kLeftOutDatesWatched = REELKEEP_TEXT("Core", "dates watched");
inline constexpr std::string_view kLeftOutOriginalTitles = REELKEEP_TEXT("Core", "original titles");
inline constexpr std::string_view kLeftOutWriters = REELKEEP_TEXT("Core", "writers");
inline constexpr std::string_view kLeftOutComposers = REELKEEP_TEXT("Core", "composers");
inline constexpr std::string_view kLeftOutFilePaths = REELKEEP_TEXT("Core", "file paths");
inline constexpr std::string_view kLeftOutVideoFormats = REELKEEP_TEXT("Core", "video formats");
inline constexpr std::string_view kLeftOutAudioFormats = REELKEEP_TEXT("Core", "audio formats");
inline constexpr std::string_view kLeftOutVideoBitrates = REELKEEP_TEXT("Core", "video bitrates");
inline constexpr std::string_view kLeftOutAudioBitrates = REELKEEP_TEXT("Core", "audio bitrates");
inline constexpr std::string_view kLeftOutResolutions = REELKEEP_TEXT("Core", "resolutions");
inline constexpr std::string_view kLeftOutFrameRates = REELKEEP_TEXT("Core", "frame rates");
inline constexpr std::string_view kLeftOutLanguages = REELKEEP_TEXT("Core", "languages");
inline constexpr std::string_view kLeftOutSubtitles = REELKEEP_TEXT("Core", "subtitles");
inline constexpr std::string_view kLeftOutSizes = REELKEEP_TEXT("Core", "sizes");
inline constexpr std::string_view kLeftOutDiscCounts = REELKEEP_TEXT("Core", "disc counts");
inline constexpr std::string_view kLeftOutColourTags = REELKEEP_TEXT("Core", "colour tags");
inline constexpr std::string_view kLeftOutExtras = REELKEEP_TEXT("Core", "extras");

// The pseudo-actor of movies without actors, compared exactly.
inline constexpr std::string_view kNoActorListed = "NO ACTOR LISTED";
// Undo action words, compared exactly: take an entered record out, put deleted ones back,
// restore modified ones.
inline constexpr std::string_view kUndoDelete = "DELETE";
inline constexpr std::string_view kUndoRestore = "RESTORE";
inline constexpr std::string_view kUndoUnmodify = "UNMODIFY";

}  // namespace reelkeep::msg
