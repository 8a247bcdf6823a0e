#pragma once

#include <string>
#include <string_view>

// The first character of a text as a person reads it, for the reports' page breaks by letter.
// Only the first character is folded; every other comparison of the catalogue stays byte-wise.
namespace reelkeep {

// The bytes of text's first character: one well-formed UTF-8 sequence, or the first byte alone
// where the text is not well-formed there. Empty for an empty text.
std::string_view FirstCharacter(std::string_view text);

// A character's lower-case form, without a locale: ASCII, Latin-1, Latin Extended-A, the regular
// runs of Latin Extended-B, Greek and Cyrillic capitals fold; everything else stays as it is.
char32_t LowerCaseLetter(char32_t c);

// The first character of text, lower-cased, as UTF-8 (a stray non-UTF-8 byte as itself).
std::string FoldedFirstCharacter(std::string_view text);

// Whether two texts begin with the same character, ignoring its case.
bool SameFirstLetter(std::string_view a, std::string_view b);

}  // namespace reelkeep
