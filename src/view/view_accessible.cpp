#include "view_accessible.h"

#include <QAccessibleEvent>
#include <QApplication>
#include <QPointer>
#include <algorithm>
#include <climits>

#include "reelkeep_view.h"
#include "row_accessible.h"
#include "row_text.h"

namespace reelkeep {

namespace {

QAccessibleInterface* MakeViewAccessible(const QString& className, QObject* object) {
    if (className != QLatin1String(CReelkeepView::staticMetaObject.className())) return nullptr;
    return new CViewAccessible(static_cast<CReelkeepView*>(object));
}

QAccessible::UpdateHandler g_forwardTo = nullptr;

// The target of the last focus event that went out.
QPointer<QObject> g_lastFocusObject;
int g_lastFocusChild = -1;

void Filter(QAccessibleEvent* event);

// Opening a pop-up menu reports the window under it as activated again, after the menu's first
// item: the reader would speak the window's title over the menu.
bool WindowReactivatedUnderPopUp(QAccessibleEvent* event) {
    if (event->type() != QAccessible::StateChanged || QApplication::activePopupWidget() == nullptr)
        return false;
    const auto* change = static_cast<QAccessibleStateChangeEvent*>(event);
    const auto* widget = qobject_cast<QWidget*>(event->object());
    return change->changedStates().active && widget != nullptr && widget->isWindow() &&
           widget != QApplication::activePopupWidget();
}

void Forward(QAccessibleEvent* event) {
    if (event->type() == QAccessible::Focus) {
        g_lastFocusObject = event->object();
        g_lastFocusChild = event->child();
    }
    if (g_forwardTo != nullptr) {
        g_forwardTo(event);
        return;
    }
    // Without a handler, the event goes on to the platform's bridge.
    QAccessible::installUpdateHandler(nullptr);
    QAccessible::updateAccessibility(event);
    QAccessible::installUpdateHandler(Filter);
}

// Qt reports the view itself as focused after each focus-in, when the row was just spoken; a
// reader told that the list has the focus counts its million items one by one. The focus
// belongs to the focus row, so that event becomes the row's, or goes when the row has it.
void Filter(QAccessibleEvent* event) {
    if (WindowReactivatedUnderPopUp(event)) return;
    auto* view = event->type() == QAccessible::Focus && event->child() < 0
                     ? qobject_cast<CReelkeepView*>(event->object())
                     : nullptr;
    if (view == nullptr || view->AccessibleRowCount() == 0) {
        if (view == nullptr || !view->AwaitingCatalogue()) Forward(event);
        return;
    }
    const int row = static_cast<int>(view->FocusRow());
    if (g_lastFocusObject == view && g_lastFocusChild == row) return;
    QAccessibleEvent rowEvent(view, QAccessible::Focus);
    rowEvent.setChild(row);
    Forward(&rowEvent);
}

// The view's events reach the bridge through the filter; a test's handler gets them even
// where no bridge is active.
void Send(QAccessibleEvent* event) {
    if (QAccessible::isActive()) {
        QAccessible::updateAccessibility(event);
    } else if (g_forwardTo != nullptr) {
        Filter(event);
    }
}

// Events go out only while a reader listens: building them costs the reader's queries.
bool Listened(const CReelkeepView& view) {
    return (QAccessible::isActive() || g_forwardTo != nullptr) && view.isVisible();
}

void SendForRow(CReelkeepView& view, QAccessible::Event type, std::uint32_t row) {
    QAccessibleEvent event(&view, type);
    event.setChild(static_cast<int>(row));
    Send(&event);
}

}  // namespace

// A table, not a list: a reader entering a list counts its items one by one to say how many
// there are, a million calls; a table's size it asks of the table, or leaves unsaid.
CViewAccessible::CViewAccessible(CReelkeepView* view)
    : QAccessibleWidget(view, QAccessible::Table) {}

void CViewAccessible::Install() {
    static const bool installed = [] {
        QAccessible::installFactory(MakeViewAccessible);
        QAccessible::installUpdateHandler(Filter);
        return true;
    }();
    (void)installed;
}

void CViewAccessible::ForwardTo(QAccessible::UpdateHandler handler) { g_forwardTo = handler; }

void CViewAccessible::Deliver(QAccessibleEvent* event) { Filter(event); }

void CViewAccessible::AnnounceFocusRow(CReelkeepView& view) {
    // While the document changes the rows have no texts to speak: the row is spoken when the
    // change ends.
    if (!Listened(view) || !view.hasFocus() || view.AccessibleRowCount() == 0 ||
        !view.AccessibleRowText(view.FocusRow())) {
        return;
    }
    SendForRow(view, QAccessible::Focus, view.FocusRow());
}

void CViewAccessible::AnnounceEmptyViewFocus(CReelkeepView& view) {
    if (!Listened(view) || !view.hasFocus() || view.AccessibleRowCount() != 0) return;
    QAccessibleEvent event(&view, QAccessible::Focus);
    Send(&event);
}

void CViewAccessible::AnnounceRowSelection(CReelkeepView& view, std::uint32_t row, bool selected) {
    if (!Listened(view)) return;
    QAccessible::State changed;
    changed.selected = true;
    QAccessibleStateChangeEvent state(&view, changed);
    state.setChild(static_cast<int>(row));
    Send(&state);
    SendForRow(view, selected ? QAccessible::SelectionAdd : QAccessible::SelectionRemove, row);
}

void CViewAccessible::AnnounceSelection(CReelkeepView& view) {
    if (!Listened(view)) return;
    QAccessibleEvent event(&view, QAccessible::SelectionWithin);
    Send(&event);
    // Only the focus row's state is sent: one event, however many rows changed.
    if (view.AccessibleRowCount() == 0) return;
    const std::uint32_t row = view.FocusRow();
    AnnounceRowSelection(view, row, view.Selection().IsSelected(row));
}

void CViewAccessible::AnnounceFocusRowAgain(CReelkeepView& view) {
    // A reader speaks a focus event only for an object it is not on, and ignores a list
    // item's new name: the row is announced as a new object.
    view.AccessibleRows().Release();
    AnnounceFocusRow(view);
}

void CViewAccessible::AnnounceListing(CReelkeepView& view) {
    if (!Listened(view)) return;
    QAccessibleInterface* self = QAccessible::queryAccessibleInterface(&view);
    QAccessibleTableModelChangeEvent reset(self, QAccessibleTableModelChangeEvent::ModelReset);
    Send(&reset);
    QAccessibleEvent name(&view, QAccessible::NameChanged);
    Send(&name);
}

CReelkeepView& CViewAccessible::View() const { return *static_cast<CReelkeepView*>(widget()); }

int CViewAccessible::childCount() const {
    return static_cast<int>(std::min<std::uint32_t>(View().AccessibleRowCount(), INT_MAX));
}

QAccessibleInterface* CViewAccessible::child(int index) const {
    if (index < 0 || index >= childCount()) return nullptr;
    return View().AccessibleRows().Row(static_cast<std::uint32_t>(index));
}

int CViewAccessible::indexOfChild(const QAccessibleInterface* child) const {
    const auto* row = dynamic_cast<const CRowAccessible*>(child);
    return row != nullptr && row->isValid() ? static_cast<int>(row->Row()) : -1;
}

void* CViewAccessible::interface_cast(QAccessible::InterfaceType t) {
    if (t == QAccessible::TableInterface) return static_cast<QAccessibleTableInterface*>(this);
    return QAccessibleWidget::interface_cast(t);
}

QAccessibleInterface* CViewAccessible::cellAt(int row, int column) const {
    return column == 0 ? child(row) : nullptr;
}

QList<QAccessibleInterface*> CViewAccessible::selectedCells() const {
    QList<QAccessibleInterface*> cells;
    for (const int row : selectedRows()) cells.append(child(row));
    return cells;
}

int CViewAccessible::selectedRowCount() const {
    const std::size_t count = View().Selection().CountSelected();
    return static_cast<int>(std::min<std::size_t>(count, static_cast<std::size_t>(childCount())));
}

QList<int> CViewAccessible::selectedRows() const {
    QList<int> rows;
    const CSelectionFlags& selection = View().Selection();
    const int count = childCount();
    for (int row = 0; row < count && rows.size() < qsizetype{CAccessibleRows::kMaxRows}; ++row) {
        if (selection.IsSelected(static_cast<std::size_t>(row))) rows.append(row);
    }
    return rows;
}

bool CViewAccessible::isRowSelected(int row) const {
    return row >= 0 && View().Selection().IsSelected(static_cast<std::size_t>(row));
}

QAccessibleInterface* CViewAccessible::childAt(int x, int y) const {
    CReelkeepView& view = View();
    const std::optional<std::uint32_t> row =
        view.ShownRowAt(view.viewport()->mapFromGlobal(QPoint(x, y)));
    return row ? child(static_cast<int>(*row)) : nullptr;
}

QAccessibleInterface* CViewAccessible::focusChild() const {
    CReelkeepView& view = View();
    if (!view.hasFocus() || view.AccessibleRowCount() == 0) return nullptr;
    return child(static_cast<int>(view.FocusRow()));
}

QString CViewAccessible::text(QAccessible::Text t) const {
    if (t == QAccessible::Name) return CRowTexts::ListName(View().Geometry().mode);
    return QAccessibleWidget::text(t);
}

QAccessible::State CViewAccessible::state() const {
    QAccessible::State s = QAccessibleWidget::state();
    s.multiSelectable = true;
    return s;
}

}  // namespace reelkeep
