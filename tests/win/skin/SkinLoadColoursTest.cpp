// The skin's colour table, its extra colours and its custom colours.
#include "tests/win/skin/SkinLoadKit.h"

using namespace skinload;

namespace {
constexpr TColor Sys(int index) { return TColor(0xFF000000u | unsigned(index)); }

struct TColourKeyCase {
  int Index;
  const char* Key;
  TColor Default;
};

// Every key of the "Colours" section, its entry and its default.
const TColourKeyCase kColourKeys[] = {
    {0, "WindowText", Sys(COLOR_WINDOWTEXT)},
    {1, "TitleTextActive", Sys(COLOR_CAPTIONTEXT)},
    {2, "TitleTextNoActive", Sys(COLOR_INACTIVECAPTIONTEXT)},
    {3, "ButtonFace", Sys(COLOR_BTNFACE)},
    {4, "ButtonText", Sys(COLOR_BTNTEXT)},
    {5, "ButtonHilight", Sys(COLOR_BTNHIGHLIGHT)},
    {6, "Buttonlight", Sys(COLOR_BTNHIGHLIGHT)},
    {7, "ButtonShadow", Sys(COLOR_BTNSHADOW)},
    {8, "ButtonDkShadow", Sys(COLOR_3DDKSHADOW)},
    {11, "HilightText", Sys(COLOR_HIGHLIGHTTEXT)},
    {12, "Hilight", Sys(COLOR_HIGHLIGHT)},
    {13, "Menubar", Sys(COLOR_BTNFACE)},  // the loaded ButtonFace, here its default
    {14, "MenuBarText", Sys(COLOR_MENUTEXT)},
    {15, "MenuText", Sys(COLOR_MENUTEXT)},
    {16, "Menu", Sys(COLOR_MENU)},
    {18, "Scrollbar", Sys(COLOR_SCROLLBAR)},
};

class SkinLoadColourKey : public testing::TestWithParam<TColourKeyCase> {};

TEST_P(SkinLoadColourKey, FillsItsEntryAndMarksItGiven) {
  const TColourKeyCase& c = GetParam();
  TTestSkin test;
  test.Ini = std::string("[Colours]\r\n") + c.Key + "=" + std::to_string(c.Index) + " 100 200\r\n";
  TSkinState skin;
  ASSERT_TRUE(LoadTestSkin(skin, test));
  EXPECT_EQ(skin.SkinColours[size_t(c.Index)], TColor(RGB(c.Index, 100, 200)));
  for (size_t i = 0; i < skin.ColourGiven.size(); ++i) EXPECT_EQ(skin.ColourGiven[i], int(i) == c.Index) << i;
}

TEST_P(SkinLoadColourKey, AbsentOrEmptyGivesItsDefault) {
  const TColourKeyCase& c = GetParam();
  for (const std::string& ini : {std::string("[Colours]\r\n"), std::string("[Colours]\r\n") + c.Key + "=\r\n"}) {
    TTestSkin test;
    test.Ini = ini;
    TSkinState skin;
    ASSERT_TRUE(LoadTestSkin(skin, test));
    EXPECT_EQ(skin.SkinColours[size_t(c.Index)], c.Default) << ini;
    EXPECT_FALSE(skin.ColourGiven[size_t(c.Index)]) << ini;
  }
}

INSTANTIATE_TEST_SUITE_P(Keys, SkinLoadColourKey, testing::ValuesIn(kColourKeys));

TEST(SkinLoadColours, MenubarDefaultsToTheLoadedButtonFace) {
  TTestSkin test;
  test.Ini = "[Colours]\r\nMenubar=\r\nButtonFace=227 238 253\r\n";
  TSkinState skin;
  ASSERT_TRUE(LoadTestSkin(skin, test));
  EXPECT_EQ(skin.SkinColours[3], TColor(RGB(227, 238, 253)));
  EXPECT_EQ(skin.SkinColours[13], skin.SkinColours[3]);
  EXPECT_FALSE(skin.ColourGiven[13]);
}

TEST(SkinLoadColours, EntriesNineAndTenAreLeftAsTheyWere) {
  TTestSkin test;
  test.Ini = "[Colours]\r\nButtonFace=1 2 3\r\n";
  TSkinState skin;
  skin.SkinColours[9] = 0x123456;
  skin.SkinColours[10] = 0x654321;
  skin.ColourGiven[9] = true;
  ASSERT_TRUE(LoadTestSkin(skin, test));
  EXPECT_EQ(skin.SkinColours[9], 0x123456);
  EXPECT_EQ(skin.SkinColours[10], 0x654321);
  EXPECT_FALSE(skin.ColourGiven[9]);
}

TEST(SkinLoadColours, ExtraColoursFromColourSectionsInFileOrder) {
  TTestSkin test;
  test.Ini = "[Colour1]\r\ncolor=1 2 3\r\n"
             "[Colours]\r\nButtonFace=9 9 9\r\n"
             "[XColour]\r\ncolor=4 5 6\r\n"
             "[colour.b]\r\nother=1\r\n"
             "[COLOURZ]\r\nColor=255\r\n"
             "[colourX]\r\nCOLOR=7,8,9\r\n";
  TSkinState skin;
  skin.ExtraColours = {42, 43};
  ASSERT_TRUE(LoadTestSkin(skin, test));
  const std::vector<TColor> expected{TColor(RGB(1, 2, 3)), Sys(COLOR_WINDOWTEXT), TColor(RGB(0, 0, 0)),
                                     TColor(RGB(7, 8, 9))};
  EXPECT_EQ(skin.ExtraColours, expected);
}

TEST(SkinLoadColours, CustomColoursDefaultToWhite) {
  TTestSkin test;
  test.Ini = "[CustomColors]\r\nColor0=10 20 30\r\nColor9=1 1 1\r\nColor10=5 5 5\r\nColor4=\r\n";
  TSkinState skin;
  ASSERT_TRUE(LoadTestSkin(skin, test));
  for (size_t i = 0; i < skin.CustomColours.size(); ++i) {
    const TColor expected = i == 0 ? TColor(RGB(10, 20, 30)) : i == 9 ? TColor(RGB(1, 1, 1)) : clWhite;
    EXPECT_EQ(skin.CustomColours[i], expected) << i;
  }
}
}  // namespace
