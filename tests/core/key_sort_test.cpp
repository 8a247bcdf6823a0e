#include <gtest/gtest.h>

#include <random>

#include "catalogue_builder.h"
#include "fake_ui.h"
#include "key_sorts.h"
#include "messages.h"
#include "random_catalogue.h"
#include "reference_ordering.h"
#include "sort_keys.h"

namespace reelkeep::test {
namespace {

struct KeyCase {
    SortMark mark;
    Field field;
    std::string_view caption;
};

const KeyCase kKeyCases[] = {
    {SortMark::Time, Field::Time, msg::kProgressSortTime},
    {SortMark::Rating, Field::Rating, msg::kProgressSortRating},
    {SortMark::MovieType, Field::MovieType, msg::kProgressSortMovieType},
    {SortMark::MediaType, Field::MediaType, msg::kProgressSortMediaType},
    {SortMark::Custom1, Field::Custom1, msg::kProgressSortCustom},
    {SortMark::Custom2, Field::Custom2, msg::kProgressSortCustom},
    {SortMark::Custom3, Field::Custom3, msg::kProgressSortCustom},
    {SortMark::Custom4, Field::Custom4, msg::kProgressSortCustom},
};

std::vector<std::string> ValuesInOrder(const CReelkeepDoc& doc, Field f) {
    std::vector<std::string> values;
    for (std::uint32_t r : doc.Display().Order()) values.push_back(doc.Catalogue().Value(r, f));
    return values;
}

// A document over random records with random filters, options and mode.
struct RandomDoc {
    explicit RandomDoc(std::mt19937& rng) : records(RandomRecords(rng, rng() % 61)), doc(ui) {
        ui.doc = &doc;
        doc.ApplyFilters(RandomFilters(rng));
        FillCatalogue(doc, records);
        options.ignoreTheNormal = rng() % 2;
        options.ignoreTheOneLine = rng() % 2;
        options.tapeText = rng() % 2;
        doc.OptionsChanged(options);
        // The commands ask for a listing: an empty one stays in the Normal View.
        oneLine = rng() % 2 == 1 && !doc.Display().Order().empty();
        if (oneLine) doc.Execute(CommandId::OneLineSorts);
        doc.SetProgressEnabled(rng() % 2);
        ui.progress.clear();
        ui.updates = 0;
    }
    // The order the title pre-sort leaves.
    ref::Order TitleOrder() const {
        ref::Order order = doc.Display().Order();
        ref::TitleSort(order, records,
                       oneLine ? options.ignoreTheOneLine : options.ignoreTheNormal);
        return order;
    }

