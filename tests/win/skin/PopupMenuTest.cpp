// Popup-menu windows under the skin: a context menu gets a skinner while it
// is open and paints its frame from the skin's menu background; the system
// menu is skinned only when the skin component allows system menus.
#include "host/Menus.h"
#include "skin/data/WinSkinData.h"
#include "skin/form/WinSkinForm.h"
#include "skin/manager/SkinManage.h"
#include "skin/manager/SkinMessages.h"
#include "tests/win/skin/SkinnedFormFixture.h"

namespace {
struct TSeen {
  bool Open = false;
  size_t Skinners = 0;
  LRESULT Query = 0;
  COLORREF Painted = 0, Composed = 1;
};
TSeen Seen;

void CALLBACK LookAtMenu(HWND, UINT, UINT_PTR id, DWORD) {
  HWND menu = FindWindowW(L"#32768", nullptr);
  if (!menu || !IsWindowVisible(menu)) return;
  KillTimer(nullptr, id);
  Seen.Open = true;
  Seen.Skinners = SkinManager->PopupSkinners.size();
  Seen.Query = SendMessageA(menu, WM_SKIN_QUERY, 0, 0);
  if (Seen.Skinners == 1) {
    SendMessageW(menu, WM_NCPAINT, 1, 0);
    Seen.Painted = GetPixel(TWholeWindowDC(menu).Get(), 1, 1);
    Seen.Composed = GetPixel(SkinManager->PopupSkinners.front()->FrameBitmap.Canvas().Handle(), 1, 1);
  }
  EndMenu();
}

class PopupMenuTest : public SkinnedFormTest {
protected:
  void SetUp() override {
    SkinnedFormTest::SetUp();
    if (HasFatalFailure()) return;
    Seen = {};
  }
  void TearDown() override {
    SkinnedFormTest::TearDown();
  }
  void WhileOpen(const std::function<void()>& open) {
    const UINT_PTR timer = SetTimer(nullptr, 0, 50, LookAtMenu);
    open();
    KillTimer(nullptr, timer);
    Application->ProcessMessages();
  }
};
}  // namespace

TEST_F(PopupMenuTest, AContextMenuWearsTheMenuBackgroundWhileOpen) {
  ASSERT_TRUE(Data->MenuBackground && Data->MenuBackground->Image);
  TPopupMenu popup(nullptr);
  popup.Items.Add(L"One", 1);
  popup.Items.Add(L"Two", 2);
  WhileOpen([&] { popup.Popup(200, 200); });
  ASSERT_TRUE(Seen.Open);
  EXPECT_EQ(Seen.Skinners, 1u);
  EXPECT_EQ(Seen.Query, 1);
  // The corner is the image's own corner, copied 1:1.
  EXPECT_EQ(Seen.Painted, Seen.Composed);
  EXPECT_EQ(Seen.Composed, ColorToRGB(Data->MenuBackground->Image->Pixel(1, 1)));
  EXPECT_TRUE(SkinManager->PopupSkinners.empty());
  EXPECT_EQ(SkinManager->MenuKind, mkContextMenu);
}

TEST_F(PopupMenuTest, TheSystemMenuIsSkinnedOnlyWhenSystemMenusAre) {
  TForm* second = ShowSecondForm();
  ASSERT_NE(FindFormSkinner(second->Handle()), nullptr);
  WhileOpen([&] { SendMessageW(second->Handle(), WM_SYSCOMMAND, SC_KEYMENU, ' '); });
  ASSERT_TRUE(Seen.Open);
  EXPECT_EQ(Seen.Skinners, 1u);

  Seen = {};
  Data->SkinControls &= ~SetOf({xcSystemMenu});
  FindFormSkinner(second->Handle())->LastClickTime = 0;
  WhileOpen([&] { SendMessageW(second->Handle(), WM_SYSCOMMAND, SC_KEYMENU, ' '); });
  ASSERT_TRUE(Seen.Open);
  EXPECT_EQ(Seen.Skinners, 0u);
  EXPECT_NE(Seen.Query, 1);
  delete second;
}

namespace {
bool LetGo = false;
void CALLBACK RemoveSkinWhileOpen(HWND, UINT, UINT_PTR id, DWORD) {
  HWND menu = FindWindowW(L"#32768", nullptr);
  if (!menu || !IsWindowVisible(menu) || SkinManager->PopupSkinners.empty()) return;
  KillTimer(nullptr, id);
  SkinManager->RemoveSkinData(SkinManager->PopupSkinners.front()->SkinData);
  // The window is the system's again: no skinner answers, and painting it is safe.
  LetGo = SkinManager->PopupSkinners.empty() && SendMessageA(menu, WM_SKIN_QUERY, 0, 0) != 1;
  SendMessageW(menu, WM_NCPAINT, 1, 0);
  EndMenu();
}
}  // namespace

TEST_F(PopupMenuTest, AnOpenMenuLetsGoOfASkinComponentThatGoes) {
  TPopupMenu popup(nullptr);
  popup.Items.Add(L"One", 1);
  LetGo = false;
  const UINT_PTR timer = SetTimer(nullptr, 0, 50, RemoveSkinWhileOpen);
  popup.Popup(200, 200);
  KillTimer(nullptr, timer);
  EXPECT_TRUE(LetGo);
}
