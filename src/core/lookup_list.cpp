#include "lookup_list.h"

#include <algorithm>

#include "text_compare.h"

namespace reelkeep {

namespace {

// FNV-1a over the folded bytes, so values equal ignoring case hash alike.
std::uint64_t FoldedHash(std::string_view value) {
    std::uint64_t hash = 0xCBF29CE484222325ull;
    for (const char c : value) {
        hash ^= static_cast<unsigned char>(FoldChar(c));
        hash *= 0x100000001B3ull;
    }
    return hash ^ (hash >> 29);
}

}  // namespace

std::size_t LookupList::Probe(std::string_view value, std::uint64_t hash) const {
    const std::size_t mask = slots_.size() - 1;
    for (std::size_t slot = hash & mask;; slot = (slot + 1) & mask) {
        const std::uint32_t entry = slots_[slot];
        if (entry == 0) return slot;
        if (hashes_[entry - 1] == hash && EqualsNoCase(entries_[entry - 1], value)) return slot;
    }
}

void LookupList::Reindex(std::size_t slotCount) {
    std::vector<std::uint32_t> slots(slotCount, 0);
    slots_.swap(slots);
    for (std::size_t i = 0; i < entries_.size(); ++i) {
        slots_[Probe(entries_[i], hashes_[i])] = static_cast<std::uint32_t>(i + 1);
    }
}

bool LookupList::Add(std::string_view value) {
    if (value.empty()) return false;
    const std::uint64_t hash = FoldedHash(value);
    if (!slots_.empty() && slots_[Probe(value, hash)] != 0) return false;
    // Everything that may throw happens before the list changes.
    if ((entries_.size() + 1) * 2 > slots_.size())
        Reindex(std::max<std::size_t>(16, slots_.size() * 2));
    if (entries_.size() == entries_.capacity()) entries_.reserve(slots_.size() / 2);
    if (hashes_.size() == hashes_.capacity()) hashes_.reserve(slots_.size() / 2);
    entries_.emplace_back(value);
    hashes_.push_back(hash);
    slots_[Probe(value, hash)] = static_cast<std::uint32_t>(entries_.size());
    return true;
}

bool LookupList::Contains(std::string_view value) const {
    return !slots_.empty() && slots_[Probe(value, FoldedHash(value))] != 0;
}

void LookupList::Clear() {
    entries_.clear();
    entries_.shrink_to_fit();
    hashes_.clear();
    hashes_.shrink_to_fit();
    slots_.clear();
    slots_.shrink_to_fit();
}

void LookupList::StableSort(
    const std::function<bool(const std::string&, const std::string&)>& less) {
    std::stable_sort(entries_.begin(), entries_.end(), less);
    for (std::size_t i = 0; i < entries_.size(); ++i) hashes_[i] = FoldedHash(entries_[i]);
    Reindex(slots_.size());
}

}  // namespace reelkeep
