#include "command_table.h"

#include <array>
#include <string>

namespace reelkeep {

namespace {

using C = CommandId;

// clang-format off
constexpr std::array kCommands = {
    CommandInfo{C::FileNew, "&New\tCtrl+N", "Create a new catalogue", "", "new.xpm", "document-new"},
    CommandInfo{C::FileOpen, "&Open...\tCtrl+O", "Open an existing catalogue", "", "open.xpm",
                "document-open"},
    CommandInfo{C::FileSave, "&Save\tCtrl+S", "Save the catalogue", "", "save.xpm",
                "document-save"},
    CommandInfo{C::FileSaveAs, "Save &As...", "Save the catalogue under a new name", "", "", ""},
    CommandInfo{C::FilePrint, "&Print...\tCtrl+P", "Print the catalogue", "", "print.xpm",
                "document-print"},
    CommandInfo{C::FilePrintPreview, "Print Pre&view", "Show the printed pages on the screen", "",
                "", ""},
    CommandInfo{C::FilePrintSetup, "P&rint Setup...", "Change the printer and printing options",
                "", "", ""},
    CommandInfo{C::ExportCsv, "&Comma Separated Volume (csv)",
                "Exports to the file to a different format",
                "Export the file to a different format", "", ""},
    CommandInfo{C::ExportText, "&Doc File (doc)", "Exports the file as a plain text listing", "",
                "", ""},
    CommandInfo{C::ImportCsv, "&Comma Separated Values...",
                "Adds the movies of a comma separated values file", "", "", ""},
    CommandInfo{C::AppExit, "E&xit", "Quit Reelkeep; asks to save a changed catalogue", "", "",
                "", false, "Ctrl+Q"},

    CommandInfo{C::Enter, "&Enter...\tCtrl+E", "Enter a new movie", "", "enter.xpm", ""},
    CommandInfo{C::Delete, "&Delete\tCtrl+D", "Delete selected movie", "", "delete.xpm", ""},
    CommandInfo{C::Modify, "&Modify...\tCtrl+M", "Modify the selected movie", "", "modify.xpm", ""},
    CommandInfo{C::SelectAll, "Select/&Unselect All\tCtrl+U", "Select or unselect every entry",
                "", "", ""},
    CommandInfo{C::Undo, "U&ndo", "Undo last delete, modify, or enter.", "", "", "", false,
                "Ctrl+Z"},
    CommandInfo{C::Find, "&Find ...", "Find text in the displayed movies", "", "", "", false,
                "Ctrl+F"},
    CommandInfo{C::EditCustomHeading, "Edit &Custom Heading", "Edit Custom Headings", "", "", ""},

    CommandInfo{C::ViewToolbar, "&Toolbar", "Show or hide the toolbar", "", "", "", true},
    CommandInfo{C::ViewStatusBar, "&Status Bar", "Show or hide the status bar", "", "", "", true},
    CommandInfo{C::SortByActors, "Sort by &Actors", "Sort by actors", "", "sort_actors.xpm", "",
                true},
    CommandInfo{C::SortByTitle, "Sort by Tit&le", "Sort by title", "", "sort_title.xpm", "", true},
    CommandInfo{C::SortByCustom1, "Sort by Custom&1", "Sort by Custom 1", "", "sort_custom1.xpm",
                "", true},
    CommandInfo{C::SortByCustom2, "Sort by Custom &2", "Sort by Custom 2", "", "sort_custom2.xpm",
                "", true},
    CommandInfo{C::SortByCustom3, "Sort by Custom &3", "Sort by Custom 3", "", "sort_custom3.xpm",
                "", true},
    CommandInfo{C::SortByCustom4, "Sort by Custom &4", "Sort by Custom 4", "", "sort_custom4.xpm",
                "", true},
    CommandInfo{C::SortByTapeNumber, "Sort by Tap&e #", "Sort by tape #", "", "sort_tape.xpm", "",
                true},
    CommandInfo{C::SortByTime, "Sort by Ti&me", "Sort by time", "", "sort_time.xpm", "", true},
    CommandInfo{C::SortByRating, "Sort by &Rating", "Sort by rating", "", "sort_rating.xpm", "",
                true},
    CommandInfo{C::SortByMediaType, "Sort by Me&dia Type", "Sort by media type", "",
                "sort_media.xpm", "", true},
    CommandInfo{C::SortByMovieType, "Sort by Mo&vie Type", "Sort by movie type", "",
                "sort_movie_type.xpm", "", true},
    CommandInfo{C::OneLineSorts, "&One Line Sorts", "Displays Normal Sorts in 1 line", "",
                "one_line.xpm", "", true},
    CommandInfo{C::DisplayLabelFormat, "Display in Label &Format",
                "Shows what the labels will look like", "", "label_format.xpm", "", true},
    CommandInfo{C::DisplayNormalView, "Display &Normal View", "Display the normal view", "",
                "normal_view.xpm", "", true},
    CommandInfo{C::Options, "O&ptions", "Change Program Options", "", "", ""},
    CommandInfo{C::GoToEntry, "&Go to Entry", "Go to the first entry that begins with a text", "",
                "go_to_entry.xpm", ""},
    CommandInfo{C::Filters, "F&ilters", "Change the Filters", "", "filters.xpm", ""},

    CommandInfo{C::LabelFont, "Label &Font ...", "Changes font used for labels", "", "", ""},
    CommandInfo{C::LargeLabels, "&Large Labels", "Use sheets of large labels", "", "", "", true},
    CommandInfo{C::SmallLabels, "&Small Labels", "Use sheets of small labels", "", "", "", true},
    CommandInfo{C::LabelDataColors, "Label &Data Colors ...", "Select label colors", "", "", ""},
    CommandInfo{C::LabelHeadingColor, "Label &Heading Color ...", "Changes color of the headings",
                "", "", ""},

    CommandInfo{C::HelpTopics, "&Help Topics", "List the help topics", "", "", ""},
    CommandInfo{C::About, "&About Reelkeep...", "Show the program's name and version", "",
                "about.xpm", "help-about"},
    CommandInfo{C::Help, "Help\tF1", "Show help for the current task", "", "", ""},
    CommandInfo{C::ContextHelp, "Context Help\tShift+F1",
                "Show help for the button, menu or window clicked next", "", "context_help.xpm",
                "help-contextual"},
    CommandInfo{C::NextPane, "Next Pane\tF6", "Move to the next part of the window", "", "", ""},
    CommandInfo{C::PrevPane, "Previous Pane\tShift+F6", "Move to the previous part of the window",
                "", "", ""},
};
// clang-format on

MenuItem Cmd(CommandId id) { return {MenuItem::Kind::Command, id}; }
MenuItem Separator() { return {MenuItem::Kind::Separator}; }
MenuItem Sub(const MenuSpec& submenu) { return {MenuItem::Kind::Submenu, {}, &submenu}; }

}  // namespace

std::span<const CommandInfo> AllCommands() { return kCommands; }

std::string_view MenuLabel(const CommandInfo& info) {
    return info.menuText.substr(0, info.menuText.find('\t'));
}

std::string_view MenuAccelerator(const CommandInfo& info) {
    const auto tab = info.menuText.find('\t');
    return tab == std::string_view::npos ? std::string_view{} : info.menuText.substr(tab + 1);
}

std::string ToolTipText(const CommandInfo& info) {
    if (!info.toolTip.empty()) return std::string(info.toolTip);
    std::string text;
    for (const char c : MenuLabel(info)) {
        if (c != '&') text += c;
    }
    while (!text.empty() && (text.back() == '.' || text.back() == ' ')) text.pop_back();
    return text;
}

// clang-format off
const std::vector<MenuSpec>& MainMenus() {
    static const MenuSpec importMenu{"&Import", {Cmd(C::ImportCsv)}};
    static const MenuSpec exportMenu{"&Export", {Cmd(C::ExportCsv), Cmd(C::ExportText)}};
    static const MenuSpec labelSize{"Label &Size", {Cmd(C::LargeLabels), Cmd(C::SmallLabels)}};
    static const std::vector<MenuSpec> menus = {
        {"&File",
         {Cmd(C::FileNew), Cmd(C::FileOpen), Cmd(C::FileSave), Cmd(C::FileSaveAs), Separator(),
          Cmd(C::FilePrint), Cmd(C::FilePrintPreview), Cmd(C::FilePrintSetup), Separator(),
          {MenuItem::Kind::RecentFiles}, Separator(),
          Sub(importMenu), Sub(exportMenu), Separator(),
          Cmd(C::AppExit)}},
        {"&Edit",
         {Cmd(C::Enter), Cmd(C::Delete), Cmd(C::Modify), Separator(),
          Cmd(C::SelectAll), Separator(),
          Cmd(C::Undo), Separator(),
          Cmd(C::Find), Separator(),
          Cmd(C::EditCustomHeading)}},
        {"&View",
         {Cmd(C::ViewToolbar), Cmd(C::ViewStatusBar), Separator(),
          Cmd(C::SortByActors), Cmd(C::SortByTitle), Cmd(C::SortByCustom1), Cmd(C::SortByCustom2),
          Cmd(C::SortByCustom3), Cmd(C::SortByCustom4), Cmd(C::SortByTapeNumber),
          Cmd(C::SortByTime), Cmd(C::SortByRating), Cmd(C::SortByMediaType),
          Cmd(C::SortByMovieType), Separator(),
          Cmd(C::OneLineSorts), Cmd(C::DisplayLabelFormat), Cmd(C::DisplayNormalView),
          Cmd(C::Options), Cmd(C::GoToEntry), Cmd(C::Filters)}},
        {"&Labels",
         {Cmd(C::LabelFont), Sub(labelSize), Cmd(C::LabelDataColors), Cmd(C::LabelHeadingColor)}},
        {"&Help", {Cmd(C::HelpTopics), Separator(), Cmd(C::About)}},
    };
    return menus;
}

const std::vector<std::optional<CommandId>>& ToolbarButtons() {
    constexpr std::nullopt_t bar = std::nullopt;
    static const std::vector<std::optional<CommandId>> buttons = {
        C::FileNew, C::FileOpen, C::FileSave, C::FilePrint, bar,
        C::Enter, C::Delete, C::Modify, bar,
        C::DisplayNormalView, C::DisplayLabelFormat, C::OneLineSorts, bar,
        C::SortByTitle, C::SortByActors, C::SortByTapeNumber, C::SortByTime, C::SortByRating,
        C::SortByMovieType, C::SortByMediaType, C::SortByCustom1, C::SortByCustom2,
        C::SortByCustom3, C::SortByCustom4, bar,
        C::GoToEntry, C::Filters, bar,
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
