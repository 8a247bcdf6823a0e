#pragma once

#include <QColor>
#include <QString>

#include "option_values.h"
#include "reelkeep_doc.h"
#include "report_pagination.h"
#include "view_colors.h"

class QPalette;

namespace reelkeep {

class CSettingsStore;
struct ViewColors;
struct ViewDisplayOptions;

// Which of the two fonts: the screen font's values are "Face Name" …, the label font's "PFace
// Name" ….
enum class FontKind { Screen, Label };

// Reads the four colours and applies the colour rule, then writes them back.
ScreenColors LoadScreenColors(CSettingsStore& store);
void SaveScreenColors(CSettingsStore& store, const ScreenColors& colors);

// Reads a font and applies the font rule, then writes the five values back.
FontSpec LoadFont(CSettingsStore& store, FontKind kind);
void SaveFont(CSettingsStore& store, FontKind kind, const FontSpec& font);
// The sizes (tenths of a point) and weights a font may have: 0.1 to 1638 points, QFont's weights.
inline constexpr int kMinFontSizeTenths = 1;
inline constexpr int kMaxFontSizeTenths = 16380;
inline constexpr int kMinFontWeight = 1;
inline constexpr int kMaxFontWeight = 1000;

// An empty face, or a size or weight out of range (zero among them), give the default font, all
// five values. Bold makes a lighter weight 700.
FontSpec ApplyFontRule(const FontSpec& font);

// Reads the option values and writes them back, so every value exists after the first run.
OptionValues LoadOptions(CSettingsStore& store);
void SaveOptions(CSettingsStore& store, const OptionValues& options);

DocumentOptions ToDocumentOptions(const OptionValues& options);
ViewDisplayOptions ToViewDisplayOptions(const OptionValues& options);
ReportPrintOptions ToReportPrintOptions(const OptionValues& options);

// The screen colours with the system colours the view frames and buttons with.
ViewColors ToViewColors(const ScreenColors& colors, const QPalette& system);

}  // namespace reelkeep
