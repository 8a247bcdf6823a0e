#include "command_table.h"

#include <QtGlobal>
#include <array>
#include <string>

namespace reelkeep {

namespace {

using C = CommandId;

// clang-format off
constexpr std::array kCommands = {
    CommandInfo{C::FileNew, QT_TRANSLATE_NOOP("Commands", "&New\tCtrl+N"),
                QT_TRANSLATE_NOOP("Commands", "Create a new catalogue"),
                "", "new.xpm", "document-new"},
    CommandInfo{C::FileOpen, QT_TRANSLATE_NOOP("Commands", "&Open...\tCtrl+O"),
                QT_TRANSLATE_NOOP("Commands", "Open an existing catalogue"),
                "", "open.xpm", "document-open"},
    CommandInfo{C::FileSave, QT_TRANSLATE_NOOP("Commands", "&Save\tCtrl+S"),
                QT_TRANSLATE_NOOP("Commands", "Save the catalogue"),
                "", "save.xpm", "document-save"},
    CommandInfo{C::FileSaveAs, QT_TRANSLATE_NOOP("Commands", "Save &As..."),
                QT_TRANSLATE_NOOP("Commands", "Save the catalogue under a new name"),
                "", "", ""},
    CommandInfo{C::FilePrint, QT_TRANSLATE_NOOP("Commands", "&Print...\tCtrl+P"),
                QT_TRANSLATE_NOOP("Commands", "Print the catalogue"),
                "", "print.xpm", "document-print"},
    CommandInfo{C::FilePrintPreview, QT_TRANSLATE_NOOP("Commands", "Print Pre&view"),
                QT_TRANSLATE_NOOP("Commands", "Show the printed pages on the screen"),
                "", "", ""},
    CommandInfo{C::FilePrintSetup, QT_TRANSLATE_NOOP("Commands", "P&rint Setup..."),
                QT_TRANSLATE_NOOP("Commands", "Change the printer and printing options"),
                "", "", ""},
    CommandInfo{C::ExportCsv, QT_TRANSLATE_NOOP("Commands", "&Comma Separated Volume (csv)"),
                QT_TRANSLATE_NOOP("Commands", "Exports to the file to a different format"),
                QT_TRANSLATE_NOOP("Commands", "Export the file to a different format"), "", ""},
    CommandInfo{C::ExportText, QT_TRANSLATE_NOOP("Commands", "&Doc File (doc)"),
                QT_TRANSLATE_NOOP("Commands", "Exports the file as a plain text listing"),
                "", "", ""},
    CommandInfo{C::ImportCsv, QT_TRANSLATE_NOOP("Commands", "&Comma Separated Values..."),
                QT_TRANSLATE_NOOP("Commands", "Adds the movies of a comma separated values file"),
                "", "", ""},
    CommandInfo{C::AppExit, QT_TRANSLATE_NOOP("Commands", "E&xit"),
                QT_TRANSLATE_NOOP("Commands", "Quit Reelkeep; asks to save a changed catalogue"),
                "", "", "", false, "Ctrl+Q"},

    CommandInfo{C::Enter, QT_TRANSLATE_NOOP("Commands", "&Enter...\tCtrl+E"),
                QT_TRANSLATE_NOOP("Commands", "Enter a new movie"),
                "", "enter.xpm", ""},
    CommandInfo{C::Delete, QT_TRANSLATE_NOOP("Commands", "&Delete\tCtrl+D"),
                QT_TRANSLATE_NOOP("Commands", "Delete selected movie"),
                "", "delete.xpm", ""},
    CommandInfo{C::Modify, QT_TRANSLATE_NOOP("Commands", "&Modify...\tCtrl+M"),
                QT_TRANSLATE_NOOP("Commands", "Modify the selected movie"),
                "", "modify.xpm", ""},
    CommandInfo{C::SelectAll, QT_TRANSLATE_NOOP("Commands", "Select/&Unselect All\tCtrl+U"),
                QT_TRANSLATE_NOOP("Commands", "Select or unselect every entry"),
                "", "", ""},
    CommandInfo{C::Undo, QT_TRANSLATE_NOOP("Commands", "U&ndo"),
                QT_TRANSLATE_NOOP("Commands", "Undo last delete, modify, or enter."),
                "", "", "", false, "Ctrl+Z"},
    CommandInfo{C::Find, QT_TRANSLATE_NOOP("Commands", "&Find ..."),
                QT_TRANSLATE_NOOP("Commands", "Find text in the displayed movies"),
                "", "", "", false, "Ctrl+F"},
    CommandInfo{C::EditCustomHeading, QT_TRANSLATE_NOOP("Commands", "Edit &Custom Heading"),
                QT_TRANSLATE_NOOP("Commands", "Edit Custom Headings"),
                "", "", ""},

    CommandInfo{C::ViewToolbar, QT_TRANSLATE_NOOP("Commands", "&Toolbar"),
                QT_TRANSLATE_NOOP("Commands", "Show or hide the toolbar"),
                "", "", "", true},
    CommandInfo{C::ViewStatusBar, QT_TRANSLATE_NOOP("Commands", "&Status Bar"),
                QT_TRANSLATE_NOOP("Commands", "Show or hide the status bar"),
                "", "", "", true},
    CommandInfo{C::SortByActors, QT_TRANSLATE_NOOP("Commands", "Sort by &Actors"),
                QT_TRANSLATE_NOOP("Commands", "Sort by actors"),
                "", "sort_actors.xpm", "", true},
    CommandInfo{C::SortByTitle, QT_TRANSLATE_NOOP("Commands", "Sort by Tit&le"),
                QT_TRANSLATE_NOOP("Commands", "Sort by title"),
                "", "sort_title.xpm", "", true},
    CommandInfo{C::SortByCustom1, QT_TRANSLATE_NOOP("Commands", "Sort by Custom&1"),
                QT_TRANSLATE_NOOP("Commands", "Sort by Custom 1"),
                "", "sort_custom1.xpm", "", true},
    CommandInfo{C::SortByCustom2, QT_TRANSLATE_NOOP("Commands", "Sort by Custom &2"),
                QT_TRANSLATE_NOOP("Commands", "Sort by Custom 2"),
                "", "sort_custom2.xpm", "", true},
    CommandInfo{C::SortByCustom3, QT_TRANSLATE_NOOP("Commands", "Sort by Custom &3"),
                QT_TRANSLATE_NOOP("Commands", "Sort by Custom 3"),
                "", "sort_custom3.xpm", "", true},
    CommandInfo{C::SortByCustom4, QT_TRANSLATE_NOOP("Commands", "Sort by Custom &4"),
                QT_TRANSLATE_NOOP("Commands", "Sort by Custom 4"),
                "", "sort_custom4.xpm", "", true},
    CommandInfo{C::SortByTapeNumber, QT_TRANSLATE_NOOP("Commands", "Sort by Tap&e #"),
                QT_TRANSLATE_NOOP("Commands", "Sort by tape #"),
                "", "sort_tape.xpm", "", true},
    CommandInfo{C::SortByTime, QT_TRANSLATE_NOOP("Commands", "Sort by Ti&me"),
                QT_TRANSLATE_NOOP("Commands", "Sort by time"),
                "", "sort_time.xpm", "", true},
    CommandInfo{C::SortByRating, QT_TRANSLATE_NOOP("Commands", "Sort by &Rating"),
                QT_TRANSLATE_NOOP("Commands", "Sort by rating"),
                "", "sort_rating.xpm", "", true},
    CommandInfo{C::SortByMediaType, QT_TRANSLATE_NOOP("Commands", "Sort by Me&dia Type"),
                QT_TRANSLATE_NOOP("Commands", "Sort by media type"),
                "", "sort_media.xpm", "", true},
    CommandInfo{C::SortByMovieType, QT_TRANSLATE_NOOP("Commands", "Sort by Mo&vie Type"),
                QT_TRANSLATE_NOOP("Commands", "Sort by movie type"),
                "", "sort_movie_type.xpm", "", true},
    CommandInfo{C::OneLineSorts, QT_TRANSLATE_NOOP("Commands", "&One Line Sorts"),
                QT_TRANSLATE_NOOP("Commands", "Displays Normal Sorts in 1 line"),
                "", "one_line.xpm", "", true},
    CommandInfo{C::DisplayLabelFormat, QT_TRANSLATE_NOOP("Commands", "Display in Label &Format"),
                QT_TRANSLATE_NOOP("Commands", "Shows what the labels will look like"),
                "", "label_format.xpm", "", true},
    CommandInfo{C::DisplayNormalView, QT_TRANSLATE_NOOP("Commands", "Display &Normal View"),
                QT_TRANSLATE_NOOP("Commands", "Display the normal view"),
                "", "normal_view.xpm", "", true},
    CommandInfo{C::Options, QT_TRANSLATE_NOOP("Commands", "O&ptions"),
                QT_TRANSLATE_NOOP("Commands", "Change Program Options"),
                "", "", ""},
    CommandInfo{C::GoToEntry, QT_TRANSLATE_NOOP("Commands", "&Go to Entry"),
                QT_TRANSLATE_NOOP("Commands", "Go to the first entry that begins with a text"),
                "", "go_to_entry.xpm", ""},
    CommandInfo{C::Filters, QT_TRANSLATE_NOOP("Commands", "F&ilters"),
                QT_TRANSLATE_NOOP("Commands", "Change the Filters"),
                "", "filters.xpm", ""},

    CommandInfo{C::LabelFont, QT_TRANSLATE_NOOP("Commands", "Label &Font ..."),
                QT_TRANSLATE_NOOP("Commands", "Changes font used for labels"),
                "", "", ""},
    CommandInfo{C::LargeLabels, QT_TRANSLATE_NOOP("Commands", "&Large Labels"),
                QT_TRANSLATE_NOOP("Commands", "Use sheets of large labels"),
                "", "", "", true},
    CommandInfo{C::SmallLabels, QT_TRANSLATE_NOOP("Commands", "&Small Labels"),
                QT_TRANSLATE_NOOP("Commands", "Use sheets of small labels"),
                "", "", "", true},
    CommandInfo{C::LabelDataColors, QT_TRANSLATE_NOOP("Commands", "Label &Data Colors ..."),
                QT_TRANSLATE_NOOP("Commands", "Select label colors"),
                "", "", ""},
    CommandInfo{C::LabelHeadingColor, QT_TRANSLATE_NOOP("Commands", "Label &Heading Color ..."),
                QT_TRANSLATE_NOOP("Commands", "Changes color of the headings"),
                "", "", ""},

    CommandInfo{C::HelpTopics, QT_TRANSLATE_NOOP("Commands", "&Help Topics"),
                QT_TRANSLATE_NOOP("Commands", "List the help topics"),
                "", "", ""},
    CommandInfo{C::About, QT_TRANSLATE_NOOP("Commands", "&About Reelkeep..."),
                QT_TRANSLATE_NOOP("Commands", "Show the program's name and version"),
                "", "about.xpm", "help-about"},
    CommandInfo{C::Help, QT_TRANSLATE_NOOP("Commands", "Help\tF1"),
                QT_TRANSLATE_NOOP("Commands", "Show help for the current task"),
                "", "", ""},
    CommandInfo{C::ContextHelp, QT_TRANSLATE_NOOP("Commands", "Context Help\tShift+F1"),
                QT_TRANSLATE_NOOP("Commands", "Show help for the button, menu or window clicked next"),
                "", "context_help.xpm", "help-contextual"},
    CommandInfo{C::NextPane, QT_TRANSLATE_NOOP("Commands", "Next Pane\tF6"),
                QT_TRANSLATE_NOOP("Commands", "Move to the next part of the window"),
                "", "", ""},
    CommandInfo{C::PrevPane, QT_TRANSLATE_NOOP("Commands", "Previous Pane\tShift+F6"),
                QT_TRANSLATE_NOOP("Commands", "Move to the previous part of the window"),
                "", "", ""},
};
// clang-format on

MenuItem Cmd(CommandId id) { return {MenuItem::Kind::Command, id}; }
MenuItem Separator() { return {MenuItem::Kind::Separator}; }
MenuItem Sub(const MenuSpec& submenu) { return {MenuItem::Kind::Submenu, {}, &submenu}; }

}  // namespace

std::span<const CommandInfo> AllCommands() { return kCommands; }

std::string_view MenuAccelerator(const CommandInfo& info) {
    const auto tab = info.menuText.find('\t');
    return tab == std::string_view::npos ? std::string_view{} : info.menuText.substr(tab + 1);
}

std::string ToolTipText(std::string_view menuLabel) {
    std::string text;
    for (const char c : menuLabel) {
        if (c != '&') text += c;
    }
    while (!text.empty() && (text.back() == '.' || text.back() == ' ')) text.pop_back();
    return text;
}

// clang-format off
const std::vector<MenuSpec>& MainMenus() {
    static const MenuSpec importMenu{QT_TRANSLATE_NOOP("Commands", "&Import"),
                                     {Cmd(C::ImportCsv)}};
    static const MenuSpec exportMenu{QT_TRANSLATE_NOOP("Commands", "&Export"),
                                     {Cmd(C::ExportCsv), Cmd(C::ExportText)}};
    static const MenuSpec labelSize{QT_TRANSLATE_NOOP("Commands", "Label &Size"),
                                    {Cmd(C::LargeLabels), Cmd(C::SmallLabels)}};
    static const std::vector<MenuSpec> menus = {
        {QT_TRANSLATE_NOOP("Commands", "&File"),
         {Cmd(C::FileNew), Cmd(C::FileOpen), Cmd(C::FileSave), Cmd(C::FileSaveAs), Separator(),
          Cmd(C::FilePrint), Cmd(C::FilePrintPreview), Cmd(C::FilePrintSetup), Separator(),
          {MenuItem::Kind::RecentFiles}, Separator(),
          Sub(importMenu), Sub(exportMenu), Separator(),
          Cmd(C::AppExit)}},
        {QT_TRANSLATE_NOOP("Commands", "&Edit"),
         {Cmd(C::Enter), Cmd(C::Delete), Cmd(C::Modify), Separator(),
          Cmd(C::SelectAll), Separator(),
          Cmd(C::Undo), Separator(),
          Cmd(C::Find), Separator(),
          Cmd(C::EditCustomHeading)}},
        {QT_TRANSLATE_NOOP("Commands", "&View"),
         {Cmd(C::ViewToolbar), Cmd(C::ViewStatusBar), Separator(),
          Cmd(C::SortByActors), Cmd(C::SortByTitle), Cmd(C::SortByCustom1), Cmd(C::SortByCustom2),
          Cmd(C::SortByCustom3), Cmd(C::SortByCustom4), Cmd(C::SortByTapeNumber),
          Cmd(C::SortByTime), Cmd(C::SortByRating), Cmd(C::SortByMediaType),
          Cmd(C::SortByMovieType), Separator(),
          Cmd(C::OneLineSorts), Cmd(C::DisplayLabelFormat), Cmd(C::DisplayNormalView),
          Cmd(C::Options), Cmd(C::GoToEntry), Cmd(C::Filters)}},
        {QT_TRANSLATE_NOOP("Commands", "&Labels"),
         {Cmd(C::LabelFont), Sub(labelSize), Cmd(C::LabelDataColors), Cmd(C::LabelHeadingColor)}},
        {QT_TRANSLATE_NOOP("Commands", "&Help"), {Cmd(C::HelpTopics), Separator(), Cmd(C::About)}},
    };
    return menus;
}

const std::vector<std::optional<CommandId>>& ToolbarButtons() {
    constexpr std::nullopt_t kSeparator = std::nullopt;
    static const std::vector<std::optional<CommandId>> buttons = {
        C::FileNew, C::FileOpen, C::FileSave, C::FilePrint, kSeparator,
        C::Enter, C::Delete, C::Modify, kSeparator,
        C::DisplayNormalView, C::DisplayLabelFormat, C::OneLineSorts, kSeparator,
        C::SortByTitle, C::SortByActors, C::SortByTapeNumber, C::SortByTime, C::SortByRating,
        C::SortByMovieType, C::SortByMediaType, C::SortByCustom1, C::SortByCustom2,
        C::SortByCustom3, C::SortByCustom4, kSeparator,
        C::GoToEntry, C::Filters, kSeparator,
        C::About, C::ContextHelp,
    };
    return buttons;
}
// clang-format on

const std::vector<CommandId>& CommandsOutsideMenus() {
    static const std::vector<CommandId> ids = {C::Help, C::ContextHelp, C::NextPane, C::PrevPane};
    return ids;
}

}  // namespace reelkeep
