#pragma once

#include <QColor>
#include <QFont>
#include <cstdint>
#include <optional>

#include "option_values.h"

class QWidget;

namespace reelkeep {

// The point sizes a font picker accepts.
struct FontSizeLimit {
    int minPoints;
    int maxPoints;
};
inline constexpr FontSizeLimit kScreenFontSizes{6, 12};
inline constexpr FontSizeLimit kLabelFontSizes{6, 14};

// The platform's font and colour pickers and the help window, as the option dialogs open them.
// Behind an interface so that tests answer them without a real modal box.
class IOptionPickers {
public:
    virtual ~IOptionPickers() = default;

    // Each returns nullopt when the user cancelled.
    virtual std::optional<QFont> AskFont(QWidget* parent, const QFont& initial,
                                         FontSizeLimit sizes) = 0;
    virtual std::optional<QColor> AskColor(QWidget* parent, const QColor& initial) = 0;
    // The help file's topic with this context number.
    virtual void ShowHelp(QWidget* parent, int context) = 0;
};

// Asks for a font starting at font; the choice as the settings keep it, bold exactly at weight
// 700.
std::optional<FontSpec> ChooseFont(IOptionPickers& pickers, QWidget* parent, const FontSpec& font,
                                   FontSizeLimit sizes);
// Asks for a colour; both as stored (0x00BBGGRR).
std::optional<std::uint32_t> ChooseColor(IOptionPickers& pickers, QWidget* parent,
                                         std::uint32_t color);

}  // namespace reelkeep
