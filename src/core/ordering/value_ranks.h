#pragma once

#include <algorithm>
#include <cstdint>
#include <functional>
#include <span>
#include <string_view>
#include <unordered_map>
#include <vector>

namespace reelkeep {

// The ranks of a list of keys: equal keys share a rank, and ranks ascend with the keys. Sorting
// ranks instead of texts costs one comparison per distinct value, not per record.
struct Ranks {
    std::vector<std::uint32_t> rank;  // one per key
    std::uint32_t count = 0;          // number of distinct ranks
};

// Keys equal ignoring case share a rank; ranks follow CompareNoCase.
Ranks RankNoCase(std::span<const std::string_view> keys);

// Ids of the distinct keys in order of first appearance, and those keys.
template <typename Key>
struct DistinctKeys {
    std::vector<std::uint32_t> id;  // one per key
    std::vector<Key> keys;
};

template <typename Key, typename Hash, typename Equal>
DistinctKeys<Key> FindDistinct(std::span<const Key> keys, Hash hash, Equal equal) {
    std::unordered_map<Key, std::uint32_t, Hash, Equal> ids(keys.size() / 4 + 16, hash, equal);
    DistinctKeys<Key> found;
    found.id.resize(keys.size());
    for (std::size_t i = 0; i < keys.size(); ++i) {
        auto [it, added] = ids.try_emplace(keys[i], static_cast<std::uint32_t>(found.keys.size()));
        if (added) found.keys.push_back(keys[i]);
        found.id[i] = it->second;
    }
    return found;
}

// Turns ids into ranks, given the ids of the distinct keys in ascending key order.
Ranks RanksFromSortedIds(std::vector<std::uint32_t> ids, std::span<const std::uint32_t> sortedIds);

// The general form: Hash and Equal must agree with the equivalence that Less induces.
template <typename Key, typename Hash, typename Equal, typename Less>
Ranks RankKeys(std::span<const Key> keys, Hash hash, Equal equal, Less less) {
    DistinctKeys<Key> distinct = FindDistinct(keys, hash, equal);
    std::vector<std::uint32_t> sorted(distinct.keys.size());
    for (std::uint32_t d = 0; d < sorted.size(); ++d) sorted[d] = d;
    std::sort(sorted.begin(), sorted.end(), [&](std::uint32_t a, std::uint32_t b) {
        return less(distinct.keys[a], distinct.keys[b]);
    });
    return RanksFromSortedIds(std::move(distinct.id), sorted);
}

// Reorders order (rank[p] belongs to order[p]) by ascending rank, keeping ties in place: a
// counting sort.
void StableSortByRanks(std::span<std::uint32_t> order, const Ranks& ranks);

}  // namespace reelkeep
