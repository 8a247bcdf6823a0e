#pragma once

#include <cstdint>
#include <vector>

namespace reelkeep {

// The view's row marks: one flag per row of the current display mode, and whether the user
// made a selection (which enables Delete and Modify).
class CSelectionFlags {
public:
    // All rows unselected; the user's selection is gone.
    void Reset(std::size_t count);
    void ClearAll();
    // Only row is set to value, without counting as a user selection (Find uses it).
    void SelectOnly(std::size_t row, bool value);
    // Every row selected when nothing was, else nothing selected.
    void ToggleAll(std::size_t count);
    // A left click on row with the modifier keys held.
    void Click(std::size_t row, bool shift, bool ctrl);
    // A double click selects the row alone, ready for Modify.
    void SelectSingle(std::size_t row);
    // The keyboard's choices: one row selected or unselected, the others left as they are; the
    // rows between two rows added.
    void Toggle(std::size_t row);
    void AddRange(std::size_t from, std::size_t to);

    bool IsSelected(std::size_t row) const { return row < flags_.size() && flags_[row] != 0; }
    bool Present() const { return present_; }
    std::size_t size() const { return flags_.size(); }
    std::size_t CountSelected() const;
    const std::vector<std::uint32_t>& Flags() const { return flags_; }
    // The selected rows in ascending order; none without a user selection.
    std::vector<std::uint32_t> SelectedRows() const;

private:
    void SelectRange(std::size_t from, std::size_t to);

    std::vector<std::uint32_t> flags_;
    bool present_ = false;
};

}  // namespace reelkeep
