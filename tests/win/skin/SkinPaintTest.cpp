// Painting skin elements: frames cut from strips, nine and three slices,
// tiles, keyed copies, centred and stretched frames, parent backgrounds.
// Every source pixel has its own colour (CoordColour), so each painted pixel
// says where it came from; expectations follow from the frame and margins.
#include "host/Handles.h"
#include "skin/draw/SkinPaint.h"
#include "tests/win/skin/PixelFixtures.h"
#include <gtest/gtest.h>
#include <algorithm>
#include <stdexcept>

namespace {

// The three pieces of one axis of a nine-slice: fixed start, middle, fixed end.
std::vector<Segment> Slices(int size, int frameStart, int frameSize, int low, int high, bool tiled = false) {
  return {{0, low, frameStart, low},
          {low, size - low - high, frameStart + low, frameSize - low - high, tiled},
          {size - high, high, frameStart + frameSize - high, high}};
}

struct FrameCase {
  int ImageW, ImageH;
  bool Vertical;
  int Count, Index;
  int FrameX, FrameY, FrameW, FrameH;  // what must be cut out
};

class FrameSelection : public testing::TestWithParam<FrameCase> {};

TEST_P(FrameSelection, PaintsExactlyTheChosenFrame) {
  const FrameCase& c = GetParam();
  auto image = CoordBitmap(c.ImageW, c.ImageH);
  // At the frame's own size, and stretched to twice its width: the remainder
  // columns or rows at the end of the strip never show.
  for (int scale : {1, 2}) {
    auto target = Target(2 * c.FrameW + 4, c.FrameH + 4);
    const RECT r{2, 2, 2 + scale * c.FrameW, 2 + c.FrameH};
    DrawSkinElement(target->Canvas().Handle(), r, *image, {0, 0, 0, 0}, c.Vertical, false, false, c.Count, c.Index);
    ExpectPieces(*target, 2, 2, {{0, scale * c.FrameW, c.FrameX, c.FrameW}}, {{0, c.FrameH, c.FrameY, c.FrameH}});
  }
}

INSTANTIATE_TEST_SUITE_P(SkinPaint, FrameSelection, testing::Values(
    FrameCase{100, 10, false, 5, 3, 40, 0, 20, 10},   // columns 40..59
    FrameCase{103, 10, false, 5, 5, 80, 0, 20, 10},   // 103 div 5 = 20: columns 100..102 unused
    FrameCase{103, 10, false, 5, 1, 0, 0, 20, 10},
    FrameCase{12, 62, true, 3, 3, 0, 40, 12, 20},     // rows 60, 61 unused
    FrameCase{12, 60, true, 3, 2, 0, 20, 12, 20},
    FrameCase{30, 8, false, 0, 1, 0, 0, 30, 8},       // no frame count: the whole image
    // A frame index outside the strip is the nearest frame, never pixels past it.
    FrameCase{100, 10, false, 5, 6, 80, 0, 20, 10},
    FrameCase{100, 10, false, 5, 1000, 80, 0, 20, 10},
    FrameCase{100, 10, false, 5, 0, 0, 0, 20, 10},
    FrameCase{12, 60, true, 3, -2, 0, 0, 12, 20}));

struct NineSliceCase {
  const char* Name;
  int W, H;         // target size
  RECT Margins;     // as given
  RECT Kept;        // as they must be applied
  bool Tile;
};

class NineSlice : public testing::TestWithParam<NineSliceCase> {};

TEST_P(NineSlice, PlacesCornersSidesAndCentre) {
  const NineSliceCase& c = GetParam();
  // Frame 2 of a 2-frame strip: frames 20 x 20, the second from column 20.
  auto image = CoordBitmap(40, 20);
  auto target = Target(c.W + 6, c.H + 6);
  DrawSkinElement(target->Canvas().Handle(), {3, 3, 3 + c.W, 3 + c.H}, *image, c.Margins, false, c.Tile, false, 2, 2);
  ExpectPieces(*target, 3, 3, Slices(c.W, 20, 20, c.Kept.left, c.Kept.right, c.Tile),
               Slices(c.H, 0, 20, c.Kept.top, c.Kept.bottom, c.Tile), true);
}

INSTANTIATE_TEST_SUITE_P(SkinPaint, NineSlice, testing::Values(
    NineSliceCase{"all margins, stretched", 31, 27, {3, 4, 5, 6}, {3, 4, 5, 6}, false},
    NineSliceCase{"all margins, shrunk centre", 12, 13, {3, 4, 5, 6}, {3, 4, 5, 6}, false},
    // 6 + 6 > 10: both horizontal margins go, the whole width is stretched; top and bottom stay.
    NineSliceCase{"horizontal dropped", 10, 40, {6, 5, 6, 5}, {0, 5, 0, 5}, false},
    NineSliceCase{"vertical dropped", 40, 9, {2, 5, 3, 5}, {2, 0, 3, 0}, false},
    // Exactly L + R wide: kept, with a centre and top and bottom sides of no width.
    NineSliceCase{"margins fill the width", 12, 30, {6, 4, 6, 4}, {6, 4, 6, 4}, false},
    // Centre 20 - 6 - 7 = 7 wide tiled over 20: tiles at 0, 7 and 14, the
    // third running one pixel under the right side, which covers it.
    NineSliceCase{"tiled centre", 6 + 20 + 7, 2 + 16 + 11, {6, 2, 7, 11}, {6, 2, 7, 11}, true}),
    [](const testing::TestParamInfo<NineSliceCase>& i) { return "Case" + std::to_string(i.index); });

TEST(SkinPaint, ComposeNineSliceGivesABitmapOfTheTargetSize) {
  auto image = CoordBitmap(20, 20);
  std::unique_ptr<TBitmap> composed = ComposeNineSlice({50, 60, 75, 70}, *image, {2, 2, 2, 2}, false, false, 1, 1);
  EXPECT_EQ(composed->Width(), 25);
  EXPECT_EQ(composed->Height(), 10);
  EXPECT_EQ(composed->Pixel(0, 0), CoordColour(0, 0));
  EXPECT_EQ(composed->Pixel(24, 9), CoordColour(19, 19));
  EXPECT_EQ(GetStretchBltMode(composed->Canvas().Handle()), COLORONCOLOR);
  EXPECT_TRUE(ComposeNineSlice({50, 60, 40, 70}, *image, {2, 2, 2, 2}, false, false, 1, 1)->Empty());
}

// Source pixels: exact magenta, one step off magenta, and ordinary ones.
TColor KeyedSource(int x, int y) {
  switch ((x + 2 * y) % 3) {
    case 0: return TColor(0xFF00FF);
    case 1: return TColor(RGB(0xFE, 0x00, 0xFF));
    default: return CoordColour(x, y);
  }
}

TColor Checker(int x, int y) { return (x + y) % 2 ? TColor(RGB(10, 20, 30)) : TColor(RGB(200, 210, 220)); }

struct KeyedCase {
  const char* Name;
  // Paints the 12 x 9 image 1:1 at target (2, 3, 14, 12).
  void (*Paint)(HDC dc, TBitmap& image);
};

class KeyedPainting : public testing::TestWithParam<KeyedCase> {};

TEST_P(KeyedPainting, LeavesExactlyTheMagentaPixelsUntouched) {
  auto image = MakeBitmap(12, 9, KeyedSource);
  auto target = MakeBitmap(16, 14, Checker);
  GetParam().Paint(target->Canvas().Handle(), *image);
  for (int y = 0; y < 14; ++y)
    for (int x = 0; x < 16; ++x) {
      const bool inside = x >= 2 && x < 14 && y >= 3 && y < 12;
      const TColor source = inside ? KeyedSource(x - 2, y - 3) : TColor(0xFF00FF);
      ASSERT_EQ(target->Pixel(x, y), source == TColor(0xFF00FF) ? Checker(x, y) : source) << x << "," << y;
    }
}

constexpr RECT kKeyedTarget{2, 3, 14, 12};

INSTANTIATE_TEST_SUITE_P(SkinPaint, KeyedPainting, testing::Values(
    KeyedCase{"DrawTransparent", [](HDC dc, TBitmap& i) { DrawTransparent(dc, kKeyedTarget, i, 0xFF00FF); }},
    KeyedCase{"NT", [](HDC dc, TBitmap& i) { DrawTransparentNT(dc, kKeyedTarget, i, 0xFF00FF); }},
    KeyedCase{"9x", [](HDC dc, TBitmap& i) { DrawTransparent9x(dc, kKeyedTarget, i, 0xFF00FF); }},
    KeyedCase{"DrawSkinElement", [](HDC dc, TBitmap& i) {
                DrawSkinElement(dc, kKeyedTarget, i, {2, 2, 2, 2}, false, true, true, 1, 1);
              }},
    KeyedCase{"DrawThreeSliceTiled", [](HDC dc, TBitmap& i) {
                TCanvas canvas(dc);
                DrawThreeSliceTiled(canvas, kKeyedTarget, i, {3, 0, 4, 0}, false, true, 1, 1);
              }},
    KeyedCase{"DrawFrameStretched", [](HDC dc, TBitmap& i) { DrawFrameStretched(dc, kKeyedTarget, i, true, 1, 1); }},
    KeyedCase{"DrawFrameCentred", [](HDC dc, TBitmap& i) { DrawFrameCentred(dc, kKeyedTarget, i, true, 1, 1); }}),
    [](const testing::TestParamInfo<KeyedCase>& i) { return std::string(i.param.Name); });

// A memory DC drawing into a section of its own, its rows running down (as
// every bitmap of ours) or up (as a section loaded from a resource).
struct SectionTarget {
  static constexpr int W = 16, H = 14;
  TMemoryDC Dc{CreateCompatibleDC(nullptr)};
  TBitmapHandle Section;
  std::unique_ptr<TSelectObject> Selected;

