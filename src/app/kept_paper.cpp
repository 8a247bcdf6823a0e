#include "kept_paper.h"

#include <QChildEvent>
#include <QComboBox>
#include <QPrinter>
#include <QPrinterInfo>

namespace reelkeep {

namespace {

// The name Qt's page setup form gives its list of paper sizes.
constexpr char kPageSizeList[] = "pageSizeCombo";

}  // namespace

int IndexOfPaper(const QComboBox& list, const QPageSize& paper) {
    int equivalent = -1;
    for (int i = 0; i < list.count(); ++i) {
        const QVariant data = list.itemData(i);
        if (!data.canConvert<QPageSize>()) continue;
        const QPageSize offered = data.value<QPageSize>();
        if (offered.key() == paper.key()) return i;
        if (equivalent < 0 && offered.isEquivalentTo(paper)) equivalent = i;
    }
    return equivalent;
}

QPageSize PrintersPaper(const QPrinter& printer, const QPageSize& paper) {
    const QList<QPageSize> sizes = QPrinterInfo(printer).supportedPageSizes();
    for (const QPageSize& size : sizes) {
        if (size.key() == paper.key()) return size;
    }
    for (const QPageSize& size : sizes) {
        if (size.isEquivalentTo(paper)) return size;
    }
    return sizes.isEmpty() ? paper : QPageSize();
}

void ShowPaperIn(QWidget& dialog, const QPageSize& paper) {
    auto* list = dialog.findChild<QComboBox*>(QString::fromLatin1(kPageSizeList));
    if (list == nullptr) return;
    const int index = IndexOfPaper(*list, paper);
    if (index >= 0) list->setCurrentIndex(index);
}

CKeptPaperPrintDialog::CKeptPaperPrintDialog(QPrinter* printer, QWidget* parent)
    : QPrintDialog(printer, parent), kept_(printer->pageLayout()) {}

// The properties are made only when asked for, so each new child is watched for its first show.
void CKeptPaperPrintDialog::childEvent(QChildEvent* event) {
    if (event->added()) event->child()->installEventFilter(this);
    if (event->removed()) shownWithPaper_.remove(event->child());
    QPrintDialog::childEvent(event);
}

bool CKeptPaperPrintDialog::eventFilter(QObject* watched, QEvent* event) {
    if (event->type() == QEvent::Show && watched->isWidgetType() &&
        !shownWithPaper_.contains(watched) &&
        watched->findChild<QComboBox*>(QString::fromLatin1(kPageSizeList)) != nullptr) {
        ShowPaperIn(*static_cast<QWidget*>(watched), kept_.pageSize());
        shownWithPaper_.insert(watched);
    }
    return QPrintDialog::eventFilter(watched, event);
}

void CKeptPaperPrintDialog::accept() {
    const bool userSawPaper = !shownWithPaper_.isEmpty();
    QPrintDialog::accept();
    if (userSawPaper) return;
    const QPageSize paper = PrintersPaper(*printer(), kept_.pageSize());
    // A printer chosen here that has no such paper keeps what the dialog gave it.
    if (!paper.isValid()) return;
    QPageLayout layout = kept_;
    layout.setPageSize(paper);
    printer()->setPageLayout(layout);
}

}  // namespace reelkeep
