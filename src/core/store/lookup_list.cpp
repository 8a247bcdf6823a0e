#include "lookup_list.h"

#include <algorithm>

namespace reelkeep {

bool CLookupList::Add(std::string_view value) {
    if (value.empty() || index_.Find(value, entries_) != CFoldedIndex::kAbsent) return false;
    // Everything that may throw happens before the index takes the value; a failed append
    // leaves the entries as they were.
    index_.Reserve(entries_.size() + 1);
    entries_.emplace_back(value);
    index_.Add(value);
    return true;
}

bool CLookupList::Contains(std::string_view value) const {
    return index_.Find(value, entries_) != CFoldedIndex::kAbsent;
}

void CLookupList::Clear() {
    entries_.clear();
    entries_.shrink_to_fit();
    index_ = CFoldedIndex();
}

void CLookupList::StableSort(
    const std::function<bool(const std::string&, const std::string&)>& less) {
    std::stable_sort(entries_.begin(), entries_.end(), less);
    // Re-adding as many texts as before needs no new room.
    index_.Clear();
    for (const std::string& entry : entries_) index_.Add(entry);
}

}  // namespace reelkeep
