// TSkinSpeedButton on a windowless speed button, painted the way its parent
// paints it: frame and glyph image for Down, NumGlyphs, the mouse and the
// enabled state; a flat button shows only the face (or its parent) until
// the mouse comes; a press that leaves the button is no click; and the
// button's WindowProc comes back.
#include "host/Buttons.h"
#include "skin/controls/SkinSpeedButton.h"
#include "tests/win/skin/ButtonSkinFixture.h"

namespace {

class SpeedButtonSkinTest : public ButtonSkinTest {
protected:
  TSpeedButton* AddSpeedButton(int numGlyphs) {
    auto* button = Place(new TSpeedButton(Form), L"", 10, 10, kFrameW, kFrameH);
    button->ButtonGlyph().Glyph.Assign(*GlyphStrip(numGlyphs));
    button->ButtonGlyph().NumGlyphs = numGlyphs;
    return button;
  }
  TSkinSpeedButton* AttachSpeed(TSpeedButton* button) {
    auto* skinner = new TSkinSpeedButton(button);
    skinner->AttachSpeedButton(&Host, Skin.get(), nullptr);
    Application->ProcessMessages();
    return skinner;
  }
  // The button's part of its parent's painting.
  std::unique_ptr<TBitmap> Painted(TSpeedButton* button) {
    const RECT client = Form->ClientRect();
    auto whole = Target(client.right, client.bottom);
    Form->Perform(WM_PAINT, WPARAM(whole->Canvas().Handle()), 0);
    auto part = Target(button->GetWidth(), button->GetHeight());
    BitBlt(part->Canvas().Handle(), 0, 0, part->Width(), part->Height(), whole->Canvas().Handle(), button->GetLeft(),
           button->GetTop(), SRCCOPY);
    return part;
  }
  // A mouse message to the form at a point of the button; a move puts the
  // cursor there too, so what the system reports of it agrees.
  void Mouse(UINT msg, TSpeedButton* button, int x, int y, WPARAM keys = 0) {
    POINT at{button->GetLeft() + x, button->GetTop() + y};
    if (msg == WM_MOUSEMOVE) {
      POINT screen = at;
      ClientToScreen(Form->Handle(), &screen);
      SetCursorPos(screen.x, screen.y);
    }
    SendMessageW(Form->Handle(), msg, keys, MAKELPARAM(at.x, at.y));
  }
  // No caption: the glyph alone, centred one pixel further in than a bit
  // button's: (40 - 16) div 2 + 1, (40 - 16 + 1) div 2.
  static constexpr POINT kGlyphAt{13, 12};
};

struct SpeedCase {
  const char* Name;
  int NumGlyphs;
  bool Down, Disabled, Pressed;
  int Frame, Image;
};

class SpeedButtonStates : public SpeedButtonSkinTest, public testing::WithParamInterface<SpeedCase> {};

TEST_P(SpeedButtonStates, ShowTheFrameAndGlyphImageOfTheState) {
  const SpeedCase& c = GetParam();
  TSpeedButton* button = AddSpeedButton(c.NumGlyphs);
  button->SetGroupIndex(1);
  button->SetDown(c.Down);
  AttachSpeed(button);
  if (c.Pressed) Mouse(WM_LBUTTONDOWN, button, 5, 5, MK_LBUTTON);
  if (c.Disabled) button->SetEnabled(false);
  EXPECT_TRUE(PixelsMatch(*Painted(button), FrameWithGlyph(c.Frame, c.Image, kGlyphAt)));
  ReleaseCapture();
}

INSTANTIATE_TEST_SUITE_P(SpeedButtonSkin, SpeedButtonStates, testing::Values(
    SpeedCase{"Up", 4, false, false, false, 1, 1},
    SpeedCase{"DownWithFourImages", 4, true, false, false, 2, 4},
    SpeedCase{"DownWithTwoImages", 2, true, false, false, 2, 1},  // no image 4: the first
    SpeedCase{"Pressed", 4, false, false, true, 2, 3},
    SpeedCase{"Disabled", 4, false, true, false, 3, 2},
    SpeedCase{"DisabledAndDown", 4, true, true, false, 2, 4}),
    [](const testing::TestParamInfo<SpeedCase>& i) { return std::string(i.param.Name); });

TEST_F(SpeedButtonSkinTest, AFlatButtonShowsTheSkinOnlyUnderTheMouse) {
  TSpeedButton* button = AddSpeedButton(1);
  button->SetFlat(true);
  AttachSpeed(button);
  EXPECT_TRUE(PixelsMatch(*Painted(button), WithGlyph([](int, int) { return kFace; }, 1, kGlyphAt)));
  Mouse(WM_MOUSEMOVE, button, 5, 5);
  EXPECT_TRUE(PixelsMatch(*Painted(button), FrameWithGlyph(4, 1, kGlyphAt)));
  Mouse(WM_MOUSEMOVE, button, 60, 5);  // off it
  EXPECT_TRUE(PixelsMatch(*Painted(button), WithGlyph([](int, int) { return kFace; }, 1, kGlyphAt)));
}

TEST_F(SpeedButtonSkinTest, AFlatButtonOfTheTransparentTagShowsItsParentBehind) {
  const TColor parent = TColor(RGB(10, 20, 30));
  Form->SetColor(parent);
  TSpeedButton* button = AddSpeedButton(1);
  button->SetFlat(true);
  button->SetTag(5555);
  AttachSpeed(button);
  // Painting the parent behind paints the button again: that paint must
  // return at once, or it would never end.
  EXPECT_TRUE(PixelsMatch(*Painted(button), WithGlyph([parent](int, int) { return parent; }, 1, kGlyphAt)));
}

TEST_F(SpeedButtonSkinTest, AnInvisibleButtonPaintsNothing) {
  TSpeedButton* button = AddSpeedButton(1);
  TSkinSpeedButton* skinner = AttachSpeed(button);
  button->SetVisible(false);
  auto target = Target(kFrameW, kFrameH);
  skinner->PaintWindow(target->Canvas().Handle());
  EXPECT_TRUE(PixelsMatch(*target, [](int, int) { return kBackground; }));
}

class SpeedButtonClicks : public SpeedButtonSkinTest {
protected:
  void SetUp() override {
    SpeedButtonSkinTest::SetUp();
    Button = AddSpeedButton(1);
    AttachSpeed(Button);
    Button->OnClick = [this](TObject*) { ++Clicks; };
  }
  TSpeedButton* Button = nullptr;
  int Clicks = 0;
};

TEST_F(SpeedButtonClicks, PressingMovingOffAndReleasingIsNoClick) {
  Mouse(WM_MOUSEMOVE, Button, 5, 5);
  Mouse(WM_LBUTTONDOWN, Button, 5, 5, MK_LBUTTON);
  EXPECT_TRUE(PixelsMatch(*Painted(Button), FrameWithGlyph(2, 1, kGlyphAt)));
  Mouse(WM_MOUSEMOVE, Button, 60, 5, MK_LBUTTON);
  Mouse(WM_LBUTTONUP, Button, 60, 5);
  Application->ProcessMessages();
  EXPECT_EQ(Clicks, 0);
  EXPECT_TRUE(PixelsMatch(*Painted(Button), FrameWithGlyph(1, 1, kGlyphAt)));
}

TEST_F(SpeedButtonClicks, AClickThroughTheQueueClicksOnce) {
  Mouse(WM_MOUSEMOVE, Button, 5, 5);
  const LPARAM at = MAKELPARAM(Button->GetLeft() + 5, Button->GetTop() + 5);
  PostMessageW(Form->Handle(), WM_MOUSEMOVE, 0, at);
  PostMessageW(Form->Handle(), WM_LBUTTONDOWN, MK_LBUTTON, at);
  PostMessageW(Form->Handle(), WM_LBUTTONUP, 0, at);
  Application->ProcessMessages();
  EXPECT_EQ(Clicks, 1);
  // Hot, no longer pressed.
  EXPECT_TRUE(PixelsMatch(*Painted(Button), FrameWithGlyph(4, 1, kGlyphAt)));
}

TEST_F(SpeedButtonSkinTest, DetachAndReleaseGiveTheWindowProcBack) {
  TSpeedButton* button = AddSpeedButton(1);
  button->WindowProc = Probe{button->WindowProc};
  TSkinSpeedButton* skinner = AttachSpeed(button);
  EXPECT_EQ(button->WindowProc.target<Probe>(), nullptr);
  skinner->Detach();
  // Switched off, it lets the button paint itself.
  auto native = Painted(button);
  EXPECT_FALSE(PixelsMatch(*native, FrameWithGlyph(1, 1, kGlyphAt)));
  skinner->Release();
  EXPECT_NE(button->WindowProc.target<Probe>(), nullptr);
  EXPECT_TRUE(SamePixels(*native, *Painted(button)));
}

TEST_F(SpeedButtonSkinTest, ReleaseNoticeGivesTheWindowProcBackAtOnce) {
  TSpeedButton* button = AddSpeedButton(1);
  button->WindowProc = Probe{button->WindowProc};
  AttachSpeed(button);
  button->Perform(CM_RELEASE);
  EXPECT_NE(button->WindowProc.target<Probe>(), nullptr);
}

}  // namespace
