#pragma once

#include <cstddef>
#include <cstdint>
#include <functional>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "folded_index.h"

namespace reelkeep {

// Where a value was met: record * 3 + the slot among the fields feeding the list (the actors
// have three), so that keys ascend in the order a rebuild meets values.
using SourceKey = std::uint64_t;
inline constexpr SourceKey SourceKeyOf(std::uint32_t record, int slot) {
    return SourceKey{record} * 3 + static_cast<SourceKey>(slot);
}

// How one change moved the entries: the place an entry left and the place one arrived at
// (both the same place for an entry that only changed its form). A copy of the entries follows
// by erasing, then inserting the entry now at inserted.
struct ListEdit {
    static constexpr std::size_t kNone = SIZE_MAX;
    std::size_t erased = kNone;
    std::size_t inserted = kNone;
};

// The next place a value is met after a given key, with the form it has there; none while every
// other place it had is going too.
using NextSource = std::function<std::optional<std::pair<SourceKey, std::string_view>>(
    std::string_view value, SourceKey after)>;

// The distinct non-empty values of a field, in order of first appearance, unique ignoring the
// case of A-Z; the form met first is kept. A hash index over the entries keeps each add O(1)
// without copying the value, so a rebuild over the whole catalogue stays linear and fast. Each
// entry knows how often it was met and where first, so one record's change costs that record.
class CLookupList {
public:
    // Enters value unless it is empty or already present, where it only counts another
    // occurrence; returns whether it was entered. Values come in key order (a rebuild).
    // Throws std::bad_alloc with the list unchanged.
    bool Add(std::string_view value, SourceKey key = 0);
    bool Contains(std::string_view value) const;
    // The place of the entry equal to value ignoring case, or kAbsent.
    static constexpr std::size_t kAbsent = SIZE_MAX;
    std::size_t Find(std::string_view value) const;
    void Clear();

    std::size_t size() const { return entries_.size(); }
    bool empty() const { return entries_.empty(); }
    const std::string& operator[](std::size_t i) const { return entries_[i]; }
    const std::vector<std::string>& Entries() const { return entries_; }
    std::uint32_t Occurrences(std::size_t i) const { return counts_[i]; }
    SourceKey FirstKey(std::size_t i) const { return keys_[i]; }
    // Whether the entries are sorted (StableSort) rather than in order of first appearance.
    bool Sorted() const { return static_cast<bool>(less_); }

    // Reorders the entries; the set of values stays the same. Ties keep the order of first
    // appearance, and the list stays in this order through the changes below.
    void StableSort(const std::function<bool(const std::string&, const std::string&)>& less);

    // One occurrence more of value, met at key, wherever that is. Throws std::bad_alloc with
    // the list unchanged.
    ListEdit AddOccurrence(std::string_view value, SourceKey key);
    // One occurrence less of value, met at key; next finds where it is met first from then on.
    ListEdit RemoveOccurrence(std::string_view value, SourceKey key, const NextSource& next);
    // A copy's upkeep: the entry at a place goes, or takes another form of its value.
    void EraseAt(std::size_t at) { Erase(at); }
    void SetForm(std::size_t at, std::string_view form) { entries_[at] = form; }
    // Every key taken through map, which keeps their order (records renumbered after a purge).
    void RemapKeys(const std::function<SourceKey(SourceKey)>& map);

private:
    // Room in the three arrays for one entry more, so that adding it cannot throw.
    void ReserveOneMore();
    std::size_t PlaceFor(std::string_view value, SourceKey key) const;
    std::size_t Insert(std::string_view value, std::uint32_t count, SourceKey key);
    void Erase(std::size_t at);

    std::vector<std::string> entries_;
    std::vector<std::uint32_t> counts_;
    std::vector<SourceKey> keys_;
    CFoldedIndex index_;  // id i is entries_[i]
    std::function<bool(const std::string&, const std::string&)> less_;
};

}  // namespace reelkeep
