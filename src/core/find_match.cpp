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

bool ContainsNoCase(std::string_view field, std::string_view foldedNeedle) {
    if (field.empty()) return false;
    if (foldedNeedle.empty()) return true;
    if (field.size() < foldedNeedle.size()) return false;
    const char first = foldedNeedle.front();
    const std::string_view rest = foldedNeedle.substr(1);
    const std::size_t lastStart = field.size() - foldedNeedle.size();
    for (std::size_t i = 0; i <= lastStart; ++i) {
        if (FoldChar(field[i]) != first) continue;
        std::size_t k = 0;
        while (k < rest.size() && FoldChar(field[i + 1 + k]) == rest[k]) ++k;
        if (k == rest.size()) return true;
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

FindMatcher::FindMatcher(const FindSettings& settings)
    : settings_(settings), foldedText_(FoldCase(settings.text)) {}

bool FindMatcher::Matches(std::string_view field) const {
    if (settings_.wholeWord) {
        return settings_.matchCase ? HasWordExact(field, settings_.text)
                                   : HasWordNoCase(field, settings_.text);
    }
    return settings_.matchCase ? ContainsExact(field, settings_.text)
                               : ContainsNoCase(field, foldedText_);
}

}  // namespace reelkeep
