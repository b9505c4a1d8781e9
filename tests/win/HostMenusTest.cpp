// The class library's main menu: the native menu made from the items with
// their states, commands that run the item's OnClick once, a form that shows
// the menu without losing client area, and handles that belong to the menu,
// not to the window that shows it.
#include "host/Forms.h"
#include "host/Menus.h"
#include <gtest/gtest.h>
#include <memory>
#include <string>

namespace {

struct TNativeItem {
  std::wstring Text;
  UINT Type = 0, State = 0, Id = 0;
  HMENU SubMenu = nullptr;
};

TNativeItem NativeItem(HMENU menu, int position) {
  wchar_t text[80] = {};
  MENUITEMINFOW info{sizeof info};
  info.fMask = MIIM_FTYPE | MIIM_STATE | MIIM_ID | MIIM_SUBMENU | MIIM_STRING;
  info.dwTypeData = text;
  info.cch = 80;
  EXPECT_TRUE(GetMenuItemInfoW(menu, UINT(position), TRUE, &info));
  return {text, info.fType, info.fState, info.wID, info.hSubMenu};
}

// File (Open, a line, Recent > One, Save disabled), Edit (Bold checked,
// Left as a checked radio item, Right, Hidden invisible, Copy default with
// a shortcut).
class HostMenus : public testing::Test {
protected:
  void SetUp() override {
    Form = std::make_unique<TForm>(nullptr);
    Form->SetTag(99);  // never skinned by a manager another test left behind
    Menu = new TMainMenu(Form.get());
    TMenuItem* file = Menu->Items.Add(L"&File", 1);
    Open = file->Add(L"&Open", 11);
    file->Add(L"-", 12);
    Recent = file->Add(L"&Recent", 13);
    One = Recent->Add(L"One", 131);
    Save = file->Add(L"&Save", 14);
    Save->Enabled = false;
    TMenuItem* edit = Menu->Items.Add(L"&Edit", 2);
    edit->Add(L"Bold", 21)->Checked = true;
    TMenuItem* left = edit->Add(L"Left", 22);
    left->RadioItem = left->Checked = true;
    edit->Add(L"Right", 23)->RadioItem = true;
    edit->Add(L"Hidden", 24)->Visible = false;
    Copy = edit->Add(L"&Copy", 25);
    Copy->Default = true;
    Copy->ShortCutText = L"Ctrl+C";
    for (TMenuItem* item : {Open, One, Save, Copy})
      item->OnClick = [this](TObject* sender) { Clicked.push_back(static_cast<TMenuItem*>(sender)->GetTag()); };
  }
  // The command a click on the item sends to the window.
  void Choose(TMenuItem* item) { SendMessageW(Form->Handle(), WM_COMMAND, MAKEWPARAM(item->Command(), 0), 0); }
  SIZE Client() const {
    RECT r;
    GetClientRect(Form->Handle(), &r);
    return {r.right, r.bottom};
  }

