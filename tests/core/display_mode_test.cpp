#include <gtest/gtest.h>

#include <random>

#include "catalogue_builder.h"
#include "fake_ui.h"
#include "random_catalogue.h"
#include "reference_ordering.h"

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
        for (std::uint32_t r : doc.DisplayOrder()) titles.push_back(doc.Value(r, Field::MovieName));
        return titles;
    }
    FakeUI ui;
    CReelkeepDoc doc;
};

using Titles = std::vector<std::string>;

TEST(DisplayModes, OneLineAndNormalViewKeepTheOrderAndTheActorIndex) {
    Doc d;
    d.doc.KeySortCommand(SortMark::Rating);
    const Titles byRating = d.Titles();
    d.doc.OneLineSortsCommand();
    EXPECT_TRUE(d.doc.OneLineFlag());
    EXPECT_FALSE(d.doc.NormalViewFlag());
    EXPECT_EQ(d.doc.CurrentSort(), SortMark::Rating);
    d.doc.DisplayNormalViewCommand();
    EXPECT_FALSE(d.doc.OneLineFlag());
    EXPECT_TRUE(d.doc.NormalViewFlag());
    EXPECT_EQ(d.Titles(), byRating);

    d.doc.SortByActorsCommand();
    d.doc.OneLineSortsCommand();
    EXPECT_EQ(d.doc.CurrentSort(), SortMark::Actors);
    EXPECT_EQ(d.doc.ActorRowCount(), 3u);
}

TEST(DisplayModes, LeavingLabelFormatSortsByTitleAndDropsTheLabels) {
    for (const bool toOneLine : {false, true}) {
        Doc d;
        d.doc.DisplayLabelFormatCommand();
        ASSERT_EQ(d.doc.Labels().size(), 2u);
        if (toOneLine) {
            d.doc.OneLineSortsCommand();
        } else {
            d.doc.DisplayNormalViewCommand();
        }
        EXPECT_FALSE(d.doc.LabelFormatFlag());
        EXPECT_TRUE(d.doc.Labels().empty());
        EXPECT_EQ(d.doc.CurrentSort(), SortMark::Title);
        EXPECT_EQ(d.doc.OneLineFlag(), toOneLine);
        EXPECT_EQ(d.doc.NormalViewFlag(), !toOneLine);
        EXPECT_EQ(d.Titles(), (Titles{"Abyss", "Top", "The Zoo"}));
    }
}

TEST(DisplayModes, CustomSortsSetTheirOwnMarkAndOneRecordStillSetsIt) {
    FakeUI ui;
    CReelkeepDoc doc(ui);
    const std::vector<Movie> one = {{.title = "Only"}};
    FillCatalogue(doc, std::span<const Movie>(one));
    for (SortMark mark : {SortMark::Custom3, SortMark::Custom1, SortMark::Time}) {
        doc.KeySortCommand(mark);
        EXPECT_EQ(doc.CurrentSort(), mark);
        EXPECT_EQ(doc.DisplayOrder(), std::vector<std::uint32_t>{0});
    }
    doc.TapeNumberSort();
    EXPECT_EQ(doc.CurrentSort(), SortMark::TapeNumber);
}

TEST(ReapplyCurrentSort, RunsTheCurrentSortAgain) {
    Doc d;
    d.doc.KeySortCommand(SortMark::Rating);
    d.doc.SetValue(2, Field::Rating, "Z");
    d.doc.RebuildDisplayOrder();
    d.ui.updates = 0;
    d.doc.ReapplyCurrentSort();
    EXPECT_EQ(d.Titles(), (Titles{"Abyss", "The Zoo", "Top"}));
    EXPECT_EQ(d.ui.updates, 1);

    // With nothing displayed the title mark comes back, whatever was current.
    std::array<std::string, kFilterCount> none;
    none.fill("All");
    none[0] = "nothing like this";
    d.doc.SetFilters(none);
    d.doc.RebuildDisplayOrder();
    d.doc.ReapplyCurrentSort();
    EXPECT_EQ(d.doc.CurrentSort(), SortMark::Title);
    EXPECT_TRUE(d.doc.DisplayOrder().empty());
}

