// TSkinCheckBox and TSkinRadioButton: the image of the skin's strip each
// state shows in every strip layout, where the mark and the caption go
// (right-aligned, right-to-left), the focus rectangle, clicks and keys that
// leave the buttons in exactly the states native ones reach, and controls
// as they were once the skinners go.
#include "host/CheckButtons.h"
#include "host/ExtCtrls.h"
#include "host/GroupBoxes.h"
#include "host/Platform.h"
#include "host/WideText.h"
#include "skin/controls/SkinBox.h"
#include "skin/controls/SkinCheckBox.h"
#include "skin/controls/SkinGroupBox.h"
#include "skin/controls/SkinRadioButton.h"
#include "tests/win/skin/ButtonSkinFixture.h"
#include "tests/win/skin/ControlStates.h"

namespace {

// Every image of the strips is a square of this size.
constexpr int kMark = 13;
constexpr int kBoxW = 120, kBoxH = 21;

enum TKind { kCheck, kRadio };

class CheckSkinTest : public ButtonSkinTest {
protected:
  // Strips of coordinate colours with the given numbers of images.
  void SetStrips(int checkFrames, int radioFrames) {
    TDataSkinButton& b = *Skin->PushButtons;
    b.CheckImage = CoordBitmap(checkFrames * kMark, kMark);
    b.CheckButtonFrame = checkFrames;
    b.RadioImage = CoordBitmap(radioFrames * kMark, kMark);
    b.RadioButtonFrame = radioFrames;
  }
  void SetUp() override {
    ButtonSkinTest::SetUp();
    SetStrips(4, 4);
  }
  TCheckBox* AddCheck(const std::wstring& caption, int top = 10) {
    return Place(new TCheckBox(Form), caption, 10, top, kBoxW, kBoxH);
  }
  TRadioButton* AddRadio(const std::wstring& caption, int top = 10, TWinControl* parent = nullptr) {
    auto* radio = Place(new TRadioButton(Form), caption, 10, top, kBoxW, kBoxH);
    if (parent) radio->SetParent(parent);
    return radio;
  }
};

// The mark of image `image` at `at`: each pixel the strip's, one to one.
testing::AssertionResult MarkIs(const TBitmap& painted, POINT at, int image) {
  for (int dy = 0; dy < kMark; ++dy)
    for (int dx = 0; dx < kMark; ++dx) {
      const TColor want = CoordColour((image - 1) * kMark + dx, dy);
      const TColor got = painted.Pixel(at.x + dx, at.y + dy);
      if (got != want)
        return testing::AssertionFailure() << "mark pixel (" << dx << ", " << dy << ") came from strip ("
                                           << SourceX(got) << ", " << SourceY(got) << "), expected image " << image;
    }
  return testing::AssertionSuccess();
}

// Caption pixels: neither the face nor the strip's.
bool IsCaption(TColor c) { return c != kFace && !IsCoordColour(c); }
// The leftmost and rightmost columns holding caption pixels; {-1, -1} for none.
std::pair<int, int> CaptionColumns(const TBitmap& painted) {
  int first = -1, last = -1;
  for (int x = 0; x < painted.Width(); ++x)
    for (int y = 0; y < painted.Height(); ++y)
      if (IsCaption(painted.Pixel(x, y))) {
        if (first < 0) first = x;
        last = x;
        break;
      }
  return {first, last};
}

constexpr int kMarkTop = (kBoxH - kMark) / 2;

struct FrameCase {
  const char* Name;
  TKind Kind;
  int Frames;
  TCheckBoxState State;
  bool Disabled;
  int Image;
};

class CheckFrames : public CheckSkinTest, public testing::WithParamInterface<FrameCase> {};

TEST_P(CheckFrames, ShowTheImageTheLayoutGivesTheirState) {
  const FrameCase& c = GetParam();
  SetStrips(c.Kind == kCheck ? c.Frames : 4, c.Kind == kRadio ? c.Frames : 4);
  AddButton(L"", 200, 10);  // takes the focus: no focus rectangle in the picture
  TWinControl* control = nullptr;
  if (c.Kind == kCheck) {
    TCheckBox* check = AddCheck(L"Caption");
    check->SetAllowGrayed(true);
    check->SetState(c.State);
    control = check;
    Attach<TSkinCheckBox>(check);
  } else {
    TRadioButton* radio = AddRadio(L"Caption");
    radio->SetChecked(c.State == cbChecked);
    control = radio;
    Attach<TSkinRadioButton>(radio);
  }
  control->SetEnabled(!c.Disabled);
  const auto painted = Painted(control);
  EXPECT_TRUE(MarkIs(*painted, {0, kMarkTop}, c.Image));
  // Face above and below the mark, and between it and the caption.
  for (int x = 0; x < kMark + 2; ++x)
    for (int y = 0; y < kBoxH; ++y)
      if (x >= kMark || y < kMarkTop || y >= kMarkTop + kMark) {
        ASSERT_EQ(painted->Pixel(x, y), kFace) << x << "," << y;
      }
  EXPECT_GE(CaptionColumns(*painted).first, kMark + 2);
}

// Four images and any count but the wide ones: unchecked, checked, and
// both disabled; a grayed box shows the last. A check strip of 12 and a
// radio strip of 8 have their own places.
INSTANTIATE_TEST_SUITE_P(CheckButtonSkin, CheckFrames, testing::Values(
    FrameCase{"Check4Unchecked", kCheck, 4, cbUnchecked, false, 1},
    FrameCase{"Check4Checked", kCheck, 4, cbChecked, false, 2},
    FrameCase{"Check4UncheckedDisabled", kCheck, 4, cbUnchecked, true, 3},
    FrameCase{"Check4CheckedDisabled", kCheck, 4, cbChecked, true, 4},
    FrameCase{"Check4Grayed", kCheck, 4, cbGrayed, false, 4},
    FrameCase{"Check4GrayedDisabled", kCheck, 4, cbGrayed, true, 4},
    FrameCase{"Check5Checked", kCheck, 5, cbChecked, false, 2},
    FrameCase{"Check5CheckedDisabled", kCheck, 5, cbChecked, true, 4},
    FrameCase{"Check5Grayed", kCheck, 5, cbGrayed, false, 4},
    FrameCase{"Check8Checked", kCheck, 8, cbChecked, false, 2},
    FrameCase{"Check8UncheckedDisabled", kCheck, 8, cbUnchecked, true, 3},
    FrameCase{"Check12Unchecked", kCheck, 12, cbUnchecked, false, 1},
    FrameCase{"Check12Checked", kCheck, 12, cbChecked, false, 5},
    FrameCase{"Check12UncheckedDisabled", kCheck, 12, cbUnchecked, true, 4},
    FrameCase{"Check12CheckedDisabled", kCheck, 12, cbChecked, true, 8},
    FrameCase{"Check12Grayed", kCheck, 12, cbGrayed, false, 9},
    FrameCase{"Check12GrayedDisabled", kCheck, 12, cbGrayed, true, 12},
    FrameCase{"Radio4Unchecked", kRadio, 4, cbUnchecked, false, 1},
    FrameCase{"Radio4Checked", kRadio, 4, cbChecked, false, 2},
    FrameCase{"Radio4UncheckedDisabled", kRadio, 4, cbUnchecked, true, 3},
    FrameCase{"Radio4CheckedDisabled", kRadio, 4, cbChecked, true, 4},
    FrameCase{"Radio5CheckedDisabled", kRadio, 5, cbChecked, true, 4},
    FrameCase{"Radio8Unchecked", kRadio, 8, cbUnchecked, false, 1},
    FrameCase{"Radio8Checked", kRadio, 8, cbChecked, false, 5},
    FrameCase{"Radio8UncheckedDisabled", kRadio, 8, cbUnchecked, true, 4},
    FrameCase{"Radio8CheckedDisabled", kRadio, 8, cbChecked, true, 8},
    FrameCase{"Radio12Checked", kRadio, 12, cbChecked, false, 2},
    FrameCase{"Radio12CheckedDisabled", kRadio, 12, cbChecked, true, 4}),
    [](const testing::TestParamInfo<FrameCase>& i) { return std::string(i.param.Name); });

struct SideCase {
  const char* Name;
  TKind Kind;
  TAlignment Alignment;
  TBiDiMode BiDi;
  int MarkRight;        // from the right edge; -1: the mark at the left
  bool CaptionAtRight;  // right-aligned, against the mark
};

class CheckSides : public CheckSkinTest, public testing::WithParamInterface<SideCase> {};

TEST_P(CheckSides, PutTheMarkAndTheCaptionWhereAlignmentAndDirectionSay) {
  const SideCase& c = GetParam();
  AddButton(L"", 200, 10);
  TButtonControl* control = c.Kind == kCheck ? static_cast<TButtonControl*>(AddCheck(L"Wi"))
                                             : static_cast<TButtonControl*>(AddRadio(L"Wi"));
  control->SetAlignment(c.Alignment);
  control->SetBiDiMode(c.BiDi);
  if (c.Kind == kCheck)
    Attach<TSkinCheckBox>(control);
  else
    Attach<TSkinRadioButton>(control);
  const auto painted = Painted(control);
  const int markLeft = c.MarkRight < 0 ? 0 : kBoxW - c.MarkRight - kMark;
  EXPECT_TRUE(MarkIs(*painted, {markLeft, kMarkTop}, 1));
  const auto [first, last] = CaptionColumns(*painted);
  ASSERT_GE(first, 0);
  if (c.MarkRight < 0) {
    EXPECT_GE(first, kMark + 2);
    EXPECT_LE(first, kMark + 2 + 2);  // left-aligned, against the mark
    return;
  }
  for (int x = markLeft + kMark; x < kBoxW; ++x) EXPECT_EQ(painted->Pixel(x, kMarkTop), kFace) << x;
  EXPECT_LT(last, markLeft - 2);
  if (c.CaptionAtRight)
    EXPECT_GE(last, markLeft - 2 - 3);
  else
    EXPECT_LE(first, 2);
}

// The mark is at the right for a left caption, or for a right-to-left
// control with the default alignment; the radio circle keeps one pixel off.
INSTANTIATE_TEST_SUITE_P(CheckButtonSkin, CheckSides, testing::Values(
    SideCase{"CheckLeftToRight", kCheck, taRightJustify, bdLeftToRight, -1, false},
    SideCase{"CheckCaptionLeft", kCheck, taLeftJustify, bdLeftToRight, 0, false},
    SideCase{"CheckRightToLeft", kCheck, taRightJustify, bdRightToLeft, 0, true},
    SideCase{"CheckRightToLeftCaptionLeft", kCheck, taLeftJustify, bdRightToLeft, -1, false},
    SideCase{"RadioLeftToRight", kRadio, taRightJustify, bdLeftToRight, -1, false},
    SideCase{"RadioCaptionLeft", kRadio, taLeftJustify, bdLeftToRight, 1, false},
    SideCase{"RadioRightToLeft", kRadio, taRightJustify, bdRightToLeft, 1, true}),
    [](const testing::TestParamInfo<SideCase>& i) { return std::string(i.param.Name); });

TEST_F(CheckSkinTest, AFocusRectangleOnlyBeforeTheSystemsOfMajorVersionSix) {
  TButton* elsewhere = AddButton(L"", 200, 10);
  TCheckBox* check = AddCheck(L"Focus");
  Attach<TSkinCheckBox>(check);
  SetFocus(elsewhere->Handle());
  const auto unfocused = Painted(check);
  SetFocus(check->Handle());
  ASSERT_EQ(GetFocus(), check->Handle());
  EXPECT_EQ(!SamePixels(*unfocused, *Painted(check)), NotWinVista());
  // Without a caption there is nothing to frame.
  check->SetText(L"");
  const auto empty = Painted(check);
  SetFocus(elsewhere->Handle());
  EXPECT_TRUE(SamePixels(*empty, *Painted(check)));
}

TEST_F(CheckSkinTest, ADisabledCaptionTakesTheShadowColour) {
  AddButton(L"", 200, 10);
  TCheckBox* check = AddCheck(L"WWW");
  check->GetFont()->SetColor(clBlack);
  Attach<TSkinCheckBox>(check);
  check->SetEnabled(false);
  const auto disabled = Painted(check);
  Skin->PushButtons->CheckImage = CoordBitmap(4 * kMark, kMark);  // the same mark either way
  check->SetEnabled(true);
  check->GetFont()->SetColor(clBtnShadow);
  // The enabled one in the shadow colour differs only in its mark.
  const auto shadowed = Painted(check);
  for (int y = 0; y < kBoxH; ++y)
    for (int x = kMark; x < kBoxW; ++x) ASSERT_EQ(disabled->Pixel(x, y), shadowed->Pixel(x, y)) << x << "," << y;
}

TEST_F(CheckSkinTest, WithoutTheStripTheNativePictureStays) {
  Skin->PushButtons->CheckImage = std::make_unique<TBitmap>();
  TCheckBox* check = AddCheck(L"Native");
  const auto native = Painted(check);
  TSkinCheckBox* skinner = Attach<TSkinCheckBox>(check);
  EXPECT_EQ(skinner->Mode(), 0);
  EXPECT_TRUE(SamePixels(*native, *Painted(check)));
}

TEST_F(CheckSkinTest, ABareCheckBoxGetsTheMarkOverItsNativePicture) {
  const HWND wnd = CreateWindowExW(0, L"BUTTON", L"Bare", WS_CHILD | WS_VISIBLE | BS_AUTOCHECKBOX, 10, 60, kBoxW,
                                   kBoxH, Form->Handle(), nullptr, GetModuleHandleW(nullptr), nullptr);
  ASSERT_NE(wnd, nullptr);
  SendMessageW(wnd, BM_SETCHECK, BST_CHECKED, 0);
  auto* skinner = new TSkinCheckBox(nullptr);
  skinner->AttachWindow(wnd, Skin.get(), &Host, nullptr);
  EXPECT_EQ(skinner->Mode(), 0);
  auto painted = Target(kBoxW, kBoxH);
  SendMessageW(wnd, WM_PAINT, WPARAM(painted->Canvas().Handle()), 0);
  EXPECT_TRUE(MarkIs(*painted, {0, kMarkTop}, 2));
  skinner->Release();
  DestroyWindow(wnd);
}

TEST_F(CheckSkinTest, TheTransparentTagShowsTheParentBehindTheBox) {
  constexpr TColor kParent = TColor(RGB(90, 20, 20));
  Form->SetColor(kParent);
  AddButton(L"", 200, 10);
  TCheckBox* plain = AddCheck(L"", 10);
  TCheckBox* transparent = AddCheck(L"", 40);
  transparent->SetTag(kTransparentTag);
  Attach<TSkinCheckBox>(plain);
  Attach<TSkinCheckBox>(transparent);
  for (TCheckBox* check : {plain, transparent}) {
    const auto painted = Painted(check);
    EXPECT_TRUE(MarkIs(*painted, {0, kMarkTop}, 1));
    EXPECT_EQ(painted->Pixel(kBoxW / 2, 1), check == transparent ? kParent : kFace);
  }
}

// A check box of a data set: it publishes the field it shows.
class TTestDBCheckBox : public TCheckBox {
public:
  DECLARE_CLASS_INFO
  using TCheckBox::TCheckBox;
  std::wstring GetDataField() const { return FDataField; }
  void SetDataField(const std::wstring& v) { FDataField = v; }

private:
  std::wstring FDataField;
};
DEFINE_COMPONENT_INFO(TTestDBCheckBox, TCheckBox,
  {StrProp("DataField", &TTestDBCheckBox::GetDataField, &TTestDBCheckBox::SetDataField)})

TEST_F(CheckSkinTest, ADataAwareBoxShowsWhatTheDataLastSet) {
  AddButton(L"", 200, 10);
  TCheckBox* plain = AddCheck(L"", 10);
  auto* data = Place(new TTestDBCheckBox(Form), L"", 10, 40, kBoxW, kBoxH);
  Attach<TSkinCheckBox>(plain);
  auto* dataSkinner = Attach<TSkinCheckBox>(data);
  EXPECT_EQ(dataSkinner->CheckState(), 0);
  // The window is checked behind the controls' backs: a plain box shows
  // its published State, a data-aware one what the window was sent.
  for (TCheckBox* check : {plain, static_cast<TCheckBox*>(data)})
    SendMessageW(check->Handle(), BM_SETCHECK, BST_CHECKED, 0);
  EXPECT_EQ(dataSkinner->CheckState(), 2);
  EXPECT_TRUE(MarkIs(*Painted(plain), {0, kMarkTop}, 1));
  EXPECT_TRUE(MarkIs(*Painted(data), {0, kMarkTop}, 2));
  SendMessageW(data->Handle(), BM_SETCHECK, BST_INDETERMINATE, 0);
  EXPECT_EQ(dataSkinner->CheckState(), 3);
  EXPECT_TRUE(MarkIs(*Painted(data), {0, kMarkTop}, 4));
}

// ---- Clicks and keys ----

// The state of a button: BST_ bits of BM_GETCHECK.
LRESULT CheckOf(HWND wnd) { return SendMessageW(wnd, BM_GETCHECK, 0, 0); }

void Click(HWND wnd) {
  PostMessageW(wnd, WM_LBUTTONDOWN, MK_LBUTTON, MAKELPARAM(3, 3));
  PostMessageW(wnd, WM_LBUTTONUP, 0, MAKELPARAM(3, 3));
  Application->ProcessMessages();
}
void Key(HWND wnd, WPARAM key) {
  PostMessageW(wnd, WM_KEYDOWN, key, 1);
  PostMessageW(wnd, WM_KEYUP, key, 0xC0000001);
  Application->ProcessMessages();
}

HWND NativeButton(TForm* form, DWORD style, int top) {
  return CreateWindowExW(0, L"BUTTON", L"Native", WS_CHILD | WS_VISIBLE | style, 200, top, kBoxW, kBoxH,
                         form->Handle(), nullptr, GetModuleHandleW(nullptr), nullptr);
}

// The image a check box of the 4-image strip shows for a BM_GETCHECK state.
int ImageOf(LRESULT check) { return check == BST_CHECKED ? 2 : check == BST_INDETERMINATE ? 4 : 1; }

struct ToggleCase {
  const char* Name;
  bool AllowGrayed;
  DWORD NativeStyle;
};

class CheckToggles : public CheckSkinTest, public testing::WithParamInterface<ToggleCase> {};

TEST_P(CheckToggles, ClicksAndSpaceGoThroughTheStatesANativeBoxDoes) {
  TCheckBox* check = AddCheck(L"Ours");
  check->SetAllowGrayed(GetParam().AllowGrayed);
  int clicks = 0;
  check->OnClick = [&clicks](TObject*) { ++clicks; };
  Attach<TSkinCheckBox>(check);
  const HWND native = NativeButton(Form, GetParam().NativeStyle | WS_TABSTOP, 10);
  ASSERT_NE(native, nullptr);
  auto* nativeSkinner = new TSkinCheckBox(nullptr);
  nativeSkinner->AttachWindow(native, Skin.get(), &Host, nullptr);
  for (int step = 0; step < 7; ++step) {
    SCOPED_TRACE(step);
    // Mouse and space by turns.
    for (HWND wnd : {check->Handle(), native}) {
      SetFocus(wnd);
      if (step % 2)
        Key(wnd, VK_SPACE);
      else
        Click(wnd);
    }
    ASSERT_EQ(CheckOf(check->Handle()), CheckOf(native));
    EXPECT_EQ(check->GetState(), CheckOf(native) == BST_CHECKED       ? cbChecked
                                 : CheckOf(native) == BST_INDETERMINATE ? cbGrayed
                                                                        : cbUnchecked);
    EXPECT_TRUE(MarkIs(*Painted(check), {0, kMarkTop}, ImageOf(CheckOf(native))));
  }
  EXPECT_EQ(clicks, 7);
  nativeSkinner->Release();
  DestroyWindow(native);
}

INSTANTIATE_TEST_SUITE_P(CheckButtonSkin, CheckToggles, testing::Values(
    ToggleCase{"TwoStates", false, BS_AUTOCHECKBOX},
    ToggleCase{"ThreeStates", true, BS_AUTO3STATE}),
    [](const testing::TestParamInfo<ToggleCase>& i) { return std::string(i.param.Name); });

// Three radio buttons of ours on a panel and three native auto radio
// buttons in a group of the form's dialog keys, the middle one of each
// disabled or not.
class RadioKeys : public CheckSkinTest, public testing::WithParamInterface<bool> {
protected:
  struct TGroup {
    std::vector<HWND> Buttons;
    int Focused = -1;  // index of the button with the focus after the last step
  };
  void SetUp() override {
    CheckSkinTest::SetUp();
    Form->SetBounds(100, 100, 400, 200);
    auto* panel = Place(new TPanel(Form), L"", 0, 0, 190, 120);
    for (int i = 0; i < 3; ++i) {
      Ours.push_back(AddRadio(L"Ours", 10 + 30 * i, panel));
      Attach<TSkinRadioButton>(Ours.back());
      OurGroup.Buttons.push_back(Ours.back()->Handle());
    }
    for (int i = 0; i < 3; ++i) {
      const HWND wnd = NativeButton(Form, BS_AUTORADIOBUTTON | (i == 0 ? WS_GROUP | WS_TABSTOP : 0), 10 + 30 * i);
      NativeGroup.Buttons.push_back(wnd);
      auto* skinner = new TSkinRadioButton(nullptr);
      skinner->AttachWindow(wnd, Skin.get(), &Host, nullptr);
      NativeSkinners.push_back(skinner);
    }
    // The end of the native group.
    NativeButton(Form, BS_PUSHBUTTON | WS_GROUP | WS_TABSTOP, 110);
    if (GetParam()) {
      Ours[1]->SetEnabled(false);
      EnableWindow(NativeGroup.Buttons[1], FALSE);
    }
  }
  void TearDown() override {
    for (TSkinRadioButton* s : NativeSkinners) s->Release();
    CheckSkinTest::TearDown();
  }
  // Does the same to the button `at` of both groups (-1: the one that has
  // the focus) and expects both groups alike afterwards.
  void Both(int at, const std::function<void(HWND)>& action) {
    for (TGroup* group : {&OurGroup, &NativeGroup}) {
      const int index = at >= 0 ? at : group->Focused;
      ASSERT_GE(index, 0);
      const HWND target = group->Buttons[size_t(index)];
      SetFocus(target);
      action(target);
      const auto it = std::find(group->Buttons.begin(), group->Buttons.end(), GetFocus());
      group->Focused = it == group->Buttons.end() ? -1 : int(it - group->Buttons.begin());
    }
    EXPECT_EQ(OurGroup.Focused, NativeGroup.Focused);
    for (size_t i = 0; i < 3; ++i) {
      const HWND native = NativeGroup.Buttons[i];
      EXPECT_EQ(CheckOf(Ours[i]->Handle()), CheckOf(native)) << "button " << i;
      EXPECT_EQ(Ours[i]->GetChecked(), CheckOf(native) == BST_CHECKED) << "button " << i;
      const int image = (CheckOf(native) == BST_CHECKED ? 2 : 1) + (IsWindowEnabled(native) ? 0 : 2);
      EXPECT_TRUE(MarkIs(*Painted(Ours[i]), {0, kMarkTop}, image)) << "button " << i;
    }
  }

