#pragma once
#include <array>
#include <cstdint>

// The fixed prefix code of the upper six bits of a match position.
// The decoder reads one byte and looks up the upper bits and the total code
// length; the encoder looks up the left-aligned code byte and its length.
struct TLzhPositionCode {
  std::array<uint8_t, 256> Upper{};       // first byte read -> upper six bits
  std::array<uint8_t, 256> Length{};      // first byte read -> prefix length in bits
  std::array<uint8_t, 64> Code{};         // upper six bits -> first byte of its range
  std::array<uint8_t, 64> CodeLength{};   // upper six bits -> prefix length in bits
};

namespace lzh_detail {

// Groups of upper values sharing one prefix length, shortest first.
struct TPositionGroup {
  int Values;
  int Bits;
};

constexpr TLzhPositionCode BuildPositionCode() {
  constexpr TPositionGroup groups[] = {{1, 3}, {3, 4}, {8, 5}, {12, 6}, {24, 7}, {16, 8}};
  TLzhPositionCode table{};
  int value = 0;
  int byte = 0;
  for (const TPositionGroup& group : groups) {
    for (int v = 0; v < group.Values; ++v, ++value) {
      table.Code[value] = static_cast<uint8_t>(byte);
      table.CodeLength[value] = static_cast<uint8_t>(group.Bits);
      // A prefix of n bits covers 2^(8-n) consecutive first bytes.
      for (int k = 0; k < (1 << (8 - group.Bits)); ++k, ++byte) {
        table.Upper[byte] = static_cast<uint8_t>(value);
        table.Length[byte] = static_cast<uint8_t>(group.Bits);
      }
    }
  }
  return table;
}

}  // namespace lzh_detail

inline constexpr TLzhPositionCode kLzhPositionCode = lzh_detail::BuildPositionCode();
