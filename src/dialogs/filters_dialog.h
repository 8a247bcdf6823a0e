#pragma once

#include <QDialog>
#include <array>
#include <string>

#include "filter_fields.h"

class QLineEdit;
class QPushButton;

namespace reelkeep {

// Filters: the nine prefix filters, in FilterField order, taken as typed. "Reset to Default
// Values" puts "All" in every box and leaves the dialog open.
class CFiltersDialog : public QDialog {
    Q_OBJECT
public:
    explicit CFiltersDialog(const std::array<std::string, kFilterCount>& filters,
                            QWidget* parent = nullptr);

    std::array<std::string, kFilterCount> Filters() const;

    QLineEdit* FilterEdit(FilterField f) const { return edits_[static_cast<std::size_t>(f)]; }
    QPushButton* OkButton() const { return ok_; }
    QPushButton* ResetButton() const { return reset_; }

private:
    void ResetToDefaults();

    std::array<QLineEdit*, kFilterCount> edits_{};
    QPushButton* ok_;
    QPushButton* reset_;
    QPushButton* cancel_;
};

}  // namespace reelkeep
