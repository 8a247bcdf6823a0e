#pragma once

namespace reelkeep {

class CGoToEntryWindow;
class CCatalogueDisplay;
class CReelkeepView;

// Gives the view the windows it asks for: the Go To Entry window, opened with the prompt for
// what the document shows, its text followed by the view, closed by any update of the view; and
// the Add Column dialog, whose choice goes back to the view. Returns the Go To Entry window,
// made once as a child of the view.
CGoToEntryWindow& AnswerViewRequests(CReelkeepView& view, const CCatalogueDisplay& display);

}  // namespace reelkeep
