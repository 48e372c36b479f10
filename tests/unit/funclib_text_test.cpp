#include <gtest/gtest.h>

#include "funclib/bits.hpp"
#include "funclib/text.hpp"

namespace {

using funclib::ReplaceSubstring;

struct Replaced {
  int count;
  std::string text;
};

Replaced Replace(std::string s, std::string_view find, std::string_view replace, int from, int count) {
  const int n = ReplaceSubstring(s, find, replace, from, count);
  return {n, s};
}

void ExpectReplaced(const Replaced& actual, int count, const std::string& text) {
  EXPECT_EQ(actual.count, count);
  EXPECT_EQ(actual.text, text);
}

TEST(ReplaceSubstring, ScansOnAfterEachMatchAndHonoursTheCountLimit) {
  ExpectReplaced(Replace("aaaa", "aa", "a", 1, 0), 2, "aa");
  ExpectReplaced(Replace("aaaa", "aa", "a", 1, 1), 1, "aaa");
  ExpectReplaced(Replace("aaaa", "aa", "a", 1, 2), 2, "aa");
  ExpectReplaced(Replace("aaaa", "aa", "a", 1, 5), 2, "aa");
  ExpectReplaced(Replace("abcabc", "bc", "X", 1, 0), 2, "aXaX");
  ExpectReplaced(Replace("abc", "abc", "", 1, 0), 1, "");
}

TEST(ReplaceSubstring, StartsAtTheOneBasedPositionAndMatchesOnlyWholeFinds) {
  ExpectReplaced(Replace("abab", "ab", "X", 2, 0), 1, "abX");
  ExpectReplaced(Replace("abab", "ab", "X", 3, 0), 1, "abX");
  ExpectReplaced(Replace("abab", "ab", "X", 4, 0), 0, "abab");
  ExpectReplaced(Replace("abab", "ab", "X", 5, 0), 0, "abab");  // past the end
  ExpectReplaced(Replace("aba", "ab", "X", 3, 0), 0, "aba");    // a shorter remainder never matches
  ExpectReplaced(Replace("aBc", "b", "X", 1, 0), 0, "aBc");     // case-sensitive
}

TEST(ReplaceSubstring, RejectsAnEmptyFindAndAStartBelowOne) {
  ExpectReplaced(Replace("aaaa", "aa", "a", 0, 0), -1, "aaaa");
  ExpectReplaced(Replace("aaaa", "aa", "a", -3, 0), -1, "aaaa");
  ExpectReplaced(Replace("aaaa", "", "a", 1, 0), -1, "aaaa");
  ExpectReplaced(Replace("", "a", "b", 1, 0), 0, "");
}

TEST(ReplaceSubstring, NeverReplacesInsideItsOwnReplacement) {
  ExpectReplaced(Replace("aa", "a", "aa", 1, 0), 2, "aaaa");
  ExpectReplaced(Replace("x\\ny", "\\n", "\\n\\n", 1, 0), 1, "x\\n\\ny");
  ExpectReplaced(Replace("ab", "b", "bab", 1, 0), 1, "abab");
}

TEST(AppendHex, AllSixtyFourBits) {
  std::string s;
  funclib::AppendHex(s, 0x0123456789ABCDEFull, 4);
  EXPECT_EQ(s, "123456789ABCDEF");
  s.clear();
  funclib::AppendHex(s, 0xFFFFFFFFFFFFFFFFull, 1);
  EXPECT_EQ(s, "FFFFFFFFFFFFFFFF");
  s = "$";
  funclib::AppendHex(s, 0x100000000ull, 12);
  EXPECT_EQ(s, "$000100000000") << "appended, padded, the bit above 32 kept";
}

TEST(PadIntToStr, PadsTheDigitsToTheWidthWithTheSignInFront) {
  EXPECT_EQ(funclib::PadIntToStr(2, '0', 5), "05");
  EXPECT_EQ(funclib::PadIntToStr(2, '0', 123), "123");  // never cut
  EXPECT_EQ(funclib::PadIntToStr(3, '0', -5), "-005");
  EXPECT_EQ(funclib::PadIntToStr(2, '0', -5), "-05");
  EXPECT_EQ(funclib::PadIntToStr(1, '0', -5), "-5");
  EXPECT_EQ(funclib::PadIntToStr(0, '0', 0), "0");
  EXPECT_EQ(funclib::PadIntToStr(4, ' ', 42), "  42");
  EXPECT_EQ(funclib::PadIntToStr(20, '0', INT64_MIN), "-09223372036854775808");
  EXPECT_EQ(funclib::PadIntToStr(255, '0', 1).size(), 255u);
}

TEST(RepeatChar, GivesCountCopiesAndNothingForZeroOrLess) {
  EXPECT_EQ(funclib::RepeatChar('x', 3), "xxx");
  EXPECT_EQ(funclib::RepeatChar('x', 1), "x");
  EXPECT_EQ(funclib::RepeatChar('x', 0), "");
  EXPECT_EQ(funclib::RepeatChar('x', -1), "");
}

TEST(FormatVersionHex, PutsThePointBeforeTheLastTwoDigits) {
  EXPECT_EQ(funclib::FormatVersionHex(0x2081, true), "v2.01");
  EXPECT_EQ(funclib::FormatVersionHex(0x2081, false), "v20.81");
  EXPECT_EQ(funclib::FormatVersionHex(0x5094, true), "v5.04");
  EXPECT_EQ(funclib::FormatVersionHex(0x5094, false), "v50.94");
  EXPECT_EQ(funclib::FormatVersionHex(0x00FF, true), "v.0F");  // three digits: only the v before the point
  EXPECT_EQ(funclib::FormatVersionHex(0x00FF, false), "v0.FF");
  EXPECT_EQ(funclib::FormatVersionHex(0x0000, false), "v0.00");
  EXPECT_EQ(funclib::FormatVersionHex(0x0ABC, false), "vA.BC");
  EXPECT_EQ(funclib::FormatVersionHex(0xFFFF, true), "vF.FF");
}

TEST(FixedText, ReadsUpToTheFirstZeroButNeverPastTheArray) {
  char full[4] = {'a', 'b', 'c', 'd'};
  EXPECT_EQ(funclib::FixedText(full), "abcd");
  char field[8] = {};
  funclib::SetFixedText(field, "longer than seven");
  EXPECT_EQ(funclib::FixedText(field), "longer ");
  EXPECT_EQ(field[7], '\0');
  funclib::SetFixedText(field, "ab");
  EXPECT_EQ(funclib::FixedText(field), "ab");
  EXPECT_EQ(field[3], '\0') << "the rest of the old text is cleared";
}

TEST(Bits, MasksTestsAndFields) {
  EXPECT_EQ(funclib::BitMasks[0], 0x00000001u);
  EXPECT_EQ(funclib::BitMasks[17], 0x00020000u);
  EXPECT_EQ(funclib::BitMasks[31], 0x80000000u);

  EXPECT_TRUE(funclib::TestBit64(0, 1));
  EXPECT_FALSE(funclib::TestBit64(1, 1));
  EXPECT_TRUE(funclib::TestBit64(32, 0x100000000ull));  // above 32 bits
  EXPECT_TRUE(funclib::TestBit64(63, 0x8000000000000000ull));
  EXPECT_FALSE(funclib::TestBit64(64, ~0ull));
  EXPECT_FALSE(funclib::TestBit64(-1, ~0ull));

  EXPECT_EQ(funclib::ExtractBits64(0, 4, 0x000306A9), 0x9u);  // stepping
  EXPECT_EQ(funclib::ExtractBits64(4, 4, 0x000306A9), 0xAu);  // model
  EXPECT_EQ(funclib::ExtractBits64(8, 4, 0x000306A9), 0x6u);  // family
  EXPECT_EQ(funclib::ExtractBits64(12, 4, 0x000356A9), 0x5u);
  EXPECT_EQ(funclib::ExtractBits64(28, 8, 0xABCDEF1234ull), 0xBCu);  // a field across bit 31
  EXPECT_EQ(funclib::ExtractBits64(0, 64, ~0ull), ~0ull);
  EXPECT_EQ(funclib::ExtractBits64(60, 8, ~0ull), 0xFu);
  EXPECT_EQ(funclib::ExtractBits64(64, 4, ~0ull), 0u);
}

}  // namespace
