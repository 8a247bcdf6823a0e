#include "csv_reader.h"

#include <algorithm>
#include <iterator>
#include <optional>
#include <utility>

#include "fields.h"
#include "file_access.h"
#include "side_by_side.h"
#include "text_encoding.h"

namespace reelkeep {

namespace {

constexpr std::string_view kUtf8Bom = "\xEF\xBB\xBF";
constexpr std::string_view kExportValueEnd = "\",";

// How every heading line of Reelkeep's export begins; the optional columns follow.
const std::string& ExportHeadingStart() {
    static const std::string kStart = [] {
        std::string start;
        for (Field f : FieldsInExportOrder()) {
            start += '"';
            start += InfoOf(f).csvHeading;
            start += kExportValueEnd;
        }
        return start;
    }();
    return kStart;
}

// One row as the file has it, before decoding: possibly several lines, as values may hold
// line breaks.
struct RawRow {
    std::uint64_t line = 0;
    std::vector<std::string> fields;
    std::optional<ImportProblemKind> broken;  // set when the row cannot be taken at all
};

// A position in the text and the line it is on.
class CCursor {
public:
    explicit CCursor(std::string_view text, std::size_t from = 0) : text_(text), pos_(from) {}

    bool AtEnd() const { return pos_ >= text_.size(); }
    std::size_t Position() const { return pos_; }
    char Peek() const { return text_[pos_]; }
    std::uint64_t Line() const { return line_; }
    std::size_t Find(std::string_view what) const { return text_.find(what, pos_); }
    // Over bytes known to hold no line break.
    void Advance(std::size_t n) { pos_ += n; }

    // Takes a line break (CR LF, LF or a lone CR) when one is next.
    bool TakeLineBreak() {
        if (AtEnd() || (Peek() != '\r' && Peek() != '\n')) return false;
        if (Peek() == '\r') ++pos_;
        if (!AtEnd() && Peek() == '\n') ++pos_;
        ++line_;
        return true;
    }

    // Moves past the next line break, or to the end.
    void SkipLine() {
        while (!AtEnd() && !TakeLineBreak()) ++pos_;
    }

    // The bytes up to position at (clamped to the end), moved past.
    std::string_view TakeUpTo(std::size_t at) {
        at = std::min(at, text_.size());
        const std::string_view taken = text_.substr(pos_, at - pos_);
        line_ += static_cast<std::uint64_t>(std::count(taken.begin(), taken.end(), '\n'));
        pos_ = at;
        return taken;
    }

    // The bytes up to the next separator or line break.
    std::string_view TakeUnquoted(char separator) {
        std::size_t end = pos_;
        while (end < text_.size() && text_[end] != separator && text_[end] != '\r' &&
               text_[end] != '\n') {
            ++end;
        }
        return TakeUpTo(end);
    }

private:
    std::string_view text_;
    std::size_t pos_;
    std::uint64_t line_ = 1;
};

// A quoted spreadsheet value from its opening quote on, doubled quotes undoubled; what follows
// the closing quote up to the separator is kept as it stands. False when no quote closes it.
bool TakeQuoted(CCursor& cursor, std::string& field) {
    cursor.Advance(1);
    for (;;) {
        const std::size_t quote = cursor.Find("\"");
        field += cursor.TakeUpTo(quote);
        if (cursor.AtEnd()) return false;
        cursor.Advance(1);
        if (cursor.AtEnd() || cursor.Peek() != '"') return true;
        field += '"';
        cursor.Advance(1);
    }
}

RawRow ReadSpreadsheetRow(CCursor& cursor, char separator, std::size_t columns) {
    RawRow row;
    row.line = cursor.Line();
    row.fields.reserve(columns);
    std::string field;
    bool fieldStart = true;
    while (!cursor.AtEnd() && !cursor.TakeLineBreak()) {
        if (cursor.Peek() == separator) {
            row.fields.push_back(std::exchange(field, {}));
            cursor.Advance(1);
            fieldStart = true;
            continue;
        }
        if (fieldStart && cursor.Peek() == '"') {
            if (!TakeQuoted(cursor, field)) row.broken = ImportProblemKind::UnclosedQuote;
        } else {
            field += cursor.TakeUnquoted(separator);
        }
        fieldStart = false;
    }
    row.fields.push_back(std::move(field));
    return row;
}

// Reelkeep's export does not escape its values: each runs from its opening quote to the next
// `",`, line breaks included, and a line break between values ends the row.
RawRow ReadExportRow(CCursor& cursor, std::size_t columns) {
    RawRow row;
    row.line = cursor.Line();
    row.fields.reserve(columns);
    while (!cursor.AtEnd() && !cursor.TakeLineBreak()) {
        if (cursor.Peek() != '"') {
            row.broken = ImportProblemKind::Unquoted;
            cursor.SkipLine();
            break;
        }
        cursor.Advance(1);
        const std::size_t end = cursor.Find(kExportValueEnd);
        row.fields.emplace_back(cursor.TakeUpTo(end));
        if (cursor.AtEnd()) {
            row.broken = ImportProblemKind::UnclosedQuote;
            break;
        }
        cursor.Advance(kExportValueEnd.size());
    }
    return row;
}

// Counts the separators of the heading line outside quotes, a character at a time, up to the
// line's end.
class CSeparatorCount {
public:
    void Take(char c) {
        if (ended_) return;
        if (c == '"') quoted_ = !quoted_;
        if (quoted_) return;
        if (c == '\r' || c == '\n') ended_ = true;
        commas_ += c == ',' ? 1 : 0;
        semicolons_ += c == ';' ? 1 : 0;
        tabs_ += c == '\t' ? 1 : 0;
    }
    bool Ended() const { return ended_; }

