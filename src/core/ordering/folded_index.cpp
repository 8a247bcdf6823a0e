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
    PlaceAs(hash, static_cast<std::uint32_t>(size_));
}

void CFoldedIndex::PlaceAs(std::uint32_t hash, std::uint32_t id) {
    const std::size_t mask = slots_.size() - 1;
    std::size_t at = hash & mask;
    while (slots_[at].id != kAbsent) at = (at + 1) & mask;
    slots_[at] = {hash, id};
    ++size_;
}

void CFoldedIndex::ShiftIds(std::uint32_t from, int delta) {
    for (Slot& slot : slots_) {
        if (slot.id != kAbsent && slot.id >= from) slot.id += static_cast<std::uint32_t>(delta);
    }
}

void CFoldedIndex::InsertAt(std::string_view text, std::uint32_t id) {
    Reserve(size_ + 1);
    ShiftIds(id, 1);
    PlaceAs(HashOf(text), id);
}

void CFoldedIndex::EraseAt(std::string_view text, std::uint32_t id) {
    const std::uint32_t hash = HashOf(text);
    const std::size_t mask = slots_.size() - 1;
    std::size_t hole = hash & mask;
    while (slots_[hole].id != id) hole = (hole + 1) & mask;
    // Linear probing without markers: each later entry of the run that could have sat in the
    // hole moves into it, so that no probe stops early at the gap.
    for (std::size_t next = (hole + 1) & mask; slots_[next].id != kAbsent;
         next = (next + 1) & mask) {
        const std::size_t home = slots_[next].hash & mask;
        const bool staysPut =
            hole <= next ? home > hole && home <= next : home > hole || home <= next;
        if (staysPut) continue;
        slots_[hole] = slots_[next];
        hole = next;
    }
    slots_[hole] = Slot{};
    --size_;
    ShiftIds(id + 1, -1);
}

}  // namespace reelkeep
