#include "lookup_list.h"

#include <algorithm>

#include "text_compare.h"

namespace reelkeep {

bool LookupList::Add(std::string_view value) {
    if (value.empty()) return false;
    auto [it, inserted] = folded_.insert(FoldCase(value));
    if (!inserted) return false;
    try {
        entries_.emplace_back(value);
    } catch (...) {
        folded_.erase(it);
        throw;
    }
    return true;
}

bool LookupList::Contains(std::string_view value) const {
    return folded_.count(FoldCase(value)) != 0;
}

void LookupList::Clear() {
    entries_.clear();
    entries_.shrink_to_fit();
    folded_.clear();
}

void LookupList::StableSort(
    const std::function<bool(const std::string&, const std::string&)>& less) {
    std::stable_sort(entries_.begin(), entries_.end(), less);
}

}  // namespace reelkeep
