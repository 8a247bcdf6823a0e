#pragma once

#include <optional>
#include <random>
#include <string>

#include "display_state.h"
#include "fake_ui.h"
#include "reference_ordering.h"

namespace reelkeep::test {

// The soak's user: answers every dialog at random from the run's generator, and notes what the
// editing commands started from, so that the checks know what each should have left.
class SoakUI : public FakeUI {
public:
    explicit SoakUI(std::mt19937& rng) : rng_(rng) {}

    // What the last Modify or Delete of the step started from; Find runs one Modify per match.
    struct EditStart {
        DisplayState display;
        ref::Records records;
    };
    // Noted when the document asks for the selection.
    mutable std::optional<EditStart> editStart;
    // The display state of the last Modify of the step that took a change.
    std::optional<DisplayState> changedFrom;
    bool filtersTaken = false;
    // The answers given in the step, for the failure report.
    std::string answers;

    // Forgets the notes and what was shown in the previous step.
    void StartStep();

    MessageAnswer ShowMessage(std::string_view text, MessageButtons buttons,
                              MessageIcon icon) override;
    bool RunEntryDialog(EntryDialogValues& values) override;
    std::optional<DeleteAnswer> RunDeleteDialog(std::string_view question) override;
    bool RunFindDialog(FindSettings& settings) override;
    bool RunCustomHeadingsDialog(HeadingTexts& headings) override;
    bool RunFiltersDialog(FilterTexts& filters) override;
    std::vector<std::uint32_t> SelectedRowFlags() const override;

private:
    bool OneIn(unsigned n) { return rng_() % n == 0; }
    // The first few bytes of a value some movie has in the field the filter tests, so that the
    // filter lets it through.
    std::string PrefixOfAValue(FilterField filter);

    std::mt19937& rng_;
};

}  // namespace reelkeep::test
