#pragma once

#include <QString>
#include <array>
#include <cstdint>

#include "display_options.h"
#include "fields.h"

namespace reelkeep {

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

// What the Options sheet edits: working copies of the settings it shows.
struct OptionsSheetValues {
    OptionValues options;
    ScreenColors colors;
    FontSpec screenFont;
    LabelColorChoice printerColor = LabelColorChoice::BlackOnly;
};

}  // namespace reelkeep
