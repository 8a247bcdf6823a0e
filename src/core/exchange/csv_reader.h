#pragma once

#include <cstddef>
#include <cstdint>
#include <limits>
#include <stdexcept>
#include <string>
#include <string_view>
#include <vector>

#include "byte_io.h"
#include "import_report.h"

namespace reelkeep {

// How the bytes of a CSV file were read.
enum class CsvForm : std::uint8_t {
    Spreadsheet,     // RFC 4180: quotes optional, inner quotes doubled
    ReelkeepExport,  // every value quoted, inner quotes as they are, a comma after each value
};
// UTF-16 comes with its byte-order mark, as spreadsheets write their "Unicode text".
enum class CsvEncoding : std::uint8_t { Utf8, Utf8WithBom, Windows1252, Utf16LE, Utf16BE };

// The longest value the catalogue takes: the entry dialog's edit fields hold at most this many
// characters, below the file format's 32-bit length prefix.
inline constexpr std::size_t kMaxValueBytes = std::numeric_limits<int>::max();

// Cuts value to at most maxBytes without splitting a UTF-8 character; true when it was cut.
bool CutToLimit(std::string& value, std::size_t maxBytes);

// From this many bytes on, a file's two halves are read on two cores.
inline constexpr std::size_t kCsvSplitFrom = std::size_t{1} << 20;

// The most columns an import takes: each one gets a field choice in the import dialog.
inline constexpr std::size_t kMaxCsvColumns = 1000;

// Thrown when the heading line of a file has more than kMaxCsvColumns columns.
class CCsvTooManyColumns : public std::runtime_error {
public:
    CCsvTooManyColumns() : std::runtime_error("too many columns") {}
};

struct CsvRow {
    std::uint64_t line = 0;  // where the row starts, 1-based
    std::vector<std::string> fields;
};

// A CSV file read into UTF-8 values: the heading line, the rows that can be imported (never
// more values than headings) and the lines left out or cut short while reading.
struct CsvTable {
    CsvForm form = CsvForm::Spreadsheet;
    char separator = ',';
    CsvEncoding encoding = CsvEncoding::Utf8;
    std::vector<std::string> headings;
    std::vector<CsvRow> rows;
    std::vector<ImportProblem> problems;
};

// Reads any bytes; never throws but std::bad_alloc. Blank lines and lines of empty values are
// passed over. In UTF-16 a surrogate without its partner, or a last byte without its pair,
// leaves its line out. Reelkeep's own export is recognised by its heading line: a value of it is
// everything up to the next `",`, so any value but one holding `",` comes back, line breaks
// and quotes included.
CsvTable ReadCsv(std::string_view bytes, std::size_t maxValueBytes = kMaxValueBytes);

// The same on a file; throws CFileError when it cannot be read. The heading line is read first:
// with more than kMaxCsvColumns columns it throws CCsvTooManyColumns before reading further.
CsvTable ReadCsvSource(IByteSource& source);
CsvTable ReadCsvFile(const std::string& path);

}  // namespace reelkeep
