#pragma once

#include <QDialog>
#include <array>
#include <string>

#include "fields.h"

class QLineEdit;
class QPushButton;

namespace reelkeep {

// Edit Custom Headings: the captions of the four custom fields, as typed (the command supplies
// the defaults for the ones left empty).
class CCustomHeadingsDialog : public QDialog {
    Q_OBJECT
public:
    explicit CCustomHeadingsDialog(const HeadingTexts& headings, QWidget* parent = nullptr);

    HeadingTexts Headings() const;

    QLineEdit* HeadingEdit(int k) const { return edits_[k]; }
    QPushButton* OkButton() const { return ok_; }

private:
    HeadingTexts original_;
    std::array<QLineEdit*, 4> edits_{};
    QPushButton* ok_;
    QPushButton* cancel_;
};

}  // namespace reelkeep
