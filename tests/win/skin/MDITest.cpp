// A skinned MDI parent: its client is subclassed while the parent is
// skinned, children are skinned as they are made, maximized children give
// up their regions and show their buttons in the parent's menu bar, and the
// menus the client sets are shown by the bar.
#include "host/Handles.h"
#include "skin/data/WinSkinData.h"
#include "skin/draw/DrawTransparent.h"
#include "skin/form/WinSkinForm.h"
#include "skin/form/WinSkinMenu.h"
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

// A menu bar of drop-downs with these captions, each with one item.
HMENU MenuOf(std::initializer_list<const wchar_t*> captions) {
  HMENU bar = CreateMenu();
  UINT id = 200;
  for (const wchar_t* caption : captions) {
    HMENU drop = CreatePopupMenu();
    AppendMenuW(drop, MF_STRING, id++, L"Item");
    AppendMenuW(bar, MF_POPUP, UINT_PTR(drop), caption);
  }
  return bar;
}

std::vector<std::wstring> BarCaptions(const TWinSkinMenu& bar) {
  std::vector<std::wstring> captions;
  for (const auto& b : bar.Buttons) captions.push_back(b->Caption);
  return captions;
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
    FrameMenu = MenuOf({L"&File", L"&Window"});
    Frame = CreateWindowExW(0, L"MdiFrameProbe", L"Frame", WS_OVERLAPPEDWINDOW | WS_CLIPCHILDREN, 20, 20, 500, 400,
                            nullptr, FrameMenu, ProgramInstance(), nullptr);
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
    // Whichever menu the frame did not take with it.
    for (HMENU menu : {FrameMenu, ChildMenu})
      if (IsMenu(menu)) DestroyMenu(menu);
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

  // The caption buttons a maximized child shows in the bar.
  std::vector<TWinSysButton*> ChildButtons() {
    std::vector<TWinSysButton*> buttons;
    for (auto& b : Parent->CaptionButtons)
      if (b->Visible && b->Element->Align == baMDIMenuBar) buttons.push_back(b.get());
    return buttons;
  }
  LRESULT SetMenus(HMENU frame) {
    const LRESULT old = SendMessageW(Client, WM_MDISETMENU, WPARAM(frame), LPARAM(GetSubMenu(frame, 1)));
    Application->ProcessMessages();
    return old;
  }

  HWND Frame = nullptr;
  HMENU FrameMenu = nullptr, ChildMenu = nullptr;
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
  // Tiling through the client clears a stale flag.
  SkinManager->MDIMaximized = true;
  SendMessageW(Client, WM_MDITILE, 0, 0);
  EXPECT_FALSE(SkinManager->MDIMaximized);
  // Maximizing through the client sets it again once the bar shows the child's buttons.
  SendMessageW(Client, WM_MDIMAXIMIZE, WPARAM(child), 0);
  Application->ProcessMessages();
  EXPECT_TRUE(SkinManager->MDIMaximized);
  EXPECT_FALSE(HasRegion(child));
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

TEST_F(MDITest, TheBarShowsTheMenuTheClientSetsAndTheFrameKeepsNone) {
  ASSERT_NE(Parent->MenuBar, nullptr);
  EXPECT_EQ(BarCaptions(*Parent->MenuBar), (std::vector<std::wstring>{L"&File", L"&Window"}));
  EXPECT_EQ(GetMenu(Frame), nullptr);
  const SIZE client = ClientSize(Frame);
  ChildMenu = MenuOf({L"&File", L"&Edit", L"&Window"});
  // The answer is the menu the frame had, though the bar keeps it off the window.
  EXPECT_EQ(HMENU(SetMenus(ChildMenu)), FrameMenu);
  EXPECT_EQ(BarCaptions(*Parent->MenuBar), (std::vector<std::wstring>{L"&File", L"&Edit", L"&Window"}));
  EXPECT_EQ(GetMenu(Frame), nullptr);
  EXPECT_EQ(ClientSize(Frame), client);
  // Unskinned, the frame shows the menu it was given last, around the same client.
  Data->SetActive(false);
  SkinManager->ActionTimer.SetEnabled(false);
  SkinManager->RunPendingAction();
  EXPECT_EQ(GetMenu(Frame), ChildMenu);
  EXPECT_EQ(ClientSize(Frame), client);
}

TEST_F(MDITest, AMaximizedChildShowsItsButtonsInTheBarAndTheyAct) {
  HWND child = NewChild();
  EXPECT_TRUE(ChildButtons().empty());
  SendMessageW(Client, WM_MDIMAXIMIZE, WPARAM(child), 0);
  Application->ProcessMessages();
  ASSERT_TRUE(IsZoomed(child));
  EXPECT_TRUE(Parent->ActiveMDIChildMaximized());
  RedrawWindow(Frame, nullptr, nullptr, RDW_FRAME | RDW_INVALIDATE | RDW_UPDATENOW);
  const std::vector<TWinSysButton*> buttons = ChildButtons();
  ASSERT_EQ(buttons.size(), 3u);
  const RECT bar = Parent->MenuBar->CurrentBarRect();
  TWholeWindowDC dc(Frame);
  for (TWinSysButton* b : buttons) {
    EXPECT_GE(b->Bounds.top, bar.top);
    EXPECT_LE(b->Bounds.bottom, bar.bottom);
    EXPECT_LE(b->Bounds.right, bar.right);
    // Frame 1 of the button's strip shows there, but for its key colour.
    TBitmap& picture = *b->Picture();
    int compared = 0;
    for (int y = 0; y < b->Bounds.bottom - b->Bounds.top; ++y)
      for (int x = 0; x < b->Bounds.right - b->Bounds.left; ++x) {
        const COLORREF want = GetPixel(picture.Canvas().Handle(), x, y);
        if (want == kSkinKeyColour) continue;
        ++compared;
        ASSERT_EQ(GetPixel(dc.Get(), b->Bounds.left + x, b->Bounds.top + y), want) << x << ", " << y;
      }
    EXPECT_GT(compared, 0);
  }
  // The middle one restores the child, and the bar shows no buttons any more.
  TWinSysButton* restore = nullptr;
  for (TWinSysButton* b : buttons)
    if (b->Element->Action == caMDIRestore) restore = b;
  ASSERT_NE(restore, nullptr);
  RECT w{};
  GetWindowRect(Frame, &w);
  const LPARAM at = MAKELPARAM(w.left + (restore->Bounds.left + restore->Bounds.right) / 2,
                               w.top + (restore->Bounds.top + restore->Bounds.bottom) / 2);
  SendMessageW(Frame, WM_NCLBUTTONDOWN, HTCAPTION, at);
  SendMessageW(Frame, WM_NCLBUTTONUP, HTCAPTION, at);
  Application->ProcessMessages();
  EXPECT_FALSE(IsZoomed(child));
  EXPECT_FALSE(Parent->ActiveMDIChildMaximized());
  EXPECT_TRUE(ChildButtons().empty());
}

TEST_F(MDITest, AMenuSetWhileAChildIsMaximizedIsKeptWithoutTheChildsItems) {
  HWND child = NewChild();
  SendMessageW(Client, WM_MDIMAXIMIZE, WPARAM(child), 0);
  Application->ProcessMessages();
  ASSERT_TRUE(IsZoomed(child));
  ChildMenu = MenuOf({L"&File", L"&Edit", L"&Window"});
  SetMenus(ChildMenu);
  EXPECT_EQ(GetMenuItemCount(ChildMenu), 3);
  EXPECT_EQ(BarCaptions(*Parent->MenuBar), (std::vector<std::wstring>{L"&File", L"&Edit", L"&Window"}));
  SendMessageW(Client, WM_MDIRESTORE, WPARAM(child), 0);
  Application->ProcessMessages();
  EXPECT_EQ(GetMenuItemCount(ChildMenu), 3);
}
