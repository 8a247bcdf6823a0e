// The shared case-insensitive index against a plain map on folded copies, over texts that mostly
// differ by case, and by bytes one case bit apart that must stay distinct.
#include "folded_index.h"

#include <gtest/gtest.h>

#include <map>
#include <random>
#include <string>
#include <vector>

namespace reelkeep {
namespace {

// Folds A-Z and nothing else; written apart from the code under test.
std::string ReferenceFold(std::string_view text) {
    std::string folded(text);
    for (char& c : folded) {
        if (c >= 'A' && c <= 'Z') c = static_cast<char>(c - 'A' + 'a');
    }
    return folded;
}

// Pairs of bytes 0x20 apart: only the letters' pairs are equal ignoring case. NUL and the
// non-ASCII bytes make sure nothing stops at a zero byte or folds past 0x7F.
constexpr std::string_view kBytes("aAzZmM@`[{^~\xC9\xE9\xD0\xF0\x00 ", 18);

std::string RandomText(std::mt19937& rng) {
    std::string text(rng() % 7, ' ');
    for (char& c : text) c = kBytes[rng() % kBytes.size()];
    return text;
}

// The text with each byte of a pair swapped for its partner at random.
std::string Variant(std::string text, std::mt19937& rng) {
    for (char& c : text) {
        const std::size_t at = kBytes.find(c);
        if (at < 16 && rng() % 2) c = kBytes[at ^ 1];
    }
    return text;
}

TEST(CFoldedIndex, MatchesAFoldedMapThroughGrowthAndRenumbering) {
    for (std::uint32_t seed = 1; seed <= 3; ++seed) {
        std::mt19937 rng(seed);
        std::vector<std::string> bases(1000);
        for (std::string& base : bases) base = RandomText(rng);

        CFoldedIndex index;
        std::vector<std::string> texts;  // the first form of each id
        std::map<std::string, std::uint32_t> reference;
        for (int draw = 0; draw < 8000; ++draw) {
            const std::string text = Variant(bases[rng() % bases.size()], rng);
            const auto [it, isNew] = reference.try_emplace(
                ReferenceFold(text), static_cast<std::uint32_t>(texts.size()));
            const auto [id, added] = index.FindOrAdd(text, texts);
            ASSERT_EQ(added, isNew) << text;
            ASSERT_EQ(id, it->second) << text;
            if (added) texts.push_back(text);
        }
        ASSERT_GT(texts.size(), 1000u);
        EXPECT_EQ(index.size(), texts.size());

        // Re-adding in another order, as after a sort, renumbers every text.
        std::vector<std::string> reversed(texts.rbegin(), texts.rend());
        index.Clear();
        for (const std::string& text : reversed) index.Add(text);
        for (int probe = 0; probe < 4000; ++probe) {
            const std::string text = Variant(RandomText(rng), rng);
            const auto it = reference.find(ReferenceFold(text));
            const std::uint32_t expected =
                it == reference.end() ? CFoldedIndex::kAbsent
                                      : static_cast<std::uint32_t>(texts.size() - 1 - it->second);
            ASSERT_EQ(index.Find(text, reversed), expected) << text;
        }
    }
}

}  // namespace
}  // namespace reelkeep
