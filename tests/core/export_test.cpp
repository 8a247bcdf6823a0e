#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <sstream>

#include "catalogue_builder.h"
#include "export_writers.h"
#include "fake_ui.h"
#include "messages.h"

namespace reelkeep::test {
namespace {

using Titles = std::vector<std::string>;

std::string ReadFile(const std::filesystem::path& path) {
    std::ifstream in(path, std::ios::binary);
    std::ostringstream bytes;
    bytes << in.rdbuf();
    return bytes.str();
}

std::string Golden(const char* name) {
    return ReadFile(std::filesystem::path(REELKEEP_TEST_DATA) / name);
}

struct Catalogue : TestCatalogue {
    explicit Catalogue(const std::vector<Movie>& movies, DocumentOptions options = Hidden())
        : TestCatalogue(movies, options) {
        doc.Execute(CommandId::SortByTitle);
    }
    static DocumentOptions Hidden() {
        DocumentOptions options;
        options.showSynopsis = false;
        options.showCustom = {false, false, false, false};
        return options;
    }
    // Runs the export command into a fresh file and returns what it holds.
    std::string Export(ExportKind kind) {
        // One file per test: ctest runs the tests of this program side by side.
        const auto* test = testing::UnitTest::GetInstance()->current_test_info();
        const auto path = std::filesystem::path(testing::TempDir()) /
                          (std::string("reelkeep_export_") + test->name() + ".out");
        std::filesystem::remove(path);
        ui.exportNames.push_back(path.string());
        doc.Execute(kind == ExportKind::Csv ? CommandId::ExportCsv : CommandId::ExportText);
        EXPECT_EQ(ui.waitCursorDepth, 0);
        return ReadFile(path);
    }
    Titles ExportedTitles() {
        Titles titles;
        for (std::uint32_t r : doc.ExportedRecords()) {
            titles.push_back(doc.Catalogue().Value(r, Field::MovieName));
        }
        return titles;
    }
};

const std::vector<Movie> kGoldenMovies = {
    {.title = "Babe"},
    {.title = "Alien \"Special\" Edition",
     .actor1 = "Sigourney Weaver",
     .actor2 = "Tom Skerritt",
     .movieType = "Sci-Fi",
     .mediaType = "VHS",
     .time = "117",
     .tape = "12",
     .counter = "0030",
     .rating = "R",
     .custom1 = "c1",
     .custom2 = "Ridley Scott",
     .custom4 = "x,y",
     .synopsis = "Line one\r\nLine two"},
};

TEST(ExportFormat, MatchesTheGoldenFilesByteForByte) {
    DocumentOptions options;
    options.showSynopsis = true;
    options.showCustom = {false, true, false, true};
    Catalogue c(kGoldenMovies, options);
    c.doc.ApplyCustomHeadings({"Custom 1 Heading", "Director", "Custom 3 Heading", "Notes"}, false);
    EXPECT_EQ(c.Export(ExportKind::Csv), Golden("export_full.csv"));
    EXPECT_EQ(c.Export(ExportKind::Text), Golden("export_full.txt"));
    EXPECT_TRUE(c.ui.messages.empty());
}

TEST(ExportFormat, HiddenColumnsLeaveTheTenFixedOnes) {
    Catalogue c({{.title = "Solo", .custom1 = "hidden", .synopsis = "hidden"}});
    EXPECT_EQ(c.Export(ExportKind::Csv),
              "\"Title\",\"Actors1\",\"Actors2\",\"Actors3\",\"Time\",\"Rating\",\"Counter\","
              "\"Media\",\"Type\",\"Tape #\",\r\n"
              "\"Solo\",\"\",\"\",\"\",\"\",\"\",\"\",\"\",\"\",\"\",\r\n");
    EXPECT_EQ(c.Export(ExportKind::Text),
              "Title:    Solo\nActors:   \n          \n          \nTime:     \nRating:   \n"
              "Counter:  \nMedia:    \nType:     \nTape #:   \n\n\n");
}

// ---- which movies -------------------------------------------------------------------------

const std::vector<Movie> kFive = {
    {.title = "Echo", .actor1 = "Ann"},  {.title = "Alpha", .actor1 = "Bob", .actor2 = "Ann"},
    {.title = "Delta", .actor1 = "Bob"}, {.title = "Charlie"},
    {.title = "Bravo", .actor1 = "Cy"},
};

TEST(ExportedMovies, AreTheDisplayedOnesInDisplayOrder) {
    Catalogue c(kFive);
    EXPECT_EQ(c.ExportedTitles(), (Titles{"Alpha", "Bravo", "Charlie", "Delta", "Echo"}));
    c.ui.filterAnswers.push_back(std::array<std::string, kFilterCount>{
        "All", "Bob", "All", "All", "All", "All", "All", "All", "All"});
    c.doc.Execute(CommandId::Filters);
    EXPECT_EQ(c.ExportedTitles(), (Titles{"Alpha", "Delta"}));
}

TEST(ExportedMovies, AreTheSelectedOnesWhenASelectionIsPresent) {
    Catalogue c(kFive);
    c.ui.viewSelection = {0, 1, 0, 1, 0};
    EXPECT_EQ(c.ExportedTitles().size(), 5u);  // flags without the present flag mean nothing
    c.ui.rowsSelected = true;
    EXPECT_EQ(c.ExportedTitles(), (Titles{"Bravo", "Delta"}));
}

TEST(ExportedMovies, InActorSortAreTheMoviesOfTheSelectedRowsOnce) {
    Catalogue c(kFive);
    c.doc.Execute(CommandId::SortByActors);
    // Rows: Ann: Alpha, Echo; Bob: Alpha, Delta; Cy: Bravo; NO ACTOR LISTED: Charlie.
    ASSERT_EQ(c.doc.Display().ActorRowCount(), 6u);
    c.ui.viewSelection = {1, 1, 1, 0, 0, 1, 1, 1};  // flags past the last row are ignored
    c.ui.rowsSelected = true;
    EXPECT_EQ(c.ExportedTitles(), (Titles{"Alpha", "Echo", "Charlie"}));
}

TEST(ExportedMovies, InLabelFormatAreTheMoviesOfTheSelectedLabels) {
    Catalogue c({{.title = "One", .tape = "1", .counter = "10"},
                 {.title = "Two", .tape = "2"},
                 {.title = "Three", .tape = "1", .counter = "5"}});
    c.doc.Execute(CommandId::DisplayLabelFormat);
    ASSERT_EQ(c.doc.Display().Labels().size(), 2u);  // tape 1: Three, One; tape 2: Two
    c.ui.viewSelection = {1, 0};
    c.ui.rowsSelected = true;
    EXPECT_EQ(c.ExportedTitles(), (Titles{"Three", "One"}));
}

// ---- the command --------------------------------------------------------------------------

TEST(ExportCommand, CancelWritesNothing) {
    Catalogue c(kFive);
    c.ui.maxWaitCursorDepth = 0;
    c.doc.Execute(CommandId::ExportCsv);
    EXPECT_TRUE(c.ui.messages.empty());
    EXPECT_EQ(c.ui.maxWaitCursorDepth, 0);
}

TEST(ExportCommand, TruncatesAnExistingFile) {
    Catalogue c({{.title = "A"}});
    const auto path = std::filesystem::path(testing::TempDir()) / "reelkeep_export_long.out";
    std::ofstream(path) << std::string(10000, 'x');
    c.ui.exportNames.push_back(path.string());
    c.doc.Execute(CommandId::ExportText);
    EXPECT_EQ(ReadFile(path).substr(0, 15), "Title:    A\nAct");
    EXPECT_LT(ReadFile(path).size(), 200u);
}

TEST(ExportCommand, ReportsAFileThatCannotBeCreated) {
    Catalogue c({{.title = "A"}});
    const std::string path = testing::TempDir() + "/no such folder/out.csv";
    c.ui.exportNames.push_back(path);
    c.doc.Execute(CommandId::ExportCsv);
    EXPECT_EQ(c.ui.messages,
              Titles{path + "\nCannot find the folder for this file.\nPlease verify that the "
                            "correct path is given."});
    EXPECT_EQ(c.ui.waitCursorDepth, 0);
}

TEST(ExportCommand, ReportsAFullDisk) {
    if (!std::filesystem::exists("/dev/full")) GTEST_SKIP() << "no /dev/full here";
    Catalogue c({{.title = "A"}});
    c.ui.exportNames.push_back("/dev/full");
    c.doc.Execute(CommandId::ExportCsv);
    EXPECT_EQ(c.ui.messages, Titles{std::string(msg::kDiskFull)});
}

}  // namespace
}  // namespace reelkeep::test
