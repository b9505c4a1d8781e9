// The glyph buttons' shared routines: glyph and caption layout (with the
// two worked examples of the bit button), the glyph image drawn for a
// state, and the embossed look of a disabled one-image glyph.
#include "skin/controls/ButtonGlyph.h"
#include "tests/win/skin/PixelFixtures.h"
#include <gtest/gtest.h>

namespace {

struct LayoutCase {
  const char* Name;
  TGlyphLayoutInput In;
  SIZE Text;           // what measuring the caption gives
  POINT Glyph;
  RECT Caption;
  int Margin, Spacing;
  UINT Flags;
  RECT MeasureBox;     // where the caption was measured
};

class GlyphLayouts : public testing::TestWithParam<LayoutCase> {};

TEST_P(GlyphLayouts, PlaceGlyphAndCaption) {
  const LayoutCase& c = GetParam();
  RECT box{};
  const TGlyphLayout out = CalcGlyphLayout(c.In, [&](const RECT& r) {
    box = r;
    return c.Text;
  });
  EXPECT_EQ(out.Glyph.x, c.Glyph.x);
  EXPECT_EQ(out.Glyph.y, c.Glyph.y);
  EXPECT_TRUE(EqualRect(&out.Caption, &c.Caption)) << out.Caption.left << "," << out.Caption.top << ","
                                                    << out.Caption.right << "," << out.Caption.bottom;
  EXPECT_EQ(out.Margin, c.Margin);
  EXPECT_EQ(out.Spacing, c.Spacing);
  EXPECT_EQ(out.Flags, c.Flags);
  EXPECT_TRUE(EqualRect(&box, &c.MeasureBox)) << box.left << "," << box.top << "," << box.right << "," << box.bottom;
}

constexpr SIZE kG{16, 16}, kT{30, 13};
constexpr UINT kWrap = DT_WORDBREAK;

INSTANTIATE_TEST_SUITE_P(ButtonGlyph, GlyphLayouts, testing::Values(
    // 75 x 25, glyph 16 x 16, caption 30 x 13, left, automatic margin, Spacing 4: Total 50.
    LayoutCase{"WorkedExampleSpacing4", {75, 25, kG, -1, 4, gpLeft, false, lrBitButton}, kT,
               {12, 5}, {32, 6, 62, 19}, 12, 4, kWrap, {2, 2, 55, 23}},
    // The same with Spacing -1: Total 46, a third each side and between.
    LayoutCase{"WorkedExampleSpacingAutomatic", {75, 25, kG, -1, -1, gpLeft, false, lrBitButton}, kT,
               {9, 5}, {34, 6, 64, 19}, 9, 9, kWrap, {2, 2, 55, 23}},
    // A speed button puts everything one pixel further in.
    LayoutCase{"SpeedButtonOnePixelIn", {75, 25, kG, -1, 4, gpLeft, false, lrSpeedButton}, kT,
               {13, 5}, {33, 6, 63, 19}, 13, 4, kWrap, {2, 2, 55, 23}},
    LayoutCase{"MarginAndSpacingGiven", {75, 25, kG, 5, 3, gpLeft, false, lrBitButton}, kT,
               {5, 5}, {24, 6, 54, 19}, 5, 3, kWrap, {2, 2, 55, 23}},
    // Margin 4: the rest, 75 - 20 - 30, split on both sides of the caption.
    LayoutCase{"SpacingAutomaticAfterAGivenMargin", {75, 25, kG, 4, -1, gpLeft, false, lrBitButton}, kT,
               {4, 5}, {32, 6, 62, 19}, 4, 12, kWrap, {2, 2, 55, 23}},
    LayoutCase{"GlyphRight", {75, 25, kG, 5, 4, gpRight, false, lrBitButton}, kT,
               {54, 5}, {20, 6, 50, 19}, 5, 4, kWrap | DT_RIGHT, {2, 2, 55, 23}},
    // 60 x 50 with the glyph on top: Total 16 + 2 + 13 along the height.
    LayoutCase{"GlyphTop", {60, 50, kG, -1, 2, gpTop, false, lrBitButton}, kT,
               {22, 9}, {15, 27, 45, 40}, 9, 2, kWrap | DT_CENTER, {2, 2, 58, 30}},
    LayoutCase{"GlyphBottom", {60, 50, kG, 3, 1, gpBottom, false, lrBitButton}, kT,
               {22, 31}, {15, 17, 45, 30}, 3, 1, kWrap | DT_CENTER, {2, 2, 58, 30}},
    // No caption: no spacing, the glyph alone centred.
    LayoutCase{"NoCaption", {75, 25, kG, -1, 4, gpLeft, false, lrBitButton}, {0, 0},
               {29, 5}, {45, 13, 45, 13}, 29, 0, kWrap, {2, 2, 55, 23}},
    LayoutCase{"NoGlyph", {75, 25, {0, 0}, -1, 4, gpLeft, false, lrBitButton}, kT,
               {22, 13}, {22, 6, 52, 19}, 22, 0, kWrap, {2, 2, 71, 23}},
    // Centred alignment makes a given margin automatic, for bit buttons only.
    LayoutCase{"CentredAlignment", {75, 25, kG, 3, 4, gpLeft, true, lrBitButton}, kT,
               {12, 5}, {32, 6, 62, 19}, 12, 4, kWrap, {2, 2, 55, 23}},
    LayoutCase{"SpeedButtonHasNoAlignment", {75, 25, kG, 3, 4, gpLeft, true, lrSpeedButton}, kT,
               {3, 5}, {23, 6, 53, 19}, 3, 4, kWrap, {2, 2, 55, 23}},
    // Too narrow: (19 - 50) div 2 truncates towards zero, to -15.
    LayoutCase{"TooNarrow", {19, 25, kG, -1, 4, gpLeft, false, lrBitButton}, kT,
               {-15, 5}, {5, 6, 35, 19}, -15, 4, kWrap, {2, 2, -1, 23}}),
    [](const testing::TestParamInfo<LayoutCase>& i) { return std::string(i.param.Name); });

TEST(ButtonGlyph, LayoutNamesAreReadInAnyCase) {
  EXPECT_EQ(GlyphPlaceFromName(L"blGlyphLeft"), gpLeft);
  EXPECT_EQ(GlyphPlaceFromName(L"BLGLYPHRIGHT"), gpRight);
  EXPECT_EQ(GlyphPlaceFromName(L"blglyphtop"), gpTop);
  EXPECT_EQ(GlyphPlaceFromName(L"blGlyphBottom"), gpBottom);
  EXPECT_EQ(GlyphPlaceFromName(L""), gpLeft);
  EXPECT_EQ(GlyphPlaceFromName(L"blGlyphMiddle"), gpLeft);
}

TColor Colour(TColor system) { return TColor(ColorToRGB(system)); }

// Black on a few other colours, magenta among them.
TColor EmbossSource(int x, int y) {
  switch ((x + 2 * y) % 5) {
    case 0: return clBlack;
    case 1: return clWhite;
    case 2: return TColor(0xFF00FF);
    case 3: return TColor(RGB(1, 1, 1));  // nearly black is not black
    default: return CoordColour(x, y);
  }
}

// The emboss from its inputs: shadow on the black pixels, highlight one
// pixel down and right of them, face elsewhere.
TColor EmbossedAt(const std::function<TColor(int, int)>& source, int x, int y) {
  if (source(x, y) == clBlack) return Colour(clBtnShadow);
  if (x > 0 && y > 0 && source(x - 1, y - 1) == clBlack) return Colour(clBtnHighlight);
  return Colour(clBtnFace);
}

TEST(ButtonGlyph, EmbossShadowsTheBlackPixelsWithAHighlightBelowRight) {
  auto source = MakeBitmap(16, 16, EmbossSource);
  std::unique_ptr<TBitmap> embossed = EmbossBitmap(*source);
  ASSERT_EQ(embossed->Width(), 16);
  ASSERT_EQ(embossed->Height(), 16);
  for (int y = 0; y < 16; ++y)
    for (int x = 0; x < 16; ++x) ASSERT_EQ(embossed->Pixel(x, y), EmbossedAt(EmbossSource, x, y)) << x << "," << y;
  for (int i = 0; i < 16; ++i) {
    EXPECT_NE(embossed->Pixel(i, 0), Colour(clBtnHighlight));
    EXPECT_NE(embossed->Pixel(0, i), Colour(clBtnHighlight));
  }
}

TEST(ButtonGlyph, AMonochromeGlyphEmbossesLikeAColouredOne) {
  auto checker = [](int x, int y) { return (x / 2 + y) % 3 ? clWhite : clBlack; };
  auto source = MakeBitmap(12, 9, checker, pf1bit);
  std::unique_ptr<TBitmap> embossed = EmbossBitmap(*source);
  for (int y = 0; y < 9; ++y)
    for (int x = 0; x < 12; ++x) ASSERT_EQ(embossed->Pixel(x, y), EmbossedAt(checker, x, y)) << x << "," << y;
}

TEST(ButtonGlyph, AnEmptyGlyphEmbossesToAnEmptyBitmap) {
  TBitmap empty;
  EXPECT_TRUE(EmbossBitmap(empty)->Empty());
}

// A strip of 4 images of 10 x 12, every pixel its own colour.
constexpr int kImageW = 10, kImageH = 12;

struct GlyphCase {
  int NumGlyphs, ImageIndex;
  int Shown;  // the image drawn
};

class GlyphImages : public testing::TestWithParam<GlyphCase> {};

TEST_P(GlyphImages, DrawTheImageOfTheIndexWithItsBottomLeftColourLeftOut) {
  const GlyphCase& c = GetParam();
  const int count = std::max(c.NumGlyphs, 1);
  auto glyph = CoordBitmap(count * kImageW, kImageH);
  auto target = Target(20, 20);
  DrawGlyph(target->Canvas(), {3, 2}, c.NumGlyphs, c.ImageIndex, *glyph);
  for (int y = 0; y < 20; ++y)
    for (int x = 0; x < 20; ++x) {
      const int dx = x - 3, dy = y - 2;
      const bool inside = dx >= 0 && dy >= 0 && dx < kImageW && dy < kImageH;
      const bool key = dx == 0 && dy == kImageH - 1;
      const TColor expected = inside && !key ? CoordColour((c.Shown - 1) * kImageW + dx, dy) : kBackground;
      ASSERT_EQ(target->Pixel(x, y), expected) << x << "," << y;
    }
}

INSTANTIATE_TEST_SUITE_P(ButtonGlyph, GlyphImages, testing::Values(
    GlyphCase{4, 1, 1}, GlyphCase{4, 3, 3}, GlyphCase{4, 4, 4}, GlyphCase{2, 2, 2},
    GlyphCase{2, 4, 1},   // no image 4 of 2: the first
    GlyphCase{1, 3, 1},
    GlyphCase{0, 1, 1}));  // no count: one image

TEST(ButtonGlyph, TheDisabledImageOfAOneImageGlyphIsItsEmboss) {
  auto glyph = MakeBitmap(16, 16, EmbossSource);
  auto target = Target(20, 20);
  DrawGlyph(target->Canvas(), {2, 1}, 1, giImageDisabled, *glyph);
  // The embossed bottom-left pixel's colour is what is left out.
  const TColor key = EmbossedAt(EmbossSource, 0, 15);
  for (int y = 0; y < 16; ++y)
    for (int x = 0; x < 16; ++x) {
      const TColor embossed = EmbossedAt(EmbossSource, x, y);
      ASSERT_EQ(target->Pixel(x + 2, y + 1), embossed == key ? kBackground : embossed) << x << "," << y;
    }
}

TEST(ButtonGlyph, AnEmptyGlyphDrawsNothing) {
  TBitmap empty;
  auto target = Target(8, 8);
  DrawGlyph(target->Canvas(), {0, 0}, 1, 1, empty);
  for (int y = 0; y < 8; ++y)
    for (int x = 0; x < 8; ++x) ASSERT_EQ(target->Pixel(x, y), kBackground);
}

}  // namespace
