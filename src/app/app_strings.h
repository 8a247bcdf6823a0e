#pragma once

#include <QtGlobal>
#include <string_view>

#include "qt_text.h"

// Texts of the application shell that the user sees, kept together so they can be checked at a
// glance. Menu texts and status-bar prompts live with the commands in command_table.cpp.
namespace reelkeep::appstr {

// The user's-language form of one of these texts.
inline QString Tr(std::string_view text) { return Translated("App", text); }

inline constexpr char kAppTitle[] = "Reelkeep";
inline constexpr char kOrganisation[] = "Quillfen";
inline constexpr char kUntitled[] = QT_TRANSLATE_NOOP("App", "Untitled");
// The title of a window that has no catalogue of its own yet while it opens the file named.
inline constexpr char kLoadingTitle[] = QT_TRANSLATE_NOOP("App", "Loading %1");
inline constexpr char kCaptionFormat[] = "%1 - %2";  // document title, application title
inline constexpr char kSaveChangesPrompt[] = QT_TRANSLATE_NOOP("App", "Save changes to %1?");
// The file's name, and when the recovery copy was written.
inline constexpr char kRecoverPrompt[] = QT_TRANSLATE_NOOP(
    "App", "Reelkeep did not close properly. Recover the unsaved changes to %1 from %2?");
inline constexpr char kRecoverButton[] = QT_TRANSLATE_NOOP("App", "&Recover");
// Seconds waited, on stderr at the end of a run.
inline constexpr char kRecoveryWriterStopped[] = QT_TRANSLATE_NOOP(
    "App", "reelkeep: the recovery copy was not written within %1 seconds; its writer was stopped");
// The catalogue's file name. The journal's changes are refused whole, never applied in part.
inline constexpr char kJournalOtherCatalogue[] = QT_TRANSLATE_NOOP(
    "App",
    "The journal of unsaved changes to %1 was kept for another version of the catalogue and "
    "is not used.");
inline constexpr char kJournalDamaged[] =
    QT_TRANSLATE_NOOP("App", "The journal of unsaved changes to %1 is damaged and is not used.");
// Why, on stderr; the recovery copy still keeps the changes.
inline constexpr char kJournalNotWritten[] =
    QT_TRANSLATE_NOOP("App",
                      "reelkeep: the journal of unsaved changes could not be written (%1); until "
                      "the catalogue is saved, only the recovery copy keeps them");
inline constexpr char kDiscardButton[] = QT_TRANSLATE_NOOP("App", "&Discard");
inline constexpr char kFileFilter[] = QT_TRANSLATE_NOOP("App", "Reelkeep Files (*.smf)");
inline constexpr char kFileSuffix[] = "smf";
inline constexpr char kCsvFilter[] = QT_TRANSLATE_NOOP("App", "Comma separated volume (*.csv)");
inline constexpr char kCsvUntitled[] = QT_TRANSLATE_NOOP("App", "Untitled.csv");
inline constexpr char kCsvSuffix[] = "csv";
inline constexpr char kCsvImportFilter[] =
    QT_TRANSLATE_NOOP("App", "Comma separated values (*.csv);;All files (*)");
// The readers tell the programs' files apart by their contents, whichever filter is chosen.
inline constexpr char kForeignImportFilter[] = QT_TRANSLATE_NOOP(
    "App",
    "Catalogues of other programs (*.tc *.gcs *.xml *.amc);;Tellico (*.tc *.xml);;GCstar (*.gcs);;"
    "Data Crow (*.xml);;Ant Movie Catalog (*.amc *.xml);;All files (*)");
inline constexpr char kCsvImportCaption[] = QT_TRANSLATE_NOOP("App", "Import");
inline constexpr char kDocFilter[] = QT_TRANSLATE_NOOP("App", "Doc files (*.doc)");
inline constexpr char kDocUntitled[] = QT_TRANSLATE_NOOP("App", "Untitled.doc");
inline constexpr char kDocSuffix[] = "doc";
// The file's name.
inline constexpr char kChangedByOtherProgram[] =
    QT_TRANSLATE_NOOP("App",
                      "The file %1 was changed by another program after Reelkeep opened it.\n\n"
                      "Replace it with this catalogue?");

// Status bar.
inline constexpr char kReady[] = QT_TRANSLATE_NOOP("App", "Ready");
inline constexpr char kCapsIndicator[] = QT_TRANSLATE_NOOP("App", "CAP");
inline constexpr char kNumIndicator[] = QT_TRANSLATE_NOOP("App", "NUM");
inline constexpr char kScrollIndicator[] = QT_TRANSLATE_NOOP("App", "SCRL");
// What a screen reader hears for a lock indicator whose key is off; %1 is the indicator's text.
inline constexpr char kIndicatorOff[] = QT_TRANSLATE_NOOP("App", "%1 off");
inline constexpr int kProgressPaneBlanks = 105;

// File menu.
inline constexpr char kRecentFilePlaceholder[] = QT_TRANSLATE_NOOP("App", "Recent File");
inline constexpr char kRecentFileEntry[] = "&%1 %2";  // number, file name
inline constexpr char kRecentFilePrompt[] = QT_TRANSLATE_NOOP("App", "Open %1");
inline constexpr char kToolbarTitle[] = QT_TRANSLATE_NOOP("App", "Toolbar");

// Options.
inline constexpr char kNoColorPrinter[] =
    QT_TRANSLATE_NOOP("App", "Color Printer not detected.  Printer color set to black only.");

// Command line.
inline constexpr char kUsage[] =
    "usage: reelkeep [FILE.smf]\n"
    "       reelkeep -p|--print FILE.smf\n"
    "Opens the catalogue FILE.smf in the window; without a file, the last catalogue used when\n"
    "LoadLast is set, else a new one. While Reelkeep runs, a file given to another start opens\n"
    "in the running window, and a start without a file brings that window to the front.\n"
    "\n"
    "  -p, --print FILE  print FILE on the default printer without opening the window\n"
    "  -h, --help        show this text and exit\n"
    "  --version         show the version and exit\n"
    "Qt's own options (-platform, -style, -session ...) are passed on to Qt.\n";
inline constexpr char kVersionFormat[] = "reelkeep %1 (%2)";  // release, git description
inline constexpr char kTryHelp[] = "Try 'reelkeep --help'.";
inline constexpr char kUnknownOption[] = "unknown option '%1'";
inline constexpr char kMissingValue[] = "option '%1' needs a FILE";
inline constexpr char kExtraArgument[] = "unexpected argument '%1'";
inline constexpr char kCommandLineError[] = "reelkeep: %1";
// Seconds waited. The request stays with the running window, which may act on it later.
inline constexpr char kNoAnswer[] = QT_TRANSLATE_NOOP(
    "App", "reelkeep: the Reelkeep already running did not answer within %1 seconds.");
inline constexpr char kCouldNotStartPrintJob[] =
    QT_TRANSLATE_NOOP("App", "Could not start print job.");
// The pages asked for in the print dialog, and the job's page count once paginated for the
// paper and the choice the dialog ended with.
inline constexpr char kPagesNotInDocument[] =
    QT_TRANSLATE_NOOP("App", "The pages %1 to %2 are not in the document; it has %3 pages.");
inline constexpr char kNoPrinter[] =
    QT_TRANSLATE_NOOP("App", "reelkeep: cannot print %1: no printer is installed.");
// The file, then what went wrong, on one line.
inline constexpr char kCannotPrint[] = QT_TRANSLATE_NOOP("App", "reelkeep: cannot print %1: %2");

}  // namespace reelkeep::appstr
