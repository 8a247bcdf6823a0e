#pragma once

#include <QImage>
#include <QSize>
#include <memory>

#include "reelkeep_doc.h"

namespace reelkeep {

class CReelkeepView;

// A catalogue view that is never shown on a screen, for drawing the catalogue into images. Make
// it before loading the catalogue, as the window does, so the file's column layouts win over
// the view's start-up positions.
class ViewRenderer {
public:
    ViewRenderer(CReelkeepDoc& doc, QSize size);
    ~ViewRenderer();
    ViewRenderer(const ViewRenderer&) = delete;
    ViewRenderer& operator=(const ViewRenderer&) = delete;

    CReelkeepView& View() { return *view_; }
    // The whole window as it would appear, scroll bars included.
    QImage Render();

private:
    CReelkeepDoc& doc_;
    std::unique_ptr<CReelkeepView> view_;
};

}  // namespace reelkeep
