// A skinned MDI parent: its client is subclassed while the parent is
// skinned, children are skinned as they are made, and maximized children
// give up their regions.
#include "skin/data/WinSkinData.h"
#include "skin/form/WinSkinForm.h"
#include "skin/manager/SkinManage.h"
#include "skin/manager/SkinMessages.h"
#include "tests/win/skin/SkinnedFormFixture.h"

namespace {
HWND Client = nullptr;

LRESULT CALLBACK FrameProc(HWND wnd, UINT msg, WPARAM wparam, LPARAM lparam) {
  if (msg == WM_CREATE) {
    CLIENTCREATESTRUCT ccs{};
    ccs.idFirstChild = 100;
    Client = CreateWindowExW(0, L"MDICLIENT", nullptr, WS_CHILD | WS_CLIPCHILDREN | WS_VISIBLE, 0, 0, 0, 0, wnd,
                             nullptr, ProgramInstance(), &ccs);
  }
  return DefFrameProcW(wnd, Client, msg, wparam, lparam);
}

LRESULT CALLBACK ChildProc(HWND wnd, UINT msg, WPARAM wparam, LPARAM lparam) {
  return DefMDIChildProcW(wnd, msg, wparam, lparam);
}

void RegisterOnce(const wchar_t* name, WNDPROC proc) {
  WNDCLASSW wc{};
  wc.lpfnWndProc = proc;
  wc.hInstance = ProgramInstance();
  wc.lpszClassName = name;
  wc.hbrBackground = HBRUSH(COLOR_APPWORKSPACE + 1);
  RegisterClassW(&wc);
}

class MDITest : public SkinnedFormTest {
protected:
  void SetUp() override {
    SkinnedFormTest::SetUp();
    if (HasFatalFailure()) return;
    RegisterOnce(L"MdiFrameProbe", FrameProc);
    RegisterOnce(L"MdiChildProbe", ChildProc);
    Frame = CreateWindowExW(0, L"MdiFrameProbe", L"Frame", WS_OVERLAPPEDWINDOW | WS_CLIPCHILDREN, 20, 20, 500, 400,
                            nullptr, nullptr, ProgramInstance(), nullptr);
    ASSERT_NE(Client, nullptr);
    NativeClientProc = GetWindowLongPtrW(Client, GWLP_WNDPROC);
    ShowWindow(Frame, SW_SHOW);
    SetForegroundWindow(Frame);
    Application->ProcessMessages();
    Parent = FindFormSkinner(Frame);
    ASSERT_NE(Parent, nullptr);
  }
  void TearDown() override {
    DestroyWindow(Frame);
    Client = nullptr;
    SkinnedFormTest::TearDown();
  }
  HWND NewChild() {
    MDICREATESTRUCTW mcs{};
    mcs.szClass = L"MdiChildProbe";
    mcs.szTitle = L"Child";
    mcs.hOwner = ProgramInstance();
    mcs.x = mcs.y = 10;
    mcs.cx = 200;
    mcs.cy = 150;
    HWND child = HWND(SendMessageW(Client, WM_MDICREATE, 0, LPARAM(&mcs)));
    Application->ProcessMessages();
    return child;
  }
  bool HasRegion(HWND wnd) {
    HRGN probe = CreateRectRgn(0, 0, 0, 0);
    const bool has = GetWindowRgn(wnd, probe) != ERROR;
    DeleteObject(probe);
    return has;
  }

  HWND Frame = nullptr;
  LONG_PTR NativeClientProc = 0;
  TWinSkinForm* Parent = nullptr;
};
}  // namespace

TEST_F(MDITest, TheParentHooksItsClientAndChildrenAreSkinnedAsTheyAreMade) {
  EXPECT_EQ(Parent->FormKind, fkMDIParent);
  EXPECT_EQ(SkinManager->MDIClientHandle, Client);
  EXPECT_NE(GetWindowLongPtrW(Client, GWLP_WNDPROC), NativeClientProc);
  HWND child = NewChild();
  ASSERT_NE(child, nullptr);
  TWinSkinForm* skinner = FindFormSkinner(child);
  ASSERT_NE(skinner, nullptr);
  EXPECT_EQ(skinner->FormKind, fkMDIChild);
  EXPECT_EQ(SendMessageA(child, WM_SKIN_QUERY, 0, 0), 1);
}

TEST_F(MDITest, TheClientShowsNoScrollBarsInTheSkinnedFrame) {
  SetWindowLongPtrW(Client, GWL_STYLE, GetWindowLongPtrW(Client, GWL_STYLE) | WS_VSCROLL | WS_HSCROLL);
  SetWindowPos(Client, nullptr, 0, 0, 0, 0, SWP_NOMOVE | SWP_NOSIZE | SWP_NOZORDER | SWP_FRAMECHANGED);
  EXPECT_EQ(GetWindowLongPtrW(Client, GWL_STYLE) & (WS_VSCROLL | WS_HSCROLL), 0);
}

TEST_F(MDITest, MaximizedChildrenGiveUpTheirRegions) {
  HWND child = NewChild();
  TWinSkinForm* skinner = FindFormSkinner(child);
  ASSERT_NE(skinner, nullptr);
  ASSERT_TRUE(skinner->RegionOwned);
  ASSERT_TRUE(HasRegion(child));
  SkinManager->SetMDIMaximized(true);
  EXPECT_FALSE(skinner->RegionOwned);
  EXPECT_FALSE(HasRegion(child));
  SkinManager->SetMDIMaximized(false);
  EXPECT_TRUE(skinner->RegionOwned);
  EXPECT_TRUE(HasRegion(child));
  // Maximizing through the client clears the flag before the child changes.
  SkinManager->MDIMaximized = true;
  SendMessageW(Client, WM_MDIMAXIMIZE, WPARAM(child), 0);
  EXPECT_FALSE(SkinManager->MDIMaximized);
}

TEST_F(MDITest, SwitchingOffGivesTheClientItsProcedureBack) {
  NewChild();
  Data->SetActive(false);
  SkinManager->ActionTimer.SetEnabled(false);
  SkinManager->RunPendingAction();
  EXPECT_EQ(GetWindowLongPtrW(Client, GWLP_WNDPROC), NativeClientProc);
  EXPECT_TRUE(SkinManager->FormSkinners.empty());
}

TEST_F(MDITest, AChildMaximizedByItsButtonMaximizesTheOthersWithoutRegions) {
  HWND first = NewChild();
  HWND second = NewChild();
  TWinSkinForm* skinner = FindFormSkinner(second);
  ASSERT_NE(skinner, nullptr);
  ASSERT_TRUE(HasRegion(first));
  skinner->ToggleMaximize();
  EXPECT_TRUE(SkinManager->MDIMaximized);
  EXPECT_FALSE(HasRegion(first));
  Application->ProcessMessages();
  EXPECT_TRUE(IsZoomed(second));
  EXPECT_FALSE(HasRegion(second));
}
