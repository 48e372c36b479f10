#pragma once
// The user's locale conventions for numbers and times.
#include <string>

namespace platform {

struct FormatSettings {
  std::string thousandSeparator = ",";
  std::string decimalSeparator = ".";
  std::string timeSeparator = ":";
};

// Reads the current user's separators, in the ANSI code page; a character the code page cannot
// hold reads as a blank. A value the system cannot give keeps its default above; an empty value
// stays empty.
FormatSettings GetFormatSettings();

}  // namespace platform
