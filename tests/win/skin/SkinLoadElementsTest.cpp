// The element slots: which section fills which slot, the frame count each
// element has after loading, and what each loader reads.
#include "tests/win/skin/SkinLoadKit.h"
#include <cstring>

using namespace skinload;

namespace {
using TSlot = const TDataSkinObject* (*)(const TSkinState&);

struct TSlotCase {
  const char* Section;
  const char* Keys;  // the section's lines besides "Frame=7"
  TSlot Slot;
  int FrameCount;    // after loading
  const wchar_t* WithoutImage = nullptr;  // the built-in element that replaces a missing one
};

#define SLOT(member) [](const TSkinState& s) -> const TDataSkinObject* { return s.member.get(); }

// Every section "Frame=7"; the count after loading per element.
const TSlotCase kSlots[] = {
    {"Progress", "Bitmap=e.bmp", SLOT(ProgressBar), 2},
    {"Progress.Chunk", "Image=e.bmp", SLOT(ProgressChunk), 7},
    {"GroupBoxEdge", "Image=e.bmp", SLOT(GroupBoxEdge), 2},
    {"GroupBox", "Image=e.bmp", SLOT(GroupBox), 1},
    {"Tabs", "Image=e.bmp", SLOT(Tabs), 5},
    {"StatusBarEdges", "Image=e.bmp", SLOT(StatusBarEdges), 3},
    {"Tab.Pane", "Image=e.bmp", SLOT(TabPane), 1},
    {"ToolBars", "Image=e.bmp", SLOT(ToolBars), 5},
    {"ComboButton", "Image=e.bmp", SLOT(ComboButton), 4},
    {"SunkEdge", "Image=e.bmp", SLOT(SunkEdge), 4},
    {"ExtraImages", "Image=e.bmp", SLOT(ExtraImages), 5},
    {"Headerbar", "Image=e.bmp", SLOT(Headerbar), 7},
    {"MenuItem", "Image=e.bmp", SLOT(MenuItem), 5},
    {"MenuBackground", "Image=e.bmp", SLOT(MenuBackground), 1},
    {"Scrollbar", "Image=e.bmp", SLOT(Scrollbar), 23},
    {"HorzScroll", "Image=e.bmp", SLOT(HorzScroll), 4},
    {"VertScroll", "Image=e.bmp", SLOT(VertScroll), 4},
    {"HorzScrollThumb", "Image=e.bmp\r\nFrameCount=9", SLOT(HorzScrollThumb), 9},
    {"VertScrollThumb", "Image=e.bmp", SLOT(VertScrollThumb), 3},
    {"Trackbar.ThumbHorz", "Image=e.bmp", SLOT(TrackThumbHorz), 5},
    {"Trackbar.ThumbVert", "Image=e.bmp", SLOT(TrackThumbVert), 5},
    {"Trackbar.ThumbLeft", "Image=e.bmp", SLOT(TrackThumbLeft), 5},
    {"Trackbar.ThumbRight", "Image=e.bmp", SLOT(TrackThumbRight), 5},
    {"Trackbar.ThumbUp", "Image=e.bmp", SLOT(TrackThumbUp), 5},
    {"Trackbar.ThumbDown", "Image=e.bmp", SLOT(TrackThumbDown), 5},
    {"UpDown.Horz", "Image=e.bmp", SLOT(UpDownHorz), 8},
    {"UpDown.Vert", "Image=e.bmp", SLOT(UpDownVert), 8},
    {"Track", "Image=e.bmp", SLOT(Track), 7, L"TRACK"},
    {"TRACKVERT", "Image=e.bmp", SLOT(TrackVert), 7, L"TRACKVERT"},
};

TTestSkin SkinOf(const std::string& ini) {
  TTestSkin test;
  test.Add("e.bmp", SolidBmp(70, 21, 0x336699)).Ini = ini;
  return test;
}

class SkinLoadSlot : public testing::TestWithParam<TSlotCase> {};

TEST_P(SkinLoadSlot, SectionWithAnImageFillsTheSlotWithItsFrameCount) {
  const TSlotCase& c = GetParam();
  TSkinState skin;
  ASSERT_TRUE(LoadTestSkin(skin, SkinOf(std::string("[") + c.Section + "]\r\n" + c.Keys + "\r\nFrame=7\r\n")));
  const TDataSkinObject* element = c.Slot(skin);
  ASSERT_NE(element, nullptr);
  EXPECT_EQ(element->Name, std::wstring(c.Section, c.Section + strlen(c.Section)));
  EXPECT_EQ(element->FrameCount, c.FrameCount);
  EXPECT_FALSE(element->Image->Empty());
}

TEST_P(SkinLoadSlot, SectionWithoutAnImageLeavesTheSlotEmptyOrBuiltIn) {
  const TSlotCase& c = GetParam();
  TSkinState skin;
  ASSERT_TRUE(LoadTestSkin(skin, SkinOf(std::string("[") + c.Section + "]\r\nFrame=7\r\nLeftWidth=8\r\n")));
  if (!c.WithoutImage) {
    EXPECT_EQ(c.Slot(skin), nullptr);
    return;
  }
  ASSERT_NE(c.Slot(skin), nullptr);
  EXPECT_EQ(c.Slot(skin)->Name, c.WithoutImage);
  EXPECT_EQ(c.Slot(skin)->LeftWidth, 3);  // the built-in margins
  EXPECT_EQ(c.Slot(skin)->FrameCount, 1);
}

INSTANTIATE_TEST_SUITE_P(Table, SkinLoadSlot, testing::ValuesIn(kSlots));

TEST(SkinLoadFrameCounts, HeaderbarWithoutFrameAndProgressWithStyle) {
  TSkinState skin;
  ASSERT_TRUE(LoadTestSkin(skin, SkinOf("[Headerbar]\r\nImage=e.bmp\r\nFrame=0\r\n"
                                        "[Progress]\r\nBitmap=e.bmp\r\nStyle=1\r\n")));
  EXPECT_EQ(skin.Headerbar->FrameCount, 5);
  EXPECT_EQ(skin.ProgressBar->FrameCount, 1);
}

TEST(SkinLoadFrameCounts, AlwaysPresentElements) {
  TSkinState skin;
  ASSERT_TRUE(LoadTestSkin(skin, SkinOf("[Buttons]\r\nFrame=9\r\n[Personality]\r\nmenuBar=e.bmp\r\n")));
  EXPECT_EQ(skin.PushButtons->FrameCount, 5);
  EXPECT_EQ(skin.Title->FrameCount, 2);
  EXPECT_EQ(skin.MenuBarElement->FrameCount, 2);
}

// What each loader reads, with the same keys in every section.
const char* const kLoaderKeys =
    "Style=3\r\nLeftWidth=1\r\nRightWidth=2\r\nTopHeight=3\r\nBottomHeight=4\r\nTrans=1\r\nTile=2\r\n"
    "NormalColour=$FF\r\nPressedColour=0x10\r\nNormalColour2=1 2 3\r\nPressedColour2=\r\n"
    "BackgroundAlignment=5\r\nBackgroundLeftShift=6\r\nBackgroundRightShift=7\r\n";

struct TLoaderCase {
  const char* Section;
  const char* ImageKey;
  TSlot Slot;
  int Style, Tile;
  bool Colours;
};

const TLoaderCase kLoaders[] = {
    {"GroupBoxEdge", "Image", SLOT(GroupBoxEdge), 3, 0, true},  // common
    {"Tabs", "Image", SLOT(Tabs), 3, 0, true},                  // two-image
    {"GroupBox", "Image", SLOT(GroupBox), 3, 0, true},          // box-label
    {"Progress", "Bitmap", SLOT(ProgressBar), 3, 1, false},     // bitmap-key
    {"Buttons", "Bitmap", SLOT(PushButtons), 0, 0, true},       // push buttons: no Style
};

class SkinLoadLoader : public testing::TestWithParam<TLoaderCase> {};

TEST_P(SkinLoadLoader, ReadsItsKeys) {
  const TLoaderCase& c = GetParam();
  TSkinState skin;
  ASSERT_TRUE(LoadTestSkin(skin, SkinOf(std::string("[Colours]\r\nButtonText=9 8 7\r\n[") + c.Section + "]\r\n" +
                                        c.ImageKey + "=e.bmp\r\n" + kLoaderKeys)));
  const TDataSkinObject* e = c.Slot(skin);
  ASSERT_NE(e, nullptr);
  EXPECT_EQ(e->Style, c.Style);
  EXPECT_EQ(e->Tile, c.Tile);
  EXPECT_EQ(e->Trans, 1);
  const TColor notRead = 0;
  const TColor buttonText = TColor(RGB(9, 8, 7));
  EXPECT_EQ(e->NormalColour, c.Colours ? 0xFF : notRead);
  EXPECT_EQ(e->MouseOverColour, c.Colours ? -1 : notRead);
  EXPECT_EQ(e->PressedColour, c.Colours ? 16 : notRead);
  EXPECT_EQ(e->NormalColour2, c.Colours ? TColor(RGB(1, 2, 3)) : notRead);
  EXPECT_EQ(e->MouseOverColour2, c.Colours ? buttonText : notRead);
  EXPECT_EQ(e->PressedColour2, c.Colours ? buttonText : notRead);
  const RECT m = SkinMargins(*e);
  EXPECT_EQ(m.left, 1);
  EXPECT_EQ(m.top, 3);
  EXPECT_EQ(m.right, 2);
  EXPECT_EQ(m.bottom, 4);
}

INSTANTIATE_TEST_SUITE_P(Kinds, SkinLoadLoader, testing::ValuesIn(kLoaders));

TEST(SkinLoadLoaders, BoxLabelShiftsAndSecondImages) {
  TSkinState skin;
  TTestSkin test = SkinOf(std::string("[GroupBox]\r\nImage=e.bmp\r\n") + kLoaderKeys +
                          "[Tabs]\r\nImage=e.bmp\r\nBorder=b.bmp\r\n"
                          "[UpDown.Horz]\r\nImage=e.bmp\r\nGlyphImage=b.bmp\r\n"
                          "[UpDown.Vert]\r\nImage=e.bmp\r\nBorder=b.bmp\r\n");
  test.Add("b.bmp", SolidBmp(3, 2, 0x00FF00));
  ASSERT_TRUE(LoadTestSkin(skin, test));
  EXPECT_EQ(skin.GroupBox->BackgroundAlignment, 5);
  EXPECT_EQ(skin.GroupBox->BackgroundLeftShift, 6);
  EXPECT_EQ(skin.GroupBox->BackgroundRightShift, 7);
  EXPECT_EQ(skin.Tabs->SecondImage->Width(), 3);
  EXPECT_EQ(skin.UpDownHorz->SecondImage->Width(), 3);
  EXPECT_TRUE(skin.UpDownVert->SecondImage->Empty());  // its second key is GlyphImage
}

TEST(SkinLoadLoaders, TabPaneMarginsAreLimitedToFour) {
  TSkinState skin;
  ASSERT_TRUE(LoadTestSkin(
      skin, SkinOf("[Tab.Pane]\r\nImage=e.bmp\r\nLeftWidth=2\r\nTopHeight=9\r\nRightWidth=4\r\nBottomHeight=5\r\n")));
  const RECT m = SkinMargins(*skin.TabPane);
  EXPECT_EQ(m.left, 2);
  EXPECT_EQ(m.top, 4);
  EXPECT_EQ(m.right, 4);
  EXPECT_EQ(m.bottom, 4);
}

TEST(SkinLoadLoaders, ComboButtonSecondImageIsItsImageMirrored) {
  const TPixelFunction pattern = [](int x, int y) { return TColor(RGB(x * 20, y * 40, 5)); };
  TTestSkin test;
  test.Add("c.bmp", Bmp24(8, 4, pattern)).Ini = "[ComboButton]\r\nImage=c.bmp\r\n";
  TSkinState skin;
  ASSERT_TRUE(LoadTestSkin(skin, test));
  EXPECT_EQ(skin.ComboButton->SecondImage->PixelFormat(), pf24bit);
  EXPECT_TRUE(PixelsAre(*skin.ComboButton->SecondImage, 8, 4, [&](int x, int y) { return pattern(7 - x, y); }));
}

struct TButtonStripCase {
  int Width, Height;  // 0: no image
  int Given;
  int Expected;
};

const TButtonStripCase kButtonStrips[] = {
    {65, 13, 0, 5},   // cells of 13 below 16 pixels
    {100, 15, 0, 7},
    {100, 16, 0, 6},  // cells of 16 from 16 pixels
    {48, 16, 0, 4},   // at least 4
    {0, 0, 0, 4},
    {65, 13, 2, 2},   // a count given stays
};

class SkinLoadButtonStrip : public testing::TestWithParam<TButtonStripCase> {};

TEST_P(SkinLoadButtonStrip, RadioAndCheckFrameCounts) {
  const TButtonStripCase& c = GetParam();
  TTestSkin test;
  const std::string given = std::to_string(c.Given);
  test.Ini = "[Buttons]\r\nRadioButtonFrame=" + given + "\r\nCheckButtonFrame=" + given + "\r\n";
  if (c.Width > 0) {
    test.Add("r.bmp", SolidBmp(c.Width, c.Height, 0x0000FF)).Add("k.bmp", SolidBmp(c.Width, c.Height, 0x00FF00));
    test.Ini += "RadioButton=r.bmp\r\nCheckButton=k.bmp\r\n";
  }
  TSkinState skin;
  ASSERT_TRUE(LoadTestSkin(skin, test));
  EXPECT_EQ(skin.PushButtons->RadioButtonFrame, c.Expected);
  EXPECT_EQ(skin.PushButtons->CheckButtonFrame, c.Expected);
  EXPECT_EQ(skin.PushButtons->RadioImage->Width(), c.Width);
  EXPECT_EQ(skin.PushButtons->CheckImage->Width(), c.Width);
}

INSTANTIATE_TEST_SUITE_P(Strips, SkinLoadButtonStrip, testing::ValuesIn(kButtonStrips));

TEST(SkinLoadPushButtons, SecondColoursAreMarkedWhenGiven) {
  TSkinState skin;
  ASSERT_TRUE(LoadTestSkin(skin, SkinOf("[Buttons]\r\nNormalColour2=1 2 3\r\nPressedColour2=4 5 6\r\n")));
  EXPECT_TRUE(skin.PushButtons->HasNormalColour2);
  EXPECT_FALSE(skin.PushButtons->HasMouseOverColour2);
  EXPECT_TRUE(skin.PushButtons->HasPressedColour2);
  EXPECT_EQ(skin.PushButtons->Name, L"Buttons");
}

// Rows of the built-in images: G grey 128, S silver 192, W white.
TColor BuiltinPixel(const std::vector<std::string>& rows, int x, int y) {
  switch (rows[size_t(y)][size_t(x)]) {
    case 'G': return TColor(RGB(128, 128, 128));
    case 'S': return TColor(RGB(192, 192, 192));
    default: return TColor(RGB(255, 255, 255));
  }
}

TEST(SkinLoadTracks, WithoutTheirSectionsTheBuiltInImagesWithMarginsThree) {
  const std::vector<std::string> track{"SSGGGGGGGGGGGGWW", "SSWWWWWWWWWWWWWW", "GSWWWWWWWWWWWWWW",
                                       "SSWWWWWWWWWWWWWW"};
  std::vector<std::string> trackVert{"SSGS", "SSSS"};
  trackVert.insert(trackVert.end(), 12, "GWWW");
  trackVert.insert(trackVert.end(), 2, "WWWW");
  TSkinState skin;
  // A Track section whose image is missing counts as no image.
  ASSERT_TRUE(LoadTestSkin(skin, SkinOf("[Track]\r\nImage=missing.bmp\r\nFrame=4\r\n")));
  const std::pair<const TDataSkinObject*, const std::vector<std::string>*> cases[] = {
      {skin.Track.get(), &track}, {skin.TrackVert.get(), &trackVert}};
  for (const auto& [element, rows] : cases) {
    ASSERT_NE(element, nullptr);
    const RECT m = SkinMargins(*element);
    EXPECT_EQ(m.left, 3);
    EXPECT_EQ(m.top, 3);
    EXPECT_EQ(m.right, 3);
    EXPECT_EQ(m.bottom, 3);
    EXPECT_EQ(element->Tile, 0);
    EXPECT_EQ(element->FrameCount, 1);
    EXPECT_TRUE(PixelsAre(*element->Image, int((*rows)[0].size()), int(rows->size()),
                          [rows = rows](int x, int y) { return BuiltinPixel(*rows, x, y); }));
  }
}

struct TFrameSideCase {
  const char* Prefix;
  std::unique_ptr<TDataSkinBorder> TSkinState::*Slot;
  bool Vertical;
};

const TFrameSideCase kFrameSides[] = {
    {"Left", &TSkinState::FrameSideLeft, true},
    {"Right", &TSkinState::FrameSideRight, true},
    {"Top", &TSkinState::FrameSideTop, false},
    {"Bottom", &TSkinState::FrameSideBottom, false},
};

class SkinLoadFrameSide : public testing::TestWithParam<TFrameSideCase> {};

TEST_P(SkinLoadFrameSide, ReadsItsPrefixedKeys) {
  const std::string p = GetParam().Prefix;
  TSkinState skin;
  ASSERT_TRUE(LoadTestSkin(skin, SkinOf("[Personality]\r\n" + p + "=e.bmp\r\n" + p + "TopHeight=5\r\n" + p +
                                        "BotHeight=6\r\n" + p + "Frame=2\r\n" + p + "Stretch=3\r\n" + p +
                                        "Trans=0\r\n")));
  const TDataSkinBorder& side = *(skin.*GetParam().Slot);
  const RECT m = SkinMargins(side);
  const bool v = GetParam().Vertical;
  EXPECT_EQ(side.Name, std::wstring(p.begin(), p.end()));
  EXPECT_EQ(m.left, v ? 0 : 5);
  EXPECT_EQ(m.top, v ? 5 : 0);
  EXPECT_EQ(m.right, v ? 0 : 6);
  EXPECT_EQ(m.bottom, v ? 6 : 0);
  EXPECT_EQ(side.FrameCount, 2);
  EXPECT_EQ(side.Tile, 1);
  EXPECT_EQ(side.Trans, 0);
  EXPECT_EQ(side.Image->Width(), 70);
}

TEST_P(SkinLoadFrameSide, DefaultsWithoutKeys) {
  TSkinState skin;
  ASSERT_TRUE(LoadTestSkin(skin, SkinOf("[Personality]\r\n")));
  const TDataSkinBorder& side = *(skin.*GetParam().Slot);
  EXPECT_EQ(side.FrameCount, 1);
  EXPECT_EQ(side.Tile, 1);
  EXPECT_EQ(side.Trans, 1);
  EXPECT_TRUE(side.Image->Empty());
}

INSTANTIATE_TEST_SUITE_P(Sides, SkinLoadFrameSide, testing::ValuesIn(kFrameSides));

TEST(SkinLoadTitle, CaptionKeysAndTextColours) {
  TSkinState skin;
  ASSERT_TRUE(LoadTestSkin(skin, SkinOf("[Personality]\r\nTextBack=e.bmp\r\nTextShift=1\r\nTextShiftVert=2\r\n"
                                        "TextRightClip=3\r\nTextAlignment=4\r\nTextbackground=5\r\n"
                                        "TXTBackleft=6\r\nTXTBackRight=7\r\nActiveTextR=300\r\n"
                                        "ActiveTextG=2\r\nActiveTextB=3\r\nInActiveTextR=1\r\n"
                                        "InActiveTextG=2\r\n[Fonts]\r\nFontHeight=20\r\n")));
  const TDataSkinTitle& t = *skin.Title;
  EXPECT_EQ(t.Name, L"Title");
  EXPECT_EQ(t.Image->Width(), 70);
  EXPECT_EQ(t.LeftWidth, 1);
  EXPECT_EQ(t.TopHeight, 2);
  EXPECT_EQ(t.RightWidth, 3);
  EXPECT_EQ(t.BottomHeight, 0);
  EXPECT_EQ(t.TextAlignment, 4);
  EXPECT_EQ(t.Textbackground, 5);
  EXPECT_EQ(t.TXTBackleft, 6);
  EXPECT_EQ(t.TXTBackRight, 7);
  EXPECT_EQ(t.FontHeight, 20);
  EXPECT_EQ(t.ActiveTextColour, TColor(RGB(300 & 0xFF, 2, 3)));  // low bytes
  EXPECT_EQ(t.InActiveTextColour, 0x1FFFFFFF);                   // blue missing
}

TEST(SkinLoadTitle, FontHeightDefaultsTo14) {
  TSkinState skin;
  ASSERT_TRUE(LoadTestSkin(skin, SkinOf("[Personality]\r\n")));
  EXPECT_EQ(skin.Title->FontHeight, 14);
  EXPECT_EQ(skin.Title->ActiveTextColour, 0x1FFFFFFF);
}

TEST(SkinLoadMenuBar, FromPersonalityWithSwitchesAndATileOfAtMostOne) {
  TSkinState skin;
  ASSERT_TRUE(LoadTestSkin(skin, SkinOf("[Personality]\r\nmenuBar=e.bmp\r\nTileMenu=5\r\nTileRightMenu=0\r\n")));
  ASSERT_NE(skin.MenuBarElement, nullptr);
  EXPECT_EQ(skin.MenuBarElement->Name, L"Personality");
  EXPECT_EQ(skin.MenuBarElement->Tile, 1);
  EXPECT_EQ(skin.MenuBarElement->LeftWidth, 1);
  EXPECT_EQ(skin.MenuBarElement->RightWidth, 0);
  EXPECT_EQ(skin.MenuBarElement->Image->Width(), 70);
}

TEST(SkinLoadNames, SkinNameAndTheAlwaysPresentSlotsOfABareState) {
  TSkinState skin;
  ASSERT_TRUE(LoadTestSkin(skin, SkinOf("[TitlebarSkin]\r\nSkinName=Blue Sky\r\n")));
  EXPECT_EQ(skin.SkinName, "Blue Sky");
  EXPECT_FALSE(skin.NoSkinLoaded);
  EXPECT_EQ(skin.FrameSideLeft->Name, L"Left");
  EXPECT_EQ(skin.FrameSideRight->Name, L"Right");
  EXPECT_EQ(skin.FrameSideTop->Name, L"Top");
  EXPECT_EQ(skin.FrameSideBottom->Name, L"Bottom");
  EXPECT_EQ(skin.PushButtons->Name, L"Buttons");
  EXPECT_EQ(skin.Title->Name, L"Title");
}
}  // namespace
