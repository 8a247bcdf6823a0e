#pragma once

#include <string>
#include <string_view>

#include "ui_interface.h"

namespace reelkeep {

// Field matching of Find. Empty fields never match. Words are the non-empty runs between
// spaces; punctuation belongs to the word.
bool ContainsNoCase(std::string_view field, std::string_view foldedNeedle);
bool ContainsExact(std::string_view field, std::string_view needle);
bool HasWordNoCase(std::string_view field, std::string_view needle);
bool HasWordExact(std::string_view field, std::string_view needle);

// One search's matching rule, prepared once so that testing a field allocates nothing.
class FindMatcher {
  public:
    explicit FindMatcher(const FindSettings& settings);
    bool Matches(std::string_view field) const;

  private:
    FindSettings settings_;
    std::string foldedText_;
};

}  // namespace reelkeep
