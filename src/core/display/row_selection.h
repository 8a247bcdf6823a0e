#pragma once

#include <cstdint>
#include <vector>

namespace reelkeep {

// The row flags of the current listing, copied from the view before a command works on them.
struct RowSelection {
    std::vector<std::uint32_t> flags;
};

}  // namespace reelkeep
