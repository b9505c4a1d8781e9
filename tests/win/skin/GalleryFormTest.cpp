// The gallery program's window: every control on every page gets the
// skinner of its kind, its foreign dialog is skinned through the class
// names of the system's controls, and its command line.
#include "host/Buttons.h"
#include "host/ExtCtrls.h"
#include "host/Tabs.h"
#include "tests/win/skin/GalleryFixture.h"

TEST_F(GalleryTest, EveryControlOnEveryPageHasTheSkinnerOfItsKind) {
  ShowSkinned();
  // Class of control -> class of skinner it must have.
  const std::map<std::string, std::string> expected = {
      {"TButton", "TSkinButton"},         {"TBitBtn", "TSkinBitButton"},     {"TSpeedButton", "TSkinSpeedButton"},
      {"TEdit", "TSkinEdit"},             {"TPageControl", "TSkinTab"},      {"TTabSheet", "TSkinTabSheet"},
      {"TStatusBar", "TSkinStatusBar"},   {"TProgressBar", "TSkinProgress"}, {"TTrackBar", "TSkinTrackBar"},
      {"TUpDown", "TSkinUpDown"},         {"TTabControl", "TSkinTab"},       {"TTabSet", "TSkinTab31"},
      {"TPanel", "TSkinBox"},             {"TListBox", "TSkinScrollbar"},    {"TMemo", "TSkinScrollbar"},
      {"TScrollBox", "TSkinScrollbar"},   {"TScrollBar", "TSkinScControl"}};
  int checked = 0;
  for (TComponent* c : Gallery->Components()) {
    auto* control = dynamic_cast<TControl*>(c);
    if (!control) continue;
    const std::string cls = control->ClassName();
    auto it = expected.find(cls);
    if (it == expected.end()) continue;
    std::string want = it->second;
    // A page control with button tabs is painted as buttons.
    if (auto* pages = dynamic_cast<TPageControl*>(control); pages && pages->GetStyle() != tsTabs) want = "TSkinTabBtn";
    TSkinControl* skinner = Skinner->FindControlSkinner(*control);
    ASSERT_NE(skinner, nullptr) << WideToUtf8(control->GetName());
    EXPECT_EQ(skinner->ClassName(), want) << WideToUtf8(control->GetName());
    ++checked;
  }
  EXPECT_GE(checked, 50);
}

TEST_F(GalleryTest, TheForeignDialogIsSkinnedThroughTheClassNamesOfItsControls) {
  ShowSkinned();
  const HWND dialog = Gallery->OpenForeignDialog();
  ASSERT_NE(dialog, nullptr);
  ASSERT_TRUE(PumpUntil([dialog] {
    TWinSkinForm* s = FindFormSkinner(dialog);
    return s && s->State == skActive;
  }));
  // OK, Cancel, the disabled button, both edits, the tab control, the
  // up-down, the status bar, the list box and the scroll bar.
  for (int id : {IDOK, IDCANCEL, 106, 104, 105, 101, 102, 103, 107, 108})
    EXPECT_TRUE(Skinned(GetDlgItem(dialog, id))) << "control " << id;
  EXPECT_FALSE(Skinned(GetDlgItem(dialog, -1)));  // the static text keeps its own look
}

TEST_F(GalleryTest, NativeLeavesTheWindowUnskinned) {
  Gallery->Apply(TGalleryOptions{L"", 3, true, false});
  Gallery->Show();
  Application->ProcessMessages();
  // Nothing is pending that could skin it later.
  EXPECT_FALSE(SkinManager->SkinningActive);
  EXPECT_FALSE(SkinManager->ActionTimer.GetEnabled());
  EXPECT_FALSE(Skinned(Gallery->Handle()));
  EXPECT_FALSE(Skinned(Find<TButton>(L"NormalButton")->Handle()));
  EXPECT_EQ(Gallery->Pages->ActivePage(), Gallery->Pages->Pages()[3]);
}

TEST(GalleryOptions, TheCommandLineIsReadOrRefusedWithAReason) {
  struct TRow {
    std::vector<std::wstring> Args;
    bool Ok;
    TGalleryOptions Expected;
  };
  const TRow rows[] = {
      {{}, true, {}},
      {{L"--skin", L"C:\\skins\\dark.skn", L"--page", L"4"}, true, {L"C:\\skins\\dark.skn", 4, false, false}},
      {{L"--native", L"--dialog"}, true, {L"", 0, true, true}},
      {{L"--page"}, false, {}},
      {{L"--page", L"x"}, false, {}},
      {{L"--page", L"-1"}, false, {}},
      {{L"--skin"}, false, {}},
      {{L"--colour"}, false, {}},
  };
  for (const TRow& row : rows) {
    TGalleryOptions options;
    std::wstring error;
    const bool ok = ParseGalleryOptions(row.Args, options, error);
    EXPECT_EQ(ok, row.Ok) << row.Args.size();
    if (!ok) {
      EXPECT_FALSE(error.empty());
      continue;
    }
    EXPECT_EQ(options.SkinFile, row.Expected.SkinFile);
    EXPECT_EQ(options.Page, row.Expected.Page);
    EXPECT_EQ(options.Native, row.Expected.Native);
    EXPECT_EQ(options.Dialog, row.Expected.Dialog);
  }
}
