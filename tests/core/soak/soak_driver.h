#pragma once

#include <cstdint>
#include <deque>
#include <random>
#include <string>

#include "reelkeep_doc.h"
#include "soak_model.h"
#include "soak_ui.h"

namespace reelkeep::test::soak {

// A soak run: random commands on one small catalogue, answered at random, with every invariant
// of soak_checks.h checked after every step. The seed alone decides the run, so a failing step
// comes back with the same seed.
class Soak {
public:
    explicit Soak(std::uint32_t seed);

    // Runs one command and checks the document; false once a check failed, after reporting the
    // seed, the step and the commands that led there.
    bool Step();
    std::uint64_t StepsDone() const { return steps_; }
    const CReelkeepDoc& Doc() const { return doc_; }
    test::FakeUI& UI() { return ui_; }
    // Fails the test, naming the seed, the step and the commands before it.
    void Report() const;

private:
    enum class Op {
        Enter,
        Modify,
        Delete,
        Undo,
        Filters,
        Sort,
        OneLine,
        Normal,
        Labels,
        Find,
        Headings,
        AddColumn,
        RemoveColumn,
        MoveBoundary,
        Options,
        Save,
        Reload,
        Open,
        New,
    };

    Op PickOp();
    Effect Run(Op op, std::string& note);
    // Runs a command as the window would, when it is enabled; whether it ran.
    bool Execute(CommandId id);
    Effect Enter();
    // The effect of Modify and Find: a re-sort from where the last Modify that took a change
    // started.
    Effect AfterModify();
    Effect Delete();
    Effect Undo();
    Effect Sort(std::string& note);
    Effect ChangeColumns(Op op, std::string& note);
    Effect ChangeOptions();
    Effect Load(std::string bytes);
    void SelectRows();
    // Notes the records the journal's command started from, when a Modify or Delete ran.
    void TakeUndoStart();
    std::string RandomCatalogue();
    void Remember(std::string note);

    std::uint32_t seed_;
    std::mt19937 rng_;
    SoakUI ui_;
    CReelkeepDoc doc_;
    std::string saved_;       // the catalogue as last saved or opened
    ref::Records undoStart_;  // the records before the command the undo journal holds
    ref::Order resorted_;     // see StepStart::resorted
    std::deque<std::string> tail_;
    std::uint64_t steps_ = 0;
};

// Runs steps steps from seed; false when a check failed (reported through gtest).
bool RunSoak(std::uint32_t seed, std::uint64_t steps);

}  // namespace reelkeep::test::soak
