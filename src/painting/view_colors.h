#pragma once

#include <QColor>
#include <cstdint>

namespace reelkeep {

// The nine colours the view draws with; the defaults hold until the window hands over the
// user's colours.
struct ViewColors {
    QColor background{255, 255, 255};
    QColor data{0, 0, 0};
    QColor heading{0, 0, 255};
    QColor face3d{192, 192, 192};
    QColor light3d{235, 235, 235};
    QColor shadow3d{50, 50, 50};
    QColor headerText{0, 0, 0};
    QColor highlightData{255, 255, 255};
    QColor highlightBackground{0, 0, 0};
};

// A stored colour (red in the low byte, then green, then blue) as a QColor.
inline QColor ToQColor(std::uint32_t colorRef) {
    return QColor(static_cast<int>(colorRef & 0xFF), static_cast<int>((colorRef >> 8) & 0xFF),
                  static_cast<int>((colorRef >> 16) & 0xFF));
}

// A QColor as stored, its alpha dropped: the stored colours are solid.
inline std::uint32_t ToColorRef(const QColor& color) {
    return static_cast<std::uint32_t>(color.red()) |
           (static_cast<std::uint32_t>(color.green()) << 8) |
           (static_cast<std::uint32_t>(color.blue()) << 16);
}

}  // namespace reelkeep
