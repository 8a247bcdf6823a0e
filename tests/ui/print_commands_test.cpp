// Print, Print Preview and the label questions through the main window, with the dialogs
// scripted.
#include "print_commands.h"

#include <QComboBox>
#include <QDir>
#include <QPrinter>
#include <QProcess>
#include <QRadioButton>
#include <QStandardPaths>
#include <QTest>

#include "frame_test_util.h"
#include "kept_paper.h"
#include "main_frame.h"
#include "print_preview.h"
#include "print_setup_dialog.h"
#include "reelkeep_view.h"

using namespace reelkeep;
using namespace reelkeep::frametest;

namespace {

QString PdfTitle(const QString& pdf) {
    QProcess info;
    info.start(QStringLiteral("pdfinfo"), {pdf});
    info.waitForFinished();
    const QString out = QString::fromUtf8(info.readAllStandardOutput());
    const qsizetype at = out.indexOf(QStringLiteral("Title:"));
    return at < 0 ? QString() : out.mid(at + 6, out.indexOf(u'\n', at) - at - 6).trimmed();
}

}  // namespace

class PrintCommandsTest : public QObject {
    Q_OBJECT
private slots:
    void initTestCase() { InstallQuietLogHandler(); }

    void cancelledDialogPrintsNothingAndSaysNothing() {
        CReelkeepApp& app = harness_.StartedApp();
        FillCatalogue(app.Doc());
        harness_.dialogs->printChoice.reset();
        app.Frame().ExecuteCommand(CommandId::FilePrint);
        QCOMPARE(harness_.dialogs->lastOfferedPages, 1u);
        QVERIFY(!harness_.dialogs->lastOfferedSelection);
        QVERIFY(harness_.dialogs->messages.isEmpty());
    }

    void selectedRowsAreOfferedAndPrinterFailureIsReported() {
        CReelkeepApp& app = harness_.StartedApp();
        FillCatalogue(app.Doc());
        app.Frame().View().SelectRows({1});
        harness_.dialogs->printChoice = PrintDialogChoice{true, 1, 0};
        // No printer and no file: the job cannot start.
        QPrinter& printer = app.Frame().Printing().Printer();
        printer.setOutputFormat(QPrinter::PdfFormat);
        printer.setOutputFileName(QString());
        app.Frame().ExecuteCommand(CommandId::FilePrint);
        QVERIFY(harness_.dialogs->lastOfferedSelection);
        QCOMPARE(harness_.dialogs->messages,
                 QStringList{QStringLiteral("Could not start print job.")});
    }

    void printedFileHoldsEveryPage() {
        CReelkeepApp& app = harness_.StartedApp();
        FillCatalogue(app.Doc());
        QPrinter& printer = app.Frame().Printing().Printer();
        printer.setOutputFormat(QPrinter::PdfFormat);
        printer.setOutputFileName(harness_.Path(QStringLiteral("out.pdf")));
        QVERIFY(app.Frame().Printing().PrintPages(false, 1, 0));
        QFile pdf(printer.outputFileName());
        QVERIFY(pdf.open(QIODevice::ReadOnly));
        QVERIFY(pdf.readAll().startsWith("%PDF"));
    }

    void rangePastTheJobsEndIsRefused() {
        CReelkeepApp& app = harness_.StartedApp();
        FillCatalogue(app.Doc());
        QPrinter& printer = app.Frame().Printing().Printer();
        printer.setOutputFormat(QPrinter::PdfFormat);
        printer.setOutputFileName(harness_.Path(QStringLiteral("range.pdf")));
        harness_.dialogs->printChoice = PrintDialogChoice{false, 2, 3};
        app.Frame().ExecuteCommand(CommandId::FilePrint);
        QCOMPARE(harness_.dialogs->messages,
                 QStringList{
                     QStringLiteral("The pages 2 to 3 are not in the document; it has 1 pages.")});
        QVERIFY(!QFile::exists(printer.outputFileName()));
    }

