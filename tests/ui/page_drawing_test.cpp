// What the printed pages hold: which records, where the labels sit on the sheet, which colours.
// The pages are drawn onto a recording printer page that keeps every text, line and fill.
#include "page_drawing.h"

#include <QFontMetrics>
#include <QPainter>
#include <QPrinter>
#include <QTest>
#include <algorithm>

#include "catalogue_builder.h"
#include "page_recorder.h"
#include "print_job.h"
#include "silent_ui.h"
#include "view_test_util.h"

using namespace reelkeep;
using namespace reelkeep::pagetest;

namespace {

constexpr int kDpi = 100;

// Six movies, one per tape, sorted by title, printed on a letter page at 100 dpi.
struct PageFixture {
    CSilentUI ui;
    CReelkeepDoc doc{ui};
    PrintStyle style;
    PrintFonts fonts;
    PrintMetrics metrics;
    PageRecorder device{QSize(850, 1100), kDpi};

    // edit changes the six movies, or adds to them, before they are loaded.
    explicit PageFixture(const std::function<void(std::vector<RecordValues>&)>& edit = {}) {
        doc.OnNewDocument();
        doc.UseScreenResolution(96);
        std::vector<RecordValues> records;
        for (int k = 0; k < 6; ++k) records.push_back(viewtest::MovieRecord(k, k + 1));
        if (edit) edit(records);
        test::LoadCatalogue(doc, records);
        doc.Execute(CommandId::SortByTitle);
        style.screenFont.setPixelSize(5);
        style.labelFont.setPixelSize(4);
        style.colors.heading = QColor(255, 0, 0);
        style.colors.data = QColor(0, 128, 0);
        style.printerColors = 256;
        style.printerColor = LabelColorChoice::ScreenColors;
        fonts = MakePrintFonts(style);
        Measure(fonts.text);
    }

    void Measure(const QFont& font, int offsetX = 0, int offsetY = 0) {
        metrics = MeasurePrinter(device, font, offsetX, offsetY);
    }
    int Ascent(const QFont& font) { return QFontMetrics(font, &device).ascent(); }

    // A job of the given kind whose page n holds the print positions first[n-1]..last[n-1].
    ReportPagination Job(ReportKind kind, std::vector<std::uint32_t> first,
                         std::vector<std::uint32_t> last) const {
        ReportPagination job;
        job.kind = kind;
        job.printCount = kind == ReportKind::Actors
                             ? doc.Display().ActorRowCount()
                             : static_cast<std::uint32_t>(doc.Display().Order().size());
        job.breaks = PageBreaks::Letter;  // the pages come from the tables
        job.totalPages = static_cast<std::uint32_t>(first.size());
        job.linesPerPage = metrics.linesPerPage - (kind == ReportKind::Normal ? 2 : 3);
        job.pageFirst = std::move(first);
        job.pageLast = std::move(last);
        return job;
    }

    // On the document's display, or on one a test made from it.
    PageRecording Report(const ReportPagination& job, std::uint32_t page,
                         const CCatalogueDisplay* display = nullptr) {
        QPainter painter(&device);
        DrawReportPage({painter, display ? *display : doc.Display(), style, fonts, metrics}, job,
                       page);
        painter.end();
        return device.Take();
    }
    PageRecording Labels(const LabelJob& job, std::uint32_t page) {
        QPainter painter(&device);
        DrawLabelPage({painter, doc.Display(), style, fonts, metrics}, job, page);
        painter.end();
        return device.Take();
    }
};

QStringList TextsStartingWith(const PageRecording& page, const QString& start) {
    QStringList found;
    for (const DrawnText& t : page.texts) {
        if (t.text.startsWith(start)) found << t.text;
    }
    return found;
}

int CountStartingWith(const PageRecording& page, const QString& start) {
    return static_cast<int>(TextsStartingWith(page, start).size());
}

const DrawnText* FindText(const PageRecording& page, const QString& text) {
    const auto it = std::find_if(page.texts.begin(), page.texts.end(),
                                 [&](const DrawnText& t) { return t.text == text; });
    return it == page.texts.end() ? nullptr : &*it;
}

QColor ColorOf(const PageRecording& page, const QString& text) {
    const DrawnText* t = FindText(page, text);
    return t ? t->color : QColor();
}

// A selection job over labels, one row of large labels on page 1.
LabelJob LargeSelectionJob(std::vector<Label> labels, int startRow) {
    LabelJob job;
    job.selectionJob = true;
    job.startRow = startRow;
    job.printCount = static_cast<std::uint32_t>((labels.size() + 1) / 2);
    job.printLabels = std::move(labels);
    return job;
}

}  // namespace

