#pragma once

#include "display_state.h"
#include "document_options.h"
#include "filter_fields.h"
#include "reference_ordering.h"

namespace reelkeep::test::soak {

// What the document looked like before a step.
struct StepStart {
    ref::Order order;
    // The order the re-sorts after every change would have left, which the sorts start from;
    // it differs from order only in ties, after changes followed in place.
    ref::Order resorted;
    DisplayState display;
    DocumentOptions options;
};

// What a step did to the display order, told by the driver, which knows the command it ran.
struct Effect {
    enum class Kind {
        Kept,           // nothing ran, or nothing that reorders
        Sorted,         // a sort command: key
        TitleIfLabels,  // One Line Sorts or Normal View: a title sort for style, from the labels
        Labels,         // Display in Label Format
        Options,        // the options changed
        Refiltered,     // the records or the filters changed: rebuilt, then re-sorted as from
        Loaded,         // a catalogue was read
    };
    Kind kind = Kind::Kept;
    SortMark key = SortMark::None;
    ViewStyle style = ViewStyle::Normal;
    DisplayState from{};
    bool edited = false;  // Enter, Modify, Delete or Undo: may be followed in place
};

// Whether two orders differ only among movies the re-sort from `from` calls equal: what a change
// followed in place may leave where the title sort would have placed ties anew.
bool SameUpToTies(const ref::Order& a, const ref::Order& b, const DisplayState& from,
                  const ref::Records& records, const DocumentOptions& options);

// The display order the step should leave, worked out with the literal reference algorithms
// from the order before it. options are those in force after the step.
ref::Order ExpectedOrder(const Effect& effect, const StepStart& start, const ref::Records& records,
                         const FilterTexts& filters, const DocumentOptions& options);

}  // namespace reelkeep::test::soak
