#include "soak_model.h"

#include "key_sorts.h"
#include "sort_keys.h"
#include "text_compare.h"
#include "title_sort.h"

namespace reelkeep::test::soak {

namespace {

using Kind = Effect::Kind;

// The title sort reads the ignore-The option of the layout it runs in: One Line Sorts stays,
// anything else turns into the Normal View.
ref::Order TitleSorted(ref::Order order, const ref::Records& records, ViewStyle style,
                       const DocumentOptions& options) {
    const bool oneLine = style == ViewStyle::OneLine;
    ref::TitleSort(order, records, oneLine ? options.ignoreTheOneLine : options.ignoreTheNormal);
    return order;
}

// Every sort but the actors' starts with the title sort.
ref::Order SortedBy(ref::Order order, SortMark key, ViewStyle style, const ref::Records& records,
                    const DocumentOptions& options) {
    if (key == SortMark::Actors || key == SortMark::None) return order;
    order = TitleSorted(std::move(order), records, style, options);
    if (key == SortMark::TapeNumber) {
        ref::TapeSort(order, records, options.tapeText);
    } else if (key != SortMark::Title) {
        ref::KeySort(order, records, *FindSortKey(key)->keyField);
    }
    return order;
}

ref::Order LabelOrder(ref::Order order, const ref::Records& records,
                      const DocumentOptions& options) {
    if (records.size() >= 2) ref::CounterSort(order, records);
    ref::TapeSort(order, records, options.tapeText);
    return order;
}

ref::Order Reapplied(ref::Order order, const DisplayState& from, const ref::Records& records,
                     const DocumentOptions& options) {
    // The actor index leaves the order alone, and so does its fall-back to the title mark.
    if (order.empty() || from.sort == SortMark::Actors) return order;
    if (from.sort == SortMark::TapeNumber && from.LabelFormat()) {
        return LabelOrder(std::move(order), records, options);
    }
    return SortedBy(std::move(order), from.sort, from.style, records, options);
}

ref::Order AfterOptions(ref::Order order, const StepStart& start, const ref::Records& records,
                        const DocumentOptions& options) {
    if (order.size() <= 1) return order;
    const DisplayState& d = start.display;
    if (d.NormalView() && d.sort == SortMark::Title &&
        options.ignoreTheNormal != start.options.ignoreTheNormal) {
        return TitleSorted(start.resorted, records, ViewStyle::Normal, options);
    }
    if (d.OneLine() && options.ignoreTheOneLine != start.options.ignoreTheOneLine) {
        return TitleSorted(start.resorted, records, ViewStyle::OneLine, options);
    }
    return order;
}

}  // namespace

bool SameUpToTies(const ref::Order& a, const ref::Order& b, const DisplayState& from,
                  const ref::Records& records, const DocumentOptions& options) {
    if (a.size() != b.size() || from.sort == SortMark::None || from.sort == SortMark::Actors) {
        return false;
    }
    const bool ignoreThe = from.OneLine() ? options.ignoreTheOneLine : options.ignoreTheNormal;
    const auto same = [&](std::uint32_t x, std::uint32_t y, Field f) {
        const std::string& u = ref::Get(records, x, f);
        const std::string& v = ref::Get(records, y, f);
        if (f == Field::MovieName)
            return EqualsNoCase(TitleKey(u, ignoreThe), TitleKey(v, ignoreThe));
        if (f != Field::TapeNumber) return !BlanksLastLess(u, v) && !BlanksLastLess(v, u);
        if (options.tapeText) return EqualsNoCase(u, v);
        if (IsAllDigits(u) != IsAllDigits(v)) return false;
        return !IsAllDigits(u) || CompareDigitsByValue(u, v) == 0;
    };
    const SortKeyInfo* key = FindSortKey(from.sort);
    for (std::size_t i = 0; i < a.size(); ++i) {
        if (!same(a[i], b[i], Field::MovieName)) return false;
        if (from.sort == SortMark::TapeNumber && !same(a[i], b[i], Field::TapeNumber)) return false;
        if (key->keyField && !same(a[i], b[i], *key->keyField)) return false;
    }
    return true;
}

ref::Order ExpectedOrder(const Effect& effect, const StepStart& start, const ref::Records& records,
                         const FilterTexts& filters, const DocumentOptions& options) {
    switch (effect.kind) {
        case Kind::Kept:
            return start.order;
        case Kind::Sorted:
            return SortedBy(start.resorted, effect.key, start.display.style, records, options);
        case Kind::TitleIfLabels:
            if (!start.display.LabelFormat()) return start.order;
            return TitleSorted(start.resorted, records, effect.style, options);
        case Kind::Labels:
            return LabelOrder(start.resorted, records, options);
        case Kind::Options:
            return AfterOptions(start.order, start, records, options);
        case Kind::Refiltered:
            return Reapplied(ref::Filter(records, filters).order, effect.from, records, options);
        case Kind::Loaded: {
            ref::Order order = ref::Filter(records, filters).order;
            if (records.size() <= 1) return order;
            return TitleSorted(std::move(order), records, start.display.style, options);
        }
    }
    return start.order;
}

}  // namespace reelkeep::test::soak
