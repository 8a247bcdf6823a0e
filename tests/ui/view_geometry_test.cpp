// Layout figures of the catalogue view: block heights, content extents, visible rows, point to
// row and the scroll model, first as pure arithmetic and then through a live view.
#include "view_geometry.h"

#include <QScrollBar>
#include <QTest>
#include <climits>

#include "byte_io.h"
#include "focus_row.h"
#include "memory_source.h"
#include "view_test_util.h"

using namespace reelkeep;
using namespace reelkeep::viewtest;

namespace {

ViewMetrics Metrics96() {
    ViewMetrics m;
    m.dpiY = 96;
    m.lineHeight = 20;
    m.avgCharWidth = 6;
    m.maxCharWidth = 14;
    m.labelLineHeight = 13;
    m.labelCharWidth = 5;
    return m;
}

ColumnLayout ListWithLastColumnAt(int x) {
    ColumnLayout list;
    list.ids = {1, 9, 8, 2, 0, 0, 0, 0, 0, 0};
    list.positions = {0, 192, 336, x, 0, 0, 0, 0, 0, 0};
    return list;
}

ModeGeometry Geometry(DisplayMode mode, std::uint32_t rows, int clientHeight,
                      const ViewDisplayOptions& options = {}, bool large = true,
                      const ColumnLayout* list = nullptr) {
    GeometryInput in;
    in.mode = mode;
    in.rowCount = rows;
    in.metrics = Metrics96();
    in.options = options;
    in.largeLabels = large;
    in.list = list;
    in.clientHeight = clientHeight;
    return ComputeGeometry(in);
}

}  // namespace

class ViewGeometryTest : public QObject {
    Q_OBJECT
private slots:
    void blockHeightFollowsTheDisplayOptions() {
        ViewDisplayOptions o;
        o.showBox = true;
        o.showSynopsis = true;
        o.showCustom = {true, false, true, false};
        QCOMPARE(NormalLinesPerRow(o), 16);  // 7 + 2 + 5 + 2
        o.showBox = false;
        o.showSynopsis = false;
        o.showCustom = {};
        QCOMPARE(NormalLinesPerRow(o), 7);
        const ModeGeometry g = Geometry(DisplayMode::Normal, 10, 400, o);
        QCOMPARE(g.contentHeight, 10 * 7 * 20);
        QCOMPARE(g.contentWidth, 470 + 13 * 14);  // 4.90 in + 13 widest characters
    }

    void listWidthAllowsTwoInchesAfterTheLastColumn() {
        const ColumnLayout at576 = ListWithLastColumnAt(576);
        const ColumnLayout at720 = ListWithLastColumnAt(720);
        QCOMPARE(ListContentWidth(at576, 96), 864);
        QCOMPARE(ListContentWidth(at720, 96), 912);
        ColumnLayout emptyTail = at720;
        emptyTail.ids[3] = 0;  // a stale position of an empty slot counts for nothing
        QCOMPARE(ListContentWidth(emptyTail, 96), 864);
        QCOMPARE(SlotRight(at576, 1, 864), 336 - 4);
        QCOMPARE(SlotRight(at576, 3, 864), 864);
        QCOMPARE(SlotRight(at576, 0, 864), 192 - 4);
    }

