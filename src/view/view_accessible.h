#pragma once

#include <QAccessibleWidget>
#include <cstdint>

namespace reelkeep {

class CReelkeepView;

// The catalogue view as a screen reader sees it: a list named after the display mode, whose
// items are the rows shown (made only when asked for), and the events that tell the reader
// what changed. Nothing is sent while no reader listens.
class CViewAccessible : public QAccessibleWidget {
public:
    explicit CViewAccessible(CReelkeepView* view);

    // Makes the accessibility framework build this for every catalogue view.
    static void Install();

    // The focus row moved (or the view got the focus): the reader speaks the row.
    static void AnnounceFocusRow(CReelkeepView& view);
    // One row was selected or unselected, or any other change to the selection.
    static void AnnounceRowSelection(CReelkeepView& view, std::uint32_t row, bool selected);
    static void AnnounceSelection(CReelkeepView& view);
    // Another listing, sort, filter or mode: every row may be another one.
    static void AnnounceListing(CReelkeepView& view);

    int childCount() const override;
    QAccessibleInterface* child(int index) const override;
    int indexOfChild(const QAccessibleInterface* child) const override;
    QAccessibleInterface* childAt(int x, int y) const override;
    QAccessibleInterface* focusChild() const override;
    QString text(QAccessible::Text t) const override;
    QAccessible::State state() const override;

private:
    CReelkeepView& View() const;
};

}  // namespace reelkeep
