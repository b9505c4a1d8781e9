// Non-client messages of a skinned window: nothing is painted or activated
// before the skinner's activation, hit testing leaves dragging and sizing to
// the system, and the caption buttons and title clicks change the window state.
#include "skin/data/DataSkinObject.h"
#include "skin/data/WinSkinData.h"
#include "skin/form/WinSkinForm.h"
#include "skin/form/WinSysButton.h"
#include "skin/manager/SkinManage.h"
#include "skin/manager/SkinMessages.h"
#include "tests/win/skin/ButtonSkinFixture.h"
#include "tests/win/skin/SkinnedFormFixture.h"
#include <functional>

namespace {
class NonClientTest : public SkinnedFormTest {
protected:
  void TearDown() override {
    delete Second;
    SkinnedFormTest::TearDown();
  }
  void ShowSkinned() {
    Second = ShowSecondForm();
    Wnd = Second->Handle();
    Skinner = FindFormSkinner(Wnd);
    ASSERT_NE(Skinner, nullptr);
    SendMessageW(Wnd, WM_NCACTIVATE, TRUE, 0);
  }
  LPARAM At(int x, int y) {
    RECT w;
    GetWindowRect(Wnd, &w);
    return MAKELPARAM(w.left + x, w.top + y);
  }
  TWinSysButton* Button(int action) {
    for (auto& b : Skinner->CaptionButtons)
      if (b->Element->Action == action && b->Visible) return b.get();
    return nullptr;
  }
  void Click(TWinSysButton* b) {
    const int x = (b->Bounds.left + b->Bounds.right) / 2, y = (b->Bounds.top + b->Bounds.bottom) / 2;
    SendMessageW(Wnd, WM_NCLBUTTONDOWN, HTCAPTION, At(x, y));
    SendMessageW(Wnd, WM_NCLBUTTONUP, HTCAPTION, At(x, y));
    Application->ProcessMessages();
  }
  COLORREF FramePixel() {
    return GetPixel(TWholeWindowDC(Wnd).Get(), 40, 6);
  }

  TForm* Second = nullptr;
  HWND Wnd = nullptr;
  TWinSkinForm* Skinner = nullptr;
};
}  // namespace

TEST_F(NonClientTest, BeforeActivationTheFrameIsNeitherPaintedNorActivated) {
  // A window of the program, skinned but not yet told to start.
  Wnd = CreateWindowExW(0, L"STATIC", L"early", WS_POPUP | WS_CAPTION | WS_SYSMENU, 60, 60, 300, 200, nullptr,
                        nullptr, ProgramInstance(), nullptr);
  ShowWindow(Wnd, SW_SHOWNOACTIVATE);  // activation would skin it at once
  ASSERT_TRUE(SkinManager->SkinWindow(Wnd));
  Skinner = FindFormSkinner(Wnd);
  ASSERT_EQ(Skinner->State, skAttached);
  SetPixel(TWholeWindowDC(Wnd).Get(), 40, 6, RGB(255, 0, 255));
  EXPECT_EQ(SendMessageW(Wnd, WM_NCPAINT, 1, 0), 0);
  EXPECT_EQ(FramePixel(), RGB(255, 0, 255));
  EXPECT_EQ(SendMessageW(Wnd, WM_NCACTIVATE, TRUE, 0), 0);
  EXPECT_EQ(FramePixel(), RGB(255, 0, 255));
  // WM_SKIN_START runs the activation; from then on the skin paints.
  Application->ProcessMessages();
  ASSERT_EQ(Skinner->State, skActive);
  SendMessageW(Wnd, WM_NCPAINT, 1, 0);
  EXPECT_NE(FramePixel(), RGB(255, 0, 255));
  DestroyWindow(Wnd);
}

TEST_F(NonClientTest, HitTestingLeavesDraggingAndSizingToTheSystem) {
  ShowSkinned();
  RECT w;
  GetWindowRect(Wnd, &w);
  const int W = w.right - w.left, H = w.bottom - w.top;
  EXPECT_EQ(SendMessageW(Wnd, WM_NCHITTEST, 0, At(W / 3, Skinner->BorderTop / 2)), HTCAPTION);
  EXPECT_EQ(SendMessageW(Wnd, WM_NCHITTEST, 0, At(W / 2, H / 2)), HTCLIENT);
  EXPECT_EQ(SendMessageW(Wnd, WM_NCHITTEST, 0, At(W / 2, H - 1)), HTBOTTOM);
  EXPECT_EQ(SendMessageW(Wnd, WM_NCHITTEST, 0, At(W - 1, H / 2)), HTRIGHT);
}

