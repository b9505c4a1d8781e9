// Colour arithmetic, cached gradients, key-colour replacement, mirror, flip
// and quarter turns.
#include "skin/draw/ImgUtil.h"
#include "tests/win/skin/PixelFixtures.h"
#include <gtest/gtest.h>

namespace {

struct MixCase {
  TColor C1, C2;
  int Weight;
  TColor Expected;
};

class MixColoursTable : public testing::TestWithParam<MixCase> {};

TEST_P(MixColoursTable, WeighsPerChannelWithRounding) {
  const MixCase& c = GetParam();
  EXPECT_EQ(MixColours(c.C1, c.C2, c.Weight), c.Expected);
}

// Each channel: (a * W + b * (S - W) + S div 2) div S, S = 100 below 100, else 1000.
INSTANTIATE_TEST_SUITE_P(ImgUtil, MixColoursTable, testing::Values(
    MixCase{0x000000, 0xFFFFFF, 50, 0x808080},                   // (255*50+50) div 100 = 128
    MixCase{0x808080, 0x204060, 150,                              // 15 % grey, 85 % the other
            ((128 * 150 + 0x20 * 850 + 500) / 1000) << 16 | ((128 * 150 + 0x40 * 850 + 500) / 1000) << 8 |
                ((128 * 150 + 0x60 * 850 + 500) / 1000)},
    MixCase{0x0000FF, 0x000000, 100, (255 * 100 + 500) / 1000},  // W = 100 is 10 %, not 100 %
    MixCase{0x0000FF, 0x000000, 99, (255 * 99 + 50) / 100},
    MixCase{0x123456, 0x654321, 0, 0x654321}));

TEST(ImgUtil, MixColoursResolvesSystemColours) {
  const TColor face = TColor(GetSysColor(COLOR_BTNFACE));
  EXPECT_EQ(MixColours(clBtnFace, clBtnFace, 30), face);
  EXPECT_EQ(MixColours(clBtnFace, 0x000000, 0), 0x000000);
}

struct SaturationCase {
  int R, G, B;
  int Expected;
};

class ColourSaturationTable : public testing::TestWithParam<SaturationCase> {};

TEST_P(ColourSaturationTable, ScalesTheSpreadOrCallsDarkColours200) {
  const SaturationCase& c = GetParam();
  EXPECT_EQ(ColourSaturation(TColor(RGB(c.R, c.G, c.B))), c.Expected);
}

INSTANTIATE_TEST_SUITE_P(ImgUtil, ColourSaturationTable, testing::Values(
    SaturationCase{255, 0, 0, 255},
    SaturationCase{100, 50, 50, 200},     // no channel reaches 160
    SaturationCase{255, 255, 255, 0},
    SaturationCase{200, 100, 100, 128},   // 0.5 * 255 = 127.5: ties go to the even 128
    SaturationCase{160, 120, 160, 64},    // 0.25 * 255 = 63.75
    SaturationCase{0, 0, 0, 200}));

// Entry i of a gradient as the cache must hold it, from the channel formula.
TColor GradientEntry(TColor a, TColor b, int count, int i) {
  auto channel = [&](int shift) {
    const int from = (a >> shift) & 0xFF, d = ((b >> shift) & 0xFF) - from;
    if (count == 1) return d / 2;
    const int m = count - 1;
    return (m / 2 + i * d) / m;
  };
  return (a & 0xFFFFFF) + channel(0) + channel(8) * 256 + channel(16) * 65536;
}

class GradientCacheTest : public testing::Test {
protected:
  void SetUp() override { InitGradientCache(); }
  void TearDown() override { DoneGradientCache(); }
  static const std::vector<TColor>& Slot(int i) { return GradientCache().Slots[size_t(i)]; }
};

TEST_F(GradientCacheTest, SingleEntryIsHalfWay) {
  const int slot = MakeGradient(1, 0x000000, 0xFFFFFF);
  ASSERT_EQ(Slot(slot).size(), 1u);
  EXPECT_EQ(Slot(slot)[0], 0x7F7F7F);
}

TEST_F(GradientCacheTest, FallingChannelStepsByTruncation) {
  const int slot = MakeGradient(11, 200, 100);  // red 200 down to 100
  ASSERT_EQ(Slot(slot).size(), 11u);
  EXPECT_EQ(Slot(slot)[0], 200);
  EXPECT_EQ(Slot(slot)[1], 191);   // 200 + (5 - 100) div 10
  EXPECT_EQ(Slot(slot)[10], 101);  // 200 + (5 - 1000) div 10: one short of 100
  for (int i = 0; i < 11; ++i) EXPECT_EQ(Slot(slot)[size_t(i)], GradientEntry(200, 100, 11, i)) << i;
  // The last colour is not 100, so the lookup misses and computes again.
  EXPECT_EQ(FindGradient(11, 200, 100), -1);
}

TEST_F(GradientCacheTest, FindsARisingGradientAndOverwritesRoundRobin) {
  const int first = GetGradient(7, 0x000010, 0x0000A0);
  EXPECT_EQ(GetGradient(7, 0x000010, 0x0000A0), first);
  // Sixteen more distinct gradients: the seventeenth written reuses first's slot.
  for (int n = 2; n <= 17; ++n) MakeGradient(n, 0x000000, 0x000000 + n);
  EXPECT_EQ(FindGradient(7, 0x000010, 0x0000A0), -1);
  EXPECT_EQ(Slot(first).size(), 17u);
}

TEST_F(GradientCacheTest, CountOfZeroIsAnAssertionFailure) {
  for (int count : {0, -3}) {
    try {
      FindGradient(count, 0, 0);
      FAIL() << "no assertion";
    } catch (const EAssertionFailed& e) {
      EXPECT_EQ(e.Source, "imgutil");
      EXPECT_EQ(e.Line, 304);
    }
    try {
      MakeGradient(count, 0, 0);
      FAIL() << "no assertion";
    } catch (const EAssertionFailed& e) {
      EXPECT_EQ(e.Line, 323);
      EXPECT_NE(std::string(e.what()).find("Assertion failure"), std::string::npos);
    }
  }
}

struct GradientFillCase {
  bool Vertical;
  RECT Rect;
  RECT Clip;  // in the 40 x 40 target
};

class FillGradientTable : public testing::TestWithParam<GradientFillCase> {};

TEST_P(FillGradientTable, PaintsOnlyVisibleLinesInTheirFullGradientColours) {
  const GradientFillCase& c = GetParam();
  const TColor start = TColor(RGB(10, 200, 30)), end = TColor(RGB(250, 20, 130));
  auto target = Target(40, 40);
  HDC dc = target->Canvas().Handle();
  TRegionHandle clip(CreateRectRgnIndirect(&c.Clip));
  SelectClipRgn(dc, clip.Get());
  FillGradient(dc, c.Rect, start, c.Vertical, end);
  SelectClipRgn(dc, nullptr);
  const int n = c.Vertical ? c.Rect.bottom - c.Rect.top : c.Rect.right - c.Rect.left;
  for (int y = 0; y < 40; ++y)
    for (int x = 0; x < 40; ++x) {
      POINT p{x, y};
      const bool painted = PtInRect(&c.Rect, p) && PtInRect(&c.Clip, p);
      const int i = c.Vertical ? y - c.Rect.top : x - c.Rect.left;
      EXPECT_EQ(target->Pixel(x, y), painted ? GradientEntry(start, end, n, i) : kBackground) << x << "," << y;
    }
}

INSTANTIATE_TEST_SUITE_P(ImgUtil, FillGradientTable, testing::Values(
    GradientFillCase{true, {5, 4, 30, 36}, {0, 0, 40, 40}},
    GradientFillCase{true, {5, 4, 30, 36}, {0, 20, 40, 40}},   // top half clipped away
    GradientFillCase{true, {5, 4, 30, 36}, {10, 0, 40, 30}},   // bottom and left clipped
    GradientFillCase{false, {2, 3, 38, 9}, {20, 0, 40, 40}},   // left half clipped away
    GradientFillCase{false, {2, 3, 38, 9}, {0, 0, 40, 40}},
    GradientFillCase{true, {5, 4, 30, 4}, {0, 0, 40, 40}}));   // height 0: nothing

TEST(ImgUtil, ReplaceKeyColourTouchesOnlyExactMagenta) {
  const std::vector<TColor> before{TColor(RGB(255, 0, 255)), TColor(RGB(255, 1, 255)), TColor(RGB(254, 0, 255)),
                                   TColor(RGB(255, 0, 255))};
  auto image = MakeBitmap(4, 1, [&](int x, int) { return before[size_t(x)]; }, pf32bit);
  const TColor colour = TColor(RGB(12, 34, 56));
  ReplaceKeyColour(*image, colour);
  EXPECT_EQ(image->PixelFormat(), pf24bit);
  const std::vector<TColor> after{colour, before[1], before[2], colour};
  for (int x = 0; x < 4; ++x) EXPECT_EQ(image->Pixel(x, 0), after[size_t(x)]) << x;
}

struct TransformCase {
  const char* Name;
  void (*Transform)(TBitmap&);
  bool Turns;  // width and height swap
  // Old (x, y) of new pixel (x', y'), with w and h the old size.
  POINT (*From)(int x, int y, int w, int h);
};

class BitmapTransformTable : public testing::TestWithParam<std::tuple<TransformCase, TPixelFormat>> {};

TEST_P(BitmapTransformTable, MovesEveryPixelWhereItBelongs) {
  const TransformCase& c = std::get<0>(GetParam());
  const int w = 5, h = 3;
  auto image = MakeBitmap(w, h, [](int x, int y) { return TColor(RGB(x * 40, y * 80, 255)); }, std::get<1>(GetParam()));
  auto original = MakeBitmap(w, h, [&](int x, int y) { return image->Pixel(x, y); });
  c.Transform(*image);
  EXPECT_EQ(image->PixelFormat(), pf24bit);
  ASSERT_EQ(image->Width(), c.Turns ? h : w);
  ASSERT_EQ(image->Height(), c.Turns ? w : h);
  for (int y = 0; y < image->Height(); ++y)
    for (int x = 0; x < image->Width(); ++x) {
      POINT p = c.From(x, y, w, h);
      EXPECT_EQ(image->Pixel(x, y), original->Pixel(p.x, p.y)) << c.Name << " " << x << "," << y;
    }
}

INSTANTIATE_TEST_SUITE_P(ImgUtil, BitmapTransformTable, testing::Combine(testing::Values(
    TransformCase{"mirror", MirrorBitmap, false, [](int x, int y, int w, int) { return POINT{w - 1 - x, y}; }},
    TransformCase{"flip", FlipBitmap, false, [](int x, int y, int, int h) { return POINT{x, h - 1 - y}; }},
    TransformCase{"left", RotateBitmapLeft, true, [](int x, int y, int w, int) { return POINT{w - 1 - y, x}; }},
    TransformCase{"right", RotateBitmapRight, true, [](int x, int y, int, int h) { return POINT{y, h - 1 - x}; }}),
    // 8 bits per pixel rows are narrower than 3 bytes a pixel: they are converted first.
    testing::Values(pf24bit, pf32bit, pf8bit)));

TEST(ImgUtil, TwoPixelImageTurnsBothWays) {
  const TColor p = TColor(RGB(200, 0, 0)), q = TColor(RGB(0, 0, 200));
  auto left = MakeBitmap(2, 1, [&](int x, int) { return x ? q : p; }, pf24bit);
  RotateBitmapLeft(*left);
  ASSERT_EQ(left->Width(), 1);
  ASSERT_EQ(left->Height(), 2);
  EXPECT_EQ(left->Pixel(0, 0), q);
  EXPECT_EQ(left->Pixel(0, 1), p);
  auto right = MakeBitmap(2, 1, [&](int x, int) { return x ? q : p; }, pf24bit);
  RotateBitmapRight(*right);
  EXPECT_EQ(right->Pixel(0, 0), p);
  EXPECT_EQ(right->Pixel(0, 1), q);
}

}  // namespace
