// What each display mode puts on the screen, checked by the colours of the pixels drawn.
#include <QFontMetrics>
#include <QTest>

#include "list_drawing.h"
#include "view_test_util.h"

using namespace reelkeep;
using namespace reelkeep::viewtest;

namespace {

// Colours no two roles share, so every pixel says who drew it.
ViewColors DistinctColors() {
    ViewColors c;
    c.background = QColor(250, 240, 230);
    c.data = QColor(0, 128, 0);
    c.heading = QColor(255, 0, 0);
    c.face3d = QColor(200, 200, 120);
    c.light3d = QColor(235, 235, 235);
    c.shadow3d = QColor(60, 60, 90);
    c.headerText = QColor(128, 0, 128);
    c.highlightData = QColor(255, 255, 0);
    c.highlightBackground = QColor(0, 0, 160);
    return c;
}

struct RenderFixture : ViewFixture {
    ViewColors colors = DistinctColors();
    explicit RenderFixture(QSize size = {640, 400}) : ViewFixture(size) {
        view.SetDisplayColors(colors);
    }
    int Inch(int hundredths) const { return InchToPixels(view.Metrics().dpiY, hundredths); }
};

ViewDisplayOptions NoGraphics() {
    ViewDisplayOptions o;
    o.showBox = false;
    o.showGrid = false;
    return o;
}

}  // namespace

class ViewRenderTest : public QObject {
    Q_OBJECT
private slots:
    void emptyCatalogueIsBackgroundOnly() {
        RenderFixture f;
        const QRect all = f.Viewport()->rect();
        const int pixels = all.width() * all.height();
        QCOMPARE(CountColor(f.Client(), all, f.colors.background), pixels);
        f.doc.Execute(CommandId::OneLineSorts);
        f.view.OnUpdate();
        QCOMPARE(CountColor(f.Client(), all, f.colors.background), pixels);
        f.doc.Execute(CommandId::DisplayLabelFormat);
        f.view.OnUpdate();
        QCOMPARE(CountColor(f.Client(), all, f.colors.background), pixels);
    }

    void normalViewBoxShowsCaptionsValuesAndFrames() {
        RenderFixture f;
        f.Fill(3);
        const QImage image = f.Client();
        const int L = f.L(), xc = f.Inch(420);
        // With "Show Box" the block's first line is empty; captions start on the second.
        const QRect titleCaption = Edges(10, L, xc - 16, 2 * L);
        QVERIFY(CountColor(image, titleCaption, f.colors.heading) > 10);
        QVERIFY(CountColor(image, titleCaption, f.colors.face3d) > 10);
        const QRect nameCell = Edges(10, 2 * L + 2, xc - 16, 3 * L);
        QVERIFY(CountColor(image, nameCell, f.colors.data) > 10);
        QCOMPARE(CountColor(image, nameCell, f.colors.heading), 0);
        QVERIFY(CountColor(image, QRect(0, 0, 3, 10 * L), f.colors.face3d) > 0);  // raised panel
        QVERIFY(CountColor(image, QRect(0, 0, 3, 10 * L), Qt::white) > 0);
    }

    void selectedRecordIsHighlightedButKeepsCaptions() {
        RenderFixture f;
        f.Fill(3);
        const int L = f.L(), xc = f.Inch(420);
        QTest::mouseClick(f.Viewport(), Qt::LeftButton, {}, {40, 2 * L + 5});
        QVERIFY(f.view.Selection().IsSelected(0));
        const QImage image = f.Client();
        const QRect nameCell = Edges(10, 2 * L + 2, xc - 16, 3 * L);
        QVERIFY(CountColor(image, nameCell, f.colors.highlightBackground) > 10);
        QVERIFY(CountColor(image, nameCell, f.colors.highlightData) > 10);
        QCOMPARE(CountColor(image, nameCell, f.colors.data), 0);
        QVERIFY(CountColor(image, Edges(10, L, xc - 16, 2 * L), f.colors.heading) > 10);
    }

    void synopsisShowsFourLinesAtLineHeight() {
        RenderFixture f;
        f.view.ApplyDisplayOptions(NoGraphics());
        RecordValues r = MovieRecord(1, 1);
        r[FieldIndex(Field::Synopsis)] = "one\r\ntwo\nthree\rfour\nFIVE FIVE\nSIX SIX SIX";
        f.Enter(r);
        f.view.OnUpdate();
        const int L = f.L();
        const int textTop = 6 * L + L + 2;  // below the six record lines and the caption
        const int textHeight = QFontMetrics(f.view.ScreenFont()).height();
        const QImage image = f.Client();
        // Each of the four lines whole in its own line of the box, and nothing after them.
        for (int line = 0; line < 4; ++line) {
            const int top = textTop + line * L;
            QVERIFY2(CountColor(image, Edges(10, top, 400, top + textHeight), f.colors.data) > 10,
                     qPrintable(QString::number(line)));
            QCOMPARE(CountColor(image, Edges(10, top + textHeight, 400, top + L), f.colors.data),
                     0);
        }
        QCOMPARE(CountColor(image, Edges(0, textTop + 4 * L, 600, 13 * L), f.colors.data), 0);
    }

