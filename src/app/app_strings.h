#pragma once

// Texts of the application shell that the user sees, kept together so they can be checked at a
// glance. Menu texts and status-bar prompts live with the commands in command_table.cpp.
namespace reelkeep::appstr {

inline constexpr char kAppTitle[] = "Reelkeep";
inline constexpr char kOrganisation[] = "Quillfen";
inline constexpr char kUntitled[] = "Untitled";
inline constexpr char kCaptionFormat[] = "%1 - %2";  // document title, application title
inline constexpr char kSaveChangesPrompt[] = "Save changes to %1?";
// The file's name, and when the recovery copy was written.
inline constexpr char kRecoverPrompt[] =
    "Reelkeep did not close properly. Recover the unsaved changes to %1 from %2?";
inline constexpr char kRecoverButton[] = "Recover";
inline constexpr char kDiscardButton[] = "Discard";
inline constexpr char kFileFilter[] = "Reelkeep Files (*.smf)";
inline constexpr char kFileSuffix[] = "smf";
inline constexpr char kCsvFilter[] = "Comma separated volume (*.csv)";
inline constexpr char kCsvUntitled[] = "Untitled.csv";
inline constexpr char kCsvSuffix[] = "csv";
inline constexpr char kCsvImportFilter[] = "Comma separated values (*.csv);;All files (*)";
inline constexpr char kCsvImportCaption[] = "Import";
inline constexpr char kDocFilter[] = "Doc files (*.doc)";
inline constexpr char kDocUntitled[] = "Untitled.doc";
inline constexpr char kDocSuffix[] = "doc";

// Status bar.
inline constexpr char kReady[] = "Ready";
inline constexpr char kCapsIndicator[] = "CAP";
inline constexpr char kNumIndicator[] = "NUM";
inline constexpr char kScrollIndicator[] = "SCRL";
inline constexpr int kProgressPaneBlanks = 105;

// File menu.
inline constexpr char kRecentFilePlaceholder[] = "Recent File";
inline constexpr char kRecentFileEntry[] = "&%1 %2";  // number, file name
inline constexpr char kRecentFilePrompt[] = "Open %1";
inline constexpr char kToolbarTitle[] = "Toolbar";

// Options.
inline constexpr char kNoColorPrinter[] =
    "Color Printer not detected.  Printer color set to black only.";

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
inline constexpr char kNoAnswer[] =
    "reelkeep: the Reelkeep already running did not answer within %1 seconds.";
inline constexpr char kCouldNotStartPrintJob[] = "Could not start print job.";
inline constexpr char kNoPrinter[] = "reelkeep: cannot print %1: no printer is installed.";
// The file, then what went wrong, on one line.
inline constexpr char kCannotPrint[] = "reelkeep: cannot print %1: %2";

}  // namespace reelkeep::appstr
