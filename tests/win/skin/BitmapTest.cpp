// The host bitmap: pixel formats, scan lines, BMP reading (good and damaged
// files), masks and the canvas copies the painters rely on.
#include "host/Classes.h"
#include "tests/win/skin/BmpBuilder.h"
#include "tests/win/skin/PixelFixtures.h"
#include <gtest/gtest.h>

namespace {

TColor Rgb(uint32_t rrggbb) { return TColor(RGB(rrggbb >> 16, (rrggbb >> 8) & 0xFF, rrggbb & 0xFF)); }

struct FormatCase {
  TPixelFormat Format;
  int BytesPerLineAt5;        // row of 5 pixels, padded to 4 bytes
  std::vector<TColor> Exact;  // colours the format holds without change
};

class BitmapFormats : public testing::TestWithParam<FormatCase> {};

TEST_P(BitmapFormats, KeepExactColoursAndRowLayout) {
  const FormatCase& c = GetParam();
  TBitmap bitmap(5, 3, c.Format);
  ASSERT_FALSE(bitmap.Empty());
  EXPECT_EQ(bitmap.PixelFormat(), c.Format);
  EXPECT_EQ(bitmap.BytesPerLine(), c.BytesPerLineAt5);
  const auto* row0 = static_cast<const uint8_t*>(bitmap.ScanLine(0));
  EXPECT_EQ(static_cast<const uint8_t*>(bitmap.ScanLine(1)) - row0, c.BytesPerLineAt5);
  EXPECT_EQ(bitmap.ScanLine(3), nullptr);
  EXPECT_EQ(bitmap.ScanLine(-1), nullptr);
  for (int y = 0; y < 3; ++y)
    for (int x = 0; x < 5; ++x) bitmap.SetPixel(x, y, c.Exact[size_t(x + y) % c.Exact.size()]);
  for (int y = 0; y < 3; ++y)
    for (int x = 0; x < 5; ++x) EXPECT_EQ(bitmap.Pixel(x, y), c.Exact[size_t(x + y) % c.Exact.size()]) << x << "," << y;
  EXPECT_EQ(bitmap.Pixel(5, 0), clNone);
}

INSTANTIATE_TEST_SUITE_P(Host, BitmapFormats, testing::Values(
    FormatCase{pf1bit, 4, {clBlack, clWhite}},
    FormatCase{pf4bit, 4, {Rgb(0x800000), Rgb(0x00FF00), Rgb(0xFF00FF), Rgb(0xC0C0C0)}},
    FormatCase{pf8bit, 8, {Rgb(0x336699), Rgb(0xFF00FF), Rgb(0x060606), Rgb(0xFFFFFF)}},
    FormatCase{pf16bit, 12, {Rgb(0xFF00FF), Rgb(0x084210), Rgb(0xFFFFFF), Rgb(0x000000)}},
    FormatCase{pf24bit, 16, {Rgb(0xFF00FF), Rgb(0x123456), Rgb(0xFE01FF)}},
    FormatCase{pf32bit, 20, {Rgb(0xFF00FF), Rgb(0x123456), Rgb(0xFE01FF)}}));

TEST(Bitmap, ConversionKeepsWhatTheNewFormatCanHold) {
  auto bitmap = MakeBitmap(4, 2, [](int x, int y) { return x == y ? Rgb(0xFF00FF) : Rgb(0x123456); });
  bitmap->Transparent = true;
  bitmap->SetPixelFormat(pf24bit);
  EXPECT_EQ(bitmap->PixelFormat(), pf24bit);
  EXPECT_TRUE(bitmap->Transparent);
  EXPECT_EQ(bitmap->Pixel(1, 1), Rgb(0xFF00FF));
  EXPECT_EQ(bitmap->Pixel(2, 1), Rgb(0x123456));
  // 5 bits per channel keep the top five: 0x12 -> 0x10, 0x34 -> 0x31, 0x56 -> 0x52.
  bitmap->SetPixelFormat(pf16bit);
  EXPECT_EQ(bitmap->Pixel(0, 0), Rgb(0xFF00FF));
  EXPECT_EQ(bitmap->Pixel(1, 0), Rgb(0x103152));
  // Black and white: the nearest of the two.
  bitmap->SetPixelFormat(pf1bit);
  EXPECT_EQ(bitmap->Pixel(0, 0), clWhite);  // magenta is nearer white
  EXPECT_EQ(bitmap->Pixel(1, 0), clBlack);
}

TEST(Bitmap, AssignCopiesEverything) {
  auto source = MakeBitmap(3, 2, CoordColour, pf24bit);
  source->Transparent = true;
  source->TransparentColor = Rgb(0x00FF00);
  TBitmap copy;
  copy.Assign(*source);
  EXPECT_EQ(copy.PixelFormat(), pf24bit);
  EXPECT_TRUE(copy.Transparent);
  EXPECT_EQ(copy.TransparentColor, Rgb(0x00FF00));
  for (int y = 0; y < 2; ++y)
    for (int x = 0; x < 3; ++x) EXPECT_EQ(copy.Pixel(x, y), CoordColour(x, y));
}

struct GoodBmp {
  const char* Name;
  TBmpBuilder File;
  TPixelFormat Format;
  std::function<TColor(int, int)> Expected;
};

std::vector<uint32_t> Greys(int n) {
  std::vector<uint32_t> p;
  for (int i = 0; i < n; ++i) p.push_back(uint32_t(i * 0x101010 + 0x0F0000));
  return p;
}

std::vector<GoodBmp> GoodFiles() {
  std::vector<GoodBmp> files;
  TBmpBuilder b;
  b.Width = 9; b.Height = 2; b.BitCount = 1; b.Palette = {0x102030, 0xF0E0D0};
  b.Raw = [](int x, int y) { return uint32_t((x + y) % 2); };
  files.push_back({"1 bit, bottom-up, row across two bytes", b, pf1bit,
                   [](int x, int y) { return (x + y) % 2 ? Rgb(0xF0E0D0) : Rgb(0x102030); }});
  b = TBmpBuilder(); b.Width = 3; b.Height = 2; b.TopDown = true; b.BitCount = 4; b.Palette = Greys(16);
  b.Raw = [](int x, int y) { return uint32_t(x * 5 + y); };
  files.push_back({"4 bits, top-down", b, pf4bit, [](int x, int y) { return Rgb(Greys(16)[size_t(x * 5 + y)]); }});
  b = TBmpBuilder(); b.Width = 5; b.Height = 2; b.BitCount = 8; b.Palette = Greys(3); b.ColoursUsed = 3;
  b.Raw = [](int x, int) { return x < 3 ? uint32_t(x) : 200u; };
  files.push_back({"8 bits, short palette: indices past it are black", b, pf8bit,
                   [](int x, int) { return x < 3 ? Rgb(Greys(3)[size_t(x)]) : clBlack; }});
  b = TBmpBuilder(); b.Width = 3; b.Height = 2; b.BitCount = 16;
  b.Raw = [](int x, int) { return x == 0 ? 0x7C1Fu : x == 1 ? 0x03E0u : 0x0421u; };  // x-5-5-5
  files.push_back({"16 bits", b, pf16bit,
                   [](int x, int) { return x == 0 ? Rgb(0xFF00FF) : x == 1 ? Rgb(0x00FF00) : Rgb(0x080808); }});
  b = TBmpBuilder(); b.Width = 3; b.Height = 3; b.BitCount = 24;
  b.Raw = [](int x, int y) { return uint32_t(x << 16 | y << 8 | 77); };
  files.push_back({"24 bits, padded rows", b, pf24bit, CoordColour});
  b.BitCount = 32;
  files.push_back({"32 bits", b, pf32bit, CoordColour});
  b = TBmpBuilder(); b.Width = 4; b.Height = 1; b.BitCount = 16; b.Compression = 3;
  b.Masks = {0xF800, 0x07E0, 0x001F};
  b.Raw = [](int x, int) { return std::vector<uint32_t>{0xF800, 0x07E0, 0x001F, 0xFFFF}[size_t(x)]; };
  files.push_back({"16-bit 5-6-5 bit fields, unpacked to 32 bits", b, pf32bit, [](int x, int) {
                     return std::vector<TColor>{Rgb(0xFF0000), Rgb(0x00FF00), Rgb(0x0000FF), Rgb(0xFFFFFF)}[size_t(x)];
                   }});
  b = TBmpBuilder(); b.Width = 2; b.Height = 2; b.Core = true; b.BitCount = 8; b.Palette = Greys(256);
  b.Raw = [](int x, int y) { return uint32_t(x + 2 * y); };
  files.push_back({"old core header, 3-byte palette", b, pf8bit,
                   [](int x, int y) { return Rgb(Greys(256)[size_t(x + 2 * y)]); }});
  // Run-length codes, bottom row first; pixels they leave out are index 0.
  b = TBmpBuilder(); b.Width = 4; b.Height = 2; b.BitCount = 8; b.Compression = 1;
  b.Palette = Greys(16); b.ColoursUsed = 16;
  b.Encoded = {3, 5, 1, 7, 0, 0, 2, 12, 0, 1};
  files.push_back({"run-length coded 8 bits", b, pf8bit, [](int x, int y) {
                     const int index = y == 1 ? (x < 3 ? 5 : 7) : (x < 2 ? 12 : 0);
                     return Rgb(Greys(16)[size_t(index)]);
                   }});
  b = TBmpBuilder(); b.Width = 3; b.Height = 2; b.BitCount = 4; b.Compression = 2; b.Palette = Greys(16);
  b.Encoded = {3, 0x12, 0, 0, 0, 3, 0xAB, 0xC0, 0, 1};
  files.push_back({"run-length coded 4 bits", b, pf4bit, [](int x, int y) {
                     const int index = y == 1 ? (x == 1 ? 2 : 1) : 0xA + x;
                     return Rgb(Greys(16)[size_t(index)]);
                   }});
  return files;
}

class BmpReading : public testing::TestWithParam<GoodBmp> {};

TEST_P(BmpReading, GivesThePixelsOfTheFile) {
  const GoodBmp& c = GetParam();
  const std::vector<uint8_t> bytes = c.File.Bytes();
  TBitmap bitmap;
  ASSERT_TRUE(bitmap.LoadFromBuffer(bytes.data(), bytes.size()));
  EXPECT_EQ(bitmap.PixelFormat(), c.Format);
  ASSERT_EQ(bitmap.Width(), c.File.Width);
  ASSERT_EQ(bitmap.Height(), c.File.Height);
  for (int y = 0; y < bitmap.Height(); ++y)
    for (int x = 0; x < bitmap.Width(); ++x) EXPECT_EQ(bitmap.Pixel(x, y), c.Expected(x, y)) << x << "," << y;
}

INSTANTIATE_TEST_SUITE_P(Host, BmpReading, testing::ValuesIn(GoodFiles()),
                         [](const testing::TestParamInfo<GoodBmp>& i) { return "File" + std::to_string(i.index); });

std::vector<uint8_t> Valid8Bit() {
  TBmpBuilder b;
  b.Width = 5; b.Height = 3; b.BitCount = 8; b.Palette = Greys(4); b.ColoursUsed = 4;
  b.Raw = [](int x, int y) { return uint32_t((x + y) % 4); };
  return b.Bytes();
}

TEST(BmpReading, EveryTruncationIsRefused) {
  const std::vector<uint8_t> full = Valid8Bit();
  TBitmap bitmap;
  for (size_t size = 0; size < full.size(); ++size) {
    ASSERT_TRUE(bitmap.LoadFromBuffer(full.data(), full.size()));
    // A copy of exactly size bytes, so reading past it would be caught.
    std::vector<uint8_t> cut(full.begin(), full.begin() + std::ptrdiff_t(size));
    EXPECT_FALSE(bitmap.LoadFromBuffer(cut.data(), cut.size())) << size;
    EXPECT_TRUE(bitmap.Empty()) << size;
  }
}

struct BadField {
  const char* What;
  size_t At;
  uint32_t Value;
  int Bytes;
};

class DamagedBmp : public testing::TestWithParam<BadField> {};

TEST_P(DamagedBmp, GivesAnEmptyBitmap) {
  std::vector<uint8_t> bytes = Valid8Bit();
  const BadField& f = GetParam();
  (f.Bytes == 2 ? Patch16 : Patch32)(bytes, f.At, f.Value);
  TBitmap bitmap(4, 4);
  EXPECT_FALSE(bitmap.LoadFromBuffer(bytes.data(), bytes.size()));
  EXPECT_TRUE(bitmap.Empty());
}

INSTANTIATE_TEST_SUITE_P(Host, DamagedBmp, testing::Values(
    BadField{"magic", 0, 'B' | 'X' << 8, 2},
    BadField{"header size past the end", 14, 0x7FFFFFF0, 4},
    BadField{"header size unknown", 14, 20, 4},
    BadField{"width 0", 18, 0, 4},
    BadField{"negative width", 18, uint32_t(-5), 4},
    BadField{"height 0", 22, 0, 4},
    BadField{"height INT_MIN", 22, 0x80000000, 4},
    BadField{"width beyond the data", 18, 0x00100000, 4},
    BadField{"height beyond the data", 22, 0x00100000, 4},
    BadField{"huge width and height", 18, 0x03FFFFFF, 4},
    BadField{"2 bits per pixel", 28, 2, 2},
    BadField{"run-length coding of 4-bit pixels on 8 bits", 30, 2, 4},
    BadField{"bit fields on 8 bits", 30, 3, 4},
    BadField{"pixels start past the end", 10, 0xFFFFFF00, 4},
    BadField{"pixels start too late for all rows", 10, 14 + 40 + 16 + 2, 4}),
    [](const testing::TestParamInfo<BadField>& i) { return "Field" + std::to_string(i.index); });

TEST(BmpReading, StreamMovesPastEachImage) {
  const std::vector<uint8_t> one = Valid8Bit();
  std::vector<uint8_t> two = one;
  two.insert(two.end(), one.begin(), one.end());
  TMemoryStream stream(two);
  TBitmap first, second, third;
  EXPECT_TRUE(first.LoadFromStream(stream));
  EXPECT_EQ(stream.Position(), one.size());
  EXPECT_TRUE(second.LoadFromStream(stream));
  EXPECT_EQ(stream.Position(), two.size());
  EXPECT_FALSE(third.LoadFromStream(stream));
  EXPECT_EQ(second.Pixel(4, 2), Rgb(Greys(4)[(4 + 2) % 4]));
}

TEST(Bitmap, MaskMarksExactlyTheKeyColour) {
  auto image = MakeBitmap(4, 1, [](int x, int) {
    return std::vector<TColor>{Rgb(0xFF00FF), Rgb(0xFE00FF), Rgb(0xFF01FF), Rgb(0xFF00FF)}[size_t(x)];
  });
  std::unique_ptr<TBitmap> mask = image->CreateMask(Rgb(0xFF00FF));
  EXPECT_EQ(mask->PixelFormat(), pf1bit);
  const std::vector<TColor> expected{clWhite, clBlack, clBlack, clWhite};
  for (int x = 0; x < 4; ++x) EXPECT_EQ(mask->Pixel(x, 0), expected[size_t(x)]) << x;
}

TEST(Canvas, DrawLeavesOutTheTransparentColourOnlyWhileTransparent) {
  auto image = MakeBitmap(3, 2, [](int x, int y) { return x == 1 ? Rgb(0xFF00FF) : CoordColour(x, y); });
  for (bool transparent : {false, true}) {
    auto target = Target(5, 4);
    image->Transparent = transparent;
    target->Canvas().Draw(1, 1, *image);
    for (int y = 0; y < 4; ++y)
      for (int x = 0; x < 5; ++x) {
        bool inside = x >= 1 && x < 4 && y >= 1 && y < 3;
        TColor source = inside ? image->Pixel(x - 1, y - 1) : clNone;
        TColor expected = !inside || (transparent && source == Rgb(0xFF00FF)) ? kBackground : source;
        EXPECT_EQ(target->Pixel(x, y), expected) << transparent << " " << x << "," << y;
      }
  }
}

TEST(Canvas, CopyRectScalesWithTheCopyMode) {
  auto source = CoordBitmap(4, 4);
  auto target = Target(8, 2);
  target->Canvas().SetStretchMode(COLORONCOLOR);
  target->Canvas().CopyRect({0, 0, 8, 2}, source->Canvas(), {0, 1, 4, 3});
  for (int x = 0; x < 8; ++x) {
    EXPECT_EQ(target->Pixel(x, 0), CoordColour(x / 2, 1)) << x;
    EXPECT_EQ(target->Pixel(x, 1), CoordColour(x / 2, 2)) << x;
  }
  target->Canvas().CopyMode = SRCINVERT;
  target->Canvas().CopyRect({0, 0, 8, 2}, source->Canvas(), {0, 1, 4, 3});
  EXPECT_EQ(target->Pixel(3, 1), clBlack);  // x xor x
}

TEST(Canvas, StretchModeSurvivesANewSize) {
  TBitmap bitmap(2, 2);
  bitmap.Canvas().SetStretchMode(COLORONCOLOR);
  bitmap.SetSize(5, 5);
  EXPECT_EQ(GetStretchBltMode(bitmap.Canvas().Handle()), COLORONCOLOR);
  bitmap.SetPixelFormat(pf24bit);
  EXPECT_EQ(GetStretchBltMode(bitmap.Canvas().Handle()), COLORONCOLOR);
}

}  // namespace
