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
    CommandId command;      // the menu command that sorts by it
    std::string_view name;  // what the command-line tool calls it
    std::optional<Field> keyField =
        std::nullopt;                  // the field of a key sort (blanks last, ties kept)
    std::string_view keyCaption = {};  // that sort's progress caption
    std::optional<LayoutKey> layout;   // the columns of its one-line list
    std::string_view goToPrompt;       // what Go to Entry asks for in its listing
    // The field printed pages break on, in the Normal View and in the one-line list.
    std::optional<Field> normalBreak = std::nullopt;
    std::optional<Field> oneLineBreak = std::nullopt;
    bool keptOnReset = false;  // the mark outlives the catalogue it was chosen for
};

// The eleven keys, title first.
std::span<const SortKeyInfo> SortKeys();
// nullptr where no key matches.
const SortKeyInfo* FindSortKey(SortMark mark);
const SortKeyInfo* FindSortKey(CommandId command);
const SortKeyInfo* FindSortKey(std::string_view name);

}  // namespace reelkeep
