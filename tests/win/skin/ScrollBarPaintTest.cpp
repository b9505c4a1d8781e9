// The scroll-bar painter and the bar geometry it shares with the panels:
// parts along a bar, the painted thickness, the thumb of a scroll-bar
// control, the dragged thumb, and every part's frame in every state.
#include "skin/controls/ScrollBarPaint.h"
#include "tests/win/skin/ControlSkinnerKit.h"
#include "tests/win/skin/ScrollSkinKit.h"

using namespace scrollkit;

namespace {
struct PartCase {
  int P;
  int Part;
};

class ScrollParts : public testing::TestWithParam<PartCase> {};

// Arrows of 16 on a bar of 100, the thumb from 40 to 60.
TEST_P(ScrollParts, APlaceAlongTheBarIsInOnePart) {
  EXPECT_EQ(ScrollPartAt(GetParam().P, 16, 40, 60, 100), GetParam().Part);
}

INSTANTIATE_TEST_SUITE_P(ScrollBarGeometry, ScrollParts, testing::Values(
    PartCase{0, spFirstArrow}, PartCase{15, spFirstArrow}, PartCase{16, spTrackBefore}, PartCase{39, spTrackBefore},
    PartCase{40, spThumb}, PartCase{59, spThumb}, PartCase{60, spTrackAfter}, PartCase{83, spTrackAfter},
    PartCase{84, spSecondArrow}, PartCase{99, spSecondArrow}));

TEST(ScrollBarGeometry, AtTheArrowSizeAThumbAgainstTheArrowIsHit) {
  EXPECT_EQ(ScrollPartAt(15, 16, 16, 30, 100), spFirstArrow);
  EXPECT_EQ(ScrollPartAt(16, 16, 16, 30, 100), spThumb);
}

TEST(ScrollBarGeometry, ThicknessIsTheGlyphHeightUnlessItIsFarFromTheArrowSize) {
  EXPECT_EQ(ScrollBarThickness(17, 16), 17);
  EXPECT_EQ(ScrollBarThickness(17, 19), 17);
  EXPECT_EQ(ScrollBarThickness(17, 21), 21);
  EXPECT_EQ(ScrollBarThickness(17, 15), 17);
  EXPECT_EQ(ScrollBarThickness(17, 14), 14);
}

SCROLLINFO Scroll(int min, int max, UINT page, int pos) {
  SCROLLINFO info{sizeof info, SIF_ALL};
  info.nMin = min;
  info.nMax = max;
  info.nPage = page;
  info.nPos = pos;
  return info;
}

TEST(ScrollBarGeometry, AControlsThumbIsAtLeastEightPixelsAndMovesOverTheTrack) {
  // Length 100, arrows 16, range 0-100, page 10: MulDiv(68, 9, 100) = 6 is
  // raised to 8; at 50 the start is 16 + MulDiv(60, 50, 100).
  EXPECT_EQ(ControlThumbExtent(Scroll(0, 100, 10, 0), 100, 16).x, 16);
  EXPECT_EQ(ControlThumbExtent(Scroll(0, 100, 10, 0), 100, 16).y, 24);
  EXPECT_EQ(ControlThumbExtent(Scroll(0, 100, 10, 50), 100, 16).x, 16 + MulDiv(60, 50, 100));
  EXPECT_EQ(ControlThumbExtent(Scroll(0, 100, 10, 50), 100, 16).y, 16 + MulDiv(60, 50, 100) + 8);
  // A page of 50 gives a long thumb: MulDiv(68, 49, 100).
  EXPECT_EQ(ControlThumbExtent(Scroll(0, 100, 50, 50), 100, 16).x, 16 + MulDiv(68, 50, 100));
  EXPECT_EQ(ControlThumbExtent(Scroll(0, 100, 50, 50), 100, 16).y, 16 + MulDiv(68, 50, 100) + MulDiv(68, 49, 100));
}

TEST(ScrollBarGeometry, WithoutAPageTheThumbIsAnArrowLong) {
  EXPECT_EQ(ControlThumbExtent(Scroll(0, 10, 0, 5), 100, 16).x, 16 + MulDiv(100 - 48, 5, 10));
  EXPECT_EQ(ControlThumbExtent(Scroll(0, 10, 0, 5), 100, 16).y, 16 + MulDiv(100 - 48, 5, 10) + 16);
}

TEST(ScrollBarGeometry, AnEmptyRangeKeepsTheThumbAtTheStart) {
  EXPECT_EQ(ControlThumbExtent(Scroll(5, 5, 1, 5), 100, 16).x, 16);
  // Even a position off the empty range stays near the start.
  EXPECT_EQ(ControlThumbExtent(Scroll(5, 5, 0, 7), 100, 16).x, 16 + MulDiv(52, 2, 9999999));
}

TEST(ScrollBarGeometry, ADraggedThumbStaysBetweenTheArrows) {
  EXPECT_EQ(DraggedThumbStart(30, 10, 20, 16, 100), 40);
  EXPECT_EQ(DraggedThumbStart(30, -50, 20, 16, 100), 16);
  EXPECT_EQ(DraggedThumbStart(30, 500, 20, 16, 100), 100 - 16 - 20);
}

struct LookCase {
  const char* Name;
  bool Vertical;
  int Length;
  int ThumbStart, ThumbEnd;
  int HotPart;
  bool Pressed;
  bool Enabled;
};

class ScrollBarLooks : public ControlSkinnerTest, public testing::WithParamInterface<LookCase> {};

TEST_P(ScrollBarLooks, EveryPartShowsTheFrameOfItsState) {
  const LookCase& c = GetParam();
  LoadSkin(ScrollSkin());
  const int w = c.Vertical ? kGlyph : c.Length, h = c.Vertical ? c.Length : kGlyph;
  // The surface is wider than the bar: what lies beyond stays untouched.
  auto target = Target(w + 4, h + 4);
  SCROLLBARINFO info{sizeof info};
  info.rcScrollBar = {300, 200, 300 + w, 200 + h};
  info.xyThumbTop = c.ThumbStart;
  info.xyThumbBottom = c.ThumbEnd;
  info.rgstate[0] = c.Enabled ? 0 : STATE_SYSTEM_UNAVAILABLE;
  TScrollBarLook look;
  look.Vertical = c.Vertical;
  look.HotPart = c.HotPart;
  look.Pressed = c.Pressed;
  look.ArrowSize = kGlyph;
  look.ThumbStart = c.ThumbStart;
  look.ThumbEnd = c.ThumbEnd;
  TScrollSurface surface;
  surface.DC = target->Canvas().Handle();
  surface.Size = {w + 4, h + 4};
  surface.Offset = {2, 2};
  ASSERT_TRUE(PaintScrollBar(*Data, info, look, surface));
  TExpectedBar expected;
  expected.Vertical = c.Vertical;
  expected.Length = c.Length;
  expected.ThumbStart = c.ThumbStart;
  expected.ThumbEnd = c.ThumbEnd;
  expected.HotPart = c.HotPart;
  expected.Pressed = c.Pressed;
  expected.Enabled = c.Enabled;
  expected.Face = kFace;
  EXPECT_TRUE(skinload::PixelsAre(*target, w + 4, h + 4, [&](int x, int y) {
    if (x < 2 || y < 2 || x >= w + 2 || y >= h + 2) return kBackground;
    return expected.At(x - 2, y - 2);
  }));
}

INSTANTIATE_TEST_SUITE_P(ScrollBarPaint, ScrollBarLooks, testing::Values(
    LookCase{"Normal", true, 120, 40, 70, spNone, false, true},
    LookCase{"HotFirstArrow", true, 120, 40, 70, spFirstArrow, false, true},
    LookCase{"PressedFirstArrow", true, 120, 40, 70, spFirstArrow, true, true},
    LookCase{"HotSecondArrow", true, 120, 40, 70, spSecondArrow, false, true},
    LookCase{"PressedSecondArrow", true, 120, 40, 70, spSecondArrow, true, true},
    LookCase{"HotThumb", true, 120, 40, 70, spThumb, false, true},
    LookCase{"PressedThumb", true, 120, 40, 70, spThumb, true, true},
    LookCase{"PressedTrackLooksNormal", true, 120, 40, 70, spTrackAfter, true, true},
    LookCase{"Disabled", true, 120, 40, 70, spNone, false, false},
    LookCase{"ThumbTooShortForItsGrip", true, 120, 40, 52, spNone, false, true},
    LookCase{"ThumbJustLongEnoughForItsGrip", true, 120, 40, 55, spNone, false, true},
    LookCase{"ShorterThanTwoArrows", true, 20, 0, 0, spNone, false, true},
    LookCase{"Horizontal", false, 150, 60, 100, spNone, false, true},
    LookCase{"HorizontalPressedThumb", false, 150, 60, 100, spThumb, true, true},
    LookCase{"HorizontalHotSecondArrow", false, 150, 60, 100, spSecondArrow, false, true},
    LookCase{"HorizontalDisabled", false, 150, 60, 100, spThumb, false, false}),
    [](const testing::TestParamInfo<LookCase>& i) { return std::string(i.param.Name); });

class ScrollBarPaintLimits : public ControlSkinnerTest {
protected:
  bool PaintVertical(int length, int surfaceHeight, DWORD state = 0) {
    auto target = Target(kGlyph, std::max(surfaceHeight, 1));
    SCROLLBARINFO info{sizeof info};
    info.rcScrollBar = {0, 0, kGlyph, length};
    info.xyThumbTop = 20;
    info.xyThumbBottom = 30;
    info.rgstate[0] = state;
    TScrollBarLook look;
    look.Vertical = true;
    look.ArrowSize = kGlyph;
    look.ThumbStart = 20;
    look.ThumbEnd = 30;
    TScrollSurface surface{target->Canvas().Handle(), {kGlyph, surfaceHeight}, {0, 0}};
    const bool painted = PaintScrollBar(*Data, info, look, surface);
    Untouched = skinload::PixelsAre(*target, kGlyph, std::max(surfaceHeight, 1),
                                    [](int, int) { return kBackground; });
    return painted;
  }
  testing::AssertionResult Untouched = testing::AssertionSuccess();
};

TEST_F(ScrollBarPaintLimits, NothingIsPaintedWithoutTheGlyphStrip) {
  LoadSkin(skinload::TTestSkin{});
  EXPECT_FALSE(PaintVertical(60, 60));
  EXPECT_TRUE(Untouched);
}

TEST_F(ScrollBarPaintLimits, NothingIsPaintedForAnInvisibleBarOrOneLargerThanTheSurface) {
  LoadSkin(ScrollSkin());
  EXPECT_FALSE(PaintVertical(60, 60, STATE_SYSTEM_INVISIBLE));
  EXPECT_TRUE(Untouched);
  EXPECT_FALSE(PaintVertical(61, 60));
  EXPECT_TRUE(Untouched);
  EXPECT_TRUE(PaintVertical(60, 60));
}

TEST_F(ScrollBarPaintLimits, ASkinWithOneThumbFrameShowsItInEveryState) {
  LoadSkin(ScrollSkin(1));
  auto target = Target(kGlyph, 100);
  SCROLLBARINFO info{sizeof info};
  info.rcScrollBar = {0, 0, kGlyph, 100};
  TScrollBarLook look;
  look.Vertical = true;
  look.ArrowSize = kGlyph;
  look.ThumbStart = 20;
  look.ThumbEnd = 30;
  look.HotPart = spThumb;
  TScrollSurface surface{target->Canvas().Handle(), {kGlyph, 100}, {0, 0}};
  ASSERT_TRUE(PaintScrollBar(*Data, info, look, surface));
  EXPECT_EQ(target->Pixel(8, 25), Thumb(true, 1));
}
}  // namespace
