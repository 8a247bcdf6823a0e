#include "title_sort.h"

#include <algorithm>

#include "text_compare.h"
#include "value_ranks.h"

namespace reelkeep {

namespace {

constexpr std::string_view kArticle = "The ";
constexpr std::size_t kShortChain = 16;

// One entry of the order with the rank of its title: equal titles share a rank.
struct Ranked {
    std::uint32_t rank;
    std::uint32_t record;
};

std::vector<Ranked> RankTitles(std::span<const std::uint32_t> order,
                               const std::vector<std::string>& titles, bool ignoreThe,
                               bool& allDistinct) {
    std::vector<std::string_view> keys(order.size());
    for (std::size_t p = 0; p < order.size(); ++p) keys[p] = TitleKey(titles[order[p]], ignoreThe);
    const Ranks ranks = RankNoCase(keys);
    allDistinct = ranks.count == order.size();
    std::vector<Ranked> ranked(order.size());
    for (std::size_t p = 0; p < order.size(); ++p) ranked[p] = {ranks.rank[p], order[p]};
    return ranked;
}

// Repeating exchange passes over one chain (positions first, first + gap, …) until none swaps
// is a bubble sort of that chain: it ends stably sorted, which a stable sort reaches directly.
// Chains never share positions, so each one can be finished on its own.
class CChainSorter {
public:
    explicit CChainSorter(std::vector<Ranked>& items) : items_(items) {}

    void Sort(std::size_t first, std::size_t gap) {
        chain_.clear();
        for (std::size_t p = first; p < items_.size(); p += gap) chain_.push_back(items_[p]);
        const auto byRank = [](const Ranked& a, const Ranked& b) { return a.rank < b.rank; };
        if (std::is_sorted(chain_.begin(), chain_.end(), byRank)) return;
        if (chain_.size() <= kShortChain) {
            InsertionSort();
        } else {
            SortLong();
        }
        for (std::size_t k = 0; k < chain_.size(); ++k) items_[first + k * gap] = chain_[k];
    }

private:
    void InsertionSort() {
        for (std::size_t k = 1; k < chain_.size(); ++k) {
            const Ranked moving = chain_[k];
            std::size_t j = k;
            for (; j > 0 && chain_[j - 1].rank > moving.rank; --j) chain_[j] = chain_[j - 1];
            chain_[j] = moving;
        }
    }

    // Rank in the high half and chain index in the low half: a plain sort of these numbers is
    // a stable sort by rank.
    void SortLong() {
        keyed_.resize(chain_.size());
        for (std::size_t k = 0; k < chain_.size(); ++k) {
            keyed_[k] = (std::uint64_t{chain_[k].rank} << 32) | k;
        }
        std::sort(keyed_.begin(), keyed_.end());
        sorted_.resize(chain_.size());
        for (std::size_t k = 0; k < chain_.size(); ++k) {
            sorted_[k] = chain_[keyed_[k] & 0xFFFFFFFFu];
        }
        chain_.swap(sorted_);
    }

    std::vector<Ranked>& items_;
    std::vector<Ranked> chain_;
    std::vector<Ranked> sorted_;
    std::vector<std::uint64_t> keyed_;
};

}  // namespace

std::string_view TitleKey(std::string_view title, bool ignoreThe) {
    if (ignoreThe && title.size() > kArticle.size() &&
        EqualsNoCase(title.substr(0, kArticle.size()), kArticle)) {
        return title.substr(kArticle.size());
    }
    return title;
}

std::uint32_t TitleSortGapCount(std::size_t n) {
    std::uint32_t count = 0;
    std::size_t gap = n / 2;
    do {
        gap /= 2;
        ++count;
    } while (gap != 0);
    return count;
}

void SortByTitle(std::span<std::uint32_t> order, const std::vector<std::string>& titles,
                 bool ignoreThe, const std::function<void()>& step) {
    const std::size_t n = order.size();
    const std::uint32_t gaps = TitleSortGapCount(n);
    bool allDistinct = true;
    std::vector<Ranked> items = RankTitles(order, titles, ignoreThe, allDistinct);
    if (allDistinct) {
        // Without ties every correct sort gives the same order.
        std::sort(items.begin(), items.end(),
                  [](const Ranked& a, const Ranked& b) { return a.rank < b.rank; });
        for (std::uint32_t g = 0; g < gaps; ++g) step();
    } else {
        CChainSorter sorter(items);
        for (std::size_t gap = n / 2; gap != 0; gap /= 2) {
            for (std::size_t first = 0; first < gap; ++first) sorter.Sort(first, gap);
            step();
        }
    }
    for (std::size_t p = 0; p < n; ++p) order[p] = items[p].record;
}

}  // namespace reelkeep
