// The skin component: its stored skin, Loaded, Active and SkinFile, and the
// requests it leaves with the skin manager.
#include "host/FormReader.h"
#include "skin/data/SkinLoad.h"
#include "skin/data/WinSkinData.h"
#include "skin/manager/SkinManage.h"
#include "tools/LzhEncoder.h"
#include "tools/SkinPackWriter.h"
#include <fstream>
#include <gtest/gtest.h>

namespace {
std::vector<uint8_t> Bytes(const std::string& s) { return {s.begin(), s.end()}; }

std::vector<uint8_t> MiniPackage(const std::string& skinName) {
  TSkinPackWriter writer;
  writer.AddEntry("skin.ini", Bytes("[TitlebarSkin]\r\nSkinName=" + skinName + "\r\n"));
  return writer.Build();
}

// A package whose version the reader does not know.
std::vector<uint8_t> RefusedPackage() {
  TSkinPackWriter writer;
  writer.AddEntry("skin.ini", Bytes("[TitlebarSkin]\r\nSkinName=Refused\r\n"));
  std::vector<uint8_t> expanded = writer.BuildExpanded();
  expanded[0] = 0x39, expanded[1] = 0x30, expanded[2] = 0, expanded[3] = 0;  // 12345
  return TLzhEncoder::Compress(expanded.data(), expanded.size());
}

std::string Hex(const std::vector<uint8_t>& bytes) {
  static const char* digits = "0123456789ABCDEF";
  std::string out;
  for (uint8_t b : bytes) out += {digits[b >> 4], digits[b & 15]};
  return out;
}

std::string StoredStream(const std::vector<uint8_t>& package) {
  uint32_t n = uint32_t(package.size());
  std::vector<uint8_t> stored{uint8_t(n), uint8_t(n >> 8), uint8_t(n >> 16), uint8_t(n >> 24)};
  stored.insert(stored.end(), package.begin(), package.end());
  return Hex(stored);
}

std::wstring TempFile(const wchar_t* name, const std::vector<uint8_t>& bytes) {
  wchar_t dir[MAX_PATH];
  GetTempPathW(MAX_PATH, dir);
  std::wstring path = std::wstring(dir) + name;
  HANDLE f = CreateFileW(path.c_str(), GENERIC_WRITE, 0, nullptr, CREATE_ALWAYS, 0, nullptr);
  DWORD written = 0;
  WriteFile(f, bytes.data(), DWORD(bytes.size()), &written, nullptr);
  CloseHandle(f);
  return path;
}

class SkinDataTest : public testing::Test {
protected:
  void SetUp() override {
    SkinManager.reset();
    SkinMessageBox() = [this](const std::string& text) { Messages.push_back(text); };
  }
  void TearDown() override {
    delete Form;
    SkinManager.reset();
    SkinMessageBox() = nullptr;
  }
  // A form holding one skin component described by the given property lines.
  TSkinData* Read(const std::string& properties) {
    return ReadForm("  object SkinData1: TSkinData\n" + properties + "  end\n");
  }
  // A form holding the components described; its first skin component.
  TSkinData* ReadForm(const std::string& components) {
    std::string text = "object F: TForm\n" + components + "end\n";
    TFormObject description;
    TFormTextError error;
    EXPECT_TRUE(ReadFormText(text, description, error)) << error.Message;
    Form = new TForm(nullptr);
    ReadFormObject(*Form, description);
    return dynamic_cast<TSkinData*>(Form->FindComponent(L"SkinData1"));
  }

  TForm* Form = nullptr;
  std::vector<std::string> Messages;
};
}  // namespace

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
  TSkinData* data = Read("    SkinStream = {FFFF0000" + Hex(MiniPackage("Cut")) + "}\n");
  EXPECT_TRUE(data->NoSkinLoaded);
  EXPECT_EQ(data->SkinStream().Size(), 0u);
}

TEST_F(SkinDataTest, SkinFileReplacesTheSkinAndAsksForTheChange) {
  TSkinData* data = Read("    Active = True\n    SkinStream = {" + StoredStream(MiniPackage("Stored")) + "}\n");
  SkinManager->RunState = rsRunning;  // a window is up
  std::vector<uint8_t> file = MiniPackage("FromFile");
  data->SetSkinFile(TempFile(L"voicecalc-skin.skn", file));
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
  data->SetSkinFile(TempFile(L"voicecalc-old.skn", RefusedPackage()));
  EXPECT_EQ(Messages, std::vector<std::string>{"This is Older Skin File\rPlease update to new version !"});
  EXPECT_EQ(data->SkinName, "Stored");
  EXPECT_EQ(data->SkinStream().Bytes(), stored);
  EXPECT_TRUE(data->NoSkinLoaded);
  EXPECT_EQ(SkinManager->PendingAction, saSkin);  // still the request Loaded made
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
  data->SetSkinFile(TempFile(L"voicecalc-dialog.skn", MiniPackage("NewDialog")));
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
