#pragma once
// The user's locale conventions for numbers and times.
#include <string>

namespace platform {

struct FormatSettings {
  std::string thousandSeparator = ",";
  std::string decimalSeparator = ".";
  std::string timeSeparator = ":";
};

// Reads the current user's separators; a value the system cannot give keeps its default above.
FormatSettings GetFormatSettings();

}  // namespace platform
