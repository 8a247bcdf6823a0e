#include <gtest/gtest.h>

#include <algorithm>
#include <random>

#include "catalogue_builder.h"
#include "doc_invariants.h"
#include "fake_ui.h"
#include "find_match.h"
#include "messages.h"
#include "random_catalogue.h"
#include "text_compare.h"

namespace reelkeep::test {
namespace {

using Titles = std::vector<std::string>;

// The matching rule written out the slow, obvious way: lower-cased copies and a word list.
bool ReferenceMatch(const std::string& field, const FindSettings& find) {
    if (field.empty()) return false;
    const auto lower = [](std::string s) {
        for (char& c : s) c = (c >= 'A' && c <= 'Z') ? static_cast<char>(c - 'A' + 'a') : c;
        return s;
    };
    const auto equal = [&](const std::string& a, const std::string& b) {
        return find.matchCase ? a == b : lower(a) == lower(b);
    };
    if (!find.wholeWord) {
        return find.matchCase ? field.find(find.text) != std::string::npos
                              : lower(field).find(lower(find.text)) != std::string::npos;
    }
    if (field.find(' ') == std::string::npos) return equal(field, find.text);
    std::vector<std::string> words;
    std::string word;
    for (char c : field + " ") {
        if (c != ' ') {
            word += c;
        } else if (!word.empty()) {
            words.push_back(word);
            word.clear();
        }
    }
    for (const std::string& w : words) {
        if (equal(w, find.text)) return true;
    }
    return false;
}

TEST(FindMatch, TheFourModes) {
    const FindSettings anyCase{"smith", false, false};
    const FindSettings wholeWord{"smith", false, true};
    const FindSettings exactCase{"Smith", true, false};
    const FindSettings exactWord{"Smith", true, true};
    const auto matches = [](const FindSettings& s, std::string_view field) {
        return CFindMatcher(s).Matches(field);
    };
    EXPECT_TRUE(matches(anyCase, "Will Smith"));
    EXPECT_TRUE(matches(anyCase, "Smithson"));
    EXPECT_TRUE(matches(wholeWord, "Will Smith"));
    EXPECT_FALSE(matches(wholeWord, "Smithson"));
    EXPECT_FALSE(matches(wholeWord, "Smith,"));       // punctuation belongs to the word
    EXPECT_FALSE(matches(wholeWord, "Will\tSmith"));  // only the space separates words
    EXPECT_FALSE(matches(exactCase, "SMITH"));
    EXPECT_TRUE(matches(exactWord, "  Will  Smith "));
    // Only A-Z fold: other bytes must match as they are.
    EXPECT_FALSE(matches({"\xC3\xA9", false, false}, "\xC3\x89"));
    EXPECT_TRUE(matches({"[", false, false}, "a[b"));
    EXPECT_FALSE(matches({"{", false, false}, "a[b"));
}

TEST(FindMatch, EmptyFieldsNeverMatchAndEmptyTextOnlyFindsSubstrings) {
    for (const bool matchCase : {false, true}) {
        for (const bool wholeWord : {false, true}) {
            EXPECT_FALSE(CFindMatcher({"", matchCase, wholeWord}).Matches(""));
            EXPECT_FALSE(CFindMatcher({"x", matchCase, wholeWord}).Matches(""));
            EXPECT_EQ(CFindMatcher({"", matchCase, wholeWord}).Matches("a  b"), !wholeWord);
        }
    }
}

TEST(FindMatch, AgreesWithTheLiteralRuleOnRandomText) {
    std::mt19937 rng(7);
    const std::string alphabet = "aAbB ,\xE9";
    const auto randomText = [&](int maxLength) {
        std::string s(std::uniform_int_distribution<int>(0, maxLength)(rng), ' ');
        for (char& c : s) c = alphabet[rng() % alphabet.size()];
        return s;
    };
    for (int i = 0; i < 20000; ++i) {
        const FindSettings find{randomText(3), (rng() & 1) != 0, (rng() & 2) != 0};
        const std::string field = randomText(8);
        ASSERT_EQ(CFindMatcher(find).Matches(field), ReferenceMatch(field, find))
            << "field '" << field << "' text '" << find.text << "' case " << find.matchCase
            << " word " << find.wholeWord;
    }
}

// ---- the walk -----------------------------------------------------------------------------

struct Catalogue : TestCatalogue {
    explicit Catalogue(const std::vector<Movie>& movies) : TestCatalogue(movies) {
        doc.Execute(CommandId::SortByTitle);
    }
    // Runs Find and returns the titles the Modify dialog was opened on.
    Titles Find(const FindSettings& settings) {
        ui.findAnswers.push_back(settings);
        doc.Execute(CommandId::Find);
        Titles shown;
        for (const auto& dialog : ui.entryDialogsShown) {
            shown.push_back(dialog.fields[FieldIndex(Field::MovieName)]);
        }
        return shown;
    }
    const FakeUI::ProgressRun& LastSearch() const {
        for (auto run = ui.progress.rbegin(); run != ui.progress.rend(); ++run) {
            if (run->caption == msg::kProgressSearching) return *run;
        }
        throw std::logic_error("no search progress");
    }
};

const std::vector<Movie> kMovies = {
    {.title = "Delta"},
    {.title = "Alpha", .actor1 = "Will Smith"},
    {.title = "Gamma", .synopsis = "SMITH, agent"},
    {.title = "Beta", .custom3 = "Smithson"},
};

TEST(FindWalk, OpensEveryMatchInDisplayOrder) {
    struct Case {
        std::string text;
        bool matchCase;
        bool wholeWord;
        Titles shown;
    };
    const std::vector<Case> cases = {
        {"smith", false, false, {"Alpha", "Beta", "Gamma"}},
        {"smith", false, true, {"Alpha"}},
        {"Smith", true, false, {"Alpha", "Beta"}},
        {"agent", true, true, {"Gamma"}},
    };
    for (const Case& test : cases) {
        Catalogue c(kMovies);
        EXPECT_EQ(c.Find({test.text, test.matchCase, test.wholeWord}), test.shown) << test.text;
        EXPECT_EQ(c.ui.messages.size(), test.shown.size() + 1);
        EXPECT_EQ(c.ui.messages.back(), msg::kFindNoMoreMatches);
        EXPECT_EQ(c.ui.viewSelection, std::vector<std::uint32_t>(4, 0));  // cleared at the end
        EXPECT_FALSE(c.ui.ProgressOpen());
        EXPECT_EQ(c.LastSearch().max, 3u);
        EXPECT_EQ(c.LastSearch().steps, 4u);
    }
}

TEST(FindWalk, ReportsWhenNothingMatches) {
    Catalogue c(kMovies);
    EXPECT_TRUE(c.Find({"zzz", false, false}).empty());
    EXPECT_EQ(c.ui.messages, Titles{std::string(msg::kFindNoMatches)});
    EXPECT_EQ(std::count_if(c.ui.progress.begin(), c.ui.progress.end(),
                            [](const auto& run) { return run.caption == msg::kProgressSearching; }),
              1);
}

TEST(FindWalk, CancelStopsWithoutAClosingMessage) {
    Catalogue c(kMovies);
    c.ui.messageAnswers = {MessageAnswer::Cancel};
    EXPECT_EQ(c.Find({"a", false, false}), Titles{"Alpha"});
    EXPECT_EQ(c.ui.messages, Titles{std::string(msg::kContinueFind)});
    EXPECT_EQ(c.ui.viewSelection, std::vector<std::uint32_t>(4, 0));
    EXPECT_FALSE(c.ui.ProgressOpen());
}

TEST(FindWalk, RemembersTheSearchUntilANewCatalogue) {
    Catalogue c(kMovies);
    c.Find({"gamma", true, false});
    EXPECT_EQ(c.doc.LastFind().text, "gamma");
    EXPECT_TRUE(c.doc.LastFind().matchCase);
    c.ui.messages.clear();
    c.doc.Execute(CommandId::Find);  // dialog cancelled
    EXPECT_EQ(c.doc.LastFind().text, "gamma");
    EXPECT_TRUE(c.ui.messages.empty());
    c.doc.OnNewDocument();
    EXPECT_EQ(c.doc.LastFind().text, "");
    EXPECT_FALSE(c.doc.LastFind().matchCase);
    EXPECT_FALSE(c.doc.LastFind().wholeWord);
}

TEST(FindWalk, FindsAMovieOnceForEachOfItsActors) {
    Catalogue c({{.title = "Trio", .actor1 = "Ann", .actor2 = "Bob", .actor3 = "Cy"},
                 {.title = "Other", .actor1 = "Dan"}});
    c.doc.Execute(CommandId::SortByActors);
    EXPECT_EQ(c.Find({"trio", false, false}), (Titles{"Trio", "Trio", "Trio"}));
}

TEST(FindWalk, EditsTheFoundMovieAndGoesOnInTheNewOrder) {
    Catalogue c({{.title = "Aa"}, {.title = "Ab"}, {.title = "Ac"}});
    // The first match is renamed so that it sorts last; the walk goes on at position 1.
    c.ui.entryAnswers = {ToRecord({.title = "Zz match"})};
    const Titles shown = c.Find({"a", false, false});
    EXPECT_EQ(shown, (Titles{"Aa", "Ac", "Zz match"}));
    EXPECT_EQ(c.doc.Catalogue().Value(0, Field::MovieName), "Zz match");
}

// Regression: an edit made at a match was shown only when the walk ended, after the questions.
TEST(FindWalk, ShowsEachEditBeforeAskingToGoOn) {
    Catalogue c({{.title = "Aa"}, {.title = "Ab"}});
    c.ui.entryAnswers = {ToRecord({.title = "Zz match"})};
    c.ui.messageAnswers = {MessageAnswer::Cancel};
    c.ui.findAnswers.push_back(FindSettings{"a", false, false});
    const int updates = c.ui.updates;
    const int changes = c.ui.documentChanges;
    c.doc.Execute(CommandId::Find);
    ASSERT_EQ(c.ui.messages, Titles{std::string(msg::kContinueFind)});
    // The change had ended for the window (its modified mark) and the list was updated.
    EXPECT_EQ(c.ui.messageMoments[0].documentChanges, changes + 2);
    EXPECT_EQ(c.ui.messageMoments[0].updates, updates + 1);
}

TEST(FindWalk, SurvivesAnEditThatHidesMoviesFromTheListing) {
    Catalogue c({{.title = "Aa"}, {.title = "Ab"}, {.title = "Zz"}});
    c.ui.filterAnswers.push_back(std::array<std::string, kFilterCount>{
        "a", "All", "All", "All", "All", "All", "All", "All", "All"});
    c.doc.Execute(CommandId::Filters);
    ASSERT_EQ(c.doc.Display().Order().size(), 2u);
    c.ui.entryAnswers = {ToRecord({.title = "Hidden now"})};
    c.Find({"a", false, false});
    EXPECT_EQ(c.ui.messages.back(), msg::kFindNoMoreMatches);
    ExpectConsistent(c.doc);
}

// The walk written out literally: every position of the listing as it now stands, each record's
// fields matched there and then.
Titles LiteralWalk(Catalogue& c, const FindSettings& find) {
    const std::uint32_t n = c.doc.Display().ListingCount();
    for (std::uint32_t k = 0; k < n; ++k) {
        if (k >= c.doc.Display().ListingCount()) continue;
        const std::uint32_t record = c.doc.Display().ListingRecord(k);
        bool match = false;
        for (std::size_t f = 0; f < kFieldCount; ++f) {
            match = match ||
                    ReferenceMatch(c.doc.Catalogue().Value(record, static_cast<Field>(f)), find);
        }
        if (!match) continue;
        c.ui.SelectOnly(k, true);
        c.ui.rowsSelected = true;
        c.doc.Execute(CommandId::Modify);
    }
    Titles shown;
    for (const auto& dialog : c.ui.entryDialogsShown) {
        shown.push_back(dialog.fields[FieldIndex(Field::MovieName)]);
    }
    return shown;
}

TEST(FindWalk, AgreesWithTheLiteralWalkWhileMoviesAreEdited) {
    std::mt19937 rng(11);
    for (int round = 0; round < 300; ++round) {
        const std::vector<RecordValues> records = RandomRecords(rng, rng() % 12);
        const std::vector<RecordValues> edits = RandomRecords(rng, 6);
        std::deque<std::optional<RecordValues>> answers;
        for (const RecordValues& edit : edits) {
            answers.push_back(rng() % 3 == 0 ? std::nullopt : std::optional(edit));
        }
        const std::vector<std::string> texts = {"a", "An", "", "Smith", "pg", "The", "7"};
        const FindSettings find{texts[rng() % texts.size()], rng() % 2 == 0, rng() % 3 == 0};
        const bool actors = rng() % 3 == 0;

        Catalogue fast({}), literal({});
        for (Catalogue* c : {&fast, &literal}) {
            FillCatalogue(c->doc, std::span<const RecordValues>(records));
            c->doc.Execute(actors ? CommandId::SortByActors : CommandId::SortByRating);
            c->ui.entryAnswers = answers;
        }
        const Titles shown = fast.Find(find);
        ASSERT_EQ(shown, LiteralWalk(literal, find)) << "round " << round;
        for (std::uint32_t r = 0; r < fast.doc.Catalogue().Count(); ++r) {
            ASSERT_EQ(fast.doc.Catalogue().Record(r), literal.doc.Catalogue().Record(r));
        }
    }
}

}  // namespace
}  // namespace reelkeep::test
