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
// exactly `decimals` (0 to 18) digits after its decimal separator. The value is first rounded to
// its 15 significant digits (all of its integer digits when it has more), so 0.15 shows as 0.2
// and 2.675 as 2.68 although their binary values lie a hair below. A value that rounds to zero
// never shows a minus sign.
void AppendNumber(std::string& out, double value, int decimals, const platform::FormatSettings& fs);

inline std::string FormatNumber(double value, int decimals, const platform::FormatSettings& fs) {
  std::string s;
  AppendNumber(s, value, decimals, fs);
  return s;
}

}  // namespace funclib
