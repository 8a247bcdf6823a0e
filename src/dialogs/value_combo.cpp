#include "value_combo.h"

#include <QComboBox>
#include <QLineEdit>
#include <QStringListModel>
#include <algorithm>
#include <limits>
#include <new>

#include "dialog_widgets.h"
#include "qt_text.h"
#include "text_compare.h"

namespace reelkeep {

namespace {

// Wide enough for most names; a long entry must not stretch the whole dialog.
constexpr int kComboMinimumChars = 12;

QStringList SortedEntries(const std::vector<std::string>& values, bool& outOfMemory) {
    std::vector<const std::string*> order;
    order.reserve(values.size());
    for (const std::string& value : values) order.push_back(&value);
    std::ranges::stable_sort(order, [](const std::string* a, const std::string* b) {
        return CompareNoCase(*a, *b) < 0;
    });
    QStringList entries;
    entries.reserve(static_cast<qsizetype>(order.size()));
    for (const std::string* value : order) {
        try {
            entries.append(ToQt(*value));
        } catch (const std::bad_alloc&) {
            outOfMemory = true;
        }
    }
    return entries;
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

QStringListModel* SortedValueModel(const std::vector<std::string>& values,
                                   std::string_view noMemory, QWidget* owner) {
    bool outOfMemory = false;
    QStringList entries;
    try {
        entries = SortedEntries(values, outOfMemory);
    } catch (const std::bad_alloc&) {
        outOfMemory = true;
    }
    if (outOfMemory) ShowWarning(owner, noMemory);
    return new QStringListModel(entries, owner);
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
