#pragma once

#include <cstdint>
#include <string>
#include <vector>

namespace reelkeep {

// One row per (actor, movie) pair of Sort by Actors. Rows keep a group number, not a copy of the
// name, so a large index stays small; the text accessors give the rows as the user sees them.
struct ActorIndex {
    std::vector<std::string> groupNames;  // sorted actors, then "NO ACTOR LISTED"
    struct Row {
        std::uint32_t group;
        std::uint32_t record;
        bool firstOfGroup;
    };
    std::vector<Row> rows;

    void clear() {
        groupNames.clear();
        rows.clear();
    }
};

}  // namespace reelkeep
