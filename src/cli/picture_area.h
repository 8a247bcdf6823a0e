#pragma once

#include <QAbstractScrollArea>
#include <QImage>
#include <QSize>

#include "reelkeep_doc.h"
#include "selection.h"
#include "view_geometry.h"
#include "view_look.h"

namespace reelkeep::cli {

// A scroll area that shows the catalogue as the window's view does, scroll bars and all, at the
// top of the list with nothing selected, for pictures of the window. It takes no input.
class CPictureArea : public QAbstractScrollArea {
public:
    // Tells the document the screen's resolution, as the window's view does; make it before
    // loading, so the file's column layouts win over the start-up positions.
    CPictureArea(CReelkeepDoc& doc, QSize size);

    // Draws with look from now on; largeLabels is the size Label Format shows.
    void SetLook(const ViewLook& look, bool largeLabels);
    // The whole area as it would appear, scroll bars included.
    QImage Picture();

protected:
    void paintEvent(QPaintEvent* event) override;
    void resizeEvent(QResizeEvent* event) override;
    // The picture is always taken at the top of the list.
    void scrollContentsBy(int, int) override {}

private:
    void LayOut();

    const CReelkeepDoc& doc_;
    ViewLook look_;
    ViewMetrics metrics_;
    bool largeLabels_ = true;
    ModeGeometry geometry_;
    ScrollModel scroll_;
    CSelectionFlags noSelection_;
};

}  // namespace reelkeep::cli
