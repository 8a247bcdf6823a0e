#include "folded_index.h"

#include <algorithm>

namespace reelkeep {

void CFoldedIndex::Reserve(std::size_t count) {
    std::size_t slotCount = std::max<std::size_t>(16, slots_.size());
    while (slotCount < count * 2) slotCount *= 2;
    if (slotCount == slots_.size()) return;
    // The new table is filled before it replaces the old, so a failed allocation changes nothing.
    std::vector<Slot> grown(slotCount);
    const std::size_t mask = slotCount - 1;
    for (const Slot& slot : slots_) {
        if (slot.id == kAbsent) continue;
        std::size_t at = slot.hash & mask;
        while (grown[at].id != kAbsent) at = (at + 1) & mask;
        grown[at] = slot;
    }
    slots_.swap(grown);
}

void CFoldedIndex::Clear() {
    std::fill(slots_.begin(), slots_.end(), Slot{});
    size_ = 0;
}

void CFoldedIndex::Place(std::uint32_t hash) {
    if (!HasRoomForOneMore()) Reserve(std::max<std::size_t>(size_ + 1, slots_.size()));
    const std::size_t mask = slots_.size() - 1;
    std::size_t at = hash & mask;
    while (slots_[at].id != kAbsent) at = (at + 1) & mask;
    slots_[at] = {hash, static_cast<std::uint32_t>(size_++)};
}

}  // namespace reelkeep
