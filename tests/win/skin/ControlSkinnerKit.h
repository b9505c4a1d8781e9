// Control skinners on their own: a class-library form that no skin manager
// sees (an earlier test's manager is gone first), a skin built in the test,
// and a stand-in for the form skinner that only keeps the list of skinners.
#pragma once
#include "host/ComCtrls.h"
#include "host/Forms.h"
#include "host/StdCtrls.h"
#include "skin/controls/SkinControl.h"
#include "skin/data/WinSkinData.h"
#include "skin/manager/SkinManage.h"
#include "skin/manager/SkinMessages.h"
#include "tests/win/skin/PixelFixtures.h"
#include "tests/win/skin/SkinLoadKit.h"
#include "tests/win/skin/TestSkinnerHost.h"
#include <algorithm>
#include <chrono>
#include <thread>

// A solid colour the skins of these tests use; never the key colour.
constexpr TColor kFace = TColor(RGB(10, 20, 30));
constexpr TColor kShadow = TColor(RGB(40, 50, 60));
constexpr TColor kDkShadow = TColor(RGB(70, 80, 90));
constexpr TColor kKey = TColor(RGB(255, 0, 255));
// The "Colours" section giving those three.
inline const char* const kTestColours =
    "[Colours]\r\nButtonFace=10 20 30\r\nButtonShadow=40 50 60\r\nButtonDkShadow=70 80 90\r\n";

// What the window shows after painting itself the ordinary way (frame,
// background, then WM_PAINT without a DC), with its child windows, read
// from its window DC. The form must be showing.
inline std::unique_ptr<TBitmap> WindowPicture(HWND wnd) {
  RedrawWindow(wnd, nullptr, nullptr, RDW_INVALIDATE | RDW_ERASE | RDW_FRAME | RDW_UPDATENOW | RDW_ALLCHILDREN);
  RECT r;
  GetWindowRect(wnd, &r);
  auto picture = Target(r.right - r.left, r.bottom - r.top);
  TWholeWindowDC dc(wnd);
  BitBlt(picture->Canvas().Handle(), 0, 0, picture->Width(), picture->Height(), dc.Get(), 0, 0, SRCCOPY);
  return picture;
}

class ControlSkinnerTest : public testing::Test {
protected:
  void SetUp() override {
    SkinManager.reset();
    Form = std::make_unique<TForm>(nullptr);
    Form->SetBorderStyle(bsNone);
    Form->SetBounds(40, 40, 400, 300);
    Form->HandleNeeded();
  }
  // The controls, and with them their skinners, go before the skin.
  void TearDown() override { Form.reset(); }

  // Loads a skin whose INI is kTestColours followed by sections.
  void LoadSkin(skinload::TTestSkin skin) {
    skin.Ini = kTestColours + skin.Ini;
    ASSERT_TRUE(skinload::LoadTestSkin(*Data, skin));
  }
  template <class T>
  T* Add(int left, int top, int width, int height, TWinControl* parent = nullptr) {
    auto* control = new T(Form.get());
    control->SetParent(parent ? parent : Form.get());
    control->SetBounds(left, top, width, height);
    control->HandleNeeded();
    return control;
  }
  template <class S>
  S* SkinControl(TWinControl& control) {
    auto* skinner = new S(&control);
    skinner->AttachControl(&Host, Data.get(), false, &Canvas);
    return skinner;
  }
  template <class S>
  S* SkinWindow(HWND wnd) {
    auto* skinner = new S(Form.get());
    skinner->AttachWindow(wnd, Data.get(), &Host, &Canvas);
    return skinner;
  }
  // What the window paints when asked to paint into a DC of its size,
  // filled with kBackground first.
  static std::unique_ptr<TBitmap> Picture(HWND wnd) {
    RECT r;
    GetWindowRect(wnd, &r);
    auto picture = Target(r.right - r.left, r.bottom - r.top);
    SendMessageW(wnd, WM_PAINT, WPARAM(picture->Canvas().Handle()), 0);
    return picture;
  }
  // Skins the control with S, then detaches: the control must show its
  // native picture again, and have asked for the repaint that brings it to
  // the screen.
  template <class S>
  void ExpectDetachRestoresTheNativePicture(TWinControl& control) {
    const HWND wnd = control.Handle();
    const std::unique_ptr<TBitmap> native = Picture(wnd);
    S* skinner = SkinControl<S>(control);
    ASSERT_FALSE(SameBitmaps(*Picture(wnd), *native));
    Form->Show();  // only a window on the screen has anything to repaint
    ValidateRect(wnd, nullptr);
    skinner->Detach();
    RECT invalid;
    EXPECT_TRUE(GetUpdateRect(wnd, &invalid, FALSE));
    EXPECT_FALSE(Skinned(wnd));
    EXPECT_TRUE(SameBitmaps(*Picture(wnd), *native));
  }
  static testing::AssertionResult SameBitmaps(const TBitmap& a, const TBitmap& b) {
    return skinload::PixelsAre(a, b.Width(), b.Height(), [&b](int x, int y) { return b.Pixel(x, y); });
  }
  // Every active skinner answers the query with 1.
  static bool Skinned(HWND wnd) { return SendMessageW(wnd, WM_SKIN_QUERY, 0, 0) == 1; }

  TTestSkinnerHost Host;
  std::unique_ptr<TSkinData> Data = std::make_unique<TSkinData>(nullptr);
  TCanvas Canvas;
  std::unique_ptr<TForm> Form;
};

// Waits, with a generous limit, until done() holds; answers whether it did.
template <class F>
bool WaitFor(F done) {
  const auto limit = std::chrono::steady_clock::now() + std::chrono::seconds(5);
  while (!done()) {
    if (std::chrono::steady_clock::now() > limit) return false;
    MSG msg;
    while (PeekMessageW(&msg, nullptr, 0, 0, PM_REMOVE)) DispatchMessageW(&msg);
    std::this_thread::sleep_for(std::chrono::milliseconds(5));
  }
  return true;
}
