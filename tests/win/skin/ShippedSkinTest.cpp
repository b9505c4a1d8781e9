// The skin the program ships, as the main window's skin component loads it
// from the form's stored description.
#include "skin/data/SkinRead.h"
#include "skin/data/WinSkinData.h"
#include "skin/data/WinSkinIni.h"
#include "skin/manager/SkinManage.h"
#include "tests/win/skin/SkinLoadKit.h"
#include "tests/win/skin/SkinnedFormFixture.h"

namespace {
class ShippedSkinTest : public SkinnedFormTest {
protected:
  void SetUp() override {
    SkinnedFormTest::SetUp();
    if (HasFatalFailure()) return;
    ASSERT_TRUE(Reader.Load(Data->SkinStream().Memory(), Data->SkinStream().Size()));
    std::vector<uint8_t> text;
    Reader.FindByPart(".ini", text);
    Ini.LoadFromStream(text.data(), text.size());
  }
  void TearDown() override {
    SkinnedFormTest::TearDown();
  }
  // A colour of the "Colours" section as the skin writes it: "R G B".
  TColor Given(const char* key) {
    int r = 0, g = 0, b = 0;
    EXPECT_EQ(sscanf(Ini.ReadString("Colours", key, "").c_str(), "%d %d %d", &r, &g, &b), 3) << key;
    return TColor(r | g << 8 | b << 16);
  }

  TSkinReader Reader;
  TQuickIni Ini;
};
}  // namespace

TEST_F(ShippedSkinTest, IsAVersion70000PackageOf36BitmapsAndOneIni) {
  EXPECT_EQ(Reader.Header().Version, 70000u);
  ASSERT_EQ(Reader.Count(), 37u);
  int bitmaps = 0, inis = 0;
  for (const std::string& name : Reader.Names()) {
    bitmaps += name.size() > 4 && name.compare(name.size() - 4, 4, ".bmp") == 0;
    inis += name.find(".ini") != std::string::npos;
  }
  EXPECT_EQ(bitmaps, 36);
  EXPECT_EQ(inis, 1);
}

TEST_F(ShippedSkinTest, LoadsBeforeTheFormIsShownAndAsksForSkinning) {
  EXPECT_FALSE(Data->NoSkinLoaded);
  EXPECT_TRUE(Data->GetActive());
  EXPECT_EQ(Data->SkinName, Ini.ReadString("TitlebarSkin", "SkinName", "?"));
  ASSERT_NE(SkinManager, nullptr);
  EXPECT_EQ(SkinManager->PendingAction, saSkin);
  EXPECT_EQ(SkinManager->ActionTimer.GetInterval(), 250);
  EXPECT_FALSE(Data->Has(xcMenuItem));
}

TEST_F(ShippedSkinTest, FrameSidesHaveAnActiveAndAnInactiveFrame) {
  for (auto* side : {Data->FrameSideLeft.get(), Data->FrameSideRight.get(), Data->FrameSideTop.get(),
                     Data->FrameSideBottom.get()}) {
    EXPECT_EQ(side->FrameCount, 2) << testing::PrintToString(side->Name);
    EXPECT_FALSE(side->Image->Empty()) << testing::PrintToString(side->Name);
  }
}

TEST_F(ShippedSkinTest, CaptionButtonsInSectionOrderThenTheMdiButtons) {
  ASSERT_EQ(Data->SysButtonElements.size(), 8u);
  for (int i = 0; i < 5; ++i) {
    const TDataSkinSysButton& b = *Data->SysButtonElements[size_t(i)];
    EXPECT_EQ(b.Name, L"BUTTON" + std::to_wstring(i));
    EXPECT_EQ(b.FrameCount, 6) << i;
    if (i < 4) {
      EXPECT_EQ(b.Image->Width(), 126) << i;
    }
  }
  EXPECT_EQ(Data->SysButtonElements[4]->Action, 3);
  EXPECT_TRUE(Data->SysButtonElements[4]->Image->Empty());
  const int xcoords[] = {42, 28, 14};
  for (int i = 0; i < 3; ++i) {
    const TDataSkinSysButton& b = *Data->SysButtonElements[size_t(5 + i)];
    EXPECT_EQ(b.Action, 7 + i);
    EXPECT_EQ(b.Xcoord, xcoords[i]);
    EXPECT_EQ(b.Image->Width(), 40);
    EXPECT_EQ(b.Image->Height(), 10);
  }
}

TEST_F(ShippedSkinTest, ColoursAreTheSkinsOwn) {
  EXPECT_EQ(Data->SkinColours[3], Given("ButtonFace"));
  EXPECT_EQ(Data->SkinColours[4], Given("ButtonText"));
  EXPECT_EQ(Data->SkinColours[7], Given("ButtonShadow"));
  if (Ini.ReadString("Colours", "Menubar", "").empty())
    EXPECT_EQ(Data->SkinColours[13], Data->SkinColours[3]);
  else
    EXPECT_EQ(Data->SkinColours[13], Given("Menubar"));
}

TEST_F(ShippedSkinTest, ComboStripHas50PixelsPerSunkenEdgeFrame) {
  ASSERT_NE(Data->SunkEdge, nullptr);
  ASSERT_NE(Data->ComboButton, nullptr);
  EXPECT_EQ(Data->ComboButton->Style, 2);
  EXPECT_EQ(Data->ComboButton->Image->Width(), 50 * Data->SunkEdge->FrameCount);
  EXPECT_EQ(Data->ComboButton->Image->Height(), 21);
  EXPECT_EQ(Data->SunkEdge->Image->Width(), 50 * Data->SunkEdge->FrameCount);
}

TEST_F(ShippedSkinTest, TheDarkSkinFileReplacesItAtRunTime) {
  // The dark skin ships as a file next to the program.
  std::string before = Data->SkinName;
  TColor face = Data->SkinColours[3];
  Data->SetSkinFile(skinload::BuiltSkinFile(L"dark.skn"));
  EXPECT_FALSE(Data->NoSkinLoaded);
  EXPECT_NE(Data->SkinName, before);
  EXPECT_NE(Data->SkinColours[3], face);
  EXPECT_EQ(Data->FrameSideTop->FrameCount, 2);
  EXPECT_EQ(SkinManager->PendingSkinData, Data);
}
