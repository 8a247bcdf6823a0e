// The record store and the lookup lists of the document: reset, append, resize, purge, and the
// lookup-list rules, with the linear scans of the original design kept here as the reference.
#include <gtest/gtest.h>

#include <functional>
#include <random>

#include "catalogue.h"
#include "catalogue_builder.h"
#include "catalogue_display.h"
#include "fake_ui.h"
#include "messages.h"
#include "random_catalogue.h"
#include "reelkeep_doc.h"
#include "text_compare.h"

namespace reelkeep {
namespace {

using test::FakeUI;

RecordValues Movie(std::string title, std::string a1 = "", std::string a2 = "", std::string a3 = "",
                   std::string type = "") {
    RecordValues v;
    v[FieldIndex(Field::MovieName)] = std::move(title);
    v[FieldIndex(Field::Actor1)] = std::move(a1);
    v[FieldIndex(Field::Actor2)] = std::move(a2);
    v[FieldIndex(Field::Actor3)] = std::move(a3);
    v[FieldIndex(Field::MovieType)] = std::move(type);
    return v;
}

std::vector<std::string> Titles(const CCatalogue& catalogue) {
    return {catalogue.Column(Field::MovieName).begin(), catalogue.Column(Field::MovieName).end()};
}

// The store and the display order over it, as the document holds them.
class RecordStoreTest : public ::testing::Test {
protected:
    void ExpectArraysAtCount() const {
        for (std::size_t f = 0; f < kFieldCount; ++f) {
            EXPECT_EQ(catalogue.Column(static_cast<Field>(f)).size(), catalogue.Count()) << f;
        }
    }
    FakeUI ui;
    CCatalogue catalogue{ui};
    CCatalogueDisplay display{catalogue, ui};
};

TEST(NewDocument, IsReadyEmptyAndUnmodified) {
    FakeUI ui;
    CReelkeepDoc doc(ui);
    EXPECT_FALSE(doc.IsReady());
    test::FillCatalogue(doc, std::vector<test::Movie>{{.title = "x"}});
    doc.SetModified(true);
    doc.SetProgressEnabled(false);
    doc.OnNewDocument();
    EXPECT_TRUE(doc.IsReady());
    EXPECT_FALSE(doc.IsModified());
    EXPECT_TRUE(doc.ProgressEnabled());
    EXPECT_EQ(doc.Catalogue().Count(), 0u);
    EXPECT_TRUE(doc.LastFind().text.empty());
    EXPECT_TRUE(doc.IsEnabled(CommandId::Enter));
    for (std::size_t k = 0; k < kLookupCount; ++k) {
        EXPECT_TRUE(doc.Catalogue().Lookup(static_cast<LookupKind>(k)).empty());
    }
    EXPECT_TRUE(doc.Display().Order().empty());
}

TEST_F(RecordStoreTest, ResetEmptiesTheCatalogueButKeepsHeadingsLayoutsAndSomeMarks) {
    catalogue.Append(Movie("Alien", "Weaver", "", "", "Horror"));
    catalogue.Append(Movie("Heat", "Pacino", "", "", "Crime"));
    catalogue.RebuildLookupLists(false);
    display.HeadingColors() = {1};
    display.AdoptDataColors({2, 3});
    std::array<std::string, kFilterCount> filters;
    filters.fill("x");
    display.SetFilters(filters);
    display.SetCustomHeadings({"Director", "Year", "Studio", "Notes"});
    display.Layouts()[3].ids[9] = 5;

    display.ShowSortedBy(SortMark::MediaType);
    catalogue.ClearRecords();
    catalogue.ClearLookups();
    display.Reset();
    EXPECT_EQ(display.State().sort, SortMark::MediaType);
    EXPECT_EQ(catalogue.Count(), 0u);
    ExpectArraysAtCount();
    EXPECT_TRUE(catalogue.Lookup(LookupKind::Actors).empty());
    EXPECT_TRUE(display.HeadingColors().empty());
    EXPECT_TRUE(display.DataColors().empty());
    for (const auto& f : display.Filters()) EXPECT_EQ(f, kFilterAll);
    EXPECT_TRUE(display.State().NormalView());
    EXPECT_FALSE(display.State().OneLine());
    EXPECT_EQ(display.CustomHeadings()[0], "Director");
    EXPECT_EQ(display.Layouts()[3].ids[9], 5u);

    display.ShowSortedBy(SortMark::Title);
    display.Reset();
    EXPECT_EQ(display.State().sort, SortMark::None);
}

TEST_F(RecordStoreTest, AppendAndResizeKeepEveryArrayAtTheRecordCount) {
    // An empty catalogue: rebuild and purge find nothing to do.
    catalogue.RebuildLookupLists(true);
    catalogue.Purge({});
    display.RebuildOrder();
    for (std::size_t k = 0; k < kLookupCount; ++k) {
        EXPECT_TRUE(catalogue.Lookup(static_cast<LookupKind>(k)).empty());
    }
    EXPECT_TRUE(display.Order().empty());
    RecordValues full;
    for (std::size_t f = 0; f < kFieldCount; ++f) full[f] = "v" + std::to_string(f);
    catalogue.Append(full);
    catalogue.Append(Movie("second"));
    EXPECT_EQ(catalogue.Count(), 2u);
    EXPECT_EQ(catalogue.Record(0), full);
    ExpectArraysAtCount();

    catalogue.Resize(5);
    ExpectArraysAtCount();
    EXPECT_EQ(catalogue.Value(1, Field::MovieName), "second");
    EXPECT_EQ(catalogue.Value(4, Field::Synopsis), "");
    catalogue.Resize(1);
    ExpectArraysAtCount();
    EXPECT_EQ(catalogue.Record(0), full);

    // The file reader's whole-array replacement is fitted to the record count.
    catalogue.ReplaceColumn(Field::Time, {"90", "surplus"});
    EXPECT_EQ(catalogue.Value(0, Field::Time), "90");
    catalogue.Resize(3);
    catalogue.ReplaceColumn(Field::Time, {});
    ExpectArraysAtCount();
}

TEST_F(RecordStoreTest, PurgeRemovesExactlyTheMarkedRecordsAndRenumbers) {
    for (const char* title : {"gone 1", "gone 2", "keep 1", "DELETE", "gone 3", "keep 2", "x"}) {
        catalogue.Append(Movie(title, std::string("actor of ") + title));
    }
    // A movie named "DELETE" is a movie like any other; the last record lies past the marks.
    catalogue.Purge({true, true, false, false, true, false});
    display.RebuildOrder();
    EXPECT_EQ(Titles(catalogue), (std::vector<std::string>{"keep 1", "DELETE", "keep 2", "x"}));
    EXPECT_EQ(catalogue.Value(2, Field::Actor1), "actor of keep 2");
    EXPECT_EQ(display.Order(), (std::vector<std::uint32_t>{0, 1, 2, 3}));
    ExpectArraysAtCount();
}

TEST_F(RecordStoreTest, LookupListsKeepTheFirstFormAndIgnoreEmptyValues) {
    catalogue.Append(Movie("1", "Same Name", "same name", "SAME NAME", "Drama"));
    catalogue.Append(Movie("2", "", "Other", "", "drama"));
    catalogue.Append(Movie("3", "Same name", "", "", "DRAMA"));
    catalogue.Append(Movie("4", "\xC3\x89mile", "\xC3\xA9mile", "", "Comedy"));
    catalogue.RebuildLookupLists(false);
    EXPECT_EQ(catalogue.Lookup(LookupKind::Actors).Entries(),
              (std::vector<std::string>{"Same Name", "Other", "\xC3\x89mile", "\xC3\xA9mile"}));
    EXPECT_EQ(catalogue.Lookup(LookupKind::MovieTypes).Entries(),
              (std::vector<std::string>{"Drama", "Comedy"}));
    EXPECT_TRUE(catalogue.Lookup(LookupKind::Ratings).empty());

    // Entering values one at a time follows the same rules.
    RecordValues entered = Movie("5", "New", "NEW", "", "comedy");
    entered[FieldIndex(Field::Rating)] = "R";
    catalogue.Append(entered);
    catalogue.AddRecordToLookups(4);
    EXPECT_EQ(catalogue.Lookup(LookupKind::Actors).size(), 5u);
    EXPECT_EQ(catalogue.Lookup(LookupKind::Actors)[4], "New");
    EXPECT_EQ(catalogue.Lookup(LookupKind::MovieTypes).size(), 2u);
    EXPECT_EQ(catalogue.Lookup(LookupKind::Ratings)[0], "R");
}

TEST_F(RecordStoreTest, RebuildAndRefreshReportProgressOnlyWhenEnabled) {
    for (int i = 0; i < 4; ++i) {
        RecordValues v = Movie(std::to_string(i), "A" + std::to_string(i), "", "", "T");
        v[FieldIndex(Field::Custom2)] = "c" + std::to_string(i % 2);
        v[FieldIndex(Field::Rating)] = "PG";
        catalogue.Append(v);
    }
    catalogue.RebuildLookupLists(true);
    catalogue.RefreshEntryDialogLists(true);
    catalogue.SortMovieTypes(true);
    ASSERT_GE(ui.progress.size(), 2u);
    EXPECT_EQ(ui.progress[0].caption, msg::kProgressLookupLists);
    EXPECT_EQ(ui.progress[0].max, 4u);
    EXPECT_EQ(ui.progress[0].steps, 4u);
    EXPECT_EQ(ui.progress[1].caption, msg::kProgressDialogLists);
    EXPECT_EQ(ui.progress[1].max, 4u + 2 + 1 + 1);  // actors, custom 2, movie types, ratings
    EXPECT_EQ(ui.progress[1].steps, ui.progress[1].max);

    const EntryDialogLists& lists = catalogue.EntryLists();
    for (std::size_t k = 0; k < kLookupCount; ++k) {
        if (static_cast<LookupKind>(k) == LookupKind::MovieTypes) continue;  // reordered after
        EXPECT_EQ(lists[k], catalogue.Lookup(static_cast<LookupKind>(k)).Entries()) << k;
    }
    EXPECT_EQ(lists[static_cast<std::size_t>(LookupKind::Custom2)],
              (std::vector<std::string>{"c0", "c1"}));

    ui.progress.clear();
    catalogue.RebuildLookupLists(false);
    catalogue.RefreshEntryDialogLists(false);
    catalogue.SortMovieTypes(false);
    EXPECT_TRUE(ui.progress.empty());
}

TEST(LookupListIndex, StaysRightThroughGrowthAndReordering) {
    CLookupList list;
    for (int i = 0; i < 1000; ++i) EXPECT_TRUE(list.Add("Name " + std::to_string(i)));
    EXPECT_FALSE(list.Add("NAME 999"));
    EXPECT_TRUE(list.Contains("name 0"));
    list.StableSort([](const std::string& a, const std::string& b) { return a > b; });
    EXPECT_EQ(list[0], "Name 999");
    EXPECT_FALSE(list.Add("name 500"));
    EXPECT_TRUE(list.Contains("NAME 123"));
    EXPECT_FALSE(list.Contains("Name 1000"));
    EXPECT_TRUE(list.Add("Name 1000"));
    EXPECT_EQ(list.size(), 1001u);
    list.Clear();
    EXPECT_FALSE(list.Contains("Name 1"));
    EXPECT_TRUE(list.Add("name 1"));
}

// ---- differential tests against the original linear scans --------------------------------

// A lookup list as first built: compare with every entry, append when nothing matched.
void ReferenceAdd(std::vector<std::string>& list, const std::string& v) {
    if (v.empty()) return;
    for (const std::string& entry : list) {
        if (CompareNoCase(entry, v) == 0) return;
    }
    list.push_back(v);
}

std::array<std::vector<std::string>, kLookupCount> ReferenceLookups(const CCatalogue& catalogue) {
    std::array<std::vector<std::string>, kLookupCount> lists;
    const auto add = [&](LookupKind kind, std::uint32_t i, Field f) {
        ReferenceAdd(lists[static_cast<std::size_t>(kind)], catalogue.Value(i, f));
    };
    for (std::uint32_t i = 0; i < catalogue.Count(); ++i) {
        for (int k = 0; k < 3; ++k) add(LookupKind::Actors, i, ActorField(k));
        add(LookupKind::MovieTypes, i, Field::MovieType);
        add(LookupKind::MediaTypes, i, Field::MediaType);
        add(LookupKind::Ratings, i, Field::Rating);
        for (int k = 0; k < 4; ++k) {
            add(static_cast<LookupKind>(static_cast<int>(LookupKind::Custom1) + k), i,
                CustomField(k));
        }
    }
    return lists;
}

// The purge as first built: remove element i from every array, then look at i again.
// Removes each marked record in turn and looks at the same index again.
std::array<std::vector<std::string>, kFieldCount> ReferencePurge(const CCatalogue& catalogue,
                                                                 std::vector<bool> marked) {
    std::array<std::vector<std::string>, kFieldCount> columns;
    for (std::size_t f = 0; f < kFieldCount; ++f)
        columns[f] = catalogue.Column(static_cast<Field>(f));
    std::size_t count = catalogue.Count();
    for (std::size_t i = 0; i < count;) {
        if (marked[i]) {
            for (auto& column : columns) column.erase(column.begin() + static_cast<long>(i));
            marked.erase(marked.begin() + static_cast<long>(i));
            --count;
        } else {
            ++i;
        }
    }
    return columns;
}

TEST(RecordStoreDifferential, RebuildAndPurgeMatchTheLinearScans) {
    std::mt19937 rng(2024);
    for (int round = 0; round < 200; ++round) {
        FakeUI ui;
        CCatalogue catalogue(ui);
        CCatalogueDisplay display(catalogue, ui);
        std::vector<bool> marked;
        for (RecordValues& v : test::RandomRecords(rng, rng() % 60)) {
            catalogue.Append(std::move(v));
            marked.push_back(rng() % 4 == 0);
        }
        catalogue.RebuildLookupLists(false);
        const auto expectedLists = ReferenceLookups(catalogue);
        for (std::size_t k = 0; k < kLookupCount; ++k) {
            ASSERT_EQ(catalogue.Lookup(static_cast<LookupKind>(k)).Entries(), expectedLists[k])
                << "round " << round << " list " << k;
        }

        const auto expectedColumns = ReferencePurge(catalogue, marked);
        catalogue.Purge(marked);
        display.RebuildOrder();
        ASSERT_EQ(catalogue.Count(), expectedColumns[0].size());
        for (std::size_t f = 0; f < kFieldCount; ++f) {
            ASSERT_EQ(catalogue.Column(static_cast<Field>(f)), expectedColumns[f]) << round;
        }
        ASSERT_EQ(display.Order().size(), catalogue.Count());
        catalogue.RebuildLookupLists(false);
        const auto afterPurge = ReferenceLookups(catalogue);
        for (std::size_t k = 0; k < kLookupCount; ++k) {
            ASSERT_EQ(catalogue.Lookup(static_cast<LookupKind>(k)).Entries(), afterPurge[k]);
        }
    }
}

// The catalogue on its own: whatever a write does, every field array stays the record count
// long, and the lookup lists count as matching the records only from a rebuild to the next write.
TEST(Catalogue, EveryWriteKeepsTheArraysInStepAndEndsTheLookupsMatch) {
    std::mt19937 rng(7);
    FakeUI ui;
    CCatalogue catalogue(ui);
    // Each write says whether it reached the records.
    const std::vector<std::function<bool()>> writes = {
        [&] {
            catalogue.Append(test::RandomRecords(rng, 1).front());
            return true;
        },
        [&] {
            catalogue.Resize(static_cast<std::uint32_t>(rng() % 40));
            return true;
        },
        [&] {
            catalogue.ReplaceColumn(Field::Rating, std::vector<std::string>(rng() % 50, "G"));
            return true;
        },
        [&] {
            if (catalogue.Count() == 0) return false;
            catalogue.Set(rng() % catalogue.Count(), Field::Actor1, "Ann");
            return true;
        },
        [&] {
            std::vector<bool> marked(catalogue.Count());
            for (std::size_t i = 0; i < marked.size(); ++i) marked[i] = rng() % 3 == 0;
            return catalogue.Purge(marked);
        },
    };
    for (int step = 0; step < 300; ++step) {
        catalogue.RebuildLookupLists(false);
        ASSERT_TRUE(catalogue.LookupsMatchRecords());
        const bool wrote = writes[rng() % writes.size()]();
        for (std::size_t f = 0; f < kFieldCount; ++f) {
            ASSERT_EQ(catalogue.Column(static_cast<Field>(f)).size(), catalogue.Count()) << step;
        }
        EXPECT_EQ(catalogue.LookupsMatchRecords(), !wrote) << step;
    }
}

}  // namespace
}  // namespace reelkeep
