#pragma once
// Bit helpers of the library.
#include <array>
#include <cstdint>

namespace funclib {

// BitMasks[i] is bit i alone: 0x00000001 up to 0x80000000.
inline constexpr std::array<std::uint32_t, 32> BitMasks = [] {
  std::array<std::uint32_t, 32> masks{};
  for (unsigned i = 0; i < masks.size(); ++i) masks[i] = 1u << i;
  return masks;
}();

// Whether bit number `bit` (0..63) of `value` is set; false for a bit number outside 0..63.
constexpr bool TestBit64(int bit, std::uint64_t value) {
  return bit >= 0 && bit < 64 && ((value >> bit) & 1u) != 0;
}

// The `count`-bit field of `value` that starts at bit `shift`, moved down to bit 0. A field that
// reaches past bit 63 holds only the bits that exist; a shift outside 0..63 gives 0.
constexpr std::uint64_t ExtractBits64(int shift, std::uint8_t count, std::uint64_t value) {
  if (shift < 0 || shift >= 64) return 0;
  const std::uint64_t mask = count >= 64 ? ~std::uint64_t{0} : (std::uint64_t{1} << count) - 1;
  return (value >> shift) & mask;
}

}  // namespace funclib
