// Images composed while loading: the combo strips, ComboxArrow, the toolbar
// gradient, the title sample colour and the ButtonFace brush.
#include "tests/win/skin/SkinLoadKit.h"

using namespace skinload;

namespace {
constexpr TColor kMagenta = 0xFF00FF;
constexpr int kCellWidth = 50, kCellHeight = 21;

// Uniform frames, so every nine-slice of one is that frame's colour. Some are
// magenta to show which layers are drawn keyed.
const std::vector<TColor> kSunk{TColor(RGB(200, 10, 10)), kMagenta, TColor(RGB(10, 200, 10)), kMagenta};
const std::vector<TColor> kCombo{TColor(RGB(1, 2, 3)), TColor(RGB(4, 5, 6)), kMagenta, TColor(RGB(7, 8, 9))};
const std::vector<TColor> kExtra{TColor(RGB(90, 0, 0)), TColor(RGB(0, 90, 0)), TColor(RGB(0, 0, 90)), kMagenta,
                                 TColor(RGB(9, 9, 9))};
constexpr int kExtraWidth = 4, kExtraHeight = 5;

int ArrowWidth() { return GetSystemMetrics(SM_CXHSCROLL) + 2; }

// The combo strip as composed from the frames above, in strip coordinates.
TColor ExpectedComboStrip(int stripX, int y) {
  const size_t frame = size_t(stripX / kCellWidth);
  const int x = stripX % kCellWidth, w = ArrowWidth();
  if (x >= 2 && x < kCellWidth - 1 - w && y >= 2 && y < 18) return kMagenta;  // the see-through edit area
  TColor colour = kSunk[frame];  // drawn on a magenta cell, so keyed or not it looks the same
  if (x >= kCellWidth - w) {
    if (kCombo[frame] != kMagenta) colour = kCombo[frame];
    const int ex = kCellWidth - w + (w - kExtraWidth) / 2, ey = (kCellHeight - kExtraHeight) / 2;
    if (x >= ex && x < ex + kExtraWidth && y >= ey && y < ey + kExtraHeight && kExtra[frame] != kMagenta)
      colour = kExtra[frame];
  }
  return colour;
}

TTestSkin ComboSkin(int sunkTrans) {
  TTestSkin test;
  test.Add("sunk.bmp", StripBmp(10, kCellHeight, kSunk))
      .Add("combo.bmp", StripBmp(8, kCellHeight, kCombo))
      .Add("extra.bmp", StripBmp(kExtraWidth, kExtraHeight, kExtra));
  test.Ini = "[SunkEdge]\r\nImage=sunk.bmp\r\nTopHeight=1\r\nBottomHeight=2\r\nLeftWidth=3\r\nRightWidth=3\r\n"
             "Trans=" + std::to_string(sunkTrans) + "\r\n"
             "[ComboButton]\r\nImage=combo.bmp\r\nStyle=1\r\nTopHeight=5\r\n"
             "[ExtraImages]\r\nImage=extra.bmp\r\n";
  return test;
}

class SkinLoadComboStrip : public testing::TestWithParam<int> {};

TEST_P(SkinLoadComboStrip, FiftyPixelsPerSunkEdgeFrame) {
  TSkinState skin;
  ASSERT_TRUE(LoadTestSkin(skin, ComboSkin(GetParam())));
  const int frames = 4, w = ArrowWidth();
  const TDataSkinBorder& combo = *skin.ComboButton;
  const TDataSkinObject& sunk = *skin.SunkEdge;
  EXPECT_EQ(combo.Style, 2);
  EXPECT_TRUE(PixelsAre(*combo.Image, kCellWidth * frames, kCellHeight, ExpectedComboStrip));
  EXPECT_EQ(combo.LeftWidth, 2);
  EXPECT_EQ(combo.RightWidth, w + 2);
  EXPECT_EQ(combo.TopHeight, 1);
  EXPECT_EQ(combo.BottomHeight, 2);
  EXPECT_TRUE(PixelsAre(*sunk.Image, kCellWidth * frames, kCellHeight,
                        [](int x, int y) { return ExpectedComboStrip(kCellWidth * 4 - 1 - x, y); }));
  EXPECT_EQ(sunk.LeftWidth, w + 2);
  EXPECT_EQ(sunk.RightWidth, 2);
  EXPECT_EQ(sunk.TopHeight, 1);
  // Mirrored before the strip replaced the image: the original combo image, reversed.
  EXPECT_TRUE(PixelsAre(*combo.SecondImage, 32, kCellHeight,
                        [](int x, int) { return kCombo[size_t((31 - x) / 8)]; }));
}

TEST_P(SkinLoadComboStrip, ComboxArrowCutFromEachFrame) {
  TSkinState skin;
  ASSERT_TRUE(LoadTestSkin(skin, ComboSkin(GetParam())));
  const TDataSkinObject& arrow = *skin.ComboxArrow;
  EXPECT_EQ(arrow.Name, L"ComboxArrow");
  EXPECT_EQ(arrow.FrameCount, 4);
  EXPECT_TRUE(PixelsAre(*arrow.Image, 17 * 4, 17, [](int x, int y) {
    const int cell = x / 17;
    return ExpectedComboStrip((cell + 1) * kCellWidth - 19 + x % 17, 2 + y);
  }));
}

INSTANTIATE_TEST_SUITE_P(SunkEdgeTrans, SkinLoadComboStrip, testing::Values(0, 1));

// Without SunkEdge: the combo image with its key colour made ButtonFace.
struct TArrowColourCase {
  const char* Colours;
  TColor ButtonFace;  // 0x1FFFFFFF: the system's
};

class SkinLoadComboxArrowAlone : public testing::TestWithParam<TArrowColourCase> {};

TEST_P(SkinLoadComboxArrowAlone, IsTheComboImageOnButtonFace) {
  const TPixelFunction pattern = [](int x, int y) { return (x + y) % 3 == 0 ? kMagenta : TColor(RGB(x, y, 9)); };
  TTestSkin test;
  test.Add("combo.bmp", Bmp24(12, 5, pattern)).Ini = std::string(GetParam().Colours) +
                                                    "[ComboButton]\r\nImage=combo.bmp\r\n";
  TSkinState skin;
  ASSERT_TRUE(LoadTestSkin(skin, test));
  const TColor face = GetParam().ButtonFace == clNone ? TColor(GetSysColor(COLOR_BTNFACE)) : GetParam().ButtonFace;
  EXPECT_TRUE(PixelsAre(*skin.ComboxArrow->Image, 12, 5,
                        [&](int x, int y) { return pattern(x, y) == kMagenta ? face : pattern(x, y); }));
  EXPECT_EQ(skin.ComboxArrow->FrameCount, skin.ComboButton->FrameCount);
  EXPECT_TRUE(PixelsAre(*skin.ComboButton->Image, 12, 5, pattern));  // the combo keeps its own
}

INSTANTIATE_TEST_SUITE_P(Colours, SkinLoadComboxArrowAlone,
                         testing::Values(TArrowColourCase{"[Colours]\r\nButtonFace=1 2 3\r\n", TColor(RGB(1, 2, 3))},
                                         TArrowColourCase{"", clNone}));

TEST(SkinLoadComboxArrow, KeptAcrossLoadsAndLeftAsItWasWithSunkEdgeAlone) {
  TTestSkin first;
  first.Add("combo.bmp", SolidBmp(12, 5, 0x445566)).Ini = "[ComboButton]\r\nImage=combo.bmp\r\n";
  TSkinState skin;
  ASSERT_TRUE(LoadTestSkin(skin, first));
  const auto arrowFreed = TrackElement(skin.ComboxArrow);
  TTestSkin second;
  second.Add("sunk.bmp", SolidBmp(40, 21, 0x112233)).Ini = "[SunkEdge]\r\nImage=sunk.bmp\r\n";
  ASSERT_TRUE(LoadTestSkin(skin, second));
  EXPECT_FALSE(*arrowFreed);
  EXPECT_TRUE(IsTracked(skin.ComboxArrow.get()));
  EXPECT_EQ(skin.ComboxArrow->FrameCount, 4);
  EXPECT_TRUE(PixelsAre(*skin.ComboxArrow->Image, 12, 5, [](int, int) { return TColor(0x445566); }));
}

// The toolbar gradient from ButtonFace (10, 20, 30) towards a colour made of
// the title sample; top, middle and bottom rows worked out by hand from the
// mixing and gradient rules.
struct TToolbarCase {
  TColor Sample;  // clNone: no top frame image, the sample is ButtonFace
  TColor Top, Row20, Bottom;
};

const TToolbarCase kToolbars[] = {
    // saturation 204: end mixes 53 % of the sample with white: (226, 141, 141)
    {TColor(RGB(200, 40, 40)), TColor(RGB(218, 220, 221)), TColor(RGB(222, 180, 181)), TColor(RGB(226, 142, 142))},
    // grey, saturation 0: end is 15 % grey, 85 % sample: (172, 172, 172)
    {TColor(RGB(180, 180, 180)), TColor(RGB(218, 220, 221)), TColor(RGB(195, 196, 197)), TColor(RGB(173, 173, 173))},
    // saturation exactly 110 does not exceed the limit: (189, 116, 116)
    {TColor(RGB(200, 114, 114)), TColor(RGB(218, 220, 221)), TColor(RGB(204, 168, 168)), TColor(RGB(190, 117, 117))},
    // saturation 111: 70 % of the sample: (217, 156, 156), red one short at the end
    {TColor(RGB(200, 113, 113)), TColor(RGB(218, 220, 221)), TColor(RGB(218, 188, 189)), TColor(RGB(218, 157, 157))},
    // ButtonFace itself, dark, saturation 200: 54 %: (123, 128, 134)
    {clNone, TColor(RGB(218, 220, 221)), TColor(RGB(170, 174, 177)), TColor(RGB(124, 129, 135))},
};

// A 30 x 12 top frame of two frames, the sample pixel (10, 2) set apart.
TTestSkin ToolbarSkin(TColor sample, int topFrames, int sampleY) {
  TTestSkin test;
  test.Ini = "[Colours]\r\nButtonFace=10 20 30\r\n";
  if (sample != clNone) {
    test.Add("top.bmp", Bmp24(30, 12, [=](int x, int y) { return x == 10 && y == sampleY ? sample : 0x0F0F0F; }));
    test.Ini += "[Personality]\r\nTop=top.bmp\r\nTopFrame=" + std::to_string(topFrames) + "\r\n";
  }
  return test;
}

class SkinLoadToolbar : public testing::TestWithParam<TToolbarCase> {};

TEST_P(SkinLoadToolbar, GradientFromButtonFaceToTheSampleMix) {
  const TToolbarCase& c = GetParam();
  TSkinState skin;
  ASSERT_TRUE(LoadTestSkin(skin, ToolbarSkin(c.Sample, 2, 2)));
  const TColor sample = c.Sample == clNone ? TColor(RGB(10, 20, 30)) : c.Sample;
  EXPECT_EQ(skin.SkinColours[17], sample);
  const TDataSkinObject& toolbar = *skin.Toolbar;
  EXPECT_EQ(toolbar.Name, L"Toolbar");
  EXPECT_EQ(toolbar.FrameCount, 1);
  ASSERT_EQ(toolbar.Image->Width(), 10);
  ASSERT_EQ(toolbar.Image->Height(), 40);
  for (int x = 0; x < 10; ++x) {
    EXPECT_EQ(toolbar.Image->Pixel(x, 0), c.Top) << x;
    EXPECT_EQ(toolbar.Image->Pixel(x, 20), c.Row20) << x;
    EXPECT_EQ(toolbar.Image->Pixel(x, 39), c.Bottom) << x;
  }
}

INSTANTIATE_TEST_SUITE_P(Samples, SkinLoadToolbar, testing::ValuesIn(kToolbars));

TEST(SkinLoadTitleSample, ATopFrameCountOfZeroSamplesAsOneFrame) {
  TSkinState skin;
  // 12 / 1 / 3 = 4: the sample row when the frame count counts as 1.
  ASSERT_TRUE(LoadTestSkin(skin, ToolbarSkin(TColor(RGB(1, 2, 3)), 0, 4)));
  EXPECT_EQ(skin.SkinColours[17], TColor(RGB(1, 2, 3)));
  EXPECT_EQ(skin.FrameSideTop->FrameCount, 0);
}

TEST(SkinLoadToolbar, ReFilledNotReCreated) {
  TSkinState skin;
  ASSERT_TRUE(LoadTestSkin(skin, ToolbarSkin(TColor(RGB(200, 40, 40)), 2, 2)));
  const auto toolbarFreed = TrackElement(skin.Toolbar);
  ASSERT_TRUE(LoadTestSkin(skin, ToolbarSkin(TColor(RGB(180, 180, 180)), 2, 2)));
  EXPECT_FALSE(*toolbarFreed);
  EXPECT_TRUE(IsTracked(skin.Toolbar.get()));
  EXPECT_EQ(skin.Toolbar->Image->Pixel(0, 39), TColor(RGB(173, 173, 173)));
}

struct TBrushCase {
  const char* Colours;
  TColor Expected;  // clNone: the system's ButtonFace
};

class SkinLoadButtonFaceBrush : public testing::TestWithParam<TBrushCase> {};

TEST_P(SkinLoadButtonFaceBrush, IsASolidBrushOfButtonFace) {
  TTestSkin test;
  test.Ini = GetParam().Colours;
  TSkinState skin;
  ASSERT_TRUE(LoadTestSkin(skin, test));
  LOGBRUSH brush{};
  ASSERT_EQ(GetObjectW(skin.ButtonFaceBrush.Get(), sizeof brush, &brush), int(sizeof brush));
  EXPECT_EQ(brush.lbStyle, UINT(BS_SOLID));
  const TColor expected =
      GetParam().Expected == clNone ? TColor(GetSysColor(COLOR_BTNFACE)) : GetParam().Expected;
  EXPECT_EQ(TColor(brush.lbColor), expected);
}

INSTANTIATE_TEST_SUITE_P(Colours, SkinLoadButtonFaceBrush,
                         testing::Values(TBrushCase{"[Colours]\r\nButtonFace=227 238 253\r\n", TColor(RGB(227, 238, 253))},
                                         TBrushCase{"[Colours]\r\nButtonFace=\r\n", clNone}));
}  // namespace
