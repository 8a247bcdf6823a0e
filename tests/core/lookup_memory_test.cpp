// Running out of memory while the lookup lists are rebuilt: the value is skipped, its list's
// message is shown, and every list stays free of duplicates.
#include <gtest/gtest.h>

#include <set>

#include "allocation_failure.h"
#include "catalogue.h"
#include "catalogue_builder.h"
#include "fake_ui.h"
#include "messages.h"
#include "text_compare.h"

namespace reelkeep::test {
namespace {

// Long values, so that entering one into a list allocates.
const std::vector<Movie> kMovies = {
    {.title = "A",
     .actor1 = "Alexandra Whitfield-Morgan",
     .actor2 = "Bartholomew Kingsley",
     .movieType = "Psychological Thriller",
     .mediaType = "Video Home System",
     .rating = "Parental Guidance 13",
     .custom1 = "Christopher Nolan-Smith",
     .custom2 = "Nineteen Ninety Nine",
     .custom3 = "Warner Brothers Pictures",
     .custom4 = "Recorded from television"},
    {.title = "B",
     .actor1 = "bartholomew kingsley",
     .actor3 = "Cornelius Fairweather",
     .movieType = "Romantic Comedy Drama",
     .mediaType = "Digital Versatile Disc",
     .rating = "Restricted Audience",
     .custom1 = "Kathryn Bigelow-Jones"},
};

constexpr std::array<LookupKind, kLookupCount> kKinds = {
    LookupKind::Actors,  LookupKind::Custom1,    LookupKind::Custom2,    LookupKind::Custom3,
    LookupKind::Custom4, LookupKind::MovieTypes, LookupKind::MediaTypes, LookupKind::Ratings};

constexpr std::array<std::string_view, kLookupCount> kMessages = {
    msg::kNoMemoryActors,     msg::kNoMemoryCustom1, msg::kNoMemoryCustom2,
    msg::kNoMemoryCustom3,    msg::kNoMemoryCustom4, msg::kNoMemoryMovieTypes,
    msg::kNoMemoryMediaTypes, msg::kNoMemoryRatings};

std::set<std::string> Folded(const CLookupList& list) {
    std::set<std::string> folded;
    for (const std::string& entry : list.Entries()) {
        EXPECT_TRUE(folded.insert(FoldCase(entry)).second) << "duplicate " << entry;
    }
    return folded;
}

// The store with kMovies, its lookup lists not yet built.
struct Store {
    FakeUI ui;
    CCatalogue catalogue{ui};
    Store() {
        for (const Movie& m : kMovies) catalogue.Append(ToRecord(m));
    }
};

TEST(LookupListsOutOfMemory, SkipTheValueAndNameTheListWhereverMemoryRunsOut) {
    Store full;
    full.catalogue.RebuildLookupLists(false);

    int failures = 0;
    for (long k = 0;; ++k) {
        Store store;
        FailAllocationAfter(k);
        store.catalogue.RebuildLookupLists(false);
        const bool failed = !FailureStillArmed();
        StopFailingAllocations();
        if (!failed) break;
        ++failures;
        // A failure is either absorbed (the list grew later anyway) or reported for the list that
        // lost its value.
        ASSERT_LE(store.ui.messages.size(), 1u) << "allocation " << k;
        for (std::size_t i = 0; i < kLookupCount; ++i) {
            const auto expected = Folded(full.catalogue.Lookup(kKinds[i]));
            const auto actual = Folded(store.catalogue.Lookup(kKinds[i]));
            EXPECT_TRUE(
                std::includes(expected.begin(), expected.end(), actual.begin(), actual.end()));
            if (actual != expected) {
                EXPECT_EQ(store.ui.messages, std::vector<std::string>{std::string(kMessages[i])})
                    << "allocation " << k;
            }
        }
        ASSERT_LT(k, 10000) << "the rebuild never finished";
    }
    EXPECT_GT(failures, 8);
}

// The entry dialog's copies refilled: each keeps what could be copied, in order, and a list
// short of a value says so.
TEST(EntryDialogListsOutOfMemory, KeepTheirOrderAndNameTheListWhereverMemoryRunsOut) {
    Store full;
    full.catalogue.RebuildLookupLists(false);
    full.catalogue.RefreshEntryDialogLists(false);
    for (long k = 0;; ++k) {
        Store store;
        store.catalogue.RebuildLookupLists(false);
        FailAllocationAfter(k);
        store.catalogue.RefreshEntryDialogLists(false);
        const bool failed = !FailureStillArmed();
        StopFailingAllocations();
        if (!failed) break;
        for (std::size_t i = 0; i < kLookupCount; ++i) {
            const auto& [want, got] =
                std::tie(full.catalogue.EntryLists()[i], store.catalogue.EntryLists()[i]);
            EXPECT_TRUE(std::includes(want.begin(), want.end(), got.begin(), got.end(),
                                      [](auto& a, auto& b) { return CompareNoCase(a, b) < 0; }));
            EXPECT_TRUE(got == want ||
                        store.ui.messages == std::vector<std::string>{std::string(kMessages[i])});
        }
    }
}

}  // namespace
}  // namespace reelkeep::test
