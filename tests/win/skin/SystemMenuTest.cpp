// The skinned system menu: built from the window's own system menu, opened by
// Alt+Space and by a right click on the title, its items posting their
// commands; two right clicks close the window only over a hot caption button.
#include "skin/form/WinSkinForm.h"
#include "skin/form/WinSysButton.h"
#include "skin/manager/SkinManage.h"
#include "skin/manager/SkinMessages.h"
#include "tests/win/skin/SkinnedFormFixture.h"

namespace {
// What a timer saw while the popup menu was open, before it closed it.
struct TOpenMenu {
  bool Seen = false;
  RECT Bounds{};
  int MenuKind = -1;
};
TOpenMenu OpenMenu;

void CALLBACK CloseOpenMenu(HWND, UINT, UINT_PTR id, DWORD) {
  HWND menu = FindWindowW(L"#32768", nullptr);
  if (!menu || !IsWindowVisible(menu)) return;
  OpenMenu.Seen = true;
  GetWindowRect(menu, &OpenMenu.Bounds);
  OpenMenu.MenuKind = SkinManager ? SkinManager->MenuKind : -1;
  KillTimer(nullptr, id);
  EndMenu();
}

class SystemMenuTest : public SkinnedFormTest {
protected:
  void SetUp() override {
    SkinnedFormTest::SetUp();
    if (HasFatalFailure()) return;
    Second = ShowSecondForm();
    Skinner = FindFormSkinner(Second->Handle());
    ASSERT_NE(Skinner, nullptr);
    OpenMenu = {};
  }
  void TearDown() override {
    delete Second;
    SkinnedFormTest::TearDown();
  }
  // Runs a message that opens a menu; a timer closes the menu again.
  void WhileMenuOpens(const std::function<void()>& open) {
    const UINT_PTR timer = SetTimer(nullptr, 0, 50, CloseOpenMenu);
    open();
    KillTimer(nullptr, timer);
  }
  TMenuItem* ItemTagged(int tag) {
    for (int i = 0; i < Skinner->SysMenuPopup->Items.Count(); ++i)
      if (Skinner->SysMenuPopup->Items.Items(i)->GetTag() == tag) return Skinner->SysMenuPopup->Items.Items(i);
    return nullptr;
  }
  bool PostedSysCommand(WPARAM command) {
    MSG msg;
    bool found = false;
    while (PeekMessageW(&msg, Second->Handle(), WM_SYSCOMMAND, WM_SYSCOMMAND, PM_REMOVE))
      found = found || msg.wParam == command;
    return found;
  }

  TForm* Second = nullptr;
  TWinSkinForm* Skinner = nullptr;
};
}  // namespace

TEST_F(SystemMenuTest, ItemsAreTheSystemMenusWithTheirCommandsAsTags) {
  Skinner->BuildSystemMenu();
  ASSERT_NE(Skinner->SysMenuPopup, nullptr);
  EXPECT_EQ(Skinner->SysMenuPopup->GetTag(), 33333);
  HMENU system = GetSystemMenu(Second->Handle(), FALSE);
  ASSERT_EQ(Skinner->SysMenuPopup->Items.Count(), GetMenuItemCount(system));
  struct Row { WPARAM command; bool enabled; int image; };
  // A normal window with both boxes: only Restore is disabled.
  for (Row row : {Row{SC_RESTORE, false, 0}, Row{SC_MAXIMIZE, true, 1}, Row{SC_MINIMIZE, true, 2},
                  Row{SC_CLOSE, true, 3}, Row{SC_MOVE, true, -1}, Row{SC_SIZE, true, -1}}) {
    TMenuItem* item = ItemTagged(int(row.command));
    ASSERT_NE(item, nullptr) << std::hex << row.command;
    EXPECT_EQ(item->Enabled, row.enabled) << std::hex << row.command;
    EXPECT_EQ(item->ImageIndex, row.image) << std::hex << row.command;
    EXPECT_FALSE(item->Caption.empty());
  }
  EXPECT_NE(ItemTagged(SC_CLOSE)->ShortCutText, L"");
  bool separator = false;
  for (int i = 0; i < Skinner->SysMenuPopup->Items.Count(); ++i)
    separator = separator || Skinner->SysMenuPopup->Items.Items(i)->IsLine();
  EXPECT_TRUE(separator);
}

