// Caption buttons: which sections make one, in which order, with which frame
// count and position, and the three MDI buttons cut from MDICONTROLS.
#include "tests/win/skin/SkinLoadKit.h"

using namespace skinload;

namespace {
struct TButtonRow {
  std::wstring Name;
  int Action, Xcoord, Ycoord, Visibility1, FrameCount;
  int ImageWidth;  // 0: empty image
};

// Sections and images, with what each kept section must give, in order.
class SkinLoadCaptionButtons : public testing::Test {
protected:
  void SetUp() override {
    Test.Add("wide.bmp", SolidBmp(126, 21, 0x0000FF))     // 6.0 : 1
        .Add("narrow.bmp", SolidBmp(60, 21, 0x00FF00))    // 2.86 : 1
        .Add("edge.bmp", SolidBmp(76, 20, 0xFF0000))      // exactly 3.8 : 1
        .Add("over.bmp", SolidBmp(77, 20, 0xFF0000))      // just over 3.8 : 1
        .Add("mdi.bmp", Bmp24(120, 10, Mdi));
    Test.Ini =
        "[XButton]\r\nAction=0\r\nButtonImage=wide.bmp\r\n"
        "[Button0]\r\nAction=0\r\nButtonImage=wide.bmp\r\n"
        "[Buttons]\r\nBitmap=wide.bmp\r\n"
        "[button]\r\nAction=0\r\n"
        "[Button.Radio]\r\nAction=0\r\n"
        "[BUTTON.CHECKBOX]\r\nAction=0\r\n"
        "[ButtonHidden]\r\nAction=-1\r\nButtonImage=narrow.bmp\r\n"
        "[ButtonHiddenShown]\r\nAction=-1\r\nVisibility=0\r\nButtonImage=narrow.bmp\r\n"
        "[Button1]\r\nAction=1\r\nVisibility=2\r\nXcoord=50\r\nYcoord=3\r\nButtonImage=narrow.bmp\r\n"
        "[Button2]\r\nAction=4\r\nXcoord=9\r\nYcoord=8\r\nButtonImage=edge.bmp\r\n"
        "[Button3]\r\nAction=2\r\nButtonImage=over.bmp\r\n"
        "[Button4]\r\nAction=3\r\n"
        "[ButtonIcon]\r\nAction=11\r\nButtonImage=narrow.bmp\r\n"
        "[ButtonIconCounted]\r\nAction=3\r\nframe=2\r\nButtonImage=narrow.bmp\r\n"
        "[ButtonNegative]\r\nAction=-2\r\nButtonImage=narrow.bmp\r\n"
        "[buttonLast]\r\nAction=5\r\nVisibility1=4\r\nCombineOp=2\r\n"
        "[MDICONTROLS]\r\nImage=mdi.bmp\r\n";
  }
  static TColor Mdi(int x, int y) { return TColor(RGB(2 * x, 20 * y, 7)); }

