#include "view_look.h"

#include <QFontMetrics>
#include <algorithm>

#include "qt_text.h"
#include "record_strings.h"

namespace reelkeep {

namespace {

// The screen font the view starts with, at 10 points; the label font at 8.
constexpr std::string_view kStartingFace = "MS Sans Serif";
constexpr int kStartingScreenSize = 100;
constexpr int kStartingLabelSize = 80;
constexpr int kNormalWeight = 400;

}  // namespace

ViewLook StartingLook(int dpiY) {
    ViewLook look;
    const QString face = ToQt(kStartingFace);
    look.screenFont = MakeViewFont(face, kStartingScreenSize, kNormalWeight, false, dpiY);
    look.labelFont = MakeViewFont(face, kStartingLabelSize, kNormalWeight, false, dpiY);
    for (std::size_t i = 0; i < look.columnTitles.size(); ++i) {
        look.columnTitles[i] = recordtext::Tr(recordtext::kColumnTitles[i]);
    }
    return look;
}

QFont MakeViewFont(const QString& face, int sizeTenths, int weight, bool italic, int dpiY) {
    QFont font(face);
    font.setStyleHint(QFont::SansSerif);
    font.setPixelSize(FontPixelHeight(sizeTenths, dpiY));
    font.setWeight(static_cast<QFont::Weight>(std::clamp(weight, 1, 1000)));
    font.setItalic(italic);
    return font;
}

void UseCustomHeadings(ViewLook& look, const HeadingTexts& headings) {
    for (std::size_t k = 0; k < headings.size(); ++k) {
        look.headings[k] = ToQt(headings[k]);
        look.columnTitles[3 + k] = QLatin1Char(' ') + look.headings[k];
    }
}

void MeasureScreenFont(const QFont& font, ViewMetrics& metrics) {
    const QFontMetrics fm(font);
    metrics.lineHeight = fm.height() + std::max(0, fm.leading()) + 5;
    metrics.avgCharWidth = std::max(1, fm.averageCharWidth());
    metrics.maxCharWidth = std::max(1, fm.maxWidth());
}

void MeasureLabelFont(const QFont& font, ViewMetrics& metrics) {
    const QFontMetrics fm(font);
    metrics.labelLineHeight = std::max(1, fm.height() + std::max(0, fm.leading()));
    metrics.labelCharWidth = std::max(1, fm.averageCharWidth());
}

ViewMetrics MeasureLook(const ViewLook& look, int dpiY) {
    ViewMetrics metrics;
    metrics.dpiY = dpiY;
    MeasureScreenFont(look.screenFont, metrics);
    MeasureLabelFont(look.labelFont, metrics);
    return metrics;
}

}  // namespace reelkeep
