#pragma once

#include <QColor>
#include <QFont>
#include <QLineF>
#include <QPaintDevice>
#include <QPaintEngine>
#include <QPainter>
#include <QPainterPath>
#include <QPixmap>
#include <QPointF>
#include <QRectF>
#include <QSize>
#include <QString>
#include <QTextItem>
#include <utility>
#include <vector>

namespace reelkeep::pagetest {

// What a page drew: each text with its baseline start, colour and clip (empty when unclipped),
// each line and each fill.
struct DrawnText {
    QString text;
    QPointF baseline;
    QColor color;
    QRectF clip;
};
struct DrawnLine {
    QLineF line;
};
struct DrawnFill {
    QRectF rect;
    QColor color;
};
struct PageRecording {
    std::vector<DrawnText> texts;
    std::vector<DrawnLine> lines;
    std::vector<DrawnFill> fills;
};

// Keeps the painter's calls instead of drawing them, so a test reads what a page holds.
class RecordingEngine : public QPaintEngine {
public:
    RecordingEngine() : QPaintEngine(QPaintEngine::AllFeatures) {}
    PageRecording recording;

    bool begin(QPaintDevice*) override { return true; }
    bool end() override { return true; }
    Type type() const override { return QPaintEngine::User; }
    void updateState(const QPaintEngineState& changed) override {
        if (changed.state() & QPaintEngine::DirtyPen) pen_ = changed.pen().color();
        if (changed.state() & QPaintEngine::DirtyBrush) brush_ = changed.brush().color();
    }
    void drawTextItem(const QPointF& p, const QTextItem& item) override {
        const QPainter* drawing = painter();
        const bool clipped = drawing != nullptr && drawing->hasClipping();
        recording.texts.push_back(
            {item.text(), p, pen_, clipped ? drawing->clipBoundingRect() : QRectF()});
    }
    void drawLines(const QLineF* lines, int count) override {
        for (int i = 0; i < count; ++i) recording.lines.push_back({lines[i]});
    }
    void drawRects(const QRectF* rects, int count) override {
        for (int i = 0; i < count; ++i) recording.fills.push_back({rects[i], brush_});
    }
    void drawPolygon(const QPointF*, int, PolygonDrawMode) override {}
    void drawPath(const QPainterPath&) override {}
    void drawPixmap(const QRectF&, const QPixmap&, const QRectF&) override {}

private:
    QColor pen_;
    QColor brush_;
};

// A page of a printer with the given size and resolution that records what is drawn on it.
class PageRecorder : public QPaintDevice {
public:
    PageRecorder(QSize size, int dpi) : size_(size), dpi_(dpi) {}
    QPaintEngine* paintEngine() const override { return &engine_; }
    PageRecording Take() { return std::exchange(engine_.recording, {}); }

protected:
    int metric(PaintDeviceMetric m) const override {
        switch (m) {
            case PdmWidth:
                return size_.width();
            case PdmHeight:
                return size_.height();
            case PdmWidthMM:
                return size_.width() * 254 / (10 * dpi_);
            case PdmHeightMM:
                return size_.height() * 254 / (10 * dpi_);
            case PdmDpiX:
            case PdmDpiY:
            case PdmPhysicalDpiX:
            case PdmPhysicalDpiY:
                return dpi_;
            case PdmDevicePixelRatioScaled:
                return static_cast<int>(devicePixelRatioFScale());
            case PdmNumColors:
                return 2;
            case PdmDepth:
                return 32;
            default:
                return 1;
        }
    }

private:
    QSize size_;
    int dpi_;
    mutable RecordingEngine engine_;
};

}  // namespace reelkeep::pagetest
