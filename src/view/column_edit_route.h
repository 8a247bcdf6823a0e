#pragma once

namespace reelkeep {

class CReelkeepDoc;
class CReelkeepView;

// Takes the column changes the view asks for to the document, which makes them: the one way
// the window changes a column layout.
void RouteColumnEdits(CReelkeepView& view, CReelkeepDoc& doc);

}  // namespace reelkeep