  SectionTarget(int bitCount, bool rowsDown) {
    BITMAPINFO info{};
    info.bmiHeader = {sizeof(BITMAPINFOHEADER), W, rowsDown ? -H : H, 1, WORD(bitCount), BI_RGB};
    void* bits = nullptr;
    Section.Reset(CreateDIBSection(Dc.Get(), &info, DIB_RGB_COLORS, &bits, nullptr, 0));
    Selected = std::make_unique<TSelectObject>(Dc.Get(), Section.Get());
    for (int y = 0; y < H; ++y)
      for (int x = 0; x < W; ++x) SetPixelV(Dc.Get(), x, y, COLORREF(Checker(x, y)));
  }
};

struct KeyedTargetCase {
  const char* Name;
  int TargetBits;
  bool RowsDown;
  TPixelFormat ImageFormat;
  RECT Dest;                 // logical, for the 12 x 9 image
  POINT Origin;              // the DC's viewport origin
  RECT Clip;                 // device pixels the DC may draw, empty for all
};

class KeyedTargets : public testing::TestWithParam<KeyedTargetCase> {};

// Whatever way the keyed copy takes, it draws what a blit would: moved by
// the DC's origin, clipped by its clip region, the target's edges and the
// image's size, key pixels left out.
TEST_P(KeyedTargets, DrawWhatABlitWouldDraw) {
  const KeyedTargetCase& c = GetParam();
  auto image = MakeBitmap(12, 9, KeyedSource, c.ImageFormat);
  SectionTarget target(c.TargetBits, c.RowsDown);
  HDC dc = target.Dc.Get();
  SetViewportOrgEx(dc, c.Origin.x, c.Origin.y, nullptr);
  if (!IsRectEmpty(&c.Clip)) {
    TRegionHandle clip(CreateRectRgnIndirect(&c.Clip));
    SelectClipRgn(dc, clip.Get());
  }
  DrawTransparentNT(dc, c.Dest, *image, 0xFF00FF);
  SelectClipRgn(dc, nullptr);
  SetViewportOrgEx(dc, 0, 0, nullptr);
  const int left = c.Dest.left + c.Origin.x, top = c.Dest.top + c.Origin.y;
  for (int y = 0; y < SectionTarget::H; ++y)
    for (int x = 0; x < SectionTarget::W; ++x) {
      const POINT p{x, y};
      const bool inside = x >= left && x < left + std::min<int>(c.Dest.right - c.Dest.left, 12) && y >= top &&
                          y < top + std::min<int>(c.Dest.bottom - c.Dest.top, 9) &&
                          (IsRectEmpty(&c.Clip) || PtInRect(&c.Clip, p));
      const TColor source = inside ? KeyedSource(x - left, y - top) : TColor(0xFF00FF);
      ASSERT_EQ(TColor(GetPixel(dc, x, y)), source == TColor(0xFF00FF) ? Checker(x, y) : source)
          << x << "," << y;
    }
}

INSTANTIATE_TEST_SUITE_P(SkinPaint, KeyedTargets, testing::Values(
    KeyedTargetCase{"Sections24From24", 24, true, pf24bit, {2, 3, 14, 12}, {0, 0}, {}},
    KeyedTargetCase{"Sections24From32", 24, true, pf32bit, {2, 3, 14, 12}, {0, 0}, {}},
    KeyedTargetCase{"Sections32From24", 32, true, pf24bit, {2, 3, 14, 12}, {0, 0}, {}},
    // Past the target's left and top and past its right and bottom.
    KeyedTargetCase{"OverTheTopLeft", 32, true, pf32bit, {-5, -4, 7, 5}, {0, 0}, {}},
    KeyedTargetCase{"OverTheBottomRight", 24, true, pf24bit, {9, 8, 21, 17}, {0, 0}, {}},
    // A target wider and taller than the image takes only the image's pixels.
    KeyedTargetCase{"LargerThanTheImage", 32, true, pf32bit, {1, 1, 16, 14}, {0, 0}, {}},
    KeyedTargetCase{"RowsRunningUp", 32, false, pf32bit, {2, 3, 14, 12}, {0, 0}, {}},
    KeyedTargetCase{"MovedByTheOrigin", 32, true, pf32bit, {0, 0, 12, 9}, {3, 2}, {}},
    KeyedTargetCase{"ClippedByTheRegion", 24, true, pf32bit, {2, 3, 14, 12}, {0, 0}, {4, 4, 10, 9}}),
    [](const testing::TestParamInfo<KeyedTargetCase>& i) { return std::string(i.param.Name); });

TEST(SkinPaint, NineXPathRestoresTheColoursOfTheContext) {
  auto image = MakeBitmap(4, 4, KeyedSource);
  auto target = Target(4, 4);
  HDC dc = target->Canvas().Handle();
  SetBkColor(dc, RGB(1, 2, 3));
  SetTextColor(dc, RGB(4, 5, 6));
  DrawTransparent9x(dc, {0, 0, 4, 4}, *image, 0xFF00FF);
  EXPECT_EQ(GetBkColor(dc), RGB(1, 2, 3));
  EXPECT_EQ(GetTextColor(dc), RGB(4, 5, 6));
}

struct ThreeSliceCase {
  const char* Name;
  int W, H;
  RECT Margins;
  std::vector<Segment> Xs;
};

class ThreeSliceTiled : public testing::TestWithParam<ThreeSliceCase> {};

TEST_P(ThreeSliceTiled, RepeatsTheMiddleUnderTheRightCap) {
  const ThreeSliceCase& c = GetParam();
  // Frame 2 of 2 in a 20 x 6 strip: frames 10 x 6 from column 10.
  auto image = CoordBitmap(20, 6);
  auto target = Target(c.W + 4, c.H + 4);
  DrawThreeSliceTiled(target->Canvas(), {2, 2, 2 + c.W, 2 + c.H}, *image, c.Margins, false, false, 2, 2);
  ExpectPieces(*target, 2, 2, c.Xs, {{0, c.H, 0, 6}});
}

INSTANTIATE_TEST_SUITE_P(SkinPaint, ThreeSliceTiled, testing::Values(
    // Middle 10 - 3 - 2 = 5 wide at 3, 8 and 13; the last overruns 15 and the cap covers it.
    ThreeSliceCase{"tiled", 17, 6, {3, 9, 2, 9}, {{0, 3, 10, 3}, {3, 12, 13, 5, true}, {15, 2, 18, 2}}},
    ThreeSliceCase{"taller", 17, 13, {3, 0, 2, 0}, {{0, 3, 10, 3}, {3, 12, 13, 5, true}, {15, 2, 18, 2}}}),
    [](const testing::TestParamInfo<ThreeSliceCase>& i) { return std::string(i.param.Name); });

TEST(SkinPaint, ThreeSliceTiledWithoutMiddlePaintsOnlyTheCaps) {
  auto image = CoordBitmap(10, 6);
  auto target = Target(20, 6);
  DrawThreeSliceTiled(target->Canvas(), {0, 0, 20, 6}, *image, {5, 0, 5, 0}, false, false, 1, 1);
  for (int y = 0; y < 6; ++y)
    for (int x = 0; x < 20; ++x) {
      const TColor expected = x < 5 ? CoordColour(x, y) : x >= 15 ? CoordColour(x - 10, y) : clBlack;
      ASSERT_EQ(target->Pixel(x, y), expected) << x << "," << y;
    }
}

TEST(SkinPaint, ThreeSliceStretchedKeepsTheCapsOrStretchesANarrowTarget) {
  auto image = CoordBitmap(30, 8);  // frame 2 of 2: 15 x 8 from column 15
  // Straight onto the caller's context: its stretch mode applies.
  auto wide = Target(40, 12);
  wide->Canvas().SetStretchMode(COLORONCOLOR);
  DrawThreeSliceStretched(wide->Canvas().Handle(), {1, 2, 36, 10}, *image, {4, 0, 3, 0}, false, 2, 2);
  ExpectPieces(*wide, 1, 2, {{0, 4, 15, 4}, {4, 28, 19, 8}, {32, 3, 27, 3}}, {{0, 8, 0, 8}});
  auto narrow = Target(12, 12);
  narrow->Canvas().SetStretchMode(COLORONCOLOR);
  DrawThreeSliceStretched(narrow->Canvas().Handle(), {1, 2, 11, 10}, *image, {4, 0, 3, 0}, false, 2, 2);
  ExpectPieces(*narrow, 1, 2, {{0, 10, 15, 15}}, {{0, 8, 0, 8}});
}

TEST(SkinPaint, FrameCentredStaysCentredAndSticksOutEvenly) {
  auto image = CoordBitmap(30, 6);  // frame 2 of 3: 10 x 6 from column 10
  auto target = Target(40, 40);
  // 20 x 10 target at (5, 3): frame at (5 + 5, 3 + 2).
  DrawFrameCentred(target->Canvas().Handle(), {5, 3, 25, 13}, *image, false, 3, 2);
  ExpectPieces(*target, 10, 5, {{0, 10, 10, 10}}, {{0, 6, 0, 6}});
  // 7 x 3 target at (20, 20): (7 - 10) div 2 = -1 and (3 - 6) div 2 = -1.
  auto small = Target(40, 40);
  DrawFrameCentred(small->Canvas().Handle(), {20, 20, 27, 23}, *image, false, 3, 2);
  ExpectPieces(*small, 19, 19, {{0, 10, 10, 10}}, {{0, 6, 0, 6}});
}

TEST(SkinPaint, FrameStretchedScalesTheChosenFrame) {
  auto image = CoordBitmap(30, 6);  // frame 3 of 3: 10 x 6 from column 20
  auto target = Target(30, 20);
  DrawFrameStretched(target->Canvas().Handle(), {2, 1, 27, 19}, *image, false, 3, 3);
  ExpectPieces(*target, 2, 1, {{0, 25, 20, 10}}, {{0, 18, 0, 6}});
}

TEST(SkinPaint, TileBitmapRunsPastTheTargetEdges) {
  auto image = CoordBitmap(10, 10);
  auto target = Target(14, 9);
  // Source 3 x 2 from (4, 5); target (1, 1, 8, 4): columns at 1, 4, 7 and
  // rows at 1, 3, so the tiles cover x 1..9 and y 1..4.
  TileBitmap(target->Canvas(), {1, 1, 8, 4}, *image, {4, 5, 7, 7});
  ExpectPieces(*target, 1, 1, {{0, 9, 4, 3, true}}, {{0, 4, 5, 2, true}});
}

struct InvertedCase {
  const char* Name;
  void (*Paint)(TBitmap& target, const RECT& r, TBitmap& image);
};

class InvertedTarget : public testing::TestWithParam<InvertedCase> {};

TEST_P(InvertedTarget, PaintsNothing) {
  auto image = CoordBitmap(20, 20);
  for (RECT r : {RECT{10, 2, 4, 12}, RECT{2, 10, 12, 4}}) {
    auto target = Target(16, 16);
    GetParam().Paint(*target, r, *image);
    for (int y = 0; y < 16; ++y)
      for (int x = 0; x < 16; ++x) ASSERT_EQ(target->Pixel(x, y), kBackground) << x << "," << y;
  }
}

INSTANTIATE_TEST_SUITE_P(SkinPaint, InvertedTarget, testing::Values(
    InvertedCase{"DrawSkinElement", [](TBitmap& t, const RECT& r, TBitmap& i) {
                   DrawSkinElement(t.Canvas().Handle(), r, i, {2, 2, 2, 2}, false, true, false, 1, 1);
                 }},
    InvertedCase{"DrawThreeSliceTiled", [](TBitmap& t, const RECT& r, TBitmap& i) {
                   DrawThreeSliceTiled(t.Canvas(), r, i, {2, 0, 2, 0}, false, false, 1, 1);
                 }},
    InvertedCase{"DrawThreeSliceStretched", [](TBitmap& t, const RECT& r, TBitmap& i) {
                   DrawThreeSliceStretched(t.Canvas().Handle(), r, i, {2, 0, 2, 0}, false, 1, 1);
                 }},
    InvertedCase{"DrawFrameStretched", [](TBitmap& t, const RECT& r, TBitmap& i) {
                   DrawFrameStretched(t.Canvas().Handle(), r, i, false, 1, 1);
                 }},
    InvertedCase{"DrawFrameCentred", [](TBitmap& t, const RECT& r, TBitmap& i) {
                   DrawFrameCentred(t.Canvas().Handle(), r, i, false, 1, 1);
                 }},
    InvertedCase{"TileBitmap", [](TBitmap& t, const RECT& r, TBitmap& i) {
                   TileBitmap(t.Canvas(), r, i, {0, 0, 3, 3});
                 }},
    InvertedCase{"DrawTransparent", [](TBitmap& t, const RECT& r, TBitmap& i) {
                   DrawTransparent(t.Canvas().Handle(), r, i, 0xFF00FF);
                 }}),
    [](const testing::TestParamInfo<InvertedCase>& i) { return std::string(i.param.Name); });

TEST(SkinPaint, ControlGetsItsParentsBackgroundAtItsOwnPlace) {
  TWinControl parent(nullptr);
  parent.SetBounds(0, 0, 60, 60);
  int erased = 0, painted = 0;
  // The parent paints every pixel with its own coordinates.
  parent.WindowProc = [&](TMessage& m) {
    if (m.Msg == WM_ERASEBKGND) {
      ++erased;
      for (int y = 0; y < 60; ++y)
        for (int x = 0; x < 60; ++x) SetPixelV(HDC(m.WParam), x, y, COLORREF(CoordColour(x, y)));
    }
    if (m.Msg == WM_PAINT) ++painted;
  };
  TWinControl child(nullptr);
  child.SetParent(&parent);
  child.SetBounds(10, 20, 30, 15);
  auto target = Target(36, 20);
  HDC dc = target->Canvas().Handle();
  PaintControlToDC(child, dc);
  EXPECT_EQ(erased, 1);
  EXPECT_EQ(painted, 1);
  // Inside the control's size: the parent at the control's place; outside:
  // clipped away.
  ExpectPieces(*target, 0, 0, {{0, 30, 10, 30}}, {{0, 15, 20, 15}});
  POINT origin{};
  GetViewportOrgEx(dc, &origin);
  EXPECT_EQ(origin.x, 0);
  EXPECT_EQ(origin.y, 0);
  TRegionHandle clip(CreateRectRgn(0, 0, 0, 0));
  EXPECT_EQ(GetClipRgn(dc, clip.Get()), 0);  // no clip region left behind
  child.SetParent(nullptr);
}

TEST(SkinPaint, ParentThatThrowsLeavesTheContextAsItWas) {
  TWinControl parent(nullptr);
  parent.SetBounds(0, 0, 60, 60);
  parent.WindowProc = [](TMessage& m) {
    if (m.Msg == WM_ERASEBKGND) throw std::runtime_error("erase failed");
  };
  TWinControl child(nullptr);
  child.SetParent(&parent);
  child.SetBounds(10, 20, 30, 15);
  auto target = Target(36, 20);
  HDC dc = target->Canvas().Handle();
  EXPECT_THROW(PaintControlToDC(child, dc), std::runtime_error);  // the skinner's paint handler catches it
  POINT origin{};
  GetViewportOrgEx(dc, &origin);
  EXPECT_EQ(origin.x, 0);
  EXPECT_EQ(origin.y, 0);
  TRegionHandle clip(CreateRectRgn(0, 0, 0, 0));
  EXPECT_EQ(GetClipRgn(dc, clip.Get()), 0);
  child.SetParent(nullptr);
}

TEST(SkinPaint, ControlWithoutParentPaintsNothing) {
  TWinControl orphan(nullptr);
  orphan.SetBounds(0, 0, 5, 5);
  auto target = Target(5, 5);
  PaintControlToDC(orphan, target->Canvas().Handle());
  for (int y = 0; y < 5; ++y)
    for (int x = 0; x < 5; ++x) EXPECT_EQ(target->Pixel(x, y), kBackground);
}

TEST(SkinPaint, ScratchBitmapLivesFromFirstInitToLastDone) {
  ASSERT_EQ(SkinScratchBitmap(), nullptr);
  InitSkinDraw();
  TBitmap* scratch = SkinScratchBitmap();
  ASSERT_NE(scratch, nullptr);
  {
    TSkinDrawUnit nested;
    EXPECT_EQ(SkinScratchBitmap(), scratch);  // only the first creates it
  }
  EXPECT_EQ(SkinScratchBitmap(), scratch);
  scratch->SetSize(30, 20);
  EXPECT_EQ(GetStretchBltMode(scratch->Canvas().Handle()), COLORONCOLOR);
  DoneSkinDraw();
  EXPECT_EQ(SkinScratchBitmap(), nullptr);
  DoneSkinDraw();  // one too many: ignored
  EXPECT_EQ(SkinScratchBitmap(), nullptr);
}

}  // namespace
