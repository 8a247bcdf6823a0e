#pragma once

#include <QtGlobal>
#include <array>
#include <string_view>

#include "qt_text.h"

// Every caption, label and message of the dialogs, kept together so they can be checked against
// each other at a glance.
namespace reelkeep::dlg {

// The user's-language form of one of these texts.
inline QString Tr(std::string_view text) { return Translated("Dialogs", text); }

inline constexpr std::string_view kMessageTitle = "Reelkeep";
inline constexpr std::string_view kOk = QT_TRANSLATE_NOOP("Dialogs", "&OK");
inline constexpr std::string_view kCancel = QT_TRANSLATE_NOOP("Dialogs", "&Cancel");

// Enter/Edit Movies.
inline constexpr std::string_view kEntryTitle = QT_TRANSLATE_NOOP("Dialogs", "Enter/Edit Movies");
inline constexpr std::string_view kLabelMovieName = QT_TRANSLATE_NOOP("Dialogs", "&Movie Name");
inline constexpr std::string_view kLabelActors = QT_TRANSLATE_NOOP("Dialogs", "&Actors");
inline constexpr std::string_view kLabelMovieType = QT_TRANSLATE_NOOP("Dialogs", "Mo&vie Type");
inline constexpr std::string_view kLabelMediaType = QT_TRANSLATE_NOOP("Dialogs", "M&edia Type");
inline constexpr std::string_view kLabelTime = QT_TRANSLATE_NOOP("Dialogs", "&Time");
inline constexpr std::string_view kLabelTapeNumber = QT_TRANSLATE_NOOP("Dialogs", "Ta&pe #");
inline constexpr std::string_view kLabelCounter = QT_TRANSLATE_NOOP("Dialogs", "Cou&nter");
inline constexpr std::string_view kLabelRating = QT_TRANSLATE_NOOP("Dialogs", "&Rating");
inline constexpr std::string_view kLabelSynopsis = QT_TRANSLATE_NOOP("Dialogs", "&Synopsis");

inline constexpr std::string_view kNoMemoryActors =
    QT_TRANSLATE_NOOP("Dialogs", "Not enough memory to add more actors");
inline constexpr std::string_view kNoMemoryMovieTypes =
    QT_TRANSLATE_NOOP("Dialogs", "Not enough memory to add more Movie Types");
inline constexpr std::string_view kNoMemoryMediaTypes =
    QT_TRANSLATE_NOOP("Dialogs", "Not enough memory to add more Media Types");
inline constexpr std::string_view kNoMemoryRatings =
    QT_TRANSLATE_NOOP("Dialogs", "Not enough memory to add more movie ratings");
inline constexpr std::array<std::string_view, 4> kNoMemoryCustom = {
    QT_TRANSLATE_NOOP("Dialogs", "Not enough memory to add more Custom 1 entries"),
    QT_TRANSLATE_NOOP("Dialogs", "Not enough memory to add more Custom 2 entries"),
    QT_TRANSLATE_NOOP("Dialogs", "Not enough memory to add more Custom 3 entries"),
    QT_TRANSLATE_NOOP("Dialogs", "Not enough memory to add more Custom 4 entries"),
};

inline constexpr std::string_view kHelpMovieName =
    QT_TRANSLATE_NOOP("Dialogs", "Movie Name: the title of the movie.");
inline constexpr std::array<std::string_view, 3> kHelpActors = {
    QT_TRANSLATE_NOOP("Dialogs", "Actor 1: pick an actor from the list or type a new name."),
    QT_TRANSLATE_NOOP("Dialogs", "Actor 2: pick an actor from the list or type a new name."),
    QT_TRANSLATE_NOOP("Dialogs", "Actor 3: pick an actor from the list or type a new name."),
};
inline constexpr std::string_view kHelpMovieType =
    QT_TRANSLATE_NOOP("Dialogs", "Movie Type: pick a movie type from the list or type a new one.");
inline constexpr std::string_view kHelpMediaType = QT_TRANSLATE_NOOP(
    "Dialogs", "Media Type: pick the medium the movie is kept on, or type a new one.");
inline constexpr std::string_view kHelpTime =
    QT_TRANSLATE_NOOP("Dialogs", "Time: the running time of the movie.");
inline constexpr std::string_view kHelpTapeNumber =
    QT_TRANSLATE_NOOP("Dialogs", "Tape #: the tape the movie is recorded on.");
inline constexpr std::string_view kHelpCounter =
    QT_TRANSLATE_NOOP("Dialogs", "Counter: the tape-counter position where the movie starts.");
inline constexpr std::string_view kHelpRating =
    QT_TRANSLATE_NOOP("Dialogs", "Rating: pick a rating from the list or type a new one.");
inline constexpr std::string_view kHelpSynopsis =
    QT_TRANSLATE_NOOP("Dialogs", "Synopsis: a description of the movie. Enter starts a new line.");

// Delete Movies.
inline constexpr std::string_view kDeleteTitle = QT_TRANSLATE_NOOP("Dialogs", "Delete Movies");
inline constexpr std::string_view kYes = QT_TRANSLATE_NOOP("Dialogs", "&YES");
inline constexpr std::string_view kYesToAll = QT_TRANSLATE_NOOP("Dialogs", "Yes to &All");
inline constexpr std::string_view kNo = QT_TRANSLATE_NOOP("Dialogs", "&NO");
inline constexpr std::string_view kNoToAll = QT_TRANSLATE_NOOP("Dialogs", "N&o to All");

inline constexpr std::string_view kHelpDeleteQuestion =
    QT_TRANSLATE_NOOP("Dialogs", "The movie about to be deleted.");
inline constexpr std::string_view kHelpYes =
    QT_TRANSLATE_NOOP("Dialogs", "YES: delete this movie.");
inline constexpr std::string_view kHelpYesToAll = QT_TRANSLATE_NOOP(
    "Dialogs", "Yes to All: delete this and every other selected movie without asking again.");
inline constexpr std::string_view kHelpNo =
    QT_TRANSLATE_NOOP("Dialogs", "NO: keep this movie and ask about the next one.");
inline constexpr std::string_view kHelpNoToAll =
    QT_TRANSLATE_NOOP("Dialogs", "No to All: keep this and every other selected movie.");

// Find Info.
inline constexpr std::string_view kFindTitle = QT_TRANSLATE_NOOP("Dialogs", "Find Info");
inline constexpr std::string_view kFindLabel = QT_TRANSLATE_NOOP("Dialogs", "&Information to find");
inline constexpr std::string_view kWholeWord = QT_TRANSLATE_NOOP("Dialogs", "&Whole word");
inline constexpr std::string_view kMatchCase =
    QT_TRANSLATE_NOOP("Dialogs", "&Match upper and lower case");
inline constexpr std::string_view kFindButton = QT_TRANSLATE_NOOP("Dialogs", "&Find");

inline constexpr std::string_view kHelpFindText =
    QT_TRANSLATE_NOOP("Dialogs", "The text to look for in every field of the displayed movies.");
inline constexpr std::string_view kHelpWholeWord = QT_TRANSLATE_NOOP(
    "Dialogs", "Whole word: a field matches only when one of its words is the text.");
inline constexpr std::string_view kHelpMatchCase =
    QT_TRANSLATE_NOOP("Dialogs", "Match upper and lower case: capitals must match exactly.");
inline constexpr std::string_view kHelpFindButton = QT_TRANSLATE_NOOP(
    "Dialogs", "Find: search the displayed movies, opening each match for editing.");

// Edit Custom Headings.
inline constexpr std::string_view kHeadingsTitle =
    QT_TRANSLATE_NOOP("Dialogs", "Edit Custom Headings");
inline constexpr std::array<std::string_view, 4> kHeadingLabels = {
    QT_TRANSLATE_NOOP("Dialogs", "Custom Heading &1"),
    QT_TRANSLATE_NOOP("Dialogs", "Custom Heading &2"),
    QT_TRANSLATE_NOOP("Dialogs", "Custom Heading &3"),
    QT_TRANSLATE_NOOP("Dialogs", "Custom Heading &4")};

// Import of a CSV file. %1 stands for the separator, %2 the encoding, %3 the movie count.
inline constexpr std::string_view kImportTitle =
    QT_TRANSLATE_NOOP("Dialogs", "Import Comma Separated Values");
inline constexpr std::string_view kImportIntro = QT_TRANSLATE_NOOP(
    "Dialogs", "Choose the field each column goes to, or skip it. The first lines of the file:");
inline constexpr std::string_view kImportFound =
    QT_TRANSLATE_NOOP("Dialogs", "Separator: %1    Text: %2    Movies: %3");
inline constexpr std::string_view kImportExportForm =
    QT_TRANSLATE_NOOP("Dialogs", "as Reelkeep exports it");
inline constexpr std::string_view kImportFieldRow = QT_TRANSLATE_NOOP("Dialogs", "Field");
inline constexpr std::string_view kImportSkip = QT_TRANSLATE_NOOP("Dialogs", "(skip)");
inline constexpr std::string_view kImportActorList =
    QT_TRANSLATE_NOOP("Dialogs", "Actors (A; B; C)");
inline constexpr std::array<std::string_view, 3> kImportSeparators = {
    QT_TRANSLATE_NOOP("Dialogs", "comma"), QT_TRANSLATE_NOOP("Dialogs", "semicolon"),
    QT_TRANSLATE_NOOP("Dialogs", "tab")};
inline constexpr std::array<std::string_view, 5> kImportEncodings = {
    QT_TRANSLATE_NOOP("Dialogs", "UTF-8"),
    QT_TRANSLATE_NOOP("Dialogs", "UTF-8 with byte-order mark"),
    QT_TRANSLATE_NOOP("Dialogs", "Windows-1252"),
    QT_TRANSLATE_NOOP("Dialogs", "UTF-16 little-endian"),
    QT_TRANSLATE_NOOP("Dialogs", "UTF-16 big-endian")};
// Filters, labels in FilterField order.
inline constexpr std::string_view kFiltersTitle = QT_TRANSLATE_NOOP("Dialogs", "Filters");
// The custom fields' boxes take the catalogue's headings.
inline constexpr std::array<std::string_view, 5> kFilterLabels = {
    QT_TRANSLATE_NOOP("Dialogs", "&Movie Name"), QT_TRANSLATE_NOOP("Dialogs", "&Actor Name"),
    QT_TRANSLATE_NOOP("Dialogs", "Mo&vie Type"), QT_TRANSLATE_NOOP("Dialogs", "M&edia Type"),
    QT_TRANSLATE_NOOP("Dialogs", "&Rating")};
inline constexpr std::string_view kFiltersNote =
    QT_TRANSLATE_NOOP("Dialogs",
                      "A box shows the movies whose field begins with its text; All shows every "
                      "movie.");
inline constexpr std::string_view kResetFilters =
    QT_TRANSLATE_NOOP("Dialogs", "Reset to &Default Values");

// About box.
inline constexpr std::string_view kAboutTitle = QT_TRANSLATE_NOOP("Dialogs", "About Reelkeep");
inline constexpr std::string_view kAboutName = "Reelkeep";
inline constexpr std::string_view kAboutVersion = QT_TRANSLATE_NOOP("Dialogs", "Version 1.4");
inline constexpr std::string_view kAboutMaker = "Quillfen";

// Printing labels.
inline constexpr std::string_view kCopiesTitle = QT_TRANSLATE_NOOP("Dialogs", "Label Copies");
inline constexpr std::string_view kCopiesPrompt =
    QT_TRANSLATE_NOOP("Dialogs", "&Number of copies to print");
inline constexpr std::string_view kIntegerRange =
    QT_TRANSLATE_NOOP("Dialogs", "Please enter an integer between %1 and %2.");
inline constexpr std::string_view kStartPositionTitle =
    QT_TRANSLATE_NOOP("Dialogs", "Label Start Position");
inline constexpr std::string_view kStartPositionPrompt = QT_TRANSLATE_NOOP(
    "Dialogs", "&Select the position where you would like the labels to start printing.");

// Options sheet.
inline constexpr std::string_view kOptionsTitle = QT_TRANSLATE_NOOP("Dialogs", "Options");
inline constexpr std::string_view kHelp = QT_TRANSLATE_NOOP("Dialogs", "&Help");
inline constexpr std::string_view kGeneralTab = QT_TRANSLATE_NOOP("Dialogs", "General");
inline constexpr std::string_view kNormalViewTab = QT_TRANSLATE_NOOP("Dialogs", "Normal View");
inline constexpr std::string_view kActorSortTab = QT_TRANSLATE_NOOP("Dialogs", "Actor Sort");
inline constexpr std::string_view kOneLineTab = QT_TRANSLATE_NOOP("Dialogs", "One Line Sorts");

inline constexpr std::string_view kChangeScreenFont =
    QT_TRANSLATE_NOOP("Dialogs", "Change Screen &Font...");
inline constexpr std::string_view kChangeScreenColors =
    QT_TRANSLATE_NOOP("Dialogs", "Change Screen Colo&rs...");
inline constexpr std::string_view kPrinterColorGroup =
    QT_TRANSLATE_NOOP("Dialogs", "Printer Color");
// In LabelColorChoice order.
inline constexpr std::array<std::string_view, 3> kPrinterColors = {
    QT_TRANSLATE_NOOP("Dialogs", "Use &Black Only"),
    QT_TRANSLATE_NOOP("Dialogs", "Use &Screen Colors"),
    QT_TRANSLATE_NOOP("Dialogs", "Use &Label Colors")};
inline constexpr std::string_view kDisplayPageNumber =
    QT_TRANSLATE_NOOP("Dialogs", "Display &Page Number");
inline constexpr std::string_view kTapeAsText =
    QT_TRANSLATE_NOOP("Dialogs", "&Treat the Tape # as Text");
inline constexpr std::string_view kLoadLast =
    QT_TRANSLATE_NOOP("Dialogs", "Lo&ad the last used file when starting the program");

// In "NlViewGrid" order.
inline constexpr std::array<std::string_view, 3> kNormalGraphics = {
    QT_TRANSLATE_NOOP("Dialogs", "Show &Grid"), QT_TRANSLATE_NOOP("Dialogs", "Show Bo&x"),
    QT_TRANSLATE_NOOP("Dialogs", "&No Graphics")};
inline constexpr std::string_view kIgnoreThe =
    QT_TRANSLATE_NOOP("Dialogs", "&Ignore \"The\" When Sorting");
inline constexpr std::array<std::string_view, 4> kDisplayCustom = {
    QT_TRANSLATE_NOOP("Dialogs", "Display Custom &1"),
    QT_TRANSLATE_NOOP("Dialogs", "Display Custom &2"),
    QT_TRANSLATE_NOOP("Dialogs", "Display Custom &3"),
    QT_TRANSLATE_NOOP("Dialogs", "Display Custom &4")};
inline constexpr std::string_view kPrintingOptions =
    QT_TRANSLATE_NOOP("Dialogs", "Printing Options");
inline constexpr std::string_view kBreakAfterLetter =
    QT_TRANSLATE_NOOP("Dialogs", "Print a Page Break after each L&etter of the Alphabet");
inline constexpr std::string_view kBreakAfterName =
    QT_TRANSLATE_NOOP("Dialogs", "Print a Page Break after each Na&me Change");
// In "NlViewPrint" order.
inline constexpr std::array<std::string_view, 4> kNormalPrinting = {
    QT_TRANSLATE_NOOP("Dialogs", "Print 1 &Record per Page"), kBreakAfterLetter, kBreakAfterName,
    QT_TRANSLATE_NOOP("Dialogs", "M&ultiple Records per Page")};
inline constexpr std::string_view kSynopsis =
    QT_TRANSLATE_NOOP("Dialogs", "Display and Print &Synopsis");
inline constexpr std::string_view kDisplayHeading =
    QT_TRANSLATE_NOOP("Dialogs", "Display Hea&ding");
inline constexpr std::string_view kGridOn = QT_TRANSLATE_NOOP("Dialogs", "&Grid On");
// In "ActorPrint" and "TitlesPrint" order.
inline constexpr std::array<std::string_view, 3> kActorPrinting = {
    QT_TRANSLATE_NOOP("Dialogs", "Print M&ultiple Entries"), kBreakAfterLetter, kBreakAfterName};
inline constexpr std::array<std::string_view, 3> kOneLinePrinting = {
    QT_TRANSLATE_NOOP("Dialogs", "Print Multiple &Lines per Page"), kBreakAfterLetter,
    kBreakAfterName};

// The colour dialogs.
inline constexpr std::string_view kSelectColor = QT_TRANSLATE_NOOP("Dialogs", "&Select Color");
inline constexpr std::string_view kScreenColorTitle =
    QT_TRANSLATE_NOOP("Dialogs", "Change Screen Color");
inline constexpr std::string_view kScreenColorsGroup =
    QT_TRANSLATE_NOOP("Dialogs", "Screen Colors");
inline constexpr std::string_view kHeadingColor = QT_TRANSLATE_NOOP("Dialogs", "Heading Color");
inline constexpr std::string_view kDataColor = QT_TRANSLATE_NOOP("Dialogs", "Data Color");
inline constexpr std::string_view kHighlightBackgroundColor =
    QT_TRANSLATE_NOOP("Dialogs", "Highlighted Background Color");
inline constexpr std::string_view kHighlightDataColor =
    QT_TRANSLATE_NOOP("Dialogs", "Highlighted Data Color");
inline constexpr std::string_view kLabelColorTitle =
    QT_TRANSLATE_NOOP("Dialogs", "Label Color Selection");
inline constexpr std::string_view kLabelColorPrompt =
    QT_TRANSLATE_NOOP("Dialogs", "C&hoose colors for the following:");
inline constexpr std::string_view kNoMemoryLabelColors =
    QT_TRANSLATE_NOOP("Dialogs", "Not enough memory to change label colors.");

// The help window.
inline constexpr std::string_view kHelpTitle = QT_TRANSLATE_NOOP("Dialogs", "Reelkeep Help");
inline constexpr std::string_view kHelpBack = QT_TRANSLATE_NOOP("Dialogs", "&Back");
inline constexpr std::string_view kHelpForward = QT_TRANSLATE_NOOP("Dialogs", "&Forward");
inline constexpr std::string_view kHelpContents = QT_TRANSLATE_NOOP("Dialogs", "&Contents");

// Add Column: the choices in column identifier order, identifier 1 first.
inline constexpr std::string_view kAddColumnTitle = QT_TRANSLATE_NOOP("Dialogs", "Add Column");
inline constexpr std::string_view kAddColumnPrompt =
    QT_TRANSLATE_NOOP("Dialogs", "&Select Column to Add");
inline constexpr std::array<std::string_view, 10> kAddColumnChoices = {
    QT_TRANSLATE_NOOP("Dialogs", "Movie Title"),    QT_TRANSLATE_NOOP("Dialogs", "Rating"),
    QT_TRANSLATE_NOOP("Dialogs", "Time"),           QT_TRANSLATE_NOOP("Dialogs", "Custom 1 Field"),
    QT_TRANSLATE_NOOP("Dialogs", "Custom 2 Field"), QT_TRANSLATE_NOOP("Dialogs", "Custom 3 Field"),
    QT_TRANSLATE_NOOP("Dialogs", "Custom 4 Field"), QT_TRANSLATE_NOOP("Dialogs", "Media Type"),
    QT_TRANSLATE_NOOP("Dialogs", "Movie Type"),     QT_TRANSLATE_NOOP("Dialogs", "Number")};

// Go To Entry, with its prompt for each kind of listing.
inline constexpr std::string_view kGoToTitle = QT_TRANSLATE_NOOP("Dialogs", "Go To Entry");
inline constexpr std::string_view kClose = QT_TRANSLATE_NOOP("Dialogs", "&Close");

}  // namespace reelkeep::dlg
