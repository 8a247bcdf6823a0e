#include "soak_driver.h"

#include <gtest/gtest.h>

#include <utility>

#include "catalogue_builder.h"
#include "random_catalogue.h"
#include "smf_bytes.h"
#include "soak_checks.h"
#include "sort_keys.h"

namespace reelkeep::test::soak {

namespace {

// Small catalogues keep every-step checking cheap and make ties and repeats common.
constexpr std::uint32_t kMostRecords = 80;
constexpr std::size_t kTailLength = 20;
constexpr int kScreenDpi = 96;

using Kind = Effect::Kind;

Effect Refiltered(const DisplayState& from) { return {.kind = Kind::Refiltered, .from = from}; }

}  // namespace

Soak::Soak(std::uint32_t seed) : seed_(seed), rng_(seed), ui_(rng_), doc_(ui_) {
    ui_.doc = &doc_;
    // As the window does, so that the lists shown are laid out as on a screen.
    doc_.UseScreenResolution(kScreenDpi);
    doc_.OnNewDocument();
    saved_ = RandomCatalogue();
    EXPECT_TRUE(LoadBytes(doc_, saved_));
}

Soak::Op Soak::PickOp() {
    // Weights: the commands that change records and order come most often.
    static constexpr std::pair<Op, unsigned> kWeights[] = {
        {Op::Enter, 10},       {Op::Modify, 8},       {Op::Delete, 6},   {Op::Undo, 6},
        {Op::Filters, 5},      {Op::Sort, 14},        {Op::OneLine, 3},  {Op::Normal, 3},
        {Op::Labels, 2},       {Op::Find, 4},         {Op::Headings, 2}, {Op::AddColumn, 1},
        {Op::RemoveColumn, 1}, {Op::MoveBoundary, 1}, {Op::Options, 3},  {Op::Save, 2},
        {Op::Reload, 2},       {Op::Open, 1},         {Op::New, 1},
    };
    unsigned total = 0;
    for (const auto& w : kWeights) total += w.second;
    unsigned pick = rng_() % total;
    for (const auto& [op, weight] : kWeights) {
        if (pick < weight) {
            return op == Op::Enter && doc_.Catalogue().Count() >= kMostRecords ? Op::Open : op;
        }
        pick -= weight;
    }
    return Op::Save;
}

bool Soak::Step() {
    ui_.StartStep();
    const StepStart start{doc_.Display().Order(), doc_.Display().State(), doc_.Display().Options()};
    std::string note;
    const Effect effect = Run(PickOp(), note);
    const ref::Records records = RecordsOf(doc_);
    CheckDocument(
        doc_, records,
        ExpectedOrder(effect, start, records, doc_.Display().Filters(), doc_.Display().Options()));
    EXPECT_FALSE(ui_.ProgressOpen());
    EXPECT_EQ(ui_.waitCursorDepth, 0);
    EXPECT_FALSE(ui_.changing);
    Remember(note + ui_.answers);
    ++steps_;
    if (!::testing::Test::HasFailure()) return true;
    Report();
    return false;
}

Effect Soak::Run(Op op, std::string& note) {
    switch (op) {
        case Op::Enter:
            note = "Enter";
            return Enter();
        case Op::Modify:
            note = "Modify";
            SelectRows();
            return Execute(CommandId::Modify) ? AfterModify() : Effect{};
        case Op::Delete:
            note = "Delete";
            return Delete();
        case Op::Undo:
            note = "Undo";
            return Undo();
        case Op::Filters: {
            note = "Filters";
            const DisplayState from = doc_.Display().State();
            return Execute(CommandId::Filters) && ui_.filtersTaken ? Refiltered(from) : Effect{};
        }
        case Op::Sort:
            return Sort(note);
        case Op::OneLine:
            note = "One Line Sorts";
            if (!Execute(CommandId::OneLineSorts)) return {};
            return {.kind = Kind::TitleIfLabels, .style = ViewStyle::OneLine};
        case Op::Normal:
            note = "Normal View";
            if (!Execute(CommandId::DisplayNormalView)) return {};
            return {.kind = Kind::TitleIfLabels, .style = ViewStyle::Normal};
        case Op::Labels:
            note = "Label Format";
            return Execute(CommandId::DisplayLabelFormat) ? Effect{.kind = Kind::Labels} : Effect{};
        case Op::Find:
            note = "Find";
            return Execute(CommandId::Find) ? AfterModify() : Effect{};
        case Op::Headings:
            note = "Edit Custom Heading";
            Execute(CommandId::EditCustomHeading);
            return {};
        case Op::AddColumn:
        case Op::RemoveColumn:
        case Op::MoveBoundary:
            return ChangeColumns(op, note);
        case Op::Options:
            note = "Options";
            return ChangeOptions();
        case Op::Save:
            note = "Save";
            saved_ = SaveBytes(doc_);
            return {};
        case Op::Reload: {
            note = "Reload";
            const Effect effect = Load(saved_);
            EXPECT_TRUE(SaveBytes(doc_) == saved_) << "the saved catalogue did not come back";
            return effect;
        }
        case Op::Open:
            saved_ = RandomCatalogue();
            note = "Open another catalogue";
            return Load(saved_);
        case Op::New:
            note = "New";
            doc_.OnNewDocument();
            // Like a load, it leaves the records (none) in filter order.
            return {.kind = Kind::Loaded};
    }
    return {};
}

bool Soak::Execute(CommandId id) {
    const bool enabled = doc_.IsEnabled(id);
    doc_.Execute(id);
    return enabled;
}

Effect Soak::Enter() {
    const DisplayState from = doc_.Display().State();
    ref::Records before = RecordsOf(doc_);
    if (!Execute(CommandId::Enter) || doc_.Catalogue().Count() == before.size()) return {};
    undoStart_ = std::move(before);
    return Refiltered(from);
}

Effect Soak::AfterModify() {
    TakeUndoStart();
    return ui_.changedFrom ? Refiltered(*ui_.changedFrom) : Effect{};
}

Effect Soak::Delete() {
    SelectRows();
    const DisplayState from = doc_.Display().State();
    if (!Execute(CommandId::Delete)) return {};
    TakeUndoStart();
    // The journal was emptied as the command began: it holds something only if a movie went.
    return doc_.Undo().available ? Refiltered(from) : Effect{};
}

Effect Soak::Undo() {
    if (!doc_.IsEnabled(CommandId::Undo)) return {};
    const DisplayState from = doc_.Display().State();
    const std::string expected = UndoneBytes(doc_, undoStart_);
    const std::string action = doc_.Undo().action;
    doc_.Execute(CommandId::Undo);
    EXPECT_TRUE(SaveBytes(doc_) == expected) << "Undo of " << action << " gave other bytes";
    return Refiltered(from);
}

Effect Soak::Sort(std::string& note) {
    const auto keys = SortKeys();
    const SortKeyInfo& key = keys[rng_() % keys.size()];
    note = "Sort by " + std::string(key.name);
    if (!Execute(key.command)) return {};
    return {.kind = Kind::Sorted, .key = key.mark};
}

Effect Soak::ChangeColumns(Op op, std::string& note) {
    // Out-of-range columns and slots now and then: the document must ignore them.
    const std::size_t column = rng_() % 12;
    if (op == Op::AddColumn) {
        const std::uint32_t id = 1 + rng_() % 10;
        note = "add column " + std::to_string(id) + " after " + std::to_string(column);
        doc_.AddShownListColumn(column, id, kScreenDpi);
    } else if (op == Op::RemoveColumn) {
        note = "remove column " + std::to_string(column);
        doc_.RemoveShownListColumn(column);
    } else {
        const int x = static_cast<int>(rng_() % 1400) - 100;
        note = "move boundary " + std::to_string(column) + " to " + std::to_string(x);
        doc_.MoveShownListBoundary(column, x);
    }
    return {};
}

Effect Soak::ChangeOptions() {
    DocumentOptions options = doc_.Display().Options();
    options.ignoreTheNormal = rng_() % 2 != 0;
    options.ignoreTheOneLine = rng_() % 2 != 0;
    options.tapeText = rng_() % 2 != 0;
    doc_.OptionsChanged(options);
    return {.kind = Kind::Options};
}

Effect Soak::Load(std::string bytes) {
    EXPECT_TRUE(LoadBytes(doc_, bytes));
    return {.kind = Kind::Loaded};
}

void Soak::SelectRows() {
    const std::uint32_t rows = doc_.Display().ListingCount();
    // Now and then flags for rows the listing no longer has.
    ui_.viewSelection.assign(rows + (rng_() % 8 == 0 ? 2 : 0), 0);
    const unsigned how = rng_() % 3;
    for (std::uint32_t& flag : ui_.viewSelection) {
        flag = how == 2 || (how == 1 && rng_() % 4 == 0) ? 1 : 0;
    }
    if (how == 0 && rows > 0) ui_.viewSelection[rng_() % rows] = 1;
    ui_.rowsSelected = true;
}

void Soak::TakeUndoStart() {
    if (ui_.editStart) undoStart_ = std::move(ui_.editStart->records);
}

std::string Soak::RandomCatalogue() {
    FakeUI ui;
    CReelkeepDoc doc(ui);
    // Column positions as a window saves them: a list that lacks them gets them when shown,
    // which would make a reload differ from the file.
    doc.UseScreenResolution(kScreenDpi);
    FillCatalogue(doc, RandomRecords(rng_, rng_() % 61));
    return SaveBytes(doc);
}

void Soak::Remember(std::string note) {
    tail_.push_back(std::to_string(steps_) + ": " + std::move(note));
    if (tail_.size() > kTailLength) tail_.pop_front();
}

void Soak::Report() const {
    std::string tail;
    for (const std::string& line : tail_) tail += "\n  " + line;
    ADD_FAILURE() << "soak seed " << seed_ << " failed at step " << steps_ - 1
                  << " (repeat it with: soak --seed " << seed_ << " --steps " << steps_
                  << ")\nlast steps:" << tail;
}

bool RunSoak(std::uint32_t seed, std::uint64_t steps) {
    Soak soak(seed);
    if (::testing::Test::HasFailure()) return false;
    while (soak.StepsDone() < steps) {
        if (!soak.Step()) return false;
    }
    return true;
}

}  // namespace reelkeep::test::soak
