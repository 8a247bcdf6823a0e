#include <gtest/gtest.h>

#include <algorithm>

#include "allocation_failure.h"
#include "catalogue_builder.h"
#include "doc_invariants.h"
#include "doc_steps.h"
#include "fake_ui.h"
#include "messages.h"
#include "test_catalogue.h"

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
    DocSteps(c.doc).EnterCommand();
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
    DocSteps(c.doc).DeleteCommand();
    ASSERT_EQ(c.Stored(), Titles{"Bravo"});
    ASSERT_FALSE(c.doc.Catalogue().Lookup(LookupKind::MovieTypes).Contains("Drama"));

    DocSteps(c.doc).UndoCommand();
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
    DocSteps(c.doc).ModifyCommand();
    ASSERT_EQ(c.Stored(), (Titles{"Delta", "Zeta", "Charlie", "Omega"}));
    DocSteps(c.doc).UndoCommand();
    EXPECT_EQ(c.Stored(), (Titles{"Delta", "Alpha", "Charlie", "Bravo"}));
    EXPECT_EQ(c.doc.Catalogue().Value(1, Field::MovieType), "Drama");
    EXPECT_EQ(c.Displayed(), (Titles{"Alpha", "Bravo", "Charlie", "Delta"}));
}

TEST(Undo, RestoresTheOriginalOfAMovieModifiedTwice) {
    // In the actor index a movie with two selected actors is shown by Modify twice.
    Catalogue c({{.title = "Duo", .actor1 = "Ann", .actor2 = "Bob"}, {.title = "Solo"}});
    c.doc.Execute(CommandId::SortByActors);
    ASSERT_EQ(c.doc.Shown().ActorRowCount(), 3u);  // Ann: Duo; Bob: Duo; NO ACTOR LISTED: Solo
    c.Select({1, 1, 0});
    c.ui.entryAnswers = {ToRecord({.title = "First", .actor1 = "Ann", .actor2 = "Bob"}),
                         ToRecord({.title = "Second", .actor1 = "Ann", .actor2 = "Bob"})};
    DocSteps(c.doc).ModifyCommand();
    ASSERT_EQ(c.doc.Catalogue().Value(0, Field::MovieName), "Second");
    DocSteps(c.doc).UndoCommand();
    EXPECT_EQ(c.doc.Catalogue().Value(0, Field::MovieName), "Duo");
}

TEST(Undo, ListsRestoredMoviesUnderTheirActorsInActorSort) {
    Catalogue c(
        {{.title = "Duo", .actor1 = "Ann", .actor2 = "Bob"}, {.title = "Solo", .actor1 = "Cy"}});
    c.doc.Execute(CommandId::SortByActors);
    c.Select({1, 0, 0});  // Ann: Duo
    c.ui.deleteAnswers = {DeleteAnswer::Yes};
    DocSteps(c.doc).DeleteCommand();
    ASSERT_EQ(c.doc.Shown().ActorRowCount(), 1u);  // Cy: Solo
    DocSteps(c.doc).UndoCommand();
    ASSERT_EQ(c.doc.Shown().State().sort, SortMark::Actors);
    std::vector<std::pair<std::string, std::string>> rows;
    for (std::uint32_t r = 0; r < c.doc.Shown().ActorRowCount(); ++r) {
        rows.emplace_back(
            c.doc.Shown().ActorRowGroupName(r),
            c.doc.Catalogue().Value(c.doc.Shown().ActorRowRecord(r), Field::MovieName));
    }
    EXPECT_EQ(rows, (std::vector<std::pair<std::string, std::string>>{
                        {"Ann", "Duo"}, {"Bob", "Duo"}, {"Cy", "Solo"}}));
}

TEST(Undo, IsAvailableOnlyAfterAChangeAndNotInLabelFormat) {
    Catalogue c(kMovies);
    EXPECT_FALSE(c.doc.IsEnabled(CommandId::Undo));
    c.ui.entryAnswers.push_back(ToRecord({.title = "Echo"}));
    DocSteps(c.doc).EnterCommand();
    EXPECT_TRUE(c.doc.IsEnabled(CommandId::Undo));
    c.doc.Execute(CommandId::DisplayLabelFormat);
    EXPECT_FALSE(c.doc.IsEnabled(CommandId::Undo));
    c.doc.Execute(CommandId::Undo);
    EXPECT_EQ(c.doc.Catalogue().Count(), 5u);  // a disabled command does not run
}

TEST(UndoJournal, IsEmptiedByEachCommandAndByANewCatalogue) {
    Catalogue c(kMovies);
    c.ui.entryAnswers.push_back(ToRecord({.title = "Echo"}));
    DocSteps(c.doc).EnterCommand();
    c.Select({1, 0, 0, 0, 0});
    DocSteps(c.doc).ModifyCommand();  // cancelled
    EXPECT_EQ(c.doc.Undo().size(), 0u);
    EXPECT_EQ(c.doc.Undo().action, "");
    c.ui.entryAnswers.push_back(ToRecord({.title = "Foxtrot"}));
    DocSteps(c.doc).EnterCommand();
    c.doc.OnNewDocument();
    EXPECT_FALSE(c.doc.Undo().available);
    EXPECT_EQ(c.doc.Undo().size(), 0u);
}

TEST(OutOfMemory, RecordUndoKeepsTheJournalInStep) {
    Catalogue c(kMovies);
    DocSteps(c.doc).RecordUndo(0, msg::kUndoRestore);
    for (long k = 0;; ++k) {
        UndoJournal before = c.doc.Undo();
        FailAllocationAfter(k);
        DocSteps(c.doc).RecordUndo(1, msg::kUndoRestore);
        const bool failed = !FailureStillArmed();
        StopFailingAllocations();
        ExpectConsistent(c.doc);
        if (!failed) break;
        EXPECT_EQ(c.ui.messages.back(), msg::kNoMemoryRecordUndo);
        EXPECT_EQ(c.doc.Undo().fields, before.fields);
    }
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
        DocSteps(c.doc).DeleteCommand();
        FailAllocationAfter(k);
        try {
            DocSteps(c.doc).UndoCommand();
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
