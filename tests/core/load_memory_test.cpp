// Loading under memory pressure: every allocation of a load is made to fail in turn, and damaged
// counts must not make the reader ask for memory the file could not fill. This program replaces
// the global operator new, so it does its own counting; AddressSanitizer brings its own
// allocator, so there the tests are skipped.
#include <gtest/gtest.h>

#include <cstdlib>
#include <new>

#include "catalogue_builder.h"
#include "doc_invariants.h"
#include "fake_ui.h"
#include "messages.h"
#include "smf_bytes.h"

#if defined(__SANITIZE_ADDRESS__)
#define REELKEEP_COUNTS_ALLOCATIONS 0
#else
#define REELKEEP_COUNTS_ALLOCATIONS 1
#endif

namespace {

long allocationsBeforeFailure = -1;  // negative: none fails
std::size_t largestAllocation = 0;

}  // namespace

#if REELKEEP_COUNTS_ALLOCATIONS
void* operator new(std::size_t size) {
    if (allocationsBeforeFailure >= 0 && allocationsBeforeFailure-- == 0) throw std::bad_alloc();
    if (size > largestAllocation) largestAllocation = size;
    if (void* p = std::malloc(size == 0 ? 1 : size)) return p;
    throw std::bad_alloc();
}
// The replacement new above allocates with malloc, so free is the matching release.
#pragma GCC diagnostic ignored "-Wmismatched-new-delete"
void operator delete(void* p) noexcept { std::free(p); }
void operator delete(void* p, std::size_t) noexcept { std::free(p); }
#endif

namespace reelkeep {
namespace {

using test::FakeUI;

class LoadMemoryTest : public ::testing::Test {
protected:
    void SetUp() override {
        if (!REELKEEP_COUNTS_ALLOCATIONS) GTEST_SKIP() << "the sanitizer owns operator new";
    }
};

std::string SampleFile() {
    FakeUI ui;
    CReelkeepDoc doc(ui);
    doc.OnNewDocument();
    std::vector<RecordValues> records;
    for (int i = 0; i < 6; ++i) {
        const std::string n = std::to_string(i);
        records.push_back({"Movie " + n, "Actor " + n, "Actor X", "", "Type " + n, "VHS", "90", n,
                           "", "PG", "c" + n, "", "", "", std::string(40, 's')});
    }
    test::LoadCatalogue(doc, records, {"Director", "", "", ""});
    doc.SetLabelColors({1, 2, 3, 4, 5, 6}, {7});
    return test::SaveBytes(doc);
}

TEST_F(LoadMemoryTest, EveryFailedAllocationLeavesAConsistentCatalogue) {
    const std::string file = SampleFile();
    int reported = 0;
    for (long k = 0;; ++k) {
        SCOPED_TRACE(k);
        FakeUI ui;
        CReelkeepDoc doc(ui);
        ui.doc = &doc;
        doc.OnNewDocument();
        // A larger previous catalogue, whose listings name records the file does not have.
        std::vector<RecordValues> old;
        for (int i = 0; i < 20; ++i) old.push_back({"Old " + std::to_string(i), "Old Actor"});
        test::LoadCatalogue(doc, old);
        doc.Execute(CommandId::SortByActors);
        doc.SetModified(true);

        allocationsBeforeFailure = k;
        const bool opened = test::LoadBytes(doc, file);
        const bool failed = allocationsBeforeFailure < 0;
        allocationsBeforeFailure = -1;

        EXPECT_TRUE(opened);
        EXPECT_FALSE(doc.IsModified());
        test::ExpectConsistent(doc);
        EXPECT_FALSE(ui.ProgressOpen());
        if (!failed) {
            EXPECT_TRUE(ui.messages.empty());
            EXPECT_EQ(doc.Catalogue().Count(), 6u);
            break;
        }
        reported += ui.messages == std::vector<std::string>{std::string(msg::kNoMemoryLoad)};
        // Some failures are absorbed (a shrink that may not happen); the others are reported.
        EXPECT_GT(ui.updates, 0);
        if (ui.messages.empty() || doc.Catalogue().Count() != 20) {
            EXPECT_EQ(doc.Catalogue().Count(), 6u);
        }
        ASSERT_LT(k, 100000) << "the load never finished";
    }
    EXPECT_GT(reported, 0);
}

TEST_F(LoadMemoryTest, ClaimedCountsAllocateNothingLarge) {
    using test::SmfBytes;
    SmfBytes records, list, text, wide, colors;
    records.U32(0xFFFFFFFD).U32(0x7FFFFFFF).U32(0).U32(0).U32(0);
    list.U32(1).U16(0xFFFF).U32(0x7FFFFFFF).U32(0).U32(0).U16(0);
    text.U32(1).U16(1).U8(0xFF).U16(0xFFFF).U32(0x7FFFFFFF).U32(0).U32(0);
    wide.U32(1).U16(1).U8(0xFF).U16(0xFFFE).U8(0xFF).U16(0xFFFF).U32(0x7FFFFFFF).U32(0).U32(0);
    colors.U32(0);
    for (int i = 0; i < 10; ++i) colors.U16(0);
    colors.U16(0xFFFF).U32(0x3FFFFFFF).U32(0);
    for (const SmfBytes* bytes : {&records, &list, &text, &wide, &colors}) {
        FakeUI ui;
        CReelkeepDoc doc(ui);
        doc.OnNewDocument();
        largestAllocation = 0;
        EXPECT_FALSE(test::LoadBytes(doc, bytes->bytes()));
        EXPECT_EQ(ui.messages, std::vector<std::string>{std::string(msg::kUnexpectedFormat)});
        // The reader's own buffer is the largest thing a load of a tiny file may allocate.
        EXPECT_LE(largestAllocation, std::size_t{1} << 20);
    }
}

}  // namespace
}  // namespace reelkeep
