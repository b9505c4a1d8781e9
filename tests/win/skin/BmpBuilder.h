// Bytes of small BMP files written field by field, so the reader is tested
// against files made independently of it.
#pragma once
#include <cstdint>
#include <functional>
#include <vector>

struct TBmpBuilder {
  int Width = 2, Height = 2;
  bool TopDown = false;   // negative height in the header
  bool Core = false;      // the old 12-byte header, 3-byte palette entries
  int BitCount = 24;
  uint32_t Compression = 0;
  uint32_t ColoursUsed = 0;
  std::vector<uint32_t> Palette;  // 0x00RRGGBB
  std::vector<uint32_t> Masks;    // red, green, blue for BI_BITFIELDS
  std::function<uint32_t(int, int)> Raw = [](int, int) { return 0u; };  // value at (x, y), y from the top
  std::vector<uint8_t> Encoded;   // when not empty, the pixel data instead of Raw's rows (run-length codes)

  std::vector<uint8_t> Bytes() const {
    std::vector<uint8_t> b;
    auto put = [&b](uint32_t v, int n) { for (int i = 0; i < n; ++i) b.push_back(uint8_t(v >> (8 * i))); };
    const size_t headerSize = Core ? 12 : 40;
    const size_t entry = Core ? 3 : 4;
    const size_t stride = (size_t(Width) * BitCount + 31) / 32 * 4;
    const size_t offset = 14 + headerSize + Masks.size() * 4 + Palette.size() * entry;
    const size_t pixelBytes = Encoded.empty() ? stride * Height : Encoded.size();
    put('B' | 'M' << 8, 2);
    put(uint32_t(offset + pixelBytes), 4);
    put(0, 4);
    put(uint32_t(offset), 4);
    put(uint32_t(headerSize), 4);
    if (Core) {
      put(uint32_t(Width), 2);
      put(uint32_t(Height), 2);
      put(1, 2);
      put(uint32_t(BitCount), 2);
    } else {
      put(uint32_t(Width), 4);
      put(uint32_t(TopDown ? -Height : Height), 4);
      put(1, 2);
      put(uint32_t(BitCount), 2);
      put(Compression, 4);
      put(uint32_t(pixelBytes), 4);
      put(0, 4);
      put(0, 4);
      put(ColoursUsed, 4);
      put(0, 4);
    }
    for (uint32_t m : Masks) put(m, 4);
    for (uint32_t c : Palette) put(c, int(entry));
    if (!Encoded.empty()) {
      b.insert(b.end(), Encoded.begin(), Encoded.end());
      return b;
    }
    for (int row = 0; row < Height; ++row) {
      const int y = TopDown ? row : Height - 1 - row;
      std::vector<uint8_t> line(stride, 0);
      for (int x = 0; x < Width; ++x) {
        const uint32_t v = Raw(x, y);
        switch (BitCount) {
          case 1: line[size_t(x) / 8] |= uint8_t((v & 1) << (7 - x % 8)); break;
          case 4: line[size_t(x) / 2] |= uint8_t((v & 15) << (x % 2 ? 0 : 4)); break;
          default:
            for (int i = 0; i < BitCount / 8; ++i) line[size_t(x) * (BitCount / 8) + i] = uint8_t(v >> (8 * i));
        }
      }
      b.insert(b.end(), line.begin(), line.end());
    }
    return b;
  }
};

inline void Patch32(std::vector<uint8_t>& b, size_t at, uint32_t v) {
  for (int i = 0; i < 4; ++i) b[at + i] = uint8_t(v >> (8 * i));
}
inline void Patch16(std::vector<uint8_t>& b, size_t at, uint32_t v) {
  for (int i = 0; i < 2; ++i) b[at + i] = uint8_t(v >> (8 * i));
}
