#pragma once

#include <QAccessibleInterface>
#include <QPointer>
#include <cstdint>

#include "row_text.h"

namespace reelkeep {

class CReelkeepView;

// One row of the catalogue as a screen reader sees it: a list item named after its movie (or
// label), described by the fields the screen shows, with its selected, focused and visible
// states. Made on demand for rows a reader asks about; it lives until the listing changes.
class CRowAccessible : public QAccessibleInterface, public QAccessibleTableCellInterface {
public:
    CRowAccessible(CReelkeepView& view, std::uint32_t row);

    std::uint32_t Row() const { return row_; }

    bool isValid() const override;
    QObject* object() const override { return nullptr; }
    QWindow* window() const override;
    QAccessibleInterface* childAt(int, int) const override { return nullptr; }
    QAccessibleInterface* parent() const override;
    QAccessibleInterface* child(int) const override { return nullptr; }
    int childCount() const override { return 0; }
    int indexOfChild(const QAccessibleInterface*) const override { return -1; }
    QString text(QAccessible::Text t) const override;
    void setText(QAccessible::Text, const QString&) override {}
    QRect rect() const override;
    QAccessible::Role role() const override { return QAccessible::ListItem; }
    QAccessible::State state() const override;
    void* interface_cast(QAccessible::InterfaceType t) override;

    // The row's cell of the one-column table.
    bool isSelected() const override;
    int columnExtent() const override { return 1; }
    QList<QAccessibleInterface*> columnHeaderCells() const override { return {}; }
    int columnIndex() const override { return 0; }
    int rowExtent() const override { return 1; }
    QList<QAccessibleInterface*> rowHeaderCells() const override { return {}; }
    int rowIndex() const override { return static_cast<int>(row_); }
    QAccessibleInterface* table() const override { return parent(); }

private:
    QPointer<CReelkeepView> view_;
    std::uint32_t row_;
    // The texts last read, kept for while the document changes and must not be read.
    mutable RowText text_;
};

}  // namespace reelkeep