    void defaultPositionsLandInTheRightLayouts() {
        ColumnLayouts layouts = DefaultColumnLayouts();
        InitDefaultColumnPositions(layouts, 96);
        auto pos = [&](LayoutKey k) { return layouts[static_cast<std::size_t>(k)].positions; };
        QCOMPARE(pos(LayoutKey::Title)[1], 192);
        QCOMPARE(pos(LayoutKey::Title)[5], 552);
        QCOMPARE(pos(LayoutKey::Rating)[1], 96);
        QCOMPARE(pos(LayoutKey::TapeNumber)[1], 48);
        QCOMPARE(pos(LayoutKey::Time)[2], 264);
        QCOMPARE(pos(LayoutKey::MovieType)[1], 120);
        QCOMPARE(pos(LayoutKey::MediaType)[5], 576);
        QCOMPARE(pos(LayoutKey::Custom3)[3], 528);
        QCOMPARE(pos(LayoutKey::Custom3)[4], 0);
        QCOMPARE(pos(LayoutKey::ActorIndex)[2], 336);
        QCOMPARE(pos(LayoutKey::ActorIndex)[3], 0);
        // A catalogue written by a tool has no positions; a view never leaves columns at 0.
        const ColumnLayout fromTool =
            DefaultColumnLayouts()[static_cast<std::size_t>(LayoutKey::Title)];
        QVERIFY(LacksColumnPositions(fromTool));
        QVERIFY(!LacksColumnPositions(layouts[static_cast<std::size_t>(LayoutKey::Title)]));
        ColumnLayout keyOnly;
        keyOnly.ids[0] = 1;
        QVERIFY(!LacksColumnPositions(keyOnly));
        QCOMPARE(FontPixelHeight(80, 96), 10);
        QCOMPARE(FontPixelHeight(85, 96), 10);  // whole points only
        QCOMPARE(FontPixelHeight(100, 120), 16);
    }

    void labelsFillRowsOfTwoOrOne() {
        const ModeGeometry large = Geometry(DisplayMode::Labels, 5, 400);
        QCOMPARE(large.screenRows, 3u);
        QCOMPARE(large.contentHeight, 3 * 12 * 13);
        QCOMPARE(large.contentWidth, 988);  // 10.30 in
        const ModeGeometry small = Geometry(DisplayMode::Labels, 5, 400, {}, false);
        QCOMPARE(small.screenRows, 5u);
        QCOMPARE(small.contentHeight, 5 * 4 * 13);
        QCOMPARE(small.contentWidth, 110 * 5);
    }

    void contentThatFitsHasNoScrolling() {
        const ModeGeometry g = Geometry(DisplayMode::Normal, 2, 1000);
        const ScrollModel s = FitScroll(g, 2000, 40, 60);
        QCOMPARE(s.contentHeight, 0);
        QCOMPARE(s.pageHeight, 0);
        QCOMPARE(s.scrollY, 0);
        QCOMPARE(s.contentWidth, 0);
        QCOMPARE(s.scrollX, 0);

        const ModeGeometry tall = Geometry(DisplayMode::Normal, 100, 400);
        const ScrollModel t = FitScroll(tall, 300, 5000, 99999999);
        QCOMPARE(t.limitY, tall.contentHeight - 400);
        QCOMPARE(t.scrollY, t.limitY);  // a grown window shows no space past the end
        QCOMPARE(t.scrollX, 470 + 13 * 14 - 300);

        const ModeGeometry labels = Geometry(DisplayMode::Labels, 100, 400);
        QCOMPARE(FitScroll(labels, 300, 0, 0).limitY, labels.contentHeight - 400);
    }

    void listPageIsWholeLinesBelowTheHeader() {
        const ColumnLayout list = ListWithLastColumnAt(576);
        const ModeGeometry g = Geometry(DisplayMode::OneLine, 100, 205, {}, true, &list);
        QCOMPARE(g.pageHeight, 180);
        QCOMPARE(g.headerHeight, 20);
        const RowSpan span = VisibleRows(g, 60, 205);
        QCOMPARE(span.first, 3);
        QCOMPARE(span.last, 11);
        QCOMPARE(Geometry(DisplayMode::OneLine, 3, 10, {}, true, &list).pageHeight, 0);
    }

    void visibleBlocksCoverTheClientArea() {
        ViewDisplayOptions o;  // box and synopsis: 14 lines of 20 pixels
        const ModeGeometry g = Geometry(DisplayMode::Normal, 50, 400, o);
        const RowSpan top = VisibleRows(g, 0, 400);
        QCOMPARE(top.first, 0);
        QCOMPARE(top.last, 2);  // 20 lines / 14 + 0 + 1
        const RowSpan mid = VisibleRows(g, 290, 400);
        QCOMPARE(mid.first, 1);
        QCOMPARE(mid.offset, 10);
        const RowSpan end = VisibleRows(g, g.contentHeight - 400, 400);
        QCOMPARE(end.last, 49);
        QCOMPARE(VisibleRows(Geometry(DisplayMode::Normal, 0, 400), 0, 400).last, -1);
    }

