#pragma once

#include <QColor>
#include <cstddef>
#include <string_view>

#include "draw_context.h"

namespace reelkeep {

// Draws label row row (the labels 2row and 2row + 1) with its top at y.
void DrawLargeLabelRow(const DrawContext& ctx, int y, std::size_t row);
// Draws label entry with its top at y.
void DrawSmallLabel(const DrawContext& ctx, int y, std::size_t entry);

// The label colours of the chosen colour source: the screen's, the catalogue's label colours
// or black.
QColor ChosenHeadingColor(const DrawContext& ctx);
QColor ChosenDataColor(const DrawContext& ctx, std::string_view movieType);

}  // namespace reelkeep
