#include "custom_headings_dialog.h"

#include <QGridLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>

#include "dialog_strings.h"
#include "dialog_widgets.h"
#include "dialogs.h"
#include "qt_text.h"

namespace reelkeep {

namespace {
constexpr int kEditChars = 24;
}

CCustomHeadingsDialog::CCustomHeadingsDialog(const std::array<std::string, 4>& headings,
                                             QWidget* parent)
    : QDialog(parent),
      original_(headings),
      ok_(MakeButton(dlg::kOk, true, this)),
      cancel_(MakeButton(dlg::kCancel, false, this)) {
    setWindowTitle(ToQt(dlg::kHeadingsTitle));
    auto* fields = new QGridLayout;
    for (int k = 0; k < 4; ++k) {
        edits_[k] = MakeLineEdit(this);
        edits_[k]->setText(ToQt(headings[k]));
        edits_[k]->setMinimumWidth(fontMetrics().averageCharWidth() * kEditChars);
        fields->addWidget(MakeLabel(dlg::kHeadingLabels[k], this), k, 0);
        fields->addWidget(edits_[k], k, 1);
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

std::array<std::string, 4> CCustomHeadingsDialog::Headings() const {
    std::array<std::string, 4> headings;
    for (int k = 0; k < 4; ++k) headings[k] = EditedText(edits_[k], original_[k]);
    return headings;
}

bool RunCustomHeadingsDialog(QWidget* parent, std::array<std::string, 4>& headings) {
    CCustomHeadingsDialog dialog(headings, parent);
    if (dialog.exec() != QDialog::Accepted) return false;
    headings = dialog.Headings();
    return true;
}

}  // namespace reelkeep
