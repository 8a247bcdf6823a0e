// A catalogue file opened on a thread of its own: once taken in, the document is the one an open
// on its own thread gives; given up or failed, the document is as it was.
#include "background_open.h"

#include <gtest/gtest.h>

#include <chrono>
#include <filesystem>
#include <fstream>
#include <random>
#include <thread>

#include "catalogue_builder.h"
#include "doc_invariants.h"
#include "fake_ui.h"
#include "random_catalogue.h"
#include "smf_bytes.h"

namespace reelkeep {
namespace {

namespace fs = std::filesystem;
using test::FakeUI;

// What a view, the entry dialog, printing and Save can read of a document.
void ExpectSameDocument(const CReelkeepDoc& got, const CReelkeepDoc& want) {
    test::ExpectConsistent(got);
    EXPECT_EQ(test::SaveBytes(got), test::SaveBytes(want));
    const CCatalogueDisplay& a = got.Display();
    const CCatalogueDisplay& b = want.Display();
    EXPECT_TRUE(a.Order() == b.Order() && a.Mode() == b.Mode() && a.State().sort == b.State().sort);
    ASSERT_EQ(a.ActorRowCount(), b.ActorRowCount());
    for (std::uint32_t row = 0; row < a.ActorRowCount(); ++row)
        EXPECT_EQ(a.ActorRowRecord(row), b.ActorRowRecord(row));
    EXPECT_EQ(a.Labels().size(), b.Labels().size());
    for (std::size_t k = 0; k < kLookupCount; ++k) {
        const auto kind = static_cast<LookupKind>(k);
        EXPECT_EQ(got.Catalogue().Lookup(kind).Entries(), want.Catalogue().Lookup(kind).Entries());
        EXPECT_EQ(got.Catalogue().EntryLists()[k], want.Catalogue().EntryLists()[k]);
    }
    EXPECT_TRUE(!got.IsModified() && got.IsReady() && !got.Undo().available);
}

std::string Write(const std::string& name, const std::string& bytes) {
    const std::string path = fs::temp_directory_path() / name;
    std::ofstream(path, std::ios::binary) << bytes;
    return path;
}

// A catalogue shown in the given mode, with a filter, headings and options of its own: what a
// load keeps of the catalogue before it.
void ShowCatalogue(CReelkeepDoc& doc, CommandId mode, const std::string& bytes) {
    doc.OnNewDocument();
    ASSERT_TRUE(test::LoadBytes(doc, bytes));
    doc.OptionsChanged(DocumentOptions{.ignoreTheNormal = false});
    doc.ApplyCustomHeadings({"Director", "", "Studio", ""}, false);
    doc.ApplyFilters({"T", "All", "All", "All", "All", "All", "All", "All", "All"});
    doc.Execute(mode);
}

bool RunToEnd(CBackgroundOpen& open, CReelkeepDoc& doc) {
    while (!open.Finished()) std::this_thread::sleep_for(std::chrono::milliseconds(1));
    return open.Complete(doc);
}

TEST(BackgroundOpen, TakesInWhatAnOpenHereGives) {
    std::mt19937 rng(27);
    CSilentUI silent;
    CReelkeepDoc source(silent);
    test::FillCatalogue(source, test::RandomRecords(rng, 400));
    const std::string before = test::SaveBytes(source);
    test::FillCatalogue(source, test::RandomRecords(rng, 300));
    // Two records of the oldest version: no layouts, headings, custom fields or synopses.
    test::SmfBytes oldest;
    oldest.U32(2);
    for (int list = 0; list < 10; ++list) oldest.List({"The Zulu", "alpha"});
    oldest.Colors({0x0000ff, 0x00ff00}).Colors({0x112233});
    const std::string files[] = {Write("random.smf", test::SaveBytes(source)),
                                 Write("empty.smf", ""), Write("oldest.smf", oldest.bytes()),
                                 Write("truncated.smf", test::SaveBytes(source).substr(0, 5000))};
    for (const CommandId mode : {CommandId::SortByActors, CommandId::DisplayLabelFormat,
                                 CommandId::OneLineSorts, CommandId::SortByTapeNumber}) {
        for (const std::string& path : files) {
            SCOPED_TRACE(path + " in mode " + std::to_string(static_cast<int>(mode)));
            FakeUI hereUI, thereUI;
            CReelkeepDoc here(hereUI), there(thereUI);
            for (CReelkeepDoc* doc : {&here, &there}) ShowCatalogue(*doc, mode, before);
            const std::string beforeOpen = test::SaveBytes(there);
            const bool opened = here.OpenDocument(path);
            CBackgroundOpen open(there, path);
            EXPECT_EQ(RunToEnd(open, there), opened);
            EXPECT_EQ(thereUI.messages, hereUI.messages);
            EXPECT_EQ(thereUI.viewHeadings, hereUI.viewHeadings);
            // Failed, the catalogue shown stays: the file was read beside it.
            if (opened) ExpectSameDocument(there, here);
            EXPECT_TRUE(opened || test::SaveBytes(there) == beforeOpen);
        }
    }
}

TEST(BackgroundOpen, GivenUpAtAnyMomentLeavesTheDocumentAsItWas) {
    std::mt19937 rng(7);
    FakeUI ui;
    CReelkeepDoc doc(ui);
    doc.OnNewDocument();
    test::FillCatalogue(doc, test::RandomRecords(rng, 20000));
    const std::string path = Write("large.smf", test::SaveBytes(doc));
    test::FillCatalogue(doc, test::RandomRecords(rng, 10));
    const std::string kept = test::SaveBytes(doc);
    ui.progress.clear();
    for (int waitUs : {0, 200, 1000, 5000, 20000}) {
        CBackgroundOpen open(doc, path);
        std::this_thread::sleep_for(std::chrono::microseconds(waitUs));
    }  // stopped here, and its thread waited for
    EXPECT_EQ(test::SaveBytes(doc), kept);
    // The reading's progress never reaches the UI itself.
    EXPECT_TRUE(ui.messages.empty() && ui.progress.empty());
    CBackgroundOpen open(doc, path);
    EXPECT_TRUE(RunToEnd(open, doc) && doc.Catalogue().Count() == 20000u);
    // Every indicator the reading began it also ended.
    EXPECT_TRUE(open.Progress().caption.empty());
}

}  // namespace
}  // namespace reelkeep
