#pragma once
// Number formatting with the user's separators. Rounding is half away from zero on the decimal
// value that the double stands for (37.25 to one decimal is 37.3), which printf does not do.
#include <string>

#include "platform/locale.hpp"

namespace funclib {

// The user's separators as numbers are shown with them: read from the system each call, with an
// empty decimal separator taken as "." so that a fraction never runs into its integer part.
platform::FormatSettings UserFormatSettings();

// Appends value like the format "%.<decimals>n": thousands grouped with the locale's separator,
// exactly `decimals` digits after its decimal separator. A value that rounds to zero never
// shows a minus sign.
void AppendNumber(std::string& out, double value, int decimals, const platform::FormatSettings& fs);

inline std::string FormatNumber(double value, int decimals, const platform::FormatSettings& fs) {
  std::string s;
  AppendNumber(s, value, decimals, fs);
  return s;
}

}  // namespace funclib
