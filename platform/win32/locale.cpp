#include "platform/locale.hpp"

#include <windows.h>

namespace platform {
namespace {

void ReadLocaleText(LCTYPE what, std::string& out) {
  char buf[16];
  const int n = GetLocaleInfoA(LOCALE_USER_DEFAULT, what, buf, sizeof buf);
  if (n > 0) out.assign(buf, static_cast<size_t>(n - 1));  // n counts the terminating zero
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
