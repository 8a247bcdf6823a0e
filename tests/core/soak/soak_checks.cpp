#include "soak_checks.h"

#include <gtest/gtest.h>

#include <algorithm>

#include "catalogue_builder.h"
#include "doc_invariants.h"
#include "fake_ui.h"
#include "messages.h"
#include "smf_bytes.h"
#include "text_compare.h"

namespace reelkeep::test::soak {

namespace {

bool SameRecordsInAnyOrder(ref::Order a, ref::Order b) {
    std::sort(a.begin(), a.end());
    std::sort(b.begin(), b.end());
    return a == b;
}

void CheckLookupLists(const CReelkeepDoc& doc, const ref::Records& records) {
    for (std::size_t k = 0; k < kLookupCount; ++k) {
        const auto kind = static_cast<LookupKind>(k);
        const std::vector<std::string> rebuilt = ref::LookupEntries(records, kind);
        EXPECT_EQ(doc.Catalogue().Lookup(kind).Entries(), rebuilt) << "lookup list " << k;
        std::vector<std::string> shown = rebuilt;  // as the entry dialog shows it
        std::ranges::sort(shown, [](auto& a, auto& b) { return CompareNoCase(a, b) < 0; });
        EXPECT_EQ(doc.Catalogue().EntryLists()[k], shown) << "entry dialog list " << k;
    }
    // A label colour for every movie type, and a heading colour while there is one.
    const std::size_t types = doc.Catalogue().Lookup(LookupKind::MovieTypes).size();
    EXPECT_GE(doc.Display().DataColors().size(), types);
    EXPECT_EQ(doc.Display().HeadingColors().empty(), types == 0);
    EXPECT_TRUE(types > 0 || doc.Display().DataColors().empty());
}

// The displayed-actor list stays in first-appearance order until the actor index sorts it.
void CheckActors(const CReelkeepDoc& doc, const ref::Records& records,
                 std::vector<std::string> actors) {
    const std::vector<std::string> unsorted = actors;
    const auto rows = ref::ActorIndex(doc.Display().Order(), records, actors);
    const std::vector<std::string>& shown = doc.Display().DisplayedActors().Entries();
    EXPECT_TRUE(shown == unsorted || shown == actors) << "displayed actors";
    if (doc.Display().State().sort == SortMark::Actors) {
        EXPECT_EQ(ref::ActorRowsOf(doc), rows);
    }
}

void CheckSavedBytesReadBack(const CReelkeepDoc& doc) {
    const std::string bytes = SaveBytes(doc);
    FakeUI ui;
    CReelkeepDoc copy(ui);
    ui.doc = &copy;
    ASSERT_TRUE(LoadBytes(copy, bytes));
    EXPECT_TRUE(SaveBytes(copy) == bytes) << "the catalogue read back saves other bytes";
}

}  // namespace

void CheckDocument(const CReelkeepDoc& doc, const ref::Records& records,
                   const ref::Order& expectedOrder) {
    ExpectConsistent(doc);
    const ref::Displayed shown = ref::Filter(records, doc.Display().Filters());
    EXPECT_TRUE(SameRecordsInAnyOrder(doc.Display().Order(), shown.order))
        << "the display order is not the filtered records";
    EXPECT_EQ(doc.Display().Order(), expectedOrder);
    CheckActors(doc, records, shown.actors);
    CheckLookupLists(doc, records);
    if (doc.Display().State().LabelFormat()) {
        EXPECT_TRUE(ref::SameLabels(
            doc.Display().Labels(),
            ref::Labels(doc.Display().Order(), records, doc.Display().TapeOrderIsText())))
            << "labels";
    }
    CheckSavedBytesReadBack(doc);
}

std::string UndoneBytes(const CReelkeepDoc& doc, const ref::Records& before) {
    ref::Records records = before;
    const UndoJournal& journal = doc.Undo();
    if (journal.action == msg::kUndoRestore) {
        std::vector<bool> deleted(before.size(), false);
        ref::Records back;
        for (std::uint32_t r : journal.recordNumbers) {
            deleted.at(r) = true;
            back.push_back(before.at(r));
        }
        records.clear();
        for (std::size_t r = 0; r < before.size(); ++r) {
            if (!deleted[r]) records.push_back(before[r]);
        }
        records.insert(records.end(), back.begin(), back.end());
    }
    FakeUI ui;
    CReelkeepDoc undone(ui);
    // The document's headings, layouts and colours, read from its own file.
    EXPECT_TRUE(LoadBytes(undone, SaveBytes(doc)));
    FillCatalogue(undone, records);
    return SaveBytes(undone);
}

}  // namespace reelkeep::test::soak
