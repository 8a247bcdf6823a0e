#include "row_accessible.h"

#include <QWidget>
#include <QWindow>

#include "reelkeep_view.h"

namespace reelkeep {

CRowAccessible::CRowAccessible(CReelkeepView& view, std::uint32_t row) : view_(&view), row_(row) {}

bool CRowAccessible::isValid() const { return view_ && row_ < view_->AccessibleRowCount(); }

QWindow* CRowAccessible::window() const {
    return view_ ? view_->window()->windowHandle() : nullptr;
}

QAccessibleInterface* CRowAccessible::parent() const {
    return QAccessible::queryAccessibleInterface(view_.data());
}

QString CRowAccessible::text(QAccessible::Text t) const {
    if (!isValid()) return {};
    if (const std::optional<RowText> fresh = view_->AccessibleRowText(row_)) text_ = *fresh;
    switch (t) {
        case QAccessible::Name:
            return CRowTexts::NameWithState(text_.name, view_->Selection().IsSelected(row_));
        case QAccessible::Description:
            return text_.description;
        default:
            return {};
    }
}

QRect CRowAccessible::rect() const {
    if (!isValid()) return {};
    const QWidget* area = view_->viewport();
    const QRect r = view_->RowRect(row_);
    return {area->mapToGlobal(r.topLeft()), r.size()};
}

void* CRowAccessible::interface_cast(QAccessible::InterfaceType t) {
    if (t == QAccessible::TableCellInterface) {
        return static_cast<QAccessibleTableCellInterface*>(this);
    }
    return nullptr;
}

bool CRowAccessible::isSelected() const { return isValid() && view_->Selection().IsSelected(row_); }

QAccessible::State CRowAccessible::state() const {
    QAccessible::State s;
    if (!isValid()) {
        s.invalid = true;
        return s;
    }
    s.selectable = true;
    s.focusable = true;
    s.selected = view_->Selection().IsSelected(row_);
    s.focused = view_->hasFocus() && view_->FocusRow() == row_;
    if (!view_->RowShows(row_)) {
        s.invisible = true;
        s.offscreen = true;
    }
    return s;
}

}  // namespace reelkeep