    void pointToRowInEveryMode() {
        const ViewMetrics m = Metrics96();
        ViewDisplayOptions o;
        const ModeGeometry normal = Geometry(DisplayMode::Normal, 50, 400, o);
        QCOMPARE(RowAt(normal, m, 5, 279, 0, 0), 0);
        QCOMPARE(RowAt(normal, m, 5, 280, 0, 0), 1);
        QCOMPARE(RowAt(normal, m, 5, 10, 0, 280), 1);

        const ColumnLayout list = ListWithLastColumnAt(576);
        const ModeGeometry oneLine = Geometry(DisplayMode::OneLine, 50, 400, o, true, &list);
        QCOMPARE(RowAt(oneLine, m, 5, 5, 0, 0), -1);  // the header line
        QCOMPARE(RowAt(oneLine, m, 5, 25, 0, 0), 0);
        QCOMPARE(RowAt(oneLine, m, 5, 25, 0, 100), 5);

        const ModeGeometry large = Geometry(DisplayMode::Labels, 5, 400);
        QCOMPARE(RowAt(large, m, 100, 160, 0, 0), 2);    // second label row, left
        QCOMPARE(RowAt(large, m, 241, 160, 0, 0), 3);    // right of 48 characters
        QCOMPARE(RowAt(large, m, 100, 160, 200, 0), 3);  // scrolled right onto the second label
        const ModeGeometry small = Geometry(DisplayMode::Labels, 5, 400, o, false);
        QCOMPARE(RowAt(small, m, 400, 60, 0, 0), 1);
    }

    void scrollRequestsClampAndRound() {
        // Thumb released: whole lines toward the old position.
        QCOMPARE(VerticalScrollTarget(ScrollRequest::Thumb, 100, 1000, 20, 180, 20, 159), 140);
        QCOMPARE(VerticalScrollTarget(ScrollRequest::Thumb, 100, 1000, 20, 180, 20, 41), 60);
        QCOMPARE(VerticalScrollTarget(ScrollRequest::LineForward, 995, 1000, 20, 180, 20, 0), 1000);
        // Near the largest position a step must not wrap around.
        QCOMPARE(
            VerticalScrollTarget(ScrollRequest::PageForward, INT_MAX - 5, INT_MAX, 20, 180, 20, 0),
            INT_MAX);
        QCOMPARE(VerticalScrollTarget(ScrollRequest::LineForward, 1000, 1000, 20, 180, 20, 0),
                 1000);
        QCOMPARE(VerticalScrollTarget(ScrollRequest::LineBack, 5, 1000, 20, 180, 20, 0), 0);
        QCOMPARE(VerticalScrollTarget(ScrollRequest::PageForward, 900, 1000, 20, 180, 20, 0), 1000);
        QCOMPARE(VerticalScrollTarget(ScrollRequest::ToEnd, 0, 1000, 20, 180, 20, 0), 1000);
        QCOMPARE(HorizontalScrollTarget(ScrollRequest::PageBack, 100, 500, 6, 300, 0), 0);
        QCOMPARE(HorizontalScrollTarget(ScrollRequest::LineForward, 497, 500, 6, 300, 0), 500);
        QCOMPARE(HorizontalScrollTarget(ScrollRequest::ToEnd, 100, 500, 6, 300, 0), 100);
        QCOMPARE(HorizontalScrollTarget(ScrollRequest::Thumb, 100, 500, 6, 300, 333), 333);
    }

