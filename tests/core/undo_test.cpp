#include <gtest/gtest.h>

#include <algorithm>

#include "allocation_failure.h"
#include "catalogue_builder.h"
#include "doc_invariants.h"
#include "fake_ui.h"
#include "messages.h"

namespace reelkeep::test {
namespace {

using Titles = std::vector<std::string>;

struct Catalogue : TestCatalogue {
    explicit Catalogue(const std::vector<Movie>& movies) : TestCatalogue(movies) {
        doc.Execute(CommandId::SortByTitle);
    }
};

const std::vector<Movie> kMovies = {
    {.title = "Delta", .actor1 = "Dee", .rating = "R"},
    {.title = "Alpha", .actor1 = "Al", .movieType = "Drama"},
    {.title = "Charlie", .actor1 = "Cee", .custom2 = "Boxed"},
    {.title = "Bravo", .actor1 = "Bea"},
};

TEST(Undo, TakesBackAnEnter) {
    Catalogue c(kMovies);
    c.ui.entryAnswers.push_back(ToRecord({.title = "Echo", .actor1 = "Eve"}));
    c.doc.Execute(CommandId::Enter);
    c.doc.Execute(CommandId::Undo);
    EXPECT_EQ(c.Stored(), (Titles{"Delta", "Alpha", "Charlie", "Bravo"}));
    EXPECT_FALSE(c.doc.Catalogue().Lookup(LookupKind::Actors).Contains("Eve"));
    EXPECT_FALSE(c.doc.IsEnabled(CommandId::Undo));
    EXPECT_TRUE(c.doc.IsModified());
    ExpectConsistent(c.doc);
}

TEST(Undo, BringsDeletedMoviesBackAtTheEndInTheirSortedPlaces) {
    Catalogue c(kMovies);
    c.Select({1, 0, 1, 1});  // displayed: Alpha, Bravo, Charlie, Delta
    c.ui.deleteAnswers = {DeleteAnswer::YesToAll};
    c.doc.Execute(CommandId::Delete);
    ASSERT_EQ(c.Stored(), Titles{"Bravo"});
    ASSERT_FALSE(c.doc.Catalogue().Lookup(LookupKind::MovieTypes).Contains("Drama"));

    c.doc.Execute(CommandId::Undo);
    EXPECT_EQ(c.Stored(), (Titles{"Bravo", "Alpha", "Charlie", "Delta"}));
    EXPECT_EQ(c.Displayed(), (Titles{"Alpha", "Bravo", "Charlie", "Delta"}));
    EXPECT_TRUE(c.doc.Catalogue().Lookup(LookupKind::MovieTypes).Contains("Drama"));
    EXPECT_TRUE(c.doc.Catalogue().Lookup(LookupKind::Custom2).Contains("Boxed"));
    EXPECT_TRUE(c.doc.Catalogue().Lookup(LookupKind::Ratings).Contains("R"));
    EXPECT_EQ(c.doc.Catalogue().Value(3, Field::Actor1), "Dee");
    ExpectConsistent(c.doc);
}

TEST(Undo, WritesModifiedValuesBack) {
    Catalogue c(kMovies);
    c.Select({1, 1, 0, 0});
    c.ui.entryAnswers = {ToRecord({.title = "Zeta"}), ToRecord({.title = "Omega"})};
    c.doc.Execute(CommandId::Modify);
    ASSERT_EQ(c.Stored(), (Titles{"Delta", "Zeta", "Charlie", "Omega"}));
    c.doc.Execute(CommandId::Undo);
    EXPECT_EQ(c.Stored(), (Titles{"Delta", "Alpha", "Charlie", "Bravo"}));
    EXPECT_EQ(c.doc.Catalogue().Value(1, Field::MovieType), "Drama");
    EXPECT_EQ(c.Displayed(), (Titles{"Alpha", "Bravo", "Charlie", "Delta"}));
}

TEST(Undo, RestoresTheOriginalOfAMovieModifiedTwice) {
    // In the actor index a movie with two selected actors is shown by Modify twice.
    Catalogue c({{.title = "Duo", .actor1 = "Ann", .actor2 = "Bob"}, {.title = "Solo"}});
    c.doc.Execute(CommandId::SortByActors);
    ASSERT_EQ(c.doc.Display().ActorRowCount(), 3u);  // Ann: Duo; Bob: Duo; NO ACTOR LISTED: Solo
    c.Select({1, 1, 0});
    c.ui.entryAnswers = {ToRecord({.title = "First", .actor1 = "Ann", .actor2 = "Bob"}),
                         ToRecord({.title = "Second", .actor1 = "Ann", .actor2 = "Bob"})};
    c.doc.Execute(CommandId::Modify);
    ASSERT_EQ(c.doc.Catalogue().Value(0, Field::MovieName), "Second");
    c.doc.Execute(CommandId::Undo);
    EXPECT_EQ(c.doc.Catalogue().Value(0, Field::MovieName), "Duo");
}

TEST(Undo, ListsRestoredMoviesUnderTheirActorsInActorSort) {
    Catalogue c(
        {{.title = "Duo", .actor1 = "Ann", .actor2 = "Bob"}, {.title = "Solo", .actor1 = "Cy"}});
    c.doc.Execute(CommandId::SortByActors);
    c.Select({1, 0, 0});  // Ann: Duo
    c.ui.deleteAnswers = {DeleteAnswer::Yes};
    c.doc.Execute(CommandId::Delete);
    ASSERT_EQ(c.doc.Display().ActorRowCount(), 1u);  // Cy: Solo
    c.doc.Execute(CommandId::Undo);
    ASSERT_EQ(c.doc.Display().State().sort, SortMark::Actors);
    std::vector<std::pair<std::string, std::string>> rows;
    for (std::uint32_t r = 0; r < c.doc.Display().ActorRowCount(); ++r) {
        rows.emplace_back(
            c.doc.Display().ActorRowGroupName(r),
            c.doc.Catalogue().Value(c.doc.Display().ActorRowRecord(r), Field::MovieName));
    }
    EXPECT_EQ(rows, (std::vector<std::pair<std::string, std::string>>{
                        {"Ann", "Duo"}, {"Bob", "Duo"}, {"Cy", "Solo"}}));
}

TEST(Undo, IsAvailableOnlyAfterAChangeAndNotInLabelFormat) {
    Catalogue c(kMovies);
    EXPECT_FALSE(c.doc.IsEnabled(CommandId::Undo));
    c.ui.entryAnswers.push_back(ToRecord({.title = "Echo"}));
    c.doc.Execute(CommandId::Enter);
    EXPECT_TRUE(c.doc.IsEnabled(CommandId::Undo));
    c.doc.Execute(CommandId::DisplayLabelFormat);
    EXPECT_FALSE(c.doc.IsEnabled(CommandId::Undo));
    c.doc.Execute(CommandId::Undo);
    EXPECT_EQ(c.doc.Catalogue().Count(), 5u);  // a disabled command does not run
}

TEST(UndoJournal, IsEmptiedByEachCommandAndByANewCatalogue) {
    Catalogue c(kMovies);
    c.ui.entryAnswers.push_back(ToRecord({.title = "Echo"}));
    c.doc.Execute(CommandId::Enter);
    c.Select({1, 0, 0, 0, 0});
    c.doc.Execute(CommandId::Modify);  // cancelled
    EXPECT_EQ(c.doc.Undo().size(), 0u);
    EXPECT_EQ(c.doc.Undo().action, "");
    c.ui.entryAnswers.push_back(ToRecord({.title = "Foxtrot"}));
    c.doc.Execute(CommandId::Enter);
    c.doc.OnNewDocument();
    EXPECT_FALSE(c.doc.Undo().available);
    EXPECT_EQ(c.doc.Undo().size(), 0u);
}

// Makes the chosen allocation after the second movie's dialog fail: one of its undo entry's.
class FailAfterSecondEntry : public FakeUI {
public:
    long failAfter = 0;
    bool RunEntryDialog(EntryDialogValues& values) override {
        const bool accepted = FakeUI::RunEntryDialog(values);
        if (entryDialogsShown.size() == 2) FailAllocationAfter(failAfter);
        return accepted;
    }
};

TEST(OutOfMemory, ModifyKeepsTheUndoJournalInStep) {
    int failures = 0;
    for (long k = 0;; ++k) {
        FailAfterSecondEntry ui;
        CReelkeepDoc doc(ui);
        ui.failAfter = k;
        FillCatalogue(doc, std::span<const Movie>(kMovies));
        ui.viewSelection = {1, 1};
        ui.rowsSelected = true;
        ui.entryAnswers = {ToRecord({.title = "D2"}), ToRecord({.title = "A2"})};
        doc.Execute(CommandId::Modify);
        StopFailingAllocations();
        ExpectConsistent(doc);
        if (ui.messages != std::vector<std::string>{std::string(msg::kNoMemoryRecordUndo)}) break;
        ++failures;
        // The entry that could not be copied is left out whole; the first one stays.
        EXPECT_EQ(doc.Undo().fields[FieldIndex(Field::MovieName)],
                  std::vector<std::string>{"Delta"});
    }
    EXPECT_GT(failures, 0);
}

TEST(OutOfMemory, UndoLosesNoRestoredMovieWhereverMemoryRunsOut) {
    std::vector<Movie> movies;
    for (const char* name : {"Alpha", "Bravo", "Charlie", "Delta", "Echo"}) {
        movies.push_back({.title = std::string(name) + " with a title longer than a short string"});
    }
    for (long k = 0;; ++k) {
        Catalogue c(movies);
        c.Select({0, 1, 1, 1, 0});
        c.ui.deleteAnswers = {DeleteAnswer::YesToAll};
        c.doc.Execute(CommandId::Delete);
        FailAllocationAfter(k);
        try {
            c.doc.Execute(CommandId::Undo);
        } catch (const std::bad_alloc&) {
            // The rebuilds after the restore may give up; the store must stay consistent.
        }
        const bool failed = !FailureStillArmed();
        StopFailingAllocations();
        ExpectConsistent(c.doc);
        const auto skipped = std::count(c.ui.messages.begin(), c.ui.messages.end(),
                                        std::string(msg::kNoMemoryRestoreUndo));
        EXPECT_EQ(c.doc.Catalogue().Count(), 5u - skipped) << "failing allocation " << k;
        if (!failed) break;
    }
}

}  // namespace
}  // namespace reelkeep::test
