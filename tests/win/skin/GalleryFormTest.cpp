// The gallery program's window: every control on every page gets the
// skinner of its kind, its foreign dialog is skinned through the class
// names of the system's controls, and its command line.
#include "host/Buttons.h"
#include "host/ExtCtrls.h"
#include "host/GroupBoxes.h"
#include "host/ListViews.h"
#include "gallery/GalleryMoreDialog.h"
#include "gallery/GalleryStandIns.h"
#include "host/Tabs.h"
#include "tests/win/skin/GalleryFixture.h"
#include <optional>

namespace {
// Class of control -> class of skinner it must have (empty: none), and the
// switch its rule needs (none for a rule that needs none).
struct TExpectedSkinner {
  const char* Skinner;
  std::optional<TSkinControlType> Switch;
};
const std::map<std::string, TExpectedSkinner>& ExpectedSkinners() {
  static const std::map<std::string, TExpectedSkinner> expected = {
      {"TButton", {"TSkinButton", xcButton}},           {"TBitBtn", {"TSkinBitButton", xcBitBtn}},
      {"TSpeedButton", {"TSkinSpeedButton", xcSpeedButton}}, {"TEdit", {"TSkinEdit", xcEdit}},
      {"TPageControl", {"TSkinTab", xcTab}},            {"TTabSheet", {"TSkinTabSheet", xcTab}},
      {"TStatusBar", {"TSkinStatusBar", xcStatusBar}},  {"TProgressBar", {"TSkinProgress", xcProgress}},
      {"TTrackBar", {"TSkinTrackBar", xcTrackBar}},     {"TUpDown", {"TSkinUpDown", xcSpin}},
      {"TTabControl", {"TSkinTab", xcTab}},             {"TTabSet", {"TSkinTab31", xcTab}},
      {"TPanel", {"TSkinBox", xcPanel}},                {"TCheckBox", {"TSkinCheckBox", xcCheckBox}},
      {"TRadioButton", {"TSkinRadioButton", xcRadioButton}}, {"TGroupBox", {"TSkinGroupBox", xcPanel}},
      {"TRadioGroup", {"TSkinGroupBox", xcRadioButton}}, {"TCheckGroup", {"TSkinGroupBox", xcPanel}},
      {"TComboBox", {"TSkinComBox", xcCombo}},          {"THeaderControl", {"TSkinHeader", xcPanel}},
      {"TListBox", {"TSkinScrollbar", xcScrollbar}},    {"TMemo", {"TSkinScrollbar", xcScrollbar}},
      {"TScrollBox", {"TSkinScrollbar", xcScrollbar}},  {"TScrollBar", {"TSkinScControl", xcScrollbar}},
      {"TListView", {"TSkinListView", xcScrollbar}},    {"TDateTimePicker", {"TSkinDateTime", xcCombo}},
      {"TMediaPlayer", {"TSkinMP", xcButton}},         {"TToolBar", {"TSkinToolBar", xcToolbar}},
      {"TCoolBar", {"TSkinCoolBar", xcToolbar}},
      // The stand-ins of other component sets, by their class names and rows.
      {"TRzCheckBox", {"TSkinObjImage", xcCheckBox}},   {"TRzRadioButton", {"TSkinObjImage", xcRadioButton}},
      {"TcxCheckBox", {"TSkinObjImage", xcCheckBox}},   {"TRzCheckGroup", {"TSkinGroupBox", xcPanel}},
      {"TRzRadioGroup", {"TSkinGroupBox", xcGroupBox}}, {"TPngBitBtn", {"TSkinBitButton", xcButton}},
      {"TcxButton", {"TSkinBitButton", xcButton}},      {"TRzMenuButton", {"TSkinMenuButton", xcButton}},
      {"TOwnLookButton", {"", std::nullopt}},           {"TAdvPageControl", {"TSkinAdvPage", xcTab}},
      {"TDBNavigator", {"TSkinBox", xcPanel}},          {"TDCEdit", {"TSkinEdit", xcEdit}},
      {"TEmbeddedForm", {"TSkinBox", std::nullopt}},
      // Its menu's items are drawn from the skin; the strip keeps its look.
      {"TMenuBarStrip", {"", std::nullopt}}};
  return expected;
}

// Walks the gallery's controls against the table: each mismatch as "name:
// got X, want Y; " (a control whose switch is off, or whose Tag is the
// skin component's DisableTag, wants none). Counts the controls judged.
std::string SkinnerMismatches(TGalleryForm& gallery, TWinSkinForm& form, int& judged) {
  std::string out;
  judged = 0;
  for (TComponent* c : gallery.Components()) {
    auto* control = dynamic_cast<TControl*>(c);
    // A glyph group's buttons take their strips by the group's rule (judged on their own).
    if (!control || dynamic_cast<TRzCheckGroup*>(control->Parent()) || dynamic_cast<TRzRadioGroup*>(control->Parent()))
      continue;
    const auto it = ExpectedSkinners().find(control->ClassName());
    if (it == ExpectedSkinners().end()) continue;
    std::string want = it->second.Skinner;
    // A page control with button tabs is painted as buttons; a drop-down button as a menu button.
    if (auto* pages = dynamic_cast<TPageControl*>(control); pages && pages->GetStyle() != tsTabs) want = "TSkinTabBtn";
    if (auto* cx = dynamic_cast<TcxButton*>(control); cx && cx->GetKind() == cxbkDropDownButton)
      want = "TSkinMenuButton";
    const std::optional<TSkinControlType> needs = it->second.Switch;
    if ((needs && !gallery.SkinData1->Has(*needs)) || control->GetTag() == gallery.SkinData1->GetDisableTag())
      want = "";
    const TSkinControl* skinner = form.FindControlSkinner(*control);
    // An edit of another set without buttons is skinned by its window.
    if (auto* edit = dynamic_cast<TDCEdit*>(control); !skinner && edit) skinner = form.FindWindowSkinner(edit->Handle());
    const std::string got = skinner ? skinner->ClassName() : "";
    if (got != want) out += WideToUtf8(control->GetName()) + ": got " + got + ", want " + want + "; ";
    ++judged;
  }
  return out;
}
}  // namespace

