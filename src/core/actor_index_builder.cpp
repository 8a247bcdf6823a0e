#include "actor_index_builder.h"

#include <algorithm>
#include <numeric>
#include <string_view>
#include <unordered_map>

#include "messages.h"
#include "text_compare.h"
#include "value_ranks.h"

namespace reelkeep {

namespace {

constexpr std::uint32_t kNoGroup = UINT32_MAX;

// Which groups a record belongs to, found by name instead of by visiting every group.
class GroupFinder {
  public:
    explicit GroupFinder(const std::vector<std::string>& groupNames)
        : pseudoGroup_(static_cast<std::uint32_t>(groupNames.size() - 1)) {
        groups_.reserve(groupNames.size());
        for (std::uint32_t g = 0; g < pseudoGroup_; ++g) {
            groups_.emplace(groupNames[g], g);
            if (groupNames[g] == msg::kNoActorListed) exactPseudoName_ = g;
        }
    }

    // Appends the distinct groups of one record's actors to out, in ascending group order.
    void Find(const std::array<std::string_view, 3>& names, std::vector<std::uint32_t>& out) const {
        const std::size_t begin = out.size();
        const bool noActor =
            std::all_of(names.begin(), names.end(), [](std::string_view n) { return n.empty(); });
        if (noActor) {
            if (exactPseudoName_ != kNoGroup) out.push_back(exactPseudoName_);
            out.push_back(pseudoGroup_);
            return;
        }
        for (std::string_view name : names) {
            if (name.empty()) continue;
            if (auto it = groups_.find(name); it != groups_.end()) out.push_back(it->second);
            // The pseudo-actor's group takes any actor spelled like it, whatever the case.
            if (EqualsNoCase(name, msg::kNoActorListed)) out.push_back(pseudoGroup_);
        }
        std::sort(out.begin() + static_cast<std::ptrdiff_t>(begin), out.end());
        out.erase(std::unique(out.begin() + static_cast<std::ptrdiff_t>(begin), out.end()),
                  out.end());
    }

  private:
    std::unordered_map<std::string_view, std::uint32_t, FoldedHash, FoldedEqual> groups_;
    std::uint32_t pseudoGroup_;
    std::uint32_t exactPseudoName_ = kNoGroup;
};

}  // namespace

std::vector<ActorIndex::Row> BuildActorRows(std::span<const std::uint32_t> order,
                                            const ActorColumns& actors,
                                            const std::vector<std::string>& groupNames) {
    const GroupFinder finder(groupNames);
    // Memberships in display order, then bucketed by group: a stable counting sort.
    std::vector<std::uint32_t> groupOf;
    std::vector<std::uint32_t> recordOf;
    std::vector<std::uint32_t> rowsPerGroup(groupNames.size() + 1, 0);
    groupOf.reserve(order.size());
    recordOf.reserve(order.size());
    for (std::uint32_t record : order) {
        const std::size_t before = groupOf.size();
        finder.Find({(*actors[0])[record], (*actors[1])[record], (*actors[2])[record]}, groupOf);
        recordOf.resize(groupOf.size(), record);
        for (std::size_t k = before; k < groupOf.size(); ++k) ++rowsPerGroup[groupOf[k] + 1];
    }
    std::partial_sum(rowsPerGroup.begin(), rowsPerGroup.end(), rowsPerGroup.begin());
    std::vector<ActorIndex::Row> rows(groupOf.size());
    std::vector<std::uint32_t> next(rowsPerGroup.begin(), rowsPerGroup.end() - 1);
    for (std::size_t k = 0; k < groupOf.size(); ++k) {
        const std::uint32_t g = groupOf[k];
        const std::uint32_t at = next[g]++;
        rows[at] = {g, recordOf[k], at == rowsPerGroup[g]};
    }
    return rows;
}

}  // namespace reelkeep
