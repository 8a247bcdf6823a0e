#pragma once

#include <initializer_list>
#include <optional>
#include <span>
#include <string>
#include <string_view>

// One function per verb of reelkeep-cli, with its help: the usage line after "reelkeep-cli ",
// then what it does. Each function takes the arguments after the verb, writes its result to
// stdout and its messages to stderr, and returns the exit status.
namespace reelkeep::cli {

inline constexpr int kFailure = 1;      // a file could not be read or written
inline constexpr int kUsageStatus = 2;  // the arguments were wrong; the verb's usage follows
// The output file name that means standard output.
inline constexpr std::string_view kStandardStream = "-";

int RunInfo(std::span<const std::string> args);
inline constexpr std::string_view kInfoHelp =
    "info FILE\n"
    "  prints version: current|custom|synopsis|oldest (empty for a file of 0 bytes), records: N,\n"
    "  heading1: ... to heading4: ..., movie-types: N and actors: N";

int RunNew(std::span<const std::string> args);
inline constexpr std::string_view kNewHelp = "new OUT\n  saves a new, empty catalogue as OUT";

int RunConvert(std::span<const std::string> args);
inline constexpr std::string_view kConvertHelp =
    "convert IN OUT\n"
    "  reads a catalogue of any of the four file versions and writes it as the current one";

int RunGenerate(std::span<const std::string> args);
inline constexpr std::string_view kGenerateHelp =
    "generate N OUT [--seed S]\n"
    "  writes a synthetic catalogue of N movies; the same N and S (default 1) give the same "
    "bytes";

int RunActors(std::span<const std::string> args);
inline constexpr std::string_view kActorsHelp =
    "actors IN [view options]\n"
    "  prints the actor index, one row a line: GROUP<TAB>RECORD (GROUP is empty on every row\n"
    "  but the first of its group; RECORD is the 0-based record number)";

int RunLabels(std::span<const std::string> args);
inline constexpr std::string_view kLabelsHelp =
    "labels IN [view options]\n"
    "  prints the label layout, one label a line, always 12 columns:\n"
    "  TAPE<TAB>TITLE1<TAB>COUNTER1<TAB>...<TAB>TITLE5<TAB>COUNTER5<TAB>MULTIPLE\n"
    "  (empty slots are empty columns; MULTIPLE is 1 when the label holds several movies)";

int RunExport(std::span<const std::string> args);
inline constexpr std::string_view kExportHelp =
    "export csv|text IN OUT [view options]\n"
    "  writes the displayed movies of IN to OUT (standard output when OUT is -) in display\n"
    "  order, as the window's Export command does; --synopsis and --custom choose the optional\n"
    "  columns";

int RunImport(std::span<const std::string> args);
inline constexpr std::string_view kImportHelp =
    "import csv IN.csv OUT.smf [--into EXISTING.smf] [--map COLUMN=FIELD]...\n"
    "  appends the movies of IN.csv to EXISTING.smf (or to a new catalogue) and saves OUT.smf.\n"
    "  Once saved, prints imported: N, skipped: N (lines left out), then one line per column\n"
    "  in the file's order: column: HEADING -> FIELD, or column left out: HEADING (HEADING\n"
    "  with \\, tab and line breaks written \\\\, \\t, \\n, \\r). Each line left out or cut\n"
    "  short goes to stderr. A file of more than 1,000 columns is refused.\n"
    "  --map sends COLUMN (its heading, or its number from 1) to FIELD: movie-name, actor1,\n"
    "  actor2, actor3, actors (split on \";\"), movie-type, media-type, time, tape, counter,\n"
    "  rating, custom1 ... custom4, synopsis, or skip; a column that wrote FIELD before is\n"
    "  left out\n"
    "import tellico|gcstar|datacrow|amc IN OUT.smf [--into EXISTING.smf]\n"
    "  the same for the file of another catalogue program (Tellico .tc or its XML, GCstar .gcs,\n"
    "  Data Crow's XML export, Ant Movie Catalog .amc or its XML export), each movie fitted into "
    "the fields; without --into the custom\n"
    "  headings become Director, Year, Studio, Country, with --into those values go to the\n"
    "  custom fields of those headings. Once saved, prints imported: N, then left out: WHAT: N\n"
    "  for each kind of value that found no field and cut short: FIELD: N for values too long";

#ifdef REELKEEP_HAVE_RENDER
int RunRender(std::span<const std::string> args);
inline constexpr std::string_view kRenderHelp =
    "render IN OUT.png [--mode normal|one-line|actors|labels] [--size WxH] "
    "[--decoration box|grid|none] [--small-labels] [view options]\n"
    "  draws the catalogue as the window shows it at the top of the list (default size "
    "1280x800)";

int RunPrintPdf(std::span<const std::string> args);
inline constexpr std::string_view kPrintPdfHelp =
    "print-pdf IN OUT.pdf [--paper letter|a4] [--mode normal|one-line|actors|labels]\n"
    "    [--small-labels] [--select LIST] [--copies N] [--start P] [--page-numbers 0|1]\n"
    "    [--normal-print 0..3] [--one-line-print 0..2] [--actor-print 0..2] [--heading 0|1]\n"
    "    [--graphics grid|box|none] [--printer-color black|screen|label] [--settings FILE]\n"
    "    [view options]\n"
    "  prints what the window would print, to a PDF file; says pages: N. Fonts, colours and\n"
    "  options come from the window's settings (or from FILE), then from the options given";
#endif

// Prints "reelkeep-cli: <problem>" to stderr and returns kUsageStatus. The problem names the
// argument at fault.
int UsageError(std::string_view problem);

// kUsageStatus, once reported, when args does not begin with the operands named (as the usage
// names them: "IN", "OUT" ...); with exact, also when anything follows them.
std::optional<int> CheckOperands(std::span<const std::string> args,
                                 std::initializer_list<std::string_view> names, bool exact = false);

}  // namespace reelkeep::cli
