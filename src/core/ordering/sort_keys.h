#pragma once

#include <optional>
#include <span>
#include <string_view>

#include "column_layout.h"
#include "command_ids.h"
#include "display_state.h"
#include "fields.h"

namespace reelkeep {

// What goes with one sort key, in one place for the commands, the sorts, the view and the
// command-line tool.
struct SortKeyInfo {
    SortMark mark;
    CommandId command;                // the menu command that sorts by it
    std::string_view name;            // what the command-line tool calls it
    std::optional<Field> keyField;    // the field of a key sort (blanks last, ties kept)
    std::string_view keyCaption;      // that sort's progress caption
    std::optional<LayoutKey> layout;  // the columns of its one-line list
};

// The eleven keys, title first.
std::span<const SortKeyInfo> SortKeys();
// nullptr where no key matches.
const SortKeyInfo* FindSortKey(SortMark mark);
const SortKeyInfo* FindSortKey(CommandId command);
const SortKeyInfo* FindSortKey(std::string_view name);

}  // namespace reelkeep
