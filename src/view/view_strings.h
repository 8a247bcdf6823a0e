#pragma once

#include <QtGlobal>
#include <string_view>

#include "qt_text.h"

// Texts the catalogue view shows, kept together so they can be checked at a glance.
namespace reelkeep::viewtext {

// The user's-language form of one of these texts.
inline QString Tr(std::string_view text) { return Translated("View", text); }

// Context menu over the rows.
inline constexpr std::string_view kMenuDelete = QT_TRANSLATE_NOOP("View", "&Delete");
inline constexpr std::string_view kMenuModify = QT_TRANSLATE_NOOP("View", "&Modify");
inline constexpr std::string_view kMenuSelectAll =
    QT_TRANSLATE_NOOP("View", "Select/&Unselect All");
inline constexpr std::string_view kMenuUndo = QT_TRANSLATE_NOOP("View", "U&ndo");
inline constexpr std::string_view kMenuFind = QT_TRANSLATE_NOOP("View", "&Find");

// The "Fields" menu over the header line of the lists.
inline constexpr std::string_view kMenuAddField = QT_TRANSLATE_NOOP("View", "&Add a New Field");
inline constexpr std::string_view kMenuRemoveField = QT_TRANSLATE_NOOP("View", "&Remove a Field");

}  // namespace reelkeep::viewtext
