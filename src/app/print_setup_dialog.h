#pragma once

#include <QDialog>

class QComboBox;
class QPrinter;
class QRadioButton;

namespace reelkeep {

// Print Setup: the printer, its paper and the orientation for the jobs that follow. Qt's page
// setup dialog offers no printer where CUPS prints, so this one asks for the three together and
// lists the paper of the printer chosen.
class CPrintSetupDialog : public QDialog {
public:
    CPrintSetupDialog(QPrinter& printer, QWidget* parent);
    // The printer takes the choices only here; Cancel leaves it as it was.
    void accept() override;

private:
    // Fills the paper list with the printer's own sizes (a standard list when it names none),
    // keeping the paper chosen so far where the printer has it, else the printer's default.
    void ListPaperOf(const QString& printerName);

    QPrinter& printer_;
    QComboBox* printers_;
    QComboBox* papers_;
    QRadioButton* portrait_;
    QRadioButton* landscape_;
};

}  // namespace reelkeep
