// The focus row through real key events, Find's and Go to Entry's hand-over to it, and the rows
// as a screen reader reads them.
#include <QAccessible>
#include <QSignalSpy>
#include <QTest>

#include "view_accessible.h"
#include "view_test_util.h"

using namespace reelkeep;
using namespace reelkeep::viewtest;

namespace {

// 30 movies in One Line Sorts, the view holding the keyboard.
struct KeyFixture : ViewFixture {
    KeyFixture() {
        Fill(30);
        doc.Execute(CommandId::OneLineSorts);
        view.activateWindow();
        view.setFocus();
    }
    void Key(Qt::Key key, Qt::KeyboardModifiers mods = Qt::ControlModifier) {
        QTest::keyClick(&view, key, mods);
    }
    QAccessibleInterface* Tree() { return QAccessible::queryAccessibleInterface(&view); }
};

}  // namespace

class ViewKeyboardTest : public QObject {
    Q_OBJECT
private slots:
    void ctrlArrowsMoveAndSpaceSelects() {
        KeyFixture f;
        QSignalSpy changes(&f.view, &CReelkeepView::selectionChanged);
        f.Key(Qt::Key_Down);
        f.Key(Qt::Key_Down);
        f.Key(Qt::Key_Space, Qt::NoModifier);
        QCOMPARE(f.view.FocusRow(), 2u);
        QCOMPARE(f.view.Selection().SelectedRows(), std::vector<std::uint32_t>({2}));
        QVERIFY(f.ui.RowsSelected());
        QCOMPARE(changes.count(), 1);
        f.Key(Qt::Key_Down, Qt::ControlModifier | Qt::ShiftModifier);
        f.Key(Qt::Key_Space, Qt::NoModifier);  // only the focus row goes
        QCOMPARE(f.view.Selection().SelectedRows(), std::vector<std::uint32_t>({2}));
        f.Key(Qt::Key_End);  // to the last row, scrolled into view
        QCOMPARE(f.view.FocusRow(), 29u);
        QCOMPARE(f.view.Scroll().scrollY, f.view.Scroll().limitY);
        f.Key(Qt::Key_Up, Qt::NoModifier);  // plain arrows still only scroll
        QCOMPARE(f.view.FocusRow(), 29u);
        f.Key(Qt::Key_Home);
        QCOMPARE(f.view.FocusRow(), 0u);
        QCOMPARE(f.view.Scroll().scrollY, 0);
    }

    void enterModifyAndDeleteTakeTheFocusRowOutsideTheSelection() {
        KeyFixture f;
        f.ui.freezes = true;
        QSignalSpy requests(&f.view, &CReelkeepView::commandRequested);
        QVERIFY(f.doc.IsEnabled(CommandId::Modify));  // nothing selected: the focus row's movie
        f.Key(Qt::Key_Down);
        f.Key(Qt::Key_Space, Qt::NoModifier);
        f.Key(Qt::Key_Down);
        f.Key(Qt::Key_Down);
        f.Key(Qt::Key_Return, Qt::NoModifier);
        QCOMPARE(requests.count(), 1);
        QCOMPARE(requests.at(0).at(0).value<CommandId>(), CommandId::Modify);
        std::vector<std::uint32_t> only3(30, 0);
        only3[3] = 1;
        QCOMPARE(f.view.ActedRowFlags(), only3);
        QCOMPARE(f.view.Selection().SelectedRows(), std::vector<std::uint32_t>({1}));
        f.Key(Qt::Key_Up);
        f.Key(Qt::Key_Up);
        QCOMPARE(f.view.ActedRowFlags(), f.view.Selection().Flags());

        // The focus row follows a movie Modify sorts elsewhere, and stays actionable.
        f.Key(Qt::Key_Down);
        f.Key(Qt::Key_Down);
        f.ui.edit = [](EntryDialogValues& v) { v.fields[FieldIndex(Field::MovieName)] = "Z"; };
        f.doc.Execute(CommandId::Modify);
        QCOMPARE(f.view.FocusRow(), 29u);
        QVERIFY(f.view.RowShows(29));
        QVERIFY(f.doc.IsEnabled(CommandId::Delete));
        // Delete leaves it on the next movie, not the first.
        f.Key(Qt::Key_Home);
        for (int k = 0; k < 5; ++k) f.Key(Qt::Key_Down);
        f.ui.deleteAnswer = DeleteAnswer::Yes;
        f.doc.Execute(CommandId::Delete);
        QCOMPARE(f.doc.Display().ShownRowCount(), 29u);
        QCOMPARE(f.view.FocusRow(), 5u);
        QCOMPARE(f.view.AccessibleRowText(5)->name, QStringLiteral("Movie 007"));

        f.doc.Execute(CommandId::DisplayLabelFormat);
        f.Key(Qt::Key_Enter, Qt::NoModifier);
        QCOMPARE(requests.count(), 1);
    }

