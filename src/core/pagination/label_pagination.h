#pragma once

#include <cstdint>
#include <string_view>
#include <vector>

#include "label_layout.h"

// How tape labels fall onto label sheets: large labels ten to a sheet in two columns of five
// rows, small labels fifteen to a sheet in one column. A job prints every label of the layout,
// or the selected labels, perhaps one label several times, from a chosen sheet position.
namespace reelkeep {

class IReelkeepUI;

inline constexpr std::uint32_t kLargeRowsPerSheet = 5;
inline constexpr std::uint32_t kSmallRowsPerSheet = 15;
inline constexpr int kLargePositions = 10;
inline constexpr int kSmallPositions = 15;
inline constexpr int kMaxLabelCopies = 99;

// Where the text of the labels goes on a sheet, from the paper's edge: hundredths of an inch
// across for the left text and for the right text (the right column of large labels, the right
// part of a small label), down for the first text line of sheet row 0, and the distance between
// rows in thousandths. lines: the text lines of one label.
struct SheetGeometry {
    int leftX;
    int rightX;
    int firstLineY;
    int rowPitch;
    int lines;
};
inline constexpr SheetGeometry kLargeSheet{113, 455, 99, 1833, 11};
inline constexpr SheetGeometry kSmallSheet{143, 455, 56, 667, 3};
inline const SheetGeometry& SheetOf(bool large) { return large ? kLargeSheet : kSmallSheet; }
// The width of a large label, and of either part of a small one, in average characters.
inline constexpr int kLabelPartChars = 48;

// Whether a label print font whose lines are lineHeight printer pixels apart and whose average
// character is charWidth wide fits the sheet printed at dpiX by dpiY: all the label's lines
// within the row pitch, and its characters within the room before the right text.
bool LabelFontFits(const SheetGeometry& sheet, int lineHeight, int charWidth, int dpiX, int dpiY);

struct LabelJob {
    bool large = true;
    bool selectionJob = false;
    int copies = 0;       // 0 when the copies question was not asked
    int startRow = 0;     // sheet row of the first label (selection jobs)
    int startColumn = 0;  // 1 when a large selection job starts in the right column
    // A selection job's own labels; an all-labels job prints the layout's.
    std::vector<Label> printLabels;
    // Labels the job prints: the layout's count, or printLabels.size() for a selection job.
    std::uint32_t labelCount = 0;
    std::uint32_t printCount = 0;  // sheet rows (large) or labels (small)
    std::uint32_t totalPages = 1;
};

// The first step of a selection job: the selected labels (label numbers, ascending) copied in
// label order. When memory runs out, the UI is told "Out of memory! Cannot select records!"
// and the job keeps what was copied.
LabelJob BeginLabelSelection(const std::vector<Label>& labels,
                             const std::vector<std::uint32_t>& selection, bool large,
                             IReelkeepUI& ui);
// The copies answer for a lone selected label: the label repeated copies times (same
// out-of-memory rule).
void RepeatLabel(LabelJob& job, int copies, IReelkeepUI& ui);
// What the start-position question shows beside position (1-based): the first title of the
// label that would print there, or "Empty".
std::string_view StartPositionText(const LabelJob& job, int position);
// The start-position answer (1-based); a large job starting in the right column gets an empty
// label in front.
void StartAtPosition(LabelJob& job, int position);
// An all-labels job over the layout's labelCount labels.
LabelJob AllLabelsJob(std::uint32_t labelCount, bool large);
// Counts the job's sheet rows and pages from its labels; call last (calling it again gives the
// same counts).
void PaginateLabels(LabelJob& job);

// The rows page n (1-based) prints and the sheet row the first of them goes to.
struct LabelRows {
    std::uint32_t first = 0;
    std::uint32_t last = 0;
    int firstSheetRow = 0;
    bool empty = true;
};
LabelRows LabelRowsOnPage(const LabelJob& job, std::uint32_t page);

}  // namespace reelkeep
