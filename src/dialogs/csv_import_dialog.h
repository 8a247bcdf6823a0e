#pragma once

#include <QDialog>
#include <vector>

#include "csv_mapping.h"
#include "csv_reader.h"
#include "fields.h"

class QComboBox;
class QLabel;
class QPushButton;
class QTableWidget;

namespace reelkeep {

// Import Comma Separated Values: what was found in the file, a table of its first lines with a
// row of field choices above them, one per column, preset from the headings. Choosing a field
// for one column skips any other column that wrote it; OK waits for one column to go somewhere.
class CCsvImportDialog : public QDialog {
    Q_OBJECT
public:
    CCsvImportDialog(const CsvTable& table, const HeadingTexts& headings, ColumnMapping mapping,
                     QWidget* parent = nullptr);

    const ColumnMapping& Mapping() const { return mapping_; }

    QTableWidget* Preview() const { return preview_; }
    QComboBox* TargetCombo(std::size_t column) const { return combos_[column]; }
    QLabel* Summary() const { return summary_; }
    QPushButton* OkButton() const { return ok_; }

private:
    void FillPreview(const CsvTable& table);
    void AddTargetCombos(const HeadingTexts& headings);
    void Choose(std::size_t column, int choice);
    // Sets every combo to its column's target.
    void ShowMapping();

    ColumnMapping mapping_;
    QLabel* summary_;
    QTableWidget* preview_;
    std::vector<QComboBox*> combos_;
    QPushButton* ok_;
    QPushButton* cancel_;
};

}  // namespace reelkeep
