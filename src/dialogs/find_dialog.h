#pragma once

#include <QDialog>

#include "ui_interface.h"

class QCheckBox;
class QLineEdit;
class QPushButton;

namespace reelkeep {

// Find Info: the text to look for and the two matching options.
class CFindDialog : public QDialog {
    Q_OBJECT
public:
    explicit CFindDialog(const FindSettings& settings, QWidget* parent = nullptr);

    FindSettings Settings() const;

    QLineEdit* TextEdit() const { return text_; }
    QCheckBox* WholeWordBox() const { return wholeWord_; }
    QCheckBox* MatchCaseBox() const { return matchCase_; }

private:
    QLineEdit* text_;
    QCheckBox* wholeWord_;
    QCheckBox* matchCase_;
    QPushButton* find_;
    QPushButton* cancel_;
};

}  // namespace reelkeep