class PageDrawingTest : public QObject {
    Q_OBJECT
private slots:
    void normalViewPagePrintsItsRangeAndPageNumber() {
        PageFixture f;
        ReportPagination job = f.Job(ReportKind::Normal, {0, 2, 4}, {1, 3, 5});
        PageRecording page = f.Report(job, 2);
        QCOMPARE(TextsStartingWith(page, "Movie 0"), QStringList({"Movie 002", "Movie 003"}));
        const DrawnText* number = FindText(page, "Page Number 2 of 3");
        QVERIFY(number);
        QCOMPARE(qRound(number->baseline.x()), f.metrics.Inch(310));
        const int L = f.metrics.lineHeight;
        QCOMPARE(qRound(number->baseline.y()), (job.linesPerPage + 1) * L + f.Ascent(f.fonts.text));

        // Printing the selection maps print positions through the selected rows.
        job.printsSelection = true;
        job.selection = {1, 4};
        page = f.Report(job, 1);
        QCOMPARE(TextsStartingWith(page, "Movie 0"), QStringList({"Movie 001", "Movie 004"}));

        // A job older than the catalogue stops at the rows there are.
        job.selection = {5, 40};
        page = f.Report(job, 1);
        QCOMPARE(TextsStartingWith(page, "Movie 0"), QStringList({"Movie 005"}));

        f.style.report.pageNumbers = false;
        QCOMPARE(CountStartingWith(f.Report(job, 1), "Page Number"), 0);
        // The display the job was made for, over a catalogue emptied since.
        const CCatalogueDisplay stale = f.doc.Display();
        f.doc.OnNewDocument();
        QVERIFY(f.Report(job, 1, &stale).texts.empty());
    }

    void headingLineKeepsAFullPageAbovePageNumber() {
        PageFixture f;
        f.style.options.showSynopsis = false;
        ReportPagination job = f.Job(ReportKind::Normal, {0}, {0});
        job.linesPerPage -= 2;
        job.showsHeading = true;
        job.breaks = PageBreaks::Letter;
        const int perPage = job.linesPerPage / NormalLinesPerRow(f.style.options);
        QVERIFY(perPage >= 2 && perPage <= 6);
        job.pageLast = {static_cast<std::uint32_t>(perPage - 1)};

        const PageRecording page = f.Report(job, 1);
        QCOMPARE(page.texts.front().text, QString("Sorted by Title: M"));
        QCOMPARE(CountStartingWith(page, "Movie 0"), perPage);
        const int numberTop = (job.linesPerPage + 1) * f.metrics.lineHeight;
        for (const DrawnText& t : page.texts) {
            if (!t.text.startsWith("Page Number")) QVERIFY(t.baseline.y() < numberTop);
        }
        for (const DrawnFill& fill : page.fills) QVERIFY(fill.rect.bottom() <= numberTop);
    }

    void textIsBlackOnATwoColourPrinter_data() {
        QTest::addColumn<int>("printerColors");
        QTest::newRow("colour printer") << 256;
        QTest::newRow("black and white") << 2;
    }
    void textIsBlackOnATwoColourPrinter() {
        QFETCH(int, printerColors);
        PageFixture f;
        f.style.printerColors = printerColors;
        const bool color = printerColors > 2;
        const QColor caption = color ? f.style.colors.heading : QColor(Qt::black);
        const QColor value = color ? f.style.colors.data : QColor(Qt::black);

        const PageRecording page = f.Report(f.Job(ReportKind::Normal, {0}, {0}), 1);
        QCOMPARE(ColorOf(page, "Movie Title"), caption);
        QCOMPARE(ColorOf(page, "Movie 000"), value);

        f.doc.Execute(CommandId::DisplayLabelFormat);
        f.Measure(f.fonts.label);
        LabelJob job;
        job.printCount = 3;
        const PageRecording sheet = f.Labels(job, 1);
        QCOMPARE(ColorOf(sheet, "Tape #: "), caption);
        QCOMPARE(ColorOf(sheet, "1"), caption);  // the tape number
        QCOMPARE(ColorOf(sheet, "Movie 000"), value);
    }

