// The skin component: its stored skin, Loaded, Active and SkinFile, and the
// requests it leaves with the skin manager.
#include "skin/data/SkinLoad.h"
#include "skin/data/WinSkinData.h"
#include "skin/manager/SkinManage.h"
#include "tests/win/skin/SkinDataFixture.h"
#include "tests/win/skin/SkinLoadKit.h"
#include <gtest/gtest.h>

TEST_F(SkinDataTest, NewComponentHasTheDocumentedSettings) {
  TSkinData data(nullptr);
  EXPECT_FALSE(data.GetActive());
  EXPECT_EQ(data.GetDisableTag(), 99);
  EXPECT_TRUE(data.NoSkinLoaded);
  for (int t = xcMainMenu; t <= xcFastReport; ++t)
    EXPECT_EQ(data.Has(TSkinControlType(t)), t != xcMenuItem && t != xcFastReport) << t;
  EXPECT_EQ(data.Options, SetOf({xoPreview, xoToolbarBK, xoCaptionButtonHint}));
  EXPECT_EQ(data.GetSkin3rd()->Count(), 118);
  EXPECT_NE(data.GetSkin3rd()->IndexOf(L"TRzButton=button"), -1);
  EXPECT_EQ(data.GetSkinFormtype(), sfMainform);
  ASSERT_NE(data.PushButtons, nullptr);
  EXPECT_EQ(data.FrameSideTop->Name, L"Top");
  EXPECT_EQ(data.MenuGlyphs.Count(), 4);
}

TEST_F(SkinDataTest, VersionAndSkinStoreIgnoreWrites) {
  TSkinData data(nullptr);
  EXPECT_TRUE(SetPropValue(&data, "Version", TValue::String(L"1.0")));
  EXPECT_TRUE(SetPropValue(&data, "SkinStore", TValue::String(L"(Good)")));
  TValue version, store;
  GetPropValue(&data, "Version", version);
  GetPropValue(&data, "SkinStore", store);
  EXPECT_EQ(version.Str, L"5.40.07.15");
  EXPECT_EQ(store.Str, L"(none)");
}

TEST_F(SkinDataTest, TheStoredFormOfTheSkinIsItsLengthThenThePackageAndReadsBack) {
  const std::vector<uint8_t> package = MiniPackage("Round trip");
  TSkinData* data = Read("    SkinStream = {" + StoredStream(package) + "}\n");
  ASSERT_NE(data, nullptr);
  const std::vector<uint8_t> stored = data->WriteSkinStream();
  ASSERT_EQ(stored.size(), package.size() + 4);
  const uint32_t length = uint32_t(stored[0]) | uint32_t(stored[1]) << 8 | uint32_t(stored[2]) << 16 |
                          uint32_t(stored[3]) << 24;
  EXPECT_EQ(length, package.size());
  EXPECT_EQ(std::vector<uint8_t>(stored.begin() + 4, stored.end()), package);
  TSkinData again(nullptr);
  ASSERT_TRUE(again.ReadBinaryProperty("SkinStream", stored));
  EXPECT_EQ(again.SkinStream().Bytes(), package);
  EXPECT_EQ(again.SkinName, "Round trip");
}

TEST_F(SkinDataTest, StoredSkinLoadsWhileReadingAndLoadedRequestsSkinning) {
  std::vector<uint8_t> package = MiniPackage("Stored");
  TSkinData* data = Read("    Active = True\n    SkinStream = {" + StoredStream(package) + "}\n");
  ASSERT_NE(data, nullptr);
  EXPECT_FALSE(data->NoSkinLoaded);
  EXPECT_EQ(data->SkinName, "Stored");
  EXPECT_EQ(data->SkinStream().Bytes(), package);
  EXPECT_TRUE(data->GetActive());
  ASSERT_NE(SkinManager, nullptr);
  EXPECT_NE(SkinManager->SkinHook, nullptr);
  EXPECT_EQ(SkinManager->PendingAction, saSkin);
  EXPECT_EQ(SkinManager->ActionTimer.GetInterval(), 250);
  // No window was activated yet: the request only switches skinning on.
  EXPECT_TRUE(SkinManager->SkinningActive);
  EXPECT_FALSE(SkinManager->ActionTimer.GetEnabled());
  EXPECT_FALSE(data->Has(xcMenuItem));
  EXPECT_EQ(SkinManager->MainSkinData, data);
}

TEST_F(SkinDataTest, ActiveComponentWithoutASkinTurnsItselfOff) {
  TSkinData* data = Read("    Active = True\n    SkinStream = {00000000}\n");
  EXPECT_TRUE(data->NoSkinLoaded);
  EXPECT_FALSE(data->GetActive());
  EXPECT_EQ(SkinManager->PendingAction, saNone);
  data->SetActive(true);  // nothing to show: no request either
  EXPECT_EQ(SkinManager->PendingAction, saNone);
}

