#include "user_settings.h"

#include "app_strings.h"
#include "reelkeep_doc.h"
#include "reelkeep_view.h"
#include "settings_store.h"
#include "shell_dialogs.h"

namespace reelkeep {

namespace {
// Fewer colours than this is a printer that prints black only.
constexpr int kColorPrinterColors = 3;
}  // namespace

CUserSettings::CUserSettings(CReelkeepDoc& doc, CReelkeepView& view, CSettingsStore& store,
                             IShellDialogs& dialogs, QWidget* window)
    : doc_(doc), view_(view), store_(store), dialogs_(dialogs), window_(window) {}

void CUserSettings::LoadAndApply() {
    UseScreenColors(LoadScreenColors(store_));
    UseOptions(LoadOptions(store_));
    UseScreenFont(LoadFont(store_, FontKind::Screen));
    UseLabelFont(LoadFont(store_, FontKind::Label));
}

OptionsSheetValues CUserSettings::SheetValues() const {
    return {options_, colors_, screenFont_, printerColor_};
}

void CUserSettings::ApplySheet(const OptionsSheetValues& values) {
    SaveScreenColors(store_, values.colors);
    UseScreenColors(values.colors);

    const FontSpec font = ApplyFontRule(values.screenFont);
    SaveFont(store_, FontKind::Screen, font);
    // A new font lays the view out again from the top; the same font leaves it where it is.
    if (font != screenFont_) UseScreenFont(font);

    printerColor_ = PrintableColor(values.printerColor);
    SaveOptions(store_, values.options);
    UseOptions(values.options);
    store_.Sync();
}

LabelColorChoice CUserSettings::PrintableColor(LabelColorChoice chosen) {
    if (doc_.PrinterColorCount() >= kColorPrinterColors) return chosen;
    if (chosen != LabelColorChoice::BlackOnly) {
        dialogs_.ShowMessage(window_, appstr::Tr(appstr::kNoColorPrinter), MessageButtons::Ok,
                             MessageIcon::Warning);
    }
    return LabelColorChoice::BlackOnly;
}

void CUserSettings::UseScreenColors(const ScreenColors& colors) {
    colors_ = colors;
    view_.SetDisplayColors(ToViewColors(colors_, window_->palette()));
}

void CUserSettings::UseScreenFont(const FontSpec& font) {
    screenFont_ = font;
    view_.SetScreenFont(font.face, font.sizeTenths, font.weight, font.italic);
}

void CUserSettings::UseLabelFont(const FontSpec& font) {
    labelFont_ = font;
    view_.SetLabelFont(font.face, font.sizeTenths, font.weight, font.italic);
}

void CUserSettings::UseOptions(const OptionValues& options) {
    options_ = options;
    doc_.OptionsChanged(ToDocumentOptions(options_));
    ViewDisplayOptions display = ToViewDisplayOptions(options_);
    display.labelColors = printerColor_;
    view_.ApplyDisplayOptions(display);
}

}  // namespace reelkeep
