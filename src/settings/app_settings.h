#pragma once

#include <QColor>
#include <QString>

#include "document_options.h"
#include "option_values.h"
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

// Each Read… reads values with their rule and leaves the store as it was; each Load… reads them
// the same way and writes them back, as start-up does.

// The four colours, with the colour rule.
ScreenColors ReadScreenColors(const CSettingsStore& store);
ScreenColors LoadScreenColors(CSettingsStore& store);
void SaveScreenColors(CSettingsStore& store, const ScreenColors& colors);

// A font's five values, with the font rule.
FontSpec ReadFont(const CSettingsStore& store, FontKind kind);
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

// The option values; written back at start-up so every value exists after the first run.
OptionValues ReadOptions(const CSettingsStore& store);
OptionValues LoadOptions(CSettingsStore& store);
void SaveOptions(CSettingsStore& store, const OptionValues& options);

DocumentOptions ToDocumentOptions(const OptionValues& options);
ViewDisplayOptions ToViewDisplayOptions(const OptionValues& options);
ReportPrintOptions ToReportPrintOptions(const OptionValues& options);

// The screen colours with the system colours the view frames and buttons with.
ViewColors ToViewColors(const ScreenColors& colors, const QPalette& system);

}  // namespace reelkeep
