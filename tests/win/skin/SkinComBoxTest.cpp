// Combo boxes: the frame and the drop-down button painted from the skin in
// the state the box is in, the button on either side, the text area left as
// the native control painted it; simple combo boxes keep their own look.
#include "host/ComboBoxes.h"
#include "skin/controls/ComboxScrollBar.h"
#include "skin/controls/SkinComBox.h"
#include "skin/controls/SkinScrollbarH.h"
#include "skin/draw/NineSlice.h"
#include "tests/win/skin/ControlSkinnerKit.h"

using namespace skinload;

namespace {
// One solid colour per state frame (normal, pressed, disabled, hot) of the
// frame, the button and the arrow glyph.
TColor EdgeColour(int frame) { return TColor(RGB(100 + frame, 0, 0)); }
TColor ButtonColour(int frame) { return TColor(RGB(0, 100 + frame, 0)); }
TColor GlyphColour(int frame) { return TColor(RGB(0, 0, 100 + frame)); }
constexpr int kGlyphW = 5, kGlyphH = 4;

// Without a "SunkEdge" the skin's button strip is used as it is; with one,
// loading composes whole combo pictures from both (the shipped skins' case).
TTestSkin ComboSkin(bool sunkEdge) {
  TTestSkin skin;
  skin.Add("edge.bmp", Bmp24(4 * 6, 6, [](int x, int) { return EdgeColour(x / 6 + 1); }))
      .Add("button.bmp", Bmp24(4 * 8, 8, [](int x, int) { return ButtonColour(x / 8 + 1); }))
      .Add("extra.bmp", Bmp24(5 * kGlyphW, kGlyphH, [](int x, int) { return GlyphColour(x / kGlyphW + 1); }));
  const std::string margins = "LeftWidth=2\r\nTopHeight=2\r\nRightWidth=2\r\nBottomHeight=2\r\nTrans=0\r\nTile=0\r\n";
  skin.Ini = "[ComboButton]\r\nImage=button.bmp\r\n" + margins +
             "[ExtraImages]\r\nImage=extra.bmp\r\nLeftWidth=0\r\nTopHeight=0\r\nRightWidth=0\r\nBottomHeight=0\r\n"
             "Trans=0\r\n";
  if (sunkEdge) skin.Ini += "[SunkEdge]\r\nImage=edge.bmp\r\n" + margins;
  return skin;
}

class ComboSkinner : public ControlSkinnerTest {
protected:
  void SetUp() override {
    ControlSkinnerTest::SetUp();
    LoadSkin(ComboSkin(false));
  }
  TComboBox* AddCombo(TComboBoxStyle style) {
    auto* combo = new TComboBox(Form.get());
    combo->SetStyle(style);
    combo->SetParent(Form.get());
    combo->SetBounds(10, 10, 140, style == csSimple ? 90 : 21);
    for (const wchar_t* row : {L"one", L"two", L"three"}) combo->AddItem(row);
    combo->HandleNeeded();
    return combo;
  }
  // The expected picture of a skinned drop-down box in a state frame: the
  // button from "ComboButton" with the glyph centred on it, the rest as the
  // native control painted it.
  static testing::AssertionResult LooksSkinned(const TBitmap& picture, const TBitmap& native, int frame,
                                               bool buttonLeft) {
    const int w = picture.Width(), h = picture.Height(), bw = GetSystemMetrics(SM_CXHSCROLL);
    const RECT button = buttonLeft ? RECT{0, 0, bw + 2, h} : RECT{w - bw - 2, 0, w, h};
    const RECT glyphBox = buttonLeft ? RECT{2, 0, bw + 2, h} : RECT{w - bw - 2, 0, w - 2, h};
    const int gx = glyphBox.left + (glyphBox.right - glyphBox.left - kGlyphW) / 2, gy = (h - kGlyphH) / 2;
    return PixelsAre(picture, w, h, [&](int x, int y) {
      const POINT p{x, y};
      if (x >= gx && x < gx + kGlyphW && y >= gy && y < gy + kGlyphH) return GlyphColour(frame);
      if (PtInRect(&button, p)) return ButtonColour(frame);
      return native.Pixel(x, y);
    });
  }
};

struct StateCase {
  const char* Name;
  bool Enabled, Pressed, HotOrFocused, Style1;
  TComboFrame Frame;
};

class ComboStates : public testing::TestWithParam<StateCase> {};

TEST_P(ComboStates, EachStateHasItsFrame) {
  const StateCase& c = GetParam();
  EXPECT_EQ(ComboStateFrame(c.Enabled, c.Pressed, c.HotOrFocused, c.Style1), c.Frame);
}

INSTANTIATE_TEST_SUITE_P(SkinComBox, ComboStates, testing::Values(
    StateCase{"Normal", true, false, false, false, cfNormal},
    StateCase{"Pressed", true, true, true, false, cfPressed},
    StateCase{"HotOrFocused", true, false, true, false, cfHot},
    StateCase{"DisabledWhileHot", false, false, true, false, cfDisabled},
    StateCase{"DisabledWhilePressed", false, true, false, false, cfDisabled},
    StateCase{"Style1Normal", true, false, false, true, cfNormal},
    StateCase{"Style1Disabled", false, false, false, true, cfDisabled},
    StateCase{"Style1PressedBeforeDisabled", false, true, false, true, cfPressed},
    StateCase{"Style1HotBeforeDisabled", false, false, true, true, cfHot}),
    [](const testing::TestParamInfo<StateCase>& i) { return std::string(i.param.Name); });

struct PaintCase {
  const char* Name;
  TComboBoxStyle Style;
  bool ButtonLeft, Disabled, Focused, Hot;
  TComboFrame Frame;
};

class ComboPaint : public ComboSkinner, public testing::WithParamInterface<PaintCase> {};

TEST_P(ComboPaint, FrameAndButtonFromTheSkinOverTheNativeTextArea) {
  const PaintCase& c = GetParam();
  TComboBox* combo = AddCombo(c.Style);
  const HWND wnd = combo->Handle();
  if (c.ButtonLeft) SetWindowLongPtrW(wnd, GWL_EXSTYLE, GetWindowLongPtrW(wnd, GWL_EXSTYLE) | WS_EX_LEFTSCROLLBAR);
  if (c.Disabled) combo->SetEnabled(false);
  Form->Show();
  if (c.Focused)
    combo->SetFocus();
  else
    SetFocus(Form->Handle());
  const std::unique_ptr<TBitmap> native = Picture(wnd);
  auto* skinner = SkinControl<TSkinComBox>(*combo);
  if (c.Hot) {
    Picture(wnd);  // the button is where it was last painted
    const RECT& b = skinner->ButtonRect();
    SendMessageW(wnd, WM_MOUSEMOVE, 0, MAKELPARAM((b.left + b.right) / 2, (b.top + b.bottom) / 2));
  }
  EXPECT_TRUE(LooksSkinned(*Picture(wnd), *native, c.Frame, c.ButtonLeft));
}

INSTANTIATE_TEST_SUITE_P(SkinComBox, ComboPaint, testing::Values(
    PaintCase{"DropDown", csDropDown, false, false, false, false, cfNormal},
    PaintCase{"DropDownList", csDropDownList, false, false, false, false, cfNormal},
    PaintCase{"FocusedInItsEdit", csDropDown, false, false, true, false, cfHot},
    PaintCase{"FocusedList", csDropDownList, false, false, true, false, cfHot},
    PaintCase{"HotOverTheButton", csDropDownList, false, false, false, true, cfHot},
    PaintCase{"Disabled", csDropDown, false, true, false, false, cfDisabled},
    PaintCase{"DisabledUnderTheMouse", csDropDownList, false, true, false, true, cfDisabled},
    // The mirrored strip holds its frames in reverse; the state still picks its own.
    PaintCase{"ButtonLeft", csDropDownList, true, false, false, false, cfNormal},
    PaintCase{"ButtonLeftDisabled", csDropDown, true, true, false, false, cfDisabled}),
    [](const testing::TestParamInfo<PaintCase>& i) { return std::string(i.param.Name); });

TEST_F(ComboSkinner, MovingOffTheButtonClearsHotAndMovingWithinKeepsIt) {
  TComboBox* combo = AddCombo(csDropDownList);
  const HWND wnd = combo->Handle();
  auto* skinner = SkinControl<TSkinComBox>(*combo);
  Picture(wnd);
  const RECT b = skinner->ButtonRect();
  SendMessageW(wnd, WM_MOUSEMOVE, 0, MAKELPARAM(b.left + 1, b.top + 1));
  EXPECT_TRUE(skinner->MouseState() & msHot);
  SendMessageW(wnd, WM_MOUSEMOVE, 0, MAKELPARAM(b.right - 2, b.bottom - 2));
  EXPECT_TRUE(skinner->MouseState() & msHot);
  SendMessageW(wnd, WM_MOUSEMOVE, 0, MAKELPARAM(3, 3));  // the text area
  EXPECT_FALSE(skinner->MouseState() & msHot);
}

TEST_F(ComboSkinner, ADropDownListHasNoEditToFollowAndADropDownHasOne) {
  TComboBox* list = AddCombo(csDropDownList);
  TComboBox* edit = AddCombo(csDropDown);
  EXPECT_EQ(SkinControl<TSkinComBox>(*list)->EditHandle(), nullptr);
  auto* skinner = SkinControl<TSkinComBox>(*edit);
  ASSERT_NE(skinner->EditHandle(), nullptr);
  EXPECT_EQ(skinner->EditHandle(), GetTopWindow(edit->Handle()));
  // A click in the edit shows the box pressed until the button comes up.
  SendMessageW(skinner->EditHandle(), WM_LBUTTONDOWN, MK_LBUTTON, MAKELPARAM(2, 2));
  EXPECT_TRUE(skinner->MouseState() & msPressed);
  SendMessageW(skinner->EditHandle(), WM_LBUTTONUP, 0, MAKELPARAM(2, 2));
  EXPECT_FALSE(skinner->MouseState() & msPressed);
}

TEST_F(ComboSkinner, TheEditRepaintingItselfBringsTheFrameBack) {
  TComboBox* combo = AddCombo(csDropDown);
  Form->Show();
  SetFocus(Form->Handle());
  SkinControl<TSkinComBox>(*combo);
  const HWND wnd = combo->Handle();
  WindowPicture(wnd);
  // Paint over the button behind the skinner's back, then let only the edit repaint.
  RECT r;
  GetWindowRect(wnd, &r);
  const int w = r.right - r.left;
  {
    TWholeWindowDC dc(wnd);
    FillColor(dc.Get(), {0, 0, w, r.bottom - r.top}, kKey);
  }
  RedrawWindow(GetTopWindow(wnd), nullptr, nullptr, RDW_INVALIDATE | RDW_UPDATENOW);
  TWholeWindowDC dc(wnd);
  EXPECT_EQ(TColor(GetPixel(dc.Get(), w - 3, 1)), ButtonColour(cfNormal));
}

TEST_F(ComboSkinner, TheListsGetBarSkinnersThatGoOnDetach) {
  TComboBox* drop = AddCombo(csDropDownList);
  TComboBox* simple = AddCombo(csSimple);
  auto* dropSkinner = SkinControl<TSkinComBox>(*drop);
  auto* simpleSkinner = SkinControl<TSkinComBox>(*simple);
  COMBOBOXINFO dropInfo{sizeof dropInfo}, simpleInfo{sizeof simpleInfo};
  ASSERT_TRUE(GetComboBoxInfo(drop->Handle(), &dropInfo));
  ASSERT_TRUE(GetComboBoxInfo(simple->Handle(), &simpleInfo));
  ASSERT_NE(dropSkinner->DropScrollBar(), nullptr);
  EXPECT_EQ(dropSkinner->DropScrollBar()->WindowHandle(), dropInfo.hwndList);
  EXPECT_EQ(dropSkinner->ListScrollBars(), nullptr);
  ASSERT_NE(simpleSkinner->ListScrollBars(), nullptr);
  EXPECT_EQ(simpleSkinner->ListScrollBars()->WindowHandle(), simpleInfo.hwndList);
  EXPECT_TRUE(Skinned(dropInfo.hwndList));
  EXPECT_TRUE(Skinned(simpleInfo.hwndList));
  dropSkinner->Detach();
  simpleSkinner->Detach();
  EXPECT_EQ(dropSkinner->DropScrollBar(), nullptr);
  EXPECT_FALSE(Skinned(dropInfo.hwndList));
  EXPECT_FALSE(Skinned(simpleInfo.hwndList));
}

TEST_F(ComboSkinner, ASimpleComboBoxKeepsItsOwnLook) {
  TComboBox* combo = AddCombo(csSimple);
  const HWND wnd = combo->Handle();
  const std::unique_ptr<TBitmap> native = Picture(wnd);
  auto* skinner = SkinControl<TSkinComBox>(*combo);
  EXPECT_TRUE(SameBitmaps(*Picture(wnd), *native));
  EXPECT_EQ(skinner->EditHandle(), nullptr);
  EXPECT_NE(skinner->ListHandle(), nullptr);
}

TEST_F(ComboSkinner, DetachGivesTheEditBackAndTheNativePicture) {
  TComboBox* combo = AddCombo(csDropDown);
  const HWND edit = GetTopWindow(combo->Handle());
  const LONG_PTR editProc = GetWindowLongPtrW(edit, GWLP_WNDPROC);
  ExpectDetachRestoresTheNativePicture<TSkinComBox>(*combo);
  EXPECT_EQ(GetWindowLongPtrW(edit, GWLP_WNDPROC), editProc);
}

struct ComposedCase {
  const char* Name;
  bool Disabled;
  TComboFrame Frame;
};

class ComposedCombo : public ComboSkinner, public testing::WithParamInterface<ComposedCase> {};

// The composed picture is laid over the whole box, see-through where the
// text is; on the left the mirrored one, in the same state.
TEST_P(ComposedCombo, TheWholeBoxFromTheComposedPictureAndMirroredOnTheLeft) {
  LoadSkin(ComboSkin(true));
  ASSERT_EQ(Data->ComboButton->Style, 2);
  TComboBox* right = AddCombo(csDropDownList);
  TComboBox* left = AddCombo(csDropDownList);
  SetWindowLongPtrW(left->Handle(), GWL_EXSTYLE, GetWindowLongPtrW(left->Handle(), GWL_EXSTYLE) | WS_EX_LEFTSCROLLBAR);
  for (TComboBox* c : {right, left}) c->SetEnabled(!GetParam().Disabled);
  const std::unique_ptr<TBitmap> native = Picture(right->Handle());
  SkinControl<TSkinComBox>(*right);
  SkinControl<TSkinComBox>(*left);
  const std::unique_ptr<TBitmap> picture = Picture(right->Handle());
  const int w = picture->Width(), h = picture->Height();
  const TDataSkinBorder& combo = *Data->ComboButton;
  std::unique_ptr<TBitmap> expected = Target(w, h);
  BitBlt(expected->Canvas().Handle(), 0, 0, w, h, native->Canvas().Handle(), 0, 0, SRCCOPY);
  DrawSkinElement(expected->Canvas().Handle(), {0, 0, w, h}, *combo.Image, SkinMargins(combo), false, false, true,
                  combo.FrameCount, GetParam().Frame);
  EXPECT_TRUE(SameBitmaps(*picture, *expected));
  // The button end of the left box is the right box's, mirrored.
  const std::unique_ptr<TBitmap> mirrored = Picture(left->Handle());
  const int button = GetSystemMetrics(SM_CXHSCROLL) + 4;
  int differing = 0;
  for (int y = 0; y < h; ++y)
    for (int x = 0; x < button; ++x) differing += mirrored->Pixel(x, y) != picture->Pixel(w - 1 - x, y);
  EXPECT_EQ(differing, 0);
}

INSTANTIATE_TEST_SUITE_P(SkinComBox, ComposedCombo,
                         testing::Values(ComposedCase{"Normal", false, cfNormal},
                                         ComposedCase{"Disabled", true, cfDisabled}),
                         [](const testing::TestParamInfo<ComposedCase>& i) { return std::string(i.param.Name); });

TEST_F(ComboSkinner, ABareComboWindowOfAnotherProgramIsSkinnedAlike) {
  // The system's own class, made without the class library.
  const HWND wnd = CreateWindowExW(0, L"COMBOBOX", L"", WS_CHILD | WS_VISIBLE | CBS_DROPDOWNLIST | WS_VSCROLL, 10, 40,
                                   140, 120, Form->Handle(), nullptr, nullptr, nullptr);
  ASSERT_NE(wnd, nullptr);
  SendMessageW(wnd, WM_SETFONT, WPARAM(GetStockObject(DEFAULT_GUI_FONT)), 0);
  const std::unique_ptr<TBitmap> native = Picture(wnd);
  auto* skinner = SkinWindow<TSkinComBox>(wnd);
  EXPECT_TRUE(LooksSkinned(*Picture(wnd), *native, cfNormal, false));
  skinner->Detach();
  EXPECT_TRUE(SameBitmaps(*Picture(wnd), *native));
  DestroyWindow(wnd);
}

TEST(ComboBoxes, RowsAndSelectionSurviveANewStyle) {
  TForm form(nullptr);
  auto* combo = new TComboBox(&form);
  combo->SetParent(&form);
  combo->SetBounds(0, 0, 100, 21);
  for (const wchar_t* row : {L"a", L"b", L"c"}) combo->AddItem(row);
  combo->SetItemIndex(2);
  combo->HandleNeeded();
  EXPECT_EQ(SendMessageW(combo->Handle(), CB_GETCOUNT, 0, 0), 3);
  EXPECT_EQ(combo->GetItemIndex(), 2);
  combo->SetStyle(csDropDownList);
  EXPECT_EQ(GetWindowLongPtrW(combo->Handle(), GWL_STYLE) & 3, CBS_DROPDOWNLIST);
  EXPECT_EQ(SendMessageW(combo->Handle(), CB_GETCOUNT, 0, 0), 3);
  EXPECT_EQ(combo->GetItemIndex(), 2);
  combo->SetItemIndex(7);  // out of range: no selection
  EXPECT_EQ(combo->GetItemIndex(), -1);
}

TEST(ComboBoxes, TheDroppedAreaHoldsDropDownCountRows) {
  TForm form(nullptr);
  auto* combo = new TComboBox(&form);
  combo->SetParent(&form);
  combo->SetBounds(0, 0, 100, 21);
  for (int i = 0; i < 20; ++i) combo->AddItem(std::to_wstring(i));
  combo->SetDropDownCount(5);
  combo->HandleNeeded();
  const int row = int(SendMessageW(combo->Handle(), CB_GETITEMHEIGHT, 0, 0));
  RECT closed{};
  GetWindowRect(combo->Handle(), &closed);
  // The dropped area is the list alone here; some systems count the closed box in.
  auto holdsRows = [&](int rows) {
    RECT dropped{};
    SendMessageW(combo->Handle(), CB_GETDROPPEDCONTROLRECT, 0, LPARAM(&dropped));
    const int height = dropped.bottom - dropped.top, list = rows * row + 2;
    return height == list || height == closed.bottom - closed.top + list;
  };
  EXPECT_TRUE(holdsRows(5));
  combo->SetDropDownCount(8);
  EXPECT_TRUE(holdsRows(8));
  form.Show();
  combo->SetDroppedDown(true);
  EXPECT_TRUE(combo->GetDroppedDown());
  // What opens shows DropDownCount rows and scrolls the rest, also where the
  // list counts rows instead of taking the window's height.
  COMBOBOXINFO info{sizeof info};
  ASSERT_TRUE(GetComboBoxInfo(combo->Handle(), &info));
  RECT list{};
  GetWindowRect(info.hwndList, &list);
  EXPECT_GE(list.bottom - list.top, 8 * row);
  EXPECT_LT(list.bottom - list.top, 9 * row);
  combo->SetDroppedDown(false);
  EXPECT_FALSE(combo->GetDroppedDown());
}
}  // namespace
