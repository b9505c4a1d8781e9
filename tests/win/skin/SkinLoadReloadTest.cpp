// Loading a second skin over a first, and a package the reader refuses.
#include "tests/win/skin/SkinLoadKit.h"
#include "tools/LzhEncoder.h"
#include "tools/SkinPackWriter.h"

using namespace skinload;

namespace {
TTestSkin FullSkin() {
  TTestSkin test;
  test.Add("e.bmp", SolidBmp(40, 21, 0x336699)).Add("f.bmp", SolidBmp(20, 10, 0x996633));
  test.Ini = "[TitlebarSkin]\r\nSkinName=First\r\n"
             "[Personality]\r\nTop=e.bmp\r\nmenuBar=e.bmp\r\n"
             "[Colours]\r\nButtonFace=1 2 3\r\n"
             "[Colour.A]\r\ncolor=4 5 6\r\n"
             "[Button0]\r\nAction=0\r\nButtonImage=e.bmp\r\n"
             "[Buttons]\r\nBitmap=e.bmp\r\n"
             "[GroupBoxEdge]\r\nImage=e.bmp\r\n"
             "[Tabs]\r\nImage=e.bmp\r\n"
             "[MenuItem]\r\nImage=e.bmp\r\n"
             "[Scrollbar]\r\nImage=e.bmp\r\n"
             "[Track]\r\nImage=e.bmp\r\nFrame=2\r\n";
  return test;
}

TTestSkin SmallSkin() {
  TTestSkin test;
  test.Add("f.bmp", SolidBmp(20, 10, 0x996633));
  test.Ini = "[TitlebarSkin]\r\nSkinName=Second\r\n"
             "[Colours]\r\nButtonFace=7 8 9\r\n"
             "[MenuItem]\r\nImage=f.bmp\r\n";
  return test;
}

// The same package, but with a version number the reader does not know.
std::vector<uint8_t> RefusedPackage() {
  TSkinPackWriter writer;
  writer.AddEntry("skin.ini", {'[', 'X', ']'});
  std::vector<uint8_t> expanded = writer.BuildExpanded();
  expanded[0] = 0x39, expanded[1] = 0x30, expanded[2] = 0, expanded[3] = 0;  // 12345
  return TLzhEncoder::Compress(expanded);
}

TEST(SkinLoadReload, ASecondSkinReplacesElementsAndEmptiesMissingSlots) {
  TSkinState skin;
  ASSERT_TRUE(LoadTestSkin(skin, FullSkin()));
  ASSERT_NE(skin.GroupBoxEdge, nullptr);
  ASSERT_NE(skin.MenuBarElement, nullptr);
  const TDataSkinObject* firstMenuItem = skin.MenuItem.get();
  const TDataSkinButton* pushButtons = skin.PushButtons.get();

  ASSERT_TRUE(LoadTestSkin(skin, SmallSkin()));
  EXPECT_EQ(skin.SkinName, "Second");
  EXPECT_EQ(skin.GroupBoxEdge, nullptr);
  EXPECT_EQ(skin.Tabs, nullptr);
  EXPECT_EQ(skin.Scrollbar, nullptr);
  EXPECT_EQ(skin.MenuBarElement, nullptr);
  ASSERT_NE(skin.MenuItem, nullptr);
  EXPECT_NE(skin.MenuItem.get(), firstMenuItem);  // a new element
  EXPECT_EQ(skin.MenuItem->Image->Width(), 20);
  EXPECT_EQ(skin.PushButtons.get(), pushButtons);  // always there, filled again
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
  const TDataSkinObject* menuItem = skin.MenuItem.get();
  const size_t buttons = skin.SysButtonElements.size();

  std::vector<std::string> messages;
  const TSkinMessageProc previous = SkinMessageBox();
  SkinMessageBox() = [&messages](const std::string& text) { messages.push_back(text); };
  const bool loaded = LoadSkinFromStream(skin, RefusedPackage());
  SkinMessageBox() = previous;

  EXPECT_FALSE(loaded);
  EXPECT_EQ(messages, std::vector<std::string>{"This is Older Skin File\rPlease update to new version !"});
  EXPECT_TRUE(skin.NoSkinLoaded);
  EXPECT_EQ(skin.SkinName, "First");
  EXPECT_EQ(skin.MenuItem.get(), menuItem);
  EXPECT_EQ(skin.SysButtonElements.size(), buttons);
  EXPECT_EQ(skin.SkinColours[3], TColor(RGB(1, 2, 3)));
}

TEST(SkinLoadReload, LoadingIntoTheSkinComponentFillsItsSlots) {
  TSkinData data(nullptr);
  const TDataSkinBorder* left = data.FrameSideLeft.get();
  ASSERT_TRUE(LoadTestSkin(data, FullSkin()));
  EXPECT_EQ(data.FrameSideLeft.get(), left);
  EXPECT_EQ(data.FrameSideTop->Image->Width(), 40);
  EXPECT_EQ(data.SkinName, "First");
  EXPECT_FALSE(data.NoSkinLoaded);
}
}  // namespace