TEST_F(NonClientTest, CaptionButtonsAndTitleClicksChangeTheWindowState) {
  ShowSkinned();
  TWinSysButton* maximize = Button(1);
  ASSERT_NE(maximize, nullptr);
  Click(maximize);
  EXPECT_TRUE(IsZoomed(Wnd));
  EXPECT_EQ(Skinner->WindowState, wsMaximized);
  // A double click on the title of a maximized window restores it.
  SendMessageW(Wnd, WM_NCLBUTTONDBLCLK, HTCAPTION, At(60, Skinner->BorderTop / 2));
  Application->ProcessMessages();
  EXPECT_FALSE(IsZoomed(Wnd));
  EXPECT_EQ(Skinner->WindowState, wsNormal);
  // On a normal window with a maximize box it maximizes.
  SendMessageW(Wnd, WM_NCLBUTTONDBLCLK, HTCAPTION, At(60, Skinner->BorderTop / 2));
  Application->ProcessMessages();
  EXPECT_TRUE(IsZoomed(Wnd));
  SendMessageW(Wnd, WM_SYSCOMMAND, SC_RESTORE, 0);
  Application->ProcessMessages();
  ASSERT_FALSE(IsZoomed(Wnd));
  TWinSysButton* minimize = Button(2);
  ASSERT_NE(minimize, nullptr);
  Click(minimize);
  EXPECT_TRUE(IsIconic(Wnd));
  EXPECT_EQ(Skinner->WindowState, wsMinimized);
}

TEST_F(NonClientTest, ACaptionButtonHintShowsAfterTwiceTheHintPauseAndGoesAfterTheHidePause) {
  ShowSkinned();
  TSkinData* data = Skinner->SkinData;
  TWinSysButton* close = Button(0);
  ASSERT_NE(close, nullptr);
  const int x = (close->Bounds.left + close->Bounds.right) / 2, y = (close->Bounds.top + close->Bounds.bottom) / 2;
  RECT w;
  GetWindowRect(Wnd, &w);
  // The timer's ticks, run by hand: the hover time grows 250 ms each.
  auto hoverFor = [&](int ticks) {
    SetCursorPos(w.left + x, w.top + y);
    SendMessageW(Wnd, WM_NCMOUSEMOVE, HTCAPTION, At(x, y));
    std::vector<bool> shown;
    for (int i = 1; i <= ticks; ++i) {
      Skinner->HoverTick();
      shown.push_back(data->CaptionHintShowing());
    }
    return shown;
  };
  std::vector<bool> shown = hoverFor(16);
  ASSERT_EQ(Skinner->HotObject, close) << "the cursor must rest on the button";
  for (int tick = 1; tick <= 16; ++tick)
    EXPECT_EQ(shown[size_t(tick - 1)], tick * 250 >= 1000 && tick * 250 < 3500) << tick * 250 << " ms";
  // Moving off the button hides it and starts over.
  SetCursorPos(w.left + 60, w.top + y);
  Skinner->HoverTick();
  EXPECT_EQ(Skinner->HotObject, nullptr);
  EXPECT_FALSE(data->CaptionHintShowing());

  data->Options &= ~SetOf({xoCaptionButtonHint});
  shown = hoverFor(8);
  for (bool s : shown) EXPECT_FALSE(s);
  data->Options |= SetOf({xoCaptionButtonHint});
  SetCursorPos(w.left + 60, w.top + y);
  Skinner->HoverTick();

  // The application's pauses set the times: twice 250 ms, then 500 ms more.
  Application->SetHintPause(250);
  Application->SetHintHidePause(500);
  shown = hoverFor(6);
  Application->SetHintPause(500);
  Application->SetHintHidePause(2500);
  for (int tick = 1; tick <= 6; ++tick)
    EXPECT_EQ(shown[size_t(tick - 1)], tick * 250 >= 500 && tick * 250 < 1000) << tick * 250 << " ms";
}

TEST_F(NonClientTest, ARepaintShowsEachChangeAsAFrameComposedAfreshWould) {
  ShowSkinned();
  auto picture = [&] {
    Skinner->PaintFrame(nullptr);
    RECT r;
    GetWindowRect(Wnd, &r);
    auto bitmap = std::make_unique<TBitmap>(r.right - r.left, r.bottom - r.top);
    BitBlt(bitmap->Canvas().Handle(), 0, 0, bitmap->Width(), bitmap->Height(), TWholeWindowDC(Wnd).Get(), 0, 0,
           SRCCOPY);
    return bitmap;
  };
  struct TChange {
    const char* Name;
    std::function<void()> Make;
  };
  const TChange changes[] = {
      {"caption", [&] { SetWindowTextW(Wnd, L"Another caption, longer"); }},
      {"inactive", [&] { SendMessageW(Wnd, WM_NCACTIVATE, FALSE, 0); }},
      {"active", [&] { SendMessageW(Wnd, WM_NCACTIVATE, TRUE, 0); }},
      {"resize", [&] { SetWindowPos(Wnd, nullptr, 0, 0, 380, 260, SWP_NOMOVE | SWP_NOZORDER | SWP_NOACTIVATE); }},
      {"skin", [&] { SwitchSkin(skinload::BuiltSkinFile(L"dark.skn")); }},
  };
  for (const TChange& change : changes) {
    const std::unique_ptr<TBitmap> old = picture();
    change.Make();
    Application->ProcessMessages();
    const std::unique_ptr<TBitmap> shown = picture();
    Skinner->ForgetComposedFrame();
    const std::unique_ptr<TBitmap> fresh = picture();
    EXPECT_FALSE(SamePixels(*old, *shown)) << change.Name << " shows no change";
    EXPECT_TRUE(SamePixels(*shown, *fresh)) << change.Name;
  }
}