    // The separator used most; a comma when none is used.
    char Separator() const {
        if (semicolons_ > commas_ && semicolons_ >= tabs_) return ';';
        if (tabs_ > commas_ && tabs_ > semicolons_) return '\t';
        return ',';
    }
    std::size_t Columns() const { return std::max({commas_, semicolons_, tabs_}) + 1; }

private:
    std::size_t commas_ = 0;
    std::size_t semicolons_ = 0;
    std::size_t tabs_ = 0;
    bool quoted_ = false;
    bool ended_ = false;
};

char DetectSeparator(std::string_view text) {
    CSeparatorCount count;
    for (std::size_t i = 0; i < text.size() && !count.Ended(); ++i) count.Take(text[i]);
    return count.Separator();
}

constexpr std::string_view kUtf16LeBom = "\xFF\xFE";
constexpr std::string_view kUtf16BeBom = "\xFE\xFF";
// Never part of UTF-8: marks what UTF-16 could not give, so that its line is left out.
constexpr char kNotUtf8 = '\xFF';

std::optional<CsvEncoding> Utf16Of(std::string_view bytes) {
    if (bytes.starts_with(kUtf16LeBom)) return CsvEncoding::Utf16LE;
    if (bytes.starts_with(kUtf16BeBom)) return CsvEncoding::Utf16BE;
    return std::nullopt;
}

char16_t Utf16Unit(std::string_view bytes, std::size_t at, bool bigEndian) {
    const auto first = static_cast<unsigned char>(bytes[at]);
    const auto second = static_cast<unsigned char>(bytes[at + 1]);
    return static_cast<char16_t>(bigEndian ? (first << 8) | second : (second << 8) | first);
}

// UTF-16 bytes after the byte-order mark as UTF-8.
std::string Utf16BytesToUtf8(std::string_view bytes, bool bigEndian) {
    std::string out;
    out.reserve(bytes.size() / 2 + bytes.size() / 8);
    const std::size_t units = bytes.size() / 2;
    for (std::size_t i = 0; i < units; ++i) {
        const char16_t unit = Utf16Unit(bytes, 2 * i, bigEndian);
        if (unit < 0xD800 || unit > 0xDFFF) {
            AppendUtf8(out, unit);
            continue;
        }
        const char16_t low = i + 1 < units ? Utf16Unit(bytes, 2 * (i + 1), bigEndian) : 0;
        if (unit > 0xDBFF || low < 0xDC00 || low > 0xDFFF) {
            out += kNotUtf8;
            continue;
        }
        AppendUtf8(out, 0x10000 + ((static_cast<char32_t>(unit) - 0xD800) << 10) + (low - 0xDC00));
        ++i;
    }
    if (bytes.size() % 2 != 0) out += kNotUtf8;
    return out;
}

bool AllEmpty(const std::vector<std::string>& fields) {
    return std::all_of(fields.begin(), fields.end(),
                       [](const std::string& field) { return field.empty(); });
}

bool HasHighByte(std::string_view text) {
    return std::any_of(text.begin(), text.end(),
                       [](char c) { return static_cast<unsigned char>(c) >= 0x80; });
}

// The values as UTF-8; false when one is not UTF-8 in a UTF-8 file, or was not UTF-16 in a
// UTF-16 one.
bool Decode(std::vector<std::string>& fields, CsvEncoding encoding) {
    for (std::string& field : fields) {
        if (encoding == CsvEncoding::Windows1252) {
            if (HasHighByte(field)) field = Cp1252ToUtf8(field);
        } else if (!IsValidUtf8(field)) {
            return false;
        }
    }
    return true;
}

// Cuts a value to maxBytes at a character boundary; true when it was longer.
std::vector<std::string> Headings(std::vector<std::string> fields) {
    for (std::string& field : fields) field = StoredTextToUtf8(std::move(field));
    return fields;
}

// Whether a row holds values no heading names. Spreadsheets often end rows with empty cells;
// in Reelkeep's export an extra value means a value held `",` and the others have moved.
bool HasUnnamedValues(const CsvTable& table, const std::vector<std::string>& fields) {
    const std::size_t columns = table.headings.size();
    if (fields.size() <= columns) return false;
    if (table.form == CsvForm::ReelkeepExport) return true;
    return std::any_of(fields.begin() + static_cast<std::ptrdiff_t>(columns), fields.end(),
                       [](const std::string& field) { return !field.empty(); });
}

std::optional<ImportProblemKind> RowProblem(const CsvTable& table, const RawRow& row) {
    if (row.broken) return row.broken;
    if (HasUnnamedValues(table, row.fields)) return ImportProblemKind::TooManyFields;
    if (table.form == CsvForm::ReelkeepExport && row.fields.size() < table.headings.size()) {
        return ImportProblemKind::TooFewFields;
    }
    return std::nullopt;
}

bool Utf16Encoded(CsvEncoding encoding) {
    return encoding == CsvEncoding::Utf16LE || encoding == CsvEncoding::Utf16BE;
}

void AddRow(CsvTable& table, RawRow row, std::size_t maxValueBytes) {
    std::optional<ImportProblemKind> problem = RowProblem(table, row);
    if (!problem && !Decode(row.fields, table.encoding)) {
        problem = Utf16Encoded(table.encoding) ? ImportProblemKind::BadUtf16
                                               : ImportProblemKind::BadEncoding;
    }
    if (problem) {
        table.problems.push_back({row.line, *problem, 0});
        return;
    }
    row.fields.resize(std::min(row.fields.size(), table.headings.size()));
    for (std::size_t i = 0; i < row.fields.size(); ++i) {
        if (CutToLimit(row.fields[i], maxValueBytes)) {
            table.problems.push_back({row.line, ImportProblemKind::ValueCut, i + 1});
        }
    }
    table.rows.push_back({row.line, std::move(row.fields)});
}

// Room for as many values as there are headings is made at once, rather than grown to.
RawRow ReadRow(CCursor& cursor, const CsvTable& table) {
    const std::size_t columns = table.headings.size();
    return table.form == CsvForm::ReelkeepExport
               ? ReadExportRow(cursor, columns)
               : ReadSpreadsheetRow(cursor, table.separator, columns);
}

// An exported movie may have every value empty; a spreadsheet pads with empty rows.
bool PassedOver(const RawRow& row, CsvForm form) {
    if (row.broken) return false;
    return form == CsvForm::ReelkeepExport ? row.fields.empty() : AllEmpty(row.fields);
}

// The first row that is not passed over.
void ReadHeadings(CCursor& cursor, CsvTable& table) {
    while (!cursor.AtEnd()) {
        RawRow row = ReadRow(cursor, table);
        if (PassedOver(row, table.form)) continue;
        table.headings = Headings(std::move(row.fields));
        return;
    }
}

// Rows until the cursor is at or past stopAt, or at the end.
void ReadRows(CCursor& cursor, CsvTable& table, std::size_t stopAt, std::size_t maxValueBytes) {
    while (!cursor.AtEnd() && cursor.Position() < stopAt) {
        RawRow row = ReadRow(cursor, table);
        if (!PassedOver(row, table.form)) AddRow(table, std::move(row), maxValueBytes);
    }
}

// Just after the first line break at or after at, where a row may begin; none at the end.
std::optional<std::size_t> LikelyRowStart(std::string_view text, std::size_t at) {
    const std::size_t lineBreak = text.find_first_of("\r\n", at);
    if (lineBreak == std::string_view::npos) return std::nullopt;
    std::size_t start = lineBreak + 1;
    if (text[lineBreak] == '\r' && start < text.size() && text[start] == '\n') ++start;
    if (start >= text.size()) return std::nullopt;
    return start;
}

// The rows of a second half, read apart, after those of the first; their lines counted from
// the line the second half starts on.
void AppendHalf(CsvTable& table, CsvTable half, std::uint64_t firstLine) {
    for (CsvRow& row : half.rows) row.line += firstLine - 1;
    for (ImportProblem& problem : half.problems) problem.line += firstLine - 1;
    table.rows.insert(table.rows.end(), std::make_move_iterator(half.rows.begin()),
                      std::make_move_iterator(half.rows.end()));
    table.problems.insert(table.problems.end(), half.problems.begin(), half.problems.end());
}

// The rows after the headings. A long text's second half is read on another core, from the
// first line break after its middle as if a row began there. That holds exactly when the first
// half's last row ends there; when a value with line breaks runs across it, the second half's
// rows are dropped and the first half reads on.
void ReadBody(std::string_view text, CCursor& cursor, CsvTable& table, std::size_t maxValueBytes) {
    const std::size_t rest = text.size() - std::min(cursor.Position(), text.size());
    const std::optional<std::size_t> middle =
        rest >= kCsvSplitFrom ? LikelyRowStart(text, cursor.Position() + rest / 2) : std::nullopt;
    if (!middle) return ReadRows(cursor, table, std::string_view::npos, maxValueBytes);
    CsvTable second{table.form, table.separator, table.encoding, table.headings, {}, {}};
    CCursor secondCursor(text, *middle);
    RunSideBySide([&] { ReadRows(secondCursor, second, std::string_view::npos, maxValueBytes); },
                  [&] { ReadRows(cursor, table, *middle, maxValueBytes); });
    if (cursor.Position() == *middle) return AppendHalf(table, std::move(second), cursor.Line());
    ReadRows(cursor, table, std::string_view::npos, maxValueBytes);
}

}  // namespace

CsvTable ReadCsv(std::string_view bytes, std::size_t maxValueBytes) {
    CsvTable table;
    std::string_view text = bytes;
    std::string fromUtf16;
    if (const std::optional<CsvEncoding> utf16 = Utf16Of(bytes)) {
        table.encoding = *utf16;
        fromUtf16 =
            Utf16BytesToUtf8(bytes.substr(kUtf16LeBom.size()), *utf16 == CsvEncoding::Utf16BE);
        text = fromUtf16;
    } else if (text.starts_with(kUtf8Bom)) {
        text.remove_prefix(kUtf8Bom.size());
        table.encoding = CsvEncoding::Utf8WithBom;
    } else {
        table.encoding = LooksLikeUtf8(text) ? CsvEncoding::Utf8 : CsvEncoding::Windows1252;
    }
    const bool exported = text.starts_with(ExportHeadingStart());
    table.form = exported ? CsvForm::ReelkeepExport : CsvForm::Spreadsheet;
    table.separator = exported ? ',' : DetectSeparator(text);
    CCursor cursor(text);
    ReadHeadings(cursor, table);
    ReadBody(text, cursor, table, maxValueBytes);
    return table;
}

CsvTable ReadCsvSource(IByteSource& source) {
    // Even, so that no UTF-16 unit is split between two chunks.
    constexpr std::size_t kChunk = std::size_t{64} * 1024;
    std::string bytes;
    CSeparatorCount heading;
    std::optional<CsvEncoding> utf16;
    bool atEnd = false;
    while (!heading.Ended() && !atEnd) {
        const std::size_t start = bytes.size();
        bytes.resize(start + kChunk);
        const std::size_t got = source.Read(bytes.data() + start, kChunk);
        bytes.resize(start + got);
        atEnd = got < kChunk;
        if (start == 0) utf16 = Utf16Of(bytes);
        const std::size_t step = utf16 ? 2 : 1;
        for (std::size_t i = start; i + step <= bytes.size() && !heading.Ended(); i += step) {
            // Separators, quotes and line breaks are ASCII in every encoding read.
            const char16_t unit =
                utf16 ? Utf16Unit(bytes, i, *utf16 == CsvEncoding::Utf16BE) : bytes[i] & 0xFF;
            heading.Take(unit < 0x80 ? static_cast<char>(unit) : '\x80');
        }
        if (heading.Columns() > kMaxCsvColumns) throw CCsvTooManyColumns();
    }
    if (!atEnd) {
        const std::size_t start = bytes.size();
        const std::uint64_t size = source.Size();
        bytes.resize(size > start ? static_cast<std::size_t>(size) : start);
        bytes.resize(start + source.Read(bytes.data() + start, bytes.size() - start));
    }
    return ReadCsv(bytes);
}

CsvTable ReadCsvFile(const std::string& path) {
    CFileSource source(path);
    return ReadCsvSource(source);
}

bool CutToLimit(std::string& value, std::size_t maxBytes) {
    if (value.size() <= maxBytes) return false;
    std::size_t end = maxBytes;
    while (end > 0 && (static_cast<unsigned char>(value[end]) & 0xC0) == 0x80) --end;
    value.resize(end);
    return true;
}

}  // namespace reelkeep
