// The columns of the one-line lists through the view: the "Fields" menu over the header line
// with the Add Column dialog, and dragging a column boundary with the mouse.
#include <QComboBox>
#include <QTest>

#include "column_positions.h"
#include "dialog_test_util.h"
#include "view_test_util.h"

using namespace reelkeep;
using namespace reelkeep::viewtest;

namespace {

// 30 movies in One Line Sorts, sorted by title, with nothing changed yet.
struct ColumnsFixture : ViewFixture {
    ColumnsFixture() {
        Fill(30);
        doc.Execute(CommandId::OneLineSorts);
        doc.SetModified(false);
    }
    const ColumnLayout& Titles() const {
        return doc.Display().Layouts()[static_cast<std::size_t>(LayoutKey::Title)];
    }
    int Slot(std::size_t k) const { return Titles().positions[k]; }
    QPoint Header(int x) const { return {x, L() / 2}; }
    QImage HeaderImage() { return Client().copy(0, 0, Viewport()->width(), L()); }
};

}  // namespace

class ViewColumnsTest : public QObject {
    Q_OBJECT
private slots:
    void theFieldsMenuAddsTheChosenColumnAfterTheOneUnderTheCursor() {
        ColumnsFixture f;
        const auto overKey = f.view.FieldsMenuItemsAt(f.Header(f.Slot(1) - 5));
        QCOMPARE(overKey.at(0).text, std::string_view("&Add a New Field"));
        QVERIFY(overKey.at(0).enabled);
        QVERIFY(!overKey.at(1).enabled);  // the key column stays
        const int slot2 = f.Slot(2);
        QVERIFY(f.view.FieldsMenuItemsAt(f.Header(slot2 + 5)).at(1).enabled);
        WhenModalShown([](QWidget* dialog) {
            auto* choices = dialog->findChild<QComboBox*>();
            QCOMPARE(choices->count(), 10);
            choices->setCurrentIndex(3);  // "Custom 1 Field"
            static_cast<QDialog*>(dialog)->accept();
        });
        f.view.Execute(CommandId::AddField);
        QCOMPARE(f.Titles().ids[3], 4u);
        QCOMPARE(f.Slot(3), slot2 + InchToPixels(f.view.Metrics().dpiY, 75));
        QVERIFY(f.doc.IsModified());
    }

    void theHeaderFollowsADraggedBoundaryAndTheListTakesItOnRelease() {
        ColumnsFixture f;
        const int slot2 = f.Slot(2);
        const int slot3 = f.Slot(3);
        QTest::mouseClick(f.Viewport(), Qt::LeftButton, {}, {60, f.L() * 2 + 2});
        const QImage before = f.HeaderImage();
        QTest::mousePress(f.Viewport(), Qt::LeftButton, {}, f.Header(slot2 + 2));
        QTest::mouseMove(f.Viewport(), f.Header(slot3 - 4));
        // Closer to the next column, the boundary stays where it was.
        QTest::mouseMove(f.Viewport(), f.Header(slot3 - 3));
        QCOMPARE(f.Slot(2), slot2);
        const QImage dragged = f.HeaderImage();
        QVERIFY(dragged != before);
        QTest::mouseRelease(f.Viewport(), Qt::LeftButton, {}, f.Header(slot3 - 3));
        QCOMPARE(f.Slot(2), slot3 - 4);
        QVERIFY(f.doc.IsModified());
        QCOMPARE(f.HeaderImage(), dragged);
        // A column change repaints; it does not reset the view's selection.
        QVERIFY(f.view.Selection().IsSelected(1));

        // Leaving the header line ends a drag where it was.
        const int slot1 = f.Slot(1);
        QTest::mousePress(f.Viewport(), Qt::LeftButton, {}, f.Header(slot1));
        QTest::mouseMove(f.Viewport(), f.Header(slot1 - 40));
        QTest::mouseMove(f.Viewport(), {slot1 - 60, f.L() * 2});
        QTest::mouseMove(f.Viewport(), f.Header(slot1 - 80));
        QCOMPARE(f.Slot(1), slot1 - 40);
    }
};

QTEST_MAIN(ViewColumnsTest)
#include "view_columns_test.moc"
