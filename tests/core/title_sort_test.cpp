#include "title_sort.h"

#include <gtest/gtest.h>

#include <random>

#include "catalogue_builder.h"
#include "fake_ui.h"
#include "messages.h"
#include "random_catalogue.h"
#include "reference_ordering.h"

namespace reelkeep::test {
namespace {

std::vector<std::string> TitlesInOrder(const CReelkeepDoc& doc) {
    std::vector<std::string> titles;
    for (std::uint32_t r : doc.Display().Order())
        titles.push_back(doc.Catalogue().Value(r, Field::MovieName));
    return titles;
}

TEST(TitleKey, SkipsTheLeadingArticleOnlyWhenItApplies) {
    EXPECT_EQ(TitleKey("The Abyss", true), "Abyss");
    EXPECT_EQ(TitleKey("THE END", true), "END");
    EXPECT_EQ(TitleKey("the end", true), "end");
    EXPECT_EQ(TitleKey("The Abyss", false), "The Abyss");
    EXPECT_EQ(TitleKey("The ", true), "The ");  // the article alone is a title, not a prefix
    EXPECT_EQ(TitleKey("Theater", true), "Theater");
    EXPECT_EQ(TitleKey("The", true), "The");
}

TEST(TitleSortCommand, UsesTheIgnoreTheOptionOfTheCurrentMode) {
    const std::vector<Movie> movies = {
        {.title = "Zed"}, {.title = "The Abyss"}, {.title = "Alien"}, {.title = "Abyss"}};
    for (const bool oneLine : {false, true}) {
        FakeUI ui;
        CReelkeepDoc doc(ui);
        DocumentOptions options;
        options.ignoreTheNormal = !oneLine;  // applies only in the normal view
        options.ignoreTheOneLine = oneLine;  // applies only in the one-line lists
        doc.OptionsChanged(options);
        FillCatalogue(doc, std::span<const Movie>(movies));
        if (oneLine) doc.Execute(CommandId::OneLineSorts);
        doc.Execute(CommandId::SortByTitle);
        EXPECT_EQ(TitlesInOrder(doc),
                  (std::vector<std::string>{"The Abyss", "Abyss", "Alien", "Zed"}));
        EXPECT_EQ(doc.Display().State().sort, SortMark::Title);
        EXPECT_EQ(doc.Display().State().OneLine(), oneLine);
        EXPECT_EQ(doc.Display().State().NormalView(), !oneLine);
    }
}

TEST(TitleSortCommand, ShowsProgressOnlyWhileEnabled) {
    std::mt19937 rng(7);
    FakeUI ui;
    CReelkeepDoc doc(ui);
    FillCatalogue(doc, RandomRecords(rng, 40));
    ui.progress.clear();
    doc.Execute(CommandId::SortByTitle);
    EXPECT_TRUE(ui.progress.empty());
    doc.SetProgressEnabled(true);
    doc.Execute(CommandId::SortByTitle);
    ASSERT_EQ(ui.progress.size(), 1u);
    EXPECT_EQ(ui.progress[0].caption, msg::kProgressSortTitle);
    EXPECT_EQ(ui.progress[0].max, 5u);  // gaps 20, 10, 5, 2, 1
    EXPECT_EQ(ui.progress[0].steps, 5u);
    EXPECT_TRUE(ui.progress[0].ended);
    EXPECT_EQ(ui.waitCursorDepth, 0);
}

// The exchange sort is not stable: equal titles end where it leaves them, and the fast sort
// must leave them in the same places.
TEST(TitleSortDifferential, MatchesTheExchangeSortOnRandomCatalogues) {
    std::mt19937 rng(12345);
    for (int round = 0; round < 600; ++round) {
        const auto records = RandomRecords(rng, rng() % 61);
        FakeUI ui;
        CReelkeepDoc doc(ui);
        doc.ApplyFilters(RandomFilters(rng));
        DocumentOptions options;
        options.ignoreTheNormal = rng() % 2;
        options.ignoreTheOneLine = rng() % 2;
        doc.OptionsChanged(options);
        FillCatalogue(doc, records);
        const bool oneLine = rng() % 2;
        if (oneLine) doc.Execute(CommandId::OneLineSorts);
        doc.SetProgressEnabled(true);
        ui.progress.clear();
        if (doc.Display().Order().empty()) continue;  // nothing listed: the command is disabled

        ref::Order expected = doc.Display().Order();
        const std::uint32_t gaps = ref::TitleSort(
            expected, records, oneLine ? options.ignoreTheOneLine : options.ignoreTheNormal);
        doc.Execute(CommandId::SortByTitle);
        ASSERT_EQ(doc.Display().Order(), expected) << "round " << round;
        ASSERT_EQ(ui.progress.size(), 1u);
        EXPECT_EQ(ui.progress[0].max, gaps);
        EXPECT_EQ(ui.progress[0].steps, gaps);
    }
}

TEST(TitleSortDifferential, MatchesOnLongChainsWithManyTies) {
    std::mt19937 rng(99);
    for (const std::size_t n : {17u, 33u, 100u, 257u, 1000u, 2049u}) {
        std::vector<RecordValues> records(n);
        const std::size_t distinct = 1 + rng() % 12;
        for (RecordValues& r : records) {
            r[FieldIndex(Field::MovieName)] =
                std::string(1, static_cast<char>('a' + rng() % distinct));
        }
        ref::Order expected(n);
        for (std::uint32_t i = 0; i < n; ++i) expected[i] = static_cast<std::uint32_t>(n - 1 - i);
        std::shuffle(expected.begin(), expected.end(), rng);
        std::vector<std::uint32_t> actual = expected;
        ref::TitleSort(expected, records, true);
        std::vector<std::string> titles;
        for (const RecordValues& r : records) titles.push_back(r[FieldIndex(Field::MovieName)]);
        SortByTitle(actual, titles, true, [] {});
        EXPECT_EQ(actual, expected) << "n " << n;
    }
}

}  // namespace
}  // namespace reelkeep::test
