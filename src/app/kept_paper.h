#pragma once

#include <QPageLayout>
#include <QPrintDialog>
#include <QSet>

class QPrinter;

namespace reelkeep {

// Qt's page-size list for a printer that has a driver starts at the printer's default paper,
// not at the printer's current one, and hands that back when the dialog closes: every Print
// Setup and every print dialog would put the default paper back. These keep the chosen paper.

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
