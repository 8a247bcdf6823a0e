#pragma once

#include <QDialog>
#include <array>
#include <string>

class QLineEdit;
class QPushButton;

namespace reelkeep {

// Edit Custom Headings: the captions of the four custom fields, as typed (the command supplies
// the defaults for the ones left empty).
class CCustomHeadingsDialog : public QDialog {
    Q_OBJECT
public:
    explicit CCustomHeadingsDialog(const std::array<std::string, 4>& headings,
                                   QWidget* parent = nullptr);

    std::array<std::string, 4> Headings() const;

    QLineEdit* HeadingEdit(int k) const { return edits_[k]; }
    QPushButton* OkButton() const { return ok_; }

private:
    std::array<std::string, 4> original_;
    std::array<QLineEdit*, 4> edits_{};
    QPushButton* ok_;
    QPushButton* cancel_;
};

}  // namespace reelkeep
