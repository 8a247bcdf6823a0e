#pragma once

#include <optional>
#include <span>
#include <string_view>
#include <vector>

#include "command_ids.h"

namespace reelkeep {

// One command as the menus and the toolbar show it.
struct CommandInfo {
    CommandId id;
    // The texts are English, marked for translation under the context "Commands".
    std::string_view menuText;   // with the mnemonic; an accelerator follows a tab
    std::string_view prompt;     // status-bar prompt
    std::string_view toolTip;    // empty: the menu label without mnemonic and trailing dots
    std::string_view icon;       // toolbar icon file in the resources; empty when not on it
    std::string_view themeIcon;  // desktop theme icon preferred over the file, when one fits
    bool checkable = false;
    // The desktop's usual key for the command, where the menu text names none.
    std::string_view standardKey = {};
};

std::span<const CommandInfo> AllCommands();

// The accelerator after the menu text's tab (empty when none).
std::string_view MenuAccelerator(const CommandInfo& info);
// The tooltip of a command without one of its own: its menu label without '&' and trailing dots.
std::string ToolTipText(std::string_view menuLabel);

struct MenuSpec;

struct MenuItem {
    enum class Kind { Command, Separator, RecentFiles, Submenu };
    Kind kind = Kind::Command;
    CommandId id{};
    const MenuSpec* submenu = nullptr;
};

struct MenuSpec {
    std::string_view title;
    std::vector<MenuItem> items;
};

// The menu bar, left to right.
const std::vector<MenuSpec>& MainMenus();
// The toolbar buttons in order; nullopt stands for a separator.
const std::vector<std::optional<CommandId>>& ToolbarButtons();
// Commands in no menu, reached by their accelerator or toolbar button (the help and pane keys).
const std::vector<CommandId>& CommandsOutsideMenus();

}  // namespace reelkeep
