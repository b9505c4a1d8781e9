// The skinned system menu: built from the window's own system menu, opened by
// Alt+Space and by a right click on the title, its items posting their
// commands; two right clicks close the window only over a hot caption button.
#include "skin/data/WinSkinData.h"
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

class SystemMenuTest : public SecondFormTest {
protected:
  void SetUp() override {
    SecondFormTest::SetUp();
    OpenMenu = {};
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

namespace {
// The skin component's menu glyphs, black on the mask colour: close,
// minimise and maximise.
struct TGlyphCase {
  WPARAM Command;
  int Image;
  const char* Rows[16];
};
const TGlyphCase kGlyphs[] = {
    {SC_CLOSE, 3, {"................", "................", "................", "................",
                   "...##.....##....", "...###...###....", "....###.###.....", ".....#####......",
                   "......###.......", ".....#####......", "....###.###.....", "...###...###....",
                   "...##.....##....", "................", "................", "................"}},
    {SC_MINIMIZE, 2, {"................", "................", "................", "................",
                      "................", "................", "................", ".....#######....",
                      ".....#######....", "................", "................", "................",
                      "................", "................", "................", "................"}},
    {SC_MAXIMIZE, 1, {"................", "................", "................", "...##########...",
                      "...##########...", "...#........#...", "...#........#...", "...#........#...",
                      "...#........#...", "...#........#...", "...#........#...", "...#........#...",
                      "...##########...", "................", "................", "................"}},
};
}  // namespace

// The window commands show the skin's glyphs: black where the glyph is, and
// elsewhere in the box just what the item shows without an image. A
// right-to-left window has them at the right.
class SystemMenuGlyphs : public SystemMenuTest, public testing::WithParamInterface<bool> {};

TEST_P(SystemMenuGlyphs, TheWindowCommandsShowTheSkinsGlyphs) {
  Skinner->RightToLeft = GetParam();
  Skinner->BuildSystemMenu();
  Skinner->SkinPopupItems(*Skinner->SysMenuPopup);
  EXPECT_EQ(Skinner->SysMenuPopup->Images, &Data->MenuGlyphs);
  // 1 pixel inside the "MenuItem" element's edge of a 160 by 20 item,
  // centred on its height.
  const int edge = HasImage(Data->MenuItem.get()) ? Data->MenuItem->LeftWidth : 0;
  const int boxLeft = GetParam() ? 160 - 1 - edge - 16 : 1 + edge, boxTop = 2;
  for (const TGlyphCase& glyph : kGlyphs) {
    TMenuItem* item = ItemTagged(int(glyph.Command));
    ASSERT_NE(item, nullptr) << std::hex << glyph.Command;
    ASSERT_TRUE(item->Enabled);
    EXPECT_EQ(item->GetImageList(), &Data->MenuGlyphs);
    ASSERT_TRUE(item->OnDrawItem);
    auto draw = [&](int image) {
      item->ImageIndex = image;
      auto picture = std::make_unique<TBitmap>(160, 20);
      item->OnDrawItem(item, picture->Canvas().Handle(), {0, 0, 160, 20}, false);
      return picture;
    };
    const auto plain = draw(-1), withGlyph = draw(glyph.Image);
    for (int y = 0; y < 16; ++y)
      for (int x = 0; x < 16; ++x) {
        const TColor got = withGlyph->Pixel(boxLeft + x, boxTop + y);
        if (glyph.Rows[y][x] == '#')
          ASSERT_EQ(got, clBlack) << glyph.Image << " at " << x << "," << y;
        else
          ASSERT_EQ(got, plain->Pixel(boxLeft + x, boxTop + y)) << glyph.Image << " at " << x << "," << y;
      }
  }
}

INSTANTIATE_TEST_SUITE_P(SystemMenuTest, SystemMenuGlyphs, testing::Bool(),
                         [](const testing::TestParamInfo<bool>& info) {
                           return info.param ? "RightToLeft" : "LeftToRight";
                         });

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

namespace {
// Steps run by a timer while the system menu is open: skinning goes off
// (the manager's own timer then drops the skinner), the skin component is
// freed, and only then does the menu close.
struct TWhileOpen {
  TSkinData* Data = nullptr;
  HWND Window = nullptr;
  int Step = 0;
  int SkinnersWhileOpen = -1;
  TWinSkinForm* Skinner = nullptr;
  bool PaintersGone = false;  // from the open menu, before the skin is freed
};
TWhileOpen WhileOpen;

void CALLBACK SwitchOffAndFreeWhileOpen(HWND, UINT, UINT_PTR id, DWORD) {
  HWND menu = FindWindowW(L"#32768", nullptr);
  if (WhileOpen.Step == 0 && menu && IsWindowVisible(menu)) {
    WhileOpen.Data->SetActive(false);
    WhileOpen.Step = 1;
  } else if (WhileOpen.Step == 1 && !FindFormSkinner(WhileOpen.Window)) {
    WhileOpen.SkinnersWhileOpen = TWinSkinForm::Instances();
    // The skinner lives on while its menu is open; its items must no longer
    // paint with the skin that goes next.
    const TPopupMenu& menu = *WhileOpen.Skinner->SysMenuPopup;
    WhileOpen.PaintersGone = !menu.Images;
    for (int i = 0; i < menu.Items.Count(); ++i)
      WhileOpen.PaintersGone = WhileOpen.PaintersGone && !menu.Items.Items(i)->OnDrawItem;
    delete WhileOpen.Data;
    WhileOpen.Step = 2;
  } else if (WhileOpen.Step == 2) {
    KillTimer(nullptr, id);
    EndMenu();
    WhileOpen.Step = 3;
  }
}
}  // namespace

TEST_F(SystemMenuTest, SkinningOffAndTheSkinFreedWhileItIsOpenLeaveNothingBehind) {
  const HWND wnd = Second->Handle();
  const LONG_PTR ownProc = GetClassLongPtrW(wnd, GCLP_WNDPROC);
  ASSERT_NE(GetWindowLongPtrW(wnd, GWLP_WNDPROC), ownProc);
  const int skinners = TWinSkinForm::Instances();
  WhileOpen = {Data, wnd, 0};
  WhileOpen.Skinner = Skinner;
  Data = nullptr;  // freed by the timer
  const UINT_PTR timer = SetTimer(nullptr, 0, 20, SwitchOffAndFreeWhileOpen);
  SendMessageW(wnd, WM_SYSCOMMAND, SC_KEYMENU, ' ');
  KillTimer(nullptr, timer);
  ASSERT_EQ(WhileOpen.Step, 3);
  Skinner = nullptr;
  // The main form's skinner went at once; the one whose menu was open lived
  // on while its call was on the stack.
  EXPECT_EQ(WhileOpen.SkinnersWhileOpen, skinners - 1);
  EXPECT_TRUE(WhileOpen.PaintersGone);
  // Then it went too, and every window has its own procedure back.
  EXPECT_EQ(TWinSkinForm::Instances(), skinners - 2);
  EXPECT_EQ(GetWindowLongPtrW(wnd, GWLP_WNDPROC), ownProc);
  EXPECT_EQ(GetWindowLongPtrW(Form->Handle(), GWLP_WNDPROC), GetClassLongPtrW(Form->Handle(), GCLP_WNDPROC));
  EXPECT_NE(SendMessageW(wnd, WM_SKIN_QUERY, 0, 0), 1);
}
