#include <gtest/gtest.h>

#include <random>

#include "catalogue_builder.h"
#include "fake_ui.h"
#include "messages.h"
#include "random_catalogue.h"
#include "reference_ordering.h"

namespace reelkeep::test {
namespace {

TEST(ActorIndex, GroupsNamesIgnoringCaseAndGathersMoviesWithoutActors) {
    const std::vector<Movie> movies = {
        {.title = "m0", .actor1 = "Bob", .actor2 = "Ann", .actor3 = "Cy"},
        {.title = "m1"},
        {.title = "m2", .actor1 = "ann", .actor3 = "ANN"},
        {.title = "m3", .actor2 = "bob"},
    };
    FakeUI ui;
    CReelkeepDoc doc(ui);
    FillCatalogue(doc, std::span<const Movie>(movies));
    doc.Execute(CommandId::SortByActors);
    EXPECT_EQ(ref::ActorRowsOf(doc), (std::vector<ref::ActorRow>{{"Ann", "0"},
                                                                 {"", "2"},
                                                                 {"Bob", "0"},
                                                                 {"", "3"},
                                                                 {"Cy", "0"},
                                                                 {"NO ACTOR LISTED", "1"}}));
    EXPECT_EQ(doc.Display().State().sort, SortMark::Actors);
    EXPECT_FALSE(doc.Display().State().NormalView());
    EXPECT_EQ(doc.Display().ListingCount(), 6u);
    EXPECT_EQ(doc.Display().ListingRecord(5), 1u);
    // The displayed-actor list stays sorted afterwards.
    EXPECT_EQ(doc.Display().DisplayedActors().Entries(),
              (std::vector<std::string>{"Ann", "Bob", "Cy"}));
}

TEST(ActorIndex, ActorFilterLimitsGroupsAndMovies) {
    const std::vector<Movie> movies = {
        {.title = "m0", .actor1 = "Smith", .actor2 = "Jones"},
        {.title = "m1", .actor1 = "Jones"},
        {.title = "m2", .actor3 = "smithson"},
    };
    FakeUI ui;
    CReelkeepDoc doc(ui);
    std::array<std::string, kFilterCount> filters;
    filters.fill("All");
    filters[static_cast<std::size_t>(FilterField::Actor)] = "Sm";
    doc.ApplyFilters(filters);
    FillCatalogue(doc, std::span<const Movie>(movies));
    doc.Execute(CommandId::SortByActors);
    EXPECT_EQ(ref::ActorRowsOf(doc),
              (std::vector<ref::ActorRow>{{"Smith", "0"}, {"smithson", "2"}}));
}

TEST(ActorIndex, ReapplyFallsBackToTitleWhenNoActorIsLeft) {
    const std::vector<Movie> movies = {{.title = "b", .actor1 = "Ann"}, {.title = "a"}};
    FakeUI ui;
    CReelkeepDoc doc(ui);
    FillCatalogue(doc, std::span<const Movie>(movies));
    doc.Execute(CommandId::OneLineSorts);
    doc.Execute(CommandId::SortByActors);
    EXPECT_TRUE(doc.Display().State().OneLine());  // Sort by Actors keeps the one-line flag
    // The only actor's movie modified to name none.
    ui.viewSelection = {1, 0};
    ui.rowsSelected = true;
    ui.entryAnswers.push_back(ToRecord({.title = "b"}));
    doc.Execute(CommandId::Modify);
    EXPECT_EQ(doc.Display().State().sort, SortMark::Title);
    EXPECT_TRUE(doc.Display().State().NormalView());
    EXPECT_EQ(doc.Display().ActorRowCount(), 0u);
    EXPECT_EQ(doc.Display().Order(), (std::vector<std::uint32_t>{0, 1}));  // not re-sorted
}

// Random catalogues with filters, over a random earlier sort, against the nested scan. The pools
// hold "NO ACTOR LISTED" in both cases, which joins the pseudo-actor's group.
TEST(ActorIndex, MatchesTheNestedScan) {
    std::mt19937 rng(31337);
    const SortMark earlier[] = {SortMark::None, SortMark::Title, SortMark::Rating,
                                SortMark::TapeNumber};
    for (int round = 0; round < 1500; ++round) {
        const auto records = RandomRecords(rng, rng() % 61);
        FakeUI ui;
        CReelkeepDoc doc(ui);
        ui.doc = &doc;
        doc.ApplyFilters(RandomFilters(rng));
        FillCatalogue(doc, records);
        const SortMark sort = earlier[rng() % 4];
        if (sort == SortMark::Title) doc.Execute(CommandId::SortByTitle);
        if (sort == SortMark::Rating) doc.Execute(CommandId::SortByRating);
        if (sort == SortMark::TapeNumber) doc.Execute(CommandId::SortByTapeNumber);
        doc.SetProgressEnabled(rng() % 2);
        ui.progress.clear();

        std::vector<std::string> actors = doc.Display().DisplayedActors().Entries();
        const auto expected = ref::ActorIndex(doc.Display().Order(), records, actors);
        doc.Execute(CommandId::SortByActors);
        ASSERT_EQ(ref::ActorRowsOf(doc), expected) << "round " << round;
        EXPECT_EQ(doc.Display().DisplayedActors().Entries(), actors);
        if (doc.ProgressEnabled() && !actors.empty()) {
            ASSERT_EQ(ui.progress.size(), 2u);
            EXPECT_EQ(ui.progress[0].caption, msg::kProgressSortActorNames);
            EXPECT_EQ(ui.progress[0].steps, actors.size() - 1);
            EXPECT_EQ(ui.progress[1].caption, msg::kProgressSortActors);
            EXPECT_EQ(ui.progress[1].max, actors.size() + 1);
            EXPECT_EQ(ui.progress[1].steps, actors.size() + 1);
        } else {
            EXPECT_TRUE(ui.progress.empty());
        }
    }
}

}  // namespace
}  // namespace reelkeep::test
