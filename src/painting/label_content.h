#pragma once

#include <QPainter>
#include <QRect>
#include <cstddef>
#include <cstdint>
#include <functional>
#include <string_view>
#include <vector>

#include "label_layout.h"

// What a tape label says and where, in character columns and label lines: one layout for the
// label view and the label sheets, each placing it with its own origin, character width and
// line height.
namespace reelkeep {

// Which colour a piece of label text takes.
enum class LabelTextKind : std::uint8_t {
    Caption,
    Value,       // the data colour of the movie type of its slot
    TapeNumber,  // a value drawn in the caption colour
};

// One piece of a label's text. A small label has a right part, which the view and the sheet
// put at different distances from the left one.
struct LabelText {
    bool rightPart = false;
    int column = 0;  // average character widths from the part's left edge
    int line = 1;    // label line; line 0 is the label's empty top edge
    std::string_view text;
    LabelTextKind kind = LabelTextKind::Value;
    std::size_t slot = 0;  // the movie whose type colours a value
};

// The texts of a label in the order they are drawn; they point into label.
std::vector<LabelText> LargeLabelTexts(const Label& label);
std::vector<LabelText> SmallLabelTexts(const Label& label);

// Where one label's texts go, in pixels: the label's own rectangle, the left edges of its left
// and right parts, the top of its line 1, and the character width and line height.
struct LabelPlacement {
    QRect area;
    int leftX = 0;
    int rightX = 0;
    int line1Top = 0;
    int charWidth = 0;
    int lineHeight = 0;
};

// Draws a label's texts, each after useColors has set its colours, every line of them: a text
// is cut only where it would reach across the label's edge into the next label, and starts
// after the end of the text before it on its line.
void DrawLabelTexts(QPainter& p, const LabelPlacement& place, const std::vector<LabelText>& texts,
                    const std::function<void(const LabelText&)>& useColors);

}  // namespace reelkeep
