#include "key_sorts.h"

#include <algorithm>

#include "text_compare.h"

namespace reelkeep {

namespace {

// Sorts order by a key computed once per entry.
template <typename Key, typename MakeKey, typename Less>
void StableSortByKey(std::span<std::uint32_t> order, MakeKey makeKey, Less less) {
    struct Entry {
        Key key;
        std::uint32_t record;
    };
    std::vector<Entry> entries;
    entries.reserve(order.size());
    for (std::uint32_t record : order) entries.push_back({makeKey(record), record});
    std::stable_sort(entries.begin(), entries.end(),
                     [&](const Entry& a, const Entry& b) { return less(a.key, b.key); });
    for (std::size_t p = 0; p < order.size(); ++p) order[p] = entries[p].record;
}

// A counter's value: no number, or a sign and its digits without leading zeros.
struct CounterValue {
    bool hasNumber = false;
    bool negative = false;
    std::string_view digits;
};

CounterValue ReadCounter(std::string_view text) {
    CounterValue value;
    if (IsBlankLed(text)) return value;
    value.hasNumber = true;
    std::size_t pos = 0;
    if (text[0] == '-' || text[0] == '+') {
        value.negative = text[0] == '-';
        pos = 1;
    }
    std::size_t end = pos;
    while (end < text.size() && text[end] >= '0' && text[end] <= '9') ++end;
    while (pos < end && text[pos] == '0') ++pos;
    value.digits = text.substr(pos, end - pos);
    if (value.digits.empty()) value.negative = false;  // "-0" and "-x" read as 0
    return value;
}

bool CounterLess(const CounterValue& a, const CounterValue& b) {
    if (a.hasNumber != b.hasNumber) return !a.hasNumber;
    if (!a.hasNumber) return false;
    if (a.negative != b.negative) return a.negative;
    // Digits carry no leading zeros and empty means zero, so the by-value compare applies.
    const int magnitude = CompareDigitsByValue(a.digits, b.digits);
    return a.negative ? magnitude > 0 : magnitude < 0;
}

}  // namespace

bool BlanksLastLess(std::string_view a, std::string_view b) {
    const bool blankA = IsBlankLed(a);
    const bool blankB = IsBlankLed(b);
    if (blankA || blankB) return !blankA && blankB;
    return CompareNoCase(a, b) < 0;
}

void StableSortBlanksLast(std::span<std::uint32_t> order, const std::vector<std::string>& values) {
    StableSortByKey<std::string_view>(
        order, [&](std::uint32_t r) { return std::string_view(values[r]); }, BlanksLastLess);
}

bool StableSortTapeNumbers(std::span<std::uint32_t> order, const std::vector<std::string>& tapes,
                           bool asText) {
    const auto value = [&](std::uint32_t r) { return std::string_view(tapes[r]); };
    if (asText) {
        StableSortByKey<std::string_view>(order, value, [](std::string_view a, std::string_view b) {
            return CompareNoCase(a, b) < 0;
        });
        return false;
    }
    bool sawNonNumeric = false;
    for (std::uint32_t r : order) {
        const std::string_view tape = value(r);
        if (!tape.empty() && !IsAllDigits(tape)) sawNonNumeric = true;
    }
    // Numbers first by value; everything else after them, in the order it had.
    StableSortByKey<std::string_view>(order, value, [](std::string_view a, std::string_view b) {
        const bool numberA = IsAllDigits(a);
        const bool numberB = IsAllDigits(b);
        if (numberA != numberB) return numberA;
        return numberA && CompareDigitsByValue(a, b) < 0;
    });
    return sawNonNumeric && order.size() >= 2;
}

void StableSortCounters(std::span<std::uint32_t> order, const std::vector<std::string>& counters) {
    StableSortByKey<CounterValue>(
        order, [&](std::uint32_t r) { return ReadCounter(counters[r]); }, CounterLess);
}

}  // namespace reelkeep
