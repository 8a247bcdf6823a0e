#pragma once

#include <QColor>
#include <QPainter>
#include <QString>
#include <array>
#include <cstddef>
#include <cstdint>
#include <string_view>

#include "catalogue_display.h"
#include "display_options.h"
#include "draw_context.h"
#include "view_colors.h"

// The Normal View's record block, the caption and value lines of one movie, drawn by one painter
// on the screen and on paper, each surface with its own places and ink.
namespace reelkeep {

enum class BlockSurface : std::uint8_t { Screen, Paper };

// Where a block's parts sit on one surface, in its pixels, from the block's left edge.
struct RecordBlockPlaces {
    int lineHeight = 1;
    int right = 0;     // the block's right edge
    int captionX = 0;  // left captions and values
    int rightCaptionX = 0;
    int rightValueX = 0;
    int rightBoxX = 0;
    int leftValueEnd = 0;
    int rightValueEnd = 0;
    int boxLeft = 0;  // the left boxes and the synopsis box
    int gridLeft = 0;
    int dividerX = 0;  // the grid's line between the left and right columns
    int customBoxLeft = 0;
    int customBoxRight = 0;
    int frameOverhang = 0;     // sunken frames reach this far right of the box they frame
    bool joinedBoxes = false;  // one box for adjacent value lines, engraved between them
    std::string_view typeCaption;
};

// The places on a surface: dpi converts inches across, captionX is the surface's left margin,
// right the block's right edge.
RecordBlockPlaces PlaceRecordBlock(BlockSurface surface, int dpi, int captionX, int right,
                                   int lineHeight);

// How a surface colours the block's text and boxes.
class IRecordBlockInk {
public:
    virtual ~IRecordBlockInk() = default;
    virtual void UseCaptionText(QPainter& p) = 0;
    virtual void UseValueText(QPainter& p) = 0;
    // The fill of a value box, asked after UseValueText.
    virtual QColor BoxFill(const QPainter& p) const = 0;
};

// One record and what its block shows.
struct RecordBlock {
    const CCatalogueDisplay& display;
    std::uint32_t record;
    const ViewDisplayOptions& options;
    const ViewColors& colors;  // the box's face and frames
    const std::array<QString, kCustomFieldCount>& headings;
};

// Draws the block from y; returns the y where the next block starts.
int DrawRecordBlock(QPainter& p, const RecordBlock& block, const RecordBlockPlaces& places,
                    IRecordBlockInk& ink, int y);

// Draws the Normal View block of the record at display position row on the screen, starting
// at y; returns the y where the next block starts.
int DrawRecordBlock(const DrawContext& ctx, int y, std::size_t row);

}  // namespace reelkeep
