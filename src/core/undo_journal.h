#pragma once

#include <array>
#include <cstdint>
#include <string>
#include <vector>

#include "fields.h"

namespace reelkeep {

// Copies of the records the last Enter, Modify or Delete touched, to reverse it.
struct UndoJournal {
    std::array<std::vector<std::string>, kFieldCount> fields;
    std::vector<std::uint32_t> recordNumbers;
    std::string action;  // "DELETE", "RESTORE", "UNMODIFY" or empty
    bool available = false;

    std::size_t size() const { return recordNumbers.size(); }
};

}  // namespace reelkeep
