#include "find_dialog.h"

#include <QCheckBox>
#include <QGridLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QVBoxLayout>

#include "dialog_strings.h"
#include "dialog_widgets.h"
#include "dialogs.h"
#include "help_contexts.h"
#include "qt_text.h"

namespace reelkeep {

CFindDialog::CFindDialog(const FindSettings& settings, QWidget* parent)
    : QDialog(parent),
      text_(MakeLineEdit(this)),
      wholeWord_(new QCheckBox(dlg::Tr(dlg::kWholeWord), this)),
      matchCase_(new QCheckBox(dlg::Tr(dlg::kMatchCase), this)),
      find_(MakeButton(dlg::kFindButton, true, this)),
      cancel_(MakeButton(dlg::kCancel, false, this)) {
    setWindowTitle(dlg::Tr(dlg::kFindTitle));
    EnableContextHelpButton(this);
    AttachPageHelp(this, help::kFindDialog);
    text_->setText(ToQt(settings.text));
    text_->selectAll();
    wholeWord_->setChecked(settings.wholeWord);
    matchCase_->setChecked(settings.matchCase);
    AttachHelp(text_, help::kFindText, dlg::kHelpFindText);
    AttachHelp(wholeWord_, help::kFindWholeWord, dlg::kHelpWholeWord);
    AttachHelp(matchCase_, help::kFindMatchCase, dlg::kHelpMatchCase);
    AttachHelp(find_, help::kFindButton, dlg::kHelpFindButton);
    connect(find_, &QPushButton::clicked, this, &QDialog::accept);
    connect(cancel_, &QPushButton::clicked, this, &QDialog::reject);

    auto* fields = new QVBoxLayout;
    fields->addWidget(MakeLabel(dlg::kFindLabel, this, text_));
    fields->addWidget(text_);
    fields->addWidget(wholeWord_);
    fields->addWidget(matchCase_);
    fields->addStretch();
    auto* buttons = new QVBoxLayout;
    buttons->addWidget(find_);
    buttons->addWidget(cancel_);
    buttons->addStretch();
    auto* layout = new QGridLayout(this);
    layout->addLayout(fields, 0, 0);
    layout->addLayout(buttons, 0, 1);
    layout->setColumnStretch(0, 1);
    text_->setMinimumWidth(text_->fontMetrics().averageCharWidth() * 30);
    text_->setFocus();
}

FindSettings CFindDialog::Settings() const {
    FindSettings settings;
    settings.text = FromQt(text_->text());
    settings.wholeWord = wholeWord_->isChecked();
    settings.matchCase = matchCase_->isChecked();
    return settings;
}

bool RunFindDialog(QWidget* parent, FindSettings& settings) {
    CFindDialog dialog(settings, parent);
    if (dialog.exec() != QDialog::Accepted) return false;
    settings = dialog.Settings();
    return true;
}

}  // namespace reelkeep