TEST_F(SkinDataTest, StoredLengthBeyondTheDataReadsNothing) {
  TSkinData* data = Read("    SkinStream = {FFFF0000" + HexBytes(MiniPackage("Cut")) + "}\n");
  EXPECT_TRUE(data->NoSkinLoaded);
  EXPECT_EQ(data->SkinStream().Size(), 0u);
}

TEST_F(SkinDataTest, SkinFileReplacesTheSkinAndAsksForTheChange) {
  TSkinData* data = Read("    Active = True\n    SkinStream = {" + StoredStream(MiniPackage("Stored")) + "}\n");
  SkinManager->RunState = rsRunning;  // a window is up
  std::vector<uint8_t> file = MiniPackage("FromFile");
  data->SetSkinFile(skinload::WriteTempFile(L"voicecalc-skin.skn", file));
  EXPECT_EQ(data->SkinName, "FromFile");
  EXPECT_FALSE(data->NoSkinLoaded);
  EXPECT_EQ(data->SkinStream().Bytes(), file);
  EXPECT_EQ(SkinManager->PendingAction, saSkinChanged);
  EXPECT_EQ(SkinManager->PendingSkinData, data);
  EXPECT_TRUE(SkinManager->ActionTimer.GetEnabled());
}

TEST_F(SkinDataTest, RefusedSkinFileShowsItsMessageAndChangesNothing) {
  std::vector<uint8_t> stored = MiniPackage("Stored");
  TSkinData* data = Read("    Active = True\n    SkinStream = {" + StoredStream(stored) + "}\n");
  SkinManager->RunState = rsRunning;
  data->SetSkinFile(skinload::WriteTempFile(L"voicecalc-old.skn", skinload::UnknownVersionPackage()));
  EXPECT_EQ(Messages, std::vector<std::string>{"This is Older Skin File\rPlease update to new version !"});
  EXPECT_EQ(data->SkinName, "Stored");
  EXPECT_EQ(data->SkinStream().Bytes(), stored);
  EXPECT_FALSE(data->NoSkinLoaded);  // the stored skin is still there to switch on
  EXPECT_EQ(SkinManager->PendingAction, saSkin);  // still the request Loaded made
}

namespace {
// Damaged skin files: none may replace the working skin in any part.
// The second skin names "t.bmp" for its tabs; in one case that entry is a
// BMP file that stops halfway through its pixels.
std::vector<uint8_t> SecondSkinPackage(bool brokenTabs) {
  std::vector<uint8_t> tabs = skinload::SolidBmp(30, 12, 0x0000FF);
  if (brokenTabs) tabs.resize(tabs.size() / 2);
  skinload::TTestSkin test;
  test.Add("g.bmp", skinload::SolidBmp(30, 12, 0x00FF00)).Add("t.bmp", tabs);
  test.Ini = "[TitlebarSkin]\r\nSkinName=Second\r\n[Colours]\r\nButtonFace=7 8 9\r\n"
             "[Personality]\r\nTop=g.bmp\r\n[MenuItem]\r\nImage=g.bmp\r\n[Tabs]\r\nImage=t.bmp\r\n";
  return test.Package();
}

struct TDamagedFileCase {
  const char* Name;
  std::vector<uint8_t> (*Package)();
};

const TDamagedFileCase kDamagedFiles[] = {
    {"StreamCutInHalf", [] { return skinload::CutInHalf(SecondSkinPackage(false)); }},
    {"TwoHundredBitsFlipped", [] { return skinload::FlipStreamBits(SecondSkinPackage(false), 200, 1209); }},
    {"ImageThatDoesNotDecode", [] { return SecondSkinPackage(true); }},
};

void PrintTo(const TDamagedFileCase& c, std::ostream* out) { *out << c.Name; }

class SkinDataDamagedFile : public SkinDataTest, public testing::WithParamInterface<TDamagedFileCase> {};

}  // namespace

TEST_P(SkinDataDamagedFile, IsReportedAndTheWorkingSkinStaysWhole) {
  const std::vector<uint8_t> stored = skinload::FullSkin().Package();
  TSkinData* data = Read("    Active = True\n    SkinStream = {" + StoredStream(stored) + "}\n");
  ASSERT_FALSE(data->NoSkinLoaded);
  SkinManager->RunState = rsRunning;  // a window is up: a new skin would be asked for
  const auto menuItemFreed = skinload::TrackElement(data->MenuItem);

  data->SetSkinFile(skinload::WriteTempFile(L"voicecalc-damaged.skn", GetParam().Package()));

  ASSERT_EQ(Messages.size(), 1u);
  EXPECT_EQ(Messages[0].rfind("This skin is damaged and was not loaded:\r", 0), 0u) << Messages[0];
  EXPECT_EQ(data->SkinStream().Bytes(), stored);
  EXPECT_FALSE(data->NoSkinLoaded);
  EXPECT_EQ(data->SkinName, "First");
  EXPECT_FALSE(*menuItemFreed);
  EXPECT_TRUE(skinload::IsTracked(data->MenuItem.get()));
  const skinload::TPixelFunction first = [](int, int) { return TColor(0x336699); };
  EXPECT_TRUE(skinload::PixelsAre(*data->FrameSideTop->Image, 40, 21, first));
  ASSERT_NE(data->Tabs, nullptr);
  EXPECT_TRUE(skinload::PixelsAre(*data->Tabs->Image, 40, 21, first));
  EXPECT_EQ(data->SkinColours[3], TColor(RGB(1, 2, 3)));
  EXPECT_EQ(data->SysButtonElements.size(), 4u);
  EXPECT_EQ(SkinManager->PendingAction, saSkin);  // still the request Loaded made, no skin change
}

