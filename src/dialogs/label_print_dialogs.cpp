#include "label_print_dialogs.h"

#include <QButtonGroup>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QIntValidator>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QVBoxLayout>
#include <algorithm>

#include "dialog_strings.h"
#include "dialog_widgets.h"
#include "dialogs.h"
#include "help_contexts.h"
#include "qt_text.h"

namespace reelkeep {

namespace {

constexpr int kMinCopies = 1;
constexpr int kMaxCopies = 99;
constexpr int kLargeColumns = 2;

QHBoxLayout* OkRow(QDialog* dialog) {
    QPushButton* ok = MakeButton(dlg::kOk, true, dialog);
    QObject::connect(ok, &QPushButton::clicked, dialog, &QDialog::accept);
    auto* row = new QHBoxLayout;
    row->addStretch();
    row->addWidget(ok);
    row->addStretch();
    return row;
}

}  // namespace

CLabelCopiesDialog::CLabelCopiesDialog(QWidget* parent)
    : QDialog(parent), edit_(MakeLineEdit(this)) {
    setWindowTitle(ToQt(dlg::kCopiesTitle));
    AttachPageHelp(this, help::kLabelCopiesDialog);
    edit_->setText(QString::number(kMinCopies));
    edit_->selectAll();
    auto* fields = new QHBoxLayout;
    fields->addWidget(MakeLabel(dlg::kCopiesPrompt, this));
    fields->addWidget(edit_);
    StackFieldsAndButtons(this, fields, OkRow(this));
}

int CLabelCopiesDialog::Copies() const { return edit_->text().trimmed().toInt(); }

void CLabelCopiesDialog::accept() {
    bool isNumber = false;
    const int copies = edit_->text().trimmed().toInt(&isNumber);
    if (!isNumber || copies < kMinCopies || copies > kMaxCopies) {
        ShowWarning(this, FromQt(ToQt(dlg::kIntegerRange).arg(kMinCopies).arg(kMaxCopies)));
        edit_->setFocus();
        edit_->selectAll();
        return;
    }
    QDialog::accept();
}

CStartPositionDialog::CStartPositionDialog(bool largeLabels,
                                           const std::vector<QString>& positionTexts,
                                           QWidget* parent)
    : QDialog(parent), positions_(new QButtonGroup(this)) {
    setWindowTitle(ToQt(dlg::kStartPositionTitle));
    AttachPageHelp(this, help::kStartPositionDialog);
    auto* fields = new QVBoxLayout;
    fields->addWidget(MakeLabel(dlg::kStartPositionPrompt, this));
    auto* sheet = new QGridLayout;
    const int columns = largeLabels ? kLargeColumns : 1;
    for (std::size_t k = 0; k < positionTexts.size(); ++k) {
        const int position = static_cast<int>(k) + 1;
        auto* button = new QRadioButton(QString::number(position), this);
        positions_->addButton(button, position);
        const int row = static_cast<int>(k) / columns;
        const int column = 2 * (static_cast<int>(k) % columns);
        QLabel* text = new QLabel(this);
        text->setTextFormat(Qt::PlainText);
        text->setText(positionTexts[k]);
        sheet->addWidget(button, row, column);
        sheet->addWidget(text, row, column + 1);
    }
    fields->addLayout(sheet);
    StackFieldsAndButtons(this, fields, OkRow(this));
    ChoosePosition(1);
}

int CStartPositionDialog::Position() const { return std::max(1, positions_->checkedId()); }

void CStartPositionDialog::ChoosePosition(int position) {
    if (QAbstractButton* button = positions_->button(position)) button->setChecked(true);
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
