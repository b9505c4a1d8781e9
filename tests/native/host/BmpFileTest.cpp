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

  TBases() {
    Small.Width = 3; Small.Height = 2; Small.BitCount = 8; Small.Palette = Colours(4); Small.ColoursUsed = 4;
    Core.Core = true; Core.Width = 3; Core.Height = 2; Core.BitCount = 8; Core.Palette = Colours(256);
    Fields.BitCount = 32; Fields.Compression = 3; Fields.Masks = {0xFF0000, 0xFF00, 0xFF};
    Deep.BitCount = 32;
    Nibbles.BitCount = 4; Nibbles.Palette = Colours(16);
  }
};

std::vector<DamagedBmp> DamagedFiles() {
  const TBases b;
  const TBmpBuilder& small = b.Small;
  const TBmpBuilder& core = b.Core;
  const TBmpBuilder& fields = b.Fields;
  const TBmpBuilder& deep = b.Deep;
  const TBmpBuilder& nibbles = b.Nibbles;
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
  for (const TBmpBuilder* base : {&b.Small, &b.Core, &b.Fields, &b.Deep, &b.Nibbles}) {
    const std::vector<uint8_t> bytes = base->Bytes();
    TBmpImage image;
    EXPECT_TRUE(ReadBmp(bytes.data(), bytes.size(), image)) << base->BitCount << " bits";
  }
}

}  // namespace
