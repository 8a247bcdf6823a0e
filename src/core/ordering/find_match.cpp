#include "find_match.h"

#include "text_compare.h"

namespace reelkeep {

namespace {

// Calls test on every word of field until it returns true.
template <typename Test>
bool AnyWord(std::string_view field, Test test) {
    std::size_t start = 0;
    while (start < field.size()) {
        std::size_t end = field.find(' ', start);
        if (end == std::string_view::npos) end = field.size();
        if (end > start && test(field.substr(start, end - start))) return true;
        start = end + 1;
    }
    return false;
}

}  // namespace

CFoldedSearch::CFoldedSearch(std::string_view needle) : folded_(FoldCase(needle)) {
    // Horspool: how far the window may move when its last byte (folded) is b.
    const std::size_t m = folded_.size();
    skip_.fill(m);
    for (std::size_t i = 0; i + 1 < m; ++i)
        skip_[static_cast<unsigned char>(folded_[i])] = m - 1 - i;
}

bool CFoldedSearch::FoundIn(std::string_view field) const {
    if (field.empty()) return false;
    const std::size_t m = folded_.size();
    if (m == 0) return true;
    for (std::size_t pos = 0; pos + m <= field.size();) {
        std::size_t j = m;
        while (j > 0 && FoldChar(field[pos + j - 1]) == folded_[j - 1]) --j;
        if (j == 0) return true;
        pos += skip_[static_cast<unsigned char>(FoldChar(field[pos + m - 1]))];
    }
    return false;
}

bool ContainsExact(std::string_view field, std::string_view needle) {
    return !field.empty() && field.find(needle) != std::string_view::npos;
}

bool HasWordNoCase(std::string_view field, std::string_view needle) {
    return AnyWord(field, [needle](std::string_view word) { return EqualsNoCase(word, needle); });
}

bool HasWordExact(std::string_view field, std::string_view needle) {
    return AnyWord(field, [needle](std::string_view word) { return word == needle; });
}

CFindMatcher::CFindMatcher(const FindSettings& settings)
    : settings_(settings), folded_(settings.text) {}

bool CFindMatcher::Matches(std::string_view field) const {
    if (settings_.wholeWord) {
        return settings_.matchCase ? HasWordExact(field, settings_.text)
                                   : HasWordNoCase(field, settings_.text);
    }
    return settings_.matchCase ? ContainsExact(field, settings_.text) : folded_.FoundIn(field);
}

}  // namespace reelkeep
