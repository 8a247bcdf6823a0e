#include "app_settings.h"

#include <QPalette>

#include "display_options.h"
#include "settings_store.h"
#include "view_colors.h"

namespace reelkeep {

namespace {

constexpr const char* kUser = kSectionUserData;
constexpr int kAbsentColor = -1;
constexpr std::uint32_t kColorMask = 0xFFFFFF;
constexpr int kBoldWeight = 700;

struct FontValueNames {
    const char* face;
    const char* size;
    const char* weight;
    const char* bold;
    const char* italic;
};

constexpr FontValueNames kScreenFontNames{"Face Name", "Font Size", "Font Weight", "Bold",
                                          "Italic"};
constexpr FontValueNames kLabelFontNames{"PFace Name", "PFont Size", "PFont Weight", "PBold",
                                         "PItalic"};

const FontValueNames& NamesOf(FontKind kind) {
    return kind == FontKind::Screen ? kScreenFontNames : kLabelFontNames;
}

constexpr std::array<const char*, kCustomFieldCount> kCustomNames = {"Custom 1", "Custom 2",
                                                                     "Custom 3", "Custom 4"};

// One option value: its name and where it lives in OptionValues.
struct OptionEntry {
    const char* name;
    int OptionValues::*member;
};

constexpr std::array<OptionEntry, 13> kOptionEntries = {{
    {"LoadLast", &OptionValues::loadLast},
    {"TitlesGrid", &OptionValues::titlesGrid},
    {"TitlesPrint", &OptionValues::titlesPrint},
    {"TitlesThe", &OptionValues::titlesThe},
    {"NlViewGrid", &OptionValues::nlViewGrid},
    {"NlViewPrint", &OptionValues::nlViewPrint},
    {"NlViewSynopsis", &OptionValues::nlViewSynopsis},
    {"NlViewThe", &OptionValues::nlViewThe},
    {"ActorGrid", &OptionValues::actorGrid},
    {"ActorPrint", &OptionValues::actorPrint},
    {"PageNum", &OptionValues::pageNum},
    {"NlViewHeading", &OptionValues::nlViewHeading},
    {"TapeText", &OptionValues::tapeText},
}};

std::uint32_t ReadColor(const CSettingsStore& store, const char* name, std::uint32_t fallback) {
    const int value = store.ReadInt(kUser, name, kAbsentColor);
    // Only the colour's three bytes count; a hand-edited value with more is cut to them.
    return value == kAbsentColor ? fallback : static_cast<std::uint32_t>(value) & kColorMask;
}

}  // namespace

ScreenColors ReadScreenColors(const CSettingsStore& store) {
    const ScreenColors defaults;
    ScreenColors colors = defaults;
    if (store.ReadInt(kUser, "DataColor", kAbsentColor) != kAbsentColor) {
        colors.data = ReadColor(store, "DataColor", defaults.data);
        // An absent one of the other three would be no colour at all; it keeps its default.
        colors.heading = ReadColor(store, "HeadingColor", defaults.heading);
        colors.highlightData = ReadColor(store, "HDataColor", defaults.highlightData);
        colors.highlightBackground = ReadColor(store, "HBkColor", defaults.highlightBackground);
    }
    return colors;
}

ScreenColors LoadScreenColors(CSettingsStore& store) {
    ScreenColors colors = ReadScreenColors(store);
    SaveScreenColors(store, colors);
    return colors;
}

void SaveScreenColors(CSettingsStore& store, const ScreenColors& colors) {
    store.WriteInt(kUser, "DataColor", static_cast<int>(colors.data));
    store.WriteInt(kUser, "HeadingColor", static_cast<int>(colors.heading));
    store.WriteInt(kUser, "HDataColor", static_cast<int>(colors.highlightData));
    store.WriteInt(kUser, "HBkColor", static_cast<int>(colors.highlightBackground));
}

FontSpec ApplyFontRule(const FontSpec& font) {
    // A size past the range would also overflow the pixel height the view computes from it.
    if (font.face.isEmpty() || font.sizeTenths < kMinFontSizeTenths ||
        font.sizeTenths > kMaxFontSizeTenths || font.weight < kMinFontWeight ||
        font.weight > kMaxFontWeight) {
        return FontSpec{};
    }
    // "Bold" is kept beside the weight; a store that says bold over a lighter weight means bold.
    FontSpec kept = font;
    if (kept.bold && kept.weight < kBoldWeight) kept.weight = kBoldWeight;
    kept.bold = kept.bold || kept.weight == kBoldWeight;
    return kept;
}

FontSpec ReadFont(const CSettingsStore& store, FontKind kind) {
    const FontValueNames& names = NamesOf(kind);
    FontSpec font;
    font.face = store.ReadText(kUser, names.face, QString());
    font.sizeTenths = store.ReadInt(kUser, names.size, 80);
    font.weight = store.ReadInt(kUser, names.weight, 400);
    font.bold = store.ReadInt(kUser, names.bold, 0) != 0;
    font.italic = store.ReadInt(kUser, names.italic, 0) != 0;
    return ApplyFontRule(font);
}

FontSpec LoadFont(CSettingsStore& store, FontKind kind) {
    FontSpec font = ReadFont(store, kind);
    SaveFont(store, kind, font);
    return font;
}

void SaveFont(CSettingsStore& store, FontKind kind, const FontSpec& font) {
    const FontValueNames& names = NamesOf(kind);
    store.WriteText(kUser, names.face, font.face);
    store.WriteInt(kUser, names.size, font.sizeTenths);
    store.WriteInt(kUser, names.weight, font.weight);
    store.WriteInt(kUser, names.bold, font.bold ? 1 : 0);
    store.WriteInt(kUser, names.italic, font.italic ? 1 : 0);
}

OptionValues ReadOptions(const CSettingsStore& store) {
    OptionValues options;
    for (const OptionEntry& entry : kOptionEntries) {
        options.*entry.member = store.ReadInt(kUser, entry.name, options.*entry.member);
    }
    for (std::size_t k = 0; k < kCustomNames.size(); ++k) {
        options.custom[k] = store.ReadInt(kUser, kCustomNames[k], 0);
    }
    return options;
}

OptionValues LoadOptions(CSettingsStore& store) {
    OptionValues options = ReadOptions(store);
    SaveOptions(store, options);
    return options;
}

void SaveOptions(CSettingsStore& store, const OptionValues& options) {
    for (const OptionEntry& entry : kOptionEntries) {
        store.WriteInt(kUser, entry.name, options.*entry.member);
    }
    for (std::size_t k = 0; k < kCustomNames.size(); ++k) {
        store.WriteInt(kUser, kCustomNames[k], options.custom[k]);
    }
}

DocumentOptions ToDocumentOptions(const OptionValues& options) {
    DocumentOptions doc;
    doc.ignoreTheOneLine = options.titlesThe != 0;
    doc.ignoreTheNormal = options.nlViewThe != 0;
    doc.tapeText = options.tapeText != 0;
    doc.showSynopsis = options.nlViewSynopsis != 0;
    for (std::size_t k = 0; k < kCustomFieldCount; ++k) doc.showCustom[k] = options.custom[k] != 0;
    return doc;
}

ViewDisplayOptions ToViewDisplayOptions(const OptionValues& options) {
    ViewDisplayOptions view;
    view.showGrid = options.nlViewGrid == 0;
    view.showBox = options.nlViewGrid == 1;
    for (std::size_t k = 0; k < kCustomFieldCount; ++k) view.showCustom[k] = options.custom[k] != 0;
    view.showSynopsis = options.nlViewSynopsis != 0;
    view.oneLineGrid = options.titlesGrid != 0;
    view.actorGrid = options.actorGrid != 0;
    return view;
}

namespace {

// A stored choice outside its range reads as the first choice.
PageBreaks BreaksOf(int value) {
    return value == 1 || value == 2 ? static_cast<PageBreaks>(value) : PageBreaks::None;
}

}  // namespace

ReportPrintOptions ToReportPrintOptions(const OptionValues& options) {
    ReportPrintOptions print;
    print.normal = options.nlViewPrint >= 0 && options.nlViewPrint <= 3
                       ? static_cast<NormalPrint>(options.nlViewPrint)
                       : NormalPrint::OneRecordPerPage;
    print.oneLine = BreaksOf(options.titlesPrint);
    print.actors = BreaksOf(options.actorPrint);
    print.heading = options.nlViewHeading != 0;
    print.pageNumbers = options.pageNum != 0;
    print.ignoreTheNormal = options.nlViewThe != 0;
    print.ignoreTheOneLine = options.titlesThe != 0;
    return print;
}

ViewColors ToViewColors(const ScreenColors& colors, const QPalette& system) {
    ViewColors view;
    view.background = system.color(QPalette::Active, QPalette::Base);
    view.face3d = system.color(QPalette::Active, QPalette::Button);
    view.light3d = system.color(QPalette::Active, QPalette::Light);
    view.shadow3d = system.color(QPalette::Active, QPalette::Dark);
    view.headerText = system.color(QPalette::Active, QPalette::ButtonText);
    view.data = ToQColor(colors.data);
    view.heading = ToQColor(colors.heading);
    view.highlightData = ToQColor(colors.highlightData);
    view.highlightBackground = ToQColor(colors.highlightBackground);
    return view;
}

}  // namespace reelkeep
