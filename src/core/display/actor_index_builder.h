#pragma once

#include <array>
#include <cstdint>
#include <span>
#include <string>
#include <vector>

#include "actor_index.h"

namespace reelkeep {

// The three actor fields of every record.
using ActorColumns = std::array<const std::vector<std::string>*, 3>;

// The rows of the actor index for the given groups (the sorted actor names, then the pseudo-actor
// "NO ACTOR LISTED"). A record belongs to a group whose name equals one of its actors ignoring
// case; to a group named exactly "NO ACTOR LISTED" also when it has no actor at all. Within a
// group the records keep their place in order; empty groups give no rows.
std::vector<ActorIndex::Row> BuildActorRows(std::span<const std::uint32_t> order,
                                            const ActorColumns& actors,
                                            const std::vector<std::string>& groupNames);

}  // namespace reelkeep