    void oneLineHeaderStaysWhileRowsScroll() {
        RenderFixture f;
        f.Fill(40);
        f.doc.Execute(CommandId::OneLineSorts);
        const int L = f.L();
        const QImage before = f.Client();
        const QRect header(0, 0, f.Viewport()->width(), L);
        // The header line is in the 3D face colour with the header text on it.
        QVERIFY(CountColor(before, header, f.colors.face3d) > header.width() * L / 2);
        QVERIFY(CountColor(before, header, f.colors.headerText) > 10);
        QCOMPARE(CountColor(before, header, f.colors.data), 0);
        QTest::keyClick(&f.view, Qt::Key_Down);
        const QImage after = f.Client();
        QCOMPARE(after.copy(header), before.copy(header));
        // The second row moved up into the first row's place.
        QCOMPARE(after.copy(0, L, 300, L), before.copy(0, 2 * L, 300, L));
    }

    void oneLineWithoutASortShowsTheTitleList() {
        // File > New, three movies entered, then One Line Sorts: no sort is marked.
        RenderFixture f;
        for (int k = 0; k < 3; ++k) f.Enter(MovieRecord(k, k + 1));
        f.doc.Execute(CommandId::OneLineSorts);
        QCOMPARE(f.doc.Display().State().sort, SortMark::None);
        const int L = f.L();
        const QImage image = f.Client();
        const QRect header(0, 0, f.Viewport()->width(), L);
        QVERIFY(CountColor(image, header, f.colors.headerText) > 10);
        for (int row = 1; row <= 3; ++row) {
            QVERIFY(CountColor(image, QRect(10, row * L + 2, 150, L - 2), f.colors.data) > 10);
        }
        // A click on a drawn row selects it, and what is selected is drawn highlighted.
        QTest::mouseClick(f.Viewport(), Qt::LeftButton, {}, QPoint(40, 2 * L + L / 2));
        QVERIFY(f.view.Selection().IsSelected(1));
        QVERIFY(CountColor(f.Client(), QRect(10, 2 * L + 2, 150, L - 2),
                           f.colors.highlightBackground) > 10);
    }

    void actorRowsNameTheActorOnceAGroup() {
        RenderFixture f;
        f.Fill(12);
        f.doc.Execute(CommandId::SortByActors);
        QCOMPARE(f.view.Geometry().mode, DisplayMode::Actors);
        const QImage image = f.Client();
        const int L = f.L();
        const int keyRight = f.doc.Display()
                                 .Layouts()[static_cast<std::size_t>(LayoutKey::ActorIndex)]
                                 .positions[1] -
                             4;
        QVERIFY(CountColor(image, Edges(10, L + 2, keyRight, 2 * L), f.colors.data) > 10);
        QCOMPARE(f.doc.Display().ActorRowGroupName(1), std::string_view());
        QCOMPARE(CountColor(image, Edges(10, 2 * L + 2, keyRight, 3 * L), f.colors.data), 0);
    }

    void largeLabelsComeInPairs() {
        RenderFixture f({1200, 800});
        f.Fill(5);
        f.doc.Execute(CommandId::DisplayLabelFormat);
        QCOMPARE(f.view.Geometry().screenRows, 3u);
        const ViewMetrics& m = f.view.Metrics();
        const int w = m.labelCharWidth, rowH = 12 * m.labelLineHeight;
        const QImage image = f.Client();
        // Captions and tape numbers in the heading colour, other values in the data colour.
        const QRect firstLabel(10, 0, 48 * w - 12, rowH);
        QVERIFY(CountColor(image, firstLabel, f.colors.heading) > 20);
        QVERIFY(CountColor(image, firstLabel, f.colors.data) > 20);
        // The third row has no second label: nothing but background beside the first one.
        const QRect missing(48 * w + 2, 2 * rowH + 2, 48 * w - 4, rowH - 4);
        QCOMPARE(CountColor(image, missing, f.colors.background),
                 missing.width() * missing.height());
        const QRect present(48 * w + 2, rowH + 2, 48 * w - 4, rowH - 4);
        QVERIFY(CountColor(image, present, f.colors.heading) > 20);
    }

    void unknownColumnShowsFailed() {
        RenderFixture f;
        f.Fill(2);
        QCOMPARE(ColumnText(f.doc.Display(), 0, 42), QStringLiteral("Failed"));
        QCOMPARE(ColumnText(f.doc.Display(), 0, 0), QStringLiteral("Failed"));
        QCOMPARE(ColumnText(f.doc.Display(), 1, 1), QStringLiteral("Movie 001"));
        QCOMPARE(ColumnText(f.doc.Display(), 1, 10), QStringLiteral("2"));
    }
};

QTEST_MAIN(ViewRenderTest)
#include "view_render_test.moc"
