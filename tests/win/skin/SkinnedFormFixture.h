// The main form with the shipped skin loaded by its skin component; the
// manager the component made goes with each test.
#pragma once
#include "skin/data/WinSkinData.h"
#include "skin/form/WinSkinForm.h"
#include "skin/manager/SkinManage.h"
#include "tests/win/MainFormFixture.h"
#include "tests/win/PumpUntil.h"
#include "tests/win/skin/SkinLoadKit.h"
#include <array>

// Widths of a window frame around the client area: left, top, right, bottom.
using TFrameWidths = std::array<int, 4>;

// The frame the window wears now.
inline TFrameWidths WornFrame(HWND wnd) {
  RECT w, c;
  GetWindowRect(wnd, &w);
  GetClientRect(wnd, &c);
  POINT origin{0, 0};
  ClientToScreen(wnd, &origin);
  return {origin.x - w.left, origin.y - w.top, w.right - origin.x - c.right, w.bottom - origin.y - c.bottom};
}

// The frame the system gives the window's style.
inline TFrameWidths NativeFrame(HWND wnd) {
  RECT r{0, 0, 100, 100};
  AdjustWindowRectEx(&r, DWORD(GetWindowLongW(wnd, GWL_STYLE)), FALSE, DWORD(GetWindowLongW(wnd, GWL_EXSTYLE)));
  return {-r.left, -r.top, r.right - 100, r.bottom - 100};
}

// The frame a skin's border images give: one frame of each side's strip.
inline TFrameWidths SkinFrame(const TSkinState& s) {
  auto across = [](const TDataSkinObject& e) { return e.Image->Width() / e.FrameCount; };
  auto down = [](const TDataSkinObject& e) { return e.Image->Height() / e.FrameCount; };
  return {across(*s.FrameSideLeft), down(*s.FrameSideTop), across(*s.FrameSideRight), down(*s.FrameSideBottom)};
}

inline SIZE ClientSize(HWND wnd) {
  RECT c;
  GetClientRect(wnd, &c);
  return {c.right, c.bottom};
}
inline bool operator==(const SIZE& a, const SIZE& b) { return a.cx == b.cx && a.cy == b.cy; }
inline std::ostream& operator<<(std::ostream& out, const SIZE& s) { return out << s.cx << " x " << s.cy; }

class SkinnedFormTest : public MainFormTest {
protected:
  void SetUp() override {
    // The pointer rests where no test window is: a test that moved it onto
    // a caption button must not make one hot for the next.
    SetCursorPos(GetSystemMetrics(SM_CXSCREEN) - 1, GetSystemMetrics(SM_CYSCREEN) - 1);
    MainFormTest::SetUp();
    Data = dynamic_cast<TSkinData*>(Form->FindComponent(L"SkinData1"));
    ASSERT_NE(Data, nullptr);
    ASSERT_NE(SkinManager, nullptr);
  }
  void TearDown() override {
    MainFormTest::TearDown();
    SkinManager.reset();
  }
  // Another form of the program, shown: its first activation skins it.
  TForm* ShowSecondForm() {
    auto* form = new TForm(Application);
    form->SetBounds(30, 30, 300, 200);
    form->SetText(L"Second");
    form->Show();
    Application->ProcessMessages();
    return form;
  }
  // Loads a skin file into the component and waits until every window wears it.
  void SwitchSkin(const std::wstring& file) {
    Data->SetSkinFile(file);
    ASSERT_FALSE(Data->NoSkinLoaded);
    for (int i = 0; i < 400 && SkinManager->PendingSkinData; ++i) {
      Sleep(10);
      Application->ProcessMessages();
    }
    ASSERT_EQ(SkinManager->PendingSkinData, nullptr);
  }

  TSkinData* Data = nullptr;
};

// The same with a second form of the program shown and skinned.
class SecondFormTest : public SkinnedFormTest {
protected:
  void SetUp() override {
    SkinnedFormTest::SetUp();
    if (HasFatalFailure()) return;
    Second = ShowSecondForm();
    Skinner = FindFormSkinner(Second->Handle());
    ASSERT_NE(Skinner, nullptr);
  }
  void TearDown() override {
    delete Second;
    SkinnedFormTest::TearDown();
  }

  TForm* Second = nullptr;
  TWinSkinForm* Skinner = nullptr;
};
