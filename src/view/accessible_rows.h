#pragma once

#include <QAccessible>
#include <cstdint>
#include <deque>
#include <unordered_map>

namespace reelkeep {

class CReelkeepView;

// The row interfaces a screen reader has asked for, registered with the accessibility cache.
// Only a bounded number is kept, oldest out first, so a reader walking a million rows holds no
// more than a screenful or two; all of them go when the listing changes.
class CAccessibleRows {
public:
    explicit CAccessibleRows(CReelkeepView& view) : view_(view) {}
    ~CAccessibleRows() { Release(); }
    CAccessibleRows(const CAccessibleRows&) = delete;
    CAccessibleRows& operator=(const CAccessibleRows&) = delete;

    QAccessibleInterface* Row(std::uint32_t row);
    void Release();
    std::size_t Count() const { return ids_.size(); }

    static constexpr std::size_t kMaxRows = 256;

private:
    void DropOldest();

    CReelkeepView& view_;
    std::unordered_map<std::uint32_t, QAccessible::Id> ids_;
    std::deque<std::uint32_t> made_;  // rows in the order their interfaces were made
};

}  // namespace reelkeep
