#include "first_letter.h"

#include <array>
#include <cstdint>

#include "text_encoding.h"

namespace reelkeep {

namespace {

// A run of capitals and the distance to their small letters; in an alternating run only every
// other character, from the first, is a capital, with its small letter just after it.
struct CaseRun {
    char32_t first;
    char32_t last;
    std::int32_t toLower;
    bool alternating;
};

constexpr std::array<CaseRun, 37> kCaseRuns = {{
    {0x41, 0x5A, 32, false},               // A-Z
    {0xC0, 0xD6, 32, false},               // À-Ö
    {0xD8, 0xDE, 32, false},               // Ø-Þ
    {0x100, 0x12F, 1, true},               // Ā-į
    {0x130, 0x130, 0x69 - 0x130, false},   // İ
    {0x132, 0x137, 1, true},               // Ĳ-ķ
    {0x139, 0x148, 1, true},               // Ĺ-ň
    {0x14A, 0x177, 1, true},               // Ŋ-ŷ
    {0x178, 0x178, 0xFF - 0x178, false},   // Ÿ
    {0x179, 0x17E, 1, true},               // Ź-ž
    {0x1C4, 0x1C4, 2, false},              // Ǆ
    {0x1C5, 0x1C5, 1, false},              // ǅ
    {0x1C7, 0x1C7, 2, false},              // Ǉ
    {0x1C8, 0x1C8, 1, false},              // ǈ
    {0x1CA, 0x1CA, 2, false},              // Ǌ
    {0x1CB, 0x1CB, 1, false},              // ǋ
    {0x1CD, 0x1DC, 1, true},               // Ǎ-ǜ
    {0x1DE, 0x1EF, 1, true},               // Ǟ-ǯ
    {0x1F1, 0x1F1, 2, false},              // Ǳ
    {0x1F2, 0x1F2, 1, false},              // ǲ
    {0x1F4, 0x1F4, 1, false},              // Ǵ
    {0x1F8, 0x21F, 1, true},               // Ǹ-ȟ
    {0x222, 0x233, 1, true},               // Ȣ-ȳ
    {0x246, 0x24F, 1, true},               // Ɇ-ɏ
    {0x386, 0x386, 0x3AC - 0x386, false},  // Ά
    {0x388, 0x38A, 37, false},             // Έ-Ί
    {0x38C, 0x38C, 64, false},             // Ό
    {0x38E, 0x38F, 63, false},             // Ύ-Ώ
    {0x391, 0x3A1, 32, false},             // Α-Ρ
    {0x3A3, 0x3AB, 32, false},             // Σ-Ϋ
    {0x400, 0x40F, 80, false},             // Ѐ-Џ
    {0x410, 0x42F, 32, false},             // А-Я
    {0x460, 0x481, 1, true},               // Ѡ-ҁ
    {0x48A, 0x4BF, 1, true},               // Ҋ-ҿ
    {0x4C0, 0x4C0, 15, false},             // Ӏ
    {0x4C1, 0x4CE, 1, true},               // Ӂ-ӎ
    {0x4D0, 0x52F, 1, true},               // Ӑ-ԯ
}};

// The length of the UTF-8 sequence a lead byte opens; 0 for a byte that opens none.
std::size_t SequenceLength(unsigned char lead) {
    if (lead < 0x80) return 1;
    if (lead >= 0xC2 && lead <= 0xDF) return 2;
    if (lead >= 0xE0 && lead <= 0xEF) return 3;
    if (lead >= 0xF0 && lead <= 0xF4) return 4;
    return 0;
}

// The code point of a well-formed sequence.
char32_t Decode(std::string_view sequence) {
    static constexpr std::array<unsigned char, 5> kLeadBits = {0, 0x7F, 0x1F, 0x0F, 0x07};
    char32_t c = static_cast<unsigned char>(sequence[0]) & kLeadBits[sequence.size()];
    for (std::size_t i = 1; i < sequence.size(); ++i) {
        c = (c << 6) | (static_cast<unsigned char>(sequence[i]) & 0x3F);
    }
    return c;
}

constexpr char32_t kNoCharacter = 0x200000;

// What two first characters are compared by: the folded code point, or, for a byte that is no
// UTF-8, a value past every code point so it matches only itself.
char32_t FoldedKey(std::string_view text) {
    const std::string_view first = FirstCharacter(text);
    if (first.empty()) return kNoCharacter;
    if (SequenceLength(static_cast<unsigned char>(first[0])) != first.size()) {
        return 0x110000 + static_cast<unsigned char>(first[0]);
    }
    return LowerCaseLetter(Decode(first));
}

}  // namespace

std::string_view FirstCharacter(std::string_view text) {
    if (text.empty()) return text;
    const std::size_t length = SequenceLength(static_cast<unsigned char>(text[0]));
    if (length > 1 && length <= text.size() && IsValidUtf8(text.substr(0, length))) {
        return text.substr(0, length);
    }
    return text.substr(0, 1);
}

char32_t LowerCaseLetter(char32_t c) {
    for (const CaseRun& run : kCaseRuns) {
        if (c < run.first) break;  // the runs are in ascending order
        if (c > run.last) continue;
        if (run.alternating && (c - run.first) % 2 != 0) return c;
        return static_cast<char32_t>(static_cast<std::int32_t>(c) + run.toLower);
    }
    return c;
}

std::string FoldedFirstCharacter(std::string_view text) {
    if (text.empty()) return {};
    const char32_t key = FoldedKey(text);
    if (key >= 0x110000) return std::string(1, static_cast<char>(key - 0x110000));
    std::string out;
    AppendUtf8(out, key);
    return out;
}

bool SameFirstLetter(std::string_view a, std::string_view b) {
    return FoldedKey(a) == FoldedKey(b);
}

}  // namespace reelkeep
