#include "funclib/format.hpp"

#include <charconv>
#include <cmath>
#include <cstring>

namespace funclib {
namespace {

// Adds one unit at the last digit of digits[0..n), carrying leftwards; true when the carry
// runs out of the front (999 -> 000), so the caller must prepend a '1'.
bool IncrementDigits(char* digits, size_t n) {
  for (size_t i = n; i-- > 0;) {
    if (digits[i] != '9') {
      ++digits[i];
      return false;
    }
    digits[i] = '0';
  }
  return true;
}

}  // namespace

platform::FormatSettings UserFormatSettings() {
  platform::FormatSettings fs = platform::GetFormatSettings();
  if (fs.decimalSeparator.empty()) fs.decimalSeparator = ".";
  return fs;
}

void AppendNumber(std::string& out, double value, int decimals, const platform::FormatSettings& fs) {
  if (std::isnan(value)) {
    out += "NAN";
    return;
  }
  if (std::isinf(value)) {
    out += value < 0 ? "-INF" : "INF";
    return;
  }
  if (decimals < 0) decimals = 0;
  if (decimals > 18) decimals = 18;

  // The shortest decimal text that reads back as the same double: the number as the user
  // thinks of it, so 0.15 rounds up to 0.2 although its binary value is a hair below.
  char text[400];
  const auto res = std::to_chars(text, text + sizeof text, std::fabs(value), std::chars_format::fixed);
  const char* end = res.ptr;
  const char* point = static_cast<const char*>(std::memchr(text, '.', static_cast<size_t>(end - text)));
  const char* intEnd = point ? point : end;
  const char* frac = point ? point + 1 : end;
  const size_t fracLen = static_cast<size_t>(end - frac);

  // digits = integer digits followed by exactly `decimals` fraction digits, one leading spare.
  char digits[420];
  size_t n = 0;
  digits[n++] = '0';
  for (const char* p = text; p < intEnd; ++p) digits[n++] = *p;
  const size_t intDigits = n;  // including the spare
  for (int i = 0; i < decimals; ++i) digits[n++] = static_cast<size_t>(i) < fracLen ? frac[i] : '0';
  if (static_cast<size_t>(decimals) < fracLen && frac[decimals] >= '5') IncrementDigits(digits, n);

  size_t first = 0;  // drop leading zeros of the integer part, keep at least one digit
  while (first + 1 < intDigits && digits[first] == '0') ++first;

  bool allZero = true;
  for (size_t i = first; i < n; ++i) allZero = allZero && digits[i] == '0';
  if (value < 0 && !allZero) out += '-';

  const size_t intCount = intDigits - first;
  for (size_t i = 0; i < intCount; ++i) {
    if (i > 0 && (intCount - i) % 3 == 0) out += fs.thousandSeparator;
    out += digits[first + i];
  }
  if (decimals > 0) {
    out += fs.decimalSeparator;
    out.append(digits + intDigits, static_cast<size_t>(decimals));
  }
}

}  // namespace funclib