TEST_F(GalleryTest, EveryControlOnEveryPageHasTheSkinnerOfItsKind) {
  ShowSkinned();
  int judged = 0;
  EXPECT_EQ(SkinnerMismatches(*Gallery, *Skinner, judged), "");
  EXPECT_GE(judged, 70);
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

namespace {
// The class of the skinner a form skinner gave a window, or "" for none.
std::string SkinnerClassOf(const TWinSkinForm& form, HWND wnd) {
  for (const TSkinControl* skinner : form.ControlSkinners)
    if (wnd && skinner->WindowHandle() == wnd) return skinner->ClassName();
  return "";
}
}  // namespace

TEST_F(GalleryTest, TheSecondForeignDialogsControlsGetTheSkinnersTheRulesName) {
  ShowSkinned();
  const HWND dialog = OpenMoreDialog(Gallery->Handle());
  ASSERT_NE(dialog, nullptr);
  TWinSkinForm* form = nullptr;
  ASSERT_TRUE(PumpUntil([&] {
    form = FindFormSkinner(dialog);
    return form && form->State == skActive;
  }));
  const HWND page = GetDlgItem(dialog, kMorePage);
  ASSERT_NE(page, nullptr);
  const struct {
    const char* What;
    HWND Window;
    const char* Skinner;
  } rows[] = {
      {"owner-drawn button", GetDlgItem(dialog, kMoreOwnerDrawn), ""},
      {"bitmap button", GetDlgItem(dialog, kMoreBitmapButton), ""},
      {"simple combo box", GetDlgItem(dialog, kMoreSimpleCombo), ""},
      {"extended combo box", GetDlgItem(dialog, kMoreComboEx), ""},
      {"its combo box", GetTopWindow(GetDlgItem(dialog, kMoreComboEx)), "TSkinComBox"},
      {"tree view", GetDlgItem(dialog, kMoreTree), ""},
      {"owner-drawn tabs", GetDlgItem(dialog, kMoreOwnerDrawnTabs), ""},
      {"tool bar", GetDlgItem(dialog, kMoreToolBar), "TSkinBoxH"},
      {"page inside the dialog", page, "TSkinBoxH"},
      {"check box on the page", GetDlgItem(page, kMorePageCheck), "TSkinCheckBox"},
      {"edit on the page", GetDlgItem(page, kMorePageEdit), "TSkinEdit"},
      {"panel of the class library", GetDlgItem(dialog, kMoreLibraryPanel), ""},
      {"check box on that panel", GetDlgItem(GetDlgItem(dialog, kMoreLibraryPanel), kMoreLibraryPanelCheck),
       "TSkinCheckBox"},
      {"OK", GetDlgItem(dialog, IDOK), "TSkinButton"},
  };
  for (const auto& row : rows) {
    ASSERT_NE(row.Window, nullptr) << row.What;
    EXPECT_EQ(SkinnerClassOf(*form, row.Window), row.Skinner) << row.What;
  }
  // The page's labels are drawn on the skin's face in the skin's text colour.
  TMemoryDC dc(CreateCompatibleDC(nullptr));
  SetTextColor(dc.Get(), GetSysColor(COLOR_WINDOWTEXT));
  SendMessageW(page, WM_CTLCOLORSTATIC, WPARAM(dc.Get()), LPARAM(GetDlgItem(page, kMorePageCheck)));
  EXPECT_EQ(GetTextColor(dc.Get()), ColorToRGB(Gallery->SkinData1->SkinColours[scWindowText]));
  DestroyWindow(dialog);
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
      {{L"--more-dialog", L"--page", L"2"}, true, {L"", 2, false, false, false, true}},
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
    EXPECT_EQ(options.MoreDialog, row.Expected.MoreDialog);
  }
}