TEST_F(SystemMenuTest, AMaximizedWindowCannotBeMovedSizedOrMaximized) {
  ShowWindow(Second->Handle(), SW_MAXIMIZE);
  Application->ProcessMessages();
  ASSERT_EQ(Skinner->WindowState, wsMaximized);
  Skinner->BuildSystemMenu();
  EXPECT_FALSE(ItemTagged(SC_MOVE)->Enabled);
  EXPECT_FALSE(ItemTagged(SC_SIZE)->Enabled);
  EXPECT_FALSE(ItemTagged(SC_MAXIMIZE)->Enabled);
  EXPECT_TRUE(ItemTagged(SC_RESTORE)->Enabled);
}

TEST_F(SystemMenuTest, AnItemPostsItsCommandAsASystemCommand) {
  Skinner->BuildSystemMenu();
  PostedSysCommand(0);
  ItemTagged(SC_MINIMIZE)->Click();
  EXPECT_TRUE(PostedSysCommand(SC_MINIMIZE));
}

TEST_F(SystemMenuTest, AltSpaceOpensItAtTheTopLeftOfTheClientArea) {
  HWND wnd = Second->Handle();
  WhileMenuOpens([&] { SendMessageW(wnd, WM_SYSCOMMAND, SC_KEYMENU, ' '); });
  ASSERT_TRUE(OpenMenu.Seen);
  POINT origin{0, 0};
  ClientToScreen(wnd, &origin);
  EXPECT_EQ(OpenMenu.Bounds.left, origin.x);
  EXPECT_EQ(OpenMenu.Bounds.top, origin.y);
  EXPECT_EQ(OpenMenu.MenuKind, mkSystemMenu);
}

TEST_F(SystemMenuTest, TwoRightClicksOnTheTitleCloseOnlyOverAHotButton) {
  HWND wnd = Second->Handle();
  RECT w;
  GetWindowRect(wnd, &w);
  const LPARAM title = MAKELPARAM(w.left + 60, w.top + 8);
  // Without a hot button the second click within the double-click time does nothing.
  WhileMenuOpens([&] { SendMessageW(wnd, WM_NCRBUTTONDOWN, HTCAPTION, title); });
  EXPECT_TRUE(OpenMenu.Seen);
  SendMessageW(wnd, WM_NCRBUTTONDOWN, HTCAPTION, title);
  Application->ProcessMessages();
  ASSERT_TRUE(IsWindow(wnd));
  // With one, it closes the window.
  Skinner->LastClickTime = 0;
  WhileMenuOpens([&] { SendMessageW(wnd, WM_NCRBUTTONDOWN, HTCAPTION, title); });
  Skinner->HotObject = Skinner->CaptionButtons.front().get();
  SendMessageW(wnd, WM_NCRBUTTONDOWN, HTCAPTION, title);
  Application->ProcessMessages();
  EXPECT_FALSE(IsWindow(wnd));
}

TEST_F(SystemMenuTest, TheCalculatorWithoutBorderIconsOpensNone) {
  HWND calc = Form->Handle();
  ASSERT_FALSE(GetWindowLongPtrW(calc, GWL_STYLE) & WS_SYSMENU);
  TWinSkinForm* skinner = FindFormSkinner(calc);
  ASSERT_NE(skinner, nullptr);
  WhileMenuOpens([&] { SendMessageW(calc, WM_SYSCOMMAND, SC_KEYMENU, ' '); });
  EXPECT_FALSE(OpenMenu.Seen);
  ASSERT_NE(skinner->SysMenuPopup, nullptr);
  EXPECT_EQ(skinner->SysMenuPopup->Items.Count(), 0);
}
