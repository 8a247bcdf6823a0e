#pragma once

#include <array>
#include <cstdint>
#include <string>
#include <vector>

#include "fields.h"

namespace reelkeep {

// Copies of the records the last Enter, Modify or Delete touched, to reverse it. An import
// names the records it appended and keeps no copies: its undo takes them out, and copies
// would double the memory of a large import.
struct UndoJournal {
    // One entry per record number, or none for an import.
    std::array<std::vector<std::string>, kFieldCount> fields;
    std::vector<std::uint32_t> recordNumbers;
    std::string action;  // "DELETE", "RESTORE", "UNMODIFY" or empty
    bool available = false;
    // False once an entry was left out for want of memory: the command changed records it
    // does not name.
    bool complete = true;

    std::size_t size() const { return recordNumbers.size(); }
};

}  // namespace reelkeep
