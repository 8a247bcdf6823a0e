#pragma once

#include <cstddef>
#include <functional>
#include <string>
#include <string_view>
#include <vector>

#include "folded_index.h"

namespace reelkeep {

// The distinct non-empty values of a field, in order of first appearance, unique ignoring the
// case of A-Z; the form met first is kept. A hash index over the entries keeps each add O(1)
// without copying the value, so a rebuild over the whole catalogue stays linear and fast.
class CLookupList {
public:
    // Enters value unless it is empty or already present; returns whether it was entered.
    // Throws std::bad_alloc with the list unchanged.
    bool Add(std::string_view value);
    bool Contains(std::string_view value) const;
    void Clear();

    std::size_t size() const { return entries_.size(); }
    bool empty() const { return entries_.empty(); }
    const std::string& operator[](std::size_t i) const { return entries_[i]; }
    const std::vector<std::string>& Entries() const { return entries_; }

    // Reorders the entries; the set of values stays the same.
    void StableSort(const std::function<bool(const std::string&, const std::string&)>& less);

private:
    std::vector<std::string> entries_;
    CFoldedIndex index_;  // id i is entries_[i]
};

}  // namespace reelkeep