  std::vector<TRadioButton*> Ours;
  TGroup OurGroup, NativeGroup;
  std::vector<TSkinRadioButton*> NativeSkinners;
};

TEST_P(RadioKeys, ClicksSpaceAndArrowsMoveTheCheckAsInANativeGroup) {
  const auto key = [](WPARAM k) { return [k](HWND wnd) { Key(wnd, k); }; };
  {
    SCOPED_TRACE("click on the first");
    Both(0, Click);
  }
  // The arrows go round the group, past a disabled button; the check goes
  // with the focus.
  const WPARAM keys[] = {VK_DOWN, VK_DOWN, VK_DOWN, VK_UP, VK_RIGHT, VK_LEFT, VK_LEFT, VK_SPACE};
  const int enabled[] = {1, 2, 0, 2, 0, 2, 1, 1}, middleDisabled[] = {2, 0, 2, 0, 2, 0, 2, 2};
  for (size_t i = 0; i < std::size(keys); ++i) {
    SCOPED_TRACE("key " + std::to_string(i));
    Both(-1, key(keys[i]));
    const int expected = GetParam() ? middleDisabled[i] : enabled[i];
    EXPECT_EQ(OurGroup.Focused, expected);
    EXPECT_TRUE(Ours[size_t(expected)]->GetChecked());
  }
  {
    SCOPED_TRACE("click on the last, then space on it again");
    Both(2, Click);
    Both(2, key(VK_SPACE));
  }
}

INSTANTIATE_TEST_SUITE_P(CheckButtonSkin, RadioKeys, testing::Bool(),
                         [](const testing::TestParamInfo<bool>& i) {
                           return std::string(i.param ? "MiddleDisabled" : "AllEnabled");
                         });

// ---- Giving back ----

TEST_F(CheckSkinTest, UnskinningGivesBackWhatSkinningChanged) {
  AddCheck(L"Check", 10)->SetName(L"Check");
  TCheckBox* transparent = AddCheck(L"Transparent", 35);
  transparent->SetName(L"Transparent");
  transparent->SetTag(kTransparentTag);
  AddRadio(L"Radio", 60)->SetName(L"Radio");
  auto* group = Place(new TGroupBox(Form), L"Group", 140, 10, 150, 60);
  group->SetName(L"Group");
  auto* radioGroup = Place(new TRadioGroup(Form), L"Radio group", 140, 80, 150, 80);
  radioGroup->SetName(L"RadioGroup");
  radioGroup->GetItems()->Add(L"One");
  radioGroup->GetItems()->Add(L"Two");
  radioGroup->ItemsChanged();
  auto* panel = Place(new TPanel(Form), L"Panel", 10, 90, 120, 60);
  panel->SetName(L"Panel");
  panel->SetParentBackground(true);
  panel->SetColor(TColor(RGB(1, 2, 3)));
  const auto before = ControlStates(*Form);
  std::vector<TSkinControl*> skinners;
  for (TComponent* c : std::vector<TComponent*>(Form->Components())) {
    auto* control = dynamic_cast<TWinControl*>(c);
    if (!control) continue;
    TSkinControl* skinner = nullptr;
    if (dynamic_cast<TCheckBox*>(control))
      skinner = new TSkinCheckBox(control);
    else if (dynamic_cast<TRadioButton*>(control))
      skinner = new TSkinRadioButton(control);
    else if (dynamic_cast<TCustomGroupBox*>(control))
      skinner = new TSkinGroupBox(control);
    else if (dynamic_cast<TPanel*>(control))
      skinner = new TSkinBox(control);
    if (!skinner) continue;
    // As discovery does: the groups and panels own their colour.
    skinner->AttachControl(&Host, Skin.get(), !dynamic_cast<TButtonControl*>(control), nullptr);
    skinners.push_back(skinner);
  }
  for (TControl* button : radioGroup->Controls()) {
    auto* skinner = new TSkinRadioButton(button);
    skinner->AttachControl(&Host, Skin.get(), false, nullptr);
    skinners.push_back(skinner);
  }
  Application->ProcessMessages();
  EXPECT_EQ(panel->GetColor(), kFace);
  EXPECT_FALSE(panel->GetParentBackground());
  EXPECT_EQ(group->GetColor(), kFace);
  EXPECT_FALSE(ControlStates(*Form) == before);
  for (TSkinControl* s : skinners) {
    s->Detach();
    s->Release();
  }
  const auto after = ControlStates(*Form);
  for (const auto& [name, state] : before) {
    SCOPED_TRACE(WideToUtf8(name));
    ASSERT_EQ(after.count(name), 1u);
    EXPECT_TRUE(after.at(name) == state);
  }
}

}  // namespace
