#include "accessible_rows.h"

#include "row_accessible.h"

namespace reelkeep {

QAccessibleInterface* CAccessibleRows::Row(std::uint32_t row) {
    const auto known = ids_.find(row);
    if (known != ids_.end()) {
        if (QAccessibleInterface* iface = QAccessible::accessibleInterface(known->second)) {
            return iface;
        }
    } else {
        if (made_.size() >= kMaxRows) DropOldest();
        made_.push_back(row);
    }
    auto* iface = new CRowAccessible(view_, row);
    ids_[row] = QAccessible::registerAccessibleInterface(iface);
    return iface;
}

void CAccessibleRows::DropOldest() {
    const auto oldest = ids_.find(made_.front());
    made_.pop_front();
    if (oldest == ids_.end()) return;
    if (QAccessible::accessibleInterface(oldest->second)) {
        QAccessible::deleteAccessibleInterface(oldest->second);
    }
    ids_.erase(oldest);
}

void CAccessibleRows::Release() {
    for (const auto& [row, id] : ids_) {
        if (QAccessible::accessibleInterface(id)) QAccessible::deleteAccessibleInterface(id);
    }
    ids_.clear();
    made_.clear();
}

}  // namespace reelkeep