  std::unique_ptr<TForm> Form;
  TMainMenu* Menu = nullptr;
  TMenuItem *Open = nullptr, *Recent = nullptr, *One = nullptr, *Save = nullptr, *Copy = nullptr;
  std::vector<int> Clicked;
};

TEST_F(HostMenus, TheNativeMenuHoldsTheVisibleItemsWithTheirStates) {
  const HMENU bar = Menu->Handle();
  ASSERT_EQ(GetMenuItemCount(bar), 2);
  const HMENU file = NativeItem(bar, 0).SubMenu, edit = NativeItem(bar, 1).SubMenu;
  EXPECT_EQ(NativeItem(bar, 0).Text, L"&File");
  ASSERT_EQ(GetMenuItemCount(file), 4);
  EXPECT_TRUE(NativeItem(file, 1).Type & MFT_SEPARATOR);
  EXPECT_EQ(NativeItem(file, 2).SubMenu, Recent->Handle());
  EXPECT_EQ(GetMenuItemCount(Recent->Handle()), 1);
  EXPECT_TRUE(NativeItem(file, 3).State & MFS_GRAYED);
  ASSERT_EQ(GetMenuItemCount(edit), 4);  // the invisible item is left out
  EXPECT_TRUE(NativeItem(edit, 0).State & MFS_CHECKED);
  EXPECT_FALSE(NativeItem(edit, 0).Type & MFT_RADIOCHECK);
  EXPECT_TRUE(NativeItem(edit, 1).Type & MFT_RADIOCHECK);
  EXPECT_TRUE(NativeItem(edit, 1).State & MFS_CHECKED);
  EXPECT_FALSE(NativeItem(edit, 2).State & MFS_CHECKED);
  const TNativeItem copy = NativeItem(edit, 3);
  EXPECT_EQ(copy.Text, L"&Copy\tCtrl+C");
  EXPECT_TRUE(copy.State & MFS_DEFAULT);
  // Commands and popups lead back to their items.
  EXPECT_EQ(Menu->FindItem(copy.Id), Copy);
  EXPECT_EQ(Menu->FindItem(NativeItem(Recent->Handle(), 0).Id), One);
  EXPECT_EQ(Menu->Items.FindByHandle(edit), Menu->Items.Items(1));
  EXPECT_EQ(Menu->FindItem(0), nullptr);
  EXPECT_EQ(Menu->FindItem(9999), nullptr);
}

TEST_F(HostMenus, OwnerDrawMakesEveryItemOwnerDrawnAndKeepsItsText) {
  Menu->OwnerDraw = true;
  const HMENU file = NativeItem(Menu->Handle(), 0).SubMenu;
  for (int i = 0; i < GetMenuItemCount(file); ++i) EXPECT_TRUE(NativeItem(file, i).Type & MFT_OWNERDRAW) << i;
  EXPECT_EQ(NativeItem(file, 0).Text, L"&Open");
}

TEST_F(HostMenus, AMenuCommandRunsTheItemsClickOnceAndOnlyForEnabledItems) {
  Form->SetMenu(Menu);
  Form->HandleNeeded();
  Choose(Open);
  Choose(One);
  Choose(Save);  // disabled: nothing
  EXPECT_EQ(Clicked, (std::vector<int>{11, 131}));
  // The same number from a control, or as an accelerator, is not the menu's.
  SendMessageW(Form->Handle(), WM_COMMAND, MAKEWPARAM(Open->Command(), 0), LPARAM(Form->Handle()));
  SendMessageW(Form->Handle(), WM_COMMAND, MAKEWPARAM(Open->Command(), 1), 0);
  EXPECT_EQ(Clicked.size(), 2u);
}

TEST_F(HostMenus, TheFormShowsTheMenuAndKeepsItsClientSize) {
  Form->SetClientWidth(300);
  Form->SetClientHeight(200);
  Form->SetMenu(Menu);
  Form->HandleNeeded();
  EXPECT_EQ(GetMenu(Form->Handle()), Menu->Handle());
  EXPECT_EQ(Client().cx, 300);
  EXPECT_EQ(Client().cy, 200);
  // Taken away and given again on the living window, the client area stays.
  Form->SetMenu(nullptr);
  EXPECT_EQ(GetMenu(Form->Handle()), nullptr);
  EXPECT_EQ(Client().cy, 200);
  Form->SetMenu(Menu);
  EXPECT_EQ(GetMenu(Form->Handle()), Menu->Handle());
  EXPECT_EQ(Client().cy, 200);
}

TEST_F(HostMenus, RebuildGivesTheWindowTheNewMenuAndFreesTheOld) {
  Form->SetMenu(Menu);
  Form->HandleNeeded();
  const HMENU old = Menu->Handle();
  Menu->Items.Add(L"&Help", 3);
  Menu->Rebuild();
  EXPECT_NE(Menu->Handle(), old);
  EXPECT_FALSE(IsMenu(old));
  EXPECT_EQ(GetMenu(Form->Handle()), Menu->Handle());
  EXPECT_EQ(GetMenuItemCount(Menu->Handle()), 3);
}

TEST_F(HostMenus, TheMenuOutlivesTheWindowAndIsFreedWithItsObject) {
  Form->SetMenu(Menu);
  Form->HandleNeeded();
  const HMENU menu = Menu->Handle();
  Form->DestroyHandle();
  EXPECT_TRUE(IsMenu(menu));  // the window did not take it along
  delete Menu;
  EXPECT_FALSE(IsMenu(menu));
}
}  // namespace