namespace {
// Whether the window-class rules skin a dialog's direct child: push, check
// and radio buttons, edits and drop-down combo boxes wear the skin; owner-
// drawn buttons, group boxes, simple combo boxes and static texts keep their
// own look. Other classes are not judged here (-1).
int SkinnedByTheRules(HWND child) {
  const std::wstring name = ClassNameOf(child);
  const LONG_PTR style = GetWindowLongPtrW(child, GWL_STYLE);
  if (name == L"Button") {
    const LONG_PTR type = style & BS_TYPEMASK;
    return !(type == BS_OWNERDRAW || type == BS_GROUPBOX || (style & BS_BITMAP));
  }
  if (name == L"Edit") return 1;
  if (name == L"ComboBox") return (style & 3) != CBS_SIMPLE;
  if (name == L"Static") return 0;
  return -1;
}

// What a timer saw of the system's dialog the gallery opened, before it
// closed it: whether the dialog wore the skin, and each of its controls the
// rules judge that did not get what they say.
struct TCommonDialogProbe {
  HWND Owner = nullptr;
  DWORD Since = 0;
  bool Seen = false;
  bool DialogSkinned = false;
  int Judged = 0;
  std::string Wrong;
};
TCommonDialogProbe* Probe = nullptr;

void JudgeChildren(HWND parent, TCommonDialogProbe& probe) {
  for (HWND child = GetWindow(parent, GW_CHILD); child; child = GetWindow(child, GW_HWNDNEXT)) {
    if (!IsWindowVisible(child)) continue;
    if (ClassNameOf(child) == L"#32770") JudgeChildren(child, probe);  // a page inside the dialog
    const int expected = SkinnedByTheRules(child);
    if (expected < 0) continue;
    ++probe.Judged;
    if (Skinned(child) != (expected == 1))
      probe.Wrong += WideToUtf8(ClassNameOf(child)) + " " + std::to_string(GetDlgCtrlID(child)) +
                     (expected ? " native; " : " skinned; ");
  }
}

void CALLBACK WatchCommonDialog(HWND, UINT, UINT_PTR timer, DWORD) {
  TCommonDialogProbe& probe = *Probe;
  HWND dialog = nullptr;
  for (HWND w = FindWindowW(L"#32770", nullptr); w; w = FindWindowExW(nullptr, w, L"#32770", nullptr))
    if (IsWindowVisible(w) && GetWindow(w, GW_OWNER) == probe.Owner) dialog = w;
  if (!dialog) return;
  TWinSkinForm* skinner = FindFormSkinner(dialog);
  const bool active = skinner && skinner->State == skActive;
  if (!active && GetTickCount() - probe.Since < 15000) return;
  KillTimer(nullptr, timer);
  probe.Seen = true;
  probe.DialogSkinned = active;
  JudgeChildren(dialog, probe);
  PostMessageW(dialog, WM_COMMAND, IDCANCEL, 0);
}
}  // namespace

TEST_F(GalleryTest, TheSystemsOpenFileAndColourDialogsWearTheSkinAsTheRulesSay) {
  ShowSkinned();
  for (void (TGalleryForm::*open)(TObject*) : {&TGalleryForm::OpenFileClick, &TGalleryForm::ColourClick}) {
    TCommonDialogProbe probe;
    probe.Owner = Gallery->Handle();
    probe.Since = GetTickCount();
    Probe = &probe;
    const UINT_PTR timer = SetTimer(nullptr, 0, 50, WatchCommonDialog);
    (Gallery->*open)(nullptr);  // returns once the timer has closed the dialog
    KillTimer(nullptr, timer);
    Probe = nullptr;
    ASSERT_TRUE(probe.Seen) << "the dialog did not open";
    EXPECT_TRUE(probe.DialogSkinned);
    EXPECT_GE(probe.Judged, 4);  // at least OK, Cancel and two more
    EXPECT_EQ(probe.Wrong, "");
  }
}

// The same walk with one switch of the skin component off: the controls
// whose rule needs it keep their own look, the others are unchanged.
class GallerySwitchTest : public GalleryTest, public testing::WithParamInterface<TSkinControlType> {};

