#pragma once

#include <array>
#include <cstdint>
#include <string>
#include <string_view>

#include "ui_interface.h"

namespace reelkeep {

// Substring search ignoring the case of A-Z, prepared once per needle (a skip table over folded
// bytes), so that testing a field allocates nothing and skips ahead.
class CFoldedSearch {
public:
    explicit CFoldedSearch(std::string_view needle);
    // Empty fields never contain anything; an empty needle is in every other field.
    bool FoundIn(std::string_view field) const;

private:
    std::string folded_;
    std::array<std::size_t, 256> skip_{};
};

// Field matching of Find. Empty fields never match. Words are the non-empty runs between
// spaces; punctuation belongs to the word.
bool ContainsExact(std::string_view field, std::string_view needle);
bool HasWordNoCase(std::string_view field, std::string_view needle);
bool HasWordExact(std::string_view field, std::string_view needle);

// One search's matching rule.
class CFindMatcher {
public:
    explicit CFindMatcher(const FindSettings& settings);
    bool Matches(std::string_view field) const;

private:
    FindSettings settings_;
    CFoldedSearch folded_;
};

}  // namespace reelkeep
