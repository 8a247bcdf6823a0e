#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <numeric>
#include <random>
#include <sstream>

#include "allocation_failure.h"
#include "byte_io.h"
#include "catalogue_builder.h"
#include "csv_import.h"
#include "doc_invariants.h"
#include "export_writers.h"
#include "messages.h"
#include "random_catalogue.h"

namespace reelkeep::test {
namespace {

using Titles = std::vector<std::string>;

DocumentOptions EveryColumnShown() {
    DocumentOptions options;
    options.showSynopsis = true;
    options.showCustom = {true, true, true, true};
    return options;
}

std::string CsvExport(const CReelkeepDoc& doc) {
    std::vector<std::uint32_t> records(doc.Catalogue().Count());
    std::iota(records.begin(), records.end(), 0U);
    std::ostringstream out;
    EXPECT_TRUE(WriteExport(out, ExportKind::Csv, doc.Display(), records));
    return out.str();
}

std::string CatalogueBytes(const CReelkeepDoc& doc) {
    CStringSink sink;
    doc.WriteDocument(sink);
    return sink.bytes;
}

// The movies of CSV text, mapped by their headings against the document's custom headings.
std::vector<RecordValues> MoviesOf(std::string_view csv, const CReelkeepDoc& doc,
                                   ImportReport& report) {
    CsvTable table = ReadCsv(csv);
    return ImportedRecords(table, MapHeadings(table.headings, doc.Display().CustomHeadings()),
                           report);
}

// A value holding `",` cannot come back from the export; the round trip leaves them out.
void WithoutQuoteComma(std::vector<RecordValues>& records) {
    for (RecordValues& record : records) {
        for (std::string& value : record) {
            if (value.find("\",") != std::string::npos) value = "x";
        }
    }
}

TEST(ImportRoundTrip, ExportImportExportIsIdenticalOnGeneratedCatalogues) {
    for (unsigned seed = 1; seed <= 12; ++seed) {
        std::mt19937 rng(seed);
        std::vector<RecordValues> records = RandomRecords(rng, 1 + rng() % 60);
        WithoutQuoteComma(records);
        TestCatalogue source({}, EveryColumnShown());
        source.doc.ApplyCustomHeadings({"Director", "Year", "Studio", "Shelf"}, false);
        FillCatalogue(source.doc, records);
        const std::string exported = CsvExport(source.doc);

        TestCatalogue target({}, EveryColumnShown());
        target.doc.ApplyCustomHeadings(source.doc.Display().CustomHeadings(), false);
        ImportReport report;
        ASSERT_TRUE(target.doc.ImportRecords(MoviesOf(exported, target.doc, report)));
        EXPECT_TRUE(report.problems.empty()) << "seed " << seed;
        EXPECT_EQ(report.imported, records.size());
        EXPECT_EQ(CsvExport(target.doc), exported) << "seed " << seed;
        ExpectConsistent(target.doc);
    }
}

TEST(ImportRoundTrip, AMovieWithQuoteCommaIsReportedAndTheOthersComeBack) {
    TestCatalogue source({{.title = "Before"},
                          {.title = "Say \"Hi\", twice", .actor1 = "Ann"},
                          {.title = "After", .synopsis = "two\r\nlines"}},
                         EveryColumnShown());
    TestCatalogue target({}, EveryColumnShown());
    ImportReport report;
    target.doc.ImportRecords(MoviesOf(CsvExport(source.doc), target.doc, report));
    EXPECT_EQ(target.Stored(), (Titles{"Before", "After"}));
    EXPECT_EQ(target.doc.Catalogue().Value(1, Field::Synopsis), "two\r\nlines");
    ASSERT_EQ(report.problems.size(), 1u);
    EXPECT_EQ(report.problems[0].line, 3u);
    EXPECT_EQ(report.Skipped(), 1u);
}

TEST(CsvMapping, MapsCommonNamesCustomHeadingsAndEachFieldOnce) {
    const HeadingTexts custom = {"Director", "Rating", "Custom 3 Heading", ""};
    const ColumnMapping mapping =
        MapHeadings({"movie title", " Actor 2 ", "GENRE", "Format", "Tape", "Rating", "rating",
                     "director", "Notes", "", "Custom 4", "Title", "Cast"},
                    custom);
    using T = ColumnTarget;
    EXPECT_EQ(mapping,
              (ColumnMapping{T::To(Field::MovieName), T::To(Field::Actor2), T::To(Field::MovieType),
                             T::To(Field::MediaType), T::To(Field::TapeNumber),
                             T::To(Field::Rating), T::To(Field::Custom2), T::To(Field::Custom1),
                             T::Skip(), T::Skip(), T::To(Field::Custom4), T::Skip(), T::Skip()}));
}

TEST(CsvImport, SplitsAnActorListAndReportsNamesBeyondThree) {
    TestCatalogue c({});
    ImportReport report;
    const std::vector<RecordValues> movies = MoviesOf(
        "Title,Actors\nOne,Ann; Bob ;;Cy\nTwo,\"Ann;Bob;Cy;Dee\"\nThree,\n", c.doc, report);
    ASSERT_EQ(movies.size(), 3u);
    const auto actors = [&](std::size_t i) {
        return Titles{movies[i][FieldIndex(Field::Actor1)], movies[i][FieldIndex(Field::Actor2)],
                      movies[i][FieldIndex(Field::Actor3)]};
    };
    EXPECT_EQ(actors(0), (Titles{"Ann", "Bob", "Cy"}));
    EXPECT_EQ(actors(1), (Titles{"Ann", "Bob", "Cy"}));
    EXPECT_EQ(actors(2), (Titles{"", "", ""}));
    EXPECT_EQ(report.problems, (std::vector<ImportProblem>{{3, ImportProblemKind::ActorsCut, 2}}));
    EXPECT_EQ(report.Skipped(), 0u);
}

const std::vector<Movie> kMovies = {
    {.title = "Delta", .actor1 = "Dee", .movieType = "Drama", .rating = "R"},
    {.title = "Alpha", .actor1 = "Al", .rating = "PG"},
};

struct Catalogue : TestCatalogue {
    Catalogue() : TestCatalogue(kMovies) { doc.Execute(CommandId::SortByRating); }

