#pragma once

#include <QString>

#include "ui_interface.h"

class QWidget;

namespace reelkeep {

// The shell's modal questions: message boxes and file-name dialogs. Behind an interface so
// tests answer them without a real modal box.
class IShellDialogs {
public:
    virtual ~IShellDialogs() = default;

    virtual MessageAnswer ShowMessage(QWidget* parent, const QString& text, MessageButtons buttons,
                                      MessageIcon icon) = 0;
    // Each returns the chosen path, or an empty string when the user cancelled.
    virtual QString AskOpenFileName(QWidget* parent) = 0;
    virtual QString AskSaveFileName(QWidget* parent, const QString& suggestedPath) = 0;
    virtual QString AskExportFileName(QWidget* parent, ExportKind kind) = 0;
    virtual void ShowAbout(QWidget* parent) = 0;
};

// The real thing: QMessageBox titled "Reelkeep" and QFileDialog.
class CQtShellDialogs : public IShellDialogs {
public:
    MessageAnswer ShowMessage(QWidget* parent, const QString& text, MessageButtons buttons,
                              MessageIcon icon) override;
    QString AskOpenFileName(QWidget* parent) override;
    QString AskSaveFileName(QWidget* parent, const QString& suggestedPath) override;
    QString AskExportFileName(QWidget* parent, ExportKind kind) override;
    void ShowAbout(QWidget* parent) override;
};

}  // namespace reelkeep
