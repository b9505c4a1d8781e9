// Loading a second skin over a first, and a package the reader refuses.
#include "tests/win/skin/SkinLoadKit.h"

using namespace skinload;

namespace {
TTestSkin SmallSkin() {
  TTestSkin test;
  test.Add("f.bmp", SolidBmp(20, 10, 0x996633));
  test.Ini = "[TitlebarSkin]\r\nSkinName=Second\r\n"
             "[Colours]\r\nButtonFace=7 8 9\r\n"
             "[MenuItem]\r\nImage=f.bmp\r\n";
  return test;
}

TEST(SkinLoadReload, ASecondSkinReplacesElementsAndEmptiesMissingSlots) {
  TSkinState skin;
  ASSERT_TRUE(LoadTestSkin(skin, FullSkin()));
  ASSERT_NE(skin.GroupBoxEdge, nullptr);
  ASSERT_NE(skin.MenuBarElement, nullptr);
  const auto firstMenuItemFreed = TrackElement(skin.MenuItem);
  const auto pushButtonsFreed = TrackElement(skin.PushButtons);

  ASSERT_TRUE(LoadTestSkin(skin, SmallSkin()));
  EXPECT_EQ(skin.SkinName, "Second");
  EXPECT_EQ(skin.GroupBoxEdge, nullptr);
  EXPECT_EQ(skin.Tabs, nullptr);
  EXPECT_EQ(skin.Scrollbar, nullptr);
  EXPECT_EQ(skin.MenuBarElement, nullptr);
  ASSERT_NE(skin.MenuItem, nullptr);
  // A new element of the second skin: the first one went.
  EXPECT_TRUE(*firstMenuItemFreed);
  EXPECT_FALSE(IsTracked(skin.MenuItem.get()));
  EXPECT_TRUE(PixelsAre(*skin.MenuItem->Image, 20, 10, [](int, int) { return TColor(0x996633); }));
  // Always there: the same element, filled again.
  EXPECT_FALSE(*pushButtonsFreed);
  EXPECT_TRUE(IsTracked(skin.PushButtons.get()));
  EXPECT_TRUE(skin.PushButtons->Image->Empty());
  EXPECT_TRUE(skin.FrameSideTop->Image->Empty());
  EXPECT_EQ(skin.Track->Name, L"TRACK");           // the built-in again
  EXPECT_EQ(skin.SysButtonElements.size(), 3u);    // only the MDI buttons
  EXPECT_TRUE(skin.ExtraColours.empty());
  EXPECT_EQ(skin.SkinColours[3], TColor(RGB(7, 8, 9)));
  EXPECT_FALSE(skin.NoSkinLoaded);
}

TEST(SkinLoadReload, ARefusedPackageKeepsTheEarlierSkinAndNoSkinLoaded) {
  TSkinState skin;
  ASSERT_TRUE(LoadTestSkin(skin, FullSkin()));
  const auto menuItemFreed = TrackElement(skin.MenuItem);
  const size_t buttons = skin.SysButtonElements.size();

  std::vector<std::string> messages;
  EXPECT_FALSE(LoadTestPackage(skin, UnknownVersionPackage(), &messages));
  EXPECT_EQ(messages, std::vector<std::string>{"This is Older Skin File\rPlease update to new version !"});
  EXPECT_FALSE(skin.NoSkinLoaded);  // the earlier skin is still loaded
  EXPECT_EQ(skin.SkinName, "First");
  EXPECT_FALSE(*menuItemFreed);
  EXPECT_TRUE(IsTracked(skin.MenuItem.get()));
  EXPECT_EQ(skin.SysButtonElements.size(), buttons);
  EXPECT_EQ(skin.SkinColours[3], TColor(RGB(1, 2, 3)));
}

TEST(SkinLoadReload, LoadingIntoTheSkinComponentFillsItsSlots) {
  TSkinData data(nullptr);
  const auto leftFreed = TrackElement(data.FrameSideLeft);
  ASSERT_TRUE(LoadTestSkin(data, FullSkin()));
  EXPECT_FALSE(*leftFreed);  // made with the component, filled by loading
  EXPECT_TRUE(IsTracked(data.FrameSideLeft.get()));
  EXPECT_EQ(data.FrameSideTop->Image->Width(), 40);
  EXPECT_EQ(data.SkinName, "First");
  EXPECT_FALSE(data.NoSkinLoaded);
}
}  // namespace
