#include "actor_index_builder.h"

#include <algorithm>
#include <numeric>
#include <string_view>

#include "folded_index.h"
#include "messages.h"
#include "text_compare.h"

namespace reelkeep {

namespace {

constexpr std::uint32_t kNoGroup = CFoldedIndex::kAbsent;

// Which groups a record belongs to, found by name instead of by visiting every group.
class CGroupFinder {
public:
    explicit CGroupFinder(const std::vector<std::string>& groupNames)
        : names_(groupNames), pseudoGroup_(static_cast<std::uint32_t>(groupNames.size() - 1)) {
        // The group names are distinct ignoring case, so group g is the index's id g.
        index_.Reserve(pseudoGroup_);
        for (std::uint32_t g = 0; g < pseudoGroup_; ++g) {
            index_.Add(groupNames[g]);
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
            if (const std::uint32_t g = index_.Find(name, names_); g != kNoGroup) out.push_back(g);
            // The pseudo-actor's group takes any actor spelled like it, whatever the case.
            if (EqualsNoCase(name, msg::kNoActorListed)) out.push_back(pseudoGroup_);
        }
        std::sort(out.begin() + static_cast<std::ptrdiff_t>(begin), out.end());
        out.erase(std::unique(out.begin() + static_cast<std::ptrdiff_t>(begin), out.end()),
                  out.end());
    }

private:
    const std::vector<std::string>& names_;
    CFoldedIndex index_;
    std::uint32_t pseudoGroup_;
    std::uint32_t exactPseudoName_ = kNoGroup;
};

}  // namespace

std::vector<ActorIndex::Row> BuildActorRows(std::span<const std::uint32_t> order,
                                            const ActorColumns& actors,
                                            const std::vector<std::string>& groupNames) {
    const CGroupFinder finder(groupNames);
    const std::size_t records = actors[0]->size();
    // Groups of each displayed record, found in record order so that the actor columns are read
    // front to back: groups[first[r] .. first[r + 1]) belong to record r.
    std::vector<std::uint8_t> shown(records, 0);
    for (std::uint32_t record : order) shown[record] = 1;
    std::vector<std::uint32_t> first(records + 1, 0);
    std::vector<std::uint32_t> groups;
    groups.reserve(order.size() * 2);
    for (std::size_t r = 0; r < records; ++r) {
        first[r] = static_cast<std::uint32_t>(groups.size());
        if (shown[r]) finder.Find({(*actors[0])[r], (*actors[1])[r], (*actors[2])[r]}, groups);
    }
    first[records] = static_cast<std::uint32_t>(groups.size());

    // Rows bucketed by group, records within a group in display order: a stable counting sort.
    std::vector<std::uint32_t> start(groupNames.size() + 1, 0);
    for (std::uint32_t g : groups) ++start[g + 1];
    std::partial_sum(start.begin(), start.end(), start.begin());
    std::vector<ActorIndex::Row> rows(groups.size());
    std::vector<std::uint32_t> next(start.begin(), start.end() - 1);
    for (std::uint32_t record : order) {
        for (std::uint32_t k = first[record]; k < first[record + 1]; ++k) {
            const std::uint32_t g = groups[k];
            const std::uint32_t at = next[g]++;
            rows[at] = {g, record, at == start[g]};
        }
    }
    return rows;
}

}  // namespace reelkeep
