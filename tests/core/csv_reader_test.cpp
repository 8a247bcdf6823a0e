#include "csv_reader.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <random>
#include <utility>

#include "memory_source.h"

namespace reelkeep::test {
namespace {

using Fields = std::vector<std::string>;

std::vector<Fields> Values(const CsvTable& table) {
    std::vector<Fields> rows;
    for (const CsvRow& row : table.rows) rows.push_back(row.fields);
    return rows;
}

std::vector<std::uint64_t> Lines(const CsvTable& table) {
    std::vector<std::uint64_t> lines;
    for (const CsvRow& row : table.rows) lines.push_back(row.line);
    return lines;
}

// A plain RFC 4180 writer, quoting only where needed, as spreadsheets write.
std::string SpreadsheetCsv(const std::vector<Fields>& rows, char separator) {
    std::string out;
    for (const Fields& row : rows) {
        for (std::size_t i = 0; i < row.size(); ++i) {
            if (i > 0) out += separator;
            const std::string& v = row[i];
            if (v.find_first_of(std::string("\"\r\n") + separator) == std::string::npos) {
                out += v;
                continue;
            }
            out += '"';
            for (char c : v) out += c == '"' ? std::string("\"\"") : std::string(1, c);
            out += '"';
        }
        out += "\r\n";
    }
    return out;
}

TEST(CsvReader, ReadsQuotesSeparatorsAndLineBreaksInsideQuotes) {
    const CsvTable table = ReadCsv(
        "Title,Synopsis,Tape\r\n"
        "\"Say \"\"Hi\"\"\",\"one, two\r\nthree\",7\r\n"
        "plain,\"\",8\n"
        "mid\"quote,\"a\"b,9\n");
    EXPECT_EQ(table.form, CsvForm::Spreadsheet);
    EXPECT_EQ(table.separator, ',');
    EXPECT_EQ(table.headings, (Fields{"Title", "Synopsis", "Tape"}));
    EXPECT_EQ(Values(table), (std::vector<Fields>{{"Say \"Hi\"", "one, two\r\nthree", "7"},
                                                  {"plain", "", "8"},
                                                  {"mid\"quote", "ab", "9"}}));
    EXPECT_EQ(Lines(table), (std::vector<std::uint64_t>{2, 4, 5}));
    EXPECT_TRUE(table.problems.empty());
}

TEST(CsvReader, DetectsSemicolonsAndTabsFromTheHeadingLine) {
    const CsvTable semicolons = ReadCsv("Title;\"Tape; #\";Time\nA,1;2;3\n");
    EXPECT_EQ(semicolons.separator, ';');
    EXPECT_EQ(semicolons.headings, (Fields{"Title", "Tape; #", "Time"}));
    EXPECT_EQ(Values(semicolons), (std::vector<Fields>{{"A,1", "2", "3"}}));

    const CsvTable tabs = ReadCsv("Title\tTape #\tTime\nA;B,C\t1\t2\n");
    EXPECT_EQ(tabs.separator, '\t');
    EXPECT_EQ(Values(tabs), (std::vector<Fields>{{"A;B,C", "1", "2"}}));
}

TEST(CsvReader, DifferentialAgainstARfcWriterWithRandomValues) {
    std::mt19937 rng(7);
    const std::vector<std::string> pieces = {"a",    "B",  " ",        ",",    ";", "\t",  "\"",
                                             "\r\n", "\n", "\xC3\xA9", "x\"y", "",  "\"\""};
    for (const char separator : {',', ';', '\t'}) {
        std::vector<Fields> rows = {{"Title", "Synopsis", "Rating", "Counter"}};
        for (int r = 0; r < 200; ++r) {
            Fields row(4);
            for (std::string& v : row) {
                for (int k = static_cast<int>(rng() % 4); k > 0; --k) v += pieces[rng() % 13];
            }
            row[0] = "T" + row[0];  // no row entirely empty
            rows.push_back(row);
        }
        const CsvTable table = ReadCsv(SpreadsheetCsv(rows, separator));
        EXPECT_EQ(table.separator, separator);
        EXPECT_EQ(table.headings, rows[0]);
        EXPECT_EQ(Values(table), std::vector<Fields>(rows.begin() + 1, rows.end()));
        EXPECT_TRUE(table.problems.empty());
    }
}

// A long file is read in two halves from a guessed row start; both a right guess and one that
// falls inside a value with line breaks must give the rows and their lines as written.
TEST(CsvReader, LongFilesGiveTheirRowsAndLinesWhereverTheMiddleFalls) {
    std::mt19937 rng(11);
    const std::vector<std::string> pieces = {"a", ",", "\"", "\xC3\xA9", "", "\r\n", "\n", "\r"};
    // Values with line breaks everywhere but near the middle, where the first line break is
    // then a row's end; or one value with line breaks from well before the middle to well after.
    const auto randomRow = [&](bool lineBreaks) {
        Fields row(3);
        for (std::string& v : row) {
            for (int k = static_cast<int>(rng() % 5); k > 0; --k) {
                v += pieces[rng() % (lineBreaks ? 8 : 5)];
            }
        }
        row[0] = "T" + row[0];
        return row;
    };
    for (const bool valueAcrossTheMiddle : {false, true}) {
        std::vector<Fields> rows = {{"Title", "Synopsis", "Rating"}};
        std::vector<std::uint64_t> lines;
        std::string text;
        std::uint64_t line = 2;  // below the heading line
        bool longValue = valueAcrossTheMiddle;
        while (text.size() < kCsvSplitFrom * 3 / 2) {
            const bool nearMiddle = text.size() > kCsvSplitFrom / 2 && text.size() < kCsvSplitFrom;
            rows.push_back(randomRow(!nearMiddle));
            if (nearMiddle && std::exchange(longValue, false)) {
                rows.back()[1] = std::string(kCsvSplitFrom / 2, '\n');
            }
            const std::string row = SpreadsheetCsv({rows.back()}, ',');
            lines.push_back(line);
            line += static_cast<std::uint64_t>(std::count(row.begin(), row.end(), '\n'));
            text += row;
        }
        const CsvTable table = ReadCsv(SpreadsheetCsv({rows[0]}, ',') + text);
        EXPECT_EQ(Values(table), std::vector<Fields>(rows.begin() + 1, rows.end()));
        EXPECT_EQ(Lines(table), lines);
        EXPECT_TRUE(table.problems.empty());
    }
}

TEST(CsvReader, ReadsUtf8WithOrWithoutAMarkElseWindows1252) {
    const CsvTable marked = ReadCsv("\xEF\xBB\xBFTitle\n\xC3\x89t\xC3\xA9\n");
    EXPECT_EQ(marked.encoding, CsvEncoding::Utf8WithBom);
    EXPECT_EQ(marked.headings, Fields{"Title"});
    EXPECT_EQ(Values(marked), std::vector<Fields>{{"\xC3\x89t\xC3\xA9"}});

    const CsvTable cp1252 = ReadCsv("G\xE9nre\nCaf\xE9 \x80 \x93\n");
    EXPECT_EQ(cp1252.encoding, CsvEncoding::Windows1252);
    EXPECT_EQ(cp1252.headings, Fields{"G\xC3\xA9nre"});
    EXPECT_EQ(Values(cp1252), std::vector<Fields>{{"Caf\xC3\xA9 \xE2\x82\xAC \xE2\x80\x9C"}});

    // Marked as UTF-8, or mostly UTF-8 without a mark: a stray byte is its line's fault.
    for (const std::string mark : {"\xEF\xBB\xBF", ""}) {
        const CsvTable table =
            ReadCsv(mark + "Title\n\xC3\xA9one\n\xC3\xA9two\nbad \xE9\n\xC3\xA9three\n");
        EXPECT_NE(table.encoding, CsvEncoding::Windows1252);
        EXPECT_EQ(Values(table),
                  (std::vector<Fields>{{"\xC3\xA9one"}, {"\xC3\xA9two"}, {"\xC3\xA9three"}}));
        EXPECT_EQ(table.problems,
                  (std::vector<ImportProblem>{{4, ImportProblemKind::BadEncoding, 0}}));
    }
}

// UTF-8 text as UTF-16 of either byte order, mark first; bad units are given as they are.
std::string Utf16(std::u16string_view text, bool bigEndian) {
    std::string out;
    for (const char16_t unit : std::u16string(u"\uFEFF") + std::u16string(text)) {
        const char high = static_cast<char>(unit >> 8);
        const char low = static_cast<char>(unit & 0xFF);
        out += bigEndian ? std::string{high, low} : std::string{low, high};
    }
    return out;
}

TEST(CsvReader, ReadsUtf16OfEitherByteOrderAndLeavesOutLinesItCannotDecode) {
    for (const bool bigEndian : {false, true}) {
        const std::u16string text =
            u"Title\tTape\r\n\u00C9t\u00E9\t1\r\nbad \xD800\t2\r\n\U0001F3AC\t3\r\nodd";
        const CsvTable table = ReadCsv(Utf16(text, bigEndian) + "x");
        EXPECT_EQ(table.encoding, bigEndian ? CsvEncoding::Utf16BE : CsvEncoding::Utf16LE);
        EXPECT_EQ(table.separator, '\t');
        EXPECT_EQ(table.headings, (Fields{"Title", "Tape"}));
        EXPECT_EQ(Values(table),
                  (std::vector<Fields>{{"\xC3\x89t\xC3\xA9", "1"}, {"\xF0\x9F\x8E\xAC", "3"}}));
        EXPECT_EQ(table.problems,
                  (std::vector<ImportProblem>{{3, ImportProblemKind::BadUtf16, 0},
                                              {5, ImportProblemKind::BadUtf16, 0}}));
    }
}

// Counts the bytes a reader takes.
struct CountingSource : MemorySource {
    using MemorySource::MemorySource;
    std::size_t Read(char* dst, std::size_t n) override {
        const std::size_t got = MemorySource::Read(dst, n);
        taken += got;
        return got;
    }
    std::size_t taken = 0;
};

TEST(CsvReader, RefusesMoreThanAThousandColumnsBeforeReadingTheRows) {
    const auto file = [](std::size_t columns) {
        std::string heading = "Title";
        for (std::size_t i = 1; i < columns; ++i) heading += ";c" + std::to_string(i);
        return heading + "\n" + std::string(1'000'000, 'x') + "\n";
    };
    const std::string wide = file(kMaxCsvColumns + 1);
    CountingSource source(wide);
    EXPECT_THROW(ReadCsvSource(source), CCsvTooManyColumns);
    EXPECT_LT(source.taken, 100'000u);
    const std::string widest = file(kMaxCsvColumns);
    CountingSource allowed(widest);
    EXPECT_EQ(ReadCsvSource(allowed).headings.size(), kMaxCsvColumns);
}

TEST(CsvReader, KeepsShortRowsAndLeavesOutRowsWithUnnamedValues) {
    const CsvTable table = ReadCsv(
        "Title,Tape\n"
        "Short\n"
        "Padded,1,,\n"
        "Extra,2,surplus\n"
        ",,\n"
        "\n"
        "Last,3\n");
    EXPECT_EQ(Values(table), (std::vector<Fields>{{"Short"}, {"Padded", "1"}, {"Last", "3"}}));
    EXPECT_EQ(Lines(table), (std::vector<std::uint64_t>{2, 3, 7}));
    EXPECT_EQ(table.problems,
              (std::vector<ImportProblem>{{4, ImportProblemKind::TooManyFields, 0}}));
}

TEST(CsvReader, ReadsNothingFromAnEmptyFileOrAHeadingAlone) {
    for (const std::string_view bytes : {"", "\xEF\xBB\xBF", "\r\n\n", "Title,Tape\r\n"}) {
        const CsvTable table = ReadCsv(bytes);
        EXPECT_TRUE(table.rows.empty());
        EXPECT_TRUE(table.problems.empty());
    }
}

TEST(CsvReader, LeavesOutAQuoteThatIsNeverClosed) {
    const CsvTable table = ReadCsv("Title,Tape\nGood,1\n\"Open,2\nNext,3\n");
    EXPECT_EQ(Values(table), (std::vector<Fields>{{"Good", "1"}}));
    EXPECT_EQ(table.problems,
              (std::vector<ImportProblem>{{3, ImportProblemKind::UnclosedQuote, 0}}));
}

TEST(CsvReader, CutsAnOverlongValueAtACharacterBoundary) {
    const CsvTable table = ReadCsv("Title,Synopsis\nAb,\xC3\xA9\xC3\xA9\xC3\xA9\nAbcdef,x\n", 5);
    EXPECT_EQ(Values(table), (std::vector<Fields>{{"Ab", "\xC3\xA9\xC3\xA9"}, {"Abcde", "x"}}));
    EXPECT_EQ(table.problems, (std::vector<ImportProblem>{{2, ImportProblemKind::ValueCut, 2},
                                                          {3, ImportProblemKind::ValueCut, 1}}));
}

constexpr std::string_view kExportHeading =
    R"("Title","Actors1","Actors2","Actors3","Time","Rating","Counter","Media","Type","Tape #",)";

std::string ExportLine(const Fields& values) {
    std::string line;
    for (const std::string& v : values) line += '"' + v + "\",";
    return line + "\r\n";
}

TEST(CsvReader, InTheExportOnlyAValueHoldingQuoteCommaCannotComeBack) {
    const Fields tricky = {"ends\"", "\"",       "",        ",lead", "a\"\"b",
                           "\r\n",   "x\r\n\"y", "q\"\r\n", "9",     "t"};
    // Its line is left out, and the lines after it come back.
    const Fields movedOn = {"a\",b", "", "", "", "", "", "", "", "", "u"};
    const Fields oneMore = {"a\",\"b", "", "", "", "", "", "", "", "", "u"};
    const Fields last = {"Last", "", "", "", "", "", "", "", "", ""};
    const CsvTable table = ReadCsv(std::string(kExportHeading) + "\r\n" + ExportLine(tricky) +
                                   ExportLine(movedOn) + ExportLine(oneMore) + ExportLine(last));
    EXPECT_EQ(table.form, CsvForm::ReelkeepExport);
    EXPECT_EQ(Values(table), (std::vector<Fields>{tricky, last}));
    EXPECT_EQ(table.problems,
              (std::vector<ImportProblem>{{6, ImportProblemKind::Unquoted, 0},
                                          {7, ImportProblemKind::TooManyFields, 0}}));
}

TEST(CsvReader, LeavesOutExportLinesThatLostTheirShape) {
    const Fields good = {"Good", "", "", "", "", "", "", "", "", ""};
    const CsvTable table = ReadCsv(std::string(kExportHeading) + "\r\n" + "\"Short\",\r\n" +
                                   "Bare,\"x\",\r\n" + ExportLine(good) + "\"open");
    EXPECT_EQ(Values(table), (std::vector<Fields>{good}));
    EXPECT_EQ(table.problems,
              (std::vector<ImportProblem>{{2, ImportProblemKind::TooFewFields, 0},
                                          {3, ImportProblemKind::Unquoted, 0},
                                          {5, ImportProblemKind::UnclosedQuote, 0}}));
}

}  // namespace
}  // namespace reelkeep::test
