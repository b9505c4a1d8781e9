// The BMP decoder on its own: each kind of file it accepts, read back through
// the documented layout, and damaged files it must refuse without reading
// past their last byte. (The Windows tests check the same decoder through the
// bitmap class; the damaged files there are not repeated here.)
#include "host/BmpFile.h"

// Writes files field by field, independently of the decoder.
#include "tests/win/skin/BmpBuilder.h"

#include <gtest/gtest.h>

#include <functional>
#include <ostream>
#include <string>
#include <vector>

namespace {

uint32_t Read32(const std::vector<uint8_t>& b, size_t at) {
  return uint32_t(b[at]) | uint32_t(b[at + 1]) << 8 | uint32_t(b[at + 2]) << 16 | uint32_t(b[at + 3]) << 24;
}

// The value of pixel (x, y) in a decoded image, read as the header describes
// the layout: rows top-down, the leftmost pixel in a byte's high bits,
// wider pixels little-endian.
uint32_t ValueAt(const TBmpImage& image, size_t stride, int x, int y) {
  const uint8_t* row = image.Pixels.data() + stride * size_t(y);
  switch (image.BitCount) {
    case 1: return (row[x / 8] >> (7 - x % 8)) & 1;
    case 4: return (row[x / 2] >> (x % 2 ? 0 : 4)) & 15;
    case 8: return row[x];
    case 16: return uint32_t(row[2 * x] | row[2 * x + 1] << 8);
    case 24: return uint32_t(row[3 * x] | row[3 * x + 1] << 8 | row[3 * x + 2] << 16);
    default: return uint32_t(row[4 * x]) | uint32_t(row[4 * x + 1]) << 8 | uint32_t(row[4 * x + 2]) << 16 |
                    uint32_t(row[4 * x + 3]) << 24;
  }
}

// n colours, each channel different, so swapped channels show.
std::vector<uint32_t> Colours(int n) {
  std::vector<uint32_t> p;
  for (int i = 0; i < n; ++i) p.push_back(uint32_t(0x40 << 16 | (255 - i) << 8 | i));
  return p;
}

// A file whose header is `size` bytes instead of 40: the builder's masks, if
// any, become part of it, and zeros fill the rest, so the palette and pixels
// move along.
std::vector<uint8_t> WithHeaderSize(const TBmpBuilder& b, uint32_t size) {
  std::vector<uint8_t> bytes = b.Bytes();
  const size_t end = 14 + 40 + b.Masks.size() * 4;
  const size_t grow = 14 + size - end;
  bytes.insert(bytes.begin() + std::ptrdiff_t(end), grow, 0);
  Patch32(bytes, 2, uint32_t(bytes.size()));
  Patch32(bytes, 10, Read32(bytes, 10) + uint32_t(grow));
  Patch32(bytes, 14, size);
  return bytes;
}

struct GoodBmp {
  const char* What;
  TBmpBuilder File;
  int BitCount;   // of the decoded image
  size_t Stride;  // of the decoded image, counted by hand
  std::function<uint32_t(int, int)> Expected;
};
void PrintTo(const GoodBmp& c, std::ostream* os) { *os << c.What; }

// The raw values the builder wrote, which BI_RGB files keep as they are.
std::function<uint32_t(int, int)> AsWritten(const TBmpBuilder& b) {
  const uint32_t mask = b.BitCount == 32 ? 0xFFFFFFFFu : (1u << b.BitCount) - 1;
  return [raw = b.Raw, mask](int x, int y) { return raw(x, y) & mask; };
}

std::vector<GoodBmp> GoodFiles() {
  std::vector<GoodBmp> files;
  TBmpBuilder b;
  b.Width = 9; b.Height = 3; b.BitCount = 1; b.Palette = {0x102030, 0xF0E0D0};
  b.Raw = [](int x, int y) { return uint32_t((x + y) % 2 || x == 8); };
  files.push_back({"1 bit, a row across two bytes", b, 1, 4, AsWritten(b)});
  b.Width = 33;
  b.Raw = [](int x, int y) { return uint32_t(x % 3 == y); };
  files.push_back({"1 bit, five bytes padded to eight", b, 1, 8, AsWritten(b)});
  b = TBmpBuilder(); b.Width = 5; b.Height = 3; b.TopDown = true; b.BitCount = 4; b.Palette = Colours(16);
  b.Raw = [](int x, int y) { return uint32_t(x * 3 + y); };
  files.push_back({"4 bits, odd width, top-down", b, 4, 4, AsWritten(b)});
  b = TBmpBuilder(); b.Width = 5; b.Height = 2; b.BitCount = 8; b.Palette = Colours(3); b.ColoursUsed = 3;
  b.Raw = [](int x, int y) { return x < 3 ? uint32_t(x) : uint32_t(250 - y); };
  files.push_back({"8 bits, short palette", b, 8, 8, AsWritten(b)});
  b = TBmpBuilder(); b.Width = 2; b.Height = 3; b.Core = true; b.BitCount = 8; b.Palette = Colours(256);
  b.Raw = [](int x, int y) { return uint32_t(x + 2 * y + 100); };
  files.push_back({"8 bits, old core header, 3-byte palette", b, 8, 4, AsWritten(b)});
  b = TBmpBuilder(); b.Width = 3; b.Height = 2; b.Core = true; b.BitCount = 1; b.Palette = {0xFFFFFF, 0x000080};
  b.Raw = [](int x, int y) { return uint32_t(x == y); };
  files.push_back({"1 bit, old core header", b, 1, 4, AsWritten(b)});
  b = TBmpBuilder(); b.Width = 3; b.Height = 2; b.BitCount = 16;
  b.Raw = [](int x, int y) { return uint32_t(0x7C1F + x * 0x21 + y * 0x400); };
  files.push_back({"16 bits x-5-5-5, kept as stored", b, 16, 8, AsWritten(b)});
  b = TBmpBuilder(); b.Width = 3; b.Height = 3; b.BitCount = 24;
  b.Raw = [](int x, int y) { return uint32_t(x << 16 | y << 8 | 0x4D); };
  files.push_back({"24 bits, nine bytes padded to twelve", b, 24, 12, AsWritten(b)});
  b.TopDown = true;
  files.push_back({"24 bits, top-down", b, 24, 12, AsWritten(b)});
  b = TBmpBuilder(); b.Width = 3; b.Height = 2; b.BitCount = 32;
  b.Raw = [](int x, int y) { return uint32_t(0xAB000000 | x << 16 | y << 8 | 0x4D); };
  files.push_back({"32 bits, the fourth byte kept as stored", b, 32, 12, AsWritten(b)});

  // Bit fields: each channel scaled to 0..255 and rounded, worked out by
  // hand; the fourth byte is always 0.
  b = TBmpBuilder(); b.Width = 5; b.Height = 2; b.BitCount = 16; b.Compression = 3;
  b.Masks = {0xF800, 0x07E0, 0x001F};
  b.Raw = [](int x, int y) { return std::vector<uint32_t>{0xF800, 0x07E0, 0x001F, 0x0841, 0x8410}[size_t(x + y) % 5]; };
  files.push_back({"16-bit 5-6-5 bit fields", b, 32, 20, [](int x, int y) {
                     // 0x0841: 1/31, 2/63, 1/31 of full -> 8, 8, 8; 0x8410: 16/31, 32/63, 16/31 -> 132, 130, 132.
                     return std::vector<uint32_t>{0xFF0000, 0x00FF00, 0x0000FF, 0x080808, 0x848284}[size_t(x + y) % 5];
                   }});
  b = TBmpBuilder(); b.Width = 3; b.Height = 2; b.BitCount = 32; b.Compression = 3;
  b.Masks = {0x3FF00000, 0x000FFC00, 0x000003FF};
  b.Raw = [](int x, int y) {
    return std::vector<uint32_t>{0xC0000000 | 0x3FF00000, 0x200u << 10, 0x001u, 0x3FFFFFFF}[size_t(x + 2 * y) % 4];
  };
  files.push_back({"32-bit 10-10-10 bit fields, top bits ignored", b, 32, 12, [](int x, int y) {
                     // 512/1023 of 255 is 127.6; 1/1023 of it is 0.25.
                     return std::vector<uint32_t>{0xFF0000, 0x008000, 0x000000, 0xFFFFFF}[size_t(x + 2 * y) % 4];
                   }});
  b = TBmpBuilder(); b.Width = 2; b.Height = 2; b.BitCount = 32; b.Compression = 3;
  b.Masks = {0x0000FF00, 0, 0xFF000000};
  b.Raw = [](int x, int y) { return uint32_t(0x12345678 + x * 0x01010101 + y * 0x10); };
  files.push_back({"32-bit bit fields, channels moved, green missing", b, 32, 8, [](int x, int y) {
                     const uint32_t v = uint32_t(0x12345678 + x * 0x01010101 + y * 0x10);
                     return ((v >> 8) & 0xFF) << 16 | v >> 24;
                   }});
  return files;
}

class BmpDecoding : public testing::TestWithParam<GoodBmp> {};

TEST_P(BmpDecoding, GivesTheDocumentedLayout) {
  const GoodBmp& c = GetParam();
  const std::vector<uint8_t> bytes = c.File.Bytes();
  TBmpImage image;
  ASSERT_TRUE(ReadBmp(bytes.data(), bytes.size(), image)) << c.What;
  EXPECT_EQ(image.Width, c.File.Width);
  EXPECT_EQ(image.Height, c.File.Height);
  EXPECT_EQ(image.BitCount, c.BitCount);
  EXPECT_EQ(image.FileSize, bytes.size());
  EXPECT_EQ(BmpStride(image.Width, image.BitCount), c.Stride);
  ASSERT_EQ(image.Pixels.size(), c.Stride * size_t(c.File.Height));
  for (int y = 0; y < image.Height; ++y)
    for (int x = 0; x < image.Width; ++x)
      EXPECT_EQ(ValueAt(image, c.Stride, x, y), c.Expected(x, y)) << c.What << " at " << x << "," << y;

  // Every index the bit count can hold has an entry; those past the stated
  // colours are black.
  if (c.BitCount > 8) {
    EXPECT_TRUE(image.Palette.empty());
  } else {
    ASSERT_EQ(image.Palette.size(), size_t(1) << c.BitCount);
    const size_t stated = c.File.ColoursUsed ? c.File.ColoursUsed : c.File.Palette.size();
    for (size_t i = 0; i < image.Palette.size(); ++i)
      EXPECT_EQ(image.Palette[i], i < stated ? c.File.Palette[i] : 0u) << c.What << " entry " << i;
  }
}

INSTANTIATE_TEST_SUITE_P(Host, BmpDecoding, testing::ValuesIn(GoodFiles()),
                         [](const testing::TestParamInfo<GoodBmp>& i) { return "File" + std::to_string(i.index); });

// Bottom-up and top-down files of the same picture decode alike (the old
// core header has no top-down form).
TEST(BmpDecoding, RowOrderInTheFileDoesNotChangeTheImage) {
  for (const GoodBmp& c : GoodFiles()) {
    if (c.File.Core) continue;
    TBmpBuilder flipped = c.File;
    flipped.TopDown = !flipped.TopDown;
    const std::vector<uint8_t> a = c.File.Bytes(), b = flipped.Bytes();
    TBmpImage one, other;
    ASSERT_TRUE(ReadBmp(a.data(), a.size(), one)) << c.What;
    ASSERT_TRUE(ReadBmp(b.data(), b.size(), other)) << c.What;
    EXPECT_EQ(one.Height, other.Height) << c.What;
    EXPECT_EQ(one.Pixels, other.Pixels) << c.What;
    EXPECT_EQ(one.Palette, other.Palette) << c.What;
  }
}

// Newer, longer headers carry the bit-field masks inside them; the palette
// and pixels follow wherever the header ends.
TEST(BmpDecoding, LongerHeadersGiveTheSameImage) {
  TBmpBuilder fields;
  fields.Width = 3; fields.Height = 2; fields.BitCount = 16; fields.Compression = 3;
  fields.Masks = {0xF800, 0x07E0, 0x001F, 0};  // the fourth is alpha, not used
  fields.Raw = [](int x, int y) { return uint32_t(0x1234 * (x + 1) + y); };
  TBmpBuilder paletted;
  paletted.Width = 3; paletted.Height = 2; paletted.BitCount = 8; paletted.Palette = Colours(5); paletted.ColoursUsed = 5;
  paletted.Raw = [](int x, int y) { return uint32_t(x + y); };
  TBmpBuilder direct;
  direct.Width = 3; direct.Height = 2; direct.BitCount = 24; direct.TopDown = true;
  direct.Raw = [](int x, int y) { return uint32_t(x << 16 | y); };

  for (const TBmpBuilder* b : {&fields, &paletted, &direct}) {
    const std::vector<uint8_t> plain = b->Bytes();
    TBmpImage expected;
    ASSERT_TRUE(ReadBmp(plain.data(), plain.size(), expected));
    for (uint32_t size : {56u, 108u, 124u}) {
      const std::vector<uint8_t> bytes = WithHeaderSize(*b, size);
      TBmpImage image;
      ASSERT_TRUE(ReadBmp(bytes.data(), bytes.size(), image)) << b->BitCount << " bits, header " << size;
      EXPECT_EQ(image.BitCount, expected.BitCount);
      EXPECT_EQ(image.Pixels, expected.Pixels) << b->BitCount << " bits, header " << size;
      EXPECT_EQ(image.Palette, expected.Palette) << b->BitCount << " bits, header " << size;
      EXPECT_EQ(image.FileSize, bytes.size());
    }
  }
}

// The pixel offset is obeyed even with a gap before the pixels, and the file
// ends where its last row does, whatever follows.
TEST(BmpDecoding, PixelsStartAtTheStatedOffsetAndEndWithTheLastRow) {
  TBmpBuilder b;
  b.Width = 2; b.Height = 2; b.BitCount = 24;
  b.Raw = [](int x, int y) { return uint32_t(0x102030 * (x + 1) + y); };
  const std::vector<uint8_t> plain = b.Bytes();
  std::vector<uint8_t> gapped = plain;
  gapped.insert(gapped.begin() + 54, 10, 0xEE);
  Patch32(gapped, 10, 54 + 10);
  gapped.insert(gapped.end(), 7, 0xEE);

  TBmpImage expected, image;
  ASSERT_TRUE(ReadBmp(plain.data(), plain.size(), expected));
  ASSERT_TRUE(ReadBmp(gapped.data(), gapped.size(), image));
  EXPECT_EQ(image.Pixels, expected.Pixels);
  EXPECT_EQ(image.FileSize, plain.size() + 10);
}

// An offset of 0 means the pixels follow the header and the colours the file
// states, not a full palette.
TEST(BmpDecoding, ZeroOffsetFindsThePixelsAfterAShortPalette) {
  TBmpBuilder b;
  b.Width = 4; b.Height = 2; b.BitCount = 8; b.Palette = Colours(3); b.ColoursUsed = 3;
  b.Raw = [](int x, int y) { return uint32_t((x + y) % 3); };
  TBmpBuilder full = b;
  full.Palette = Colours(256);
  full.ColoursUsed = 0;
  for (const TBmpBuilder* file : {&b, &full}) {
    const std::vector<uint8_t> stated = file->Bytes();
    std::vector<uint8_t> zero = stated;
    Patch32(zero, 10, 0);
    TBmpImage expected, image;
    ASSERT_TRUE(ReadBmp(stated.data(), stated.size(), expected));
    ASSERT_TRUE(ReadBmp(zero.data(), zero.size(), image)) << file->Palette.size() << " colours";
    EXPECT_EQ(image.Pixels, expected.Pixels) << file->Palette.size() << " colours";
    EXPECT_EQ(image.Palette, expected.Palette) << file->Palette.size() << " colours";
    EXPECT_EQ(image.FileSize, stated.size()) << file->Palette.size() << " colours";
  }
}

// Run-length coded files: each stream written by hand, its picture worked
// out from the codes by hand. The stream's first row is the bottom one.
struct RleBmp {
  const char* What;
  int BitCount;  // 8: BI_RLE8, 4: BI_RLE4
  int Width, Height;
  std::vector<uint8_t> Stream;
  std::vector<std::vector<uint8_t>> Rows;  // palette indices, top row first
};
void PrintTo(const RleBmp& c, std::ostream* os) { *os << c.What; }

TBmpBuilder RleFile(int bitCount, int width, int height, std::vector<uint8_t> stream) {
  TBmpBuilder b;
  b.Width = width; b.Height = height; b.BitCount = bitCount;
  b.Compression = bitCount == 8 ? 1 : 2;
  b.Palette = Colours(1 << bitCount);
  b.Encoded = std::move(stream);
  return b;
}

TBmpBuilder RleFile(const RleBmp& c) { return RleFile(c.BitCount, c.Width, c.Height, c.Stream); }

// The rows as the decoded image holds them: 4-bit indices two to a byte,
// high nibble first, each row padded with zeros to four bytes.
std::vector<uint8_t> PackedRows(const RleBmp& c) {
  const size_t stride = (size_t(c.Width) * size_t(c.BitCount) + 31) / 32 * 4;
  std::vector<uint8_t> out(stride * c.Rows.size(), 0);
  for (size_t y = 0; y < c.Rows.size(); ++y)
    for (size_t x = 0; x < c.Rows[y].size(); ++x) {
      if (c.BitCount == 8) out[y * stride + x] = c.Rows[y][x];
      else out[y * stride + x / 2] |= uint8_t(c.Rows[y][x] << (x % 2 ? 0 : 4));
    }
  return out;
}

std::vector<RleBmp> RleFiles() {
  return {
      {"RLE8 runs and an end of line", 8, 4, 2, {3, 0x05, 1, 0x07, 0, 0, 4, 0xAB, 0, 1},
       {{0xAB, 0xAB, 0xAB, 0xAB}, {5, 5, 5, 7}}},
      // Three bytes are padded to four, four are not.
      {"RLE8 absolute runs, the odd one padded", 8, 7, 2,
       {0, 3, 0x11, 0x22, 0x33, 0, 0, 4, 0x44, 0x55, 0x66, 0x77, 0, 0, 2, 0x99, 0, 1},
       {{0x99, 0x99, 0, 0, 0, 0, 0}, {0x11, 0x22, 0x33, 0x44, 0x55, 0x66, 0x77}}},
      // After the pixel at (0, 0) a delta of 2 right, 1 up reaches (3, 1).
      {"RLE8 delta: skipped pixels are index 0", 8, 4, 3, {1, 0x0A, 0, 2, 2, 1, 1, 0x0B, 0, 1},
       {{0, 0, 0, 0}, {0, 0, 0, 0x0B}, {0x0A, 0, 0, 0}}},
      {"RLE8 end of bitmap leaves the rest index 0", 8, 3, 3, {3, 0x0C, 0, 1},
       {{0, 0, 0}, {0, 0, 0}, {0x0C, 0x0C, 0x0C}}},
      {"RLE4 runs alternate the byte's two nibbles", 4, 5, 2, {5, 0x12, 0, 0, 2, 0x34, 3, 0x56, 0, 1},
       {{3, 4, 5, 6, 5}, {1, 2, 1, 2, 1}}},
      // 3 pixels take 2 bytes; 5 take 3, padded to 4; 4 take 2.
      {"RLE4 absolute runs, odd byte counts padded", 4, 8, 2,
       {0, 3, 0x12, 0x30, 0, 5, 0xAB, 0xCD, 0xE0, 0, 0, 0, 0, 4, 0xFE, 0xDC, 0, 1},
       {{0xF, 0xE, 0xD, 0xC, 0, 0, 0, 0}, {1, 2, 3, 0xA, 0xB, 0xC, 0xD, 0xE}}},
      {"RLE4 delta", 4, 4, 2, {0, 2, 3, 1, 1, 0x70, 0, 1}, {{0, 0, 0, 7}, {0, 0, 0, 0}}},
      // Past the image's edges pixels are dropped: never wrapped to the next
      // row, never written outside.
      {"RLE8 run past the row end is clipped", 8, 3, 2, {5, 0x01, 0, 0, 1, 0x02, 0, 1}, {{2, 0, 0}, {1, 1, 1}}},
      {"RLE8 absolute run past the row end is clipped, its padding skipped", 8, 2, 2,
       {0, 3, 7, 8, 9, 0, 0, 0, 1, 5, 0, 1}, {{5, 0}, {7, 8}}},
      {"RLE8 deltas past the right edge and the top", 8, 2, 2,
       {0, 2, 5, 0, 1, 0x0A, 0, 0, 1, 0x0B, 0, 2, 0, 9, 1, 0x0C, 0, 1}, {{0x0B, 0}, {0, 0}}},
      {"RLE8 rows past the top", 8, 1, 1, {1, 1, 0, 0, 1, 2, 0, 0, 1, 3, 0, 1}, {{1}}},
      {"RLE4 run past an odd width leaves the row's padding zero", 4, 3, 1, {4, 0x9A, 0, 1}, {{9, 0xA, 9}}},
  };
}

class RleDecoding : public testing::TestWithParam<RleBmp> {};

TEST_P(RleDecoding, GivesThePictureOfItsCodes) {
  const RleBmp& c = GetParam();
  ASSERT_EQ(c.Rows.size(), size_t(c.Height));
  const std::vector<uint8_t> bytes = RleFile(c).Bytes();
  TBmpImage image;
  ASSERT_TRUE(ReadBmp(bytes.data(), bytes.size(), image)) << c.What;
  EXPECT_EQ(image.Width, c.Width);
  EXPECT_EQ(image.Height, c.Height);
  EXPECT_EQ(image.BitCount, c.BitCount);
  EXPECT_EQ(image.Pixels, PackedRows(c)) << c.What;
  EXPECT_EQ(image.Palette, Colours(1 << c.BitCount));
  EXPECT_EQ(image.FileSize, bytes.size());
}

INSTANTIATE_TEST_SUITE_P(Host, RleDecoding, testing::ValuesIn(RleFiles()),
                         [](const testing::TestParamInfo<RleBmp>& i) { return "File" + std::to_string(i.index); });

// The file ends with its end-of-bitmap code, whatever follows it.
TEST(RleDecoding, FileEndsWithTheEndOfBitmapCode) {
  const RleBmp c = RleFiles().front();
  const std::vector<uint8_t> plain = RleFile(c).Bytes();
  std::vector<uint8_t> followed = plain;
  followed.insert(followed.end(), {3, 0x44, 0, 1});
  TBmpImage image;
  ASSERT_TRUE(ReadBmp(followed.data(), followed.size(), image));
  EXPECT_EQ(image.FileSize, plain.size());
  EXPECT_EQ(image.Pixels, PackedRows(c));
}

// 4096 x 4096 at 8 bits is the most pixels a run-length file may describe.
TEST(RleDecoding, ImageUpToTheLimitIsRead) {
  const std::vector<uint8_t> bytes = RleFile(8, 4096, 4096, {2, 0x33, 0, 1}).Bytes();
  TBmpImage image;
  ASSERT_TRUE(ReadBmp(bytes.data(), bytes.size(), image));
  ASSERT_EQ(image.Pixels.size(), size_t(4096) * 4096);
  const size_t bottom = size_t(4095) * 4096;
  EXPECT_EQ(image.Pixels[bottom], 0x33);
  EXPECT_EQ(image.Pixels[bottom + 1], 0x33);
  EXPECT_EQ(image.Pixels[bottom + 2], 0);
  EXPECT_EQ(image.Pixels[0], 0);
}

// Every shorter copy of a good file is refused; each copy is exactly its
// length, so a read past the end shows under AddressSanitizer.
TEST(BmpRefusal, EveryTruncationOfEveryKindOfFile) {
  for (const GoodBmp& c : GoodFiles()) {
    const std::vector<uint8_t> full = c.File.Bytes();
    TBmpImage image;
    ASSERT_TRUE(ReadBmp(full.data(), full.size(), image)) << c.What;
    for (size_t size = 0; size < full.size(); ++size) {
      const std::vector<uint8_t> cut(full.begin(), full.begin() + std::ptrdiff_t(size));
      EXPECT_FALSE(ReadBmp(cut.data(), cut.size(), image)) << c.What << ", " << size << " bytes";
    }
  }
}

// A cut anywhere, headers or codes, loses the end-of-bitmap code.
TEST(BmpRefusal, EveryTruncationOfEveryRunLengthFile) {
  for (const RleBmp& c : RleFiles()) {
    const std::vector<uint8_t> full = RleFile(c).Bytes();
    TBmpImage image;
    ASSERT_TRUE(ReadBmp(full.data(), full.size(), image)) << c.What;
    for (size_t size = 0; size < full.size(); ++size) {
      const std::vector<uint8_t> cut(full.begin(), full.begin() + std::ptrdiff_t(size));
      EXPECT_FALSE(ReadBmp(cut.data(), cut.size(), image)) << c.What << ", " << size << " bytes";
    }
  }
}

TEST(BmpRefusal, NoBytes) {
  TBmpImage image;
  EXPECT_FALSE(ReadBmp(nullptr, 0, image));
  EXPECT_FALSE(ReadBmp(nullptr, 1000, image));
}

struct DamagedBmp {
  const char* What;
  std::vector<uint8_t> Bytes;
};
void PrintTo(const DamagedBmp& c, std::ostream* os) { *os << c.What; }

std::vector<uint8_t> Patched(const TBmpBuilder& b, size_t at, uint32_t value, int bytes = 4) {
  std::vector<uint8_t> file = b.Bytes();
  (bytes == 2 ? Patch16 : Patch32)(file, at, value);
  return file;
}

// Small good files that the damaged ones below are made from.
struct TBases {
  TBmpBuilder Small;    // 3 x 2, 8 bits, 4 colours: 54 + 16 + 2 rows of 4 bytes
  TBmpBuilder Core;     // 3 x 2, 8 bits, all 256 colours of 3 bytes
  TBmpBuilder Fields;   // 2 x 2, 32-bit bit fields, masks after the header
  TBmpBuilder Deep;     // 2 x 2, 32 bits, so wide rows need few pixels
  TBmpBuilder Nibbles;  // 2 x 2, 4 bits
  TBmpBuilder Rle8;     // 3 x 2, run-length coded 8 bits: a run, end of line, a run, end of bitmap

