// Row selection through real mouse and key events, the view's commands and its record menu.
#include <QSignalSpy>
#include <QTest>

#include "view_test_util.h"

using namespace reelkeep;
using namespace reelkeep::viewtest;

namespace {

// 30 movies in One Line Sorts, so row r sits on line r + 1 below the header.
struct ListFixture : ViewFixture {
    ListFixture() {
        Fill(30);
        doc.Execute(CommandId::OneLineSorts);
    }
    QPoint RowPoint(int row) const { return {60, L() * (row + 1) + L() / 2}; }
    void Click(int row, Qt::KeyboardModifiers mods = {}) {
        QTest::mouseClick(view.viewport(), Qt::LeftButton, mods, RowPoint(row));
    }
    std::vector<int> Selected() const {
        std::vector<int> rows;
        for (std::size_t r = 0; r < view.Selection().size(); ++r) {
            if (view.Selection().IsSelected(r)) rows.push_back(static_cast<int>(r));
        }
        return rows;
    }
};

using Rows = std::vector<int>;

}  // namespace

class ViewSelectionTest : public QObject {
    Q_OBJECT
private slots:
    void plainAndCtrlClicks() {
        ListFixture f;
        f.Click(3);
        QCOMPARE(f.Selected(), Rows({3}));
        QVERIFY(f.ui.RowsSelected());
        f.Click(5);
        QCOMPARE(f.Selected(), Rows({5}));
        f.Click(8, Qt::ControlModifier);
        QCOMPARE(f.Selected(), Rows({5, 8}));
        // A click on a selected row clears everything, Ctrl or not.
        f.Click(5, Qt::ControlModifier);
        QCOMPARE(f.Selected(), Rows());
        QVERIFY(!f.view.Selection().Present());
        QVERIFY(!f.ui.RowsSelected());
    }

    void shiftClicksExtendFromTheSelection() {
        ListFixture f;
        f.Click(6, Qt::ShiftModifier);  // nothing selected before: only the row
        QCOMPARE(f.Selected(), Rows({6}));
        f.Click(9, Qt::ShiftModifier);  // below the last: down to the click
        QCOMPARE(f.Selected(), Rows({6, 7, 8, 9}));
        f.Click(4, Qt::ShiftModifier);  // above the first: from the click to it
        QCOMPARE(f.Selected(), Rows({4, 5, 6, 7, 8, 9}));
        f.Click(12, Qt::ControlModifier);
        f.Click(11, Qt::ShiftModifier);  // between first and last: only the row is added
        QCOMPARE(f.Selected(), Rows({4, 5, 6, 7, 8, 9, 11, 12}));
    }

    void clicksOutsideTheRowsChangeNothing() {
        ListFixture f;
        f.view.resize(640, f.L() * 40);
        f.Click(2);
        QTest::mouseClick(f.Viewport(), Qt::LeftButton, {}, {60, f.L() / 2});  // header line
        QCOMPARE(f.Selected(), Rows({2}));
        QTest::mouseClick(f.Viewport(), Qt::LeftButton, {}, f.RowPoint(33));  // below the last row
        QCOMPARE(f.Selected(), Rows({2}));
    }

    void topLineNeverSelectsEvenWhenScrolled() {
        ViewFixture f;
        f.Fill(30);
        // Scroll so that a block's middle lies under the top line.
        for (int i = 0; i < 3; ++i) QTest::keyClick(&f.view, Qt::Key_Down);
        QTest::mouseClick(f.Viewport(), Qt::LeftButton, {}, {40, f.L() / 2});
        QCOMPARE(f.view.Selection().CountSelected(), std::size_t{0});
        QTest::mouseClick(f.Viewport(), Qt::LeftButton, {}, {40, f.L() + 2});
        QVERIFY(f.view.Selection().IsSelected(0));
    }

    void doubleClickModifiesExceptInLabels() {
        ListFixture f;
        QSignalSpy requests(&f.view, &CReelkeepView::commandRequested);
        f.Click(1);
        QTest::mouseDClick(f.Viewport(), Qt::LeftButton, {}, f.RowPoint(4));
        QCOMPARE(f.Selected(), Rows({4}));
        QCOMPARE(requests.count(), 1);
        QCOMPARE(requests.at(0).at(0).value<CommandId>(), CommandId::Modify);

        f.doc.Execute(CommandId::DisplayLabelFormat);
        requests.clear();
        QTest::mouseDClick(f.Viewport(), Qt::LeftButton, {}, {40, f.L() * 3});
        QCOMPARE(requests.count(), 0);
    }

    void labelClicksSelectLabels() {
        ViewFixture f({1100, 600});
        f.Fill(5);
        f.doc.Execute(CommandId::DisplayLabelFormat);
        QCOMPARE(f.view.Geometry().rowCount, 5u);
        const ViewMetrics& m = f.view.Metrics();
        const int secondRow = 12 * m.labelLineHeight + 20;
        QTest::mouseClick(f.Viewport(), Qt::LeftButton, {}, {m.labelCharWidth * 50, secondRow});
        QVERIFY(f.view.Selection().IsSelected(3));
        QTest::mouseClick(f.Viewport(), Qt::LeftButton, {},
                          {m.labelCharWidth * 50, 2 * secondRow + 20});  // no fifth label's partner
        QVERIFY(f.view.Selection().IsSelected(3));
        QCOMPARE(f.view.Selection().CountSelected(), std::size_t{1});
    }

