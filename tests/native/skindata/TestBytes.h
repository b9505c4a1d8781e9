#pragma once
// Data generators shared by the skin data tests.
#include <cstdint>
#include <random>
#include <string>
#include <vector>

inline std::vector<uint8_t> Bytes(const std::string& text) {
  return std::vector<uint8_t>(text.begin(), text.end());
}

inline std::string Text(const std::vector<uint8_t>& bytes) {
  return std::string(bytes.begin(), bytes.end());
}

inline std::vector<uint8_t> RandomBytes(size_t size, uint32_t seed) {
  std::mt19937 rng(seed);
  std::vector<uint8_t> out(size);
  for (uint8_t& b : out) b = static_cast<uint8_t>(rng());
  return out;
}

// Text with repeated words and lines, the way INI files repeat keys.
inline std::vector<uint8_t> TextLikeBytes(size_t size, uint32_t seed) {
  static const char* const kWords[] = {"Left", "Width", "=", "Frame", "Buttons", "[Tabs]",
                                       "\r\n", "Trans", "1", "bmp", " ", "0x10"};
  std::mt19937 rng(seed);
  std::string text;
  while (text.size() < size) text += kWords[rng() % (sizeof(kWords) / sizeof(kWords[0]))];
  text.resize(size);
  return Bytes(text);
}

// Rows of flat colour runs, like skin bitmaps with a magenta key colour.
inline std::vector<uint8_t> BitmapLikeBytes(size_t size, uint32_t seed) {
  std::mt19937 rng(seed);
  std::vector<uint8_t> out;
  out.reserve(size);
  while (out.size() < size) {
    const uint8_t r = static_cast<uint8_t>(rng()), g = static_cast<uint8_t>(rng() & 0xF0);
    const bool key = rng() % 4 == 0;
    for (unsigned n = 1 + rng() % 90; n > 0 && out.size() < size; --n) {
      const uint8_t pixel[3] = {key ? uint8_t{0xFF} : r, key ? uint8_t{0} : g,
                                key ? uint8_t{0xFF} : uint8_t{0x80}};
      for (uint8_t c : pixel) {
        if (out.size() < size) out.push_back(c);
      }
    }
  }
  return out;
}

// Literals that build the deepest adaptive trees: Fibonacci-like counts of
// 20 letters, most frequent first, then every byte once. The rare ones that
// follow the frequent ones get codes longer than a 16-bit word.
inline std::vector<uint8_t> DeepTreeLiterals() {
  std::vector<uint8_t> literals;
  uint32_t a = 1, b = 1;
  for (int symbol = 0; symbol < 20; ++symbol) {
    literals.insert(literals.begin(), a, static_cast<uint8_t>('A' + symbol));
    const uint32_t next = a + b;
    a = b;
    b = next;
  }
  for (int byte = 0; byte < 256; ++byte) literals.push_back(static_cast<uint8_t>(byte));
  return literals;
}
