#pragma once

#include <cstdint>
#include <string>
#include <string_view>

namespace reelkeep {

// How the core's texts reach the user's language: the form of one of messages.h's texts, and of
// a number put into one. This plain form (the English text, digits) serves every front end that
// loads no translation.
class CTextLanguage {
public:
    virtual ~CTextLanguage() = default;
    virtual std::string Text(std::string_view english) const { return std::string(english); }
    virtual std::string Number(std::uint64_t number) const { return std::to_string(number); }
};

inline const CTextLanguage& PlainText() {
    static const CTextLanguage plain;
    return plain;
}

// text with its first marker ("%1", "%s") replaced by value; a translation that lost the marker
// still reads as a sentence, just without the value.
inline std::string FillIn(std::string_view text, std::string_view marker, std::string_view value) {
    std::string out(text);
    if (const std::size_t at = out.find(marker); at != std::string::npos) {
        out.replace(at, marker.size(), value);
    }
    return out;
}

}  // namespace reelkeep
