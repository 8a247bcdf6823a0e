// Go to Entry: the row the typed text leads to, and the fast search against the rule walked
// literally, row by row, on random catalogues.
#include "go_to_entry.h"

#include <gtest/gtest.h>

#include <random>

#include "catalogue_builder.h"
#include "random_catalogue.h"
#include "sort_keys.h"

namespace reelkeep::test {
namespace {

std::string Lower(std::string text) {
    for (char& c : text) c = (c >= 'A' && c <= 'Z') ? static_cast<char>(c - 'A' + 'a') : c;
    return text;
}

// The field each sort goes by; the movie name while nothing is sorted.
Field SortField(SortMark mark) {
    if (mark == SortMark::TapeNumber) return Field::TapeNumber;
    const SortKeyInfo* key = FindSortKey(mark);
    return key && key->keyField ? *key->keyField : Field::MovieName;
}

// The rule as written: lower-cased copies, the article dropped, the field cut to the length of
// the typed text, one row after the other.
std::optional<std::uint32_t> LiteralGoToRow(const CReelkeepDoc& doc, const std::string& typed) {
    const std::string t = Lower(typed);
    const auto matches = [&](std::string_view key, bool articleStep) {
        std::string f = Lower(std::string(key));
        if (articleStep && f.size() > 4 && t.rfind("the ", 0) != 0 && f.rfind("the ", 0) == 0) {
            f.erase(0, 4);
        }
        if (t.size() < f.size()) f.resize(t.size());
        return f == t;
    };
    const DisplayState& shown = doc.Display().State();
    if (shown.sort == SortMark::Actors) {
        for (std::uint32_t r = 0; r < doc.Display().ActorRowCount(); ++r) {
            if (matches(doc.Display().ActorRowGroupName(r), false)) return r;
        }
    } else if (shown.NormalView() || shown.OneLine()) {
        const DocumentOptions& options = doc.Display().Options();
        const bool ignoreThe = shown.OneLine() ? options.ignoreTheOneLine : options.ignoreTheNormal;
        const std::vector<std::uint32_t>& order = doc.Display().Order();
        for (std::uint32_t p = 0; p < order.size(); ++p) {
            if (matches(doc.Catalogue().Value(order[p], SortField(shown.sort)), ignoreThe))
                return p;
        }
    } else if (shown.LabelFormat()) {
        for (std::uint32_t l = 0; l < doc.Display().Labels().size(); ++l) {
            if (matches(doc.Display().Labels()[l].tapeNumber, false)) return l;
        }
    }
    return std::nullopt;
}

using Row = std::optional<std::uint32_t>;

TEST(GoToEntry, TitlesFollowTheIgnoreTheOption) {
    const std::vector<Movie> movies = {{.title = "Zulu"},
                                       {.title = "The Castle"},
                                       {.title = "Alien"},
                                       {.title = "CAT"},
                                       {.title = "The A"}};
    TestCatalogue on(movies);
    on.doc.Execute(CommandId::SortByTitle);  // The A, Alien, The Castle, CAT, Zulu
    EXPECT_EQ(GoToRow(on.doc.Display(), "cas"), Row(2));
    EXPECT_EQ(GoToRow(on.doc.Display(), "the c"),
              Row(2));  // typed with the article: compared as written
    EXPECT_EQ(GoToRow(on.doc.Display(), "a"), Row(0));  // "The A" compared as "A"
    EXPECT_EQ(GoToRow(on.doc.Display(), "x"), Row());

    DocumentOptions off;
    off.ignoreTheNormal = false;
    TestCatalogue kept(movies, off);
    kept.doc.Execute(CommandId::SortByTitle);  // Alien, CAT, The A, The Castle, Zulu
    EXPECT_EQ(GoToRow(kept.doc.Display(), "cas"), Row());
    EXPECT_EQ(GoToRow(kept.doc.Display(), "the c"), Row(3));
}

TEST(GoToEntry, ActorsKeepTheArticleAndLabelsGoByTapeNumber) {
    TestCatalogue c({{.title = "One", .actor1 = "The Band", .tape = "10"},
                     {.title = "Two", .actor1 = "Bob", .tape = "9"},
                     {.title = "Three", .tape = "011"}});
    c.doc.Execute(CommandId::SortByActors);  // Bob; The Band; NO ACTOR LISTED
    EXPECT_EQ(GoToRow(c.doc.Display(), "band"), Row());
    EXPECT_EQ(GoToRow(c.doc.Display(), "the b"), Row(1));
    EXPECT_EQ(GoToRow(c.doc.Display(), "no actor"), Row(2));
    c.doc.Execute(CommandId::DisplayLabelFormat);  // tapes 9, 10, 011 by value
    EXPECT_EQ(GoToRow(c.doc.Display(), "1"), Row(1));
    EXPECT_EQ(GoToRow(c.doc.Display(), "01"), Row(2));
}

// Random records with more of what the search must get right: values led by the article in any
// field, and movies without actors.
std::vector<RecordValues> Records(std::mt19937& rng) {
    std::vector<RecordValues> records = RandomRecords(rng, rng() % 40);
    for (RecordValues& r : records) {
        for (std::string& value : r) {
            if (rng() % 10 == 0) value = (rng() % 2 ? "The " : "tHe ") + value;
        }
        if (rng() % 6 == 0) {
            for (std::size_t k = 0; k < kActorSlotCount; ++k) r[FieldIndex(ActorField(k))].clear();
        }
    }
    return records;
}

// What users do between two searches, as the window lets them. Changing the option of the mode
// not shown, then switching to it, searches an order the other option made.
void RandomStep(TestCatalogue& c, std::mt19937& rng) {
    static constexpr std::array<CommandId, 13> kCommands = {
        CommandId::SortByTitle,     CommandId::SortByRating,      CommandId::SortByTime,
        CommandId::SortByMovieType, CommandId::SortByMediaType,   CommandId::SortByCustom1,
        CommandId::SortByCustom4,   CommandId::SortByTapeNumber,  CommandId::SortByActors,
        CommandId::OneLineSorts,    CommandId::DisplayNormalView, CommandId::DisplayLabelFormat,
        CommandId::Filters};
    DocumentOptions options = c.doc.Display().Options();
    switch (rng() % 4) {
        case 0:
            options.tapeText = rng() % 2 == 0;
            options.ignoreTheNormal = rng() % 2 == 0;
            options.ignoreTheOneLine = rng() % 2 == 0;
            break;
        case 1: {
            bool& other = c.doc.Display().State().OneLine() ? options.ignoreTheNormal
                                                            : options.ignoreTheOneLine;
            other = !other;
            break;
        }
        default: {
            const CommandId command = kCommands[rng() % kCommands.size()];
            if (command == CommandId::Filters) c.ui.filterAnswers.push_back(RandomFilters(rng));
            c.doc.Execute(command);
            return;
        }
    }
    c.doc.OptionsChanged(options);
}

// Beginnings of the catalogue's values in any case, and texts at the edges of the rule.
std::string RandomTyped(const CReelkeepDoc& doc, std::mt19937& rng) {
    static const std::vector<std::string> kEdges = {
        "the ", "THE", "t",  "th", "the", "the  ",    " ",     " r",      "0", "00",
        "01",   "1",   "07", "9",  "a",   "no actor", "The A", "theater", "L", "\xC3\x89"};
    if (doc.Catalogue().Count() == 0 || rng() % 3 == 0) return kEdges[rng() % kEdges.size()];
    const std::string& value =
        doc.Catalogue().Value(static_cast<std::uint32_t>(rng() % doc.Catalogue().Count()),
                              static_cast<Field>(rng() % kFieldCount));
    std::string typed = value.substr(0, rng() % (value.size() + 1));
    for (char& ch : typed) {
        if (rng() % 4 == 0 && ch >= 'a' && ch <= 'z') ch = static_cast<char>(ch - 32);
    }
    return typed;
}

TEST(GoToEntry, AgreesWithTheLiteralWalkOnRandomCatalogues) {
    std::mt19937 rng(20240611);
    for (int round = 0; round < 1000; ++round) {
        TestCatalogue c({});
        c.Enter(Records(rng));
        for (int step = 0; step < 6; ++step) {
            RandomStep(c, rng);
            for (int k = 0; k < 8; ++k) {
                const std::string typed = RandomTyped(c.doc, rng);
                ASSERT_EQ(GoToRow(c.doc.Display(), typed), LiteralGoToRow(c.doc, typed))
                    << "round " << round << " step " << step << " typed \"" << typed << '"';
            }
        }
    }
}

}  // namespace
}  // namespace reelkeep::test
