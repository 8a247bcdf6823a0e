#pragma once

#include <string>
#include <string_view>
#include <vector>

#include "foreign_movie.h"

// What Ant Movie Catalog's catalogue and its XML export hold alike, fitted into a foreign movie.
namespace reelkeep::amc {

// Counts one value of a kind that has no field here.
void Note(ForeignMovie& movie, std::string_view what, bool held);

// Compares tags as AMC does, ignoring the case of A to Z.
bool EqualsIgnoringCase(std::string_view a, std::string_view b);
// A tag as that comparison sees it, to look it up by.
std::string FoldedTag(std::string_view tag);

// AMC keeps the cast as one text: names parted by commas or line breaks, each perhaps with its
// role in parentheses or after " as ".
std::vector<std::string> SplitCast(std::string_view text);

// Categories parted by "," or "/".
std::vector<std::string> SplitGenres(std::string_view text);

// The title, the genres and the cast. The translated title is the one in the owner's language,
// the one on the copy they keep; the original title comes in only where there is no translated
// one, and is counted as left out where it says something else.
void TakeNamedFields(ForeignMovie& movie, std::string originalTitle, std::string translatedTitle,
                     std::string_view category, std::string_view actors);

}  // namespace reelkeep::amc
