// The application's settings commands: the Options sheet, the label font and the label colours.
#include "dialogs.h"
#include "reelkeep_doc.h"
#include "reelkeep_view.h"
#include "settings_store.h"
#include "shell_dialogs.h"
#include "user_settings.h"

namespace reelkeep {

bool CUserSettings::Handles(CommandId id) {
    switch (id) {
        case CommandId::Options:
        case CommandId::LabelFont:
        case CommandId::LabelDataColors:
        case CommandId::LabelHeadingColor:
            return true;
        default:
            return false;
    }
}

bool CUserSettings::IsEnabled(CommandId id) const {
    switch (id) {
        case CommandId::LabelDataColors:
        case CommandId::LabelHeadingColor:
            // The document knows the printer and whether a catalogue is open; an empty one has
            // no label to colour.
            return doc_.IsEnabled(id) && doc_.Catalogue().Count() > 0;
        default:
            return Handles(id);
    }
}

void CUserSettings::Execute(CommandId id) {
    switch (id) {
        case CommandId::Options:
            return OptionsCommand();
        case CommandId::LabelFont:
            return LabelFontCommand();
        case CommandId::LabelDataColors:
            return LabelDataColorsCommand();
        case CommandId::LabelHeadingColor:
            return LabelHeadingColorCommand();
        default:
            return;
    }
}

void CUserSettings::OptionsCommand() {
    OptionsSheetValues values = SheetValues();
    if (RunOptionsSheet(window_, values, dialogs_)) ApplySheet(values);
}

void CUserSettings::LabelFontCommand() {
    const std::optional<FontSpec> chosen =
        ChooseFont(dialogs_, window_, labelFont_, kLabelFontSizes);
    if (!chosen) return;
    const FontSpec font = ApplyFontRule(*chosen);
    SaveFont(store_, FontKind::Label, font);
    store_.Sync();
    UseLabelFont(font);
}

void CUserSettings::LabelDataColorsCommand() {
    const std::vector<std::string>& types =
        doc_.Catalogue().Lookup(LookupKind::MovieTypes).Entries();
    std::vector<std::uint32_t> colors = doc_.Display().DataColors();
    // The lists are kept in step after every change of the records; should they not be, the
    // types without a colour start black rather than read past the list.
    if (colors.size() < types.size()) colors.resize(types.size(), 0);
    if (!RunLabelColorDialog(window_, types, colors, dialogs_)) return;
    doc_.SetLabelColors(std::move(colors), doc_.Display().HeadingColors());
    LabelColorsChanged();
}

void CUserSettings::LabelHeadingColorCommand() {
    std::vector<std::uint32_t> headings = doc_.Display().HeadingColors();
    const std::optional<std::uint32_t> color =
        ChooseColor(dialogs_, window_, headings.empty() ? 0 : headings.front());
    if (!color) return;
    // A catalogue whose movies all lack a movie type has no heading colour yet.
    if (headings.empty()) headings.push_back(0);
    headings.front() = *color;
    doc_.SetLabelColors(doc_.Display().DataColors(), std::move(headings));
    LabelColorsChanged();
}

void CUserSettings::LabelColorsChanged() { view_.viewport()->update(); }

}  // namespace reelkeep