TEST_P(GallerySwitchTest, TheControlsWhoseRuleNeedsTheSwitchStayNative) {
  TSkinData& data = *Gallery->SkinData1;
  ASSERT_TRUE(data.Has(GetParam()));
  data.SetSkinControls(data.GetSkinControls() & ~SetOf({GetParam()}));
  ShowSkinned();
  int judged = 0;
  EXPECT_EQ(SkinnerMismatches(*Gallery, *Skinner, judged), "");
  EXPECT_GE(judged, 70);
}

INSTANTIATE_TEST_SUITE_P(EachSwitch, GallerySwitchTest,
                         testing::Values(xcButton, xcBitBtn, xcSpeedButton, xcEdit, xcTab, xcStatusBar, xcProgress,
                                         xcTrackBar, xcSpin, xcPanel, xcCheckBox, xcRadioButton, xcCombo,
                                         xcScrollbar, xcToolbar));

TEST_F(GalleryTest, AGroupWithTheDisableTagKeepsItsOwnLookAndSoDoItsButtons) {
  auto* group = Find<TRadioGroup>(L"ChoiceGroup");
  ASSERT_NE(group, nullptr);
  group->SetTag(Gallery->SkinData1->GetDisableTag());
  ShowSkinned();
  int judged = 0;
  EXPECT_EQ(SkinnerMismatches(*Gallery, *Skinner, judged), "");
  EXPECT_EQ(Skinner->FindControlSkinner(*group), nullptr);
  ASSERT_FALSE(group->Buttons().empty());
  for (TButtonControl* button : group->Buttons()) EXPECT_EQ(Skinner->FindControlSkinner(*button), nullptr);
  // The other group is skinned as ever.
  auto* other = Find<TCustomButtonGroup>(L"OptionGroup");
  ASSERT_NE(other, nullptr);
  EXPECT_NE(Skinner->FindControlSkinner(*other), nullptr);
}

// The stand-ins of other component sets: the glyph controls hold the strips
// the skin made them and lose them with the skin; the navigator's buttons
// and the embedded form's own controls are skinned through their containers.
TEST_F(GalleryTest, TheControlsOfOtherSetsWearTheSkinThroughWhatTheyPublish) {
  ShowSkinned();
  auto* check = Find<TRzCheckBox>(L"GlyphCheck");
  auto* groupRadio = Find<TRzRadioButton>(L"GroupRadioTwo");
  auto* properties = Find<TcxCheckBox>(L"PropertiesCheck");
  auto* navigator = Find<TDBNavigator>(L"RecordNavigator");
  auto* embedded = Find<TEmbeddedForm>(L"EmbeddedDetails");
  ASSERT_TRUE(check && groupRadio && properties && navigator && embedded);
  for (TCustomGlyphToggle* glyphs : std::initializer_list<TCustomGlyphToggle*>{check, groupRadio}) {
    EXPECT_TRUE(glyphs->GetUseCustomGlyphs()) << WideToUtf8(glyphs->GetName());
    EXPECT_FALSE(glyphs->GetCustomGlyphs()->Empty()) << WideToUtf8(glyphs->GetName());
  }
  EXPECT_EQ(check->GetCustomGlyphs()->Width() % 9, 0);
  EXPECT_EQ(groupRadio->GetCustomGlyphs()->Width() % 6, 0);
  const TSkinControl* groupButton = Skinner->FindControlSkinner(*groupRadio);
  ASSERT_NE(groupButton, nullptr);
  EXPECT_EQ(groupButton->ClassName(), "TSkinObjImage");
  EXPECT_FALSE(properties->GetProperties()->GetGlyph()->Empty());

  ASSERT_FALSE(navigator->Buttons().empty());
  for (TSpeedButton* button : navigator->Buttons()) {
    const TSkinControl* skinner = Skinner->FindControlSkinner(*button);
    EXPECT_EQ(skinner ? skinner->ClassName() : "", "TSkinSpeedButton") << WideToUtf8(button->GetText());
  }
  const std::pair<const wchar_t*, const char*> own[] = {
      {L"EmbeddedName", "TSkinEdit"}, {L"EmbeddedRemember", "TSkinCheckBox"}, {L"EmbeddedApply", "TSkinButton"}};
  for (const auto& [name, want] : own) {
    auto* control = dynamic_cast<TControl*>(embedded->FindComponent(name));
    ASSERT_NE(control, nullptr) << WideToUtf8(name);
    const TSkinControl* skinner = Skinner->FindControlSkinner(*control);
    EXPECT_EQ(skinner ? skinner->ClassName() : "", want) << WideToUtf8(name);
  }

  Gallery->SkinData1->SetActive(false);
  ASSERT_TRUE(PumpUntil([this] { return !Skinned(Gallery->Handle()); }));
  EXPECT_FALSE(check->GetUseCustomGlyphs());
  EXPECT_FALSE(groupRadio->GetUseCustomGlyphs());
  EXPECT_TRUE(properties->GetProperties()->GetGlyph()->Empty());
}
