#pragma once

#include <QAbstractScrollArea>
#include <QFont>
#include <QPixmap>
#include <QString>
#include <array>
#include <cstdint>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "accessible_rows.h"
#include "command_ids.h"
#include "display_options.h"
#include "reelkeep_doc.h"
#include "row_text.h"
#include "selection.h"
#include "view_colors.h"
#include "view_geometry.h"
#include "view_look.h"

namespace reelkeep {

struct ContextMenuItem {
    CommandId id;
    std::string_view text;
    bool enabled;
};

// The catalogue window: lays out and draws the document's current display mode with its own
// scroll model, and keeps the row selection, which the document asks for through its UI. It
// reads the records on every paint and caches nothing of them. Column changes it asks of the
// document, and the Go To Entry window and the Add Column dialog of the frame, by its signals.
class CReelkeepView : public QAbstractScrollArea {
    Q_OBJECT
public:
    // Tells the document the screen's resolution; after that the view only reads it.
    explicit CReelkeepView(CReelkeepDoc& doc, QWidget* parent = nullptr);

    // The document changed: the "update all views" step.
    void OnUpdate();
    void SetScreenFont(const QString& face, int sizeTenths, int weight, bool italic);
    void SetLabelFont(const QString& face, int sizeTenths, int weight, bool italic);
    void SetDisplayColors(const ViewColors& colors);
    void ApplyDisplayOptions(const ViewDisplayOptions& options);
    void SetCustomHeadings(const HeadingTexts& headings, bool repaint);
    // While the document changes, paints show the picture taken before the change, or at its
    // last update, and read nothing of the document; input waits for the change to end.
    void FreezeDrawing();
    void ThawDrawing();

    // The document replaced or changed the rows: nothing stays selected.
    void ClearSelection();
    void SelectOnly(std::uint32_t row, bool selected);
    // Selects exactly these rows of the listing shown, as Ctrl+clicks would; rows past its end
    // are left out.
    void SelectRows(std::vector<std::uint32_t> rows);

    // View commands: Select/Unselect All, Large Labels, Small Labels, Go to Entry, and the
    // "Fields" menu's Add a New Field and Remove a Field.
    static bool Handles(CommandId id);
    bool IsEnabled(CommandId id) const;
    bool IsChecked(CommandId id) const;
    void Execute(CommandId id);

    // The pop-up menu over the rows, with the state of each item.
    std::vector<ContextMenuItem> RecordMenuItems() const;
    // The "Fields" pop-up over the header line of a list at a client point: remembers the
    // column under the point for Add a New Field and Remove a Field. Empty elsewhere.
    std::vector<ContextMenuItem> FieldsMenuItemsAt(const QPoint& pos);
    // Paints the client area as the window shows it.
    void PaintClient(QPainter& painter);

    const ViewLook& Look() const { return look_; }

    // Answers to goToEntryRequested and addColumnRequested: scrolls to the first row the text
    // typed into Go To Entry leads to; adds column id after the column asked for.
    void GoToTypedText(const QString& typed);
    void AddColumn(std::size_t after, std::uint32_t id);
    const ViewMetrics& Metrics() const { return metrics_; }
    const QFont& ScreenFont() const { return look_.screenFont; }
    const ModeGeometry& Geometry() const { return geometry_; }
    const ScrollModel& Scroll() const { return scroll_; }
    const CSelectionFlags& Selection() const { return selection_; }

    // The keyboard's row: framed while the view has the focus, moved with Ctrl and the arrow
    // keys, chosen with Space; clicks, Find and Go to Entry put it where they lead.
    std::uint32_t FocusRow() const { return focusRow_; }
    // What Enter, Modify, Delete and the pop-up menu work on, as in other lists: the selection
    // when the focus row is in it, else the focus row alone. Flags one per row, as the
    // selection's.
    bool RowsToActOn() const;
    std::vector<std::uint32_t> ActedRowFlags() const;
    // The row under a viewport point, when it is a row of the listing.
    std::optional<std::uint32_t> ShownRowAt(const QPoint& pos) const;
    // A row's area in viewport coordinates, and whether any of it shows below the header.
    QRect RowRect(std::uint32_t row) const;
    bool RowShows(std::uint32_t row) const;

