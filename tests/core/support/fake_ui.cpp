#include "fake_ui.h"

#include <gtest/gtest.h>

#include "doc_invariants.h"

namespace reelkeep::test {

namespace {

template <typename T>
std::optional<T> Next(std::deque<std::optional<T>>& queue) {
    if (queue.empty()) return std::nullopt;
    auto answer = std::move(queue.front());
    queue.pop_front();
    return answer;
}

}  // namespace

MessageAnswer FakeUI::ShowMessage(std::string_view text, MessageButtons, MessageIcon) {
    messages.emplace_back(text);
    messageMoments.push_back({updates, documentChanges});
    if (doc != nullptr) ExpectConsistent(*doc);
    if (messageAnswers.empty()) return MessageAnswer::Ok;
    const MessageAnswer answer = messageAnswers.front();
    messageAnswers.pop_front();
    return answer;
}

void FakeUI::BeginProgress(std::string_view caption, std::uint32_t max) {
    EXPECT_FALSE(ProgressOpen()) << "progress '" << caption << "' begun inside '"
                                 << progress.back().caption << "'";
    progress.push_back({std::string(caption), max, 0, false});
}

void FakeUI::SetProgress(std::uint32_t stepsDone) {
    ASSERT_TRUE(ProgressOpen());
    // A bar never goes back, and a value that does not move it need not be reported.
    EXPECT_GT(stepsDone, progress.back().steps) << progress.back().caption;
    progress.back().steps = stepsDone;
}

void FakeUI::EndProgress() {
    ASSERT_TRUE(ProgressOpen());
    progress.back().ended = true;
}

void FakeUI::BeginDocumentChange() {
    EXPECT_FALSE(changing) << "only the outermost change is reported";
    changing = true;
    ++documentChanges;
}

void FakeUI::EndDocumentChange() {
    EXPECT_TRUE(changing);
    changing = false;
    if (changeEnded) changeEnded();
}

void FakeUI::UpdateAllViews() {
    ++updates;
    if (doc != nullptr) ExpectConsistent(*doc);
}

void FakeUI::SetWaitCursor(bool on) {
    waitCursorDepth += on ? 1 : -1;
    EXPECT_GE(waitCursorDepth, 0);
    maxWaitCursorDepth = std::max(maxWaitCursorDepth, waitCursorDepth);
}

bool FakeUI::RunEntryDialog(EntryDialogValues& values) {
    entryDialogsShown.push_back(values);
    auto answer = Next(entryAnswers);
    if (!answer) return false;
    values.fields = *answer;
    return true;
}

std::optional<DeleteAnswer> FakeUI::RunDeleteDialog(std::string_view question) {
    deleteQuestions.emplace_back(question);
    return Next(deleteAnswers);
}

bool FakeUI::RunFindDialog(FindSettings& settings) {
    auto answer = Next(findAnswers);
    if (answer) settings = *answer;
    return answer.has_value();
}

bool FakeUI::RunCustomHeadingsDialog(std::array<std::string, 4>& headings) {
    auto answer = Next(headingAnswers);
    if (answer) headings = *answer;
    return answer.has_value();
}

bool FakeUI::RunFiltersDialog(std::array<std::string, 9>& filters) {
    auto answer = Next(filterAnswers);
    if (answer) filters = *answer;
    return answer.has_value();
}

std::optional<std::string> FakeUI::AskExportFileName(ExportKind) { return Next(exportNames); }

std::optional<std::string> FakeUI::AskImportFileName() { return Next(importNames); }

bool FakeUI::RunImportDialog(const CsvTable&, ColumnMapping& mapping) {
    importMappingsShown.push_back(mapping);
    if (importAccepts.empty()) return false;
    const bool accepted = importAccepts.front();
    importAccepts.pop_front();
    if (!accepted) return false;
    for (const auto& [column, target] : importAssignments) AssignColumn(mapping, column, target);
    return true;
}

std::vector<std::uint32_t> FakeUI::SelectedRowFlags() const { return viewSelection; }

bool FakeUI::RowsSelected() const { return rowsSelected; }

void FakeUI::ClearSelection() { rowsSelected = false; }

void FakeUI::SelectOnly(std::uint32_t row, bool selected) {
    const std::uint32_t rows = doc != nullptr ? doc->Display().ListingCount() : 0;
    viewSelection.assign(rows, 0);
    if (row < rows) viewSelection[row] = selected ? 1 : 0;
}

void FakeUI::ApplyCustomHeadings(const std::array<std::string, 4>& headings, bool repaint) {
    viewHeadings = headings;
    if (repaint) ++headingRepaints;
}

}  // namespace reelkeep::test
