// Progress bars painted from the skin: trough and bar frames, the filled
// length from the range, vertical bars, the chunk style, and the native
// picture where the skin has nothing to paint with.
#include "skin/controls/SkinProgress.h"
#include "tests/win/skin/ControlSkinnerKit.h"

using namespace skinload;

namespace {
constexpr TColor kTrough = TColor(RGB(200, 0, 0));
constexpr TColor kBar = TColor(RGB(0, 200, 0));
constexpr TColor kChunk = TColor(RGB(0, 0, 200));
constexpr int kFrameW = 10, kFrameH = 20;

// Two 10 x 20 frames, trough and bar, each with a key-coloured top row.
TTestSkin TwoFrameSkin() {
  TTestSkin skin;
  skin.Add("progress.bmp", Bmp24(2 * kFrameW, kFrameH, [](int x, int y) {
    return y == 0 ? kKey : x < kFrameW ? kTrough : kBar;
  }));
  skin.Ini = "[Progress]\r\nBitmap=progress.bmp\r\n";
  return skin;
}

struct ProgressCase {
  const char* Name;
  int W, H;
  bool Vertical;
  int Min, Max, Position;
  int Filled;  // pixels of bar along the length
};

class ProgressBar : public ControlSkinnerTest, public testing::WithParamInterface<ProgressCase> {
protected:
  TProgressBar* MakeBar(const ProgressCase& c) {
    auto* bar = Add<TProgressBar>(5, 5, c.W, c.H);
    bar->SetOrientation(c.Vertical ? pbVertical : pbHorizontal);
    bar->SetMin(c.Min);
    bar->SetMax(c.Max);
    bar->SetPosition(c.Position);
    return bar;
  }
};

TEST_P(ProgressBar, TroughEverywhereAndTheBarOverTheFilledLength) {
  const ProgressCase& c = GetParam();
  LoadSkin(TwoFrameSkin());
  TProgressBar* bar = MakeBar(c);
  SkinControl<TSkinProgress>(*bar);
  // Composed lying down: along is x, across is y, the key row at across 0.
  // A vertical bar is turned left, so its length runs from the bottom up and
  // the key row ends up as the left column.
  EXPECT_TRUE(PixelsAre(*Picture(bar->Handle()), c.W, c.H, [&c](int x, int y) {
    const int along = c.Vertical ? c.H - 1 - y : x, across = c.Vertical ? x : y;
    if (across == 0) return kFace;
    return along < c.Filled ? kBar : kTrough;
  }));
}

INSTANTIATE_TEST_SUITE_P(SkinProgress, ProgressBar, testing::Values(
    ProgressCase{"HalfOf0To100", 200, 20, false, 0, 100, 50, 100},
    ProgressCase{"SixtyOf20To100", 200, 20, false, 20, 100, 60, 100},
    ProgressCase{"Full", 200, 20, false, 0, 100, 100, 200},
    ProgressCase{"AThirdRoundsToNearest", 200, 20, false, 0, 3, 1, 67},  // 66.67
    ProgressCase{"PositionZero", 200, 20, false, 0, 100, 0, 0},
    ProgressCase{"HighLimitZero", 200, 20, false, 0, 0, 0, 0},
    ProgressCase{"VerticalFillsFromTheBottom", 20, 200, true, 0, 100, 25, 50}),
    [](const testing::TestParamInfo<ProgressCase>& i) { return std::string(i.param.Name); });

class ProgressBarSkinner : public ControlSkinnerTest {
protected:
  TProgressBar* HalfFull(int w = 100, int h = 20) {
    auto* bar = Add<TProgressBar>(5, 5, w, h);
    bar->SetMax(100);
    bar->SetPosition(35);
    return bar;
  }
  // A one-frame trough of style 1 and the chunk section given.
  static TTestSkin ChunkSkin(const std::string& chunk) {
    TTestSkin skin;
    skin.Add("trough.bmp", SolidBmp(kFrameW, kFrameH, kTrough));
    skin.Add("chunk.bmp", Bmp24(10, 6, CoordColour));
    skin.Add("solid.bmp", SolidBmp(8, 6, kChunk));
    skin.Ini = "[Progress]\r\nBitmap=trough.bmp\r\nStyle=1\r\n" + chunk;
    return skin;
  }
};

TEST_F(ProgressBarSkinner, TiledChunksAreCopiedFromTheLeftAndCutAtTheFilledLength) {
  LoadSkin(ChunkSkin("[Progress.Chunk]\r\nImage=chunk.bmp\r\nTile=1\r\nLeftWidth=3\r\n"));
  TProgressBar* bar = HalfFull();
  SkinControl<TSkinProgress>(*bar);
  // 35 of 100 pixels: copies at 0, 10, 20 and 30, the last cut after 5
  // columns, the strip 3 + 2 from the left, centred across ((20 - 6) div 2).
  const int left = 3 + 2, top = (kFrameH - 6) / 2;
  EXPECT_TRUE(PixelsAre(*Picture(bar->Handle()), 100, 20, [&](int x, int y) {
    if (x >= left && x < left + 35 && y >= top && y < top + 6) return CoordColour((x - left) % 10, y - top);
    return kTrough;
  }));
}

TEST_F(ProgressBarSkinner, AStretchedChunkLiesInsideATwoPixelRim) {
  LoadSkin(ChunkSkin("[Progress.Chunk]\r\nImage=solid.bmp\r\n"));
  TProgressBar* bar = HalfFull();
  SkinControl<TSkinProgress>(*bar);
  // A bitmap 35 wide and 20 - 4 high, put at (2, 2).
  EXPECT_TRUE(PixelsAre(*Picture(bar->Handle()), 100, 20, [](int x, int y) {
    return x >= 2 && x < 2 + 35 && y >= 2 && y < 2 + 16 ? kChunk : kTrough;
  }));
}

TEST_F(ProgressBarSkinner, TheChunkStyleWithoutAChunkImagePaintsNothing) {
  LoadSkin(ChunkSkin(""));
  TProgressBar* bar = HalfFull();
  SkinControl<TSkinProgress>(*bar);
  EXPECT_TRUE(PixelsAre(*Picture(bar->Handle()), 100, 20, [](int, int) { return kBackground; }));
}

TEST_F(ProgressBarSkinner, WithoutAProgressImageTheNativeBarPaints) {
  LoadSkin(TTestSkin{});
  TProgressBar* bar = HalfFull();
  const std::unique_ptr<TBitmap> native = Picture(bar->Handle());
  SkinControl<TSkinProgress>(*bar);
  ASSERT_TRUE(Skinned(bar->Handle()));
  EXPECT_TRUE(SameBitmaps(*Picture(bar->Handle()), *native));
}

TEST_F(ProgressBarSkinner, DetachGivesTheBarItsNativePictureBack) {
  LoadSkin(TwoFrameSkin());
  ExpectDetachRestoresTheNativePicture<TSkinProgress>(*HalfFull());
}

TEST(SkinProgress, FilledLengthRoundsAsMulDivAndRefusesAnEmptyRange) {
  EXPECT_EQ(ProgressLength(200, 50, 100), MulDiv(200, 50, 100));
  EXPECT_EQ(ProgressLength(200, 1, 3), MulDiv(200, 1, 3));
  EXPECT_EQ(ProgressLength(7, 1, 2), MulDiv(7, 1, 2));
  EXPECT_EQ(ProgressLength(200, 5, 0), -1);
  EXPECT_EQ(ProgressLength(200, 0, 100), 0);
  // A range spanning the whole of int, where MulDiv's arguments overflow.
  EXPECT_EQ(ProgressLength(200, 0x7FFFFFFFLL + 1, 0xFFFFFFFFLL), 100);
}
}  // namespace