    // print-pdf reads the store the window wrote and prints the same pages.
    void windowAndPrintPdfPrintTheSamePages() {
        const QString pdftoppm = QStandardPaths::findExecutable(QStringLiteral("pdftoppm"));
        if (pdftoppm.isEmpty()) QSKIP("pdftoppm is not installed");
        CReelkeepApp& app = harness_.StartedApp("[User Data]\nCustom 1=1\nFont Size=90\n");
        QVERIFY(app.Frame().Lifetime().LoadFile(QStringLiteral(REELKEEP_SAMPLE)));
        QPrinter& printer = app.Frame().Printing().Printer();
        printer.setOutputFormat(QPrinter::PdfFormat);
        printer.setOutputFileName(harness_.Path(QStringLiteral("window.pdf")));
        printer.setPageSize(QPageSize(QPageSize::A4));
        QVERIFY(app.Frame().Printing().PrintPages(false, 1, 0));

        QProcess tool;
        tool.start(QStringLiteral(REELKEEP_CLI),
                   {QStringLiteral("print-pdf"), QStringLiteral(REELKEEP_SAMPLE),
                    harness_.Path(QStringLiteral("tool.pdf")), QStringLiteral("--paper"),
                    QStringLiteral("a4"), QStringLiteral("--settings"), harness_.storePath});
        QVERIFY(tool.waitForFinished(60000));
        QCOMPARE(tool.exitCode(), 0);
        const QStringList window = RenderPages(pdftoppm, QStringLiteral("window"));
        const QStringList printed = RenderPages(pdftoppm, QStringLiteral("tool"));
        QVERIFY(window.size() > 1);
        QCOMPARE(QString::fromUtf8(tool.readAllStandardOutput()),
                 QStringLiteral("pages: %1\n").arg(window.size()));
        QCOMPARE(printed.size(), window.size());
        QVERIFY(QImage(printed[1]) == QImage(window[1]));
        // Both are named after the catalogue's file.
        for (const char* name : {"window.pdf", "tool.pdf"}) {
            QCOMPARE(PdfTitle(harness_.Path(QString::fromLatin1(name))),
                     QStringLiteral("sample.smf"));
        }
    }

    // With no printer to ask, standard paper is offered. The printer's paper shows first; Cancel
    // leaves the printer alone, OK gives it the paper and orientation chosen.
    void printSetupChangesThePrinterOnlyOnOk() {
        QPrinter printer;
        printer.setPageSize(QPageSize(QPageSize::Letter));
        CPrintSetupDialog dialog(printer, nullptr);
        auto* papers = dialog.findChild<QComboBox*>(QStringLiteral("papers"));
        QCOMPARE(papers->currentData().value<QPageSize>().id(), QPageSize::Letter);
        papers->setCurrentIndex(IndexOfPaper(*papers, QPageSize(QPageSize::A5)));
        dialog.findChild<QRadioButton*>(QStringLiteral("landscape"))->setChecked(true);
        dialog.reject();
        QCOMPARE(printer.pageLayout().pageSize().id(), QPageSize::Letter);
        QCOMPARE(printer.pageLayout().orientation(), QPageLayout::Portrait);
        dialog.accept();
        QCOMPARE(printer.pageLayout().pageSize().id(), QPageSize::A5);
        QCOMPARE(printer.pageLayout().orientation(), QPageLayout::Landscape);
    }

