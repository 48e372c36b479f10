#include "funclib/text.hpp"

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

std::string FormatVersionHex(std::uint16_t value, bool dropFourth) {
  static constexpr char kHex[] = "0123456789ABCDEF";
  std::string r = "v";
  bool started = false;
  for (int shift = 12; shift >= 0; shift -= 4) {
    const unsigned digit = (value >> shift) & 0xF;
    started = started || digit != 0 || shift <= 8;  // at least three digits
    if (started) r += kHex[digit];
  }
  if (dropFourth) r.erase(3, 1);
  r.insert(r.size() - 2, ".");
  return r;
}

}  // namespace funclib
