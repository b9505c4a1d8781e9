// Switching skinning off and on, and painting the frame, over and over: no
// GDI or USER object is left behind and every window procedure goes back.
#include "skin/data/WinSkinData.h"
#include "skin/form/WinSkinForm.h"
#include "skin/manager/SkinManage.h"
#include "skin/manager/SkinMessages.h"
#include "tests/win/skin/ForeignDialog.h"
#include "tests/win/skin/HandleCount.h"
#include "tests/win/skin/SkinnedFormFixture.h"

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
  bool Skinned(HWND wnd) { return SendMessageA(wnd, WM_SKIN_QUERY, 0, 0) == 1; }
  LONG_PTR Proc(HWND wnd) { return GetWindowLongPtrW(wnd, GWLP_WNDPROC); }

  HWND Main = nullptr, Dialog = nullptr;
};
}  // namespace

TEST_F(SkinLeakTest, SwitchingOffAndOnAThousandTimesLeavesNothingBehind) {
  Switch(false);
  ASSERT_FALSE(Skinned(Main));
  const LONG_PTR mainProc = Proc(Main), dialogProc = Proc(Dialog);
  // One round first: the first use of some GDI paths creates objects GDI keeps.
  Switch(true);
  Switch(false);
  const int gdi = LiveGdiObjects(), user = LiveUserObjects();
  for (int i = 0; i < 1000; ++i) {
    Switch(true);
    ASSERT_TRUE(Skinned(Main)) << "round " << i;
    ASSERT_TRUE(Skinned(Dialog)) << "round " << i;
    Switch(false);
    ASSERT_FALSE(Skinned(Main)) << "round " << i;
  }
  EXPECT_EQ(LiveGdiObjects(), gdi);
  EXPECT_EQ(LiveUserObjects(), user);
  EXPECT_EQ(Proc(Main), mainProc);
  EXPECT_EQ(Proc(Dialog), dialogProc);
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
