#pragma once

#include <QDialog>
#include <QString>
#include <vector>

class QButtonGroup;
class QLineEdit;

namespace reelkeep {

// How many copies of a lone selected label to print: a whole number from 1 to 99, preset to
// 1. Other input is refused with the range message and the dialog stays open.
class CLabelCopiesDialog : public QDialog {
    Q_OBJECT
public:
    explicit CLabelCopiesDialog(QWidget* parent = nullptr);
    int Copies() const;
    QLineEdit* CopiesEdit() const { return edit_; }

    void accept() override;

private:
    QLineEdit* edit_;
};

// Where on the label sheet the first label goes: one radio button per sheet position, beside
// it the title that would print there, or "Empty". Large sheets show two columns of five.
class CStartPositionDialog : public QDialog {
    Q_OBJECT
public:
    CStartPositionDialog(bool largeLabels, const std::vector<QString>& positionTexts,
                         QWidget* parent = nullptr);
    // 1-based.
    int Position() const;
    void ChoosePosition(int position);

private:
    QButtonGroup* positions_;
};

}  // namespace reelkeep
