// TSkinButton: the frame of each state, computed from the test strip; the
// click raised only by a press and release on the button; the click of a
// bare dialog button; the forced line break of "||"; and the control as it
// was once the skinner goes.
#include "host/Forms.h"
#include "skin/data/DataSkinObject.h"
#include "skin/draw/SkinPaint.h"
#include "skin/manager/SkinMessages.h"
#include "tests/win/skin/ButtonSkinFixture.h"
#include <typeinfo>

namespace {

class PushButtonFrames : public ButtonSkinTest, public testing::WithParamInterface<StateCase> {};

TEST_P(PushButtonFrames, ShowTheFrameOfTheirState) {
  const StateCase& c = GetParam();
  TButton* elsewhere = AddButton(L"", 200, 10);
  TButton* button = AddButton(L"");
  Attach<TSkinButton>(button);
  EnterState(button, elsewhere, c);
  // The caption's focus rectangle keeps to the middle; the ring is pure frame.
  EXPECT_TRUE(RingIs(*Painted(button), 6, [&](int x, int y) { return FramePixel(c.Frame, x, y); }));
}

INSTANTIATE_TEST_SUITE_P(PushButtonSkin, PushButtonFrames, testing::Values(
    StateCase{"Normal", false, false, false, false, false, 1},
    StateCase{"Hot", false, false, true, false, false, 4},
    StateCase{"Pressed", false, false, false, true, false, 2},
    StateCase{"Focused", false, true, false, false, false, 5},
    StateCase{"Default", true, false, false, false, false, 5},
    StateCase{"DefaultHot", true, false, true, false, false, 4},
    StateCase{"DefaultPressed", true, false, true, true, false, 2},
    StateCase{"Disabled", false, false, false, false, true, 3},
    StateCase{"DisabledDefaultHotPressed", true, false, true, true, true, 3}),
    CaseName);

constexpr TColor kNormal2 = TColor(RGB(200, 0, 0)), kOver2 = TColor(RGB(0, 200, 0)), kPressed2 = TColor(RGB(0, 0, 200));

struct TextColourCase {
  const char* Name;
  bool Normal2, Over2, Pressed2;  // the colours the skin defines
  bool Hot, Pressed, Disabled;
  TColor Expected;
};

class PushButtonTextColours : public ButtonSkinTest, public testing::WithParamInterface<TextColourCase> {};

TEST_P(PushButtonTextColours, ComeFromTheSkinByFrame) {
  const TextColourCase& c = GetParam();
  TDataSkinButton& e = *Skin->PushButtons;
  e.HasNormalColour2 = c.Normal2;
  e.HasMouseOverColour2 = c.Over2;
  e.HasPressedColour2 = c.Pressed2;
  e.NormalColour2 = kNormal2;
  e.MouseOverColour2 = kOver2;
  e.PressedColour2 = kPressed2;
  TButton* elsewhere = AddButton(L"", 200, 10);
  TButton* button = AddButton(L"WW");
  button->GetFont()->SetColor(clBlack);
  Attach<TSkinButton>(button);
  EnterState(button, elsewhere, {"", false, false, c.Hot, c.Pressed, c.Disabled, 0});
  SetFocus(elsewhere->Handle());  // the press took it: no focus rectangle
  auto painted = Painted(button);
  // The same button with the expected colour as its font's and no skin
  // colours paints alike (the text's edges blend the same way); another
  // font colour does not.
  e.HasNormalColour2 = e.HasMouseOverColour2 = e.HasPressedColour2 = false;
  button->GetFont()->SetColor(c.Expected);
  EXPECT_TRUE(SamePixels(*painted, *Painted(button)));
  if (c.Disabled) return;
  button->GetFont()->SetColor(TColor(RGB(1, 2, 3)));
  EXPECT_FALSE(SamePixels(*painted, *Painted(button)));
}

INSTANTIATE_TEST_SUITE_P(PushButtonSkin, PushButtonTextColours, testing::Values(
    TextColourCase{"FontColourWithoutSkinColours", false, false, false, false, false, false, clBlack},
    TextColourCase{"Normal", true, true, true, false, false, false, kNormal2},
    TextColourCase{"Hot", true, true, true, true, false, false, kOver2},
    TextColourCase{"Pressed", true, true, true, false, true, false, kPressed2},
    TextColourCase{"NormalColourInEveryFrame", true, false, false, true, false, false, kNormal2},
    TextColourCase{"Disabled", true, true, true, false, false, true, clBtnShadow}),
    [](const testing::TestParamInfo<TextColourCase>& i) { return std::string(i.param.Name); });

TEST_F(ButtonSkinTest, ALargerButtonGetsItsFrameInNineSlices) {
  Skin->PushButtons->LeftWidth = 3;
  Skin->PushButtons->TopHeight = 4;
  Skin->PushButtons->RightWidth = 5;
  Skin->PushButtons->BottomHeight = 6;
  TButton* elsewhere = AddButton(L"", 200, 10);
  TButton* button = AddButton(L"", 10, 10, 90, 50);
  Attach<TSkinButton>(button);
  SetFocus(elsewhere->Handle());
  for (int frame : {1, 3}) {
    button->SetEnabled(frame == 1);
    auto expected = ComposeNineSlice({0, 0, 90, 50}, *Skin->PushButtons->Image, {3, 4, 5, 6}, false, false, 5, frame);
    EXPECT_TRUE(RingIs(*Painted(button), 8, [&](int x, int y) { return expected->Pixel(x, y); })) << frame;
  }
}

TEST_F(ButtonSkinTest, WithoutAButtonImageNothingIsPaintedAndTheNativeButtonStillNever) {
  Skin->PushButtons->Image.reset();
  TButton* button = AddButton(L"OK");
  Attach<TSkinButton>(button);
  auto painted = Painted(button);
  EXPECT_TRUE(RingIs(*painted, kFrameH / 2, [](int, int) { return kBackground; }));
}

TEST_F(ButtonSkinTest, DetachHandsThePaintingBackAndReleaseTheWindowProc) {
  TButton* button = AddButton(L"");
  const TColor colour = button->GetColor();
  button->WindowProc = Probe{button->WindowProc};
  TSkinButton* skinner = Attach<TSkinButton>(button);
  EXPECT_EQ(SendMessageW(button->Handle(), WM_SKIN_QUERY, 0, 0), 1);
  skinner->Detach();
  // Asks for a repaint in the button's own look, which it then gets.
  EXPECT_TRUE(GetUpdateRect(button->Handle(), nullptr, FALSE));
  EXPECT_EQ(SendMessageW(button->Handle(), WM_SKIN_QUERY, 0, 0), 0);
  EXPECT_FALSE(RingIs(*Painted(button), 6, [](int x, int y) { return FramePixel(1, x, y); }));
  skinner->Release();
  EXPECT_NE(button->WindowProc.target<Probe>(), nullptr);
  EXPECT_EQ(button->GetColor(), colour);
}

class ButtonClicks : public ButtonSkinTest {
protected:
  void SetUp() override {
    ButtonSkinTest::SetUp();
    Button = AddButton(L"OK");
    Attach<TSkinButton>(Button);
    Button->OnClick = [this](TObject*) { ++Clicks; };
  }
  void Send(UINT msg, WPARAM wparam = 0) { SendMessageW(Button->Handle(), msg, wparam, MAKELPARAM(5, 5)); }
  TButton* Button = nullptr;
  int Clicks = 0;
};

TEST_F(ButtonClicks, PressingMovingOffAndReleasingIsNoClick) {
  Send(WM_LBUTTONDOWN, MK_LBUTTON);
  Send(WM_MOUSELEAVE);
  Send(WM_LBUTTONUP);
  Application->ProcessMessages();
  EXPECT_EQ(Clicks, 0);
  // Nor does it stay pressed.
  EXPECT_TRUE(RingIs(*Painted(Button), 6, [](int x, int y) { return FramePixel(5, x, y); }));
}

TEST_F(ButtonClicks, AClickThroughTheQueueClicksOnce) {
  PostMessageW(Button->Handle(), WM_LBUTTONDOWN, MK_LBUTTON, MAKELPARAM(5, 5));
  PostMessageW(Button->Handle(), WM_LBUTTONUP, 0, MAKELPARAM(5, 5));
  Application->ProcessMessages();
  EXPECT_EQ(Clicks, 1);
  // The system's own click goes through the same messages.
  SendMessageW(Button->Handle(), BM_CLICK, 0, 0);
  Application->ProcessMessages();
  EXPECT_EQ(Clicks, 2);
}

TEST_F(ButtonClicks, AReleaseWithoutAPressIsNoClick) {
  Send(WM_LBUTTONUP);
  Application->ProcessMessages();
  EXPECT_EQ(Clicks, 0);
}

TEST_F(ButtonClicks, SpaceDownAndUpShowPressedThenNotPressed) {
  Send(WM_KEYDOWN, VK_SPACE);
  EXPECT_TRUE(RingIs(*Painted(Button), 6, [](int x, int y) { return FramePixel(2, x, y); }));
  Send(WM_KEYUP, VK_SPACE);
  EXPECT_FALSE(RingIs(*Painted(Button), 6, [](int x, int y) { return FramePixel(2, x, y); }));
}

// A button family that handles its own mouse-down, under a name longer
// than a short string holds.
class TRzLongNamedPushButton : public TButton {
public:
  DECLARE_CLASS_INFO
  using TButton::TButton;
};
DEFINE_CLASS_INFO(TRzLongNamedPushButton, TButton, {})

TEST_F(ButtonSkinTest, OnlyButtonsOfOtherFamiliesHearTheForwardedMouseDown) {
  TButton* plain = AddButton(L"", 10, 10);
  auto* own = Place(new TRzLongNamedPushButton(Form), L"", 60, 10, kFrameW, kFrameH);
  int plainDowns = 0, ownDowns = 0;
  plain->OnMouseDown = [&](TObject*, TMouseButton, TShiftState, int, int) { ++plainDowns; };
  own->OnMouseDown = [&](TObject*, TMouseButton, TShiftState, int, int) { ++ownDowns; };
  EXPECT_EQ(Attach<TSkinButton>(plain)->Mode(), 0);
  EXPECT_EQ(Attach<TSkinButton>(own)->Mode(), 1);
  for (TButton* b : {plain, static_cast<TButton*>(own)})
    SendMessageW(b->Handle(), WM_LBUTTONDOWN, MK_LBUTTON, MAKELPARAM(5, 5));
  EXPECT_EQ(plainDowns, 1);
  EXPECT_EQ(ownDowns, 0);
}

// A dialog of the system whose WM_COMMAND messages are kept.
std::vector<std::pair<WPARAM, LPARAM>> DialogCommands;
INT_PTR CALLBACK CommandDialogProc(HWND, UINT msg, WPARAM wparam, LPARAM lparam) {
  if (msg == WM_COMMAND) DialogCommands.emplace_back(wparam, lparam);
  return FALSE;
}

struct BareButtonCase {
  const char* Name;
  const wchar_t* ClassName;
  WPARAM Expected;  // kId: the control ID
};
constexpr WPARAM kId = 1234;

class BareButtons : public ButtonSkinTest, public testing::WithParamInterface<BareButtonCase> {};

TEST_P(BareButtons, TellTheirParentOfAClick) {
  AddButton(L"registers the class library's button class");
  struct {
    DLGTEMPLATE t;
    WORD menu, cls, title;
  } tpl{};
  tpl.t.style = WS_POPUP | WS_CAPTION | WS_VISIBLE;
  tpl.t.cx = 120;
  tpl.t.cy = 60;
  const HWND dialog = CreateDialogIndirectParamW(GetModuleHandleW(nullptr), &tpl.t, nullptr, CommandDialogProc, 0);
  ASSERT_NE(dialog, nullptr);
  const HWND button = CreateWindowExW(0, GetParam().ClassName, L"OK", WS_CHILD | WS_VISIBLE | BS_PUSHBUTTON, 5, 5, 60,
                                      22, dialog, HMENU(kId), GetModuleHandleW(nullptr), nullptr);
  ASSERT_NE(button, nullptr);
  auto* skinner = new TSkinButton(nullptr);
  skinner->AttachWindow(button, Skin.get(), &Host, nullptr);
  DialogCommands.clear();
  PostMessageW(button, WM_LBUTTONDOWN, MK_LBUTTON, MAKELPARAM(5, 5));
  PostMessageW(button, WM_LBUTTONUP, 0, MAKELPARAM(5, 5));
  Application->ProcessMessages();
  ASSERT_EQ(DialogCommands.size(), 1u);
  EXPECT_EQ(DialogCommands[0].first, GetParam().Expected);
  EXPECT_EQ(DialogCommands[0].second, LPARAM(button));
  skinner->Release();
  DestroyWindow(dialog);
}

INSTANTIATE_TEST_SUITE_P(PushButtonSkin, BareButtons, testing::Values(
    BareButtonCase{"SystemButton", L"Button", kId},
    // The class library's button class, in any letter case: no control ID.
    BareButtonCase{"ClassLibraryButton", L"tBuTtOn", 0}),
    [](const testing::TestParamInfo<BareButtonCase>& i) { return std::string(i.param.Name); });

// Rows of the painting that hold caption pixels (anything not from the
// strip), counted as runs of neighbouring rows.
int TextLines(const TBitmap& painted) {
  int lines = 0;
  bool inLine = false;
  for (int y = 0; y < painted.Height(); ++y) {
    bool text = false;
    for (int x = 0; x < painted.Width() && !text; ++x) text = !IsCoordColour(painted.Pixel(x, y));
    if (text && !inLine) ++lines;
    inLine = text;
  }
  return lines;
}

struct CaptionCase {
  const wchar_t* Caption;
  const wchar_t* SameAs;  // painted exactly like this caption, if given
  int Lines;
};

class CaptionBreaks : public ButtonSkinTest, public testing::WithParamInterface<CaptionCase> {};

TEST_P(CaptionBreaks, BreakOnlyAtTheFirstDoubleBar) {
  TButton* elsewhere = AddButton(L"", 250, 10);
  TButton* button = AddButton(GetParam().Caption, 10, 10, 120, 60);
  Attach<TSkinButton>(button);
  SetFocus(elsewhere->Handle());
  auto painted = Painted(button);
  EXPECT_EQ(TextLines(*painted), GetParam().Lines);
  if (!GetParam().SameAs) return;
  button->SetText(GetParam().SameAs);
  EXPECT_TRUE(SamePixels(*painted, *Painted(button)));
}

INSTANTIATE_TEST_SUITE_P(PushButtonSkin, CaptionBreaks, testing::Values(
    CaptionCase{L"AB||CD", L"AB\r\nCD", 2},
    CaptionCase{L"AB||CD||EF", nullptr, 2},  // "CD||EF" is the second line
    CaptionCase{L"||AB", L"\r\nAB", 1},
    CaptionCase{L"ABCD", nullptr, 1}));

}  // namespace
