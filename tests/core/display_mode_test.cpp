#include <gtest/gtest.h>

#include <random>

#include "catalogue_builder.h"
#include "fake_ui.h"
#include "random_catalogue.h"
#include "reference_ordering.h"
#include "report_pagination.h"
#include "sort_keys.h"

namespace reelkeep::test {
namespace {

const std::vector<Movie> kMovies = {
    {.title = "The Zoo", .actor1 = "Ann", .tape = "2", .counter = "5", .rating = "R"},
    {.title = "Abyss", .actor1 = "Bob", .tape = "1", .counter = "9", .rating = "PG"},
    {.title = "Top", .tape = "2", .counter = "1", .rating = "G"},
};

struct Doc {
    Doc() : doc(ui) {
        ui.doc = &doc;
        FillCatalogue(doc, std::span<const Movie>(kMovies));
    }
    std::vector<std::string> Titles() const {
        std::vector<std::string> titles;
        for (std::uint32_t r : doc.Display().Order())
            titles.push_back(doc.Catalogue().Value(r, Field::MovieName));
        return titles;
    }
    FakeUI ui;
    CReelkeepDoc doc;
};

using Titles = std::vector<std::string>;

// What is shown, for the view, printing and the tool alike: the actor index over any layout,
// and the rows counted in that mode's own units.
TEST(DisplayModes, WhatIsShownComesFromTheSortMarkAndTheLayout) {
    Doc d;
    const CCatalogueDisplay& display = d.doc.Display();
    EXPECT_EQ(display.Mode(), DisplayMode::Normal);
    EXPECT_EQ(display.ShownRowCount(), 3u);
    d.doc.Execute(CommandId::SortByActors);
    EXPECT_EQ(display.Mode(), DisplayMode::Actors);
    EXPECT_EQ(ReportKindOf(display.Mode()), ReportKind::Actors);
    EXPECT_EQ(display.ShownRowCount(), display.ActorRowCount());
    d.doc.Execute(CommandId::OneLineSorts);
    EXPECT_EQ(display.Mode(), DisplayMode::Actors);  // the index stays over the list
    d.doc.Execute(CommandId::SortByTitle);
    EXPECT_EQ(display.Mode(), DisplayMode::OneLine);
    EXPECT_EQ(ReportKindOf(display.Mode()), ReportKind::OneLine);
    d.doc.Execute(CommandId::DisplayLabelFormat);
    EXPECT_EQ(display.Mode(), DisplayMode::Labels);
    EXPECT_EQ(ReportKindOf(display.Mode()), ReportKind::Normal);
    EXPECT_EQ(display.ShownRowCount(), display.Labels().size());  // tapes 1 and 2
    const DisplayState noLayout{.sort = SortMark::Title, .style = ViewStyle::None};
    EXPECT_EQ(noLayout.Mode(), DisplayMode::None);
}

TEST(DisplayModes, OneLineAndNormalViewKeepTheOrderAndTheActorIndex) {
    Doc d;
    d.doc.Execute(CommandId::SortByRating);
    const Titles byRating = d.Titles();
    d.doc.Execute(CommandId::OneLineSorts);
    EXPECT_TRUE(d.doc.Display().State().OneLine());
    EXPECT_FALSE(d.doc.Display().State().NormalView());
    EXPECT_EQ(d.doc.Display().State().sort, SortMark::Rating);
    d.doc.Execute(CommandId::DisplayNormalView);
    EXPECT_FALSE(d.doc.Display().State().OneLine());
    EXPECT_TRUE(d.doc.Display().State().NormalView());
    EXPECT_EQ(d.Titles(), byRating);

    d.doc.Execute(CommandId::SortByActors);
    d.doc.Execute(CommandId::OneLineSorts);
    EXPECT_EQ(d.doc.Display().State().sort, SortMark::Actors);
    EXPECT_EQ(d.doc.Display().ActorRowCount(), 3u);
}

TEST(DisplayModes, LeavingLabelFormatSortsByTitleAndDropsTheLabels) {
    for (const bool toOneLine : {false, true}) {
        Doc d;
        d.doc.Execute(CommandId::DisplayLabelFormat);
        ASSERT_EQ(d.doc.Display().Labels().size(), 2u);
        if (toOneLine) {
            d.doc.Execute(CommandId::OneLineSorts);
        } else {
            d.doc.Execute(CommandId::DisplayNormalView);
        }
        EXPECT_FALSE(d.doc.Display().State().LabelFormat());
        EXPECT_TRUE(d.doc.Display().Labels().empty());
        EXPECT_EQ(d.doc.Display().State().sort, SortMark::Title);
        EXPECT_EQ(d.doc.Display().State().OneLine(), toOneLine);
        EXPECT_EQ(d.doc.Display().State().NormalView(), !toOneLine);
        EXPECT_EQ(d.Titles(), (Titles{"Abyss", "Top", "The Zoo"}));
    }
}

TEST(DisplayModes, CustomSortsSetTheirOwnMarkAndOneRecordStillSetsIt) {
    FakeUI ui;
    CReelkeepDoc doc(ui);
    const std::vector<Movie> one = {{.title = "Only"}};
    FillCatalogue(doc, std::span<const Movie>(one));
    for (SortMark mark : {SortMark::Custom3, SortMark::Custom1, SortMark::Time}) {
        doc.Execute(FindSortKey(mark)->command);
        EXPECT_EQ(doc.Display().State().sort, mark);
        EXPECT_EQ(doc.Display().Order(), std::vector<std::uint32_t>{0});
    }
    doc.Execute(CommandId::SortByTapeNumber);
    EXPECT_EQ(doc.Display().State().sort, SortMark::TapeNumber);
}

TEST(ReapplyCurrentSort, RunsTheCurrentSortAgain) {
    Doc d;
    d.doc.Execute(CommandId::SortByRating);
    // Top, rated G and listed first, modified to be rated Z.
    d.ui.viewSelection = {1, 0, 0};
    d.ui.rowsSelected = true;
    d.ui.entryAnswers.push_back(
        ToRecord({.title = "Top", .tape = "2", .counter = "1", .rating = "Z"}));
    d.ui.updates = 0;
    d.doc.Execute(CommandId::Modify);
    EXPECT_EQ(d.Titles(), (Titles{"Abyss", "The Zoo", "Top"}));
    EXPECT_EQ(d.ui.updates, 1);

    // With nothing displayed the title mark comes back, whatever was current.
    std::array<std::string, kFilterCount> none;
    none.fill("All");
    none[0] = "nothing like this";
    d.ui.filterAnswers.push_back(none);
    d.doc.Execute(CommandId::Filters);
    EXPECT_EQ(d.doc.Display().State().sort, SortMark::Title);
    EXPECT_TRUE(d.doc.Display().Order().empty());
}

TEST(ReapplyCurrentSort, RebuildsTheLabelsInLabelFormat) {
    Doc d;
    d.doc.Execute(CommandId::DisplayLabelFormat);
    ASSERT_EQ(d.doc.Display().Labels().size(), 2u);
    std::array<std::string, kFilterCount> filters;
    filters.fill("All");
    filters[static_cast<std::size_t>(FilterField::MovieName)] = "t";
    d.ui.filterAnswers.push_back(filters);
    d.ui.updates = 0;
    d.doc.Execute(CommandId::Filters);
    EXPECT_TRUE(d.doc.Display().State().LabelFormat());
    ASSERT_EQ(d.doc.Display().Labels().size(), 1u);
    EXPECT_EQ(d.doc.Display().Labels()[0].titles[0], "Top");  // counter 1 before counter 5
    EXPECT_EQ(d.doc.Display().Labels()[0].titles[1], "The Zoo");
    EXPECT_EQ(d.ui.updates, 1);
}

TEST(OptionsChanged, ReSortsOnlyWhenTheApplicableIgnoreTheChanges) {
    Doc d;
    d.doc.Execute(CommandId::SortByTitle);
    EXPECT_EQ(d.Titles(), (Titles{"Abyss", "Top", "The Zoo"}));
    DocumentOptions options;
    options.ignoreTheOneLine = false;  // not the current mode: no re-sort
    d.doc.OptionsChanged(options);
    EXPECT_EQ(d.Titles(), (Titles{"Abyss", "Top", "The Zoo"}));
    options.ignoreTheNormal = false;
    d.doc.OptionsChanged(options);
    EXPECT_EQ(d.Titles(), (Titles{"Abyss", "The Zoo", "Top"}));
    EXPECT_EQ(d.doc.Display().State().sort, SortMark::Title);

    // In the one-line lists its own option re-sorts by title whatever the current key.
    d.doc.Execute(CommandId::OneLineSorts);
    d.doc.Execute(CommandId::SortByRating);
    options.ignoreTheOneLine = true;
    d.doc.OptionsChanged(options);
    EXPECT_EQ(d.doc.Display().State().sort, SortMark::Title);
    EXPECT_TRUE(d.doc.Display().State().OneLine());
    EXPECT_EQ(d.Titles(), (Titles{"Abyss", "Top", "The Zoo"}));

    // Tape-as-text is only stored.
    d.doc.Execute(CommandId::SortByTapeNumber);
    const auto before = d.doc.Display().Order();
    options.tapeText = true;
    d.doc.OptionsChanged(options);
    EXPECT_EQ(d.doc.Display().Order(), before);
    EXPECT_TRUE(d.doc.Display().Options().tapeText);
}

// Whatever the commands do to the order, the records stay where they are and the order stays a
// set of distinct valid record numbers.
TEST(DisplayModes, RandomCommandSequencesKeepTheStoreAndOrderSound) {
    std::mt19937 rng(4711);
    for (int round = 0; round < 200; ++round) {
        const auto records = RandomRecords(rng, rng() % 61);
        FakeUI ui;
        CReelkeepDoc doc(ui);
        ui.doc = &doc;
        doc.ApplyFilters(RandomFilters(rng));
        FillCatalogue(doc, records);
        const std::size_t shown = doc.Display().Order().size();
        for (int step = 0; step < 12; ++step) {
            switch (rng() % 8) {
                case 0:
                    doc.Execute(CommandId::SortByTitle);
                    break;
                case 1:
                    doc.Execute(FindSortKey(static_cast<SortMark>(4 + rng() % 8))->command);
                    break;
                case 2:
                    doc.Execute(CommandId::SortByTapeNumber);
                    break;
                case 3:
                    doc.Execute(CommandId::SortByActors);
                    break;
                case 4:
                    doc.Execute(CommandId::OneLineSorts);
                    break;
                case 5:
                    doc.Execute(CommandId::DisplayNormalView);
                    break;
                case 6:
                    doc.Execute(CommandId::DisplayLabelFormat);
                    break;
                default:  // the filters given again: the current sort reapplied
                    ui.filterAnswers.assign(1, doc.Display().Filters());
                    doc.Execute(CommandId::Filters);
                    break;
            }
            auto sorted = doc.Display().Order();
            std::sort(sorted.begin(), sorted.end());
            ASSERT_EQ(sorted, ref::Filter(records, doc.Display().Filters()).order);
            ASSERT_EQ(doc.Display().Order().size(), shown);
            EXPECT_FALSE(doc.Display().State().OneLine() && doc.Display().State().NormalView());
            EXPECT_FALSE(ui.ProgressOpen());
            EXPECT_EQ(ui.waitCursorDepth, 0);
        }
        ASSERT_EQ(doc.Catalogue().Count(), records.size());
        for (std::size_t f = 0; f < kFieldCount; ++f) {
            ASSERT_EQ(doc.Catalogue().Column(static_cast<Field>(f)).size(), records.size());
        }
        for (std::uint32_t r = 0; r < doc.Catalogue().Count(); ++r)
            ASSERT_EQ(doc.Catalogue().Record(r), records[r]);
    }
}

}  // namespace
}  // namespace reelkeep::test
