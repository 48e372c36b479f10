#include "platform/locale.hpp"

#include <windows.h>

namespace platform {
namespace {

// Reads a locale text in Unicode and converts it to the ANSI code page one character at a time: a
// character the code page cannot hold (the narrow no-break space of several European locales)
// becomes a blank, where GetLocaleInfoA would give "?".
void ReadLocaleText(LCTYPE what, std::string& out) {
  wchar_t wide[16];
  const int n = GetLocaleInfoW(LOCALE_USER_DEFAULT, what, wide, 16);
  if (n <= 0) return;  // keep the default
  out.clear();
  // The UTF-8 code page holds every character and takes no default-character arguments.
  const bool utf8 = GetACP() == CP_UTF8;
  for (int i = 0; i + 1 < n;) {  // n counts the terminating zero
    const int units = (IS_HIGH_SURROGATE(wide[i]) && i + 2 < n && IS_LOW_SURROGATE(wide[i + 1])) ? 2 : 1;
    char ansi[8];
    BOOL defaulted = FALSE;
    const int bytes = WideCharToMultiByte(CP_ACP, utf8 ? 0 : WC_NO_BEST_FIT_CHARS, wide + i, units, ansi,
                                          sizeof ansi, nullptr, utf8 ? nullptr : &defaulted);
    if (bytes > 0 && !defaulted)
      out.append(ansi, static_cast<size_t>(bytes));
    else
      out += ' ';
    i += units;
  }
}

}  // namespace

FormatSettings GetFormatSettings() {
  FormatSettings fs;
  ReadLocaleText(LOCALE_STHOUSAND, fs.thousandSeparator);
  ReadLocaleText(LOCALE_SDECIMAL, fs.decimalSeparator);
  ReadLocaleText(LOCALE_STIME, fs.timeSeparator);
  return fs;
}

}  // namespace platform
