#pragma once

#include <QDialog>
#include <QString>
#include <array>

#include "lookup_lists.h"
#include "ui_interface.h"
#include "value_combo.h"

class QLabel;
class QPlainTextEdit;
class QPushButton;

namespace reelkeep {

// Enter/Edit Movies: one movie's fifteen fields, the values already in use offered in editable
// drop-down lists. The dialog validates nothing; every text is handed back as typed, and a field
// the user did not touch comes back byte for byte as it came in.
class CEntryDialog : public QDialog {
    Q_OBJECT
public:
    // Fills the drop-down lists from lists, each in the order shown (sorted ignoring case).
    explicit CEntryDialog(const EntryDialogEntries& lists, QWidget* parent = nullptr);

    // Shows the values and headings; focus goes to the movie name.
    void SetValues(const EntryDialogValues& values);
    // The field texts as they stand now.
    RecordValues Values() const;

    QWidget* FieldControl(Field f) const { return controls_[FieldIndex(f)]; }
    QPushButton* OkButton() const { return ok_; }
    QPushButton* CancelButton() const { return cancel_; }

private:
    void CreateControls();
    void FillLists(const EntryDialogEntries& lists);
    void LayOut();
    void SetTabOrder();
    void AttachFieldHelp();
    void ShowHeadings(const HeadingTexts& headings);
    QLabel* ActorNumberLabel(std::size_t k);

    QString ControlText(Field f) const;
    void SetControlText(Field f, const QString& text);

    std::array<QWidget*, kFieldCount> controls_{};
    std::array<QLabel*, kCustomFieldCount> headingLabels_{};
    QPlainTextEdit* synopsis_ = nullptr;
    QPushButton* ok_ = nullptr;
    QPushButton* cancel_ = nullptr;

    RecordValues original_;
    std::array<QString, kFieldCount> shown_;
};

}  // namespace reelkeep
