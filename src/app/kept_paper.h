#pragma once

#include <QPageLayout>
#include <QPrintDialog>
#include <QSet>

class QComboBox;
class QPrinter;

namespace reelkeep {

// Qt's page-size list for a printer that has a driver starts at the printer's default paper,
// not at the printer's current one, and hands that back when the dialog closes: every Print
// Setup and every print dialog would put the default paper back. These keep the chosen paper.

// The row of a paper-size list (items holding a QPageSize) with paper's name, else one of the
// same size; -1 when there is none.
int IndexOfPaper(const QComboBox& list, const QPageSize& paper);

// The printer's own entry for paper, so that the driver recognises the size by its name; paper
// itself when the printer lists none (a file, or a queue without a driver); invalid when the
// printer lists sizes but not this one.
QPageSize PrintersPaper(const QPrinter& printer, const QPageSize& paper);

// Selects paper in the page-size list of a page setup dialog (or of the print dialog's
// properties) when the list offers it.
void ShowPaperIn(QWidget& dialog, const QPageSize& paper);

// The print dialog over a printer whose page layout (paper, orientation, margins) it keeps,
// unless the user opened the printer's properties and chose there.
class CKeptPaperPrintDialog : public QPrintDialog {
public:
    CKeptPaperPrintDialog(QPrinter* printer, QWidget* parent);
    void accept() override;

protected:
    void childEvent(QChildEvent* event) override;
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    QPageLayout kept_;
    QSet<QObject*> shownWithPaper_;  // the properties dialogs the user has seen
};

}  // namespace reelkeep
