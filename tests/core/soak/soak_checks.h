#pragma once

#include <string>

#include "reelkeep_doc.h"
#include "reference_ordering.h"

namespace reelkeep::test::soak {

// Everything that must hold after any step, given the records the document holds now and the
// display order the step should have left: the order is that order and a permutation of the
// filtered records; the displayed actors, the lookup lists, the actor index and the labels are
// what the references build; the catalogue read back from its saved bytes saves the same bytes.
// Failures are reported through gtest.
void CheckDocument(const CReelkeepDoc& doc, const ref::Records& records,
                   const ref::Order& expectedOrder);

// The file Undo should leave: the records as they were before the command it takes back, those a
// Delete removed back at the end in the order they were asked about; the headings, columns and
// heading colour as they are before the Undo, and a black data colour for each movie type (the
// soak sets none). before: the records when that command started.
std::string UndoneBytes(const CReelkeepDoc& doc, const ref::Records& before);

}  // namespace reelkeep::test::soak
