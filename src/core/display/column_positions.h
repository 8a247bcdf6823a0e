#pragma once

#include <optional>

#include "column_layout.h"
#include "display_state.h"

// Where the one-line lists put their columns until the user moves them.
namespace reelkeep {

// An inch figure given in hundredths, in pixels of a device with dpi pixels per inch.
constexpr int InchToPixels(int dpi, int hundredths) { return dpi * hundredths / 100; }

// Writes the start-up column positions of every list into the layouts, or of one list.
void InitDefaultColumnPositions(ColumnLayouts& layouts, int dpiY);
void InitDefaultColumnPositions(ColumnLayout& layout, LayoutKey key, int dpiY);
// True when columns follow the key column but none has a position: the list was never laid out
// on a screen (a catalogue written by a tool), as a screen never puts a column at x = 0.
bool LacksColumnPositions(const ColumnLayout& layout);
// Empty slots keep no position, so a later added column starts from a clean slate.
void ZeroEmptySlotPositions(ColumnLayout& layout);
// The layout the shown list draws with: the actor index's, or the one-line list's of the sort
// key (the title list's with none); none in the other modes.
std::optional<LayoutKey> ShownListLayout(const DisplayState& display);

}  // namespace reelkeep
