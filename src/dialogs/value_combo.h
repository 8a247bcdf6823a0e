#pragma once

#include <QStringList>
#include <array>
#include <optional>

#include "catalogue.h"

class QComboBox;
class QString;
class QWidget;

// The editable drop-down lists of the entry dialog: they offer the values already in use and
// accept any new text, which they hand back exactly as typed.
namespace reelkeep {

QComboBox* MakeValueCombo(QWidget* parent = nullptr);

// The entries of the entry dialog's lists as its drop-down lists show them, by LookupKind.
using EntryDialogEntries = std::array<QStringList, kLookupCount>;

// The catalogue's entry dialog lists converted for the drop-down lists, kept from one showing of
// the dialog to the next: each showing converts only the entries that changed since the last.
class CEntryListCache {
public:
    // The lists as the catalogue holds them now. A value that cannot be converted for want of
    // memory is left out and its list's message shown (over owner) once; that list is converted
    // whole again the next time.
    const EntryDialogEntries& Update(const CCatalogue& catalogue, QWidget* owner);

private:
    EntryDialogEntries entries_;
    // What each list was converted from; none for a list to convert whole.
    std::array<std::optional<EntryListVersion>, kLookupCount> versions_{};
};

// Shows value in the edit field, unchanged; the first entry beginning with it becomes current,
// so the open list starts there. An empty value selects nothing.
void ShowValue(QComboBox* combo, const QString& value);

}  // namespace reelkeep
