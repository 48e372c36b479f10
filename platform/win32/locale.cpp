#include "platform/locale.hpp"

#include <windows.h>

namespace platform {
namespace {

void ReadLocaleText(LCTYPE what, std::string& out) {
  char buf[96];  // names are at most 80 characters
  const int n = GetLocaleInfoA(LOCALE_USER_DEFAULT, what, buf, sizeof buf);
  if (n > 0) out.assign(buf, static_cast<size_t>(n - 1));  // n counts the terminating zero
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
