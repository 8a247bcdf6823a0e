#pragma once

#include "reelkeep_doc.h"

namespace reelkeep::test {

// What every command must leave behind, whatever it was given: every field array at the record
// count, listings that name only existing records, and an undo journal whose arrays are in step.
void ExpectConsistent(const CReelkeepDoc& doc);

}  // namespace reelkeep::test
