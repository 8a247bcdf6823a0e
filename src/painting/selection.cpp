#include "selection.h"

#include <algorithm>

namespace reelkeep {

void CSelectionFlags::Reset(std::size_t count) {
    flags_.assign(count, 0);
    present_ = false;
}

void CSelectionFlags::ClearAll() {
    std::fill(flags_.begin(), flags_.end(), 0);
    present_ = false;
}

void CSelectionFlags::SelectOnly(std::size_t row, bool value) {
    Reset(flags_.size());
    if (row < flags_.size()) flags_[row] = value ? 1 : 0;
}

void CSelectionFlags::ToggleAll(std::size_t count) {
    if (present_) {
        ClearAll();
        return;
    }
    flags_.assign(count, 1);
    present_ = true;
}

void CSelectionFlags::Click(std::size_t row, bool shift, bool ctrl) {
    if (row >= flags_.size()) return;
    // A click on a selected row clears the whole selection, whatever keys are held.
    if (flags_[row] != 0) {
        ClearAll();
        return;
    }
    if (!shift && !ctrl) std::fill(flags_.begin(), flags_.end(), 0);
    if (shift && present_) {
        const auto last = std::find(flags_.rbegin(), flags_.rend(), 1u);
        const std::size_t lastSelected =
            last == flags_.rend() ? 0 : static_cast<std::size_t>(flags_.rend() - last - 1);
        if (lastSelected < row) {
            SelectRange(lastSelected, row);
        } else {
            const auto first = std::find(flags_.begin(), flags_.end(), 1u);
            const std::size_t firstSelected = static_cast<std::size_t>(first - flags_.begin());
            if (first != flags_.end() && firstSelected >= row) SelectRange(row, firstSelected);
        }
    }
    flags_[row] = 1;
    present_ = true;
}

void CSelectionFlags::SelectSingle(std::size_t row) {
    std::fill(flags_.begin(), flags_.end(), 0);
    if (row < flags_.size()) flags_[row] = 1;
    present_ = true;
}

void CSelectionFlags::Toggle(std::size_t row) {
    if (row >= flags_.size()) return;
    flags_[row] = flags_[row] != 0 ? 0 : 1;
    present_ = flags_[row] != 0 || std::find(flags_.begin(), flags_.end(), 1u) != flags_.end();
}

void CSelectionFlags::AddRange(std::size_t from, std::size_t to) {
    if (flags_.empty()) return;
    const std::size_t last = flags_.size() - 1;
    SelectRange(std::min({from, to, last}), std::min(std::max(from, to), last));
    present_ = true;
}

std::size_t CSelectionFlags::CountSelected() const {
    return static_cast<std::size_t>(std::count(flags_.begin(), flags_.end(), 1u));
}

std::vector<std::uint32_t> CSelectionFlags::SelectedRows() const {
    std::vector<std::uint32_t> rows;
    if (!present_) return rows;
    for (std::size_t row = 0; row < flags_.size(); ++row) {
        if (flags_[row] != 0) rows.push_back(static_cast<std::uint32_t>(row));
    }
    return rows;
}

void CSelectionFlags::SelectRange(std::size_t from, std::size_t to) {
    std::fill(flags_.begin() + static_cast<std::ptrdiff_t>(from),
              flags_.begin() + static_cast<std::ptrdiff_t>(to) + 1, 1u);
}

}  // namespace reelkeep