    std::vector<RecordValues> records;
    FakeUI ui;
    CReelkeepDoc doc;
    DocumentOptions options;
    bool oneLine = false;
};

TEST(KeySort, RatingsSortBlanksLastInTitleOrder) {
    const std::vector<Movie> movies = {{.title = "D", .time = "100", .rating = "R"},
                                       {.title = "C", .time = "95", .rating = " PG"},
                                       {.title = "B", .rating = ""},
                                       {.title = "A", .rating = "PG"},
                                       {.title = "E", .rating = "pg"}};
    FakeUI ui;
    CReelkeepDoc doc(ui);
    FillCatalogue(doc, std::span<const Movie>(movies));
    doc.Execute(CommandId::SortByRating);
    EXPECT_EQ(ValuesInOrder(doc, Field::MovieName),
              (std::vector<std::string>{"A", "E", "D", "B", "C"}));
    // Time compares as text.
    doc.Execute(CommandId::SortByTime);
    EXPECT_EQ(ValuesInOrder(doc, Field::Time).front(), "100");
}

TEST(KeySort, EveryKeyMatchesTheBubbleSortAfterTheTitleSort) {
    std::mt19937 rng(2024);
    for (int round = 0; round < 400; ++round) {
        for (const KeyCase& key : kKeyCases) {
            RandomDoc d(rng);
            if (d.doc.Display().Order().empty()) continue;  // nothing to sort: disabled
            ref::Order expected = d.TitleOrder();
            ref::KeySort(expected, d.records, key.field);
            d.doc.Execute(FindSortKey(key.mark)->command);
            ASSERT_EQ(d.doc.Display().Order(), expected) << "round " << round;
            EXPECT_EQ(d.doc.Display().State().sort, key.mark);
            EXPECT_EQ(d.doc.Display().State().OneLine(), d.oneLine);
            EXPECT_EQ(d.doc.Display().State().NormalView(), !d.oneLine);
            // The key sort's own indicator always shows, after the title sort's.
            ASSERT_FALSE(d.ui.progress.empty());
            const auto& run = d.ui.progress.back();
            EXPECT_EQ(run.caption, key.caption);
            const std::uint32_t n = static_cast<std::uint32_t>(expected.size());
            EXPECT_EQ(run.max, n - 1);
            EXPECT_EQ(run.steps, run.max);
            EXPECT_EQ(d.ui.progress.size(), d.doc.ProgressEnabled() ? 2u : 1u);
            EXPECT_EQ(d.ui.updates, 1);
            EXPECT_EQ(d.ui.waitCursorDepth, 0);
            EXPECT_GE(d.ui.maxWaitCursorDepth, 1);
        }
    }
}

TEST(TapeSort, NumericModeSortsByValueAndWarnsOnce) {
    const std::vector<Movie> movies = {{.title = "a", .tape = "10"},
                                       {.title = "b", .tape = "A1"},
                                       {.title = "c", .tape = ""},
                                       {.title = "d", .tape = "9"},
                                       {.title = "e", .tape = "x"}};
    FakeUI ui;
    CReelkeepDoc doc(ui);
    FillCatalogue(doc, std::span<const Movie>(movies));
    doc.Execute(CommandId::SortByTapeNumber);
    EXPECT_EQ(ValuesInOrder(doc, Field::TapeNumber),
              (std::vector<std::string>{"9", "10", "A1", "", "x"}));
    EXPECT_EQ(ui.messages, std::vector<std::string>{std::string(msg::kTapeNotAllDigits)});
    EXPECT_EQ(doc.Display().State().sort, SortMark::TapeNumber);

    DocumentOptions asText;
    asText.tapeText = true;
    doc.OptionsChanged(asText);
    ui.messages.clear();
    doc.Execute(CommandId::SortByTapeNumber);
    EXPECT_EQ(ValuesInOrder(doc, Field::TapeNumber),
              (std::vector<std::string>{"", "10", "9", "A1", "x"}));
    EXPECT_TRUE(ui.messages.empty());
}

TEST(TapeSort, HugeTapeNumbersCompareByValue) {
    const std::string huge(200, '9');
    const std::vector<Movie> movies = {{.title = "a", .tape = huge},
                                       {.title = "b", .tape = "0" + huge},
                                       {.title = "c", .tape = "1" + std::string(199, '0')},
                                       {.title = "d", .tape = "4294967296"}};
    FakeUI ui;
    CReelkeepDoc doc(ui);
    FillCatalogue(doc, std::span<const Movie>(movies));
    doc.Execute(CommandId::SortByTapeNumber);
    EXPECT_EQ(ValuesInOrder(doc, Field::MovieName), (std::vector<std::string>{"d", "c", "a", "b"}));
    EXPECT_TRUE(ui.messages.empty());
}

TEST(TapeSort, MatchesTheBubbleSortAndItsWarningInBothModes) {
    std::mt19937 rng(77);
    for (int round = 0; round < 1500; ++round) {
        RandomDoc d(rng);
        if (d.doc.Display().Order().empty()) continue;  // nothing to sort: disabled
        ref::Order expected = d.TitleOrder();
        const bool noted = ref::TapeSort(expected, d.records, d.options.tapeText);
        d.doc.Execute(CommandId::SortByTapeNumber);
        ASSERT_EQ(d.doc.Display().Order(), expected) << "round " << round;
        EXPECT_EQ(d.ui.messages.size(), noted ? 1u : 0u) << "round " << round;
        EXPECT_EQ(d.doc.Display().State().sort, SortMark::TapeNumber);
        EXPECT_EQ(d.doc.Display().State().OneLine(), d.oneLine);
        EXPECT_EQ(d.ui.progress.back().caption, msg::kProgressSortTape);
        EXPECT_EQ(d.ui.progress.back().steps, expected.size() - 1);
        EXPECT_EQ(d.ui.updates, 1);
    }
}

TEST(CounterSort, MatchesTheBubbleSort) {
    std::mt19937 rng(5);
    for (int round = 0; round < 1500; ++round) {
        RandomDoc d(rng);
        ref::Order expected = d.doc.Display().Order();
        ref::CounterSort(expected, d.records);
        ref::Order order = d.doc.Display().Order();
        StableSortCounters(order, d.doc.Catalogue().Column(Field::Counter));
        ASSERT_EQ(order, expected) << "round " << round;
    }
}

TEST(CounterSort, ReadsSignedLeadingDigitsByValue) {
    std::vector<std::uint32_t> order = {0, 1, 2, 3, 4, 5, 6, 7};
    const std::vector<std::string> counters = {
        "12a", "-3", "x", "", " 7", "+11", "-" + std::string(40, '9'), std::string(40, '9')};
    StableSortCounters(order, counters);
    // Counters without a number first, then by value: -99…9, -3, "x" reads 0, 11, 12, 99…9.
    EXPECT_EQ(order, (std::vector<std::uint32_t>{3, 4, 6, 1, 2, 5, 0, 7}));
}

}  // namespace
}  // namespace reelkeep::test
