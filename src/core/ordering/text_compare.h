#pragma once

#include <cstdint>
#include <string>
#include <string_view>

namespace reelkeep {

// The catalogue's only collation: bytes compared as unsigned values after folding A-Z to a-z
// (no other byte is folded), a proper prefix first. Returns <0, 0 or >0.
int CompareNoCase(std::string_view a, std::string_view b);

inline bool EqualsNoCase(std::string_view a, std::string_view b) {
    // Equal values are most often spelled alike, and the byte compare is much cheaper.
    return a.size() == b.size() && (a == b || CompareNoCase(a, b) == 0);
}

inline char FoldChar(char c) { return (c >= 'A' && c <= 'Z') ? static_cast<char>(c + 32) : c; }

// The text with A-Z folded to a-z: equal keys are exactly the values EqualsNoCase calls equal,
// so it can key a hash table.
std::string FoldCase(std::string_view text);

// A hash of the folded text: values equal ignoring case hash alike.
std::uint64_t FoldedHash(std::string_view text);

// The filter rule: value's first filter.size() bytes equal the filter ignoring case
// (a value shorter than the filter passes only when equal to it).
bool StartsWithNoCase(std::string_view value, std::string_view prefix);

// Empty, or led by a space: such values sink to the end of key sorts.
inline bool IsBlankLed(std::string_view value) { return value.empty() || value.front() == ' '; }

// Non-empty and every byte a decimal digit.
bool IsAllDigits(std::string_view value);

// The digits without their leading zeros: texts of equal value become equal texts ("" for zero).
inline std::string_view WithoutLeadingZeros(std::string_view digits) {
    std::size_t first = 0;
    while (first < digits.size() && digits[first] == '0') ++first;
    return digits.substr(first);
}

// Compares two texts of digits by numeric value, however many digits they hold; an empty text is
// zero. Every numeric comparison goes through here, so that all agree; inline, as the sorts call
// it once per comparison.
inline int CompareDigitsByValue(std::string_view a, std::string_view b) {
    a = WithoutLeadingZeros(a);
    b = WithoutLeadingZeros(b);
    if (a.size() != b.size()) return a.size() < b.size() ? -1 : 1;
    const int order = a.compare(b);
    return (order > 0) - (order < 0);
}

}  // namespace reelkeep
