#include "column_positions.h"

#include <algorithm>
#include <array>

#include "fields.h"
#include "sort_keys.h"

namespace reelkeep {

namespace {

struct DefaultPositions {
    LayoutKey key;
    std::array<int, 5> hundredths;  // slots 1..5
};

// Keyed explicitly: the table's order is not the order of the layouts in the catalogue.
constexpr std::array<DefaultPositions, kLayoutCount> kDefaultPositions = {{
    {LayoutKey::Title, {200, 350, 425, 500, 575}},
    {LayoutKey::Rating, {100, 325, 450, 525, 600}},
    {LayoutKey::TapeNumber, {50, 275, 400, 475, 550}},
    {LayoutKey::Time, {50, 275, 400, 475, 550}},
    {LayoutKey::MovieType, {125, 350, 425, 500, 575}},
    {LayoutKey::MediaType, {100, 325, 450, 525, 600}},
    {LayoutKey::Custom1, {200, 425, 550, 0, 0}},
    {LayoutKey::Custom2, {200, 425, 550, 0, 0}},
    {LayoutKey::Custom3, {200, 425, 550, 0, 0}},
    {LayoutKey::Custom4, {200, 425, 550, 0, 0}},
    {LayoutKey::ActorIndex, {200, 350, 0, 0, 0}},
}};

}  // namespace

void InitDefaultColumnPositions(ColumnLayouts& layouts, int dpiY) {
    for (const auto& d : kDefaultPositions) {
        InitDefaultColumnPositions(layouts[static_cast<std::size_t>(d.key)], d.key, dpiY);
    }
}

void InitDefaultColumnPositions(ColumnLayout& layout, LayoutKey key, int dpiY) {
    const auto d = std::find_if(kDefaultPositions.begin(), kDefaultPositions.end(),
                                [key](const DefaultPositions& p) { return p.key == key; });
    layout.positions.fill(0);
    for (std::size_t k = 0; k < d->hundredths.size(); ++k) {
        layout.positions[k + 1] = InchToPixels(dpiY, d->hundredths[k]);
    }
}

bool LacksColumnPositions(const ColumnLayout& layout) {
    bool anyColumn = false;
    for (std::size_t k = 1; k < kColumnSlotCount; ++k) {
        if (layout.ids[k] == kColumnEmpty) continue;
        if (layout.positions[k] != 0) return false;
        anyColumn = true;
    }
    return anyColumn;
}

void ZeroEmptySlotPositions(ColumnLayout& layout) {
    for (std::size_t k = 1; k < kColumnSlotCount; ++k) {
        if (layout.ids[k] == kColumnEmpty) layout.positions[k] = 0;
    }
}

std::optional<LayoutKey> ShownListLayout(const DisplayState& display) {
    if (display.sort == SortMark::Actors) return LayoutKey::ActorIndex;
    if (!display.OneLine()) return std::nullopt;
    // A new catalogue has no sort marked; its movies are listed as the title list shows them.
    const SortKeyInfo* key =
        FindSortKey(display.sort == SortMark::None ? SortMark::Title : display.sort);
    return key ? key->layout : std::nullopt;
}

}  // namespace reelkeep
