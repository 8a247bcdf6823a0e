// Temporary: replaced by the ordering work in progress. Delete each function as it lands.
#include "reelkeep_doc.h"

namespace reelkeep {
void CReelkeepDoc::ClearUndoJournal() { undo_ = UndoJournal{}; }
}  // namespace reelkeep
