#include "picture_area.h"

#include <QCoreApplication>
#include <QPainter>
#include <QScrollBar>

#include "client_area.h"

namespace reelkeep::cli {

CPictureArea::CPictureArea(CReelkeepDoc& doc, QSize size) : doc_(doc) {
    setFrameShape(QFrame::NoFrame);
    viewport()->setAutoFillBackground(false);
    setAttribute(Qt::WA_DontShowOnScreen);
    doc.UseScreenResolution(logicalDpiY());
    look_ = StartingLook(logicalDpiY());
    metrics_ = MeasureLook(look_, logicalDpiY());
    resize(size);
    show();
}

void CPictureArea::SetLook(const ViewLook& look, bool largeLabels) {
    look_ = look;
    metrics_ = MeasureLook(look_, logicalDpiY());
    largeLabels_ = largeLabels;
    LayOut();
    viewport()->update();
}

QImage CPictureArea::Picture() {
    // Scroll bars are shown or hidden through posted events; let the layout settle first.
    QCoreApplication::sendPostedEvents();
    QCoreApplication::processEvents();
    return grab().toImage();
}

void CPictureArea::paintEvent(QPaintEvent*) {
    QPainter painter(viewport());
    PaintClientArea(painter, doc_.Display(),
                    {look_, metrics_, geometry_, scroll_, noSelection_,
                     ShownColumnLayout(doc_.Display()), viewport()->size()});
}

// Called for the viewport's resizes too, as the scroll bars come and go.
void CPictureArea::resizeEvent(QResizeEvent* event) {
    QAbstractScrollArea::resizeEvent(event);
    LayOut();
}

void CPictureArea::LayOut() {
    geometry_ =
        ShownGeometry(doc_.Display(), metrics_, look_.options, largeLabels_, viewport()->height());
    scroll_ = FitScroll(geometry_, viewport()->width(), 0, 0);
    ApplyBarSetting(*verticalScrollBar(), VerticalBarSetting(geometry_, scroll_));
    ApplyBarSetting(*horizontalScrollBar(), HorizontalBarSetting(scroll_, metrics_));
}

}  // namespace reelkeep::cli