    void focusRowStaysOnTheRowsAndInView() {
        QCOMPARE(MovedRow(3, -5, 10), 0u);
        QCOMPARE(MovedRow(8, 5, 10), 9u);
        QCOMPARE(MovedRow(4, 1, 0), 0u);
        QCOMPARE(MovedRow(999'999, 1, 1'000'000), 999'999u);

        // A list of 100 lines, 9 lines of page below the header.
        const ColumnLayout list = ListWithLastColumnAt(576);
        const ModeGeometry g = Geometry(DisplayMode::OneLine, 100, 205, {}, true, &list);
        const ScrollModel s = FitScroll(g, 2000, 0, 60);  // rows 3..11 show
        QCOMPARE(ScrollYShowing(g, s, 5), 60);            // already shown: no scroll
        QCOMPARE(ScrollYShowing(g, s, 12), 80);           // one line down
        QCOMPARE(ScrollYShowing(g, s, 1), 20);
        QCOMPARE(ScrollYShowing(g, s, 99), s.limitY);
        QCOMPARE(EntryRect(g, Metrics96(), 3, 7, 60, 300), QRect(-7, 20, 864, 20));

        // Normal View blocks of 14 lines taller than the page show from their top.
        const ModeGeometry normal = Geometry(DisplayMode::Normal, 50, 200);
        const ScrollModel n = FitScroll(normal, 2000, 0, 0);
        QCOMPARE(ScrollYShowing(normal, n, 2), 2 * 280);
        QCOMPARE(ScrollYShowing(normal, FitScroll(normal, 2000, 0, 600), 2), 2 * 280);

        // Large labels: two to a row; the right one starts 48 characters in.
        const ModeGeometry large = Geometry(DisplayMode::Labels, 9, 200);
        QCOMPARE(ScrollYShowing(large, FitScroll(large, 2000, 0, 0), 5), 3 * 156 - 200);
        QCOMPARE(EntryRect(large, Metrics96(), 5, 0, 0, 300), QRect(240, 2 * 156, 240, 156));
        const ModeGeometry small = Geometry(DisplayMode::Labels, 9, 200, {}, false);
        QCOMPARE(EntryRect(small, Metrics96(), 5, 0, 0, 300), QRect(0, 5 * 52, 480, 52));
        // Content that fits never scrolls.
        const ModeGeometry few = Geometry(DisplayMode::Labels, 1, 400);
        QCOMPARE(ScrollYShowing(few, FitScroll(few, 2000, 0, 0), 0), 0);
    }

    void keyboardSelectionTogglesOneRowAndExtends() {
        CSelectionFlags flags;
        flags.Reset(10);
        flags.SelectOnly(2, true);  // as Find leaves it: no user selection
        flags.Toggle(4);
        QVERIFY(flags.Present());
        QCOMPARE(flags.SelectedRows(), std::vector<std::uint32_t>({2, 4}));
        flags.Toggle(4);
        QVERIFY(flags.Present());  // row 2 is still selected
        flags.Toggle(2);
        QVERIFY(!flags.Present());
        flags.AddRange(7, 5);
        flags.AddRange(8, 40);
        QCOMPARE(flags.SelectedRows(), std::vector<std::uint32_t>({5, 6, 7, 8, 9}));
    }

    // ---- through a live view -------------------------------------------------------------

    void viewMeasuresItsFontAndStartsAtTheTop() {
        ViewFixture f;
        f.Fill(40);
        const ViewMetrics& m = f.view.Metrics();
        QVERIFY(m.lineHeight > 5);
        QCOMPARE(f.view.Geometry().mode, DisplayMode::Normal);
        QCOMPARE(f.view.Geometry().rowCount, 40u);
        QCOMPARE(f.view.Scroll().scrollY, 0);
        QVERIFY(f.view.verticalScrollBar()->maximum() > 0);
        QCOMPARE(f.view.verticalScrollBar()->singleStep(), m.lineHeight);
        const auto& title = f.doc.Display().Layouts()[static_cast<std::size_t>(LayoutKey::Title)];
        QCOMPARE(title.positions[1], InchToPixels(m.dpiY, 200));
    }

    void thumbDragWaitsForRelease() {
        ViewFixture f;
        f.Fill(40);
        QScrollBar* bar = f.view.verticalScrollBar();
        const int L = f.L();
        bar->setSliderDown(true);
        bar->setSliderPosition(5 * L + L / 2);
        QCOMPARE(f.view.Scroll().scrollY, 0);
        bar->setSliderDown(false);
        QCOMPARE(f.view.Scroll().scrollY, 5 * L);
        QCOMPARE(bar->value(), 5 * L);
    }

    void updateResetsScrollOnlyWhenRowsOrModeChange() {
        ViewFixture f;
        f.Fill(40);
        QTest::keyClick(&f.view, Qt::Key_PageDown);
        const int scrolled = f.view.Scroll().scrollY;
        QVERIFY(scrolled > 0);
        f.view.ApplyDisplayOptions(ViewDisplayOptions{});
        f.doc.Execute(CommandId::SortByTitle);
        f.view.OnUpdate();
        QCOMPARE(f.view.Scroll().scrollY, scrolled);
        f.doc.Execute(CommandId::OneLineSorts);  // updates all views with the mode changed
        QCOMPARE(f.view.Scroll().scrollY, 0);
        QTest::keyClick(&f.view, Qt::Key_End);
        QVERIFY(f.view.Scroll().scrollY > 0);
        f.Enter(MovieRecord(99, 99));
        f.view.OnUpdate();
        QCOMPARE(f.view.Scroll().scrollY, 0);
    }

    void listWithoutPositionsGetsTheStartUpOnes() {
        ViewFixture f;
        f.Fill(5);
        // The catalogue as a tool writes it: every column position, after the header and the
        // 110 column ids, left 0.
        CStringSink file;
        f.doc.WriteDocument(file);
        file.bytes.replace(8 + 110 * 4, 99 * 4, std::string(99 * 4, '\0'));
        MemorySource source(std::span<const char>(file.bytes.data(), file.bytes.size()));
        QVERIFY(f.doc.ReadDocument(source, "tool.smf"));
        const auto& title = f.doc.Display().Layouts()[static_cast<std::size_t>(LayoutKey::Title)];
        f.doc.Execute(CommandId::OneLineSorts);
        QCOMPARE(title.positions[1], InchToPixels(f.view.Metrics().dpiY, 200));
    }

    void keysScrollByLinesPagesAndEnds() {
        ViewFixture f;
        f.Fill(60);
        f.doc.Execute(CommandId::OneLineSorts);
        const int L = f.L();
        const ScrollModel& s = f.view.Scroll();
        QTest::keyClick(&f.view, Qt::Key_Down);
        QCOMPARE(s.scrollY, L);
        QTest::keyClick(&f.view, Qt::Key_PageDown);
        QCOMPARE(s.scrollY, L + s.pageHeight);
        QTest::keyClick(&f.view, Qt::Key_End);
        QCOMPARE(s.scrollY, s.limitY);
        QCOMPARE(s.limitY, 61 * L - s.pageHeight - L);  // 60 rows below the header
        QTest::keyClick(&f.view, Qt::Key_Home);
        QCOMPARE(s.scrollY, 0);
        f.view.resize(300, 400);  // narrower than the list
        QVERIFY(s.limitX > 0);
        QTest::keyClick(&f.view, Qt::Key_Right);
        QCOMPARE(s.scrollX, f.view.Metrics().avgCharWidth);
        QTest::keyClick(&f.view, Qt::Key_End);
        QCOMPARE(s.scrollX, 0);
    }

    void tallWindowHidesTheVerticalBar() {
        ViewFixture f({800, 2000});
        f.Fill(3);
        QCOMPARE(f.view.Scroll().contentHeight, 0);
        QCOMPARE(f.view.verticalScrollBar()->maximum(), 0);
        QVERIFY(!f.view.verticalScrollBar()->isVisible());
    }
};

QTEST_MAIN(ViewGeometryTest)
#include "view_geometry_test.moc"