INSTANTIATE_TEST_SUITE_P(Kinds, SkinDataDamagedFile, testing::ValuesIn(kDamagedFiles),
                         [](const testing::TestParamInfo<TDamagedFileCase>& info) {
                           return std::string(info.param.Name);
                         });

TEST_F(SkinDataTest, TheSecondSkinOfTheDamageCasesLoadsWhenWhole) {
  TSkinData* data = Read("    SkinStream = {" + StoredStream(skinload::FullSkin().Package()) + "}\n");
  data->SetSkinFile(skinload::WriteTempFile(L"voicecalc-whole.skn", SecondSkinPackage(false)));
  EXPECT_TRUE(Messages.empty());
  EXPECT_EQ(data->SkinName, "Second");
  ASSERT_NE(data->Tabs, nullptr);
  EXPECT_EQ(data->Tabs->Image->Width(), 30);
}
TEST_F(SkinDataTest, MissingSkinFileIsIgnored) {
  TSkinData* data = Read("    SkinStream = {" + StoredStream(MiniPackage("Stored")) + "}\n");
  data->SetSkinFile(L"C:\\no\\such\\skin.skn");
  EXPECT_EQ(data->SkinName, "Stored");
  EXPECT_FALSE(data->NoSkinLoaded);
}

TEST_F(SkinDataTest, SwitchingOffAtRunTimeRequestsUnskinning) {
  TSkinData* data = Read("    Active = True\n    SkinStream = {" + StoredStream(MiniPackage("Stored")) + "}\n");
  SkinManager->RunState = rsRunning;
  data->SetActive(false);
  EXPECT_EQ(SkinManager->PendingAction, saUnskin);
  EXPECT_EQ(SkinManager->PendingSkinData, data);
  EXPECT_TRUE(SkinManager->ActionTimer.GetEnabled());
}

TEST_F(SkinDataTest, EveryDialogComponentLeavesTheManagerRunning) {
  const std::string properties = "    SkinFormtype = sfDialog\n    SkinStream = {" + StoredStream(MiniPackage("Dialog")) + "}\n";
  std::string components;
  for (const char* name : {"SkinData1", "SkinData2", "SkinData3", "SkinData4"})
    components += std::string("  object ") + name + ": TSkinData\n" + properties + "  end\n";
  TSkinData* data = ReadForm(components);
  ASSERT_NE(data, nullptr);
  EXPECT_EQ(SkinManager->SkinDataList.size(), 4u);
  EXPECT_TRUE(SkinManager->SkinningActive);
  EXPECT_EQ(SkinManager->RunState, rsRunning);
  // Running: a new skin is applied.
  data->SetSkinFile(skinload::WriteTempFile(L"voicecalc-dialog.skn", MiniPackage("NewDialog")));
  EXPECT_EQ(SkinManager->PendingAction, saSkinChanged);
  EXPECT_TRUE(SkinManager->ActionTimer.GetEnabled());
}

TEST_F(SkinDataTest, FormSkinDecision) {
  TSkinData data(nullptr);
  struct { const wchar_t* ClassName; bool FastReport; bool Expected; } cases[] = {
      {L"TForm1", false, true}, {L"SysMonthCal32", false, false},
      {L"TfrPreview", false, true}, {L"TfrPreview", true, false}};
  for (const auto& c : cases) {
    data.SkinControls = c.FastReport ? SetOf({xcFastReport}) : 0;
    bool doSkin = true;
    data.FormSkinDecision(nullptr, c.ClassName, doSkin);
    EXPECT_EQ(doSkin, c.Expected) << testing::PrintToString(std::wstring(c.ClassName));
  }
  data.OnFormSkin = [](TObject*, const std::wstring& name, bool& doSkin) { doSkin = name == L"SysMonthCal32"; };
  bool doSkin = false;
  data.FormSkinDecision(nullptr, L"SysMonthCal32", doSkin);
  EXPECT_TRUE(doSkin);
}

TEST(SkinTextHelpers, CopyWidePrefixAndAnsiToWide) {
  EXPECT_EQ(CopyWidePrefix(L"abcdef", -1), L"abcdef");
  EXPECT_EQ(CopyWidePrefix(L"abcdef", 3), L"abc");
  EXPECT_EQ(AnsiToWide("Skin 1"), L"Skin 1");
}
