#include "funclib/text.hpp"

#include <charconv>

namespace funclib {

int ReplaceSubstring(std::string& s, std::string_view find, std::string_view replace, int from, int count) {
  if (find.empty() || from < 1) return -1;
  int n = 0;
  size_t pos = static_cast<size_t>(from) - 1;  // 0-based
  while (pos < s.size() && (count == 0 || n < count)) {
    if (s.compare(pos, find.size(), find) == 0) {  // a shorter remainder never matches
      s.replace(pos, find.size(), replace);
      pos += replace.size();
      ++n;
    } else {
      ++pos;
    }
  }
  return n;
}

std::string RepeatChar(char ch, int count) {
  return count > 0 ? std::string(static_cast<size_t>(count), ch) : std::string();
}

std::string PadIntToStr(std::uint8_t width, char padChar, std::int64_t value) {
  std::string s = std::to_string(value);
  const int digits = static_cast<int>(s.size()) - (value < 0 ? 1 : 0);
  s.insert(value < 0 ? 1 : 0, RepeatChar(padChar, width - digits));
  return s;
}

void AppendHex(std::string& out, std::uint64_t value, int minDigits) {
  static constexpr char kHex[] = "0123456789ABCDEF";
  int digits = 1;
  while (digits < 16 && (value >> (4 * digits)) != 0) ++digits;
  if (digits < minDigits) digits = minDigits < 16 ? minDigits : 16;
  for (int shift = 4 * (digits - 1); shift >= 0; shift -= 4) out += kHex[(value >> shift) & 0xF];
}

void AppendTwoDigits(std::string& out, std::uint64_t value) {
  if (value < 10) out += '0';
  char digits[20];
  out.append(digits, std::to_chars(digits, digits + sizeof digits, value).ptr);
}

std::string FormatVersionHex(std::uint16_t value, bool dropFourth) {
  std::string r = "v";
  AppendHex(r, value, 3);
  if (dropFourth) r.erase(3, 1);
  r.insert(r.size() - 2, ".");
  return r;
}

}  // namespace funclib
