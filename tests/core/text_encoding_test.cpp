#include "text_encoding.h"

#include <gtest/gtest.h>

namespace reelkeep {
namespace {

TEST(IsValidUtf8, AcceptsWellFormedAndRejectsEveryMalformedKind) {
    EXPECT_TRUE(IsValidUtf8(""));
    EXPECT_TRUE(IsValidUtf8("plain ASCII\r\n"));
    EXPECT_TRUE(IsValidUtf8("\xC3\xA9\xE2\x82\xAC\xF0\x9F\x8E\xAC"));  // é € 🎬
    EXPECT_TRUE(IsValidUtf8("\xF4\x8F\xBF\xBF"));                      // U+10FFFF
    EXPECT_FALSE(IsValidUtf8("Caf\xE9"));                              // Latin-1 é
    EXPECT_FALSE(IsValidUtf8("\xC0\xAF"));                             // overlong '/'
    EXPECT_FALSE(IsValidUtf8("\xE0\x80\xAF"));                         // overlong, 3 bytes
    EXPECT_FALSE(IsValidUtf8("\xED\xA0\x80"));                         // surrogate D800
    EXPECT_FALSE(IsValidUtf8("\xF4\x90\x80\x80"));                     // above U+10FFFF
    EXPECT_FALSE(IsValidUtf8("\xE2\x82"));                             // cut short at the end
    EXPECT_FALSE(IsValidUtf8("\xE2\x82x"));                            // continuation missing
    EXPECT_FALSE(IsValidUtf8("\x80"));                                 // stray continuation
}

TEST(Cp1252ToUtf8, MapsEveryHighByte) {
    EXPECT_EQ(Cp1252ToUtf8("Caf\xE9"), "Caf\xC3\xA9");
    EXPECT_EQ(Cp1252ToUtf8("\x80"), "\xE2\x82\xAC");                    // euro sign
    EXPECT_EQ(Cp1252ToUtf8("\x93q\x94"), "\xE2\x80\x9Cq\xE2\x80\x9D");  // curly quotes
    EXPECT_EQ(Cp1252ToUtf8("\x9F"), "\xC5\xB8");                        // Y with diaeresis
    EXPECT_EQ(Cp1252ToUtf8("\xA0\xFF"), "\xC2\xA0\xC3\xBF");
    // The undefined bytes keep their value as C1 controls.
    EXPECT_EQ(Cp1252ToUtf8("\x81\x8D\x8F\x90\x9D"), "\xC2\x81\xC2\x8D\xC2\x8F\xC2\x90\xC2\x9D");
    // Every one of the 256 bytes gives valid UTF-8.
    std::string all;
    for (int b = 0; b < 256; ++b) all += static_cast<char>(b);
    EXPECT_TRUE(IsValidUtf8(Cp1252ToUtf8(all)));
}

TEST(Utf16ToUtf8, JoinsPairsAndReplacesLoneSurrogates) {
    EXPECT_EQ(Utf16ToUtf8(u"A\u00E9\u20AC"), "A\xC3\xA9\xE2\x82\xAC");
    EXPECT_EQ(Utf16ToUtf8(u"\U0001F3AC"), "\xF0\x9F\x8E\xAC");
    const std::u16string loneHigh = {0xD83C, u'x'};
    const std::u16string loneLow = {0xDFAC};
    const std::u16string highAtEnd = {u'a', 0xD83C};
    const std::u16string reversed = {0xDFAC, 0xD83C};
    EXPECT_EQ(Utf16ToUtf8(loneHigh), "\xEF\xBF\xBDx");
    EXPECT_EQ(Utf16ToUtf8(loneLow), "\xEF\xBF\xBD");
    EXPECT_EQ(Utf16ToUtf8(highAtEnd), "a\xEF\xBF\xBD");
    EXPECT_EQ(Utf16ToUtf8(reversed), "\xEF\xBF\xBD\xEF\xBF\xBD");
}

TEST(StoredTextToUtf8, KeepsUtf8AndConvertsTheRest) {
    EXPECT_EQ(StoredTextToUtf8("Caf\xC3\xA9"), "Caf\xC3\xA9");
    EXPECT_EQ(StoredTextToUtf8("Caf\xE9"), "Caf\xC3\xA9");
    // One invalid byte makes the whole value Windows-1252, not just that byte.
    EXPECT_EQ(StoredTextToUtf8("\xC3\xA9\xE9"), "\xC3\x83\xC2\xA9\xC3\xA9");
}

}  // namespace
}  // namespace reelkeep
