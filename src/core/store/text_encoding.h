#pragma once

#include <string>
#include <string_view>

namespace reelkeep {

// Whether text is well-formed UTF-8: no overlong forms, no surrogates, nothing above U+10FFFF.
bool IsValidUtf8(std::string_view text);

// Whether text without a byte-order mark reads as UTF-8: it holds more well-formed multi-byte
// sequences than malformed bytes. Windows-1252 text hardly ever forms such a sequence, while a
// UTF-8 file with a stray byte or two still counts as UTF-8.
bool LooksLikeUtf8(std::string_view text);

// Appends one code point (not a surrogate) as UTF-8.
void AppendUtf8(std::string& out, char32_t cp);

// Windows-1252 to UTF-8. The five bytes that code page leaves undefined (0x81, 0x8D, 0x8F, 0x90,
// 0x9D) become the C1 control characters of the same value, so no byte is lost.
std::string Cp1252ToUtf8(std::string_view text);

// UTF-16 to UTF-8; a surrogate without its partner becomes U+FFFD.
std::string Utf16ToUtf8(std::u16string_view text);

// An 8-bit string from a catalogue file as UTF-8: kept when it already is UTF-8, otherwise it
// was written by a Windows-1252 system and is converted.
std::string StoredTextToUtf8(std::string text);

}  // namespace reelkeep
