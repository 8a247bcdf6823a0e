#include "filters_dialog.h"

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
// The first five filters stand in the left column, the custom ones in the right.
constexpr std::size_t kLeftColumnCount = 5;
constexpr int kEditChars = 20;
}  // namespace

CFiltersDialog::CFiltersDialog(const std::array<std::string, kFilterCount>& filters,
                               const HeadingTexts& headings, QWidget* parent)
    : QDialog(parent),
      ok_(MakeButton(dlg::kOk, true, this)),
      reset_(MakeButton(dlg::kResetFilters, false, this)),
      cancel_(MakeButton(dlg::kCancel, false, this)) {
    setWindowTitle(dlg::Tr(dlg::kFiltersTitle));
    AttachPageHelp(this, help::kFiltersDialog);
    auto* fields = new QGridLayout;
    for (std::size_t i = 0; i < kFilterCount; ++i) {
        edits_[i] = MakeLineEdit(this);
        edits_[i]->setText(ToQt(filters[i]));
        edits_[i]->setMinimumWidth(fontMetrics().averageCharWidth() * kEditChars);
        const bool left = i < kLeftColumnCount;
        const int row = static_cast<int>(left ? i : i - kLeftColumnCount);
        const int column = left ? 0 : 3;
        // The custom fields go by the names the catalogue gives them.
        QLabel* label =
            MakeLabel(left ? dlg::kFilterLabels[i] : std::string_view{}, this, edits_[i]);
        fields->addWidget(label, row, column);
        fields->addWidget(edits_[i], row, column + 1);
        if (!left) customLabels_[i - kLeftColumnCount] = label;
    }
    for (std::size_t k = 0; k < kCustomFieldCount; ++k) {
        SetUserCaption(customLabels_[k], ToQt(headings[k]), static_cast<int>(k) + 1);
    }
    // "All" is a stored English word whatever the language; the note says what it does.
    auto* note = MakeLabel(dlg::kFiltersNote, this);
    note->setWordWrap(true);
    fields->addWidget(note, static_cast<int>(kLeftColumnCount), 0, 1, 5);
    fields->setColumnMinimumWidth(2, fontMetrics().averageCharWidth() * 3);
    fields->setColumnStretch(1, 1);
    fields->setColumnStretch(4, 1);
    connect(ok_, &QPushButton::clicked, this, &QDialog::accept);
    connect(reset_, &QPushButton::clicked, this, &CFiltersDialog::ResetToDefaults);
    connect(cancel_, &QPushButton::clicked, this, &QDialog::reject);

    auto* buttons = new QHBoxLayout;
    buttons->addStretch();
    buttons->addWidget(ok_);
    buttons->addWidget(reset_);
    buttons->addWidget(cancel_);
    StackFieldsAndButtons(this, fields, buttons);
    edits_[0]->setFocus();
}

void CFiltersDialog::ResetToDefaults() {
    for (QLineEdit* edit : edits_) edit->setText(ToQt(kFilterAll));
}

std::array<std::string, kFilterCount> CFiltersDialog::Filters() const {
    std::array<std::string, kFilterCount> filters;
    for (std::size_t i = 0; i < kFilterCount; ++i) filters[i] = FromQt(edits_[i]->text());
    return filters;
}

bool RunFiltersDialog(QWidget* parent, std::array<std::string, kFilterCount>& filters,
                      const HeadingTexts& headings) {
    CFiltersDialog dialog(filters, headings, parent);
    if (dialog.exec() != QDialog::Accepted) return false;
    filters = dialog.Filters();
    return true;
}

}  // namespace reelkeep
