#include "platform/locale.hpp"

#include <windows.h>

#include "platform/utf.hpp"

namespace platform {
namespace {

// Reads a locale text; every character stays whole, the narrow no-break space of several
// European locales too.
void ReadLocaleText(LCTYPE what, std::string& out) {
  wchar_t wide[96];  // names are at most 80 characters
  const int n = GetLocaleInfoW(LOCALE_USER_DEFAULT, what, wide, 96);
  if (n <= 0) return;  // keep the default
  out = Utf16ToUtf8(wide, static_cast<size_t>(n));
}

}  // namespace

FormatSettings GetFormatSettings() {
  FormatSettings fs;
  ReadLocaleText(LOCALE_STHOUSAND, fs.thousandSeparator);
  ReadLocaleText(LOCALE_SDECIMAL, fs.decimalSeparator);
  ReadLocaleText(LOCALE_STIME, fs.timeSeparator);
  // The system numbers its weekday names from Monday; ours start on Sunday.
  ReadLocaleText(LOCALE_SABBREVDAYNAME7, fs.shortDayNames[0]);
  for (int d = 1; d < 7; ++d) ReadLocaleText(LOCALE_SABBREVDAYNAME1 + d - 1, fs.shortDayNames[d]);
  for (int m = 0; m < 12; ++m) ReadLocaleText(LOCALE_SMONTHNAME1 + m, fs.longMonthNames[m]);
  return fs;
}

}  // namespace platform
