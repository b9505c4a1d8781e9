// The gallery program's window: every control on every page gets the
// skinner of its kind, its foreign dialog is skinned through the class
// names of the system's controls, and its command line.
#include "host/Buttons.h"
#include "host/ExtCtrls.h"
#include "host/GroupBoxes.h"
#include "host/ListViews.h"
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
      {"TPanel", "TSkinBox"},             {"TCheckBox", "TSkinCheckBox"},   {"TRadioButton", "TSkinRadioButton"},
      {"TGroupBox", "TSkinGroupBox"},     {"TRadioGroup", "TSkinGroupBox"}, {"TCheckGroup", "TSkinGroupBox"},
      {"TComboBox", "TSkinComBox"},       {"THeaderControl", "TSkinHeader"}, {"TListBox", "TSkinScrollbar"},
      {"TMemo", "TSkinScrollbar"},        {"TScrollBox", "TSkinScrollbar"},  {"TScrollBar", "TSkinScControl"},
      {"TListView", "TSkinListView"},     {"TDateTimePicker", "TSkinDateTime"}, {"TToolBar", "TSkinToolBar"},
      {"TCoolBar", "TSkinCoolBar"}};
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
  EXPECT_GE(checked, 70);
  // The buttons the groups make for themselves.
  for (const wchar_t* name : {L"ChoiceGroup", L"OptionGroup"}) {
    auto* group = Find<TCustomButtonGroup>(name);
    ASSERT_NE(group, nullptr);
    ASSERT_FALSE(group->Buttons().empty());
    const std::string want = dynamic_cast<TRadioGroup*>(group) ? "TSkinRadioButton" : "TSkinCheckBox";
    for (TButtonControl* button : group->Buttons()) {
      TSkinControl* skinner = Skinner->FindControlSkinner(*button);
      ASSERT_NE(skinner, nullptr);
      EXPECT_EQ(skinner->ClassName(), want);
    }
  }
}

TEST_F(GalleryTest, TheListViewsColumnCaptionsAreSkinned) {
  ShowSkinned();
  auto* list = Find<TListView>(L"FilesList");
  ASSERT_NE(list, nullptr);
  EXPECT_EQ(SendMessageW(list->Handle(), LVM_GETITEMCOUNT, 0, 0), 40);
  EXPECT_TRUE(Skinned(list->HeaderHandle()));
}

TEST_F(GalleryTest, TheForeignDialogIsSkinnedThroughTheClassNamesOfItsControls) {
  OpenSkinnedDialog();
  const HWND dialog = Dialog;
  // OK, Cancel, the disabled button, both edits, the tab control, the
  // up-down, the status bar, the radio buttons, the check boxes, both combo
  // boxes, the size grip and the one made after the dialog was shown, the
  // list box and the scroll bar.
  for (int id : {IDOK, IDCANCEL, 106, 104, 105, 101, 102, 103, 108, 109, 110, 111, 112, 120, 121, 122, 123, 130, 131})
    EXPECT_TRUE(Skinned(GetDlgItem(dialog, id))) << "control " << id;
  EXPECT_FALSE(Skinned(GetDlgItem(dialog, -1)));  // the static text keeps its own look
  EXPECT_FALSE(Skinned(GetDlgItem(dialog, 107)));  // and so does the group box
}

TEST_F(GalleryTest, TheForeignDialogsLabelsTakeTheSkinsTextColourUnlessTheProgramChoseOne) {
  OpenSkinnedDialog();
  const HWND dialog = Dialog;
  ASSERT_TRUE(Gallery->SkinData1->ColourGiven[scWindowText]);
  const COLORREF skinText = ColorToRGB(Gallery->SkinData1->SkinColours[scWindowText]);
  ASSERT_NE(skinText, GetSysColor(COLOR_WINDOWTEXT));  // or the test shows nothing
  TMemoryDC dc(CreateCompatibleDC(nullptr));
  const auto textColourFor = [&](HWND label, UINT msg) {
    SetTextColor(dc.Get(), GetSysColor(COLOR_WINDOWTEXT));
    SendMessageW(dialog, msg, WPARAM(dc.Get()), LPARAM(label));
    return GetTextColor(dc.Get());
  };
  EXPECT_EQ(textColourFor(GetDlgItem(dialog, -1), WM_CTLCOLORSTATIC), skinText);  // "Text"
  EXPECT_EQ(textColourFor(GetDlgItem(dialog, 107), WM_CTLCOLORSTATIC), skinText);  // the group box's caption
  EXPECT_EQ(textColourFor(GetDlgItem(dialog, TGalleryForm::kOwnColourLabel), WM_CTLCOLORSTATIC),
            TGalleryForm::kOwnLabelColour);
}

TEST_F(GalleryTest, TheForeignDialogsKeysMoveTheCheckAmongItsRadioButtons) {
  ShowSkinned();
  const HWND dialog = Gallery->OpenForeignDialog();
  ASSERT_NE(dialog, nullptr);
  const HWND first = GetDlgItem(dialog, 108), second = GetDlgItem(dialog, 109);
  ASSERT_EQ(SendMessageW(first, BM_GETCHECK, 0, 0), BST_CHECKED);
  SetFocus(first);
  // Through the program's message loop, as a key from the keyboard comes.
  PostMessageW(first, WM_KEYDOWN, VK_DOWN, 1);
  PostMessageW(first, WM_KEYUP, VK_DOWN, 0xC0000001);
  ASSERT_TRUE(PumpUntil([second] { return SendMessageW(second, BM_GETCHECK, 0, 0) == BST_CHECKED; }));
  EXPECT_EQ(SendMessageW(first, BM_GETCHECK, 0, 0), BST_UNCHECKED);
  EXPECT_EQ(GetFocus(), second);
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
      {{L"--mdi"}, true, {L"", 0, false, false, true}},
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
    EXPECT_EQ(options.MDI, row.Expected.MDI);
  }
}
