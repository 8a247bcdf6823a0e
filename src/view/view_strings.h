#pragma once

#include <array>
#include <string_view>

// Texts the catalogue view shows, kept together so they can be checked at a glance.
namespace reelkeep::viewtext {

// Column titles by column identifier - 1; titles 4..7 follow the custom headings.
inline constexpr std::array<std::string_view, 10> kColumnTitles = {
    " Movie Title", " Rating",   " Time",       " Custom 1",   " Custom 2",
    " Custom 3",    " Custom 4", " Media Type", " Movie Type", " #",
};

// Context menu over the rows.
inline constexpr std::string_view kMenuDelete = "Delete";
inline constexpr std::string_view kMenuModify = "Modify";
inline constexpr std::string_view kMenuSelectAll = "Select/Unselect All";
inline constexpr std::string_view kMenuUndo = "Undo";
inline constexpr std::string_view kMenuFind = "Find";

// The "Fields" menu over the header line of the lists.
inline constexpr std::string_view kMenuAddField = "&Add a New Field";
inline constexpr std::string_view kMenuRemoveField = "Remove a Field";

// The screen font the view starts with.
inline constexpr std::string_view kDefaultFontFace = "MS Sans Serif";

}  // namespace reelkeep::viewtext
