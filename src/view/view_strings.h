#pragma once

#include <string_view>

// Texts the catalogue view shows, kept together so they can be checked at a glance.
namespace reelkeep::viewtext {

// Context menu over the rows.
inline constexpr std::string_view kMenuDelete = "Delete";
inline constexpr std::string_view kMenuModify = "Modify";
inline constexpr std::string_view kMenuSelectAll = "Select/Unselect All";
inline constexpr std::string_view kMenuUndo = "Undo";
inline constexpr std::string_view kMenuFind = "Find";

// The "Fields" menu over the header line of the lists.
inline constexpr std::string_view kMenuAddField = "&Add a New Field";
inline constexpr std::string_view kMenuRemoveField = "Remove a Field";

}  // namespace reelkeep::viewtext