    void previewRemembersItsLayoutAndDrawsOnlyWhatShows() {
        CReelkeepApp& app = harness_.StartedApp();
        std::vector<RecordValues> records(400);
        for (int k = 0; k < 400; ++k)
            records[k][FieldIndex(Field::MovieName)] = "Movie " + std::to_string(k);
        test::LoadCatalogue(app.Doc(), records);
        std::uint32_t pages = 0;
        std::uint64_t painted = 0;
        harness_.dialogs->onPreview = [&](CPrintPreview& preview) {
            preview.resize(800, 600);
            preview.show();
            QVERIFY(QTest::qWaitForWindowExposed(&preview));
            preview.Pages().viewport()->repaint();
            pages = preview.Pages().PageCount();
            painted = preview.Pages().PagesPainted();
            preview.Pages().SetLayout(PreviewLayout::Facing);
        };
        app.Frame().ExecuteCommand(CommandId::FilePrintPreview);
        QCOMPARE(harness_.dialogs->previews, 1);
        QVERIFY(pages > 20);
        QVERIFY(painted >= 1 && painted <= 4);
        QVERIFY(harness_.StoreText().contains(QStringLiteral("PreviewPages=2")));

        PreviewLayout reopened = PreviewLayout::Single;
        harness_.dialogs->onPreview = [&](CPrintPreview& preview) {
            reopened = preview.Pages().Layout();
        };
        app.Frame().ExecuteCommand(CommandId::FilePrintPreview);
        QCOMPARE(reopened, PreviewLayout::Facing);
    }

    void oneSelectedLabelAsksCopiesAndStart() {
        CReelkeepApp& app = harness_.StartedApp();
        FillCatalogue(app.Doc());
        app.Frame().ExecuteCommand(CommandId::DisplayLabelFormat);
        CReelkeepView& view = app.Frame().View();
        view.SelectRows({0});
        harness_.dialogs->copies = 3;
        harness_.dialogs->startPosition = 4;
        harness_.dialogs->onPreview = [&](CPrintPreview& preview) {
            QCOMPARE(preview.Pages().PageCount(), 1u);
        };
        app.Frame().ExecuteCommand(CommandId::FilePrintPreview);
        const std::vector<QString>& texts = harness_.dialogs->lastStartTexts;
        QCOMPARE(texts.size(), std::size_t{10});
        const QString title = QString::fromStdString(app.Doc().Display().Labels()[0].titles[0]);
        QCOMPARE(texts[0], title);
        QCOMPARE(texts[2], title);
        QCOMPARE(texts[3], QStringLiteral("Empty"));
        QCOMPARE(app.Frame().Printing().JobPages(), 1u);  // the job has ended
    }

    void cancelledLabelQuestionEndsTheJobBeforeAnyPage() {
        CReelkeepApp& app = harness_.StartedApp();
        FillCatalogue(app.Doc());
        app.Frame().ExecuteCommand(CommandId::DisplayLabelFormat);
        app.Frame().View().SelectRows({0});
        QPrinter& printer = app.Frame().Printing().Printer();
        printer.setOutputFormat(QPrinter::PdfFormat);
        printer.setOutputFileName(harness_.Path(QStringLiteral("labels.pdf")));
        harness_.dialogs->printChoice = PrintDialogChoice{true, 1, 0};
        harness_.dialogs->copies = 2;  // the start position is cancelled
        app.Frame().ExecuteCommand(CommandId::FilePrint);
        harness_.dialogs->copies.reset();
        app.Frame().ExecuteCommand(CommandId::FilePrintPreview);
        QVERIFY(!QFile::exists(printer.outputFileName()));
        QCOMPARE(harness_.dialogs->previews, 0);
        QVERIFY(harness_.dialogs->messages.isEmpty());
    }

private:
    // The pages of NAME.pdf as images, in page order.
    QStringList RenderPages(const QString& pdftoppm, const QString& name) {
        const QString folder = harness_.Path(name);
        QDir().mkpath(folder);
        QProcess::execute(pdftoppm,
                          {QStringLiteral("-r"), QStringLiteral("30"), QStringLiteral("-png"),
                           harness_.Path(name + ".pdf"), folder + QStringLiteral("/page")});
        QStringList pages = QDir(folder).entryList({QStringLiteral("*.png")}, QDir::Files);
        for (QString& page : pages) page = folder + u'/' + page;
        return pages;
    }

    AppHarness harness_;
};

QTEST_MAIN(PrintCommandsTest)
#include "print_commands_test.moc"
