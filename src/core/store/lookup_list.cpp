#include "lookup_list.h"

#include <algorithm>
#include <numeric>

namespace reelkeep {

namespace {

// Room for one more element, grown by half at a time so that adds stay amortised O(1).
template <typename T>
void GrowForOne(std::vector<T>& v) {
    if (v.size() == v.capacity()) v.reserve(v.size() + std::max<std::size_t>(v.size() / 2, 16));
}

}  // namespace

void CLookupList::ReserveOneMore() {
    GrowForOne(entries_);
    GrowForOne(counts_);
    GrowForOne(keys_);
}

bool CLookupList::Add(std::string_view value, SourceKey key) {
    if (value.empty()) return false;
    if (const std::uint32_t at = index_.Find(value, entries_); at != CFoldedIndex::kAbsent) {
        ++counts_[at];
        return false;
    }
    // Everything that may throw happens before the index takes the value; a failed append
    // leaves the entries as they were.
    index_.Reserve(entries_.size() + 1);
    ReserveOneMore();
    entries_.emplace_back(value);
    counts_.push_back(1);
    keys_.push_back(key);
    index_.Add(value);
    return true;
}

bool CLookupList::Contains(std::string_view value) const {
    return index_.Find(value, entries_) != CFoldedIndex::kAbsent;
}

std::size_t CLookupList::Find(std::string_view value) const {
    const std::uint32_t at = index_.Find(value, entries_);
    return at == CFoldedIndex::kAbsent ? kAbsent : at;
}

void CLookupList::Clear() {
    entries_.clear();
    entries_.shrink_to_fit();
    counts_.clear();
    counts_.shrink_to_fit();
    keys_.clear();
    keys_.shrink_to_fit();
    index_ = CFoldedIndex();
    less_ = nullptr;
}

void CLookupList::StableSort(
    const std::function<bool(const std::string&, const std::string&)>& less) {
    std::vector<std::size_t> order(entries_.size());
    std::iota(order.begin(), order.end(), std::size_t{0});
    // By first appearance among ties, whatever order the entries had.
    std::sort(order.begin(), order.end(), [&](std::size_t a, std::size_t b) {
        if (less(entries_[a], entries_[b])) return true;
        if (less(entries_[b], entries_[a])) return false;
        return keys_[a] < keys_[b];
    });
    std::vector<std::string> entries(entries_.size());
    std::vector<std::uint32_t> counts(entries_.size());
    std::vector<SourceKey> keys(entries_.size());
    for (std::size_t i = 0; i < order.size(); ++i) {
        entries[i] = std::move(entries_[order[i]]);
        counts[i] = counts_[order[i]];
        keys[i] = keys_[order[i]];
    }
    entries_.swap(entries);
    counts_.swap(counts);
    keys_.swap(keys);
    less_ = less;
    // Re-adding as many texts as before needs no new room.
    index_.Clear();
    for (const std::string& entry : entries_) index_.Add(entry);
}

std::size_t CLookupList::PlaceFor(std::string_view value, SourceKey key) const {
    const std::string text(less_ ? value : std::string_view());
    std::size_t low = 0;
    std::size_t high = entries_.size();
    while (low < high) {
        const std::size_t mid = low + (high - low) / 2;
        bool before = keys_[mid] < key;
        if (less_) {
            if (less_(entries_[mid], text)) {
                before = true;
            } else if (less_(text, entries_[mid])) {
                before = false;
            }
        }
        if (before) {
            low = mid + 1;
        } else {
            high = mid;
        }
    }
    return low;
}

std::size_t CLookupList::Insert(std::string_view value, std::uint32_t count, SourceKey key) {
    const std::size_t at = PlaceFor(value, key);
    std::string text(value);
    ReserveOneMore();
    index_.InsertAt(text, static_cast<std::uint32_t>(at));
    const auto offset = static_cast<std::ptrdiff_t>(at);
    entries_.insert(entries_.begin() + offset, std::move(text));
    counts_.insert(counts_.begin() + offset, count);
    keys_.insert(keys_.begin() + offset, key);
    return at;
}

void CLookupList::Erase(std::size_t at) {
    index_.EraseAt(entries_[at], static_cast<std::uint32_t>(at));
    const auto offset = static_cast<std::ptrdiff_t>(at);
    entries_.erase(entries_.begin() + offset);
    counts_.erase(counts_.begin() + offset);
    keys_.erase(keys_.begin() + offset);
}

ListEdit CLookupList::AddOccurrence(std::string_view value, SourceKey key) {
    if (value.empty()) return {};
    const std::uint32_t at = index_.Find(value, entries_);
    if (at == CFoldedIndex::kAbsent) return {ListEdit::kNone, Insert(value, 1, key)};
    if (key > keys_[at]) {
        ++counts_[at];
        return {};
    }
    // Met earlier than before: this form is the one kept, and the entry moves to its new place.
    const std::uint32_t count = counts_[at] + 1;
    const std::string old = entries_[at];
    const SourceKey oldKey = keys_[at];
    Erase(at);
    try {
        return {at, Insert(value, count, key)};
    } catch (...) {
        // The room the entry left takes it back.
        Insert(old, count - 1, oldKey);
        throw;
    }
}

ListEdit CLookupList::RemoveOccurrence(std::string_view value, SourceKey key,
                                       const NextSource& next) {
    if (value.empty()) return {};
    const std::uint32_t at = index_.Find(value, entries_);
    if (at == CFoldedIndex::kAbsent) return {};
    if (--counts_[at] == 0) {
        Erase(at);
        return {at, ListEdit::kNone};
    }
    if (keys_[at] != key) return {};
    const auto found = next(entries_[at], key);
    if (!found) return {};
    const std::uint32_t count = counts_[at];
    const std::string form(found->second);
    Erase(at);
    return {at, Insert(form, count, found->first)};
}

void CLookupList::RemapKeys(const std::function<SourceKey(SourceKey)>& map) {
    for (SourceKey& key : keys_) key = map(key);
}

}  // namespace reelkeep
