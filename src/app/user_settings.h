#pragma once

#include "app_settings.h"
#include "command_ids.h"
#include "display_options.h"
#include "option_values.h"

class QWidget;

namespace reelkeep {

class CReelkeepDoc;
class CReelkeepView;
class CSettingsStore;
class IShellDialogs;

// The settings in force, and the commands that change them: Options, the label font and the
// label colours. A setting that changes is written to the store and handed to the document
// and the view. The printer colour is kept for the run only; every run starts with black.
class CUserSettings {
public:
    CUserSettings(CReelkeepDoc& doc, CReelkeepView& view, CSettingsStore& store,
                  IShellDialogs& dialogs, QWidget* window);

    // Start-up: reads the store with its rules, writes every value back and hands them on.
    void LoadAndApply();

    const ScreenColors& Colors() const { return colors_; }
    const FontSpec& ScreenFont() const { return screenFont_; }
    const FontSpec& LabelFont() const { return labelFont_; }
    const OptionValues& Options() const { return options_; }
    // What the Options sheet starts from.
    OptionsSheetValues SheetValues() const;
    // The steps of the Options sheet's OK, in their order.
    void ApplySheet(const OptionsSheetValues& values);

    static bool Handles(CommandId id);
    bool IsEnabled(CommandId id) const;
    void Execute(CommandId id);

private:
    void OptionsCommand();
    void LabelFontCommand();
    void LabelDataColorsCommand();
    void LabelHeadingColorCommand();
    void LabelColorsChanged();

    // Each hands a value to the document and the view; the caller has stored it.
    void UseScreenColors(const ScreenColors& colors);
    void UseScreenFont(const FontSpec& font);
    void UseLabelFont(const FontSpec& font);
    void UseOptions(const OptionValues& options);
    // Black only when the printer cannot print colours, after telling the user who chose more.
    LabelColorChoice PrintableColor(LabelColorChoice chosen);

    CReelkeepDoc& doc_;
    CReelkeepView& view_;
    CSettingsStore& store_;
    IShellDialogs& dialogs_;
    QWidget* window_;
    ScreenColors colors_;
    FontSpec screenFont_;
    FontSpec labelFont_;
    OptionValues options_;
    LabelColorChoice printerColor_ = LabelColorChoice::BlackOnly;
};

}  // namespace reelkeep
