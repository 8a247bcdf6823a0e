// Temporary: replaced by the ordering work in progress. Delete each function as it lands.
#include "reelkeep_doc.h"

namespace reelkeep {
void CReelkeepDoc::TitleSort() {}
void CReelkeepDoc::BuildActorIndex() {}
void CReelkeepDoc::UpdateLabelColors() {}
void CReelkeepDoc::ClearUndoJournal() { undo_ = UndoJournal{}; }
}  // namespace reelkeep
