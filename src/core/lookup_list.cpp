#include "lookup_list.h"

#include <algorithm>

#include "text_compare.h"

namespace reelkeep {

namespace {

std::uint32_t Hash32(std::string_view value) {
    return static_cast<std::uint32_t>(FoldedHash(value) >> 32);
}

}  // namespace

std::size_t LookupList::Probe(std::string_view value, std::uint32_t hash) const {
    const std::size_t mask = slots_.size() - 1;
    for (std::size_t at = hash & mask;; at = (at + 1) & mask) {
        const Slot& slot = slots_[at];
        if (slot.entry == 0) return at;
        if (slot.hash == hash && EqualsNoCase(entries_[slot.entry - 1], value)) return at;
    }
}

void LookupList::Reindex(std::size_t slotCount) {
    std::vector<Slot> old(slotCount);
    old.swap(slots_);
    const std::size_t mask = slots_.size() - 1;
    for (const Slot& slot : old) {
        if (slot.entry == 0) continue;
        std::size_t at = slot.hash & mask;
        while (slots_[at].entry != 0) at = (at + 1) & mask;
        slots_[at] = slot;
    }
}

bool LookupList::Add(std::string_view value) {
    if (value.empty()) return false;
    const std::uint32_t hash = Hash32(value);
    if (!slots_.empty() && slots_[Probe(value, hash)].entry != 0) return false;
    // Everything that may throw happens before the list changes.
    if ((entries_.size() + 1) * 2 > slots_.size())
        Reindex(std::max<std::size_t>(16, slots_.size() * 2));
    if (entries_.size() == entries_.capacity()) entries_.reserve(slots_.size() / 2);
    entries_.emplace_back(value);
    slots_[Probe(value, hash)] = {hash, static_cast<std::uint32_t>(entries_.size())};
    return true;
}

bool LookupList::Contains(std::string_view value) const {
    return !slots_.empty() && slots_[Probe(value, Hash32(value))].entry != 0;
}

void LookupList::Clear() {
    entries_.clear();
    entries_.shrink_to_fit();
    slots_.clear();
    slots_.shrink_to_fit();
}

void LookupList::StableSort(
    const std::function<bool(const std::string&, const std::string&)>& less) {
    std::stable_sort(entries_.begin(), entries_.end(), less);
    std::fill(slots_.begin(), slots_.end(), Slot{});
    const std::size_t mask = slots_.size() - 1;
    for (std::size_t i = 0; i < entries_.size(); ++i) {
        const std::uint32_t hash = Hash32(entries_[i]);
        std::size_t at = hash & mask;
        while (slots_[at].entry != 0) at = (at + 1) & mask;
        slots_[at] = {hash, static_cast<std::uint32_t>(i + 1)};
    }
}

}  // namespace reelkeep
