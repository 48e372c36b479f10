#include "funclib/format.hpp"

#include <algorithm>
#include <bit>
#include <cmath>
#include <cstdint>

namespace funclib {
namespace {

// Significant digits a value is rounded from before it is rounded to the asked decimals. Every
// decimal of 15 digits survives the trip to a double and back, so these are the digits the user
// means; after them comes the binary's noise (0.15 is stored as 0.14999999999999999445).
constexpr size_t kSignificantDigits = 15;

constexpr uint32_t kChunk = 1000000000;  // nine decimal digits per step of the long arithmetic
constexpr size_t kChunkDigits = 9;

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

// Writes chunk (below 10^9) as nine digits, zero-padded, at p.
void PutChunk(char* p, uint32_t chunk) {
  for (size_t i = kChunkDigits; i-- > 0;) {
    p[i] = static_cast<char>('0' + chunk % 10);
    chunk /= 10;
  }
}

// A number of up to 34 32-bit limbs, least significant first: 2^1024 and 2^-1074 fit.
using Limbs = uint32_t[34];

// Ors value (at most 53 bits) shifted left by pos bits into limbs.
void PlaceBits(Limbs& limbs, uint64_t value, size_t pos) {
  const size_t word = pos / 32;
  const unsigned bit = pos % 32;
  limbs[word] |= static_cast<uint32_t>(value << bit);
  limbs[word + 1] |= static_cast<uint32_t>(bit ? value >> (32 - bit) : value >> 32);
  if (bit) limbs[word + 2] |= static_cast<uint32_t>(value >> (64 - bit));
}

// Writes the decimal digits of mantissa * 2^shift at out, without leading zeros ("0" for zero),
// and returns their count: at most 309, for the largest double.
size_t IntegerDigits(char* out, uint64_t mantissa, size_t shift) {
  char text[320];
  size_t start = sizeof text;
  if (shift + static_cast<size_t>(std::bit_width(mantissa)) <= 64) {
    uint64_t v = mantissa << shift;
    do {
      text[--start] = static_cast<char>('0' + v % 10);
      v /= 10;
    } while (v != 0);
  } else {
    // Long division by 10^9 yields nine digits at a time, lowest first.
    Limbs limbs{};
    PlaceBits(limbs, mantissa, shift);
    size_t top = shift / 32 + 3;
    while (top > 0 && limbs[top - 1] == 0) --top;
    while (top > 0) {
      uint64_t rest = 0;
      for (size_t i = top; i-- > 0;) {
        const uint64_t cur = rest << 32 | limbs[i];
        limbs[i] = static_cast<uint32_t>(cur / kChunk);
        rest = cur % kChunk;
      }
      while (top > 0 && limbs[top - 1] == 0) --top;
      start -= kChunkDigits;
      PutChunk(text + start, static_cast<uint32_t>(rest));
    }
    while (text[start] == '0') ++start;
  }
  const size_t count = sizeof text - start;
  std::copy(text + start, text + sizeof text, out);
  return count;
}

// The fraction f / 2^bits (f below 2^bits, bits 1..1074), handing out its decimal digits nine at
// a time: times 10^9, the part that passes the binary point is the next chunk.
class FractionDigits {
 public:
  FractionDigits(uint64_t f, size_t bits) : size_((bits + 31) / 32) { PlaceBits(limbs_, f, size_ * 32 - bits); }

  bool Done() const {
    return std::all_of(limbs_, limbs_ + size_, [](uint32_t limb) { return limb == 0; });
  }

  uint32_t Next() {
    uint64_t carry = 0;
    for (size_t i = 0; i < size_; ++i) {
      const uint64_t cur = uint64_t{limbs_[i]} * kChunk + carry;
      limbs_[i] = static_cast<uint32_t>(cur);
      carry = cur >> 32;
    }
    return static_cast<uint32_t>(carry);
  }

 private:
  Limbs limbs_{};
  size_t size_;
};

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
  const size_t places = static_cast<size_t>(std::clamp(decimals, 0, 18));

  // |value| = mantissa * 2^exponent, the mantissa odd (or zero).
  const uint64_t bits = std::bit_cast<uint64_t>(value);
  const int biased = static_cast<int>(bits >> 52 & 0x7FF);
  uint64_t mantissa = bits & ((uint64_t{1} << 52) - 1);
  int exponent = -1074;
  if (biased != 0) {
    mantissa |= uint64_t{1} << 52;
    exponent = biased - 1075;
  }
  if (mantissa != 0) {
    const int zeros = std::countr_zero(mantissa);
    mantissa >>= zeros;
    exponent += zeros;
  }

  // digits = one spare '0' for a carry, the exact integer part, then as many exact fraction
  // digits as the two roundings below look at.
  char digits[400];
  digits[0] = '0';
  size_t n = 1;
  uint64_t fraction = 0;
  size_t fractionBits = 0;
  if (exponent >= 0) {
    n += IntegerDigits(digits + n, mantissa, static_cast<size_t>(exponent));
  } else {
    fractionBits = static_cast<size_t>(-exponent);
    const bool mixed = fractionBits < 64;
    n += IntegerDigits(digits + n, mixed ? mantissa >> fractionBits : 0, 0);
    fraction = mixed ? mantissa & ((uint64_t{1} << fractionBits) - 1) : mantissa;
  }
  const size_t intEnd = n;
  size_t significant = digits[1] != '0' ? 1 : 0;  // index of the first digit that is not 0; 0: none yet

  // Fraction digits until the 16th significant digit is known, or until the digits up to one
  // past the asked decimals are all 0, when the value shows as zero whatever follows.
  if (fraction != 0) {
    FractionDigits source(fraction, fractionBits);
    while (significant ? n <= std::max(significant + kSignificantDigits, intEnd) : n <= intEnd + places) {
      if (source.Done()) break;
      PutChunk(digits + n, source.Next());
      for (size_t i = n; !significant && i < n + kChunkDigits; ++i) {
        if (digits[i] != '0') significant = i;
      }
      n += kChunkDigits;
    }
  }

  // Round half away from zero to 15 significant digits, never inside the integer part, and
  // then to the asked decimals.
  if (significant) {
    const size_t cut = std::max(significant + kSignificantDigits, intEnd);
    if (cut < n) {
      if (digits[cut] >= '5') IncrementDigits(digits, cut);
      n = cut;
    }
  }
  const size_t end = intEnd + places;
  if (end < n && digits[end] >= '5') IncrementDigits(digits, end);
  for (; n < end; ++n) digits[n] = '0';

  size_t first = 0;  // drop leading zeros of the integer part, keep at least one digit
  while (first + 1 < intEnd && digits[first] == '0') ++first;

  bool allZero = true;
  for (size_t i = first; i < end; ++i) allZero = allZero && digits[i] == '0';
  if (value < 0 && !allZero) out += '-';

  const size_t intCount = intEnd - first;
  for (size_t i = 0; i < intCount; ++i) {
    if (i > 0 && (intCount - i) % 3 == 0) out += fs.thousandSeparator;
    out += digits[first + i];
  }
  if (places > 0) {
    out += fs.decimalSeparator;
    out.append(digits + intEnd, places);
  }
}

}  // namespace funclib
