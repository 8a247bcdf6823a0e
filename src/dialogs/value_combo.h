#pragma once

#include <string>
#include <string_view>
#include <vector>

class QComboBox;
class QString;
class QStringListModel;
class QWidget;

// The editable drop-down lists of the entry dialog: they offer the values already in use and
// accept any new text, which they hand back exactly as typed.
namespace reelkeep {

QComboBox* MakeValueCombo(QWidget* parent = nullptr);

// The values sorted ignoring case, as the lists show them, in a model owned by owner (several
// lists may share it). A value that cannot be copied for want of memory is left out and
// noMemory is reported once for the list.
QStringListModel* SortedValueModel(const std::vector<std::string>& values,
                                   std::string_view noMemory, QWidget* owner);

// Shows value in the edit field, unchanged; the first entry beginning with it becomes current,
// so the open list starts there. An empty value selects nothing.
void ShowValue(QComboBox* combo, const QString& value);

}  // namespace reelkeep
