#include <gtest/gtest.h>

#include "platform/utf.hpp"

namespace {

using platform::Utf16ToUtf8;
using platform::Utf8ToUtf16;

// Expected texts are written as code units, so no conversion of the compiler's is relied on.
TEST(Utf, WholeTextsOfEveryLengthConvertBothWays) {
  struct Case {
    std::string utf8;
    std::u16string utf16;
  } cases[] = {
      {"", u""},
      {std::string("a\0b", 3), std::u16string(u"a\0b", 3)},  // a zero inside is kept
      {"\x7F\xC2\x80", {0x7F, 0x80}},                       // the ends of the 1- and 2-byte forms
      {"\xDF\xBF\xE0\xA0\x80", {0x7FF, 0x800}},
      {"\xED\x9F\xBF\xEE\x80\x80\xEF\xBF\xBF", {0xD7FF, 0xE000, 0xFFFF}},  // around the surrogates
      {"\xF0\x90\x80\x80", {0xD800, 0xDC00}},                             // U+10000
      {"\xF4\x8F\xBF\xBF", {0xDBFF, 0xDFFF}},                             // U+10FFFF
      {"\xF0\x9F\x98\x80x", {0xD83D, 0xDE00, 'x'}},                       // an emoji, then more
  };
  for (const Case& c : cases) {
    EXPECT_EQ(Utf8ToUtf16<char16_t>(c.utf8), c.utf16) << testing::PrintToString(c.utf8);
    EXPECT_EQ(Utf16ToUtf8(c.utf16), c.utf8) << testing::PrintToString(c.utf8);
  }
}

TEST(Utf, EachBrokenPartOfUtf8BecomesOneReplacementAndTheNextByteIsReadAfresh) {
  constexpr char16_t R = 0xFFFD;
  struct Case {
    std::string utf8;
    std::u16string utf16;
  } cases[] = {
      {"\x80", {R}},                           // a lone continuation byte
      {"a\xC3", {'a', R}},                     // cut at the end
      {"\xC3(", {R, '('}},                     // a start without its continuation keeps the next
      {"\xE2\x82", {R}},                       // two of three bytes: one replacement
      {"\xE2\x82(", {R, '('}},
      {"\xF0\x9F\x98", {R}},                   // three of four bytes
      {"\xC0\xAF", {R, R}},                    // overlong '/'
      {"\xE0\x80\xAF", {R, R, R}},             // overlong in three bytes
      {"\xF0\x80\x80\xAF", {R, R, R, R}},      // overlong in four bytes
      {"\xED\xA0\x80", {R, R, R}},             // an encoded surrogate
      {"\xF4\x90\x80\x80", {R, R, R, R}},      // above U+10FFFF
      {"\xF5\xFF\xFE", {R, R, R}},             // bytes that never occur
  };
  for (const Case& c : cases) EXPECT_EQ(Utf8ToUtf16<char16_t>(c.utf8), c.utf16) << testing::PrintToString(c.utf8);
}

TEST(Utf, AnUnpairedSurrogateBecomesAReplacementWithoutTakingItsNeighbour) {
  const std::string R = "\xEF\xBF\xBD";
  struct Case {
    std::u16string utf16;
    std::string utf8;
  } cases[] = {
      {{0xD800}, R},                            // a high one at the end
      {{0xDC00, 'a'}, R + "a"},                 // a low one first
      {{0xD800, 'a'}, R + "a"},                 // a high one before a plain character
      {{0xD800, 0xD800, 0xDC00}, R + "\xF0\x90\x80\x80"},  // a second high one pairs
      {{0xDC00, 0xD800}, R + R},                // the wrong order
  };
  for (const Case& c : cases) EXPECT_EQ(Utf16ToUtf8(c.utf16), c.utf8);
}

TEST(Utf, AReplyWithoutItsZeroIsReadOnlyToTheBuffersEnd) {
  const char16_t full[3] = {'a', 'b', 'c'};
  EXPECT_EQ(Utf16ToUtf8(full, 3), "abc");
  const char16_t cut[4] = {'a', 0, 'c', 'd'};
  EXPECT_EQ(Utf16ToUtf8(cut, 4), "a");
  EXPECT_EQ(Utf16ToUtf8(full, 0), "");
}

}  // namespace
