#include <QFontMetrics>
#include <algorithm>

#include "page_drawing.h"

namespace reelkeep {

namespace {

// The font at factor times its pixel height; a font sized in points is taken at the screen's
// resolution first, as the view would draw it.
QFont ScaledFont(const QFont& font, int factor, int screenDpiY) {
    const int pixels = font.pixelSize() > 0
                           ? font.pixelSize()
                           : static_cast<int>(font.pointSizeF() * screenDpiY / 72.0);
    QFont scaled(font);
    scaled.setPixelSize(std::max(1, pixels) * factor);
    return scaled;
}

}  // namespace

PrintFonts MakePrintFonts(const PrintStyle& style) {
    PrintFonts fonts;
    fonts.text = ScaledFont(style.screenFont, 4, style.screenDpiY);
    fonts.bold = fonts.text;
    fonts.bold.setWeight(QFont::Bold);
    fonts.label = ScaledFont(style.labelFont, 3, style.screenDpiY);
    return fonts;
}

QFont FitLabelFont(const QFont& font, QPaintDevice& device, bool largeLabels) {
    if (font.pixelSize() <= 0) return font;
    const SheetGeometry& sheet = SheetOf(largeLabels);
    QFont fitted(font);
    // Font heights do not grow in step with pixel sizes, so the sizes are tried one by one.
    for (int pixels = font.pixelSize(); pixels > 1; --pixels) {
        fitted.setPixelSize(pixels);
        const PrintMetrics m = MeasurePrinter(device, fitted, 0, 0);
        if (LabelFontFits(sheet, m.lineHeight, m.charWidth, m.dpiX, m.dpiY)) return fitted;
    }
    fitted.setPixelSize(1);
    return fitted;
}

PrintMetrics MeasurePrinter(QPaintDevice& device, const QFont& measuringFont, int offsetX,
                            int offsetY) {
    const QFontMetrics fm(measuringFont, &device);
    PrintMetrics m;
    m.lineHeight = std::max(1, fm.height() + std::max(0, fm.leading()) + 3);
    m.charWidth = std::max(1, fm.averageCharWidth());
    m.pageHeight = device.height();
    m.linesPerPage = m.pageHeight / m.lineHeight;
    m.right = device.width() - 5;
    m.dpiX = device.logicalDpiX();
    m.dpiY = device.logicalDpiY();
    m.offsetX = offsetX;
    m.offsetY = offsetY;
    return m;
}

}  // namespace reelkeep
