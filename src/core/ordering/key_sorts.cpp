#include "key_sorts.h"

#include "text_compare.h"
#include "value_ranks.h"

namespace reelkeep {

namespace {

std::vector<std::string_view> ValuesOf(std::span<const std::uint32_t> order,
                                       const std::vector<std::string>& values) {
    std::vector<std::string_view> keys(order.size());
    for (std::size_t p = 0; p < order.size(); ++p) keys[p] = values[order[p]];
    return keys;
}

// Puts every entry for which last(p) holds after all others, all of them tied.
template <typename Last>
void RankLast(Ranks& ranks, Last last) {
    for (std::size_t p = 0; p < ranks.rank.size(); ++p) {
        if (last(p)) ranks.rank[p] = ranks.count;
    }
    ++ranks.count;
}

bool DigitsLess(std::string_view a, std::string_view b) { return CompareDigitsByValue(a, b) < 0; }

// A counter's value: no number, or a sign and its digits without leading zeros.
struct CounterValue {
    bool hasNumber = false;
    bool negative = false;
    std::string_view digits;

    bool operator==(const CounterValue&) const = default;
};

struct CounterHash {
    std::size_t operator()(const CounterValue& v) const {
        return std::hash<std::string_view>{}(v.digits) * 4 + std::size_t{v.hasNumber} * 2 +
               std::size_t{v.negative};
    }
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
    value.digits = WithoutLeadingZeros(text.substr(pos, end - pos));
    if (value.digits.empty()) value.negative = false;  // "-0" and "-x" read as 0
    return value;
}

bool CounterLess(const CounterValue& a, const CounterValue& b) {
    if (a.hasNumber != b.hasNumber) return !a.hasNumber;
    if (!a.hasNumber) return false;
    if (a.negative != b.negative) return a.negative;
    return a.negative ? DigitsLess(b.digits, a.digits) : DigitsLess(a.digits, b.digits);
}

}  // namespace

bool BlanksLastLess(std::string_view a, std::string_view b) {
    const bool blankA = IsBlankLed(a);
    const bool blankB = IsBlankLed(b);
    if (blankA || blankB) return !blankA && blankB;
    return CompareNoCase(a, b) < 0;
}

void StableSortBlanksLast(std::span<std::uint32_t> order, const std::vector<std::string>& values) {
    const std::vector<std::string_view> keys = ValuesOf(order, values);
    Ranks ranks = RankNoCase(keys);
    RankLast(ranks, [&](std::size_t p) { return IsBlankLed(keys[p]); });
    StableSortByRanks(order, ranks);
}

bool StableSortTapeNumbers(std::span<std::uint32_t> order, const std::vector<std::string>& tapes,
                           bool asText) {
    std::vector<std::string_view> keys = ValuesOf(order, tapes);
    if (asText) {
        StableSortByRanks(order, RankNoCase(keys));
        return false;
    }
    bool sawNonNumeric = false;
    std::vector<bool> number(keys.size());
    for (std::size_t p = 0; p < keys.size(); ++p) {
        number[p] = IsAllDigits(keys[p]);
        sawNonNumeric = sawNonNumeric || (!number[p] && !keys[p].empty());
        keys[p] = number[p] ? WithoutLeadingZeros(keys[p]) : std::string_view{};
    }
    // Numbers by value; everything else after them, in the order it had.
    Ranks ranks = RankKeys<std::string_view>(keys, std::hash<std::string_view>{},
                                             std::equal_to<std::string_view>{}, DigitsLess);
    RankLast(ranks, [&](std::size_t p) { return !number[p]; });
    StableSortByRanks(order, ranks);
    return sawNonNumeric && order.size() >= 2;
}

void StableSortCounters(std::span<std::uint32_t> order, const std::vector<std::string>& counters) {
    std::vector<CounterValue> keys(order.size());
    for (std::size_t p = 0; p < order.size(); ++p) keys[p] = ReadCounter(counters[order[p]]);
    StableSortByRanks(order, RankKeys<CounterValue>(keys, CounterHash{},
                                                    std::equal_to<CounterValue>{}, CounterLess));
}

}  // namespace reelkeep
