// How printed reports and label sheets fall into pages, against figures worked out by hand, and
// the properties every pagination keeps on random catalogues.
#include <gtest/gtest.h>

#include <algorithm>
#include <optional>
#include <random>
#include <string>
#include <utility>
#include <vector>

#include "allocation_failure.h"
#include "catalogue_builder.h"
#include "label_pagination.h"
#include "messages.h"
#include "random_catalogue.h"
#include "report_pagination.h"
#include "sort_keys.h"

namespace reelkeep::test {
namespace {

using Pages = std::vector<std::pair<std::uint32_t, std::uint32_t>>;

// Every page's first and last print position, in page order.
Pages PagesOf(const ReportPagination& job) {
    Pages pages;
    for (std::uint32_t page = 1; page <= job.totalPages; ++page) {
        const PageRange range = job.Range(page);
        if (range.empty) {
            pages.emplace_back(1, 0);  // shows as an impossible range when compared
        } else {
            pages.emplace_back(range.first, range.last);
        }
    }
    return pages;
}

std::vector<Movie> Titled(const std::vector<std::string>& titles) {
    std::vector<Movie> movies;
    for (const std::string& title : titles) movies.push_back({.title = title});
    return movies;
}

ReportJobInput Input(ReportKind kind, int linesPerPage) {
    ReportJobInput input;
    input.kind = kind;
    input.linesPerPage = linesPerPage;
    return input;
}

// ---- lines lost to the page number and the headers -------------------------------------------

TEST(ReportPagination, NormalViewLosesTwoLinesToThePageNumber) {
    // Six records of 7 lines on a 22-line page: 20 lines hold two records, 22 hold three.
    TestCatalogue c(Titled({"a", "b", "c", "d", "e", "f"}));
    ReportJobInput input = Input(ReportKind::Normal, 22);
    input.options.pageNumbers = true;
    ReportPagination job = PaginateReport(c.doc.Display(), input);
    EXPECT_EQ(job.linesPerPage, 20);
    EXPECT_EQ(job.perPage, 2u);
    EXPECT_EQ(job.totalPages, 3u);
    EXPECT_EQ(PagesOf(job), (Pages{{0, 1}, {2, 3}, {4, 5}}));

    input.options.pageNumbers = false;
    job = PaginateReport(c.doc.Display(), input);
    EXPECT_EQ(job.linesPerPage, 22);
    EXPECT_EQ(job.perPage, 3u);
    EXPECT_EQ(job.totalPages, 2u);
    EXPECT_EQ(PagesOf(job), (Pages{{0, 2}, {3, 5}}));
    EXPECT_TRUE(job.pageFirst.empty());
    EXPECT_EQ(job.breaks, PageBreaks::None);
    EXPECT_FALSE(job.showsHeading);
}

TEST(ReportPagination, NormalViewHeadingTakesTwoMoreLinesInBreakModes) {
    TestCatalogue c(Titled({"a"}));
    ReportJobInput input = Input(ReportKind::Normal, 23);
    input.options.normal = NormalPrint::LetterBreak;
    input.options.pageNumbers = true;
    input.options.heading = true;
    ReportPagination job = PaginateReport(c.doc.Display(), input);
    EXPECT_EQ(job.linesPerPage, 19);
    EXPECT_EQ(job.perPage, 2u);
    EXPECT_TRUE(job.showsHeading);

    input.options.normal = NormalPrint::NameChangeBreak;
    input.options.pageNumbers = false;
    job = PaginateReport(c.doc.Display(), input);
    EXPECT_EQ(job.linesPerPage, 21);
    EXPECT_TRUE(job.showsHeading);

    input.options.heading = false;
    job = PaginateReport(c.doc.Display(), input);
    EXPECT_EQ(job.linesPerPage, 23);
    EXPECT_EQ(job.perPage, 3u);
    EXPECT_FALSE(job.showsHeading);

    // Without a break mode there is no heading line to make room for.
    input.options.heading = true;
    input.options.normal = NormalPrint::MultipleRecords;
    job = PaginateReport(c.doc.Display(), input);
    EXPECT_EQ(job.linesPerPage, 23);
    EXPECT_FALSE(job.showsHeading);
}

TEST(ReportPagination, ListsLoseThreeLinesWithThePageNumberAndOneWithout) {
    std::vector<std::string> titles;
    for (int k = 0; k < 38; ++k) titles.push_back("t" + std::to_string(k));
    TestCatalogue c(Titled(titles));
    ReportJobInput input = Input(ReportKind::OneLine, 20);
    input.options.pageNumbers = true;
    ReportPagination job = PaginateReport(c.doc.Display(), input);
    EXPECT_EQ(job.linesPerPage, 17);
    EXPECT_EQ(job.perPage, 17u);
    EXPECT_EQ(job.totalPages, 3u);
    EXPECT_EQ(PagesOf(job), (Pages{{0, 16}, {17, 33}, {34, 37}}));
    EXPECT_TRUE(job.Range(4).empty);
    EXPECT_TRUE(job.Range(0).empty);

    input.options.pageNumbers = false;
    job = PaginateReport(c.doc.Display(), input);
    EXPECT_EQ(job.linesPerPage, 19);
    EXPECT_EQ(job.totalPages, 2u);
    EXPECT_EQ(PagesOf(job), (Pages{{0, 18}, {19, 37}}));
}

TEST(ReportPagination, OneRecordPerPage) {
    TestCatalogue c(Titled({"a", "b", "c"}));
    ReportJobInput input = Input(ReportKind::Normal, 60);
    input.options.normal = NormalPrint::OneRecordPerPage;
    const ReportPagination job = PaginateReport(c.doc.Display(), input);
    EXPECT_TRUE(job.onePerPage);
    EXPECT_EQ(job.perPage, 1u);
    EXPECT_EQ(PagesOf(job), (Pages{{0, 0}, {1, 1}, {2, 2}}));
}

// A page too small for one record block or one list line still prints one a page.
TEST(ReportPagination, TinyPageHoldsOnePositionAPage) {
    TestCatalogue c(Titled({"a", "b"}));
    for (const ReportKind kind : {ReportKind::Normal, ReportKind::OneLine}) {
        for (const int lines : {-5, 0, 1, 3}) {
            ReportJobInput input = Input(kind, lines);
            input.options.normal = NormalPrint::LetterBreak;
            input.options.oneLine = PageBreaks::Letter;
            const ReportPagination job = PaginateReport(c.doc.Display(), input);
            EXPECT_EQ(job.perPage, 1u);
            EXPECT_EQ(PagesOf(job), (Pages{{0, 0}, {1, 1}}));
        }
    }
    ReportJobInput input = Input(ReportKind::Normal, 50);
    input.linesPerRow = 0;
    EXPECT_EQ(PaginateReport(c.doc.Display(), input).perPage, 48u);
}

// ---- break keys ------------------------------------------------------------------------------

TEST(BreakKeys, LetterKeySkipsTheArticleOnlyInLongerTexts) {
    EXPECT_EQ(BreakKey("The Abyss", PageBreaks::Letter, true), "a");
    EXPECT_EQ(BreakKey("THE ABYSS", PageBreaks::Letter, true), "a");
    EXPECT_EQ(BreakKey("The Abyss", PageBreaks::Letter, false), "t");
    EXPECT_EQ(BreakKey("Abyss", PageBreaks::Letter, true), "a");
    EXPECT_EQ(BreakKey("Thea", PageBreaks::Letter, true), "t");
    EXPECT_EQ(BreakKey("The ", PageBreaks::Letter, true), "t");
    EXPECT_EQ(BreakKey("The", PageBreaks::Letter, true), "t");
    EXPECT_EQ(BreakKey("Theater", PageBreaks::Letter, true), "t");
    EXPECT_EQ(BreakKey("The  x", PageBreaks::Letter, true), " ");
    EXPECT_EQ(BreakKey("", PageBreaks::Letter, true), "");
    // Name changes compare the whole lower-case text, the article included.
    EXPECT_EQ(BreakKey("The Abyss", PageBreaks::NameChange, true), "the abyss");
    EXPECT_EQ(BreakKey("\xC3\x89T\xC3\x89", PageBreaks::NameChange, false), "\xC3\x89t\xC3\x89");
}

TEST(BreakKeys, HeadingShowsTheStoredText) {
    EXPECT_EQ(HeadingValue("The Abyss", PageBreaks::Letter, true), "A");
    EXPECT_EQ(HeadingValue("the end", PageBreaks::Letter, true), "e");
    EXPECT_EQ(HeadingValue("The Abyss", PageBreaks::Letter, false), "T");
    EXPECT_EQ(HeadingValue("Thea", PageBreaks::Letter, true), "T");
    EXPECT_EQ(HeadingValue("The Abyss", PageBreaks::NameChange, true), "Abyss");
    EXPECT_EQ(HeadingValue("The Abyss", PageBreaks::NameChange, false), "The Abyss");
    EXPECT_EQ(HeadingValue("Thea", PageBreaks::NameChange, true), "Thea");
    EXPECT_EQ(HeadingValue("", PageBreaks::Letter, true), "");
}

TEST(BreakKeys, FieldOfEachSort) {
    EXPECT_EQ(BreakField(ReportKind::Normal, SortMark::Title), Field::MovieName);
    EXPECT_EQ(BreakField(ReportKind::Normal, SortMark::None), Field::MovieName);
    EXPECT_EQ(BreakField(ReportKind::Normal, SortMark::Rating), Field::Rating);
    EXPECT_EQ(BreakField(ReportKind::Normal, SortMark::MovieType), Field::MovieType);
    EXPECT_EQ(BreakField(ReportKind::Normal, SortMark::MediaType), Field::MediaType);
    EXPECT_EQ(BreakField(ReportKind::Normal, SortMark::Custom3), Field::Custom3);
    EXPECT_EQ(BreakField(ReportKind::Normal, SortMark::Time), std::nullopt);
    EXPECT_EQ(BreakField(ReportKind::Normal, SortMark::TapeNumber), std::nullopt);
    EXPECT_EQ(BreakField(ReportKind::OneLine, SortMark::Time), Field::Time);
    EXPECT_EQ(BreakField(ReportKind::OneLine, SortMark::Custom4), Field::Custom4);
    EXPECT_EQ(BreakField(ReportKind::OneLine, SortMark::TapeNumber), std::nullopt);
    EXPECT_EQ(BreakField(ReportKind::Actors, SortMark::Actors), std::nullopt);
}

// ---- groups ----------------------------------------------------------------------------------

const std::vector<std::string> kArticleTitles = {"Abyss", "The Abyss", "Aliens",
                                                 "Thea",  "Theater",   "the end"};

TEST(ReportPagination, LetterGroupsIgnoringTheArticle) {
    // Keys with the article ignored: a a a t t e.
    TestCatalogue c({});  // a new catalogue, its movies entered: it breaks on its titles
    c.Enter(ToRecords(Titled(kArticleTitles)));
    ASSERT_EQ(c.doc.Display().State().sort, SortMark::None);
    ReportJobInput input = Input(ReportKind::Normal, 100);
    input.options.normal = NormalPrint::LetterBreak;
    input.options.ignoreTheNormal = true;
    input.options.ignoreTheOneLine = false;
    ReportPagination job = PaginateReport(c.doc.Display(), input);
    EXPECT_EQ(job.breaks, PageBreaks::Letter);
    EXPECT_EQ(PagesOf(job), (Pages{{0, 2}, {3, 4}, {5, 5}}));
    EXPECT_EQ(job.pageFirst, (std::vector<std::uint32_t>{0, 3, 5}));
    EXPECT_EQ(job.pageLast, (std::vector<std::uint32_t>{2, 4, 5}));

    // One Line Sorts takes its own option, here off: a t a t t t.
    input.kind = ReportKind::OneLine;
    input.options.oneLine = PageBreaks::Letter;
    job = PaginateReport(c.doc.Display(), input);
    EXPECT_EQ(PagesOf(job), (Pages{{0, 0}, {1, 1}, {2, 2}, {3, 5}}));

    input.options.ignoreTheOneLine = true;
    job = PaginateReport(c.doc.Display(), input);
    EXPECT_EQ(PagesOf(job), (Pages{{0, 2}, {3, 4}, {5, 5}}));
}

TEST(ReportPagination, ArticleAloneAndBlankTitles) {
    // "The" and "The " are no longer than the article: both fall under t, with "Thea". Two blank
    // titles make a group of their own.
    TestCatalogue c(Titled({"The Ant", "Apple", "The", "The ", "Thea", "", "", "Zed"}));
    ReportJobInput input = Input(ReportKind::OneLine, 100);
    input.options.oneLine = PageBreaks::Letter;
    const ReportPagination job = PaginateReport(c.doc.Display(), input);
    EXPECT_EQ(PagesOf(job), (Pages{{0, 1}, {2, 4}, {5, 6}, {7, 7}}));
}

TEST(ReportPagination, NameChangeKeepsTheArticle) {
    TestCatalogue c(Titled({"The Abyss", "the abyss", "Abyss", "ABYSS", "Abyss Two"}));
    ReportJobInput input = Input(ReportKind::Normal, 100);
    input.options.normal = NormalPrint::NameChangeBreak;
    input.options.ignoreTheNormal = true;
    const ReportPagination job = PaginateReport(c.doc.Display(), input);
    EXPECT_EQ(job.breaks, PageBreaks::NameChange);
    EXPECT_EQ(PagesOf(job), (Pages{{0, 1}, {2, 3}, {4, 4}}));
}

TEST(ReportPagination, AccentedFirstLettersGroupByCharacterIgnoringCase) {
    // é é | ö | ü ü | ç | ж ж: whole characters, not their lead bytes, in either case.
    std::vector<Movie> movies;
    for (const char* t : {"Émile", "été", "Östen", "Über", "The Ünd", "Çay", "Жук", "жара"}) {
        movies.push_back({.title = t, .actor1 = t});
    }
    TestCatalogue c(movies);
    ReportJobInput input = Input(ReportKind::Normal, 100);
    input.options.normal = NormalPrint::LetterBreak;
    input.options.oneLine = input.options.actors = PageBreaks::Letter;
    const Pages expected = {{0, 1}, {2, 2}, {3, 4}, {5, 5}, {6, 7}};
    EXPECT_EQ(PagesOf(PaginateReport(c.doc.Display(), input)), expected);
    input.kind = ReportKind::OneLine;
    EXPECT_EQ(PagesOf(PaginateReport(c.doc.Display(), input)), expected);
    // Sorted byte-wise: "The Ünd" (a t), Ç, É, Ö, Ü, é, Ж ж.
    c.doc.Execute(CommandId::SortByActors);
    input.kind = ReportKind::Actors;
    EXPECT_EQ(PagesOf(PaginateReport(c.doc.Display(), input)),
              (Pages{{0, 0}, {1, 1}, {2, 2}, {3, 3}, {4, 4}, {5, 5}, {6, 7}}));
    EXPECT_EQ(BreakKey("The Жук", PageBreaks::Letter, true), "ж");
    EXPECT_EQ(BreakKey("\xC9t\xE9", PageBreaks::Letter, false), "\xC9");  // not UTF-8: one byte
    EXPECT_EQ(HeadingValue("The Ünd", PageBreaks::Letter, true), "Ü");
}

TEST(ReportPagination, GroupLargerThanAPageGoesOnAndTheNextGroupStartsAFreshPage) {
    // Six lines less three: three to a page. Seven a-titles fill three pages, the b-titles a
    // fourth.
    TestCatalogue c(Titled(
        {"Abyss", "Alien", "Aliens", "Amadeus", "Annie", "Argo", "Avatar", "Babe", "Bambi"}));
    ReportJobInput input = Input(ReportKind::OneLine, 6);
    input.options.oneLine = PageBreaks::Letter;
    const ReportPagination job = PaginateReport(c.doc.Display(), input);
    EXPECT_EQ(job.perPage, 3u);
    EXPECT_EQ(job.totalPages, 4u);
    EXPECT_EQ(PagesOf(job), (Pages{{0, 2}, {3, 5}, {6, 6}, {7, 8}}));
    EXPECT_TRUE(job.Range(5).empty);
}

TEST(ReportPagination, ActorsLedByADigitOrABlankJoinTheGroupBeforeThem) {
    // Sorted, the names below "A" come first: " Sp" opens the first group, "2Pac" and "3 Guys"
    // join it, then each letter opens a page.
    TestCatalogue c({{.title = "m0", .actor1 = "2Pac"},
                     {.title = "m1", .actor1 = "Al"},
                     {.title = "m2", .actor1 = " Sp", .actor2 = "Ann"},
                     {.title = "m3", .actor1 = "3 Guys"},
                     {.title = "m4", .actor1 = "Bob"},
                     {.title = "m5"}});
    c.doc.Execute(CommandId::SortByActors);
    ASSERT_EQ(c.doc.Display().ActorRowCount(), 7u);
    ASSERT_EQ(c.doc.Display().ActorRowGroupName(0), " Sp");
    ASSERT_EQ(c.doc.Display().ActorRowGroupName(3), "Al");
    ReportJobInput input = Input(ReportKind::Actors, 100);
    input.options.actors = PageBreaks::Letter;
    ReportPagination job = PaginateReport(c.doc.Display(), input);
    // " Sp" "2Pac" "3 Guys" | "Al" "Ann" | "Bob" | "NO ACTOR LISTED"
    EXPECT_EQ(PagesOf(job), (Pages{{0, 2}, {3, 4}, {5, 5}, {6, 6}}));

    input.options.actors = PageBreaks::NameChange;
    job = PaginateReport(c.doc.Display(), input);
    EXPECT_EQ(PagesOf(job), (Pages{{0, 2}, {3, 3}, {4, 4}, {5, 5}, {6, 6}}));
}

// ---- sorts that ignore breaks ----------------------------------------------------------------

const std::vector<Movie> kTimedMovies = {
    {.title = "A1", .time = "90", .tape = "1"},  {.title = "A2", .time = "100", .tape = "2"},
    {.title = "B1", .time = "120", .tape = "3"}, {.title = "B2", .time = "95", .tape = "4"},
    {.title = "C1", .time = "100", .tape = "5"},
};

TEST(ReportPagination, NormalViewSortedByTapeOrTimeIgnoresBreaks) {
    for (const bool byTape : {true, false}) {
        TestCatalogue c(kTimedMovies);
        if (byTape) {
            c.doc.Execute(CommandId::SortByTapeNumber);
        } else {
            c.doc.Execute(CommandId::SortByTime);
        }
        ReportJobInput input = Input(ReportKind::Normal, 20);
        input.options.normal = NormalPrint::LetterBreak;
        input.options.heading = true;
        input.options.pageNumbers = true;
        const ReportPagination job = PaginateReport(c.doc.Display(), input);
        EXPECT_EQ(job.breaks, PageBreaks::None);
        EXPECT_FALSE(job.showsHeading);
        EXPECT_EQ(job.linesPerPage, 18);  // no heading lines
        EXPECT_EQ(job.perPage, 2u);
        EXPECT_EQ(PagesOf(job), (Pages{{0, 1}, {2, 3}, {4, 4}}));
        EXPECT_TRUE(job.pageFirst.empty());
    }
}

TEST(ReportPagination, OneLineIgnoresBreaksOnlyWhenSortedByTape) {
    TestCatalogue c(kTimedMovies);
    c.doc.Execute(CommandId::OneLineSorts);
    c.doc.Execute(CommandId::SortByTime);  // as text: 100 100 120 90 95
    ReportJobInput input = Input(ReportKind::OneLine, 100);
    input.options.oneLine = PageBreaks::Letter;
    ReportPagination job = PaginateReport(c.doc.Display(), input);
    EXPECT_EQ(job.breaks, PageBreaks::Letter);
    EXPECT_EQ(PagesOf(job), (Pages{{0, 2}, {3, 4}}));
    input.options.oneLine = PageBreaks::NameChange;
    job = PaginateReport(c.doc.Display(), input);
    EXPECT_EQ(PagesOf(job), (Pages{{0, 1}, {2, 2}, {3, 3}, {4, 4}}));

    c.doc.Execute(CommandId::SortByTapeNumber);
    job = PaginateReport(c.doc.Display(), input);
    EXPECT_EQ(job.breaks, PageBreaks::None);
    EXPECT_EQ(PagesOf(job), (Pages{{0, 4}}));
}

// ---- selection and empty catalogues ----------------------------------------------------------

TEST(ReportPagination, SelectionPrintsTheSelectedRowsInDisplayOrder) {
    TestCatalogue c(Titled({"a0", "a1", "a2", "a3", "b4", "b5", "b6", "c7", "c8", "c9"}));
    ReportJobInput input = Input(ReportKind::OneLine, 5);  // two lines a page
    input.selection = {1, 4, 7};
    ReportPagination job = PaginateReport(c.doc.Display(), input);
    EXPECT_TRUE(job.printsSelection);
    EXPECT_EQ(job.printCount, 3u);
    EXPECT_EQ(job.totalPages, 2u);
    EXPECT_EQ(PagesOf(job), (Pages{{0, 1}, {2, 2}}));
    EXPECT_EQ(job.DisplayPosition(0), 1u);
    EXPECT_EQ(job.DisplayPosition(1), 4u);
    EXPECT_EQ(job.DisplayPosition(2), 7u);

    // The keys are those of the selected records: a, b, c.
    input.linesPerPage = 100;
    input.options.oneLine = PageBreaks::Letter;
    job = PaginateReport(c.doc.Display(), input);
    EXPECT_EQ(PagesOf(job), (Pages{{0, 0}, {1, 1}, {2, 2}}));

    // Printing "All" with rows selected: display positions.
    input.selection.clear();
    job = PaginateReport(c.doc.Display(), input);
    EXPECT_FALSE(job.printsSelection);
    EXPECT_EQ(job.printCount, 10u);
    EXPECT_EQ(job.DisplayPosition(7), 7u);
}

TEST(ReportPagination, SelectedPositionsPastTheListingAreLeftOut) {
    TestCatalogue c(Titled({"a", "b"}));
    ReportJobInput input = Input(ReportKind::Normal, 60);
    input.selection = {1, 2, 9};
    const ReportPagination job = PaginateReport(c.doc.Display(), input);
    EXPECT_EQ(job.selection, (std::vector<std::uint32_t>{1}));
    EXPECT_EQ(job.printCount, 1u);
}

TEST(ReportPagination, EmptyCatalogueHasOneEmptyPage) {
    TestCatalogue c({});
    for (const ReportKind kind : {ReportKind::Normal, ReportKind::OneLine, ReportKind::Actors}) {
        for (const bool breaks : {false, true}) {
            ReportJobInput input = Input(kind, 60);
            if (breaks) {
                input.options.normal = NormalPrint::LetterBreak;
                input.options.oneLine = PageBreaks::Letter;
                input.options.actors = PageBreaks::NameChange;
            }
            const ReportPagination job = PaginateReport(c.doc.Display(), input);
            EXPECT_EQ(job.printCount, 0u);
            EXPECT_EQ(job.totalPages, 1u);
            EXPECT_TRUE(job.Range(1).empty);
        }
    }
}

// ---- properties, on random catalogues ---------------------------------------------------------

// The key each print position breaks on. In Sort by Actors a row belongs to its actor, the group
// name of the nearest first row at or above it, and an actor below "A" joins the group before.
std::vector<std::string> KeysOf(const CReelkeepDoc& doc, const ReportPagination& job,
                                const ReportPrintOptions& o) {
    const bool ignoreThe = job.kind == ReportKind::Normal    ? o.ignoreTheNormal
                           : job.kind == ReportKind::OneLine ? o.ignoreTheOneLine
                                                             : false;
    const std::optional<Field> field = BreakField(job.kind, doc.Display().State().sort);
    std::vector<std::string> keys;
    for (std::uint32_t p = 0; p < job.printCount; ++p) {
        std::uint32_t row = job.DisplayPosition(p);
        if (job.kind != ReportKind::Actors) {
            keys.push_back(BreakKey(doc.Catalogue().Value(doc.Display().Order()[row], *field),
                                    job.breaks, ignoreThe));
            continue;
        }
        while (row > 0 && doc.Display().ActorRowGroupName(row).empty()) --row;
        const std::string key = BreakKey(doc.Display().ActorRowGroupName(row), job.breaks, false);
        keys.push_back(key < "A" && !keys.empty() ? keys.back() : key);
    }
    return keys;
}

// Every position is printed exactly once and in order, no page holds more than its capacity,
// and a page is short only where the listing or, under breaks, its key ends; a page holds one
// key.
void ExpectSoundPages(const CReelkeepDoc& doc, const ReportPagination& job,
                      const ReportPrintOptions& o) {
    const Pages pages = PagesOf(job);
    ASSERT_EQ(pages.size(), job.totalPages);
    ASSERT_GE(job.perPage, 1u);
    if (job.printCount == 0) {
        EXPECT_EQ(pages, (Pages{{1, 0}}));
        return;
    }
    const std::vector<std::string> keys = job.breaks == PageBreaks::None
                                              ? std::vector<std::string>(job.printCount)
                                              : KeysOf(doc, job, o);
    std::uint32_t next = 0;
    for (const auto& [first, last] : pages) {
        ASSERT_EQ(first, next);
        ASSERT_LE(first, last);
        EXPECT_LE(last - first + 1, job.perPage);
        for (std::uint32_t p = first; p <= last; ++p) EXPECT_EQ(keys[p], keys[first]);
        const bool full = last - first + 1 == job.perPage;
        const bool keyEnds = last + 1 == job.printCount || keys[last + 1] != keys[last];
        EXPECT_TRUE(full || keyEnds) << "a short page before its key ends, at " << last;
        next = last + 1;
    }
    EXPECT_EQ(next, job.printCount);
    EXPECT_TRUE(job.Range(job.totalPages + 1).empty);
}

void SortRandomly(std::mt19937& rng, CReelkeepDoc& doc, bool actors) {
    if (actors) {
        if (!doc.Display().DisplayedActors().empty()) doc.Execute(CommandId::SortByActors);
        return;
    }
    if (rng() % 2 == 0) doc.Execute(CommandId::OneLineSorts);
    constexpr SortMark kKeys[] = {SortMark::Rating,  SortMark::MovieType, SortMark::MediaType,
                                  SortMark::Custom1, SortMark::Custom2,   SortMark::Custom3,
                                  SortMark::Custom4, SortMark::Time};
    switch (rng() % 5) {
        case 0:
            break;  // unsorted: breaks on the titles
        case 1:
            doc.Execute(CommandId::SortByTitle);
            break;
        case 2:
            doc.Execute(CommandId::SortByTapeNumber);
            break;
        default:
            doc.Execute(FindSortKey(kKeys[rng() % std::size(kKeys)])->command);
    }
}

// The shared pools have one actor below "A"; the rule that such names join the group before them
// shows only where several follow each other, and titles led by a digit or a sign test the other
// lists' keys.
void AddNamesBelowA(std::mt19937& rng, std::vector<RecordValues>& records) {
    static const std::vector<std::string> kNames = {"2Pac", "3 Guys", "#1 Fan", "(Uncredited)",
                                                    "007",  "@home",  "2pac"};
    for (RecordValues& r : records) {
        for (const Field f : {Field::Actor1, Field::Actor2, Field::MovieName}) {
            if (rng() % 4 == 0) r[FieldIndex(f)] = kNames[rng() % kNames.size()];
        }
    }
}

ReportPrintOptions RandomOptions(std::mt19937& rng) {
    ReportPrintOptions o;
    o.normal = static_cast<NormalPrint>(rng() % 4);
    o.oneLine = static_cast<PageBreaks>(rng() % 3);
    o.actors = static_cast<PageBreaks>(rng() % 3);
    o.heading = rng() % 2 == 0;
    o.pageNumbers = rng() % 2 == 0;
    o.ignoreTheNormal = rng() % 2 == 0;
    o.ignoreTheOneLine = rng() % 2 == 0;
    return o;
}

TEST(ReportPagination, PagesAreSoundOnRandomCatalogues) {
    std::mt19937 rng(20240917);
    for (int round = 0; round < 900; ++round) {
        const ReportKind kind = static_cast<ReportKind>(round % 3);
        FakeUI ui;
        CReelkeepDoc doc(ui);
        doc.OnNewDocument();
        if (rng() % 4 == 0) doc.ApplyFilters(RandomFilters(rng));
        std::vector<RecordValues> records = RandomRecords(rng, rng() % 70);
        AddNamesBelowA(rng, records);
        FillCatalogue(doc, std::span<const RecordValues>(records));
        SortRandomly(rng, doc, kind == ReportKind::Actors);
        if (kind == ReportKind::Actors && doc.Display().State().sort != SortMark::Actors) continue;

        ReportJobInput input;
        input.kind = kind;
        // Mostly pages that hold several positions, now and then one too small for any.
        input.linesPerPage = static_cast<int>(rng() % 8 == 0 ? rng() % 10 : rng() % 100) - 2;
        input.linesPerRow = 7 + static_cast<int>(rng() % 12);
        input.options = RandomOptions(rng);
        const std::uint32_t listing =
            kind == ReportKind::Actors ? doc.Display().ActorRowCount()
                                       : static_cast<std::uint32_t>(doc.Display().Order().size());
        if (rng() % 3 == 0) {
            for (std::uint32_t p = 0; p < listing; ++p) {
                if (rng() % 3 == 0) input.selection.push_back(p);
            }
        }
        SCOPED_TRACE("round " + std::to_string(round));

        ExpectSoundPages(doc, PaginateReport(doc.Display(), input), input.options);
    }
}

// ---- label sheets ----------------------------------------------------------------------------

Label LabelTitled(std::string title) {
    Label label;
    label.titles[0] = std::move(title);
    label.movieCount = 1;
    return label;
}

std::vector<Label> Labels(int count) {
    std::vector<Label> labels;
    for (int k = 0; k < count; ++k) labels.push_back(LabelTitled("Label " + std::to_string(k)));
    return labels;
}

struct Rows {
    std::uint32_t first;
    std::uint32_t last;
    int sheetRow;
    bool operator==(const Rows&) const = default;
};

std::vector<Rows> RowsOf(const LabelJob& job) {
    std::vector<Rows> rows;
    for (std::uint32_t page = 1; page <= job.totalPages; ++page) {
        const LabelRows r = LabelRowsOnPage(job, page);
        EXPECT_FALSE(r.empty) << "page " << page;
        rows.push_back({r.first, r.last, r.firstSheetRow});
    }
    EXPECT_TRUE(LabelRowsOnPage(job, job.totalPages + 1).empty);
    EXPECT_TRUE(LabelRowsOnPage(job, 0).empty);
    return rows;
}

std::vector<std::string> FirstTitles(const LabelJob& job) {
    std::vector<std::string> titles;
    for (const Label& label : job.printLabels) titles.push_back(label.titles[0]);
    return titles;
}

// At 300 dpi: 549 pixels of pitch, 1026 (large) and 936 (small) across for 48 characters.
TEST(LabelFontFit, EveryLineWithinThePitchAndEveryCharacterWithinTheColumn) {
    EXPECT_TRUE(LabelFontFits(kLargeSheet, 49, 21, 300, 300) &&
                LabelFontFits(kSmallSheet, 66, 19, 300, 300));
    EXPECT_FALSE(LabelFontFits(kLargeSheet, 50, 21, 300, 300) ||
                 LabelFontFits(kLargeSheet, 49, 22, 300, 300) ||
                 LabelFontFits(kSmallSheet, 67, 19, 300, 300) ||
                 LabelFontFits(kSmallSheet, 66, 20, 300, 300));
}

TEST(LabelPagination, ElevenLargeLabelsFillSixRowsOnTwoPages) {
    LabelJob job = AllLabelsJob(11, true);
    PaginateLabels(job);
    EXPECT_FALSE(job.selectionJob);
    EXPECT_EQ(job.printCount, 6u);
    EXPECT_EQ(job.totalPages, 2u);
    // The sixth row holds label 10 on the left and nothing on the right.
    EXPECT_EQ(RowsOf(job), (std::vector<Rows>{{0, 4, 0}, {5, 5, 0}}));
}

TEST(LabelPagination, StartPositionTenPutsTheFirstOfThreeLargeLabelsOnTheRight) {
    FakeUI ui;
    const std::vector<Label> labels = Labels(5);
    LabelJob job = BeginLabelSelection(labels, {1, 2, 4}, true, ui);
    EXPECT_TRUE(job.selectionJob);
    EXPECT_EQ(FirstTitles(job), (std::vector<std::string>{"Label 1", "Label 2", "Label 4"}));
    StartAtPosition(job, 10);
    PaginateLabels(job);
    EXPECT_EQ(job.startRow, 4);
    EXPECT_EQ(job.startColumn, 1);
    // The empty label in front takes the left column of row 4.
    EXPECT_EQ(FirstTitles(job), (std::vector<std::string>{"", "Label 1", "Label 2", "Label 4"}));
    EXPECT_EQ(job.printLabels.front().multiple, 0u);
    EXPECT_EQ(job.printCount, 2u);
    EXPECT_EQ(job.totalPages, 2u);
    // Page 1: row 0 (blank, label 1) at sheet row 4; page 2: row 1 (labels 2 and 4) at row 0.
    EXPECT_EQ(RowsOf(job), (std::vector<Rows>{{0, 0, 4}, {1, 1, 0}}));
    EXPECT_TRUE(ui.messages.empty());
}

TEST(LabelPagination, OneLabelInThreeCopiesFromPositionFour) {
    FakeUI ui;
    const std::vector<Label> labels = Labels(3);
    LabelJob job = BeginLabelSelection(labels, {2}, true, ui);
    RepeatLabel(job, 3, ui);
    EXPECT_EQ(job.copies, 3);
    EXPECT_EQ(FirstTitles(job), (std::vector<std::string>(3, "Label 2")));
    // The dialog shows the label against positions 1 to 3, before the start is chosen.
    EXPECT_EQ(StartPositionText(job, 1), "Label 2");
    EXPECT_EQ(StartPositionText(job, 3), "Label 2");
    EXPECT_EQ(StartPositionText(job, 4), "Empty");
    StartAtPosition(job, 4);
    PaginateLabels(job);
    EXPECT_EQ(job.startRow, 1);
    EXPECT_EQ(job.startColumn, 1);
    // Positions 4, 5 and 6: row 1 right, row 2 left and right.
    EXPECT_EQ(FirstTitles(job), (std::vector<std::string>{"", "Label 2", "Label 2", "Label 2"}));
    EXPECT_EQ(job.printCount, 2u);
    EXPECT_EQ(job.totalPages, 1u);
    EXPECT_EQ(RowsOf(job), (std::vector<Rows>{{0, 1, 1}}));
}

TEST(LabelPagination, SmallLabelsFromTheLastPosition) {
    FakeUI ui;
    LabelJob job = BeginLabelSelection(Labels(2), {0, 1}, false, ui);
    StartAtPosition(job, 15);
    PaginateLabels(job);
    EXPECT_EQ(job.startRow, 14);
    EXPECT_EQ(job.startColumn, 0);
    EXPECT_EQ(job.printCount, 2u);
    EXPECT_EQ(job.totalPages, 2u);
    // One label at the bottom of page 1, one at the top of page 2.
    EXPECT_EQ(RowsOf(job), (std::vector<Rows>{{0, 0, 14}, {1, 1, 0}}));
}

TEST(LabelPagination, StartPositionTexts) {
    FakeUI ui;
    const LabelJob job = BeginLabelSelection(Labels(12), {0, 3, 7}, true, ui);
    EXPECT_EQ(StartPositionText(job, 1), "Label 0");
    EXPECT_EQ(StartPositionText(job, 2), "Label 3");
    EXPECT_EQ(StartPositionText(job, 3), "Label 7");
    EXPECT_EQ(StartPositionText(job, 4), msg::kEmptyLabelPosition);
    EXPECT_EQ(StartPositionText(job, 10), "Empty");
    EXPECT_EQ(StartPositionText(job, 0), "Empty");
}

TEST(LabelPagination, EveryJobStartsInTheLeftColumnOfTheFirstRow) {
    FakeUI ui;
    LabelJob first = BeginLabelSelection(Labels(3), {0, 1}, true, ui);
    StartAtPosition(first, 4);
    ASSERT_EQ(first.startColumn, 1);
    const LabelJob next = BeginLabelSelection(Labels(3), {0, 1}, true, ui);
    EXPECT_EQ(next.startColumn, 0);
    EXPECT_EQ(next.startRow, 0);
    EXPECT_EQ(next.copies, 0);
    EXPECT_EQ(AllLabelsJob(3, true).startColumn, 0);
}

TEST(LabelPagination, CopiesOnlyForALoneLabel) {
    FakeUI ui;
    LabelJob job = BeginLabelSelection(Labels(3), {0, 1}, true, ui);
    RepeatLabel(job, 5, ui);
    EXPECT_EQ(job.printLabels.size(), 2u);
    job = BeginLabelSelection(Labels(3), {1}, false, ui);
    RepeatLabel(job, 1000, ui);  // the dialog allows at most 99
    PaginateLabels(job);
    EXPECT_EQ(job.printLabels.size(), 99u);
    EXPECT_EQ(job.printCount, 99u);
    EXPECT_EQ(job.totalPages, 7u);
}

// Long texts, so that copying a label allocates.
std::vector<Label> LongLabels(int count) {
    std::vector<Label> labels;
    for (int k = 0; k < count; ++k) {
        labels.push_back(
            LabelTitled("A title much too long for a short string " + std::to_string(k)));
    }
    return labels;
}

TEST(LabelPagination, OutOfMemoryWhileSelectingKeepsTheLabelsCopied) {
    const std::vector<Label> labels = LongLabels(4);
    const std::vector<std::uint32_t> selected = {0, 1, 2, 3};
    bool sawPartial = false;
    for (long succeeding = 0;; ++succeeding) {
        FakeUI ui;
        FailAllocationAfter(succeeding);
        LabelJob job = BeginLabelSelection(labels, selected, true, ui);
        const bool failed = !FailureStillArmed();
        StopFailingAllocations();
        PaginateLabels(job);
        const std::size_t held = job.printLabels.size();
        EXPECT_EQ(job.printCount, (held + 1) / 2);
        for (std::size_t k = 0; k < held; ++k) {
            EXPECT_EQ(job.printLabels[k].titles[0], labels[k].titles[0]);
        }
        if (!failed) {
            EXPECT_EQ(held, 4u);
            EXPECT_TRUE(ui.messages.empty());
            break;
        }
        EXPECT_EQ(ui.messages,
                  (std::vector<std::string>{std::string(msg::kNoMemorySelectRecords)}));
        EXPECT_LT(held, 4u);
        sawPartial = sawPartial || held > 0;
    }
    EXPECT_TRUE(sawPartial);
}

TEST(LabelPagination, OutOfMemoryWhileCopyingKeepsTheCopiesMade) {
    const std::vector<Label> labels = LongLabels(1);
    bool sawPartial = false;
    for (long succeeding = 0;; ++succeeding) {
        FakeUI ui;
        LabelJob job = BeginLabelSelection(labels, {0}, false, ui);
        FailAllocationAfter(succeeding);
        RepeatLabel(job, 6, ui);
        const bool failed = !FailureStillArmed();
        StopFailingAllocations();
        StartAtPosition(job, 1);
        PaginateLabels(job);
        const std::size_t held = job.printLabels.size();
        EXPECT_GE(held, 1u);
        EXPECT_EQ(job.printCount, held);
        EXPECT_EQ(job.totalPages, 1u);
        for (const Label& label : job.printLabels) EXPECT_EQ(label.titles[0], labels[0].titles[0]);
        if (!failed) {
            EXPECT_EQ(held, 6u);
            EXPECT_TRUE(ui.messages.empty());
            break;
        }
        EXPECT_EQ(ui.messages,
                  (std::vector<std::string>{std::string(msg::kNoMemorySelectRecords)}));
        EXPECT_LT(held, 6u);
        sawPartial = sawPartial || held > 1;
    }
    EXPECT_TRUE(sawPartial);
}

}  // namespace
}  // namespace reelkeep::test
