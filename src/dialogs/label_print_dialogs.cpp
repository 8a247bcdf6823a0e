#include "label_print_dialogs.h"

#include <QButtonGroup>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QLocale>
#include <QPushButton>
#include <QRadioButton>
#include <QSpinBox>
#include <QVBoxLayout>
#include <algorithm>

#include "dialog_strings.h"
#include "dialog_widgets.h"
#include "dialogs.h"
#include "help_contexts.h"
#include "messages.h"
#include "qt_text.h"

namespace reelkeep {

namespace {

constexpr int kMinCopies = 1;
constexpr int kMaxCopies = 99;
constexpr int kLargeColumns = 2;

// OK and Cancel; Cancel, like Esc, rejects the dialog and so ends the print job.
QHBoxLayout* OkCancelRow(QDialog* dialog) {
    QPushButton* ok = MakeButton(dlg::kOk, true, dialog);
    QPushButton* cancel = MakeButton(dlg::kCancel, false, dialog);
    QObject::connect(ok, &QPushButton::clicked, dialog, &QDialog::accept);
    QObject::connect(cancel, &QPushButton::clicked, dialog, &QDialog::reject);
    auto* row = new QHBoxLayout;
    row->addStretch();
    row->addWidget(ok);
    row->addWidget(cancel);
    row->addStretch();
    return row;
}

}  // namespace

CLabelCopiesDialog::CLabelCopiesDialog(QWidget* parent)
    : QDialog(parent), copies_(new QSpinBox(this)) {
    setWindowTitle(dlg::Tr(dlg::kCopiesTitle));
    AttachPageHelp(this, help::kLabelCopiesDialog);
    copies_->setRange(kMinCopies, kMaxCopies);
    copies_->setValue(kMinCopies);
    copies_->selectAll();
    auto* fields = new QHBoxLayout;
    fields->addWidget(MakeLabel(dlg::kCopiesPrompt, this, copies_));
    fields->addWidget(copies_);
    StackFieldsAndButtons(this, fields, OkCancelRow(this));
}

int CLabelCopiesDialog::Copies() const { return copies_->value(); }

void CLabelCopiesDialog::accept() {
    // The box refuses digits out of range as they are typed; what it cannot refuse, such as
    // an emptied box, would otherwise print the last number it held.
    if (!copies_->hasAcceptableInput()) {
        const QLocale locale;
        ShowWarning(this,
                    FromQt(dlg::Tr(dlg::kIntegerRange)
                               .arg(locale.toString(kMinCopies), locale.toString(kMaxCopies))));
        copies_->setFocus();
        copies_->selectAll();
        return;
    }
    copies_->interpretText();
    QDialog::accept();
}

CStartPositionDialog::CStartPositionDialog(bool largeLabels, const std::vector<QString>& titles,
                                           QWidget* parent)
    : QDialog(parent), positions_(new QButtonGroup(this)), titles_(titles) {
    setWindowTitle(dlg::Tr(dlg::kStartPositionTitle));
    AttachPageHelp(this, help::kStartPositionDialog);
    auto* fields = new QVBoxLayout;
    QLabel* prompt = MakeLabel(dlg::kStartPositionPrompt, this);
    fields->addWidget(prompt);
    auto* sheet = new QGridLayout;
    const int columns = largeLabels ? kLargeColumns : 1;
    for (std::size_t k = 0; k < titles_.size(); ++k) {
        const int position = static_cast<int>(k) + 1;
        auto* button = new QRadioButton(QString::number(position), this);
        positions_->addButton(button, position);
        const int row = static_cast<int>(k) / columns;
        const int column = 2 * (static_cast<int>(k) % columns);
        QLabel* text = new QLabel(this);
        text->setTextFormat(Qt::PlainText);
        texts_.push_back(text);
        sheet->addWidget(button, row, column);
        sheet->addWidget(text, row, column + 1);
    }
    prompt->setBuddy(positions_->button(1));
    fields->addLayout(sheet);
    StackFieldsAndButtons(this, fields, OkCancelRow(this));
    connect(positions_, &QButtonGroup::idToggled, this, [this](int position, bool checked) {
        if (checked) ShowTitlesFrom(position);
    });
    ChoosePosition(1);
}

int CStartPositionDialog::Position() const { return std::max(1, positions_->checkedId()); }

void CStartPositionDialog::ChoosePosition(int position) {
    if (QAbstractButton* button = positions_->button(position)) button->setChecked(true);
}

QString CStartPositionDialog::PositionText(int position) const {
    if (position < 1 || static_cast<std::size_t>(position) > texts_.size()) return {};
    return texts_[static_cast<std::size_t>(position - 1)]->text();
}

// From position start on, the labels print in order; the positions before it stay empty.
void CStartPositionDialog::ShowTitlesFrom(int start) {
    for (std::size_t k = 0; k < texts_.size(); ++k) {
        const auto first = static_cast<std::size_t>(std::max(start, 1) - 1);
        texts_[k]->setText(k >= first ? titles_[k - first] : CoreText(msg::kEmptyLabelPosition));
    }
}

std::optional<int> RunLabelCopiesDialog(QWidget* parent) {
    CLabelCopiesDialog dialog(parent);
    if (dialog.exec() != QDialog::Accepted) return std::nullopt;
    return dialog.Copies();
}

std::optional<int> RunStartPositionDialog(QWidget* parent, bool largeLabels,
                                          const std::vector<QString>& positionTexts) {
    CStartPositionDialog dialog(largeLabels, positionTexts, parent);
    if (dialog.exec() != QDialog::Accepted) return std::nullopt;
    return dialog.Position();
}

}  // namespace reelkeep
