#pragma once

#include <QDialog>
#include <QString>
#include <vector>

class QButtonGroup;
class QLabel;
class QSpinBox;

namespace reelkeep {

// How many copies of a lone selected label to print: a whole number from 1 to 99, preset to
// 1. Input the box cannot take is refused with the range message and the dialog stays open.
// Cancel, or Esc, ends the print job.
class CLabelCopiesDialog : public QDialog {
    Q_OBJECT
public:
    explicit CLabelCopiesDialog(QWidget* parent = nullptr);
    int Copies() const;

    void accept() override;

private:
    QSpinBox* copies_;
};

// Where on the label sheet the first label goes: one radio button per sheet position, beside
// it the title that will print there from the chosen position on, or "Empty". Large sheets show
// two columns of five. Cancel, or Esc, ends the print job.
class CStartPositionDialog : public QDialog {
    Q_OBJECT
public:
    // titles: what each position shows when printing starts at position 1.
    CStartPositionDialog(bool largeLabels, const std::vector<QString>& titles,
                         QWidget* parent = nullptr);
    // 1-based.
    int Position() const;
    void ChoosePosition(int position);
    QString PositionText(int position) const;

private:
    void ShowTitlesFrom(int start);

    QButtonGroup* positions_;
    std::vector<QString> titles_;
    std::vector<QLabel*> texts_;
};

}  // namespace reelkeep
