#include <gtest/gtest.h>

#include "core/text_input.h"

namespace splat {
namespace {

TEST(WholeNumber, AcceptsSignedDigitsWithBlanks) {
    EXPECT_EQ(parseWholeNumber("20").value, 20);
    EXPECT_EQ(parseWholeNumber(" 25 ").value, 25);
    EXPECT_EQ(parseWholeNumber("+70").value, 70);
    EXPECT_EQ(parseWholeNumber("-3").value, -3);
    EXPECT_EQ(parseWholeNumber("\t42\n").reading, NumberReading::Valid);
    EXPECT_EQ(parseWholeNumber("-2147483648").value, INT32_MIN);
    EXPECT_EQ(parseWholeNumber("2147483647").value, INT32_MAX);
}

TEST(WholeNumber, RejectsOtherText) {
    for (const char* text : {"", "   ", "abc", "2 0", "20x", "+", "-", "1.5", "0x14", "--1"}) {
        EXPECT_EQ(parseWholeNumber(text).reading, NumberReading::NotANumber) << text;
    }
}

TEST(WholeNumber, TooLargeForThirtyTwoBits) {
    for (const char* text : {"99999999999", "2147483648", "-2147483649", "123456789012345678901234567890"}) {
        EXPECT_EQ(parseWholeNumber(text).reading, NumberReading::TooLarge) << text;
    }
}

TEST(LimitCharacters, CountsCharactersNotBytes) {
    EXPECT_EQ(limitCharacters("Your team", 20), "Your team");
    EXPECT_EQ(limitCharacters("abcdefghijklmnopqrstuvwxyz", 20), "abcdefghijklmnopqrst");
    // 21 two-byte characters are cut to 20 whole characters (40 bytes).
    std::string accents;
    for (int i = 0; i < 21; ++i) accents += "\xC3\xA9";
    EXPECT_EQ(limitCharacters(accents, 20).size(), 40u);
    // A four-byte character is never split.
    EXPECT_EQ(limitCharacters("ab\xF0\x9F\x8E\xA8", 3), "ab\xF0\x9F\x8E\xA8");
    EXPECT_EQ(limitCharacters("ab\xF0\x9F\x8E\xA8x", 2), "ab");
}

TEST(LimitCharacters, InvalidBytesBecomeReplacementCharacters) {
    EXPECT_EQ(limitCharacters("a\xFF"
                              "b",
                              20),
              "a\xEF\xBF\xBD"
              "b");
    EXPECT_EQ(limitCharacters("\xC3", 20), "\xEF\xBF\xBD");                          // cut sequence
    EXPECT_EQ(limitCharacters("\xC0\xAF", 20), "\xEF\xBF\xBD\xEF\xBF\xBD");          // overlong form
    EXPECT_EQ(limitCharacters("\xED\xA0\x80", 20).find("\xED"), std::string::npos);  // surrogate
}

}  // namespace
}  // namespace splat
