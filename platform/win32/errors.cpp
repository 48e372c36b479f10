#include "platform/errors.hpp"

#include <windows.h>

#include "platform/utf.hpp"

namespace platform {

std::uint32_t LastSystemError() { return GetLastError(); }

std::string SystemErrorText(std::uint32_t code, bool english) {
  wchar_t text[512];
  const DWORD flags = FORMAT_MESSAGE_FROM_SYSTEM | FORMAT_MESSAGE_IGNORE_INSERTS;
  DWORD n = english ? FormatMessageW(flags, nullptr, code, MAKELANGID(LANG_ENGLISH, SUBLANG_ENGLISH_US), text,
                                     ARRAYSIZE(text), nullptr)
                    : 0;
  // A system without English texts, or a person's message: the user's own language.
  if (n == 0) n = FormatMessageW(flags, nullptr, code, 0, text, ARRAYSIZE(text), nullptr);
  while (n > 0 && (text[n - 1] == L'\r' || text[n - 1] == L'\n' || text[n - 1] == L' ' || text[n - 1] == L'.')) --n;
  if (n == 0) return "error " + std::to_string(code);
  return Utf16ToUtf8(std::wstring_view(text, n));
}

}  // namespace platform
