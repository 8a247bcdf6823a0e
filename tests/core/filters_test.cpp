#include <gtest/gtest.h>

#include <random>

#include "catalogue_builder.h"
#include "fake_ui.h"
#include "random_catalogue.h"
#include "reference_ordering.h"

namespace reelkeep::test {
namespace {

std::array<std::string, kFilterCount> Filters(FilterField field, std::string text) {
    std::array<std::string, kFilterCount> filters;
    filters.fill("All");
    filters[static_cast<std::size_t>(field)] = std::move(text);
    return filters;
}

std::vector<std::uint32_t> Shown(const std::vector<Movie>& movies,
                                 const std::array<std::string, kFilterCount>& filters) {
    FakeUI ui;
    CReelkeepDoc doc(ui);
    doc.ApplyFilters(filters);
    FillCatalogue(doc, std::span<const Movie>(movies));
    return doc.Display().Order();
}

TEST(Filters, ArePrefixTestsIgnoringCase) {
    const std::vector<Movie> movies = {
        {.title = "Star Wars", .actor1 = "Ford", .actor3 = "De Niro", .rating = "PG"},
        {.title = "Stargate", .actor1 = "Russell", .rating = "PG-13"},
        {.title = "Alien", .rating = "R"},
    };
    using V = std::vector<std::uint32_t>;
    EXPECT_EQ(Shown(movies, Filters(FilterField::Rating, "pg")), (V{0, 1}));
    EXPECT_EQ(Shown(movies, Filters(FilterField::Actor, "de")), (V{0}));
    EXPECT_EQ(Shown(movies, Filters(FilterField::MovieName, "STAR ")), (V{0}));
    EXPECT_EQ(Shown(movies, Filters(FilterField::MovieName, "Star Wars Two")), V{});
    // "all" in any case is no filter; an empty text lets every value through.
    EXPECT_EQ(Shown(movies, Filters(FilterField::Rating, "aLL")), (V{0, 1, 2}));
    EXPECT_EQ(Shown(movies, Filters(FilterField::Actor, "")), (V{0, 1, 2}));
}

TEST(Filters, MatchTheLiteralPassOnRandomCatalogues) {
    std::mt19937 rng(424242);
    for (int round = 0; round < 2000; ++round) {
        const auto records = RandomRecords(rng, rng() % 61);
        const auto filters = RandomFilters(rng);
        FakeUI ui;
        CReelkeepDoc doc(ui);
        doc.ApplyFilters(filters);
        FillCatalogue(doc, records);
        doc.Execute(CommandId::SortByTitle);  // a rebuild must start again from record order
        doc.ApplyFilters(filters);
        const ref::Displayed expected = ref::Filter(records, filters);
        ASSERT_EQ(doc.Display().Order(), expected.order) << "round " << round;
        ASSERT_EQ(doc.Display().DisplayedActors().Entries(), expected.actors) << "round " << round;
    }
}

TEST(Filters, DisplayedActorsFollowEditedRecordsNotAnOutdatedLookupList) {
    const std::vector<Movie> movies = {{.title = "Heat", .actor1 = "Pacino"},
                                       {.title = "Ronin", .actor1 = "De Niro"}};
    FakeUI ui;
    CReelkeepDoc doc(ui);
    FillCatalogue(doc, std::span<const Movie>(movies));
    ui.viewSelection = {0, 1};
    ui.rowsSelected = true;
    ui.entryAnswers.push_back(ToRecord({.title = "Ronin", .actor1 = "Reno"}));
    doc.Execute(CommandId::Modify);
    EXPECT_EQ(doc.Display().DisplayedActors().Entries(),
              (std::vector<std::string>{"Pacino", "Reno"}));
}

}  // namespace
}  // namespace reelkeep::test
