#include <gtest/gtest.h>

#include <new>
#include <random>

#include "catalogue_builder.h"
#include "fake_ui.h"
#include "messages.h"
#include "random_catalogue.h"
#include "reference_ordering.h"
#include "smf_bytes.h"

namespace reelkeep::test {
namespace {

struct LabelDoc {
    explicit LabelDoc(const std::vector<Movie>& movies, bool tapeText = false) : doc(ui) {
        FillCatalogue(doc, std::span<const Movie>(movies));
        DocumentOptions options;
        options.tapeText = tapeText;
        doc.OptionsChanged(options);
        doc.Execute(CommandId::DisplayLabelFormat);
    }
    FakeUI ui;
    CReelkeepDoc doc;
};

TEST(LabelLayout, OneTapeKeepsCounterOrderAndAtMostFiveMovies) {
    std::vector<Movie> movies = {{.title = "a", .tape = "12", .counter = "300"},
                                 {.title = "b", .tape = "12", .counter = "50"},
                                 {.title = "c", .tape = "12", .counter = ""},
                                 {.title = "solo", .actor1 = "Ann", .tape = "3", .rating = "R"}};
    LabelDoc d(movies);
    ASSERT_EQ(d.doc.Display().Labels().size(), 2u);
    const Label& solo = d.doc.Display().Labels()[0];
    EXPECT_EQ(solo.titles[0], "solo");
    EXPECT_EQ(solo.actors[0], "Ann");
    EXPECT_EQ(solo.rating, "R");
    EXPECT_EQ(solo.multiple, 0u);
    const Label& tape12 = d.doc.Display().Labels()[1];
    EXPECT_EQ(tape12.titles, (std::array<std::string, 5>{"c", "b", "a", "", ""}));
    EXPECT_EQ(tape12.counters, (std::array<std::string, 5>{"", "50", "300", "", ""}));
    EXPECT_EQ(tape12.multiple, 1u);
    EXPECT_TRUE(d.doc.Display().State().LabelFormat());
    EXPECT_FALSE(d.doc.Display().State().NormalView());
    EXPECT_EQ(d.doc.Display().State().sort, SortMark::TapeNumber);

    for (int k = 0; k < 3; ++k) {
        movies.push_back({.title = "x" + std::to_string(k), .tape = "12", .counter = "900"});
    }
    LabelDoc six(movies);
    ASSERT_EQ(six.doc.Display().Labels().size(), 2u);
    EXPECT_EQ(six.doc.Display().Labels()[1].titles[4],
              "x1");  // x2, the sixth movie, is on no label
}

TEST(LabelLayout, TapeNumbersShareALabelByTheCurrentTapeRule) {
    const std::vector<Movie> numbers = {{.title = "a", .tape = "7"}, {.title = "b", .tape = "07"}};
    EXPECT_EQ(LabelDoc(numbers).doc.Display().Labels().size(), 1u);
    EXPECT_EQ(LabelDoc(numbers, true).doc.Display().Labels().size(), 2u);
    const std::vector<Movie> texts = {{.title = "a", .tape = "7a"}, {.title = "b", .tape = "7A"}};
    EXPECT_EQ(LabelDoc(texts).doc.Display().Labels().size(), 2u);
    EXPECT_EQ(LabelDoc(texts, true).doc.Display().Labels().size(), 1u);
}

TEST(LabelLayout, MatchesTheLiteralCommandOnRandomCatalogues) {
    std::mt19937 rng(8080);
    for (int round = 0; round < 1500; ++round) {
        const auto records = RandomRecords(rng, rng() % 61);
        const bool tapeText = rng() % 2;
        FakeUI ui;
        CReelkeepDoc doc(ui);
        doc.ApplyFilters(RandomFilters(rng));
        FillCatalogue(doc, records);
        DocumentOptions options;
        options.tapeText = tapeText;
        doc.OptionsChanged(options);
        if (rng() % 2) doc.Execute(CommandId::SortByRating);
        ui.progress.clear();
        ui.messages.clear();
        ui.updates = 0;
        if (doc.Display().Order().empty()) continue;  // nothing listed: the command is disabled

        ref::Order expected = doc.Display().Order();
        if (records.size() >= 2) ref::CounterSort(expected, records);
        const bool warned = ref::TapeSort(expected, records, tapeText);
        const auto labels = ref::Labels(expected, records, tapeText);
        doc.Execute(CommandId::DisplayLabelFormat);
        ASSERT_EQ(doc.Display().Order(), expected) << "round " << round;
        ASSERT_TRUE(ref::SameLabels(doc.Display().Labels(), labels)) << "round " << round;
        EXPECT_EQ(ui.messages.size(), warned ? 1u : 0u);
        EXPECT_EQ(ui.updates, 1);
        if (!expected.empty()) {
            const auto& build = ui.progress.back();
            EXPECT_EQ(build.caption, msg::kProgressBuildLabels);
            EXPECT_EQ(build.max, records.size() - 1);
            EXPECT_EQ(build.steps, expected.size() - 1);
        }
    }
}

// Runs out of memory at the given step of the label build.
class FailingUI : public FakeUI {
public:
    explicit FailingUI(std::uint32_t failAt) : failAt_(failAt) {}
    void SetProgress(std::uint32_t stepsDone) override {
        FakeUI::SetProgress(stepsDone);
        if (progress.back().caption == msg::kProgressBuildLabels &&
            progress.back().steps == failAt_) {
            throw std::bad_alloc();
        }
    }

private:
    std::uint32_t failAt_;
};

TEST(LabelLayout, OutOfMemoryKeepsTheLabelsBuiltSoFar) {
    std::vector<Movie> movies;
    for (int k = 0; k < 6; ++k) movies.push_back({.title = "t", .tape = std::to_string(k)});
    FailingUI ui(3);
    CReelkeepDoc doc(ui);
    FillCatalogue(doc, std::span<const Movie>(movies));
    doc.Execute(CommandId::DisplayLabelFormat);
    EXPECT_EQ(ui.messages, std::vector<std::string>{std::string(msg::kNoMemoryLabels)});
    EXPECT_EQ(doc.Display().Labels().size(), 4u);  // labels of tapes 0..3 were complete
    EXPECT_TRUE(doc.Display().State().LabelFormat());
    EXPECT_FALSE(ui.ProgressOpen());
    EXPECT_EQ(doc.Catalogue().Count(), 6u);
}

TEST(LabelColors, MovieTypesSortBlanksLastAndColoursKeepTheirPlaces) {
    std::mt19937 rng(11);
    for (int round = 0; round < 300; ++round) {
        const auto records = RandomRecords(rng, rng() % 61);
        FakeUI ui;
        CCatalogue catalogue(ui);
        CCatalogueDisplay display(catalogue, ui);
        for (const RecordValues& r : records) catalogue.Append(r);
        catalogue.RebuildLookupLists(false);
        std::vector<std::string> expected = catalogue.Lookup(LookupKind::MovieTypes).Entries();
        ref::MovieTypeSort(expected);
        std::vector<std::uint32_t> colours(expected.size() + rng() % 3);
        for (std::size_t k = 0; k < colours.size(); ++k)
            colours[k] = static_cast<std::uint32_t>(k + 1);
        display.AdoptDataColors(colours);  // as a file gives them
        catalogue.SortMovieTypes(true);
        display.FitLabelColors();
        ASSERT_EQ(catalogue.Lookup(LookupKind::MovieTypes).Entries(), expected);
        if (expected.empty()) {
            EXPECT_TRUE(display.DataColors().empty());
            EXPECT_TRUE(display.HeadingColors().empty());
            EXPECT_TRUE(ui.progress.empty());
        } else {
            EXPECT_EQ(display.DataColors(), colours);
            EXPECT_EQ(display.HeadingColors(), std::vector<std::uint32_t>{0});
            EXPECT_EQ(ui.progress.back().caption, msg::kProgressLabelColors);
            EXPECT_EQ(ui.progress.back().max, expected.size());
        }
    }
}

// Found as Drama taking Comedy's colour, and every colour turning black at a new type.
TEST(LabelColors, EachColourStaysWithItsTypeThroughDeleteUndoEnterImportAndTheFile) {
    TestCatalogue c({{.movieType = "Action"}, {.movieType = "Comedy"}, {.movieType = "Drama"}});
    using Colours = std::vector<std::uint32_t>;
    c.doc.SetModified(false);
    c.doc.SetLabelColors({0x11, 0x22, 0x33}, {0xFF0000});
    EXPECT_TRUE(c.doc.IsModified());  // the file holds them
    c.Select({0, 1, 0});
    c.ui.deleteAnswers = {DeleteAnswer::Yes};
    c.doc.Execute(CommandId::Delete);
    EXPECT_EQ(c.doc.Display().DataColors(), (Colours{0x11, 0x33}));
    c.doc.Execute(CommandId::Undo);
    EXPECT_EQ(c.doc.Display().DataColors(), (Colours{0x11, 0x22, 0x33}));
    c.ui.entryAnswers.push_back(ToRecord({.title = "e", .movieType = "Western"}));
    c.doc.Execute(CommandId::Enter);
    EXPECT_EQ(c.doc.Display().DataColors(), (Colours{0x11, 0x22, 0x33, 0}));
    ASSERT_TRUE(c.doc.ImportRecords({ToRecord({.title = "f", .movieType = "adventure"})}));
    EXPECT_EQ(c.doc.Display().DataColors(), (Colours{0x11, 0, 0x22, 0x33, 0}));

    const std::string saved = SaveBytes(c.doc);
    FakeUI ui;
    CReelkeepDoc loaded(ui);
    ASSERT_TRUE(LoadBytes(loaded, saved));
    EXPECT_EQ(SaveBytes(loaded), saved);
}

TEST(LabelLayout, OpeningAOneMovieCatalogueInLabelFormatShowsItsLabel) {
    FakeUI otherUi;
    CReelkeepDoc other(otherUi);
    FillCatalogue(other, std::vector<Movie>{{.title = "Solo", .tape = "4"}});
    const std::string oneMovie = SaveBytes(other);

    FakeUI ui;
    CReelkeepDoc doc(ui);
    FillCatalogue(
        doc, std::vector<Movie>{{.title = "Old A", .tape = "1"}, {.title = "Old B", .tape = "2"}});
    doc.Execute(CommandId::DisplayLabelFormat);
    ASSERT_EQ(doc.Display().Labels().size(), 2u);
    ASSERT_TRUE(LoadBytes(doc, oneMovie));
    EXPECT_TRUE(doc.Display().State().LabelFormat());
    ASSERT_EQ(doc.Display().Labels().size(), 1u);
    EXPECT_EQ(doc.Display().Labels()[0].titles[0], "Solo");
}

}  // namespace
}  // namespace reelkeep::test
