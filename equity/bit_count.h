#pragma once
// Set bits of the small masks the evaluators use, by table: a build for any
// x86-64 processor has no population-count instruction, and the library call
// that std::popcount then makes costs more than the rest of a showdown.

#include <array>
#include <cstdint>

namespace lumora {

inline constexpr std::array<uint8_t, 256> kByteBits = [] {
  std::array<uint8_t, 256> bits{};
  for (int i = 1; i < 256; ++i) bits[i] = static_cast<uint8_t>((i & 1) + bits[i >> 1]);
  return bits;
}();

/// Number of set bits of a 16-bit mask.
constexpr int BitCount(uint16_t mask) {
  return kByteBits[mask & 0xFF] + kByteBits[mask >> 8];
}

}  // namespace lumora
