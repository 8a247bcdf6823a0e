#include <gtest/gtest.h>

#include "catalogue_builder.h"
#include "fake_ui.h"

namespace reelkeep::test {
namespace {

using Filters = std::array<std::string, kFilterCount>;
using Titles = std::vector<std::string>;

Filters AllBut(FilterField field, std::string text) {
    Filters filters;
    filters.fill("All");
    filters[static_cast<std::size_t>(field)] = std::move(text);
    return filters;
}

using Catalogue = TestCatalogue;

const std::vector<Movie> kMovies = {
    {.title = "Star Wars", .actor3 = "De Niro", .rating = "PG-13"},
    {.title = "Babe", .actor1 = "Pig", .rating = "G"},
    {.title = "Alien", .rating = "PG"},
};

TEST(FiltersCommand, TakesTheTypedTextsAndReSorts) {
    Catalogue c(kMovies);
    c.doc.Execute(CommandId::SortByTitle);
    c.ui.filterAnswers.push_back(AllBut(FilterField::Rating, "pg"));
    c.doc.Execute(CommandId::Filters);
    EXPECT_EQ(c.Displayed(), (Titles{"Alien", "Star Wars"}));
    EXPECT_EQ(c.doc.Display().Filters()[static_cast<std::size_t>(FilterField::Rating)], "pg");
    c.ui.filterAnswers.push_back(AllBut(FilterField::MovieName, "ALL"));
    c.doc.Execute(CommandId::Filters);
    EXPECT_EQ(c.Displayed(), (Titles{"Alien", "Babe", "Star Wars"}));
}

TEST(FiltersCommand, UpdatesTheViewsEvenWithoutASortKey) {
    Catalogue c({});
    c.Enter(ToRecords(kMovies));
    ASSERT_EQ(c.doc.Display().State().sort, SortMark::None);
    const int updates = c.ui.updates;
    c.ui.filterAnswers.push_back(AllBut(FilterField::MovieName, "B"));
    c.doc.Execute(CommandId::Filters);
    EXPECT_EQ(c.Displayed(), Titles{"Babe"});
    EXPECT_GT(c.ui.updates, updates);
}

TEST(FiltersCommand, CancelChangesNothing) {
    Catalogue c(kMovies);
    c.ui.filterAnswers.push_back(std::nullopt);
    c.doc.Execute(CommandId::Filters);
    EXPECT_EQ(c.doc.Display().Filters()[0], "All");
    EXPECT_EQ(c.doc.Display().Order().size(), 3u);
    EXPECT_EQ(c.ui.updates, 0);
}

}  // namespace
}  // namespace reelkeep::test
