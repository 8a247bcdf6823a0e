#include "text_compare.h"

#include <gtest/gtest.h>

namespace reelkeep {
namespace {

TEST(CompareNoCase, FoldsOnlyAsciiLettersAndComparesUnsignedBytes) {
    EXPECT_EQ(CompareNoCase("Drama", "dRAMA"), 0);
    EXPECT_LT(CompareNoCase("abc", "abd"), 0);
    // '_' (0x5F) lies between 'Z' and 'a': folding must turn "Z" into "z" (0x7A) first.
    EXPECT_GT(CompareNoCase("Z", "_"), 0);
    // Bytes above 0x7F are larger than any ASCII byte, and are not folded.
    EXPECT_GT(CompareNoCase("\xC3\x89", "z"), 0);
    EXPECT_NE(CompareNoCase("\xC3\x89", "\xC3\xA9"), 0);
}

TEST(CompareNoCase, ProperPrefixComesFirst) {
    EXPECT_LT(CompareNoCase("Star", "star wars"), 0);
    EXPECT_GT(CompareNoCase("star wars", "STAR"), 0);
    EXPECT_LT(CompareNoCase("", "a"), 0);
    EXPECT_EQ(CompareNoCase("", ""), 0);
}

TEST(StartsWithNoCase, IsTheFilterPrefixRule) {
    EXPECT_TRUE(StartsWithNoCase("Star Wars", "sta"));
    EXPECT_TRUE(StartsWithNoCase("anything", ""));
    EXPECT_TRUE(StartsWithNoCase("PG-13", "pg"));
    EXPECT_FALSE(StartsWithNoCase("PG", "PG-13"));
    EXPECT_TRUE(StartsWithNoCase("pg", "PG"));
}

TEST(CompareDigitsByValue, HandlesLeadingZerosAndHugeNumbers) {
    EXPECT_EQ(CompareDigitsByValue("7", "007"), 0);
    EXPECT_LT(CompareDigitsByValue("9", "10"), 0);
    const std::string huge(300, '9');
    EXPECT_GT(CompareDigitsByValue(huge, "1" + std::string(298, '0')), 0);
    EXPECT_EQ(CompareDigitsByValue("000", "0"), 0);
    EXPECT_TRUE(IsAllDigits("0123"));
    EXPECT_FALSE(IsAllDigits(""));
    EXPECT_FALSE(IsAllDigits("12a"));
}

}  // namespace
}  // namespace reelkeep