    // What the platform's bridge is told: the focus always on the focus row's item, after
    // key moves, Qt's own focus event for the view, a focus-in, Select All and an update.
    void readerFocusIsOnTheFocusRow() {
        KeyFixture f;
        QVERIFY(QTest::qWaitForWindowActive(&f.view));
        static std::vector<std::pair<QObject*, int>> heard;
        heard.clear();
        CViewAccessible::ForwardTo([](QAccessibleEvent* e) {
            if (e->type() == QAccessible::Focus) heard.emplace_back(e->object(), e->child());
        });
        QAccessibleEvent viewFocus(&f.view, QAccessible::Focus);
        f.Key(Qt::Key_Down);
        CViewAccessible::Deliver(&viewFocus);  // the row was just spoken: dropped
        f.Key(Qt::Key_Down);
        f.view.clearFocus();
        f.view.setFocus();
        CViewAccessible::Deliver(&viewFocus);  // as Qt follows a focus-in
        f.view.Execute(CommandId::SelectAll);
        QVERIFY(f.Tree()->child(2)->text(QAccessible::Name).endsWith(QStringLiteral(", selected")));
        f.view.OnUpdate();
        QAccessibleEvent other(f.view.viewport(), QAccessible::Focus);
        CViewAccessible::Deliver(&other);
        CViewAccessible::Deliver(&viewFocus);  // back from elsewhere: the row's
        CViewAccessible::ForwardTo(nullptr);
        QObject* v = &f.view;
        const std::vector<std::pair<QObject*, int>> expected = {
            {v, 1}, {v, 2}, {v, 2}, {v, 2}, {v, 2}, {f.view.viewport(), -1}, {v, 2}};
        QCOMPARE(heard, expected);
    }

    void findAndGoToEntryMoveTheFocusRow() {
        KeyFixture f;
        f.ui.SelectOnly(25, true);
        QCOMPARE(f.view.FocusRow(), 25u);
        QVERIFY(f.view.Selection().IsSelected(25));
        QVERIFY(f.view.RowShows(25));
        QVERIFY(f.view.Scroll().scrollY > 0);
        f.ui.SelectOnly(0, false);  // the end of a search leaves the focus row
        QCOMPARE(f.view.FocusRow(), 25u);
        f.view.GoToTypedText(QStringLiteral("movie 007"));
        QCOMPARE(f.view.FocusRow(), 7u);
        QCOMPARE(f.view.Selection().CountSelected(), std::size_t{0});
    }

    void screenReaderSeesTheRows() {
        KeyFixture f;
        QAccessibleInterface* tree = f.Tree();
        QCOMPARE(tree->role(), QAccessible::Table);
        QCOMPARE(tree->childCount(), 30);
        QVERIFY(tree->text(QAccessible::Name).contains(QStringLiteral("One Line Sorts")));
        f.Key(Qt::Key_Down);
        f.Key(Qt::Key_Space, Qt::NoModifier);
        QAccessibleInterface* row = tree->child(1);
        QCOMPARE(row->text(QAccessible::Name), QStringLiteral("Movie 001, selected"));
        QVERIFY(row->text(QAccessible::Description).contains(QStringLiteral("Rating: PG")));
        QVERIFY(!row->text(QAccessible::Description).contains(QStringLiteral("Movie 001")));
        QVERIFY(row->state().selected);
        QCOMPARE(row->state().focused, f.view.hasFocus());
        QCOMPARE(tree->indexOfChild(row), 1);
        QCOMPARE(row->parent(), tree);
        QVERIFY(tree->child(29)->state().offscreen);
        // A one-column table that lists at most a bounded number of selected rows.
        QCOMPARE(tree->tableInterface()->cellAt(1, 0), row);
        QCOMPARE(row->tableCellInterface()->rowIndex(), 1);
        f.view.Execute(CommandId::SelectAll);  // toggles: nothing selected now
        f.view.Execute(CommandId::SelectAll);
        QCOMPARE(tree->tableInterface()->selectedRowCount(), 30);
        QCOMPARE(tree->tableInterface()->selectedRows().size(), 30);

        // Rows are made as asked for, a bounded number kept, and all dropped on an update.
        for (int r = 0; r < 30; ++r) tree->child(r);
        QVERIFY(f.view.AccessibleRows().Count() <= CAccessibleRows::kMaxRows);
        f.doc.Execute(CommandId::DisplayLabelFormat);
        QCOMPARE(f.view.AccessibleRows().Count(), std::size_t{0});
        QCOMPARE(tree->child(0)->text(QAccessible::Name),
                 QStringLiteral("Tape 1: Movie 000, not selected"));
        // A new movie's empty fields say nothing.
        RecordValues bare;
        bare[FieldIndex(Field::MovieName)] = "Zulu";
        f.doc.Execute(CommandId::DisplayNormalView);
        f.Enter(bare);
        f.doc.Execute(CommandId::SortByTitle);
        f.view.OnUpdate();
        QCOMPARE(tree->child(30)->text(QAccessible::Name), QStringLiteral("Zulu, not selected"));
        QCOMPARE(tree->child(30)->text(QAccessible::Description), QString());
    }
};

QTEST_MAIN(ViewKeyboardTest)
#include "view_keyboard_test.moc"
