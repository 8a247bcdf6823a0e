#pragma once

#include <QString>
#include <cstdint>
#include <optional>
#include <vector>

#include "option_pickers.h"
#include "ui_interface.h"

class QPrinter;
class QWidget;

namespace reelkeep {

class CPrintPreview;

// What the print dialog was closed with: the selection or everything, and the pages (0 for
// the job's last).
struct PrintDialogChoice {
    bool selection = false;
    std::uint32_t firstPage = 1;
    std::uint32_t lastPage = 0;
};

// The shell's modal questions: message boxes, file-name dialogs and, from IOptionPickers, the
// font and colour pickers and the help window. Behind an interface so tests answer them without
// a real modal box.
class IShellDialogs : public IOptionPickers {
public:
    virtual MessageAnswer ShowMessage(QWidget* parent, const QString& text, MessageButtons buttons,
                                      MessageIcon icon) = 0;
    // Each returns the chosen path, or an empty string when the user cancelled.
    virtual QString AskOpenFileName(QWidget* parent) = 0;
    virtual QString AskSaveFileName(QWidget* parent, const QString& suggestedPath) = 0;
    virtual QString AskExportFileName(QWidget* parent, ExportKind kind) = 0;
    virtual QString AskImportFileName(QWidget* parent) = 0;
    virtual QString AskForeignImportFileName(QWidget* parent) = 0;
    virtual void ShowAbout(QWidget* parent) = 0;
    // The start-up offer of a crashed run's changes: true for Recover, false for Discard.
    virtual bool AskRecover(QWidget* parent, const QString& text) = 0;

    // The print dialog: "Selection" offered and preselected when rows are selected, pages 1 to
    // pages; nullopt when cancelled.
    virtual std::optional<PrintDialogChoice> RunPrintDialog(QWidget* parent, QPrinter& printer,
                                                            bool offerSelection,
                                                            std::uint32_t pages) = 0;
    virtual void RunPageSetup(QWidget* parent, QPrinter& printer) = 0;
    // Runs the preview; true when the user asked to print from it.
    virtual bool ShowPrintPreview(CPrintPreview& preview) = 0;
    virtual std::optional<int> AskLabelCopies(QWidget* parent) = 0;
    virtual std::optional<int> AskLabelStartPosition(QWidget* parent, bool largeLabels,
                                                     const std::vector<QString>& texts) = 0;
};

// The real thing: QMessageBox titled "Reelkeep", QFileDialog and the print dialogs.
class CQtShellDialogs : public IShellDialogs {
public:
    MessageAnswer ShowMessage(QWidget* parent, const QString& text, MessageButtons buttons,
                              MessageIcon icon) override;
    QString AskOpenFileName(QWidget* parent) override;
    QString AskSaveFileName(QWidget* parent, const QString& suggestedPath) override;
    QString AskExportFileName(QWidget* parent, ExportKind kind) override;
    QString AskImportFileName(QWidget* parent) override;
    QString AskForeignImportFileName(QWidget* parent) override;
    void ShowAbout(QWidget* parent) override;
    bool AskRecover(QWidget* parent, const QString& text) override;
    std::optional<PrintDialogChoice> RunPrintDialog(QWidget* parent, QPrinter& printer,
                                                    bool offerSelection,
                                                    std::uint32_t pages) override;
    void RunPageSetup(QWidget* parent, QPrinter& printer) override;
    bool ShowPrintPreview(CPrintPreview& preview) override;
    std::optional<int> AskLabelCopies(QWidget* parent) override;
    std::optional<int> AskLabelStartPosition(QWidget* parent, bool largeLabels,
                                             const std::vector<QString>& texts) override;
    std::optional<QFont> AskFont(QWidget* parent, const QFont& initial,
                                 FontSizeLimit sizes) override;
    std::optional<QColor> AskColor(QWidget* parent, const QColor& initial) override;
    void ShowHelp(QWidget* parent, int context) override;
};

}  // namespace reelkeep
