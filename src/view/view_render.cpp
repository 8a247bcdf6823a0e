#include "view_render.h"

#include <QCoreApplication>

#include "reelkeep_view.h"

namespace reelkeep {

ViewRenderer::ViewRenderer(CReelkeepDoc& doc, QSize size)
    : doc_(doc), view_(std::make_unique<CReelkeepView>(doc)) {
    view_->setAttribute(Qt::WA_DontShowOnScreen);
    view_->resize(size);
    view_->show();
}

ViewRenderer::~ViewRenderer() = default;

QImage ViewRenderer::Render() {
    // The headings reach a window through the document's UI; here they are taken directly.
    view_->SetCustomHeadings(doc_.CustomHeadings(), false);
    // Scroll bars are shown or hidden through posted events; let the layout settle first.
    QCoreApplication::sendPostedEvents();
    QCoreApplication::processEvents();
    return view_->grab().toImage();
}

}  // namespace reelkeep
