#include "text_compare.h"

#include <algorithm>

namespace reelkeep {

int CompareNoCase(std::string_view a, std::string_view b) {
    const std::size_t n = std::min(a.size(), b.size());
    for (std::size_t i = 0; i < n; ++i) {
        const auto ca = static_cast<unsigned char>(FoldChar(a[i]));
        const auto cb = static_cast<unsigned char>(FoldChar(b[i]));
        if (ca != cb) return ca < cb ? -1 : 1;
    }
    if (a.size() == b.size()) return 0;
    return a.size() < b.size() ? -1 : 1;
}

std::string FoldCase(std::string_view text) {
    std::string folded(text);
    for (char& c : folded) c = FoldChar(c);
    return folded;
}

namespace {

std::uint64_t Mix(std::uint64_t hash) {
    hash ^= hash >> 33;
    hash *= 0xFF51AFD7ED558CCDull;
    return hash ^ (hash >> 33);
}

}  // namespace

std::uint64_t FoldedHash(std::string_view text) {
    // FNV-1a over the folded bytes; its low bits depend only on the bytes' low bits, hence the
    // final mix before the hash picks a table slot.
    std::uint64_t hash = 0xCBF29CE484222325ull;
    for (const char c : text) {
        hash = (hash ^ static_cast<unsigned char>(FoldChar(c))) * 0x100000001B3ull;
    }
    return Mix(hash);
}

bool StartsWithNoCase(std::string_view value, std::string_view prefix) {
    if (value.size() > prefix.size()) value = value.substr(0, prefix.size());
    return EqualsNoCase(value, prefix);
}

bool IsAllDigits(std::string_view value) {
    return !value.empty() &&
           std::all_of(value.begin(), value.end(), [](char c) { return c >= '0' && c <= '9'; });
}

}  // namespace reelkeep