    // What a screen reader reads: the rows (as last laid out while the document changes), a
    // row's texts (none while it changes), and the row interfaces made for it.
    std::uint32_t AccessibleRowCount() const;
    std::optional<RowText> AccessibleRowText(std::uint32_t row) const;
    CAccessibleRows& AccessibleRows() { return accessibleRows_; }

signals:
    void commandRequested(reelkeep::CommandId id);
    void selectionChanged();
    // Changes to the columns of the list shown, for the document to make (RouteColumnEdits);
    // columns count from 1, the key column.
    void columnAddRequested(std::size_t after, std::uint32_t id, int dpiY);
    void columnRemoveRequested(std::size_t column);
    void columnBoundaryMoved(std::size_t slot, int x);
    // Go to Entry, and the "Fields" menu's Add a New Field after column after, for the frame to
    // open its window or dialog.
    void goToEntryRequested();
    void addColumnRequested(std::size_t after);
    // An update came: what Go to Entry was typed for may be gone.
    void documentUpdated();

protected:
    void paintEvent(QPaintEvent* event) override;
    bool viewportEvent(QEvent* event) override;
    void resizeEvent(QResizeEvent* event) override;
    void scrollContentsBy(int dx, int dy) override;
    void mousePressEvent(QMouseEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;
    void mouseDoubleClickEvent(QMouseEvent* event) override;
    void mouseMoveEvent(QMouseEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;
    void contextMenuEvent(QContextMenuEvent* event) override;
    void focusInEvent(QFocusEvent* event) override;
    void focusOutEvent(QFocusEvent* event) override;

private:
    // What the last update showed. Paints in between lay out whatever the document holds, so
    // only this tells an update that the listing is another one.
    struct ShownListing {
        std::uint64_t catalogue = 0;
        DisplayMode mode = DisplayMode::None;
        ViewStyle style = ViewStyle::None;
        std::uint32_t rowCount = 0;
        bool operator==(const ShownListing&) const = default;
    };
    static ShownListing ListingOf(const CReelkeepDoc& doc);

    std::uint32_t CurrentRowCount() const;
    void UpdateLayout();
    void UpdateGrabZones();
    void ApplyScrollBars();
    bool ScrollBarsOutOfDate() const;
    void Relayout();
    // A live paint of the client area, for the frozen view to show.
    QPixmap CurrentPicture();
    void ResetScroll();
    void SetLargeLabels(bool large);

    void OnVerticalAction(int action);
    void OnHorizontalAction(int action);
    void VerticalRequest(ScrollRequest request, int thumb = 0);
    void HorizontalRequest(ScrollRequest request, int thumb = 0);
    void ScrollVertically(int newY);
    void ScrollHorizontally(int newX);

    std::int64_t RowUnder(const QPoint& pos) const;
    // The slot whose boundary grab zone holds pos.
    std::optional<std::size_t> BoundaryAt(const QPoint& pos) const;
    const ColumnLayout* ShownList() const;
    void ShowPopUp(const std::vector<ContextMenuItem>& items, const QPoint& globalPos);
    void RemoveField();
    // The header follows a dragged column boundary; the rows take it when the drag ends.
    void StartBoundaryDrag(std::size_t slot);
    void FollowBoundaryDrag(const QPoint& pos);
    void EndBoundaryDrag();
    QRect DraggedHeaderStrip() const;
    void SelectionEdited();

    // The focus row's keys; false for keys that are not theirs.
    bool FocusKey(const QKeyEvent& event);
    void MoveFocusRow(std::uint32_t row, bool extendSelection);
    // Scrolls as little as shows the focus row whole.
    void ShowFocusRow();
    void JumpTo(int scrollY);
    void ToggleFocusRow();
    void ModifyFromKeyboard();
    void ShowRecordMenuAtFocusRow();
    // The movie shown in a row of a list of movies, and the row a movie is shown in.
    std::optional<std::uint32_t> RecordOfRow(std::uint32_t row) const;
    std::optional<std::uint32_t> RowOfRecord(std::uint32_t record) const;

    const CReelkeepDoc& doc_;
    ViewLook look_;
    ViewMetrics metrics_;
    bool largeLabels_ = true;
    CSelectionFlags selection_;
    ShownListing shown_;
    ModeGeometry geometry_;
    ScrollModel scroll_;
    std::array<QRect, kColumnSlotCount - 1> grabZones_;
    std::size_t fieldsColumn_ = 0;  // under the last right click on the header line
    struct BoundaryDrag {
        std::size_t slot;
        int x;
    };
    std::optional<BoundaryDrag> drag_;
    bool frozen_ = false;
    QPixmap frozenPicture_;
    std::uint32_t focusRow_ = 0;
    // The focus row's movie when the document began to change, for the row to follow it.
    std::optional<std::uint32_t> focusRecord_;
    // An update came while frozen: the reader hears the focus row when the change ends.
    bool announceWhenThawed_ = false;
    CAccessibleRows accessibleRows_{*this};
};

}  // namespace reelkeep
