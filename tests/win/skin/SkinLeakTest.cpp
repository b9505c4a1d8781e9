// Switching skinning off and on, and painting the frame, over and over: no
// GDI or USER object is left behind and every window procedure goes back.
#include "host/WideText.h"
#include "host/WindowProcLink.h"
#include "skin/controls/SkinControl.h"
#include "skin/data/WinSkinData.h"
#include "skin/form/WinSkinForm.h"
#include "skin/manager/SkinManage.h"
#include "skin/manager/SkinMessages.h"
#include "tests/win/skin/ControlStates.h"
#include "tests/win/skin/ForeignDialog.h"
#include "tests/win/skin/GalleryFixture.h"
#include "tests/win/skin/HandleCount.h"
#include "tests/win/skin/SkinnedFormFixture.h"
#include <map>

namespace {
class SkinLeakTest : public SkinnedFormTest {
protected:
  void SetUp() override {
    SkinnedFormTest::SetUp();
    if (HasFatalFailure()) return;
    Main = Form->Handle();
    Dialog = MakeForeignDialog(WS_SYSMENU | WS_VISIBLE);
    ASSERT_NE(Dialog, nullptr);
  }
  void TearDown() override {
    DestroyWindow(Dialog);
    SkinnedFormTest::TearDown();
  }
  // The deferred action the component asks for, run now rather than 250 ms later.
  void Switch(bool on) {
    Data->SetActive(on);
    SkinManager->ActionTimer.SetEnabled(false);
    SkinManager->RunPendingAction();
    if (on) SkinManager->SkinWindow(Dialog);
    Application->ProcessMessages();  // activation runs on WM_SKIN_START
  }
  LONG_PTR Proc(HWND wnd) { return GetWindowLongPtrW(wnd, GWLP_WNDPROC); }

  HWND Main = nullptr, Dialog = nullptr;
};
}  // namespace

TEST_F(SkinLeakTest, SwitchingOffAndOnAThousandTimesLeavesNothingBehind) {
  Switch(false);
  ASSERT_FALSE(Skinned(Main));
  const LONG_PTR mainProc = Proc(Main), dialogProc = Proc(Dialog);
  const auto controls = ControlStates(*Form);
  ASSERT_GE(controls.size(), 20u);
  // One round first: the first use of some GDI paths creates objects GDI keeps.
  Switch(true);
  Switch(false);
  const int gdi = LiveGdiObjects(), user = LiveUserObjects();
  for (int i = 0; i < 1000; ++i) {
    Switch(true);
    ASSERT_TRUE(Skinned(Main)) << "round " << i;
    // The keypad and the display are skinned each time.
    ASSERT_TRUE(Skinned(Key(L"5")->Handle())) << "round " << i;
    ASSERT_TRUE(Skinned(Dialog)) << "round " << i;
    Switch(false);
    ASSERT_FALSE(Skinned(Main)) << "round " << i;
  }
  EXPECT_EQ(LiveGdiObjects(), gdi);
  EXPECT_EQ(LiveUserObjects(), user);
  EXPECT_EQ(Proc(Main), mainProc);
  EXPECT_EQ(Proc(Dialog), dialogProc);
  // Every control has its procedure, links, styles, colour and properties back.
  const auto after = ControlStates(*Form);
  for (const auto& [name, state] : controls) {
    ASSERT_TRUE(after.count(name)) << WideToUtf8(name);
    EXPECT_TRUE(after.at(name) == state) << WideToUtf8(name);
    EXPECT_EQ(state.Links, 0) << WideToUtf8(name);
  }
  EXPECT_TRUE(SkinManager->FormSkinners.empty());
  // The form's own procedure is back too: nothing answers the skinner's query.
  EXPECT_NE(Form->Perform(WM_SKIN_ISSKINNED, 0, SKIN_MAGIC), SKIN_MAGIC);
  RECT client;
  GetClientRect(Main, &client);
  EXPECT_EQ(client.right, 394);
  EXPECT_EQ(client.bottom, 354);
}

TEST_F(SkinLeakTest, PaintingTheFrameTenThousandTimesLeavesNothingBehind) {
  Application->ProcessMessages();
  ASSERT_TRUE(Skinned(Main));
  RedrawWindow(Main, nullptr, nullptr, RDW_FRAME | RDW_INVALIDATE | RDW_UPDATENOW);
  const int gdi = LiveGdiObjects(), user = LiveUserObjects();
  for (int i = 0; i < 10000; ++i) {
    // Active and inactive frames, the whole-window paint and the private repaint.
    if (i % 100 == 0) SendMessageW(Main, WM_NCACTIVATE, (i / 100) % 2, 0);
    if (i % 2)
      SendMessageW(Main, WM_NCPAINT, 1, 0);
    else
      SendMessageW(Main, WM_SKIN_REPAINTFRAME, 0, 0);
  }
  EXPECT_EQ(LiveGdiObjects(), gdi);
  EXPECT_EQ(LiveUserObjects(), user);
}

namespace {
class SkinLeakGalleryTest : public GalleryTest {
protected:
  void Switch(bool on) {
    Gallery->SkinData1->SetActive(on);
    SkinManager->ActionTimer.SetEnabled(false);
    SkinManager->RunPendingAction();
    Application->ProcessMessages();
  }
};
}  // namespace

TEST_F(SkinLeakGalleryTest, SwitchingTheGalleryOffAndOnAThousandTimesLeavesNothingBehind) {
  ShowSkinned();
  const HWND main = Gallery->Handle();
  Switch(false);
  ASSERT_FALSE(Skinned(main));
  const auto controls = ControlStates(*Gallery);
  const LONG_PTR mainProc = GetWindowLongPtrW(main, GWLP_WNDPROC);
  Switch(true);
  Switch(false);
  const int gdi = LiveGdiObjects(), user = LiveUserObjects();
  const HWND button = dynamic_cast<TWinControl*>(Gallery->FindComponent(L"NormalButton"))->Handle();
  for (int i = 0; i < 1000; ++i) {
    Switch(true);
    ASSERT_TRUE(Skinned(main)) << "round " << i;
    ASSERT_TRUE(Skinned(button)) << "round " << i;
    Switch(false);
    ASSERT_FALSE(Skinned(main)) << "round " << i;
  }
  EXPECT_EQ(LiveGdiObjects(), gdi);
  EXPECT_EQ(LiveUserObjects(), user);
  EXPECT_EQ(GetWindowLongPtrW(main, GWLP_WNDPROC), mainProc);
  EXPECT_EQ(GetMenu(main), Gallery->MainMenu->Handle());  // the window's again
  const auto after = ControlStates(*Gallery);
  for (const auto& [name, state] : controls) {
    ASSERT_TRUE(after.count(name)) << WideToUtf8(name);
    EXPECT_TRUE(after.at(name) == state) << WideToUtf8(name);
    EXPECT_EQ(state.Links, 0) << WideToUtf8(name);
  }
}
