#pragma once

#include <cstddef>
#include <cstdint>
#include <functional>
#include <string>
#include <string_view>
#include <vector>

namespace reelkeep {

// The distinct non-empty values of a field, in order of first appearance, unique ignoring the
// case of A-Z; the form met first is kept. An open-addressing index over the entries, hashed on
// the folded bytes, keeps each add O(1) without copying the value, so a rebuild over the whole
// catalogue stays linear and fast.
class LookupList {
public:
    // Enters value unless it is empty or already present; returns whether it was entered.
    // Throws std::bad_alloc with the list unchanged.
    bool Add(std::string_view value);
    bool Contains(std::string_view value) const;
    void Clear();

    std::size_t size() const { return entries_.size(); }
    bool empty() const { return entries_.empty(); }
    const std::string& operator[](std::size_t i) const { return entries_[i]; }
    const std::vector<std::string>& entries() const { return entries_; }

    // Reorders the entries; the set of values stays the same.
    void StableSort(const std::function<bool(const std::string&, const std::string&)>& less);

private:
    // A slot holds the entry's 32-bit hash beside its index, so a probe touches an entry only
    // when the hashes agree.
    struct Slot {
        std::uint32_t hash = 0;
        std::uint32_t entry = 0;  // entry index + 1; 0 is free
    };

    // The slot where a value with this hash is or would go.
    std::size_t Probe(std::string_view value, std::uint32_t hash) const;
    void Reindex(std::size_t slotCount);

    std::vector<std::string> entries_;
    std::vector<Slot> slots_;  // size a power of two, at most half full
};

}  // namespace reelkeep
