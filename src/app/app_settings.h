#pragma once

#include <QColor>
#include <QString>
#include <array>
#include <cstdint>

#include "fields.h"
#include "reelkeep_doc.h"
#include "report_pagination.h"
#include "view_colors.h"

class QPalette;

namespace reelkeep {

class CSettingsStore;
struct ViewColors;
struct ViewDisplayOptions;

// The four screen colours, as stored: 0x00BBGGRR.
struct ScreenColors {
    std::uint32_t data = 0x000000;
    std::uint32_t heading = 0xFF0000;  // pure blue
    std::uint32_t highlightData = 0xFFFFFF;
    std::uint32_t highlightBackground = 0x000000;

    bool operator==(const ScreenColors&) const = default;
};

struct FontSpec {
    QString face = QStringLiteral("MS Sans Serif");
    int sizeTenths = 80;
    int weight = 400;
    bool bold = false;
    bool italic = false;

    bool operator==(const FontSpec&) const = default;
};

// Every "User Data" value other than colours and fonts.
struct OptionValues {
    int loadLast = 0;
    int titlesGrid = 1;
    int titlesPrint = 0;
    int titlesThe = 1;
    int nlViewGrid = 1;
    int nlViewPrint = 3;
    int nlViewSynopsis = 1;
    int nlViewThe = 1;
    int actorGrid = 1;
    int actorPrint = 0;
    std::array<int, kCustomFieldCount> custom{};
    int pageNum = 1;
    int nlViewHeading = 1;
    int tapeText = 0;

    bool operator==(const OptionValues&) const = default;
};

// Which of the two fonts: the screen font's values are "Face Name" …, the label font's "PFace
// Name" ….
enum class FontKind { Screen, Label };

// Reads the four colours and applies the colour rule, then writes them back.
ScreenColors LoadScreenColors(CSettingsStore& store);
void SaveScreenColors(CSettingsStore& store, const ScreenColors& colors);

// Reads a font and applies the font rule, then writes the five values back.
FontSpec LoadFont(CSettingsStore& store, FontKind kind);
void SaveFont(CSettingsStore& store, FontKind kind, const FontSpec& font);
// An empty face, a zero size or a zero weight give the default font, all five values.
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
