#pragma once
// Text helpers of the library: replacement, padded numbers, repeated characters, version texts,
// fixed character arrays, and the constant texts for Boolean values.
#include <array>
#include <cstdint>
#include <cstring>
#include <string>
#include <string_view>

namespace funclib {

// Boolean texts, indexed by the value: TrueFalseTexts[flag].
inline constexpr std::array<const char*, 2> TrueFalseTexts = {"false", "true"};
inline constexpr std::array<const char*, 2> BoolTexts = {"No", "Yes"};

// Replaces occurrences of `find` in `s`, scanning from the 1-based position `from`; `count` 0
// replaces all, otherwise at most `count`. Scanning resumes after each inserted text, so text in
// `replace` is never replaced again. Returns the number of replacements, or -1 (with `s`
// unchanged) when `find` is empty or `from` is below 1.
int ReplaceSubstring(std::string& s, std::string_view find, std::string_view replace, int from, int count);

// `ch` repeated `count` times; empty when count is 0 or less.
std::string RepeatChar(char ch, int count);

// `value` in decimal, its digits padded on the left with `padChar` to `width`; a minus sign goes
// in front of the padding (width 3: -005). A longer number is never cut.
std::string PadIntToStr(std::uint8_t width, char padChar, std::int64_t value);

// Appends `value` in upper-case hexadecimal, padded with zeros to at least `minDigits` digits.
void AppendHex(std::string& out, std::uint64_t value, int minDigits);

// Appends `value` in decimal with at least two digits ("07", "59", "123").
void AppendTwoDigits(std::string& out, std::uint64_t value);

// A version word as text: upper-case hexadecimal of at least three digits after a "v", with a
// point before the last two digits; `dropFourth` first removes the fourth character (counting
// the "v"). 0x2081 gives v20.81, or v2.01 with dropFourth.
std::string FormatVersionHex(std::uint16_t value, bool dropFourth);

// The text of a fixed, zero-terminated character array, up to its first zero; all of it when it
// holds no zero.
template <size_t N>
std::string FixedText(const char (&field)[N]) {
  return std::string(field, strnlen(field, N));
}

// Copies `text` into a fixed character array, cut to N - 1 characters; the rest is zero.
template <size_t N>
void SetFixedText(char (&field)[N], std::string_view text) {
  const size_t n = text.size() < N ? text.size() : N - 1;
  std::memcpy(field, text.data(), n);
  std::memset(field + n, 0, N - n);
}

}  // namespace funclib
