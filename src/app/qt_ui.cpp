#include "qt_ui.h"

#include <QApplication>
#include <QCursor>
#include <QLocale>

#include "dialogs.h"
#include "main_frame.h"
#include "qt_text.h"
#include "reelkeep_doc.h"
#include "reelkeep_view.h"
#include "shell_dialogs.h"
#include "status_progress.h"

namespace reelkeep {

std::string CQtTextLanguage::Text(std::string_view english) const {
    return FromQt(CoreText(english));
}

std::string CQtTextLanguage::Number(std::uint64_t number) const {
    return FromQt(QLocale().toString(static_cast<qulonglong>(number)));
}

CQtUI::CQtUI(IShellDialogs& dialogs) : dialogs_(dialogs) {}

void CQtUI::Attach(CReelkeepDoc& doc, CMainFrame& frame) {
    doc_ = &doc;
    frame_ = &frame;
}

MessageAnswer CQtUI::ShowMessage(std::string_view text, MessageButtons buttons, MessageIcon icon) {
    return dialogs_.ShowMessage(frame_, CoreText(text), buttons, icon);
}

void CQtUI::BeginProgress(std::string_view caption, std::uint32_t max) {
    if (!frame_) return;
    frame_->ShowProgressLayout();
    frame_->SetProgressCaption(CoreText(caption));
    frame_->StatusPanes().BeginBar(max);
}

void CQtUI::SetProgress(std::uint32_t stepsDone) {
    if (frame_) frame_->StatusPanes().SetBarValue(stepsDone);
}

void CQtUI::EndProgress() {
    if (!frame_) return;
    frame_->StatusPanes().EndBar();
    frame_->ShowNormalLayout();
}

void CQtUI::SetWaitCursor(bool on) {
    if (on) {
        QApplication::setOverrideCursor(Qt::WaitCursor);
    } else {
        QApplication::restoreOverrideCursor();
    }
}

void CQtUI::BeginDocumentChange() {
    if (frame_) frame_->BeginDocumentChange();
}

void CQtUI::EndDocumentChange() {
    if (frame_) frame_->EndDocumentChange();
}

void CQtUI::UpdateAllViews() {
    if (frame_) frame_->View().OnUpdate();
}

bool CQtUI::RunEntryDialog(EntryDialogValues& values) {
    return reelkeep::RunEntryDialog(frame_, entryLists_.Update(doc_->Catalogue(), frame_), values);
}

std::optional<DeleteAnswer> CQtUI::RunDeleteDialog(std::string_view question) {
    return reelkeep::RunDeleteDialog(frame_, question);
}

bool CQtUI::RunFindDialog(FindSettings& settings) {
    return reelkeep::RunFindDialog(frame_, settings);
}

bool CQtUI::RunCustomHeadingsDialog(HeadingTexts& headings) {
    return reelkeep::RunCustomHeadingsDialog(frame_, headings);
}

bool CQtUI::RunFiltersDialog(FilterTexts& filters) {
    return reelkeep::RunFiltersDialog(frame_, filters, doc_->Display().CustomHeadings());
}

std::optional<std::string> CQtUI::AskExportFileName(ExportKind kind) {
    const QString path = dialogs_.AskExportFileName(frame_, kind);
    if (path.isEmpty()) return std::nullopt;
    return FromQt(path);
}

std::optional<std::string> CQtUI::AskImportFileName() {
    const QString path = dialogs_.AskImportFileName(frame_);
    if (path.isEmpty()) return std::nullopt;
    return FromQt(path);
}

std::optional<std::string> CQtUI::AskForeignImportFileName() {
    const QString path = dialogs_.AskForeignImportFileName(frame_);
    if (path.isEmpty()) return std::nullopt;
    return FromQt(path);
}

bool CQtUI::RunImportDialog(const CsvTable& table, ColumnMapping& mapping) {
    return reelkeep::RunCsvImportDialog(frame_, table, doc_->Display().CustomHeadings(), mapping);
}

std::vector<std::uint32_t> CQtUI::SelectedRowFlags() const {
    if (!frame_) return {};
    return frame_->View().Selection().Flags();
}

bool CQtUI::RowsSelected() const { return frame_ && frame_->View().Selection().Present(); }

std::vector<std::uint32_t> CQtUI::ActedRowFlags() const {
    if (!frame_) return {};
    return frame_->View().ActedRowFlags();
}

bool CQtUI::RowsToActOn() const { return frame_ && frame_->View().RowsToActOn(); }

void CQtUI::ClearSelection() {
    if (frame_) frame_->View().ClearSelection();
}

void CQtUI::SelectOnly(std::uint32_t row, bool selected) {
    if (frame_) frame_->View().SelectOnly(row, selected);
}

void CQtUI::ApplyCustomHeadings(const HeadingTexts& headings, bool repaint) {
    if (frame_) frame_->View().SetCustomHeadings(headings, repaint);
}

}  // namespace reelkeep
