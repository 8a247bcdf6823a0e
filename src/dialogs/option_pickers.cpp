#include "option_pickers.h"

#include <QFontInfo>
#include <algorithm>

#include "view_colors.h"

namespace reelkeep {

namespace {

constexpr int kBoldWeight = 700;
// The weights a QFont takes.
constexpr int kLightestWeight = 1;
constexpr int kHeaviestWeight = 1000;

// The picker starts at the stored point size, so that OK without a change keeps the size
// whatever the screen's resolution.
QFont PickerFont(const FontSpec& stored) {
    QFont font(stored.face);
    font.setPointSizeF(stored.sizeTenths / 10.0);
    font.setWeight(
        static_cast<QFont::Weight>(std::clamp(stored.weight, kLightestWeight, kHeaviestWeight)));
    font.setItalic(stored.italic);
    return font;
}

FontSpec StoredFont(const QFont& font) {
    // A font sized in pixels has no point size of its own; the size it shows at counts.
    const qreal points = font.pointSizeF() > 0 ? font.pointSizeF() : QFontInfo(font).pointSizeF();
    FontSpec stored;
    stored.face = font.family();
    stored.sizeTenths = qRound(points * 10);
    stored.weight = font.weight();
    stored.bold = stored.weight == kBoldWeight;
    stored.italic = font.italic();
    return stored;
}

}  // namespace

std::optional<FontSpec> ChooseFont(IOptionPickers& pickers, QWidget* parent, const FontSpec& font,
                                   FontSizeLimit sizes) {
    const std::optional<QFont> chosen = pickers.AskFont(parent, PickerFont(font), sizes);
    if (!chosen) return std::nullopt;
    return StoredFont(*chosen);
}

std::optional<std::uint32_t> ChooseColor(IOptionPickers& pickers, QWidget* parent,
                                         std::uint32_t color) {
    const std::optional<QColor> chosen = pickers.AskColor(parent, ToQColor(color));
    if (!chosen) return std::nullopt;
    return ToColorRef(*chosen);
}

}  // namespace reelkeep
