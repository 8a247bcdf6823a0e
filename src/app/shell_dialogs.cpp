#include "shell_dialogs.h"

#include <QFileDialog>
#include <QMessageBox>
#include <QPrinter>
#include <QPushButton>
#include <algorithm>
#include <climits>

#include "app_strings.h"
#include "dialog_widgets.h"
#include "dialogs.h"
#include "help_contexts.h"
#include "help_window.h"
#include "kept_paper.h"
#include "print_preview.h"
#include "print_setup_dialog.h"

namespace reelkeep {

namespace {

QMessageBox::StandardButtons ButtonsOf(MessageButtons buttons) {
    switch (buttons) {
        case MessageButtons::OkCancel:
            return QMessageBox::Ok | QMessageBox::Cancel;
        case MessageButtons::YesNo:
            return QMessageBox::Yes | QMessageBox::No;
        case MessageButtons::YesNoCancel:
            return QMessageBox::Yes | QMessageBox::No | QMessageBox::Cancel;
        case MessageButtons::Ok:
            break;
    }
    return QMessageBox::Ok;
}

QMessageBox::Icon IconOf(MessageIcon icon) {
    switch (icon) {
        case MessageIcon::Information:
            return QMessageBox::Information;
        case MessageIcon::Question:
            return QMessageBox::Question;
        case MessageIcon::Warning:
            break;
    }
    return QMessageBox::Warning;
}

MessageAnswer AnswerOf(int button) {
    switch (button) {
        case QMessageBox::Yes:
            return MessageAnswer::Yes;
        case QMessageBox::No:
            return MessageAnswer::No;
        case QMessageBox::Cancel:
            return MessageAnswer::Cancel;
        default:
            return MessageAnswer::Ok;
    }
}

// A save dialog that asks before overwriting and appends the suffix when none was typed.
QString AskSaveName(QWidget* parent, const QString& start, const char* filter, const char* suffix) {
    QFileDialog dialog(parent, QString(), start, appstr::Tr(filter));
    dialog.setAcceptMode(QFileDialog::AcceptSave);
    dialog.setFileMode(QFileDialog::AnyFile);
    dialog.setDefaultSuffix(QString::fromUtf8(suffix));
    if (dialog.exec() != QDialog::Accepted || dialog.selectedFiles().isEmpty()) return {};
    return dialog.selectedFiles().front();
}

}  // namespace

MessageAnswer CQtShellDialogs::ShowMessage(QWidget* parent, const QString& text,
                                           MessageButtons buttons, MessageIcon icon) {
    QMessageBox box(IconOf(icon), QString::fromUtf8(appstr::kAppTitle), text, ButtonsOf(buttons),
                    parent);
    if (buttons == MessageButtons::YesNoCancel) box.setEscapeButton(QMessageBox::Cancel);
    if (buttons == MessageButtons::YesNo) {
        // A bare Yes/No question guards against a loss: Enter alone must not give the Yes.
        box.setDefaultButton(QMessageBox::No);
        box.setEscapeButton(QMessageBox::No);
    }
    return AnswerOf(box.exec());
}

QString CQtShellDialogs::AskOpenFileName(QWidget* parent) {
    return QFileDialog::getOpenFileName(parent, QString(), QString(),
                                        appstr::Tr(appstr::kFileFilter));
}

QString CQtShellDialogs::AskSaveFileName(QWidget* parent, const QString& suggestedPath) {
    return AskSaveName(parent, suggestedPath, appstr::kFileFilter, appstr::kFileSuffix);
}

QString CQtShellDialogs::AskExportFileName(QWidget* parent, ExportKind kind) {
    if (kind == ExportKind::Csv) {
        return AskSaveName(parent, appstr::Tr(appstr::kCsvUntitled), appstr::kCsvFilter,
                           appstr::kCsvSuffix);
    }
    return AskSaveName(parent, appstr::Tr(appstr::kDocUntitled), appstr::kDocFilter,
                       appstr::kDocSuffix);
}

QString CQtShellDialogs::AskImportFileName(QWidget* parent) {
    return QFileDialog::getOpenFileName(parent, appstr::Tr(appstr::kCsvImportCaption), QString(),
                                        appstr::Tr(appstr::kCsvImportFilter));
}

QString CQtShellDialogs::AskForeignImportFileName(QWidget* parent) {
    return QFileDialog::getOpenFileName(parent, appstr::Tr(appstr::kCsvImportCaption), QString(),
                                        appstr::Tr(appstr::kForeignImportFilter));
}

void CQtShellDialogs::ShowAbout(QWidget* parent) { ShowAboutBox(parent); }

bool CQtShellDialogs::AskRecover(QWidget* parent, const QString& text) {
    QMessageBox box(QMessageBox::Question, QString::fromUtf8(appstr::kAppTitle), text,
                    QMessageBox::NoButton, parent);
    QPushButton* recover =
        box.addButton(appstr::Tr(appstr::kRecoverButton), QMessageBox::AcceptRole);
    QPushButton* discard =
        box.addButton(appstr::Tr(appstr::kDiscardButton), QMessageBox::DestructiveRole);
    box.setDefaultButton(recover);
    // Escape keeps the changes: giving them up should take a deliberate click.
    box.setEscapeButton(recover);
    box.exec();
    return box.clickedButton() != discard;
}

std::optional<PrintDialogChoice> CQtShellDialogs::RunPrintDialog(QWidget* parent, QPrinter& printer,
                                                                 bool offerSelection,
                                                                 std::uint32_t pages) {
    CKeptPaperPrintDialog dialog(&printer, parent);
    dialog.setOption(QAbstractPrintDialog::PrintSelection, offerSelection);
    dialog.setOption(QAbstractPrintDialog::PrintPageRange, true);
    dialog.setMinMax(1, static_cast<int>(std::min<std::uint32_t>(pages, INT_MAX)));
    printer.setFromTo(0, 0);
    printer.setPrintRange(offerSelection ? QPrinter::Selection : QPrinter::AllPages);
    if (dialog.exec() != QDialog::Accepted) return std::nullopt;
    PrintDialogChoice choice;
    choice.selection = printer.printRange() == QPrinter::Selection;
    if (printer.printRange() == QPrinter::PageRange) {
        choice.firstPage = static_cast<std::uint32_t>(std::max(1, printer.fromPage()));
        choice.lastPage = static_cast<std::uint32_t>(std::max(0, printer.toPage()));
    }
    return choice;
}

void CQtShellDialogs::RunPageSetup(QWidget* parent, QPrinter& printer) {
    CPrintSetupDialog dialog(printer, parent);
    dialog.exec();
}

bool CQtShellDialogs::ShowPrintPreview(CPrintPreview& preview) {
    AttachPageHelp(&preview, help::kPrintPreview);
    preview.exec();
    return preview.PrintRequested();
}

std::optional<int> CQtShellDialogs::AskLabelCopies(QWidget* parent) {
    return RunLabelCopiesDialog(parent);
}

std::optional<int> CQtShellDialogs::AskLabelStartPosition(QWidget* parent, bool largeLabels,
                                                          const std::vector<QString>& texts) {
    return RunStartPositionDialog(parent, largeLabels, texts);
}

std::optional<QFont> CQtShellDialogs::AskFont(QWidget* parent, const QFont& initial,
                                              FontSizeLimit sizes) {
    return RunFontPicker(parent, initial, sizes);
}

std::optional<QColor> CQtShellDialogs::AskColor(QWidget* parent, const QColor& initial) {
    return RunColorPicker(parent, initial);
}

void CQtShellDialogs::ShowHelp(QWidget* parent, int context) { ShowHelpTopic(parent, context); }

}  // namespace reelkeep