    void selectAllTogglesAndCountsTheRowsShown() {
        ListFixture f;
        QVERIFY(f.view.IsEnabled(CommandId::SelectAll));
        f.view.Execute(CommandId::SelectAll);
        QCOMPARE(f.view.Selection().CountSelected(), std::size_t{30});
        QVERIFY(f.ui.RowsSelected());
        f.view.Execute(CommandId::SelectAll);
        QCOMPARE(f.view.Selection().CountSelected(), std::size_t{0});
        QVERIFY(!f.ui.RowsSelected());

        for (int k = 0; k < 4; ++k) f.Enter(MovieRecord(100 + k, 1));  // share tape 1
        f.doc.Execute(CommandId::DisplayLabelFormat);
        const std::size_t labels = f.doc.Display().Labels().size();
        QVERIFY(labels < f.doc.Display().Order().size());
        f.view.Execute(CommandId::SelectAll);
        f.Client();  // a paint must keep the selection
        QCOMPARE(f.view.Selection().CountSelected(), labels);
    }

    void storeSelectionAndUpdate() {
        ListFixture f;
        f.Click(2);
        f.Click(7, Qt::ControlModifier);
        const std::vector<std::uint32_t> flags = f.ui.SelectedRowFlags();
        QCOMPARE(flags.size(), std::size_t{30});
        QCOMPARE(flags[2], 1u);
        QCOMPARE(flags[7], 1u);
        QCOMPARE(flags[3], 0u);
        QVERIFY(f.ui.RowsSelected());
        f.view.OnUpdate();
        QCOMPARE(f.view.Selection().CountSelected(), std::size_t{0});
        QVERIFY(!f.ui.RowsSelected());
        f.view.SelectOnly(4, true);
        QCOMPARE(f.Selected(), Rows({4}));
        QVERIFY(!f.view.Selection().Present());
    }

    void recordMenuFollowsModeAndSelection() {
        ListFixture f;
        auto enabled = [&f](CommandId id) {
            for (const ContextMenuItem& item : f.view.RecordMenuItems()) {
                if (item.id == id) return item.enabled;
            }
            return false;
        };
        QVERIFY(enabled(CommandId::Delete));      // the focus row's movie, nothing selected
        QVERIFY(!enabled(CommandId::SelectAll));  // One Line Sorts: only the main menu offers it
        QVERIFY(f.view.IsEnabled(CommandId::SelectAll));
        QVERIFY(enabled(CommandId::Find));
        QVERIFY(!enabled(CommandId::Undo));
        f.Click(1);
        QVERIFY(enabled(CommandId::Delete));
        QVERIFY(enabled(CommandId::Modify));
        f.doc.Execute(CommandId::DisplayNormalView);
        QVERIFY(enabled(CommandId::SelectAll));
        QVERIFY(f.doc.ImportRecords({MovieRecord(99, 99)}));
        QVERIFY(enabled(CommandId::Undo));
        f.doc.Execute(CommandId::DisplayLabelFormat);
        f.view.Execute(CommandId::SelectAll);
        QVERIFY(!enabled(CommandId::Undo));  // as the Edit menu: labels are not undone
        QVERIFY(!enabled(CommandId::Delete));
        QVERIFY(!enabled(CommandId::Modify));
        QVERIFY(!enabled(CommandId::Find));
        QCOMPARE(f.view.RecordMenuItems().size(), std::size_t{5});
    }

    void labelSizeCommands() {
        ViewFixture f;
        QVERIFY(!f.view.IsEnabled(CommandId::LargeLabels));
        f.Fill(5);
        QVERIFY(!f.view.IsEnabled(CommandId::SmallLabels));  // not in label format
        f.doc.Execute(CommandId::DisplayLabelFormat);
        QVERIFY(f.view.IsEnabled(CommandId::SmallLabels));
        QVERIFY(f.view.IsChecked(CommandId::LargeLabels));
        f.view.Execute(CommandId::SmallLabels);
        QVERIFY(f.view.IsChecked(CommandId::SmallLabels));
        QVERIFY(!f.view.IsChecked(CommandId::LargeLabels));
        QCOMPARE(f.view.Geometry().screenRows, 5u);
        QVERIFY(CReelkeepView::Handles(CommandId::SelectAll));
        QVERIFY(!CReelkeepView::Handles(CommandId::Modify));
    }

    // What a print job takes as the selection: the user's rows, not the movie Find marked.
    void selectedRowsAreTheUsersSelection() {
        ListFixture f;
        f.Click(4);
        f.Click(2, Qt::ControlModifier);
        QCOMPARE(f.view.Selection().SelectedRows(), std::vector<std::uint32_t>({2, 4}));
        f.view.SelectOnly(7, true);
        QVERIFY(f.view.Selection().IsSelected(7));
        QVERIFY(f.view.Selection().SelectedRows().empty());
    }

    void sizingCursorOverHeaderBoundaries() {
        ListFixture f;
        const int boundary =
            f.doc.Display().Layouts()[static_cast<std::size_t>(LayoutKey::Title)].positions[1];
        QTest::mouseMove(f.Viewport(), {boundary + 2, f.L() / 2});
        QCOMPARE(f.Viewport()->cursor().shape(), Qt::SizeHorCursor);
        QTest::mouseMove(f.Viewport(), {boundary + 30, f.L() / 2});
        QCOMPARE(f.Viewport()->cursor().shape(), Qt::ArrowCursor);
        QTest::mouseMove(f.Viewport(), {boundary + 2, f.L() * 3});
        QCOMPARE(f.Viewport()->cursor().shape(), Qt::ArrowCursor);
    }
};

QTEST_MAIN(ViewSelectionTest)
#include "view_selection_test.moc"
