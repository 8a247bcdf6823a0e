#pragma once

#include <QDialog>
#include <array>
#include <string>

#include "filter_fields.h"
#include "ui_interface.h"

class QLabel;
class QLineEdit;
class QPushButton;

namespace reelkeep {

// Filters: the nine prefix filters, in FilterField order, taken as typed; the custom fields'
// boxes are labelled with the catalogue's headings. "Reset to Default
// Values" puts "All" in every box and leaves the dialog open.
class CFiltersDialog : public QDialog {
    Q_OBJECT
public:
    CFiltersDialog(const std::array<std::string, kFilterCount>& filters,
                   const HeadingTexts& headings, QWidget* parent = nullptr);

    std::array<std::string, kFilterCount> Filters() const;

    QLineEdit* FilterEdit(FilterField f) const { return edits_[static_cast<std::size_t>(f)]; }
    QPushButton* OkButton() const { return ok_; }
    QPushButton* ResetButton() const { return reset_; }

private:
    void ResetToDefaults();

    std::array<QLineEdit*, kFilterCount> edits_{};
    std::array<QLabel*, kCustomFieldCount> customLabels_{};
    QPushButton* ok_;
    QPushButton* reset_;
    QPushButton* cancel_;
};

}  // namespace reelkeep
