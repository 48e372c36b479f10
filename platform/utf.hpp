#pragma once
// The one pair of converters between the UTF-8 texts the program keeps and the UTF-16 texts of the
// system's wide calls. Neither ever fails: what cannot be read becomes U+FFFD, one for each
// maximal part of a broken UTF-8 sequence and one for each unpaired surrogate, so a bad byte is
// never dropped, never cuts the text short and never swallows the character after it.
// Header-only and free of system headers: the Windows code instantiates them with wchar_t, the
// host tests with char16_t.
#include <cstdint>
#include <string>
#include <string_view>

namespace platform {

namespace utf_detail {

inline void AppendCodePoint(std::string& out, std::uint32_t cp) {
  if (cp < 0x80) {
    out += static_cast<char>(cp);
  } else if (cp < 0x800) {
    out += static_cast<char>(0xC0 | (cp >> 6));
    out += static_cast<char>(0x80 | (cp & 0x3F));
  } else if (cp < 0x10000) {
    out += static_cast<char>(0xE0 | (cp >> 12));
    out += static_cast<char>(0x80 | ((cp >> 6) & 0x3F));
    out += static_cast<char>(0x80 | (cp & 0x3F));
  } else {
    out += static_cast<char>(0xF0 | (cp >> 18));
    out += static_cast<char>(0x80 | ((cp >> 12) & 0x3F));
    out += static_cast<char>(0x80 | ((cp >> 6) & 0x3F));
    out += static_cast<char>(0x80 | (cp & 0x3F));
  }
}

inline constexpr std::uint32_t kReplacement = 0xFFFD;

// Reads one character at s[i] and moves i past it; a broken sequence gives U+FFFD and moves past
// its longest valid start only (Unicode's "maximal subpart"), so the next byte is read afresh.
inline std::uint32_t NextUtf8(std::string_view s, size_t& i) {
  const auto byte = [&](size_t k) { return static_cast<unsigned char>(s[k]); };
  const unsigned char b0 = byte(i++);
  if (b0 < 0x80) return b0;
  int more;
  std::uint32_t cp;
  unsigned char lo = 0x80, hi = 0xBF;  // the allowed range of the second byte
  if (b0 >= 0xC2 && b0 <= 0xDF) {
    more = 1, cp = b0 & 0x1F;
  } else if (b0 >= 0xE0 && b0 <= 0xEF) {
    more = 2, cp = b0 & 0x0F;
    if (b0 == 0xE0) lo = 0xA0;  // no overlong forms
    if (b0 == 0xED) hi = 0x9F;  // no surrogates
  } else if (b0 >= 0xF0 && b0 <= 0xF4) {
    more = 3, cp = b0 & 0x07;
    if (b0 == 0xF0) lo = 0x90;  // no overlong forms
    if (b0 == 0xF4) hi = 0x8F;  // nothing above U+10FFFF
  } else {
    return kReplacement;  // a continuation byte, C0, C1 or F5-FF
  }
  for (int k = 0; k < more; ++k) {
    if (i >= s.size()) return kReplacement;
    const unsigned char b = byte(i);
    if (b < (k == 0 ? lo : 0x80) || b > (k == 0 ? hi : 0xBF)) return kReplacement;
    cp = (cp << 6) | (b & 0x3F);
    ++i;
  }
  return cp;
}

}  // namespace utf_detail

// Appends the UTF-16 form of a UTF-8 text to `out` (Char16: wchar_t on Windows, char16_t
// anywhere). Into a string that is kept, a text of the length it held before costs no heap call.
template <class Char16>
void AppendUtf16(std::basic_string<Char16>& out, std::string_view utf8) {
  static_assert(sizeof(Char16) == 2, "UTF-16 code units are two bytes");
  for (size_t i = 0; i < utf8.size();) {
    const std::uint32_t cp = utf_detail::NextUtf8(utf8, i);
    if (cp >= 0x10000) {
      out += static_cast<Char16>(0xD800 + ((cp - 0x10000) >> 10));
      out += static_cast<Char16>(0xDC00 + ((cp - 0x10000) & 0x3FF));
    } else {
      out += static_cast<Char16>(cp);
    }
  }
}

// Appends the UTF-8 form of a UTF-16 text to `out`.
template <class Char16>
void AppendUtf8(std::string& out, std::basic_string_view<Char16> utf16) {
  static_assert(sizeof(Char16) == 2, "UTF-16 code units are two bytes");
  for (size_t i = 0; i < utf16.size(); ++i) {
    std::uint32_t cp = static_cast<std::uint16_t>(utf16[i]);
    if (cp >= 0xD800 && cp <= 0xDFFF) {
      const std::uint32_t next = i + 1 < utf16.size() ? static_cast<std::uint16_t>(utf16[i + 1]) : 0;
      if (cp <= 0xDBFF && next >= 0xDC00 && next <= 0xDFFF) {
        cp = 0x10000 + ((cp - 0xD800) << 10) + (next - 0xDC00);
        ++i;
      } else {
        cp = utf_detail::kReplacement;  // a surrogate without its partner
      }
    }
    utf_detail::AppendCodePoint(out, cp);
  }
}

// A UTF-16 code unit becomes at most this many UTF-8 bytes (a pair of surrogates four for two),
// so a text of n units always fits in 3 * n bytes.
inline constexpr size_t kMaxUtf8PerUtf16Unit = 3;

// The UTF-16 form of a UTF-8 text.
template <class Char16 = wchar_t>
std::basic_string<Char16> Utf8ToUtf16(std::string_view utf8) {
  std::basic_string<Char16> out;
  out.reserve(utf8.size());
  AppendUtf16(out, utf8);
  return out;
}

// The UTF-8 form of a UTF-16 text.
template <class Char16>
std::string Utf16ToUtf8(std::basic_string_view<Char16> utf16) {
  std::string out;
  out.reserve(utf16.size());
  AppendUtf8(out, utf16);
  return out;
}

template <class Char16>
std::string Utf16ToUtf8(const std::basic_string<Char16>& utf16) {
  return Utf16ToUtf8(std::basic_string_view<Char16>(utf16));
}

// The length of a zero-terminated text in a buffer of `capacity` units: up to its first zero or
// the buffer's end, whichever comes first, so a system reply without its zero is read no further.
template <class Char>
size_t BoundedLength(const Char* text, size_t capacity) {
  size_t n = 0;
  while (n < capacity && text[n] != 0) ++n;
  return n;
}

// The UTF-8 form of a zero-terminated UTF-16 text in a buffer of `capacity` units (BoundedLength).
template <class Char16>
std::string Utf16ToUtf8(const Char16* text, size_t capacity) {
  return Utf16ToUtf8(std::basic_string_view<Char16>(text, BoundedLength(text, capacity)));
}

}  // namespace platform
