#include <gtest/gtest.h>

#include "allocation_failure.h"
#include "catalogue_builder.h"
#include "doc_invariants.h"
#include "fake_ui.h"
#include "messages.h"
#include "smf_bytes.h"

namespace reelkeep::test {
namespace {

struct Catalogue : TestCatalogue {
    explicit Catalogue(const std::vector<Movie>& movies = {}) : TestCatalogue(movies) {}

    std::vector<std::string> Titles() const { return Stored(); }
};

using Titles = std::vector<std::string>;

RecordValues Answer(const std::string& title, const std::string& media = "DVD") {
    return ToRecord({.title = title, .actor1 = title + " Star", .mediaType = media});
}

TEST(Enter, ProposesTheNextTapeNumberAndTheLastMediaType) {
    Catalogue c;
    c.ui.entryAnswers.push_back(Answer("First", "Laserdisc"));
    c.doc.Execute(CommandId::Enter);
    c.ui.entryAnswers.push_back(Answer("Second"));
    c.doc.Execute(CommandId::Enter);

    ASSERT_EQ(c.ui.entryDialogsShown.size(), 2u);
    const RecordValues& first = c.ui.entryDialogsShown[0].fields;
    EXPECT_EQ(first[FieldIndex(Field::TapeNumber)], "1");
    EXPECT_EQ(first[FieldIndex(Field::MediaType)], "VHS");
    EXPECT_EQ(first[FieldIndex(Field::MovieName)], "");
    EXPECT_EQ(c.ui.entryDialogsShown[0].headings, c.doc.Display().CustomHeadings());
    const RecordValues& second = c.ui.entryDialogsShown[1].fields;
    EXPECT_EQ(second[FieldIndex(Field::TapeNumber)], "2");
    EXPECT_EQ(second[FieldIndex(Field::MediaType)], "Laserdisc");
}

TEST(Enter, AddsTheRecordEverywhereAndCanBeUndone) {
    Catalogue c({{.title = "Zulu"}, {.title = "Alien"}});
    c.doc.Execute(CommandId::SortByTitle);
    c.ui.entryAnswers.push_back(Answer("Brazil"));
    c.doc.Execute(CommandId::Enter);

    ASSERT_EQ(c.doc.Catalogue().Count(), 3u);
    EXPECT_EQ(c.doc.Display().Order(), (std::vector<std::uint32_t>{1, 2, 0}));  // sorted place
    EXPECT_TRUE(c.doc.Catalogue().Lookup(LookupKind::Actors).Contains("Brazil Star"));
    EXPECT_TRUE(c.doc.Catalogue().Lookup(LookupKind::MediaTypes).Contains("DVD"));
    EXPECT_EQ(c.doc.Catalogue().EntryLists()[static_cast<std::size_t>(LookupKind::Actors)],
              std::vector<std::string>{"Brazil Star"});
    EXPECT_TRUE(c.doc.IsModified());
    EXPECT_TRUE(c.doc.IsEnabled(CommandId::Undo));
    EXPECT_EQ(c.doc.Undo().action, msg::kUndoDelete);
    EXPECT_EQ(c.doc.Undo().recordNumbers, std::vector<std::uint32_t>{2});
    EXPECT_GT(c.ui.maxWaitCursorDepth, 0);
    EXPECT_EQ(c.ui.waitCursorDepth, 0);
    ExpectConsistent(c.doc);
}

// ---- Modify -------------------------------------------------------------------------------

TEST(Modify, ShowsEachSelectedMovieAndKeepsTheAcceptedChanges) {
    Catalogue c({{.title = "A"}, {.title = "B"}, {.title = "C"}, {.title = "D"}});
    c.Select({1, 0, 1, 1});
    c.ui.entryAnswers = {Answer("A2"), std::nullopt, Answer("D2")};
    c.doc.Execute(CommandId::Modify);

    ASSERT_EQ(c.ui.entryDialogsShown.size(), 3u);
    EXPECT_EQ(c.ui.entryDialogsShown[1].fields[FieldIndex(Field::MovieName)], "C");
    EXPECT_EQ(c.Titles(), (Titles{"A2", "B", "C", "D2"}));
    EXPECT_TRUE(c.doc.Catalogue().Lookup(LookupKind::Actors).Contains("D2 Star"));
    EXPECT_FALSE(c.ui.rowsSelected);
    EXPECT_TRUE(c.doc.IsModified());
    EXPECT_EQ(c.doc.Undo().action, msg::kUndoUnmodify);
    EXPECT_EQ(c.doc.Undo().recordNumbers, (std::vector<std::uint32_t>{0, 3}));
    ExpectConsistent(c.doc);
}

TEST(Modify, AllCancelledLeavesNothingToUndo) {
    Catalogue c({{.title = "A"}, {.title = "B"}});
    c.ui.entryAnswers.push_back(Answer("Entered"));
    c.doc.Execute(CommandId::Enter);
    c.Select({1, 1, 1});
    c.doc.Execute(CommandId::Modify);
    EXPECT_EQ(c.ui.entryDialogsShown.size(), 4u);
    EXPECT_FALSE(c.doc.IsEnabled(CommandId::Undo));
    EXPECT_TRUE(c.ui.rowsSelected);
}

TEST(Modify, MapsActorIndexRowsToTheirMovies) {
    // Index rows: Ann: B, Bob: A, B, NO ACTOR LISTED: C.
    Catalogue c({{.title = "A", .actor1 = "Bob"},
                 {.title = "B", .actor1 = "Bob", .actor2 = "Ann"},
                 {.title = "C"}});
    c.doc.Execute(CommandId::SortByActors);
    ASSERT_EQ(c.doc.Display().ActorRowCount(), 4u);
    c.Select({0, 1, 0, 1});
    c.ui.entryAnswers = {Answer("A2"), Answer("C2")};
    c.doc.Execute(CommandId::Modify);
    EXPECT_EQ(c.ui.entryDialogsShown[0].fields[FieldIndex(Field::MovieName)], "A");
    EXPECT_EQ(c.Titles(), (Titles{"A2", "B", "C2"}));
    EXPECT_EQ(c.doc.Display().State().sort, SortMark::Actors);  // the index was built again
    ExpectConsistent(c.doc);
}

TEST(Modify, NothingStaysSelectedOnceACatalogueLoads) {
    Catalogue c({{.title = "A"}, {.title = "B"}});
    const std::string bytes = SaveBytes(c.doc);
    c.Select({1, 0});
    ASSERT_TRUE(LoadBytes(c.doc, bytes));
    EXPECT_FALSE(c.doc.IsEnabled(CommandId::Modify));
}

// ---- Delete -------------------------------------------------------------------------------

TEST(Delete, AsksPerMovieUntilAnAllAnswer) {
    struct Case {
        std::deque<std::optional<DeleteAnswer>> answers;
        Titles left;
        std::size_t questions;
    };
    const std::vector<Case> cases = {
        {{DeleteAnswer::Yes, DeleteAnswer::No, DeleteAnswer::Yes}, {"B", "D"}, 3},
        {{DeleteAnswer::No, DeleteAnswer::YesToAll}, {"A", "D"}, 2},
        {{DeleteAnswer::Yes, DeleteAnswer::NoToAll}, {"B", "C", "D"}, 2},
        {{DeleteAnswer::NoToAll}, {"A", "B", "C", "D"}, 1},
    };
    for (const Case& test : cases) {
        Catalogue c({{.title = "A"}, {.title = "B"}, {.title = "C"}, {.title = "D"}});
        c.Select({1, 1, 1, 0});
        c.ui.deleteAnswers = test.answers;
        c.doc.Execute(CommandId::Delete);
        EXPECT_EQ(c.Titles(), test.left);
        EXPECT_EQ(c.ui.deleteQuestions.size(), test.questions);
        EXPECT_EQ(c.doc.IsEnabled(CommandId::Undo), test.left.size() < 4);
        EXPECT_FALSE(c.ui.rowsSelected);
        ExpectConsistent(c.doc);
    }
}

TEST(Delete, AsksWithTheMovieNameAndRemovesItsLookupValues) {
    Catalogue c({{.title = "Alien \"Director's\" Cut", .actor1 = "Sigourney", .rating = "R"},
                 {.title = "Babe", .actor1 = "Pig", .rating = "G"}});
    c.Select({1, 0});
    c.ui.deleteAnswers = {DeleteAnswer::Yes};
    c.doc.Execute(CommandId::Delete);
    EXPECT_EQ(c.ui.deleteQuestions,
              Titles{"Are you sure you want to delete Alien \"Director's\" Cut?"});
    EXPECT_FALSE(c.doc.Catalogue().Lookup(LookupKind::Actors).Contains("Sigourney"));
    EXPECT_FALSE(c.doc.Catalogue().Lookup(LookupKind::Ratings).Contains("R"));
    EXPECT_EQ(c.doc.Display().Order(), std::vector<std::uint32_t>{0});
    EXPECT_EQ(c.doc.Undo().action, msg::kUndoRestore);
    EXPECT_TRUE(c.doc.IsModified());
}

TEST(Delete, ClosingTheQuestionDeletesNothingMore) {
    // After a YES, a question closed without an answer must not count as another YES.
    Catalogue c({{.title = "A"}, {.title = "B"}, {.title = "C"}});
    c.Select({1, 1, 1});
    c.ui.deleteAnswers = {DeleteAnswer::Yes, std::nullopt};
    c.doc.Execute(CommandId::Delete);
    EXPECT_EQ(c.Titles(), (Titles{"B", "C"}));
    EXPECT_EQ(c.ui.deleteQuestions.size(), 2u);
}

TEST(Delete, AMovieNamedDeleteIsAnOrdinaryMovie) {
    // Deleting Alien keeps the movie named "DELETE", in the command and in its undo.
    Catalogue c({{.title = "Alien"}, {.title = "DELETE"}, {.title = "Brazil"}});
    c.Select({1, 0, 0});
    c.ui.deleteAnswers = {DeleteAnswer::Yes};
    c.doc.Execute(CommandId::Delete);
    EXPECT_EQ(c.Titles(), (Titles{"DELETE", "Brazil"}));
    c.doc.Execute(CommandId::Undo);
    EXPECT_EQ(c.Titles(), (Titles{"DELETE", "Brazil", "Alien"}));

    // The Undo of an Enter takes out the entered movie only.
    c.ui.entryAnswers.push_back(Answer("Casablanca"));
    c.doc.Execute(CommandId::Enter);
    c.doc.Execute(CommandId::Undo);
    EXPECT_EQ(c.Titles(), (Titles{"DELETE", "Brazil", "Alien"}));

    // It is asked about like any other, and goes when the user says so.
    c.Select({1, 1, 1});
    c.ui.deleteAnswers = {DeleteAnswer::No, DeleteAnswer::No, DeleteAnswer::Yes};
    c.doc.Execute(CommandId::Delete);  // listed by title: Alien, Brazil, DELETE
    EXPECT_EQ(c.ui.deleteQuestions.back(), "Are you sure you want to delete DELETE?");
    EXPECT_EQ(c.ui.deleteQuestions.size(), 4u);
    EXPECT_EQ(c.Titles(), (Titles{"Brazil", "Alien"}));
    ExpectConsistent(c.doc);
}

TEST(Delete, AsksOnceForAMovieListedUnderTwoSelectedActors) {
    Catalogue c({{.title = "Solo", .actor1 = "Ann"},
                 {.title = "Duo", .actor1 = "Ann", .actor2 = "Bob"},
                 {.title = "Keep", .actor1 = "Cy"}});
    c.doc.Execute(CommandId::SortByActors);
    // Rows: Ann: Solo, Duo; Bob: Duo; Cy: Keep.
    ASSERT_EQ(c.doc.Display().ActorRowCount(), 4u);
    c.Select({0, 1, 1, 0});
    c.ui.deleteAnswers = {DeleteAnswer::Yes, DeleteAnswer::Yes};
    c.doc.Execute(CommandId::Delete);
    EXPECT_EQ(c.ui.deleteQuestions, Titles{"Are you sure you want to delete Duo?"});
    EXPECT_EQ(c.Titles(), (Titles{"Solo", "Keep"}));
    EXPECT_EQ(c.doc.Undo().size(), 1u);
    ExpectConsistent(c.doc);
}

TEST(Delete, IgnoresFlagsBeyondTheListing) {
    Catalogue c({{.title = "A"}, {.title = "B"}});
    c.Select({0, 1, 1, 1, 1});
    c.ui.deleteAnswers = {DeleteAnswer::YesToAll};
    c.doc.Execute(CommandId::Delete);
    EXPECT_EQ(c.Titles(), Titles{"A"});
    ExpectConsistent(c.doc);
}

// ---- odd catalogues -----------------------------------------------------------------------

TEST(EditingCommands, KeepEveryArrayAtTheRecordCountOnOddCatalogues) {
    const std::vector<std::vector<Movie>> catalogues = {
        {},
        {{.title = "Solo"}},
        {{}, {}, {}},
        {{.title = "DELETE"}, {.title = "NO ACTOR LISTED", .actor1 = "NO ACTOR LISTED"}},
        {{.title = "Line\r\nbreak \"quoted\"", .synopsis = "a\nb"}, {.title = ","}},
    };
    for (const auto& movies : catalogues) {
        Catalogue c(movies);
        const std::uint32_t n = c.doc.Catalogue().Count();
        c.ui.entryAnswers.push_back(RecordValues{});
        c.doc.Execute(CommandId::Enter);
        ExpectConsistent(c.doc);
        c.Select(std::vector<std::uint32_t>(n + 1, 1));
        c.ui.entryAnswers.assign(n + 1, RecordValues{});
        c.doc.Execute(CommandId::Modify);
        ExpectConsistent(c.doc);
        c.doc.Execute(CommandId::Undo);
        ExpectConsistent(c.doc);
        c.Select(std::vector<std::uint32_t>(n + 1, 1));
        c.ui.deleteAnswers = {DeleteAnswer::YesToAll};
        c.doc.Execute(CommandId::Delete);
        ExpectConsistent(c.doc);
        c.doc.Execute(CommandId::Undo);
        ExpectConsistent(c.doc);
        EXPECT_EQ(c.doc.Catalogue().Count(), n + 1);
    }
}

// ---- running out of memory ----------------------------------------------------------------

// Makes the first allocation after the entry dialog fail.
class FailAfterEntryDialog : public FakeUI {
public:
    bool RunEntryDialog(EntryDialogValues& values) override {
        const bool accepted = FakeUI::RunEntryDialog(values);
        FailAllocationAfter(0);
        return accepted;
    }
};

TEST(OutOfMemory, EnterThatCannotAppendAddsNothing) {
    FailAfterEntryDialog ui;
    CReelkeepDoc doc(ui);
    ui.doc = &doc;
    doc.OnNewDocument();
    ui.entryAnswers.push_back(Answer("Alien"));
    doc.Execute(CommandId::Enter);
    StopFailingAllocations();
    EXPECT_EQ(ui.messages, Titles{std::string(msg::kNoMemoryAddEntries)});
    EXPECT_EQ(doc.Catalogue().Count(), 0u);
    EXPECT_FALSE(doc.IsModified());
    ExpectConsistent(doc);
}

TEST(OutOfMemory, ModifyGoesOnWhenUndoCannotBeRecorded) {
    FailAfterEntryDialog ui;
    CReelkeepDoc doc(ui);
    ui.doc = &doc;
    doc.OnNewDocument();
    FillCatalogue(doc, std::vector<Movie>{{.title = "Alien"}});
    ui.viewSelection = {1};
    ui.rowsSelected = true;
    ui.entryAnswers.push_back(Answer("Aliens"));
    doc.Execute(CommandId::Modify);
    StopFailingAllocations();
    EXPECT_EQ(ui.messages, Titles{std::string(msg::kNoMemoryRecordUndo)});
    EXPECT_EQ(doc.Catalogue().Value(0, Field::MovieName), "Aliens");
    EXPECT_EQ(doc.Undo().size(), 0u);
    ExpectConsistent(doc);
}

// Makes copying the view's selection fail.
class FailingSelectionStore : public FakeUI {
public:
    bool failing = true;
    std::vector<std::uint32_t> SelectedRowFlags() const override {
        if (!failing) return FakeUI::SelectedRowFlags();
        FailAllocationAfter(0);
        std::vector<std::uint32_t> flags = FakeUI::SelectedRowFlags();
        StopFailingAllocations();
        return flags;
    }
};

TEST(OutOfMemory, ASelectionThatCannotBeStoredSelectsNothing) {
    FailingSelectionStore ui;
    CReelkeepDoc doc(ui);
    ui.doc = &doc;
    doc.OnNewDocument();
    FillCatalogue(doc, std::vector<Movie>{{.title = "A"}, {.title = "B"}});
    // Flags left from an earlier command (a Modify, cancelled) must not be taken for the new
    // selection.
    ui.failing = false;
    ui.viewSelection = {0, 1};
    ui.rowsSelected = true;
    doc.Execute(CommandId::Modify);
    ASSERT_EQ(ui.entryDialogsShown.size(), 1u);
    ui.failing = true;
    ui.deleteAnswers = {DeleteAnswer::YesToAll};
    doc.Execute(CommandId::Delete);
    EXPECT_EQ(ui.messages, Titles{std::string(msg::kNoMemoryUndoSelection)});
    EXPECT_EQ(doc.Catalogue().Count(), 2u);
}

TEST(OutOfMemory, EnterLeavesAConsistentCatalogueWhereverMemoryRunsOut) {
    for (long k = 0;; ++k) {
        FakeUI ui;
        CReelkeepDoc doc(ui);
        ui.doc = &doc;
        doc.OnNewDocument();
        FillCatalogue(doc, std::vector<Movie>{{.title = "Zulu", .actor1 = "Z"}, {.title = "A"}});
        doc.Execute(CommandId::SortByTitle);
        ui.entryAnswers.push_back(Answer("A title long enough to need its own allocation"));
        FailAllocationAfter(k);
        try {
            doc.Execute(CommandId::Enter);
        } catch (const std::bad_alloc&) {
            // Steps after the record is in (sorting, lookup lists) may give up; what they
            // leave must still be consistent.
        }
        const bool failed = !FailureStillArmed();
        StopFailingAllocations();
        ExpectConsistent(doc);
        const bool reported = !ui.messages.empty() && ui.messages[0] == msg::kNoMemoryAddEntries;
        if (reported) {
            EXPECT_EQ(doc.Catalogue().Count(), 2u) << "failing allocation " << k;
        }
        if (!failed) break;
    }
}

}  // namespace
}  // namespace reelkeep::test