TEST(ReapplyCurrentSort, RebuildsTheLabelsInLabelFormat) {
    Doc d;
    d.doc.DisplayLabelFormatCommand();
    ASSERT_EQ(d.doc.Labels().size(), 2u);
    std::array<std::string, kFilterCount> filters;
    filters.fill("All");
    filters[static_cast<std::size_t>(FilterField::MovieName)] = "t";
    d.doc.SetFilters(filters);
    d.doc.RebuildDisplayOrder();
    d.ui.updates = 0;
    d.doc.ReapplyCurrentSort();
    EXPECT_TRUE(d.doc.LabelFormatFlag());
    ASSERT_EQ(d.doc.Labels().size(), 1u);
    EXPECT_EQ(d.doc.Labels()[0].titles[0], "Top");  // counter 1 before counter 5
    EXPECT_EQ(d.doc.Labels()[0].titles[1], "The Zoo");
    EXPECT_EQ(d.ui.updates, 1);
}

TEST(OptionsChanged, ReSortsOnlyWhenTheApplicableIgnoreTheChanges) {
    Doc d;
    d.doc.TitleSort();
    EXPECT_EQ(d.Titles(), (Titles{"Abyss", "Top", "The Zoo"}));
    DocumentOptions options;
    options.ignoreTheOneLine = false;  // not the current mode: no re-sort
    d.doc.OptionsChanged(options);
    EXPECT_EQ(d.Titles(), (Titles{"Abyss", "Top", "The Zoo"}));
    options.ignoreTheNormal = false;
    d.doc.OptionsChanged(options);
    EXPECT_EQ(d.Titles(), (Titles{"Abyss", "The Zoo", "Top"}));
    EXPECT_EQ(d.doc.CurrentSort(), SortMark::Title);

    // In the one-line lists its own option re-sorts by title whatever the current key.
    d.doc.OneLineSortsCommand();
    d.doc.KeySortCommand(SortMark::Rating);
    options.ignoreTheOneLine = true;
    d.doc.OptionsChanged(options);
    EXPECT_EQ(d.doc.CurrentSort(), SortMark::Title);
    EXPECT_TRUE(d.doc.OneLineFlag());
    EXPECT_EQ(d.Titles(), (Titles{"Abyss", "Top", "The Zoo"}));

    // Tape-as-text is only stored.
    d.doc.TapeNumberSort();
    const auto before = d.doc.DisplayOrder();
    options.tapeText = true;
    d.doc.OptionsChanged(options);
    EXPECT_EQ(d.doc.DisplayOrder(), before);
    EXPECT_TRUE(d.doc.Options().tapeText);
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
        doc.SetFilters(RandomFilters(rng));
        FillCatalogue(doc, records);
        const std::size_t shown = doc.DisplayOrder().size();
        for (int step = 0; step < 12; ++step) {
            switch (rng() % 8) {
                case 0:
                    doc.TitleSort();
                    break;
                case 1:
                    doc.KeySortCommand(static_cast<SortMark>(4 + rng() % 8));
                    break;
                case 2:
                    doc.TapeNumberSort();
                    break;
                case 3:
                    doc.SortByActorsCommand();
                    break;
                case 4:
                    doc.OneLineSortsCommand();
                    break;
                case 5:
                    doc.DisplayNormalViewCommand();
                    break;
                case 6:
                    doc.DisplayLabelFormatCommand();
                    break;
                default:
                    doc.ReapplyCurrentSort();
                    break;
            }
            auto sorted = doc.DisplayOrder();
            std::sort(sorted.begin(), sorted.end());
            ASSERT_EQ(sorted, ref::Filter(records, doc.Filters()).order);
            ASSERT_EQ(doc.DisplayOrder().size(), shown);
            EXPECT_FALSE(doc.OneLineFlag() && doc.NormalViewFlag());
            EXPECT_FALSE(ui.ProgressOpen());
            EXPECT_EQ(ui.waitCursorDepth, 0);
        }
        ASSERT_EQ(doc.RecordCount(), records.size());
        for (std::size_t f = 0; f < kFieldCount; ++f) {
            ASSERT_EQ(doc.Column(static_cast<Field>(f)).size(), records.size());
        }
        for (std::uint32_t r = 0; r < doc.RecordCount(); ++r) ASSERT_EQ(doc.Record(r), records[r]);
    }
}

}  // namespace
}  // namespace reelkeep::test