    // Imports bytes through the command, the dialog accepted as proposed.
    void Import(std::string_view bytes) {
        const auto* test = testing::UnitTest::GetInstance()->current_test_info();
        const auto path = std::filesystem::path(testing::TempDir()) /
                          (std::string("reelkeep_import_") + test->name() + ".csv");
        std::ofstream(path, std::ios::binary) << bytes;
        ui.importNames.push_back(path.string());
        ui.importAccepts.push_back(true);
        doc.Execute(CommandId::ImportCsv);
    }
};

TEST(ImportCommand, AppendsSortsAndListsTheMoviesAndUndoTakesThemBackWhole) {
    Catalogue c;
    const std::string before = CatalogueBytes(c.doc);
    c.ui.importAssignments = {{2, ColumnTarget::To(Field::Custom1)}};
    c.Import("Title,Rating,Studio,Actors\r\nBravo,G,Acme,Bo; Al\r\nCharlie,NC-17,,\r\n");
    EXPECT_EQ(c.Stored(), (Titles{"Delta", "Alpha", "Bravo", "Charlie"}));
    EXPECT_EQ(c.Displayed(), (Titles{"Bravo", "Charlie", "Alpha", "Delta"}));
    EXPECT_EQ(c.doc.Catalogue().Value(2, Field::Custom1), "Acme");
    EXPECT_EQ(c.doc.Catalogue().Value(2, Field::Actor2), "Al");
    EXPECT_TRUE(c.doc.Catalogue().Lookup(LookupKind::Actors).Contains("Bo"));
    EXPECT_TRUE(c.doc.IsModified());
    EXPECT_EQ(c.ui.messages.back(), "Movies imported: 2");
    ExpectConsistent(c.doc);

    c.doc.Execute(CommandId::Undo);
    EXPECT_EQ(CatalogueBytes(c.doc), before);
    EXPECT_EQ(c.Displayed(), (Titles{"Alpha", "Delta"}));
    EXPECT_FALSE(c.doc.Catalogue().Lookup(LookupKind::Actors).Contains("Bo"));
    EXPECT_FALSE(c.doc.IsEnabled(CommandId::Undo));
    ExpectConsistent(c.doc);
}

TEST(ImportCommand, FollowsTheFiltersAndTheNextCommandReplacesItsUndo) {
    Catalogue c;
    c.doc.ApplyFilters({"All", "All", "All", "All", "All", "All", "All", "All", "All"});
    c.ui.filterAnswers.push_back(
        std::array<std::string, 9>{"B", "All", "All", "All", "All", "All", "All", "All", "All"});
    c.doc.Execute(CommandId::Filters);
    c.Import("Title\nBravo\nBeta\nCharlie\n");
    EXPECT_EQ(c.Displayed(), (Titles{"Beta", "Bravo"}));
    c.ui.entryAnswers.push_back(ToRecord({.title = "Echo"}));
    c.doc.Execute(CommandId::Enter);
    c.doc.Execute(CommandId::Undo);
    EXPECT_EQ(c.Stored(), (Titles{"Delta", "Alpha", "Bravo", "Beta", "Charlie"}));
}

TEST(ImportCommand, NamesTheColumnsLeftOutButNotAnEmptyOne) {
    Catalogue c;
    c.Import("Title,Year,,Director,\nBravo,1990,x,Dir,\n");
    EXPECT_EQ(c.ui.messages.back(),
              "Movies imported: 1\nColumns left out: Year, column 3, Director");
}

TEST(ImportCommand, ChangesNothingWhenCancelledMissingOrWithoutAMovie) {
    Catalogue c;
    c.ui.entryAnswers.push_back(ToRecord({.title = "Echo"}));
    c.doc.Execute(CommandId::Enter);
    const std::string before = CatalogueBytes(c.doc);
    c.ui.importNames.push_back("/nonexistent/folder/movies.csv");
    c.doc.Execute(CommandId::ImportCsv);
    EXPECT_NE(c.ui.messages.back().find("Cannot find this file"), std::string::npos);

    c.ui.importNames.push_back(std::string(REELKEEP_TEST_DATA) + "/export_full.csv");
    c.ui.importAccepts.push_back(false);
    c.doc.Execute(CommandId::ImportCsv);
    EXPECT_EQ(c.ui.importMappingsShown.size(), 1u);

    c.Import(
        "\"Title\",\"Actors1\",\"Actors2\",\"Actors3\",\"Time\",\"Rating\",\"Counter\","
        "\"Media\",\"Type\",\"Tape #\",\r\n\"torn\",\"\r\nnot\x01quoted\n\"\xff\xfe");
    c.Import("");
    EXPECT_EQ(CatalogueBytes(c.doc), before);
    // Enter's undo survives an import that added nothing.
    c.doc.Execute(CommandId::Undo);
    EXPECT_EQ(c.Stored(), (Titles{"Delta", "Alpha"}));
}

TEST(OutOfMemory, ImportAddsEveryMovieOrNone) {
    // More movies than the store has room for, so that its arrays must grow.
    std::string csv = "Title\r\n";
    for (int i = 0; i < 40; ++i) {
        csv += "Movie " + std::to_string(i) + " with a title longer than a short string\r\n";
    }
    int refused = 0;
    for (long k = 0;; ++k) {
        Catalogue c;
        CsvTable table = ReadCsv(csv);
        const std::string before = CatalogueBytes(c.doc);
        const ColumnMapping mapping = MapHeadings(table.headings, c.doc.Display().CustomHeadings());
        ImportReport report;
        bool added = false;
        FailAllocationAfter(k);
        try {
            added = c.doc.ImportTable(table, mapping, report);
        } catch (const std::bad_alloc&) {
            // The rebuilds after the movies are in may give up; the movies stay, undoable.
            added = true;
        }
        const bool failed = !FailureStillArmed();
        StopFailingAllocations();
        ExpectConsistent(c.doc);
        if (added) {
            EXPECT_EQ(c.doc.Catalogue().Count(), 42u) << "failing allocation " << k;
        } else {
            ++refused;
            EXPECT_EQ(CatalogueBytes(c.doc), before) << "failing allocation " << k;
            EXPECT_TRUE(c.ui.messages.back() == msg::kNoMemoryImport ||
                        c.ui.messages.back() == msg::kNoMemoryAddEntries)
                << c.ui.messages.back();
        }
        if (!failed) break;
    }
    EXPECT_GT(refused, 0);
}

}  // namespace
}  // namespace reelkeep::test