  TBases() {
    Small.Width = 3; Small.Height = 2; Small.BitCount = 8; Small.Palette = Colours(4); Small.ColoursUsed = 4;
    Core.Core = true; Core.Width = 3; Core.Height = 2; Core.BitCount = 8; Core.Palette = Colours(256);
    Fields.BitCount = 32; Fields.Compression = 3; Fields.Masks = {0xFF0000, 0xFF00, 0xFF};
    Deep.BitCount = 32;
    Nibbles.BitCount = 4; Nibbles.Palette = Colours(16);
    Rle8 = RleFile(8, 3, 2, {3, 1, 0, 0, 3, 2, 0, 1});
  }
};

std::vector<DamagedBmp> DamagedFiles() {
  const TBases b;
  const TBmpBuilder& small = b.Small;
  const TBmpBuilder& core = b.Core;
  const TBmpBuilder& fields = b.Fields;
  const TBmpBuilder& deep = b.Deep;
  const TBmpBuilder& nibbles = b.Nibbles;
  const TBmpBuilder& rle8 = b.Rle8;
  const auto rleStream = [&](std::vector<uint8_t> stream) {
    TBmpBuilder f = rle8;
    f.Encoded = std::move(stream);
    return f.Bytes();
  };
  TBmpBuilder rleTopDown = rle8;
  rleTopDown.TopDown = true;
  const size_t smallSize = small.Bytes().size();
  TBmpBuilder shortCore = core;
  shortCore.Palette = Colours(16);

  std::vector<DamagedBmp> files = {
      // Headers that do not fit or are not known.
      {"header size one past the end", Patched(small, 14, uint32_t(smallSize - 14 + 1))},
      {"header size up to the end of the file", Patched(small, 14, uint32_t(smallSize - 14))},
      {"header size 39", Patched(small, 14, 39)},
      {"header size 11", Patched(small, 14, 11)},
      {"header size 0xFFFFFFFF", Patched(small, 14, 0xFFFFFFFF)},
      {"magic reversed", Patched(small, 0, 'M' | 'B' << 8, 2)},
      // Dimensions: none, negative, past what a DIB can describe, or more
      // rows than bytes, including products that wrap 32 bits.
      {"core width 0", Patched(core, 18, 0, 2)},
      {"core height 0", Patched(core, 20, 0, 2)},
      {"core width 65535", Patched(core, 18, 0xFFFF, 2)},
      {"width INT_MIN", Patched(small, 18, 0x80000000)},
      {"width one past 2^31 bits a row", Patched(small, 18, 0x7FFFFFFF / 32 + 1)},
      {"width INT_MAX", Patched(small, 18, 0x7FFFFFFF)},
      {"height INT_MAX", Patched(small, 22, 0x7FFFFFFF)},
      {"top-down height -INT_MAX", Patched(small, 22, 0x80000001)},
      {"top-down height one row too many", Patched(small, 22, uint32_t(-3))},
      {"rows of 2^16 bytes, 2^16 of them: 2^32 bytes", [&] {
         std::vector<uint8_t> f = Patched(deep, 18, 0x4000);
         Patch32(f, 22, 0x10000);
         return f;
       }()},
      {"widest rows allowed, 17 of them: past 2^32 bytes", [&] {
         std::vector<uint8_t> f = Patched(deep, 18, 0x7FFFFFFF / 32);
         Patch32(f, 22, 17);
         return f;
       }()},
      // Pixels that start past the end, at the end, or inside the headers.
      {"pixel offset 0xFFFFFFFF", Patched(small, 10, 0xFFFFFFFF)},
      {"pixel offset at the end", Patched(small, 10, uint32_t(smallSize))},
      {"pixel offset inside the file header", Patched(small, 10, 2)},
      {"pixel offset inside the info header", Patched(small, 10, 14 + 20)},
      {"pixel offset on the bit-field masks", Patched(fields, 10, 14 + 40 + 4)},
      // Palettes the file cannot hold.
      {"all 256 colours, 4 present", Patched(small, 46, 0)},
      {"200 colours, 4 present", Patched(small, 46, 200)},
      {"0xFFFFFFFF colours, 4 present", Patched(small, 46, 0xFFFFFFFF)},
      {"core header, 16 of 256 colours present", shortCore.Bytes()},
      // Bit counts and compressions the decoder does not know.
      {"0 bits per pixel", Patched(small, 28, 0, 2)},
      {"48 bits per pixel", Patched(deep, 28, 48, 2)},
      {"64 bits per pixel", Patched(deep, 28, 64, 2)},
      {"core header, 2 bits per pixel", Patched(core, 24, 2, 2)},
      {"run-length coded 4 bits", Patched(nibbles, 30, 2)},
      {"JPEG inside", Patched(deep, 30, 4)},
      {"PNG inside", Patched(deep, 30, 5)},
      {"bit fields with alpha", Patched(fields, 30, 6)},
      {"compression 0x80000003", Patched(fields, 30, 0x80000003)},
      {"bit fields on 24 bits", Patched(fields, 28, 24, 2)},
      {"bit fields on 1 bit", Patched(fields, 28, 1, 2)},
      // Run-length files: only bottom-up, only on their own bit count, and
      // the codes must reach their end-of-bitmap code inside the file.
      {"run-length coded, top-down", rleTopDown.Bytes()},
      {"run-length 8 on 4 bits", Patched(rle8, 28, 4, 2)},
      {"run-length 4 on 8 bits", Patched(rle8, 30, 2)},
      {"run-length 8 on 24 bits", Patched(rle8, 28, 24, 2)},
      {"run-length codes without an end of bitmap", rleStream({3, 1, 0, 0, 3, 2})},
      {"run-length codes of one byte", rleStream({0})},
      {"run-length code cut after its count", rleStream({3, 1, 0, 0, 3})},
      {"run-length delta cut short", rleStream({1, 1, 0, 2, 1})},
      {"run-length absolute run cut short", rleStream({0, 5, 1, 2, 3})},
      // The padding byte is taken from the end code, which is then missing.
      {"run-length absolute run without its padding byte", rleStream({0, 3, 1, 2, 3, 0, 1})},
      {"run-length pixels start at the end", Patched(rle8, 10, uint32_t(rle8.Bytes().size()))},
      {"run-length image one row past 16 MB of pixels", RleFile(8, 4096, 4097, {0, 1}).Bytes()},
      {"run-length image of 2^31 - 1 rows", RleFile(8, 1, 0x7FFFFFFF, {0, 1}).Bytes()},
  };
  return files;
}

class BmpRefusalOf : public testing::TestWithParam<DamagedBmp> {};

TEST_P(BmpRefusalOf, DamagedFileLeavesAnEmptyImage) {
  const DamagedBmp& c = GetParam();
  // Start from a decoded image, so a refusal must clear it.
  TBmpBuilder good;
  const std::vector<uint8_t> goodBytes = good.Bytes();
  TBmpImage image;
  ASSERT_TRUE(ReadBmp(goodBytes.data(), goodBytes.size(), image));

  EXPECT_FALSE(ReadBmp(c.Bytes.data(), c.Bytes.size(), image)) << c.What;
  EXPECT_EQ(image.Width, 0) << c.What;
  EXPECT_EQ(image.Height, 0) << c.What;
  EXPECT_EQ(image.BitCount, 0) << c.What;
  EXPECT_EQ(image.FileSize, 0u) << c.What;
  EXPECT_TRUE(image.Pixels.empty()) << c.What;
  EXPECT_TRUE(image.Palette.empty()) << c.What;
}

INSTANTIATE_TEST_SUITE_P(Host, BmpRefusalOf, testing::ValuesIn(DamagedFiles()),
                         [](const testing::TestParamInfo<DamagedBmp>& i) { return "File" + std::to_string(i.index); });

// The bases themselves are read, so each refusal above is the damage's.
TEST(BmpRefusal, TheUndamagedBasesAreRead) {
  const TBases b;
  for (const TBmpBuilder* base : {&b.Small, &b.Core, &b.Fields, &b.Deep, &b.Nibbles, &b.Rle8}) {
    const std::vector<uint8_t> bytes = base->Bytes();
    TBmpImage image;
    EXPECT_TRUE(ReadBmp(bytes.data(), bytes.size(), image)) << base->BitCount << " bits";
  }
}

}  // namespace
