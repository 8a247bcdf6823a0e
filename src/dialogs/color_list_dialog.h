#pragma once

#include <QDialog>
#include <cstddef>
#include <cstdint>

class QListWidget;
class QListWidgetItem;
class QPushButton;

namespace reelkeep {

class IOptionPickers;

// What both colour dialogs are built on: a list of named colours, a "Select Color" button, OK
// and Cancel.
// The button, or a double click on a line, opens the colour picker at the colour of the line
// selected; with no line selected the button does nothing. The swatch widget is painted in the
// selected line's colour, so the user sees it.
class CColorListDialog : public QDialog {
    Q_OBJECT
public:
    QListWidget* ColorList() const { return list_; }
    QPushButton* SelectButton() const { return select_; }
    QPushButton* OkButton() const { return ok_; }
    QPushButton* CancelButton() const { return cancel_; }

protected:
    CColorListDialog(IOptionPickers& pickers, QWidget* parent);

    // A line for the colour in the caller's place slot.
    void AddLine(const QString& text, std::uint32_t color, std::size_t slot);
    int LineCount() const;
    std::uint32_t LineColor(int line) const;
    std::size_t LineSlot(int line) const;
    // The list itself until another widget is given.
    void SetSwatch(QWidget* swatch);

private:
    QListWidgetItem* SelectedLine() const;
    void PickColor();
    void ShowSelectedColor();

    IOptionPickers& pickers_;
    QListWidget* list_;
    QPushButton* select_;
    QPushButton* ok_;
    QPushButton* cancel_;
    QWidget* swatch_;
};

}  // namespace reelkeep