    void oneLinePagePrintsFailedAndStaysOnThePaper() {
        PageFixture f;
        f.doc.Execute(CommandId::OneLineSorts);
        CCatalogueDisplay display = f.doc.Display();  // with columns no window would make
        ColumnLayout& layout = display.Layouts()[static_cast<std::size_t>(LayoutKey::Title)];
        layout.ids[2] = 42;
        layout.positions[5] = 5000;  // the tape # column, far right of any paper
        const PageRecording page = f.Report(f.Job(ReportKind::OneLine, {0}, {2}), 1, &display);

        QCOMPARE(CountStartingWith(page, "Failed"), 4);  // the title and three rows
        const int x = f.metrics.Inch(layout.positions[2] * 100 / 96 + 38);
        QCOMPARE(qRound(FindText(page, "Failed")->baseline.x()), x);
        QVERIFY(!FindText(page, "1"));
        for (const DrawnText& t : page.texts) QCOMPARE(t.color, QColor(Qt::black));
        for (const DrawnLine& l : page.lines) {
            QVERIFY(std::max(l.line.x1(), l.line.x2()) <= f.metrics.right);
        }
        const QRectF band = page.fills.front().rect;
        QCOMPARE(qRound(band.left()), f.metrics.Inch(38) - 8);
        QCOMPARE(qRound(band.right()), f.metrics.right);
    }

    void listCellShowsAValueWithBreaksOnOneLine() {
        PageFixture f([](std::vector<RecordValues>& records) {
            records[0][FieldIndex(Field::MovieName)] = "Movie 000\r\nPart\nTwo\rEnd";
        });
        f.doc.Execute(CommandId::OneLineSorts);
        const PageRecording page = f.Report(f.Job(ReportKind::OneLine, {0}, {0}), 1);
        QVERIFY(FindText(page, "Movie 000 Part Two End"));
    }

    void actorPageRulesTheKeyColumnOnlyAboveAnActor() {
        PageFixture f;
        f.doc.Execute(CommandId::SortByActors);
        const std::uint32_t rows = f.doc.Display().ActorRowCount();
        const PageRecording page = f.Report(f.Job(ReportKind::Actors, {0}, {rows - 1}), 1);
        QVERIFY(FindText(page, "Actors"));
        const int left = f.metrics.Inch(38) - 8, L = f.metrics.lineHeight;
        for (std::uint32_t row = 0; row < rows; ++row) {
            const int y = static_cast<int>(row + 1) * L;
            const bool ruled = std::any_of(page.lines.begin(), page.lines.end(), [&](auto& l) {
                return qRound(l.line.y1()) == y && qRound(l.line.y2()) == y &&
                       qRound(std::min(l.line.x1(), l.line.x2())) == left;
            });
            QCOMPARE(ruled, !f.doc.Display().ActorRowGroupName(row).empty());
        }
    }

