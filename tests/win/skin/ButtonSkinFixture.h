// Button skinners on a plain form of their own, with a skin whose "Buttons"
// element is a five-frame strip of coordinate colours (PixelFixtures.h): a
// painted pixel says which frame, and which pixel of it, it came from. The
// skinners are attached by hand to a stand-in for the form skinner.
#pragma once
#include "host/Buttons.h"
#include "host/Forms.h"
#include "skin/controls/SkinButton.h"
#include "skin/data/WinSkinData.h"
#include "tests/win/skin/PixelFixtures.h"
#include "tests/win/skin/TestSkinnerHost.h"
#include <algorithm>
#include <gtest/gtest.h>
#include <memory>
#include <vector>

// The cursor over a window, so the system's leave tracking keeps quiet.
inline void PointAt(HWND wnd) {
  RECT r;
  GetWindowRect(wnd, &r);
  SetCursorPos((r.left + r.right) / 2, (r.top + r.bottom) / 2);
}
// Off every window of the tests.
inline void PointAway() { SetCursorPos(0, 0); }

// The frame size of the test strip: every button of the tests that want a
// one-to-one copy of a frame has this size.
constexpr int kFrameW = 40, kFrameH = 40;
constexpr TColor kFace = TColor(RGB(212, 208, 200));

// The pixel frame `frame` of the strip puts at (x, y) of a button of the
// frame's size.
inline TColor StripPixel(int frame, int x, int y) { return CoordColour((frame - 1) * kFrameW + x, y); }

class ButtonSkinTest : public testing::Test {
protected:
  void SetUp() override {
    Skin = std::make_unique<TSkinData>(nullptr);
    Skin->Options = 0;
    Skin->SkinColours[3] = kFace;               // ButtonFace
    Skin->SkinColours[4] = TColor(RGB(0, 0, 0));  // ButtonText
    Skin->PushButtons->Image = CoordBitmap(5 * kFrameW, kFrameH);
    Skin->PushButtons->FrameCount = 5;
    PointAway();  // a mouse left over a button by an earlier test would make it hot
    Form = new TForm(nullptr);
    Form->SetTag(99);  // never skinned by a manager another test left behind
    Form->SetBounds(100, 100, 320, 200);
    Form->Show();
    Host.Window = Form->Handle();
  }
  void TearDown() override {
    delete Form;
    Skin.reset();
  }

  TButton* AddButton(const std::wstring& caption, int left = 10, int top = 10, int width = kFrameW,
                     int height = kFrameH) {
    return Place(new TButton(Form), caption, left, top, width, height);
  }
  template <class T>
  T* Place(T* control, const std::wstring& caption, int left, int top, int width, int height) {
    control->SetParent(Form);
    control->SetBounds(left, top, width, height);
    control->SetText(caption);
    if (auto* windowed = dynamic_cast<TWinControl*>(static_cast<TControl*>(control))) windowed->HandleNeeded();
    return control;
  }
  template <class S>
  S* Attach(TWinControl* control) {
    auto* skinner = new S(control);
    skinner->AttachControl(&Host, Skin.get(), false, nullptr);
    Application->ProcessMessages();  // the first paint, as on the screen
    return skinner;
  }
  // The whole window as the skinner paints it.
  static std::unique_ptr<TBitmap> Painted(TWinControl* control) {
    auto bitmap = Target(control->GetWidth(), control->GetHeight());
    SendMessageW(control->Handle(), WM_PAINT, WPARAM(bitmap->Canvas().Handle()), 0);
    return bitmap;
  }
  static TColor FramePixel(int frame, int x, int y) { return StripPixel(frame, x, y); }

  std::unique_ptr<TSkinData> Skin;
  TTestSkinnerHost Host;
  TForm* Form = nullptr;
};

// Every pixel of the border ring `ring` pixels deep equals expected(x, y):
// the caption and its focus rectangle keep to the middle.
inline testing::AssertionResult RingIs(const TBitmap& painted, int ring, const std::function<TColor(int, int)>& expected) {
  for (int y = 0; y < painted.Height(); ++y)
    for (int x = 0; x < painted.Width(); ++x) {
      const bool inRing = x < ring || y < ring || x >= painted.Width() - ring || y >= painted.Height() - ring;
      if (inRing && painted.Pixel(x, y) != expected(x, y))
        return testing::AssertionFailure() << "pixel (" << x << ", " << y << ") is " << std::hex
                                           << painted.Pixel(x, y) << ", expected " << expected(x, y);
    }
  return testing::AssertionSuccess();
}

inline testing::AssertionResult SamePixels(const TBitmap& a, const TBitmap& b) {
  if (a.Width() != b.Width() || a.Height() != b.Height()) return testing::AssertionFailure() << "sizes differ";
  for (int y = 0; y < a.Height(); ++y)
    for (int x = 0; x < a.Width(); ++x)
      if (a.Pixel(x, y) != b.Pixel(x, y)) return testing::AssertionFailure() << "differ at (" << x << ", " << y << ")";
  return testing::AssertionSuccess();
}

// A state to put a button in, and the frame it must show.
struct StateCase {
  const char* Name;
  bool Default, Focused, Hot, Pressed, Disabled;
  int Frame;
};
inline std::string CaseName(const testing::TestParamInfo<StateCase>& i) { return i.param.Name; }

// Puts a button into the state of a case; the focus goes elsewhere unless
// the case wants it.
inline void EnterState(TButton* button, TButton* elsewhere, const StateCase& c) {
  button->SetDefault(c.Default);
  if (c.Disabled) button->SetEnabled(false);
  SetFocus(c.Focused ? button->Handle() : elsewhere->Handle());
  if (c.Hot) {
    PointAt(button->Handle());
    SendMessageW(button->Handle(), WM_MOUSEMOVE, 0, MAKELPARAM(5, 5));
  }
  if (c.Pressed) SendMessageW(button->Handle(), WM_LBUTTONDOWN, MK_LBUTTON, MAKELPARAM(5, 5));
}

inline testing::AssertionResult PixelsMatch(const TBitmap& painted, const std::function<TColor(int, int)>& expected) {
  return RingIs(painted, std::max(painted.Width(), painted.Height()), expected);
}

// Glyph pixels are told from the strip's by their blue.
inline TColor GlyphColour(int x, int y) { return TColor(RGB(x, y, 99)); }
constexpr int kGlyph = 16;
// A strip of count glyph images of 16 x 16.
inline std::unique_ptr<TBitmap> GlyphStrip(int count) { return MakeBitmap(count * kGlyph, kGlyph, GlyphColour); }

// Everything is `outside(x, y)`, but for image `image` of a glyph strip at
// `at` (its bottom-left pixel left out).
inline std::function<TColor(int, int)> WithGlyph(std::function<TColor(int, int)> outside, int image, POINT at) {
  return [=](int x, int y) {
    const int dx = x - at.x, dy = y - at.y;
    const bool glyph = dx >= 0 && dy >= 0 && dx < kGlyph && dy < kGlyph && !(dx == 0 && dy == kGlyph - 1);
    return glyph ? GlyphColour((image - 1) * kGlyph + dx, dy) : outside(x, y);
  };
}
inline std::function<TColor(int, int)> FrameWithGlyph(int frame, int image, POINT at) {
  return WithGlyph([frame](int x, int y) { return StripPixel(frame, x, y); }, image, at);
}

// Stands for a control's own processing in its WindowProc chain: whether
// it is back in front shows the skinner gave the WindowProc back.
struct Probe {
  TWndMethod Next;
  void operator()(TMessage& m) const { Next(m); }
};
