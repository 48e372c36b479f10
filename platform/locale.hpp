#pragma once
// The user's locale conventions for numbers, dates and times.
#include <array>
#include <string>

namespace platform {

struct FormatSettings {
  std::string thousandSeparator = ",";
  std::string decimalSeparator = ".";
  std::string timeSeparator = ":";
  // Abbreviated weekday names, Sunday first, and full month names, January first.
  std::array<std::string, 7> shortDayNames{"Sun", "Mon", "Tue", "Wed", "Thu", "Fri", "Sat"};
  std::array<std::string, 12> longMonthNames{"January", "February", "March",     "April",   "May",      "June",
                                             "July",    "August",   "September", "October", "November", "December"};
};

// Reads the current user's separators and day and month names. A value the system cannot give
// keeps its default above; an empty value stays empty.
FormatSettings GetFormatSettings();

}  // namespace platform