    void labelsArePlacedFromThePaperEdge() {
        PageFixture f;
        f.doc.Execute(CommandId::DisplayLabelFormat);
        f.Measure(f.fonts.label, 30, 40);
        const int L = f.metrics.lineHeight, ascent = f.Ascent(f.fonts.label);
        const auto at = [&](const PageRecording& page, const QString& text) {
            const DrawnText* t = FindText(page, text);
            return t ? t->baseline.toPoint() - QPoint(0, ascent) : QPoint(-1, -1);
        };

        LabelJob job;
        job.printCount = 3;
        PageRecording page = f.Labels(job, 1);
        const int left = f.metrics.Inch(113) - 30, right = f.metrics.Inch(455) - 30;
        const int top = kDpi * 99 / 100 - 40, pitch = kDpi * 1833 / 1000;
        QCOMPARE(at(page, "Movie 000"), QPoint(left, top + L));
        QCOMPARE(at(page, "Movie 001"), QPoint(right, top + L));
        QCOMPARE(at(page, "Movie 002"), QPoint(left, top + pitch + L));

        job.large = false;
        job.printCount = 6;
        page = f.Labels(job, 1);
        const int smallTop = kDpi * 56 / 100 - 40;
        QCOMPARE(at(page, "Movie 000"), QPoint(f.metrics.Inch(143) - 30, smallTop + L));
        QCOMPARE(at(page, "Actor 10"), QPoint(right, smallTop));  // actor 2, right part
    }

    // Found at 14 points: lines lost to each label's clip, a counter of 10,000 run into "Type:".
    void aLabelFontTooLargeForTheSheetShrinksToTheLargestThatFits() {
        PageFixture f([](std::vector<RecordValues>& records) {
            for (int k = 10; k < 14; ++k) records.push_back(viewtest::MovieRecord(k, 1));
            records[0][FieldIndex(Field::Counter)] = "10082";
        });
        f.doc.Execute(CommandId::DisplayLabelFormat);
        f.fonts.label.setPixelSize(40);
        f.fonts.label = FitLabelFont(f.fonts.label, f.device, true);
        QFont larger = f.fonts.label;
        larger.setPixelSize(larger.pixelSize() + 1);
        const PrintMetrics m = MeasurePrinter(f.device, larger, 0, 0);
        QVERIFY(!LabelFontFits(kLargeSheet, m.lineHeight, m.charWidth, kDpi, kDpi));
        f.Measure(f.fonts.label);
        LabelJob job;
        job.printCount = 3;
        const PageRecording page = f.Labels(job, 1);
        QCOMPARE(CountStartingWith(page, "Tape #: "), 6);
        const DrawnText* fifth = FindText(page, "10082");  // the counter of the fifth movie
        const int end = fifth->baseline.x() +
                        QFontMetrics(f.fonts.label, &f.device).horizontalAdvance("10082 ");
        QVERIFY(std::any_of(page.texts.begin(), page.texts.end(), [&](const DrawnText& t) {
            return t.text == "Type: " && t.baseline.y() == fifth->baseline.y() &&
                   t.baseline.x() >= end;
        }));
    }

    // Pre-cut sheets are portrait whatever Print Setup chose, which comes back after the job.
    void aLabelJobIsPortraitWhateverThePrinterWasSetTo() {
        PageFixture f;
        f.doc.Execute(CommandId::DisplayLabelFormat);
        QPrinter printer(QPrinter::HighResolution);
        printer.setOutputFormat(QPrinter::PdfFormat);
        printer.setPageOrientation(QPageLayout::Landscape);
        PrintRequest request;
        request.labels = true;
        request.style.labelFont.setPixelSize(18);  // 14 points on the screen
        CNoLabelQuestions none;
        {
            const auto job = BeginPrintJob(f.doc.Display(), f.ui, request, printer, none);
            QCOMPARE(printer.pageLayout().orientation(), QPageLayout::Portrait);
        }
        QCOMPARE(printer.pageLayout().orientation(), QPageLayout::Landscape);
    }

    void selectionBlankBeforeTheRightColumnPrintsNothing() {
        PageFixture f;
        f.doc.Execute(CommandId::DisplayLabelFormat);
        f.Measure(f.fonts.label);
        const LabelJob job = LargeSelectionJob({Label{}, f.doc.Display().Labels()[3]}, 1);
        const PageRecording page = f.Labels(job, 1);
        const int right = f.metrics.Inch(455);
        QVERIFY(FindText(page, "Movie 003"));
        for (const DrawnText& t : page.texts) QVERIFY(t.baseline.x() >= right);
        QVERIFY(f.Labels(job, 2).texts.empty());
    }
};

QTEST_MAIN(PageDrawingTest)
#include "page_drawing_test.moc"