  TTestSkin Test;
  TSkinState Skin;
};

TEST_F(SkinLoadCaptionButtons, KeptSectionsInFileOrderWithDerivedFrameCounts) {
  const TButtonRow expected[] = {
      {L"BUTTON0", 0, 0, 0, 0, 6, 126},
      {L"BUTTONHIDDENSHOWN", -1, 0, 0, -1, 6, 60},  // negative Action: 6 whatever the shape
      {L"BUTTON1", 1, 50, 3, 0, 3, 60},
      {L"BUTTON2", 4, 50, 3, 0, 3, 76},              // Action 4 takes the Action 1 / Visibility 2 position
      {L"BUTTON3", 2, 0, 0, 0, 6, 77},
      {L"BUTTON4", 3, 0, 0, 0, 6, 0},
      {L"BUTTONICON", 11, 0, 0, 0, 3, 0},            // no count given: the image is dropped
      {L"BUTTONICONCOUNTED", 3, 0, 0, 0, 2, 60},     // a count given: the image stays
      {L"BUTTONNEGATIVE", -2, 0, 0, 0, 6, 60},
      {L"BUTTONLAST", 5, 0, 0, 4, 6, 0},
  };
  ASSERT_TRUE(LoadTestSkin(Skin, Test));
  const size_t n = std::size(expected);
  ASSERT_EQ(Skin.SysButtonElements.size(), n + 3);
  for (size_t i = 0; i < n; ++i) {
    const TDataSkinSysButton& b = *Skin.SysButtonElements[i];
    const TButtonRow& e = expected[i];
    SCOPED_TRACE(testing::Message() << "button " << i);
    EXPECT_EQ(b.Name, e.Name);
    EXPECT_EQ(b.Action, e.Action);
    EXPECT_EQ(b.Xcoord, e.Xcoord);
    EXPECT_EQ(b.Ycoord, e.Ycoord);
    EXPECT_EQ(b.Visibility1, e.Visibility1);
    EXPECT_EQ(b.FrameCount, e.FrameCount);
    EXPECT_EQ(b.Image->Width(), e.ImageWidth);
  }
  EXPECT_EQ(Skin.SysButtonElements[0]->CombineOp, -1);
  EXPECT_EQ(Skin.SysButtonElements[n - 1]->CombineOp, 2);
  EXPECT_EQ(Skin.SysButtonElements[2]->Visibility, 2);
  EXPECT_EQ(Skin.SysButtonElements[1]->Visibility, 0);
}

TEST_F(SkinLoadCaptionButtons, ThreeMdiButtonsCutFromMdiControls) {
  ASSERT_TRUE(LoadTestSkin(Skin, Test));
  ASSERT_GE(Skin.SysButtonElements.size(), 3u);
  const int cell = 120 / 12;
  for (int i = 0; i < 3; ++i) {
    const TDataSkinSysButton& b = *Skin.SysButtonElements[Skin.SysButtonElements.size() - 3 + size_t(i)];
    SCOPED_TRACE(testing::Message() << "MDI button " << i);
    EXPECT_EQ(b.Name, L"BUTTONLAST");
    EXPECT_EQ(b.Action, 7 + i);
    EXPECT_EQ(b.Align, 100);
    EXPECT_EQ(b.Visibility, 100);
    EXPECT_EQ(b.Visibility1, 100);
    EXPECT_EQ(b.FrameCount, 4);
    EXPECT_EQ(b.Xcoord, (cell + 4) * (3 - i));
    EXPECT_TRUE(PixelsAre(*b.Image, 4 * cell, 10, [&](int x, int y) { return Mdi(4 * cell * i + x, y); }));
  }
  EXPECT_EQ(Skin.SysButtonElements[Skin.SysButtonElements.size() - 3]->Xcoord, 42);
  EXPECT_EQ(Skin.SysButtonElements[Skin.SysButtonElements.size() - 1]->Xcoord, 14);
}

TEST(SkinLoadCaptionButtonsAlone, AnAction4ButtonBeforeAnyRestorePositionKeepsItsOwn) {
  TTestSkin test;
  test.Ini = "[Button0]\r\nAction=4\r\nXcoord=9\r\nYcoord=8\r\n"
             "[Button1]\r\nAction=1\r\nVisibility=2\r\nXcoord=50\r\nYcoord=3\r\n"
             "[Button2]\r\nAction=4\r\nXcoord=1\r\nYcoord=1\r\n";
  TSkinState skin;
  ASSERT_TRUE(LoadTestSkin(skin, test));
  ASSERT_EQ(skin.SysButtonElements.size(), 6u);
  EXPECT_EQ(skin.SysButtonElements[0]->Xcoord, 9);
  EXPECT_EQ(skin.SysButtonElements[0]->Ycoord, 8);
  EXPECT_EQ(skin.SysButtonElements[2]->Xcoord, 50);
  EXPECT_EQ(skin.SysButtonElements[2]->Ycoord, 3);
}

TEST(SkinLoadCaptionButtonsAlone, WithoutSectionsOnlyTheMdiButtonsWithoutImages) {
  TTestSkin test;
  test.Ini = "[Buttons]\r\nLeftWidth=1\r\n";
  TSkinState skin;
  ASSERT_TRUE(LoadTestSkin(skin, test));
  ASSERT_EQ(skin.SysButtonElements.size(), 3u);
  for (int i = 0; i < 3; ++i) {
    EXPECT_EQ(skin.SysButtonElements[size_t(i)]->Action, 7 + i);
    EXPECT_EQ(skin.SysButtonElements[size_t(i)]->Xcoord, 0);
    EXPECT_TRUE(skin.SysButtonElements[size_t(i)]->Image->Empty());
  }
}
}  // namespace
