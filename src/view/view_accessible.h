#pragma once

#include <QAccessibleWidget>
#include <cstdint>

namespace reelkeep {

class CReelkeepView;

// The catalogue view as a screen reader sees it: a table named after the display mode, whose
// items are the rows shown (made only when asked for), and the events that tell the reader
// what changed. Nothing is sent while no reader listens.
class CViewAccessible : public QAccessibleWidget, public QAccessibleTableInterface {
public:
    explicit CViewAccessible(CReelkeepView* view);

    // Makes the accessibility framework build this for every catalogue view, and turns the
    // focus events Qt sends for the view itself into events for its focus row.
    static void Install();
    // Where the events go after that turn: the platform's bridge, or a test's handler.
    static void ForwardTo(QAccessible::UpdateHandler handler);
    // An event as Qt hands it over, through the same turn.
    static void Deliver(QAccessibleEvent* event);

    // The focus row moved (or the view got the focus, or the rows changed): the reader speaks
    // the row, with its selected state.
    static void AnnounceFocusRow(CReelkeepView& view);
    // One row was selected or unselected, or any other change to the selection.
    static void AnnounceRowSelection(CReelkeepView& view, std::uint32_t row, bool selected);
    // Many rows at once (Select All, Shift+Ctrl+arrows): the focus row's state tells the reader.
    static void AnnounceSelection(CReelkeepView& view);
    // The focus row changed in place (Select All): the reader speaks it again, with its state.
    static void AnnounceFocusRowAgain(CReelkeepView& view);
    // Another listing, sort, filter or mode: every row may be another one.
    static void AnnounceListing(CReelkeepView& view);
    // The view's own focus, when it has the keyboard and no rows to put the reader on.
    static void AnnounceEmptyViewFocus(CReelkeepView& view);

    int childCount() const override;
    QAccessibleInterface* child(int index) const override;
    int indexOfChild(const QAccessibleInterface* child) const override;
    QAccessibleInterface* childAt(int x, int y) const override;
    QAccessibleInterface* focusChild() const override;
    QString text(QAccessible::Text t) const override;
    QAccessible::State state() const override;
    void* interface_cast(QAccessible::InterfaceType t) override;

    // One column, a row per row shown. The selected rows listed are the first
    // CAccessibleRows::kMaxRows of them, found in one pass that stops there: with a million
    // selected, a reader asking for the list gets a screenful, and their number in full.
    QAccessibleInterface* caption() const override { return nullptr; }
    QAccessibleInterface* summary() const override { return nullptr; }
    QAccessibleInterface* cellAt(int row, int column) const override;
    int selectedCellCount() const override { return selectedRowCount(); }
    QList<QAccessibleInterface*> selectedCells() const override;
    QString columnDescription(int) const override { return {}; }
    QString rowDescription(int) const override { return {}; }
    int selectedColumnCount() const override { return 0; }
    int selectedRowCount() const override;
    int columnCount() const override { return 1; }
    int rowCount() const override { return childCount(); }
    QList<int> selectedColumns() const override { return {}; }
    QList<int> selectedRows() const override;
    bool isColumnSelected(int) const override { return false; }
    bool isRowSelected(int row) const override;
    // The selection is the user's, made with the keyboard or the mouse.
    bool selectRow(int) override { return false; }
    bool selectColumn(int) override { return false; }
    bool unselectRow(int) override { return false; }
    bool unselectColumn(int) override { return false; }
    // Row interfaces are dropped on every update, which reports the change itself.
    void modelChange(QAccessibleTableModelChangeEvent*) override {}

private:
    CReelkeepView& View() const;
};

}  // namespace reelkeep
