#include "value_ranks.h"

#include <string>

#include "folded_index.h"
#include "text_compare.h"

namespace reelkeep {

Ranks RanksFromSortedIds(std::vector<std::uint32_t> ids, std::span<const std::uint32_t> sortedIds) {
    std::vector<std::uint32_t> rankOfId(sortedIds.size());
    for (std::uint32_t k = 0; k < sortedIds.size(); ++k) rankOfId[sortedIds[k]] = k;
    for (std::uint32_t& id : ids) id = rankOfId[id];
    return {std::move(ids), static_cast<std::uint32_t>(sortedIds.size())};
}

Ranks RankNoCase(std::span<const std::string_view> keys) {
    DistinctKeys<std::string_view> distinct;
    distinct.id.resize(keys.size());
    CFoldedIndex index;
    for (std::size_t p = 0; p < keys.size(); ++p) {
        const auto [id, added] = index.FindOrAdd(keys[p], distinct.keys);
        if (added) distinct.keys.push_back(keys[p]);
        distinct.id[p] = id;
    }
    // Folded copies compare with memcmp, which orders unsigned bytes with a proper prefix first,
    // exactly as CompareNoCase does, and much faster.
    std::vector<std::string> folded;
    folded.reserve(distinct.keys.size());
    for (std::string_view key : distinct.keys) folded.push_back(FoldCase(key));
    std::vector<std::uint32_t> sorted(folded.size());
    for (std::uint32_t d = 0; d < sorted.size(); ++d) sorted[d] = d;
    std::sort(sorted.begin(), sorted.end(),
              [&](std::uint32_t a, std::uint32_t b) { return folded[a] < folded[b]; });
    return RanksFromSortedIds(std::move(distinct.id), sorted);
}

void StableSortByRanks(std::span<std::uint32_t> order, const Ranks& ranks) {
    std::vector<std::uint32_t> start(ranks.count + 1, 0);
    for (std::uint32_t r : ranks.rank) ++start[r + 1];
    for (std::uint32_t k = 0; k < ranks.count; ++k) start[k + 1] += start[k];
    std::vector<std::uint32_t> sorted(order.size());
    for (std::size_t p = 0; p < order.size(); ++p) sorted[start[ranks.rank[p]]++] = order[p];
    std::copy(sorted.begin(), sorted.end(), order.begin());
}

}  // namespace reelkeep
