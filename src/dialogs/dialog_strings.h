#pragma once

#include <array>
#include <string_view>

// Every caption, label and message of the dialogs, kept together so they can be checked against
// each other at a glance.
namespace reelkeep::dlg {

inline constexpr std::string_view kMessageTitle = "Reelkeep";
inline constexpr std::string_view kOk = "OK";
inline constexpr std::string_view kCancel = "Cancel";

// Enter/Edit Movies.
inline constexpr std::string_view kEntryTitle = "Enter/Edit Movies";
inline constexpr std::string_view kLabelMovieName = "Movie Name";
inline constexpr std::string_view kLabelActors = "Actors";
inline constexpr std::string_view kLabelMovieType = "Movie Type";
inline constexpr std::string_view kLabelMediaType = "Media Type";
inline constexpr std::string_view kLabelTime = "Time";
inline constexpr std::string_view kLabelTapeNumber = "Tape #";
inline constexpr std::string_view kLabelCounter = "Counter";
inline constexpr std::string_view kLabelRating = "Rating";
inline constexpr std::string_view kLabelSynopsis = "Synopsis";

inline constexpr std::string_view kNoMemoryActors = "Not enough memory to add more actors";
inline constexpr std::string_view kNoMemoryMovieTypes = "Not enough memory to add more Movie Types";
inline constexpr std::string_view kNoMemoryMediaTypes = "Not enough memory to add more Media Types";
inline constexpr std::string_view kNoMemoryRatings = "Not enough memory to add more movie ratings";
inline constexpr std::array<std::string_view, 4> kNoMemoryCustom = {
    "Not enough memory to add more Custom 1 entries",
    "Not enough memory to add more Custom 2 entries",
    "Not enough memory to add more Custom 3 entries",
    "Not enough memory to add more Custom 4 entries",
};

inline constexpr std::string_view kHelpMovieName = "Movie Name: the title of the movie.";
inline constexpr std::array<std::string_view, 3> kHelpActors = {
    "Actor 1: pick an actor from the list or type a new name.",
    "Actor 2: pick an actor from the list or type a new name.",
    "Actor 3: pick an actor from the list or type a new name.",
};
inline constexpr std::string_view kHelpMovieType =
    "Movie Type: pick a movie type from the list or type a new one.";
inline constexpr std::string_view kHelpMediaType =
    "Media Type: pick the medium the movie is kept on, or type a new one.";
inline constexpr std::string_view kHelpTime = "Time: the running time of the movie.";
inline constexpr std::string_view kHelpTapeNumber = "Tape #: the tape the movie is recorded on.";
inline constexpr std::string_view kHelpCounter =
    "Counter: the tape-counter position where the movie starts.";
inline constexpr std::string_view kHelpRating =
    "Rating: pick a rating from the list or type a new one.";
inline constexpr std::string_view kHelpSynopsis =
    "Synopsis: a description of the movie. Enter starts a new line.";

// Delete Movies.
inline constexpr std::string_view kDeleteTitle = "Delete Movies";
inline constexpr std::string_view kYes = "YES";
inline constexpr std::string_view kYesToAll = "Yes to All";
inline constexpr std::string_view kNo = "NO";
inline constexpr std::string_view kNoToAll = "No to All";

inline constexpr std::string_view kHelpDeleteQuestion = "The movie about to be deleted.";
inline constexpr std::string_view kHelpYes = "YES: delete this movie.";
inline constexpr std::string_view kHelpYesToAll =
    "Yes to All: delete this and every other selected movie without asking again.";
inline constexpr std::string_view kHelpNo = "NO: keep this movie and ask about the next one.";
inline constexpr std::string_view kHelpNoToAll =
    "No to All: keep this and every other selected movie.";

// Find Info.
inline constexpr std::string_view kFindTitle = "Find Info";
inline constexpr std::string_view kFindLabel = "Information to find";
inline constexpr std::string_view kWholeWord = "Whole word";
inline constexpr std::string_view kMatchCase = "Match upper and lower case";
inline constexpr std::string_view kFindButton = "Find";

inline constexpr std::string_view kHelpFindText =
    "The text to look for in every field of the displayed movies.";
inline constexpr std::string_view kHelpWholeWord =
    "Whole word: a field matches only when one of its words is the text.";
inline constexpr std::string_view kHelpMatchCase =
    "Match upper and lower case: capitals must match exactly.";
inline constexpr std::string_view kHelpFindButton =
    "Find: search the displayed movies, opening each match for editing.";

// Edit Custom Headings.
inline constexpr std::string_view kHeadingsTitle = "Edit Custom Headings";
inline constexpr std::array<std::string_view, 4> kHeadingLabels = {
    "Custom Heading 1", "Custom Heading 2", "Custom Heading 3", "Custom Heading 4"};

// Import of a CSV file. %1 stands for the separator, %2 the encoding, %3 the movie count.
inline constexpr std::string_view kImportTitle = "Import Comma Separated Values";
inline constexpr std::string_view kImportIntro =
    "Choose the field each column goes to, or skip it. The first lines of the file:";
inline constexpr std::string_view kImportFound = "Separator: %1    Text: %2    Movies: %3";
inline constexpr std::string_view kImportExportForm = "as Reelkeep exports it";
inline constexpr std::string_view kImportFieldRow = "Field";
inline constexpr std::string_view kImportSkip = "(skip)";
inline constexpr std::string_view kImportActorList = "Actors (A; B; C)";
inline constexpr std::array<std::string_view, 3> kImportSeparators = {"comma", "semicolon", "tab"};
inline constexpr std::array<std::string_view, 5> kImportEncodings = {
    "UTF-8", "UTF-8 with byte-order mark", "Windows-1252", "UTF-16 little-endian",
    "UTF-16 big-endian"};
// In Field order; the custom fields show the catalogue's headings instead.
inline constexpr std::array<std::string_view, 15> kImportFieldCaptions = {
    "Movie Name", "Actor 1", "Actor 2", "Actor 3", "Movie Type", "Media Type", "Time",     "Tape #",
    "Counter",    "Rating",  "",        "",        "",           "",           "Synopsis",
};

// Filters, labels in FilterField order.
inline constexpr std::string_view kFiltersTitle = "Filters";
inline constexpr std::array<std::string_view, 9> kFilterLabels = {
    "Movie Name", "Actor Name", "Movie Type", "Media Type", "Rating",
    "Custom 1",   "Custom 2",   "Custom 3",   "Custom 4"};
inline constexpr std::string_view kResetFilters = "Reset to Default Values";

// About box.
inline constexpr std::string_view kAboutTitle = "About Reelkeep";
inline constexpr std::string_view kAboutName = "Reelkeep";
inline constexpr std::string_view kAboutVersion = "Version 1.4";
inline constexpr std::string_view kAboutMaker = "Quillfen";

// Printing labels.
inline constexpr std::string_view kCopiesTitle = "Label Copies";
inline constexpr std::string_view kCopiesPrompt = "Number of copies to print";
inline constexpr std::string_view kIntegerRange = "Please enter an integer between %1 and %2.";
inline constexpr std::string_view kStartPositionTitle = "Label Start Position";
inline constexpr std::string_view kStartPositionPrompt =
    "Select the position where you would like the labels to start printing.";

// Options sheet.
inline constexpr std::string_view kOptionsTitle = "Options";
inline constexpr std::string_view kHelp = "Help";
inline constexpr std::string_view kGeneralTab = "General";
inline constexpr std::string_view kNormalViewTab = "Normal View";
inline constexpr std::string_view kActorSortTab = "Actor Sort";
inline constexpr std::string_view kOneLineTab = "One Line Sorts";

inline constexpr std::string_view kChangeScreenFont = "Change Screen Font...";
inline constexpr std::string_view kChangeScreenColors = "Change Screen Colors...";
inline constexpr std::string_view kPrinterColorGroup = "Printer Color";
// In LabelColorChoice order.
inline constexpr std::array<std::string_view, 3> kPrinterColors = {
    "Use Black Only", "Use Screen Colors", "Use Label Colors"};
inline constexpr std::string_view kDisplayPageNumber = "Display Page Number";
inline constexpr std::string_view kTapeAsText = "Treat the Tape # as Text";
inline constexpr std::string_view kLoadLast = "Load the last used file when starting the program";

// In "NlViewGrid" order.
inline constexpr std::array<std::string_view, 3> kNormalGraphics = {"Show Grid", "Show Box",
                                                                    "No Graphics"};
inline constexpr std::string_view kIgnoreThe = "Ignore \"The\" When Sorting";
inline constexpr std::array<std::string_view, 4> kDisplayCustom = {
    "Display Custom 1", "Display Custom 2", "Display Custom 3", "Display Custom 4"};
inline constexpr std::string_view kPrintingOptions = "Printing Options";
inline constexpr std::string_view kBreakAfterLetter =
    "Print a Page Break after each Letter of the Alphabet";
inline constexpr std::string_view kBreakAfterName = "Print a Page Break after each Name Change";
// In "NlViewPrint" order.
inline constexpr std::array<std::string_view, 4> kNormalPrinting = {
    "Print 1 Record per Page", kBreakAfterLetter, kBreakAfterName, "Multiple Records per Page"};
inline constexpr std::string_view kSynopsis = "Display and Print Synopsis";
inline constexpr std::string_view kDisplayHeading = "Display Heading";
inline constexpr std::string_view kGridOn = "Grid On";
// In "ActorPrint" and "TitlesPrint" order.
inline constexpr std::array<std::string_view, 3> kActorPrinting = {
    "Print Multiple Entries", kBreakAfterLetter, kBreakAfterName};
inline constexpr std::array<std::string_view, 3> kOneLinePrinting = {
    "Print Multiple Lines per Page", kBreakAfterLetter, kBreakAfterName};

// The colour dialogs.
inline constexpr std::string_view kSelectColor = "Select Color";
inline constexpr std::string_view kScreenColorTitle = "Change Screen Color";
inline constexpr std::string_view kScreenColorsGroup = "Screen Colors";
inline constexpr std::string_view kHeadingColor = "Heading Color";
inline constexpr std::string_view kDataColor = "Data Color";
inline constexpr std::string_view kHighlightBackgroundColor = "Highlighted Background Color";
inline constexpr std::string_view kHighlightDataColor = "Highlighted Data Color";
inline constexpr std::string_view kLabelColorTitle = "Label Color Selection";
inline constexpr std::string_view kLabelColorPrompt = "Choose colors for the following:";
inline constexpr std::string_view kNoMemoryLabelColors =
    "Not enough memory to change label colors.";

// The help window.
inline constexpr std::string_view kHelpTitle = "Reelkeep Help";
inline constexpr std::string_view kHelpBack = "&Back";
inline constexpr std::string_view kHelpForward = "&Forward";
inline constexpr std::string_view kHelpContents = "&Contents";

// Add Column: the choices in column identifier order, identifier 1 first.
inline constexpr std::string_view kAddColumnTitle = "Add Column";
inline constexpr std::string_view kAddColumnPrompt = "Select Column to Add";
inline constexpr std::array<std::string_view, 10> kAddColumnChoices = {
    "Movie Title",    "Rating",         "Time",       "Custom 1 Field", "Custom 2 Field",
    "Custom 3 Field", "Custom 4 Field", "Media Type", "Movie Type",     "Number"};

// Go To Entry, with its prompt for each kind of listing.
inline constexpr std::string_view kGoToTitle = "Go To Entry";
inline constexpr std::string_view kClose = "Close";

}  // namespace reelkeep::dlg
