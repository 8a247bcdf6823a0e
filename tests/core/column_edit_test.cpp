// Adding, removing and dragging the columns of the one-line lists, worked out by hand on a
// 96-pixel-per-inch screen, where the title list's slots 1..5 start at 192, 336, 408, 480, 552.
#include "column_edit.h"

#include <gtest/gtest.h>

#include "byte_io.h"
#include "catalogue_builder.h"
#include "column_positions.h"
#include "memory_source.h"

namespace reelkeep::test {
namespace {

using Ids = std::array<std::uint32_t, kColumnSlotCount>;
using Positions = std::array<std::int32_t, kColumnSlotCount>;

constexpr int kDpi = 96;
constexpr std::size_t kTitleList = static_cast<std::size_t>(LayoutKey::Title);

// Movie name, movie type, media type, rating, time, tape #.
ColumnLayout TitleList() {
    ColumnLayout layout = DefaultColumnLayouts()[kTitleList];
    InitDefaultColumnPositions(layout, LayoutKey::Title, kDpi);
    return layout;
}

TEST(ColumnEdit, AddingAfterSlotTwoSpacesTheNewAndLaterColumnsThreeQuartersOfAnInchApart) {
    ColumnLayout layout = TitleList();
    InsertColumn(layout, 3, 4, kDpi);
    EXPECT_EQ(layout.ids, (Ids{1, 9, 8, 4, 2, 3, 10, 0, 0, 0}));
    EXPECT_EQ(layout.positions, (Positions{0, 192, 336, 408, 480, 552, 624, 696, 768, 840}));
    // Nine columns: the next one pushes out only the empty tenth slot; ten offer no more.
    for (const std::uint32_t id : {5u, 6u}) InsertColumn(layout, 1, id, kDpi);
    ASSERT_TRUE(CanAddColumn(layout));
    InsertColumn(layout, 1, 7, kDpi);
    EXPECT_EQ(layout.ids, (Ids{1, 7, 6, 5, 9, 8, 4, 2, 3, 10}));
    EXPECT_FALSE(CanAddColumn(layout));
}

TEST(ColumnEdit, RemovingAColumnClosesItsGapAndTheLastMovesNothing) {
    ColumnLayout middle = TitleList();
    RemoveColumn(middle, 3);  // the media type, 72 pixels wide
    EXPECT_EQ(middle.ids, (Ids{1, 9, 2, 3, 10, 0, 0, 0, 0, 0}));
    // The rating takes its place; the old last position waits for the paint to zero it.
    EXPECT_EQ(middle.positions, (Positions{0, 192, 336, 408, 480, 552, 0, 0, 0, 0}));

    ColumnLayout last = TitleList();
    RemoveColumn(last, 6);
    EXPECT_EQ(last.ids, (Ids{1, 9, 8, 2, 3, 0, 0, 0, 0, 0}));
    EXPECT_EQ(last.positions, TitleList().positions);
}

TEST(ColumnEdit, ADragStopsFourPixelsShortOfEitherNeighbour) {
    ColumnLayout layout = TitleList();
    // Slot 2 lies between slot 1 at 192 and slot 3 at 408; slot 1 right of the key column's 10.
    EXPECT_EQ(DraggedBoundary(layout, 2, 196, 0), 196);
    EXPECT_EQ(DraggedBoundary(layout, 2, 195, 0), std::nullopt);
    EXPECT_EQ(DraggedBoundary(layout, 2, 404, 0), 404);
    EXPECT_EQ(DraggedBoundary(layout, 2, 405, 0), std::nullopt);
    EXPECT_EQ(DraggedBoundary(layout, 1, 13, 0), std::nullopt);
    // The last column present has no right neighbour; slot 9 stops short of the window's edge.
    EXPECT_EQ(DraggedBoundary(layout, 5, 5000, 0), 5000);
    layout.ids[9] = 7;
    EXPECT_EQ(DraggedBoundary(layout, 9, 896, 900), 896);
    EXPECT_EQ(DraggedBoundary(layout, 9, 897, 900), std::nullopt);
}

// The document edits the list on screen alone, and the catalogue file keeps it.
TEST(ShownColumns, OnlyTheListShownChangesAndASaveKeepsIt) {
    TestCatalogue c({{.title = "Alien"}, {.title = "Heat"}});
    c.doc.UseScreenResolution(kDpi);
    c.doc.Execute(CommandId::OneLineSorts);
    c.doc.Execute(CommandId::SortByTitle);
    c.doc.SetModified(false);
    const ColumnLayouts before = c.doc.Display().Layouts();
    c.doc.AddShownListColumn(3, 4, kDpi);
    c.doc.MoveShownListBoundary(1, 250);
    EXPECT_TRUE(c.doc.IsModified());
    const ColumnLayout& titles = c.doc.Display().Layouts()[kTitleList];
    // Empty slots keep no position, as the paint would leave them.
    EXPECT_EQ(titles.positions, (Positions{0, 250, 336, 408, 480, 552, 624, 0, 0, 0}));
    for (std::size_t k = 0; k < kLayoutCount; ++k) {
        if (k == kTitleList) continue;
        EXPECT_EQ(c.doc.Display().Layouts()[k].ids, before[k].ids) << "list " << k;
        EXPECT_EQ(c.doc.Display().Layouts()[k].positions, before[k].positions) << "list " << k;
    }

    CStringSink saved;
    c.doc.WriteDocument(saved);
    TestCatalogue reopened({});
    MemorySource source(saved.bytes);
    ASSERT_TRUE(reopened.doc.ReadDocument(source, "columns.smf"));
    EXPECT_EQ(reopened.doc.Display().Layouts()[kTitleList].ids, titles.ids);
    EXPECT_EQ(reopened.doc.Display().Layouts()[kTitleList].positions, titles.positions);
}

}  // namespace
}  // namespace reelkeep::test
