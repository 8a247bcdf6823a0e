#include "value_combo.h"

#include <QComboBox>
#include <QLineEdit>
#include <limits>
#include <new>

#include "dialog_strings.h"
#include "dialog_widgets.h"
#include "qt_text.h"
#include "text_compare.h"

namespace reelkeep {

namespace {

// Wide enough for most names; a long entry must not stretch the whole dialog.
constexpr int kComboMinimumChars = 12;

// What each drop-down list says when it cannot take more values, by LookupKind.
constexpr std::array<std::string_view, kLookupCount> kNoMemory = {
    dlg::kNoMemoryActors,     dlg::kNoMemoryCustom[0], dlg::kNoMemoryCustom[1],
    dlg::kNoMemoryCustom[2],  dlg::kNoMemoryCustom[3], dlg::kNoMemoryMovieTypes,
    dlg::kNoMemoryMediaTypes, dlg::kNoMemoryRatings,
};

QStringList Converted(const std::vector<std::string>& values, bool& outOfMemory) {
    QStringList entries;
    entries.reserve(static_cast<qsizetype>(values.size()));
    for (const std::string& value : values) {
        try {
            entries.append(ToQt(value));
        } catch (const std::bad_alloc&) {
            outOfMemory = true;
        }
    }
    return entries;
}

// Brings entries from one version of a list to a later one of the same fill; false, part-way,
// where a change does not fit them.
bool FollowChanges(QStringList& entries, const std::vector<EntryListChange>& changes,
                   std::size_t from) {
    for (std::size_t i = from; i < changes.size(); ++i) {
        const EntryListChange& change = changes[i];
        const auto place = static_cast<qsizetype>(change.place);
        if (place > entries.size() || (!change.arrives && place == entries.size())) return false;
        if (change.arrives) {
            entries.insert(place, ToQt(change.value));
        } else {
            entries.removeAt(place);
        }
    }
    return true;
}

}  // namespace

QComboBox* MakeValueCombo(QWidget* parent) {
    auto* combo = new QComboBox(parent);
    combo->setEditable(true);
    combo->setInsertPolicy(QComboBox::NoInsert);
    // The default completer rewrites the typed text (completion, the list's capitals); the
    // catalogue keeps what the user typed.
    combo->setCompleter(nullptr);
    combo->lineEdit()->setMaxLength(std::numeric_limits<int>::max());
    combo->setSizeAdjustPolicy(QComboBox::AdjustToMinimumContentsLengthWithIcon);
    combo->setMinimumContentsLength(kComboMinimumChars);
    return combo;
}

const EntryDialogEntries& CEntryListCache::Update(const CCatalogue& catalogue, QWidget* owner) {
    for (std::size_t k = 0; k < kLookupCount; ++k) {
        const auto kind = static_cast<LookupKind>(k);
        const EntryListVersion now = catalogue.EntryListVersionOf(kind);
        std::optional<EntryListVersion>& had = versions_[k];
        if (had && had->fill == now.fill && had->changes <= now.changes) {
            try {
                if (FollowChanges(entries_[k], catalogue.EntryListChanges(kind), had->changes)) {
                    had = now;
                    continue;
                }
            } catch (const std::bad_alloc&) {
                // Converted whole below, where a value left out is told.
            }
        }
        bool outOfMemory = false;
        QStringList converted;
        try {
            converted = Converted(catalogue.EntryLists()[k], outOfMemory);
        } catch (const std::bad_alloc&) {
            outOfMemory = true;
        }
        entries_[k].swap(converted);
        had = outOfMemory ? std::nullopt : std::optional(now);
        if (outOfMemory) ShowWarning(owner, kNoMemory[k]);
    }
    return entries_;
}

void ShowValue(QComboBox* combo, const QString& value) {
    int current = -1;
    if (!value.isEmpty()) {
        const std::string prefix = FromQt(value);
        // Entries are sorted by CompareNoCase, so those beginning with prefix follow the point
        // where the entries stop being smaller than it. The binary search is written out: the
        // clang 14 behind clang-tidy cannot compile libstdc++ 12's views::iota.
        int first = 0;
        int end = combo->count();
        while (first < end) {
            const int middle = first + (end - first) / 2;
            if (CompareNoCase(FromQt(combo->itemText(middle)), prefix) < 0) {
                first = middle + 1;
            } else {
                end = middle;
            }
        }
        if (first < combo->count() && StartsWithNoCase(FromQt(combo->itemText(first)), prefix)) {
            current = first;
        }
    }
    combo->setCurrentIndex(current);
    combo->setEditText(value);
}

}  // namespace reelkeep
