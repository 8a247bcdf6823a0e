#include "print_setup_dialog.h"

#include <QComboBox>
#include <QDialogButtonBox>
#include <QFormLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QPrinter>
#include <QPrinterInfo>
#include <QRadioButton>
#include <QVBoxLayout>
#include <algorithm>

#include "kept_paper.h"
#include "print_strings.h"

namespace reelkeep {

namespace {

using printtext::Tr;

// Offered for a printer that names no paper of its own (a queue without a driver).
QList<QPageSize> StandardPapers() {
    QList<QPageSize> papers;
    for (const QPageSize::PageSizeId id :
         {QPageSize::A4, QPageSize::Letter, QPageSize::Legal, QPageSize::Executive, QPageSize::A3,
          QPageSize::A5, QPageSize::B5}) {
        papers.append(QPageSize(id));
    }
    return papers;
}

QPageSize ChosenPaper(const QComboBox& papers) { return papers.currentData().value<QPageSize>(); }

}  // namespace

CPrintSetupDialog::CPrintSetupDialog(QPrinter& printer, QWidget* parent)
    : QDialog(parent),
      printer_(printer),
      printers_(new QComboBox),
      papers_(new QComboBox),
      portrait_(new QRadioButton(Tr(printtext::kSetupPortrait))),
      landscape_(new QRadioButton(Tr(printtext::kSetupLandscape))) {
    setWindowTitle(Tr(printtext::kSetupTitle));
    printers_->setObjectName(QStringLiteral("printers"));
    papers_->setObjectName(QStringLiteral("papers"));
    landscape_->setObjectName(QStringLiteral("landscape"));

    const QStringList names = QPrinterInfo::availablePrinterNames();
    printers_->addItems(names);
    QString current = printer_.printerName();
    if (!names.contains(current)) current = QPrinterInfo::defaultPrinterName();
    printers_->setCurrentIndex(static_cast<int>(names.indexOf(current)));
    printers_->setEnabled(!names.isEmpty());

    auto* printerBox = new QGroupBox(Tr(printtext::kSetupPrinter));
    auto* printerForm = new QFormLayout(printerBox);
    printerForm->addRow(Tr(printtext::kSetupPrinterName), printers_);
    auto* paperBox = new QGroupBox(Tr(printtext::kSetupPaper));
    auto* paperForm = new QFormLayout(paperBox);
    paperForm->addRow(Tr(printtext::kSetupPaperSize), papers_);
    auto* orientationBox = new QGroupBox(Tr(printtext::kSetupOrientation));
    auto* orientationRow = new QHBoxLayout(orientationBox);
    orientationRow->addWidget(portrait_);
    orientationRow->addWidget(landscape_);
    orientationRow->addStretch();
    const bool landscape = printer_.pageLayout().orientation() == QPageLayout::Landscape;
    (landscape ? landscape_ : portrait_)->setChecked(true);

    auto* buttons = new QDialogButtonBox(QDialogButtonBox::Ok | QDialogButtonBox::Cancel);
    connect(buttons, &QDialogButtonBox::accepted, this, &QDialog::accept);
    connect(buttons, &QDialogButtonBox::rejected, this, &QDialog::reject);
    auto* layout = new QVBoxLayout(this);
    layout->addWidget(printerBox);
    layout->addWidget(paperBox);
    layout->addWidget(orientationBox);
    layout->addWidget(buttons);

    ListPaperOf(printers_->currentText());
    connect(printers_, &QComboBox::currentTextChanged, this, &CPrintSetupDialog::ListPaperOf);
}

void CPrintSetupDialog::ListPaperOf(const QString& printerName) {
    const QPageSize chosen =
        papers_->count() > 0 ? ChosenPaper(*papers_) : printer_.pageLayout().pageSize();
    const QPrinterInfo info = QPrinterInfo::printerInfo(printerName);
    QList<QPageSize> sizes = info.supportedPageSizes();
    if (sizes.isEmpty()) sizes = StandardPapers();
    papers_->clear();
    for (const QPageSize& size : sizes) papers_->addItem(size.name(), QVariant::fromValue(size));
    int index = IndexOfPaper(*papers_, chosen);
    if (index < 0) index = IndexOfPaper(*papers_, info.defaultPageSize());
    papers_->setCurrentIndex(std::max(index, 0));
}

void CPrintSetupDialog::accept() {
    const QString name = printers_->currentText();
    if (!name.isEmpty() && name != printer_.printerName()) printer_.setPrinterName(name);
    QPageSize paper = ChosenPaper(*papers_);
    const QPageSize printersOwn = PrintersPaper(printer_, paper);
    if (printersOwn.isValid()) paper = printersOwn;
    QPageLayout layout = printer_.pageLayout();
    layout.setPageSize(paper);
    layout.setOrientation(landscape_->isChecked() ? QPageLayout::Landscape : QPageLayout::Portrait);
    printer_.setPageLayout(layout);
    QDialog::accept();
}

}  // namespace reelkeep
