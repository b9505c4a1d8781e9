// Up-down controls painted from the skin: two buttons whose frames follow
// their state, drawn arrows without the skin's strips, the arrow glyphs,
// and a spin button inside an edit that keeps clear of the edit's border.
#include "skin/controls/SkinEdit.h"
#include "skin/controls/SkinUpDown.h"
#include "tests/win/skin/ControlSkinnerKit.h"
#include <set>

using namespace skinload;

namespace {
// Frame i (1-based) of the vertical and horizontal strips and of their
// glyph strips, each one solid colour.
TColor VertFrame(int i) { return TColor(RGB(20 * i, 100, 150)); }
TColor HorzFrame(int i) { return TColor(RGB(20 * i, 160, 150)); }
TColor VertGlyph(int i) { return TColor(RGB(20 * i, 30, 200)); }
TColor HorzGlyph(int i) { return TColor(RGB(20 * i, 60, 200)); }
constexpr int kGlyphW = 4, kGlyphH = 2;

std::vector<TColor> Frames(TColor (*colour)(int)) {
  std::vector<TColor> frames;
  for (int i = 1; i <= kUpDownFrames; ++i) frames.push_back(colour(i));
  return frames;
}

TTestSkin StripSkin(bool glyphs = true) {
  TTestSkin skin;
  skin.Add("v.bmp", StripBmp(6, 6, Frames(VertFrame))).Add("h.bmp", StripBmp(6, 6, Frames(HorzFrame)));
  skin.Add("vg.bmp", StripBmp(kGlyphW, kGlyphH, Frames(VertGlyph)));
  skin.Add("hg.bmp", StripBmp(kGlyphW, kGlyphH, Frames(HorzGlyph)));
  const std::string vg = glyphs ? "GlyphImage=vg.bmp\r\n" : "", hg = glyphs ? "GlyphImage=hg.bmp\r\n" : "";
  skin.Ini = "[UpDown.Vert]\r\nImage=v.bmp\r\n" + vg + "[UpDown.Horz]\r\nImage=h.bmp\r\n" + hg;
  return skin;
}

// The two buttons of a w x h up-down split along its length, each its
// frame stretched, with the glyph frame centred at its own size.
TPixelFunction Buttons(int w, int h, bool horizontal, int firstFrame, int secondFrame, bool glyphs = true) {
  return [=](int x, int y) {
    const int half = horizontal ? w / 2 : h / 2;
    const bool second = (horizontal ? x : y) >= half;
    const RECT b = horizontal ? (second ? RECT{half, 0, w, h} : RECT{0, 0, half, h})
                              : (second ? RECT{0, half, w, h} : RECT{0, 0, w, half});
    const int frame = second ? secondFrame : firstFrame;
    const int gx = b.left + (b.right - b.left - kGlyphW) / 2, gy = b.top + (b.bottom - b.top - kGlyphH) / 2;
    if (glyphs && x >= gx && x < gx + kGlyphW && y >= gy && y < gy + kGlyphH)
      return horizontal ? HorzGlyph(frame) : VertGlyph(frame);
    return horizontal ? HorzFrame(frame) : VertFrame(frame);
  };
}

enum TPress { prNone, prFirstHalf, prSecondHalf };

struct UpDownCase {
  const char* Name;
  bool HorizontalStyle;
  int HorizontalMode;
  bool Enabled;
  TPress Press;
  int FirstFrame, SecondFrame;  // of the strip of the orientation shown
};

class UpDownStates : public ControlSkinnerTest, public testing::WithParamInterface<UpDownCase> {
protected:
  // A left press at the middle of one half, the cursor put there first:
  // the skinner reads the real cursor.
  void PressAt(HWND wnd, POINT client) {
    POINT screen = client;
    ClientToScreen(wnd, &screen);
    SetCursorPos(screen.x, screen.y);
    ASSERT_TRUE(WaitFor([&] {
      POINT now;
      return GetCursorPos(&now) && now.x == screen.x && now.y == screen.y;
    }));
    SendMessageW(wnd, WM_LBUTTONDOWN, MK_LBUTTON, MAKELPARAM(client.x, client.y));
  }
};

TEST_P(UpDownStates, EachButtonShowsTheFrameOfItsArrowAndState) {
  const UpDownCase& c = GetParam();
  LoadSkin(StripSkin());
  const bool horizontal = c.HorizontalStyle || c.HorizontalMode == 1;
  const int w = horizontal ? 24 : 16, h = horizontal ? 16 : 24;
  auto* upDown = Add<TUpDown>(20, 20, w, h);
  upDown->SetOrientation(c.HorizontalStyle ? udHorizontal : udVertical);
  upDown->SetEnabled(c.Enabled);
  auto* skinner = SkinControl<TSkinUpDown>(*upDown);
  skinner->SetHorizontalMode(c.HorizontalMode);
  const HWND wnd = upDown->Handle();
  // Keep the cursor off the control unless a case presses it.
  SetCursorPos(0, 0);
  if (c.Press != prNone) {
    const int along = (c.Press == prFirstHalf ? 1 : 3) * (horizontal ? w : h) / 4;
    PressAt(wnd, horizontal ? POINT{along, h / 2} : POINT{w / 2, along});
    ASSERT_FALSE(HasFatalFailure());
  }
  EXPECT_TRUE(PixelsAre(*Picture(wnd), w, h, Buttons(w, h, horizontal, c.FirstFrame, c.SecondFrame)));
  if (c.Press != prNone) SendMessageW(wnd, WM_LBUTTONUP, 0, 0);
}

// Frames: up 1-4 and down 5-8 of the vertical strip, left 1-4 and right 5-8
// of the horizontal one; states 1 normal, 2 pressed, 3 disabled.
INSTANTIATE_TEST_SUITE_P(SkinUpDown, UpDownStates, testing::Values(
    UpDownCase{"Normal", false, 0, true, prNone, 1, 5},
    UpDownCase{"Disabled", false, 0, false, prNone, 3, 7},
    UpDownCase{"PressedLowerHalf", false, 0, true, prSecondHalf, 1, 6},
    UpDownCase{"PressedUpperHalf", false, 0, true, prFirstHalf, 2, 5},
    UpDownCase{"HorizontalStyle", true, 0, true, prNone, 1, 5},
    UpDownCase{"HorizontalPressedRight", true, 0, true, prSecondHalf, 1, 6},
    UpDownCase{"HorizontalDisabled", true, 0, false, prNone, 3, 7},
    UpDownCase{"HorizontalModeOverridesTheStyle", false, 1, true, prNone, 1, 5}),
    [](const testing::TestParamInfo<UpDownCase>& i) { return std::string(i.param.Name); });

TEST(SkinUpDown, FramesOfTheEightFrameStrips) {
  for (int state = asNormal; state <= asHot; ++state) {
    const auto s = TArrowState(state);
    EXPECT_EQ(UpDownFrame(akUp, s), state);
    EXPECT_EQ(UpDownFrame(akDown, s), state + 4);
    EXPECT_EQ(UpDownFrame(akLeft, s), state);
    EXPECT_EQ(UpDownFrame(akRight, s), state + 4);
  }
}

struct StateCase {
  bool Enabled, Pressed, Hot;
  int Cursor;  // along the split; the split is at 10
  TArrowState First, Second;
};

class ButtonStates : public testing::TestWithParam<StateCase> {};

TEST_P(ButtonStates, FollowTheCursorsSideOfTheSplit) {
  const StateCase& c = GetParam();
  EXPECT_EQ(UpDownButtonState(c.Enabled, c.Pressed, c.Hot, c.Cursor, 10, true), c.First);
  EXPECT_EQ(UpDownButtonState(c.Enabled, c.Pressed, c.Hot, c.Cursor, 10, false), c.Second);
}

INSTANTIATE_TEST_SUITE_P(SkinUpDown, ButtonStates, testing::Values(
    StateCase{true, false, false, 3, asNormal, asNormal},
    StateCase{true, true, false, 3, asPressed, asNormal},
    StateCase{true, true, false, 9, asPressed, asNormal},
    StateCase{true, true, false, 10, asNormal, asPressed},  // the split belongs to the second
    StateCase{true, false, true, 15, asNormal, asHot},
    StateCase{true, true, true, 15, asNormal, asPressed},   // pressed before hot
    StateCase{true, true, false, -40, asPressed, asNormal}, // off the control, above or left
    StateCase{false, true, true, 3, asDisabled, asDisabled}));

// The pixels each arrow must have, and the box no pixel may leave; (X, Y)
// as DrawArrowGlyph takes them.
struct GlyphCase {
  TArrowKind Arrow;
  std::vector<POINT> Must;  // relative to (X, Y)
  RECT Box;                 // relative to (X, Y), right and bottom inclusive
  bool Triangle;            // up and down: |dx| within the row's half width
};

bool InShape(const GlyphCase& g, int dx, int dy) {
  if (dx < g.Box.left || dx > g.Box.right || dy < g.Box.top || dy > g.Box.bottom) return false;
  if (!g.Triangle) return true;
  const int halfWidth = g.Arrow == akUp ? dy : 3 - dy;
  return std::abs(dx) <= halfWidth;
}

class ArrowGlyph : public testing::TestWithParam<GlyphCase> {};

TEST_P(ArrowGlyph, StaysInItsShapeAndHasItsDiagonals) {
  const GlyphCase& g = GetParam();
  auto target = Target(30, 30);
  TPenHandle pen(CreatePen(PS_SOLID, 1, ColorToRGB(kDkShadow)));
  TSelectObject selected(target->Canvas().Handle(), pen.Get());
  const int X = 15, Y = 15;
  DrawArrowGlyph(target->Canvas(), X, Y, g.Arrow);
  for (const POINT& p : g.Must) EXPECT_EQ(target->Pixel(X + p.x, Y + p.y), kDkShadow) << p.x << "," << p.y;
  for (int y = 0; y < 30; ++y)
    for (int x = 0; x < 30; ++x)
      if (target->Pixel(x, y) != kBackground) {
        EXPECT_EQ(target->Pixel(x, y), kDkShadow);
        EXPECT_TRUE(InShape(g, x - X, y - Y)) << "outside at " << x - X << "," << y - Y;
      }
}

// The apex and the lines of 45 degrees, whose pixels every line drawer
// agrees on; the other lines may fall either way within the shape.
INSTANTIATE_TEST_SUITE_P(SkinUpDown, ArrowGlyph, testing::Values(
    GlyphCase{akUp, {{0, 0}, {1, 1}, {2, 2}, {3, 3}, {0, 1}, {1, 2}, {2, 3}, {-1, 1}, {-2, 2}, {-3, 3}},
              {-3, 0, 3, 3}, true},
    GlyphCase{akDown, {{0, 3}, {1, 2}, {2, 1}, {3, 0}, {0, 2}, {1, 1}, {2, 0}, {-1, 2}, {-2, 1}, {-3, 0}},
              {-3, 0, 3, 3}, true},
    GlyphCase{akLeft, {{0, 0}, {1, 2}, {1, 1}, {1, 0}, {1, -1}, {1, -2}, {0, -1}, {-1, 0}, {0, 1}},
              {-1, -2, 1, 2}, false},
    GlyphCase{akRight, {{0, 0}, {-1, 2}, {-1, 1}, {-1, 0}, {-1, -1}, {-1, -2}, {0, -1}, {1, 0}, {0, 1}},
              {-1, -2, 1, 2}, false}));

class UpDownSkinner : public ControlSkinnerTest {};

TEST_F(UpDownSkinner, WithoutStripsTheButtonsAreDrawnBoxesWithArrows) {
  LoadSkin(TTestSkin{});
  auto* upDown = Add<TUpDown>(20, 20, 16, 24);
  SkinControl<TSkinUpDown>(*upDown);
  SetCursorPos(0, 0);
  const std::unique_ptr<TBitmap> picture = Picture(upDown->Handle());
  // Boxes (0, 0, 16, 12) and (0, 12, 16, 24): outline in the dark shadow,
  // face inside; the up arrow's apex at (8, 4), the down arrow's top row at
  // (8, 16).
  const GlyphCase up{akUp, {}, {-3, 0, 3, 3}, true}, down{akDown, {}, {-3, 0, 3, 3}, true};
  for (int y = 0; y < 24; ++y)
    for (int x = 0; x < 16; ++x) {
      const int top = y < 12 ? 0 : 12;
      const bool outline = x == 0 || x == 15 || y == top || y == top + 11;
      const bool arrow = y < 12 ? InShape(up, x - 8, y - 4) : InShape(down, x - 8, y - 16);
      const TColor c = picture->Pixel(x, y);
      if (outline)
        EXPECT_EQ(c, kDkShadow) << x << "," << y;
      else if (arrow)
        EXPECT_TRUE(c == kDkShadow || c == kFace) << x << "," << y;
      else
        EXPECT_EQ(c, kFace) << x << "," << y;
    }
  EXPECT_EQ(picture->Pixel(8, 4), kDkShadow);
  EXPECT_EQ(picture->Pixel(8, 19), kDkShadow);
}

TEST_F(UpDownSkinner, APressedDrawnButtonIsFilledWithTheShadow) {
  LoadSkin(TTestSkin{});
  auto* upDown = Add<TUpDown>(20, 20, 16, 24);
  TSkinUpDown* skinner = SkinControl<TSkinUpDown>(*upDown);
  auto target = Target(16, 12);
  TCanvas canvas(target->Canvas().Handle());
  skinner->DrawPlainArrow(canvas, {0, 0, 16, 12}, akUp, asPressed);
  EXPECT_EQ(target->Pixel(2, 6), kShadow);
  EXPECT_EQ(target->Pixel(0, 0), kDkShadow);
  skinner->DrawPlainArrow(canvas, {0, 0, 16, 12}, akUp, asDisabled);
  EXPECT_EQ(target->Pixel(2, 6), kFace);
}

TEST_F(UpDownSkinner, DetachGivesTheNativeButtonsBack) {
  LoadSkin(StripSkin());
  ExpectDetachRestoresTheNativePicture<TSkinUpDown>(*Add<TUpDown>(20, 20, 16, 24));
}

// ---- A spin button inside an edit ----

// Window classes of bare child windows that paint nothing.
HWND MakeChild(const wchar_t* className, HWND parent, int x, int y, int w, int h) {
  WNDCLASSW wc{};
  if (!GetClassInfoW(GetModuleHandleW(nullptr), className, &wc)) {
    wc.lpfnWndProc = DefWindowProcW;
    wc.hInstance = GetModuleHandleW(nullptr);
    wc.lpszClassName = className;
    RegisterClassW(&wc);
  }
  return CreateWindowExW(0, className, L"", WS_CHILD | WS_VISIBLE, x, y, w, h, parent, nullptr,
                         GetModuleHandleW(nullptr), nullptr);
}

class SpinInEdit : public ControlSkinnerTest {
protected:
  // A bordered edit 121 x 21 (client 117 x 17), skinned.
  void SetUp() override {
    ControlSkinnerTest::SetUp();
    Edit = Add<TEdit>(10, 10, 121, 21);
    RECT client;
    GetClientRect(Edit->Handle(), &client);
    ASSERT_EQ(client.right, 117);
    ASSERT_EQ(client.bottom, 17);
  }
  TSkinEdit* SkinEdit() { return SkinControl<TSkinEdit>(*Edit); }
  TEdit* Edit = nullptr;
};

struct SpinClassCase {
  const wchar_t* ClassName;
  bool Inside;   // a child of the edit, or its sibling
  bool SpinOn;   // xcSpin in the skin component's SkinControls
  bool Found;
};

class SpinSearch : public SpinInEdit, public testing::WithParamInterface<SpinClassCase> {};

TEST_P(SpinSearch, TheEditsFirstPaintSkinsASpinChildOnly) {
  const SpinClassCase& c = GetParam();
  LoadSkin(StripSkin());
  if (!c.SpinOn) Data->SetSkinControls(Data->SkinControls & ~SetOf({xcSpin}));
  const HWND parent = c.Inside ? Edit->Handle() : Form->Handle();
  const HWND spin = MakeChild(c.ClassName, parent, c.Inside ? 101 : 131, c.Inside ? 0 : 10, 16, 17);
  ASSERT_NE(spin, nullptr);
  TSkinEdit* skinner = SkinEdit();
  ASSERT_FALSE(Skinned(spin));
  Picture(Edit->Handle());
  EXPECT_EQ(Skinned(spin), c.Found);
  EXPECT_EQ(skinner->UpDown() != nullptr, c.Found);
  if (c.Found) {
    EXPECT_TRUE(skinner->UpDown()->InEdit());
  }
  DestroyWindow(spin);
}

INSTANTIATE_TEST_SUITE_P(SkinUpDown, SpinSearch, testing::Values(
    SpinClassCase{L"msctls_updown32", true, true, true},
    SpinClassCase{L"XSPINBUTTON", true, true, true},
    SpinClassCase{L"mySpinner", true, true, true},
    SpinClassCase{L"TestUpDownBox", true, true, true},
    SpinClassCase{L"TestSpiralBox", true, true, false},
    SpinClassCase{L"Button", true, true, false},
    SpinClassCase{L"msctls_updown32", false, true, false},  // next to the edit, not inside
    SpinClassCase{L"mySpinner", true, false, false}));

TEST(SkinUpDown, SpinClassNamesInAnyCase) {
  for (const wchar_t* name : {L"msctls_updown32", L"MSCTLS_UPDOWN32", L"TSpinEdit", L"xSPINx", L"TUpDown", L"UPDOWN"})
    EXPECT_TRUE(IsSpinButtonClass(name)) << testing::PrintToString(std::wstring(name));
  for (const wchar_t* name : {L"Edit", L"msctls_trackbar32", L"up-down", L"sp in", L""})
    EXPECT_FALSE(IsSpinButtonClass(name)) << testing::PrintToString(std::wstring(name));
}

TEST_F(SpinInEdit, TheSpinKeepsThreePixelsFromTheEditsEdges) {
  LoadSkin(StripSkin(false));
  // At the client's right edge, as tall as the client: 2 pixels from the
  // window's top, bottom and right edges (the edit's border).
  const HWND spin = MakeChild(L"TestSpinBox", Edit->Handle(), 117 - 16, 0, 16, 17);
  SkinEdit();
  Picture(Edit->Handle());
  ASSERT_TRUE(Skinned(spin));
  RECT edit, own;
  GetWindowRect(Edit->Handle(), &edit);
  GetWindowRect(spin, &own);
  ASSERT_LT(own.top - edit.top, 3);
  ASSERT_LT(edit.bottom - own.bottom, 3);
  ASSERT_LT(edit.right - own.right, 3);
  // The buttons within the spin: 3 pixels inside the edit's top, bottom
  // and right edges; the rest of the spin white.
  const RECT inner{0, edit.top + 3 - own.top, edit.right - 3 - own.left, edit.bottom - 3 - own.top};
  const TPixelFunction buttons = Buttons(inner.right - inner.left, inner.bottom - inner.top, false, 1, 5, false);
  EXPECT_TRUE(PixelsAre(*Picture(spin), own.right - own.left, own.bottom - own.top, [&](int x, int y) {
    const POINT p{x, y};
    return PtInRect(&inner, p) ? buttons(x - inner.left, y - inner.top) : clWhite;
  }));
  DestroyWindow(spin);
}

TEST_F(SpinInEdit, ASpinWithASkinnerOfItsOwnGetsNoSecond) {
  LoadSkin(StripSkin());
  auto* upDown = Add<TUpDown>(101, 0, 16, 17, Edit);
  SkinControl<TSkinUpDown>(*upDown);
  TSkinEdit* skinner = SkinEdit();
  const size_t before = Host.Skinners.size();
  Picture(Edit->Handle());
  EXPECT_EQ(Host.Skinners.size(), before);
  EXPECT_EQ(skinner->UpDown(), nullptr);
}

TEST_F(SpinInEdit, TheSpinFoundIsForgottenWhenItsWindowGoes) {
  LoadSkin(StripSkin());
  const HWND first = MakeChild(L"TestSpinBox", Edit->Handle(), 101, 0, 16, 17);
  TSkinEdit* skinner = SkinEdit();
  Picture(Edit->Handle());
  ASSERT_NE(skinner->UpDown(), nullptr);
  DestroyWindow(first);
  const HWND second = MakeChild(L"TestSpinBox", Edit->Handle(), 101, 0, 16, 17);
  Picture(Edit->Handle());
  EXPECT_TRUE(Skinned(second));
  DestroyWindow(second);
}
}  // namespace
