#include "csv_import_dialog.h"

#include <QComboBox>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QLabel>
#include <QLocale>
#include <QPushButton>
#include <QSignalBlocker>
#include <QTableWidget>
#include <QVBoxLayout>
#include <algorithm>

#include "dialog_strings.h"
#include "dialog_widgets.h"
#include "dialogs.h"
#include "help_contexts.h"
#include "qt_text.h"
#include "record_strings.h"

namespace reelkeep {

namespace {

// Lines of the file shown under the field choices.
constexpr std::size_t kPreviewLines = 10;
// Characters of a value shown in a cell; a synopsis is only glimpsed.
constexpr qsizetype kCellChars = 80;
constexpr int kPreviewWidthChars = 90;

QString CellText(const std::string& value) {
    QString text = ToQt(value).left(kCellChars);
    text.replace(QLatin1String("\r\n"), QLatin1String(" "));
    text.replace(QLatin1Char('\n'), QLatin1Char(' '));
    return text;
}

QString TargetCaption(const ColumnTarget& target, const HeadingTexts& headings) {
    switch (target.kind) {
        case ColumnTarget::Kind::Skip:
            return dlg::Tr(dlg::kImportSkip);
        case ColumnTarget::Kind::Actors:
            return dlg::Tr(dlg::kImportActorList);
        case ColumnTarget::Kind::Field:
            break;
    }
    for (std::size_t k = 0; k < kCustomFieldCount; ++k) {
        if (target.field == CustomField(k)) return ToQt(headings[k]);
    }
    return recordtext::FieldCaption(target.field);
}

std::string_view SeparatorName(char separator) {
    if (separator == ';') return dlg::kImportSeparators[1];
    if (separator == '\t') return dlg::kImportSeparators[2];
    return dlg::kImportSeparators[0];
}

QString SummaryText(const CsvTable& table) {
    QString text =
        dlg::Tr(dlg::kImportFound)
            .arg(dlg::Tr(SeparatorName(table.separator)),
                 dlg::Tr(dlg::kImportEncodings[static_cast<std::size_t>(table.encoding)]))
            .arg(QLocale().toString(static_cast<qulonglong>(table.rows.size())));
    if (table.form == CsvForm::ReelkeepExport) text += u' ' + dlg::Tr(dlg::kImportExportForm);
    return text;
}

}  // namespace

CCsvImportDialog::CCsvImportDialog(const CsvTable& table, const HeadingTexts& headings,
                                   ColumnMapping mapping, QWidget* parent)
    : QDialog(parent),
      mapping_(std::move(mapping)),
      summary_(MakeLabel({}, this)),
      preview_(new QTableWidget(this)),
      ok_(MakeButton(dlg::kOk, true, this)),
      cancel_(MakeButton(dlg::kCancel, false, this)) {
    setWindowTitle(dlg::Tr(dlg::kImportTitle));
    AttachPageHelp(this, help::kCsvImportDialog);
    summary_->setText(SummaryText(table));
    FillPreview(table);
    AddTargetCombos(headings);
    ShowMapping();
    connect(ok_, &QPushButton::clicked, this, &QDialog::accept);
    connect(cancel_, &QPushButton::clicked, this, &QDialog::reject);

    auto* fields = new QVBoxLayout;
    fields->addWidget(MakeLabel(dlg::kImportIntro, this));
    fields->addWidget(summary_);
    fields->addWidget(preview_);
    auto* buttons = new QHBoxLayout;
    buttons->addStretch();
    buttons->addWidget(ok_);
    buttons->addWidget(cancel_);
    StackFieldsAndButtons(this, fields, buttons);
}

void CCsvImportDialog::FillPreview(const CsvTable& table) {
    const std::size_t lines = std::min(kPreviewLines, table.rows.size());
    preview_->setColumnCount(static_cast<int>(table.headings.size()));
    preview_->setRowCount(static_cast<int>(lines + 1));
    preview_->setEditTriggers(QAbstractItemView::NoEditTriggers);
    preview_->setMinimumWidth(fontMetrics().averageCharWidth() * kPreviewWidthChars);
    QStringList headings;
    for (const std::string& heading : table.headings) headings.append(ToQt(heading));
    preview_->setHorizontalHeaderLabels(headings);
    QStringList lineNumbers{dlg::Tr(dlg::kImportFieldRow)};
    for (std::size_t r = 0; r < lines; ++r) {
        const CsvRow& row = table.rows[r];
        lineNumbers.append(QString::number(row.line));
        for (std::size_t c = 0; c < row.fields.size(); ++c) {
            preview_->setItem(static_cast<int>(r + 1), static_cast<int>(c),
                              new QTableWidgetItem(CellText(row.fields[c])));
        }
    }
    preview_->setVerticalHeaderLabels(lineNumbers);
}

void CCsvImportDialog::AddTargetCombos(const HeadingTexts& headings) {
    for (std::size_t column = 0; column < mapping_.size(); ++column) {
        auto* combo = new QComboBox(preview_);
        for (const TargetChoice& choice : TargetChoices()) {
            combo->addItem(TargetCaption(choice.target, headings));
        }
        connect(combo, &QComboBox::currentIndexChanged, this,
                [this, column](int choice) { Choose(column, choice); });
        preview_->setCellWidget(0, static_cast<int>(column), combo);
        combos_.push_back(combo);
    }
    preview_->resizeColumnsToContents();
}

void CCsvImportDialog::Choose(std::size_t column, int choice) {
    const std::span<const TargetChoice> choices = TargetChoices();
    if (choice < 0 || static_cast<std::size_t>(choice) >= choices.size()) return;
    AssignColumn(mapping_, column, choices[static_cast<std::size_t>(choice)].target);
    ShowMapping();
}

void CCsvImportDialog::ShowMapping() {
    // Movies with every column skipped would come in empty.
    ok_->setEnabled(MapsAnyField(mapping_));
    const std::span<const TargetChoice> choices = TargetChoices();
    for (std::size_t column = 0; column < combos_.size(); ++column) {
        const auto chosen = std::ranges::find(choices, mapping_[column], &TargetChoice::target);
        const QSignalBlocker quiet(combos_[column]);
        combos_[column]->setCurrentIndex(static_cast<int>(chosen - choices.begin()));
    }
}

bool RunCsvImportDialog(QWidget* parent, const CsvTable& table, const HeadingTexts& headings,
                        ColumnMapping& mapping) {
    CCsvImportDialog dialog(table, headings, mapping, parent);
    if (dialog.exec() != QDialog::Accepted) return false;
    mapping = dialog.Mapping();
    return true;
}

}  // namespace reelkeep
