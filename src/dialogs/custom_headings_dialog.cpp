#include "custom_headings_dialog.h"

#include <QGridLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>

#include "dialog_strings.h"
#include "dialog_widgets.h"
#include "dialogs.h"
#include "help_contexts.h"
#include "qt_text.h"

namespace reelkeep {

namespace {
constexpr int kEditChars = 24;
}

CCustomHeadingsDialog::CCustomHeadingsDialog(const HeadingTexts& headings, QWidget* parent)
    : QDialog(parent),
      original_(headings),
      ok_(MakeButton(dlg::kOk, true, this)),
      cancel_(MakeButton(dlg::kCancel, false, this)) {
    setWindowTitle(dlg::Tr(dlg::kHeadingsTitle));
    AttachPageHelp(this, help::kCustomHeadingsDialog);
    auto* fields = new QGridLayout;
    for (std::size_t k = 0; k < kCustomFieldCount; ++k) {
        edits_[k] = MakeLineEdit(this);
        edits_[k]->setText(ToQt(headings[k]));
        edits_[k]->setMinimumWidth(fontMetrics().averageCharWidth() * kEditChars);
        const int row = static_cast<int>(k);
        fields->addWidget(MakeLabel(dlg::kHeadingLabels[k], this, edits_[k]), row, 0);
        fields->addWidget(edits_[k], row, 1);
    }
    fields->setColumnStretch(1, 1);
    connect(ok_, &QPushButton::clicked, this, &QDialog::accept);
    connect(cancel_, &QPushButton::clicked, this, &QDialog::reject);

    auto* buttons = new QHBoxLayout;
    buttons->addWidget(ok_);
    buttons->addStretch();
    buttons->addWidget(cancel_);
    StackFieldsAndButtons(this, fields, buttons);
    edits_[0]->setFocus();
}

HeadingTexts CCustomHeadingsDialog::Headings() const {
    HeadingTexts headings;
    for (std::size_t k = 0; k < kCustomFieldCount; ++k)
        headings[k] = EditedText(edits_[k], original_[k]);
    return headings;
}

bool RunCustomHeadingsDialog(QWidget* parent, HeadingTexts& headings) {
    CCustomHeadingsDialog dialog(headings, parent);
    if (dialog.exec() != QDialog::Accepted) return false;
    headings = dialog.Headings();
    return true;
}

}  // namespace reelkeep
