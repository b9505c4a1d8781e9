// The skinned menu bar: a form's menu leaves the window and comes back on
// unskin with the same client area; one button per top-level item, laid out
// from the skin; the drop-downs open from the keyboard and the mouse, move
// along the bar past disabled buttons, and a chosen item runs once.
#include "host/Menus.h"
#include "skin/draw/DrawTransparent.h"
#include "skin/form/MenuItemPaint.h"
#include "skin/form/WinSkinMenu.h"
#include "tests/win/skin/ControlSkinnerKit.h"
#include "tests/win/skin/HandleCount.h"
#include "tests/win/skin/PixelFixtures.h"
#include "tests/win/skin/RealInput.h"
#include "tests/win/skin/SkinnedFormFixture.h"
#include <functional>

namespace {
// A timer's steps while a drop-down is open: each runs once the menu window
// is up, and returns whether it is done with this drop-down.
struct TMenuScript {
  std::vector<std::function<bool(HWND menu)>> Steps;
  size_t Next = 0;
};
TMenuScript* Script = nullptr;

void CALLBACK RunMenuScript(HWND, UINT, UINT_PTR, DWORD) {
  const HWND menu = FindWindowW(L"#32768", nullptr);
  if (!Script || !menu || !IsWindowVisible(menu) || Script->Next >= Script->Steps.size()) return;
  if (Script->Steps[Script->Next](menu)) ++Script->Next;
}

void PostKey(HWND menu, WPARAM key) { PostMessageW(menu, WM_KEYDOWN, key, 0); }

// Alt+key on the real keyboard.
void PressAlt(WORD key) {
  INPUT events[4]{};
  const WORD keys[] = {VK_MENU, key, key, VK_MENU};
  for (int i = 0; i < 4; ++i) {
    events[i].type = INPUT_KEYBOARD;
    events[i].ki.wVk = keys[i];
    events[i].ki.dwFlags = i < 2 ? 0 : KEYEVENTF_KEYUP;
  }
  SendInput(4, events, sizeof(INPUT));
}

BOOL CALLBACK CountMenuWindow(HWND wnd, LPARAM count) {
  wchar_t name[16]{};
  GetClassNameW(wnd, name, 16);
  if (IsWindowVisible(wnd) && wcscmp(name, L"#32768") == 0) ++*reinterpret_cast<int*>(count);
  return TRUE;
}

// The visible popup menu windows: one per open level.
int OpenMenuLevels() {
  int levels = 0;
  EnumWindows(CountMenuWindow, LPARAM(&levels));
  return levels;
}

class MenuBar : public SkinnedFormTest {
protected:
  void SetUp() override {
    SkinnedFormTest::SetUp();
    if (HasFatalFailure()) return;
    Second = new TForm(Application);
    Second->SetBounds(30, 30, 300, 200);
    Second->SetClientWidth(320);
    Second->SetClientHeight(180);
    Menu = new TMainMenu(Second);
    TMenuItem* file = Menu->Items.Add(L"&File", 1);
    New = file->Add(L"&New", 11);
    file->Add(L"&Open", 12);
    file->Add(L"&Recent", 13)->Add(L"&One", 131);
    Menu->Items.Add(L"&View", 2)->Add(L"&Toolbar", 21);
    Menu->Items.Add(L"&Off", 3)->Enabled = false;
    Menu->Items.Add(L"&Help", 4)->Add(L"&About", 41);
    New->OnClick = [this](TObject*) { ++NewClicks; };
    Second->SetMenu(Menu);
    Second->Show();
    SetForegroundWindow(Second->Handle());
    Application->ProcessMessages();
    Skinner = FindFormSkinner(Second->Handle());
    ASSERT_NE(Skinner, nullptr);
    ASSERT_NE(Skinner->MenuBar, nullptr);
  }
  void TearDown() override {
    Script = nullptr;
    delete Second;
    SkinnedFormTest::TearDown();
  }
  // Runs open (which shows a drop-down) with the steps driving it.
  void WithScript(TMenuScript& script, const std::function<void()>& open) {
    Script = &script;
    const UINT_PTR timer = SetTimer(nullptr, 0, 30, RunMenuScript);
    open();
    KillTimer(nullptr, timer);
    Script = nullptr;
    Application->ProcessMessages();
  }
  TWinSkinMenu& Bar() { return *Skinner->MenuBar; }

  TForm* Second = nullptr;  // owned by the application
  TMainMenu* Menu = nullptr;
  TMenuItem* New = nullptr;
  TWinSkinForm* Skinner = nullptr;
  int NewClicks = 0;
};

TEST_F(MenuBar, TheMenuLeavesTheWindowForTheBarAndTheClientKeepsItsSize) {
  EXPECT_EQ(GetMenu(Second->Handle()), nullptr);
  EXPECT_EQ(Bar().NativeMenu, Menu->Handle());
  EXPECT_EQ(ClientSize(Second->Handle()), (SIZE{320, 180}));
  EXPECT_EQ(Skinner->MenuBarHeight, GetSystemMetrics(SM_CYMENU));
  // The bar lies between the title and the client area.
  POINT origin{0, 0};
  ClientToScreen(Second->Handle(), &origin);
  RECT window;
  GetWindowRect(Second->Handle(), &window);
  EXPECT_EQ(origin.y - window.top, Skinner->BorderTop + Skinner->MenuBarHeight);
}

TEST_F(MenuBar, AButtonPerTopLevelItemLaidOutFromTheStartAtTheirCaptionsWidths) {
  const auto& buttons = Bar().Buttons;
  ASSERT_EQ(buttons.size(), 4u);
  const wchar_t* captions[] = {L"&File", L"&View", L"&Off", L"&Help"};
  const TDataSkinObject* element = Data->MenuBarElement.get();
  int x = Skinner->BorderLeft + (HasImage(element) ? element->LeftWidth + 4 : 6);
  TWholeWindowDC dc(Second->Handle());
  TSelectObject font(dc.Get(), Bar().Font());
  for (size_t i = 0; i < buttons.size(); ++i) {
    const TMenuBtn& b = *buttons[i];
    EXPECT_EQ(b.Caption, captions[i]);
    EXPECT_EQ(b.ItemEnabled, i != 2);
    EXPECT_EQ(b.SubMenu, Menu->Items.Items(int(i))->Handle());
    EXPECT_EQ(b.Item, Menu->Items.Items(int(i)));
    RECT text{};
    DrawTextW(dc.Get(), captions[i], -1, &text, DT_CALCRECT | DT_NOCLIP | DT_SINGLELINE);
    const int w = text.right + 10;
    EXPECT_EQ(b.Bounds.left, x) << i;
    EXPECT_EQ(b.Bounds.right, x + w) << i;
    EXPECT_EQ(b.Bounds.top, Skinner->BorderTop);
    EXPECT_EQ(b.Bounds.bottom, Skinner->BorderTop + Skinner->MenuBarHeight - 1);
    x += w;
  }
  // Only a button with a caption is found under a point.
  const RECT first = buttons[0]->Bounds;
  EXPECT_EQ(Bar().ItemAt({first.left + 1, first.top + 1}), buttons[0].get());
  EXPECT_EQ(Bar().ItemAt({x + 5, first.top + 1}), nullptr);
}

TEST_F(MenuBar, UnskinningGivesTheMenuBackWithTheSameClientArea) {
  const HMENU menu = Menu->Handle();
  Data->SetActive(false);
  SkinManager->ActionTimer.SetEnabled(false);
  SkinManager->RunPendingAction();
  EXPECT_EQ(GetMenu(Second->Handle()), menu);
  EXPECT_EQ(ClientSize(Second->Handle()), (SIZE{320, 180}));
  // Items and states as they were.
  EXPECT_EQ(GetMenuItemCount(menu), 4);
  EXPECT_TRUE(GetMenuState(menu, 2, MF_BYPOSITION) & MF_GRAYED);
}

TEST_F(MenuBar, AMenuMadeAgainWhileSkinnedIsTheOneGivenBack) {
  Menu->Items.Add(L"&Tools", 5)->Add(L"&Options", 51);
  Menu->Rebuild();
  Application->ProcessMessages();
  EXPECT_EQ(GetMenu(Second->Handle()), nullptr);
  ASSERT_EQ(Bar().Buttons.size(), 5u);
  EXPECT_EQ(Bar().Buttons[4]->Caption, L"&Tools");
  Data->SetActive(false);
  SkinManager->ActionTimer.SetEnabled(false);
  SkinManager->RunPendingAction();
  EXPECT_EQ(GetMenu(Second->Handle()), Menu->Handle());
  EXPECT_EQ(GetMenuItemCount(GetMenu(Second->Handle())), 5);
  EXPECT_EQ(ClientSize(Second->Handle()), (SIZE{320, 180}));
}

TEST_F(MenuBar, TheArrowKeysMoveAlongTheBarPastADisabledButtonAndRoundTheEnds) {
  std::vector<int> opened;
  auto record = [&](WPARAM key) {
    return [&, key](HWND menu) {
      // Each step waits for the next drop-down: a key for a closing one is lost.
      if (!opened.empty() && opened.back() == Bar().OpenIndex()) return false;
      opened.push_back(Bar().OpenIndex());
      PostKey(menu, key);
      return true;
    };
  };
  TMenuScript script{{record(VK_RIGHT), record(VK_RIGHT), record(VK_RIGHT), record(VK_LEFT), record(VK_ESCAPE)}};
  // Alt+F, as the system turns it into a command.
  WithScript(script, [&] { SendMessageW(Second->Handle(), WM_SYSCOMMAND, SC_KEYMENU, 'f'); });
  EXPECT_EQ(opened, (std::vector<int>{0, 1, 3, 0, 3}));
  EXPECT_FALSE(Bar().Tracking());
  EXPECT_EQ(Bar().OpenIndex(), -1);
}

TEST_F(MenuBar, AltWithALetterOpensTheDropDownFromAFocusedControlAndFromAnotherForm) {
  std::vector<int> opened;
  TMenuScript script;
  auto openWith = [&](WORD key) {
    script = TMenuScript{{[&](HWND menu) {
      opened.push_back(Bar().OpenIndex());
      PostKey(menu, VK_ESCAPE);
      return true;
    }}};
    WithScript(script, [&] {
      PressAlt(key);
      EXPECT_TRUE(PumpUntil([&] { return script.Next == 1 && !Bar().Tracking(); })) << char(key);
    });
  };
  // A control of the form has the focus.
  auto* button = new TButton(Second);
  button->SetParent(Second);
  button->SetBounds(10, 10, 80, 24);
  SetFocus(button->Handle());
  openWith('V');
  EXPECT_EQ(opened, std::vector<int>{1});
  // A form without a menu: the key reaches the main form's bar.
  Application->SetMainForm(Second);
  auto* other = new TForm(Application);
  other->SetBounds(360, 60, 200, 120);
  other->Show();
  SetForegroundWindow(other->Handle());
  ASSERT_TRUE(PumpUntil([&] { return GetForegroundWindow() == other->Handle(); }));
  openWith('H');
  EXPECT_EQ(opened, (std::vector<int>{1, 3}));
  Application->SetMainForm(nullptr);
  delete other;
}

TEST_F(MenuBar, ARightToLeftBarRunsFromTheRightAndTheArrowsFollowIt) {
  WNDCLASSW wc{};
  wc.lpfnWndProc = DefWindowProcW;
  wc.hInstance = GetModuleHandleW(nullptr);
  wc.lpszClassName = L"RightToLeftMenuProbe";
  RegisterClassW(&wc);
  HMENU menu = CreateMenu();
  const wchar_t* captions[] = {L"&File", L"&Edit", L"&Help"};
  for (UINT i = 0; i < 3; ++i) {
    HMENU drop = CreatePopupMenu();
    AppendMenuW(drop, MF_STRING, 100 + i, L"Item");
    AppendMenuW(menu, MF_POPUP, UINT_PTR(drop), captions[i]);
  }
  const HWND wnd = CreateWindowExW(WS_EX_LEFTSCROLLBAR, wc.lpszClassName, L"RTL", WS_OVERLAPPEDWINDOW, 60, 60, 400, 200,
                                   nullptr, menu, wc.hInstance, nullptr);
  ShowWindow(wnd, SW_SHOW);
  SetForegroundWindow(wnd);
  TWinSkinForm* skinner = nullptr;
  ASSERT_TRUE(PumpUntil([&] { return (skinner = FindFormSkinner(wnd)) && skinner->MenuBar; }));
  ASSERT_TRUE(skinner->RightToLeft);
  TWinSkinMenu& bar = *skinner->MenuBar;
  bar.Layout();
  ASSERT_EQ(bar.Buttons.size(), 3u);
  const TDataSkinObject* element = Data->MenuBarElement.get();
  int right = bar.CurrentBarRect().right - (HasImage(element) ? element->RightWidth + 8 : 6);
  for (const auto& b : bar.Buttons) {
    EXPECT_EQ(b->Bounds.right, right) << b->Index;
    EXPECT_LT(b->Bounds.left, right);
    right = b->Bounds.left;
  }
  // Left goes on to the next button, right back.
  std::vector<int> opened;
  auto step = [&](WPARAM key) {
    return [&, key](HWND popup) {
      if (!opened.empty() && opened.back() == bar.OpenIndex()) return false;
      opened.push_back(bar.OpenIndex());
      PostKey(popup, key);
      return true;
    };
  };
  TMenuScript script{{step(VK_LEFT), step(VK_LEFT), step(VK_RIGHT), step(VK_ESCAPE)}};
  WithScript(script, [&] { SendMessageW(wnd, WM_SYSCOMMAND, SC_KEYMENU, 'f'); });
  EXPECT_EQ(opened, (std::vector<int>{0, 1, 2, 1}));
  DestroyWindow(wnd);
}

TEST_F(MenuBar, UnskinningWhileADropDownIsOpenClosesItAndGivesTheMenuBack) {
  TMenuScript script{{[&](HWND) {
    Data->SetActive(false);
    SkinManager->ActionTimer.SetEnabled(false);
    SkinManager->RunPendingAction();
    return true;
  }}};
  WithScript(script, [&] { SendMessageW(Second->Handle(), WM_SYSCOMMAND, SC_KEYMENU, 'f'); });
  EXPECT_EQ(script.Next, 1u);
  EXPECT_TRUE(PumpUntil([] { return !IsWindowVisible(FindWindowW(L"#32768", nullptr)); }));
  EXPECT_EQ(FindFormSkinner(Second->Handle()), nullptr);
  EXPECT_EQ(GetMenu(Second->Handle()), Menu->Handle());
}

TEST_F(MenuBar, TheMenuMadeAgainWithFewerItemsWhileADropDownIsOpenKeepsTheArrowsSafe) {
  std::vector<int> opened;
  TMenuScript script{{[&](HWND menu) {
                        opened.push_back(Bar().OpenIndex());
                        // File and View leave the window's menu: the open Help is
                        // past the end of the bar made again.
                        RemoveMenu(Menu->Handle(), 0, MF_BYPOSITION);
                        RemoveMenu(Menu->Handle(), 0, MF_BYPOSITION);
                        SetMenu(Second->Handle(), Menu->Handle());
                        SendMessageW(Second->Handle(), CM_MENUCHANGED, 0, 0);
                        PostKey(menu, VK_RIGHT);
                        return true;
                      },
                      [&](HWND menu) {
                        opened.push_back(Bar().OpenIndex());
                        PostKey(menu, VK_ESCAPE);
                        return true;
                      }}};
  WithScript(script, [&] { SendMessageW(Second->Handle(), WM_SYSCOMMAND, SC_KEYMENU, 'h'); });
  EXPECT_EQ(opened, (std::vector<int>{3, 3}));
  EXPECT_FALSE(Bar().Tracking());
  EXPECT_EQ(Bar().Buttons.size(), 2u);
}

TEST_F(MenuBar, TheArrowsGoIntoAndOutOfASubMenuAndThenAlongTheBarAndAltClosesIt) {
  std::vector<int> opened;
  TMenuScript script{{[&](HWND menu) {
                        // Up from the first item: the last one, which has a sub-menu.
                        PostKey(menu, VK_UP);
                        PostKey(menu, VK_RIGHT);
                        return true;
                      },
                      [&](HWND menu) {
                        if (OpenMenuLevels() != 2) return false;
                        opened.push_back(Bar().OpenIndex());
                        PostKey(menu, VK_LEFT);
                        return true;
                      },
                      [&](HWND menu) {
                        if (OpenMenuLevels() != 1) return false;
                        opened.push_back(Bar().OpenIndex());
                        // Back to the drop-down: the next left goes along the bar.
                        PostKey(menu, VK_LEFT);
                        return true;
                      },
                      [&, ticks = 0](HWND menu) mutable {
                        // The next drop-down, or after three seconds whatever is open.
                        if (Bar().OpenIndex() <= 0 && ++ticks < 100) return false;
                        opened.push_back(Bar().OpenIndex());
                        PostMessageW(menu, WM_SYSKEYDOWN, VK_MENU, 0);
                        PostMessageW(menu, WM_SYSKEYUP, VK_MENU, 0);
                        return true;
                      }}};
  WithScript(script, [&] { SendMessageW(Second->Handle(), WM_SYSCOMMAND, SC_KEYMENU, 'f'); });
  EXPECT_EQ(script.Next, 4u);
  EXPECT_EQ(opened, (std::vector<int>{0, 0, 3}));
  EXPECT_FALSE(Bar().Tracking());
  EXPECT_EQ(OpenMenuLevels(), 0);
}

TEST_F(MenuBar, AnItemChosenWithTheKeyboardRunsOnce) {
  // The keyboard's drop-down opens with its first item selected.
  TMenuScript script{{[](HWND menu) {
    PostKey(menu, VK_RETURN);
    return true;
  }}};
  WithScript(script, [&] { SendMessageW(Second->Handle(), WM_SYSCOMMAND, SC_KEYMENU, 0); });
  ASSERT_TRUE(PumpUntil([&] { return NewClicks > 0; }));
  Application->ProcessMessages();
  EXPECT_EQ(NewClicks, 1);
}

TEST_F(MenuBar, TheMouseOpensADropDownAndChoosesAnItem) {
  SetWindowPos(Second->Handle(), HWND_TOPMOST, 0, 0, 0, 0, SWP_NOMOVE | SWP_NOSIZE);
  RECT window;
  GetWindowRect(Second->Handle(), &window);
  const RECT file = Bar().Buttons[0]->Bounds;
  bool sawFile = false;
  TMenuScript script{{[&](HWND) {
    sawFile = Bar().OpenIndex() == 0;
    RECT item{};
    GetMenuItemRect(Second->Handle(), Bar().Buttons[0]->SubMenu, 0, &item);
    ClickAt({(item.left + item.right) / 2, (item.top + item.bottom) / 2});
    return true;
  }}};
  WithScript(script, [&] {
    ClickAt({window.left + (file.left + file.right) / 2, window.top + (file.top + file.bottom) / 2});
    PumpUntil([&] { return script.Next == 1 && !Bar().Tracking(); });
  });
  EXPECT_TRUE(sawFile);
  ASSERT_TRUE(PumpUntil([&] { return NewClicks > 0; }));
  EXPECT_EQ(NewClicks, 1);
  SetWindowPos(Second->Handle(), HWND_NOTOPMOST, 0, 0, 0, 0, SWP_NOMOVE | SWP_NOSIZE);
}
}  // namespace

namespace {
bool OwnerDrawn(HMENU menu, int position) {
  MENUITEMINFOW info{sizeof info};
  info.fMask = MIIM_FTYPE;
  GetMenuItemInfoW(menu, UINT(position), TRUE, &info);
  return info.fType & MFT_OWNERDRAW;
}

TEST_F(MenuBar, ADropDownsItemsAreDrawnByTheSkinUntilUnskinLeavingAProgramsOwnAlone) {
  const HMENU file = Bar().Buttons[0]->SubMenu;
  // "Open" is drawn by its program.
  MENUITEMINFOW own{sizeof own};
  own.fMask = MIIM_FTYPE;
  own.fType = MFT_OWNERDRAW;
  SetMenuItemInfoW(file, 1, TRUE, &own);
  TMenuScript script{{[](HWND menu) {
    PostKey(menu, VK_ESCAPE);
    return true;
  }}};
  WithScript(script, [&] { SendMessageW(Second->Handle(), WM_SYSCOMMAND, SC_KEYMENU, 'f'); });
  EXPECT_TRUE(OwnerDrawn(file, 0));
  Data->SetActive(false);
  SkinManager->ActionTimer.SetEnabled(false);
  SkinManager->RunPendingAction();
  EXPECT_FALSE(OwnerDrawn(file, 0));
  EXPECT_TRUE(OwnerDrawn(file, 1));
  wchar_t text[16] = {};
  GetMenuStringW(file, 0, text, 16, MF_BYPOSITION);
  EXPECT_STREQ(text, L"&New");
}

// A drop-down item of the form's main menu shows its image from the main
// menu's list: the window's owner-draw message, sent while the drop-down
// is open, paints the picture into the item's glyph box.
TEST_F(MenuBar, ADropDownItemShowsItsImageFromTheMainMenusList) {
  TImageList images;
  const TColor colour = TColor(RGB(200, 30, 40));
  ASSERT_TRUE(images.AddMasked(*MakeBitmap(16, 16, [&](int, int) { return colour; }), 16, clBlack));
  Menu->Images = &images;
  New->ImageIndex = 0;
  const HMENU file = Bar().Buttons[0]->SubMenu;
  TBitmap picture(150, 20);
  bool drawn = false;
  TMenuScript script{{[&](HWND menu) {
    DRAWITEMSTRUCT d{};
    d.CtlType = ODT_MENU;
    d.itemID = GetMenuItemID(file, 0);
    d.hwndItem = HWND(file);
    d.hDC = picture.Canvas().Handle();
    d.rcItem = {0, 0, 150, 20};
    drawn = SendMessageW(Second->Handle(), WM_DRAWITEM, 0, LPARAM(&d));
    PostKey(menu, VK_ESCAPE);
    return true;
  }}};
  WithScript(script, [&] { SendMessageW(Second->Handle(), WM_SYSCOMMAND, SC_KEYMENU, 'f'); });
  EXPECT_TRUE(drawn);
  // The box: inside the "MenuItem" element's left edge, centred on the item.
  const int left = 1 + (HasImage(Data->MenuItem.get()) ? Data->MenuItem->LeftWidth : 0), top = 2;
  for (int y = 0; y < 16; ++y)
    for (int x = 0; x < 16; ++x) ASSERT_EQ(picture.Pixel(left + x, top + y), colour) << x << "," << y;
}

void CALLBACK CloseOpenMenu(HWND, UINT, UINT_PTR, DWORD) {
  const HWND menu = FindWindowW(L"#32768", nullptr);
  if (menu && IsWindowVisible(menu)) EndMenu();
}

// A thousand cycles take minutes of their own: a test of its own, with the
// leak tests' time.
class MenuBarCycles : public MenuBar {};

TEST_F(MenuBarCycles, AThousandSkinningCyclesWithTheMenuOpenedAndClosedLeaveNothingBehind) {
  auto switchTo = [&](bool on) {
    Data->SetActive(on);
    SkinManager->ActionTimer.SetEnabled(false);
    SkinManager->RunPendingAction();
    Application->ProcessMessages();
  };
  auto openAndClose = [&] {
    const UINT_PTR timer = SetTimer(nullptr, 0, 10, CloseOpenMenu);
    SendMessageW(Second->Handle(), WM_SYSCOMMAND, SC_KEYMENU, 0);
    KillTimer(nullptr, timer);
  };
  // The system keeps what it makes for the first menus it shows, also after
  // a new skinning: one whole round before counting.
  openAndClose();
  switchTo(false);
  switchTo(true);
  openAndClose();
  switchTo(false);
  const int gdi = LiveGdiObjects(), user = LiveUserObjects();
  for (int i = 0; i < 1000; ++i) {
    switchTo(true);
    ASSERT_EQ(GetMenu(Second->Handle()), nullptr) << "round " << i;
    if (i % 50 == 0) openAndClose();
    switchTo(false);
    ASSERT_EQ(GetMenu(Second->Handle()), Menu->Handle()) << "round " << i;
  }
  EXPECT_EQ(LiveGdiObjects(), gdi);
  EXPECT_EQ(LiveUserObjects(), user);
  EXPECT_EQ(ClientSize(Second->Handle()), (SIZE{320, 180}));
  const HMENU file = GetSubMenu(Menu->Handle(), 0);
  for (int i = 0; i < GetMenuItemCount(file); ++i) EXPECT_FALSE(OwnerDrawn(file, i)) << i;
}

// A context menu of the form, and the system menu, are drawn by the skin
// while skinned: their items are owner-drawn and painted by the skin's
// handlers, which go again on unskin.
TEST_F(MenuBar, AContextMenuIsDrawnByTheSkinWhileSkinned) {
  auto* popup = new TPopupMenu(Second);
  popup->Window = Second->Handle();
  popup->Items.Add(L"&Cut", 1);
  popup->Items.Add(L"-", 2);
  TMenuItem* own = popup->Items.Add(L"Own", 3);
  bool ownDrawn = false;
  own->OnDrawItem = [&](TMenuItem*, HDC, const RECT&, bool) { ownDrawn = true; };
  // Skinning gives the form's popups their painters.
  Data->SetActive(false);
  SkinManager->ActionTimer.SetEnabled(false);
  SkinManager->RunPendingAction();
  Data->SetActive(true);
  SkinManager->RunPendingAction();
  Application->ProcessMessages();
  ASSERT_TRUE(popup->OwnerDraw);
  bool ownerDrawnWhileOpen = false;
  TMenuScript script{{[&](HWND menu) {
    ownerDrawnWhileOpen = OwnerDrawn(popup->Handle(), 0) && OwnerDrawn(popup->Handle(), 1);
    PostKey(menu, VK_ESCAPE);
    return true;
  }}};
  RECT window;
  GetWindowRect(Second->Handle(), &window);
  WithScript(script, [&] { popup->Popup(window.left + 40, window.top + 60); });
  EXPECT_TRUE(ownerDrawnWhileOpen);
  EXPECT_TRUE(ownDrawn);  // the program's own painter kept its item
  Data->SetActive(false);
  SkinManager->RunPendingAction();
  EXPECT_FALSE(popup->Items.Items(0)->OnDrawItem);
  EXPECT_TRUE(own->OnDrawItem);
  EXPECT_TRUE(popup->OwnerDraw);  // its own item still needs it
}

// One solid colour per frame of the "MenuItem" strip; the normal frame is
// the key colour, so the popup's picture shows through it.
TColor ItemFrame(int frame) { return frame == mfNormal ? kSkinKeyColour : TColor(RGB(0, 40 * frame, 90)); }

class MenuItemPainting : public ControlSkinnerTest {
protected:
  void SetUp() override {
    ControlSkinnerTest::SetUp();
    skinload::TTestSkin skin;
    skin.Add("item.bmp", skinload::StripBmp(8, 8, {ItemFrame(1), ItemFrame(2), ItemFrame(3), ItemFrame(4), ItemFrame(5)}));
    skin.Ini = "[MenuItem]\r\nImage=item.bmp\r\nFrameCount=5\r\nLeftWidth=2\r\nTopHeight=2\r\nRightWidth=2\r\n"
               "BottomHeight=2\r\nTrans=1\r\nTile=0\r\n";
    LoadSkin(skin);
    Popup.SetSize(200, 100);
    FillColor(Popup.Canvas().Handle(), {0, 0, 200, 100}, kPopupColour);
  }
  // An item at (0, 10) of a 150 by 20 canvas.
  std::unique_ptr<TBitmap> Painted(const TMenuItemLook& item) {
    auto picture = std::make_unique<TBitmap>(150, 40);
    FillColor(picture->Canvas().Handle(), {0, 0, 150, 40}, clWhite);
    DrawMenuItem(picture->Canvas().Handle(), {0, 10, 150, 30}, *Data, Font(), nullptr, item, &Popup);
    return picture;
  }
  static HFONT Font() { return HFONT(GetStockObject(DEFAULT_GUI_FONT)); }
  static constexpr TColor kPopupColour = TColor(RGB(10, 200, 30));
  TBitmap Popup;
};

TEST_F(MenuItemPainting, ANormalItemShowsThePopupBehindItAndASelectedOneTheSelectedFrame) {
  TMenuItemLook item;
  item.Caption = L"&Open";
  // Right of the text, inside the margins.
  EXPECT_EQ(Painted(item)->Pixel(140, 20), kPopupColour);
  item.Selected = true;
  EXPECT_EQ(Painted(item)->Pixel(140, 20), ItemFrame(mfSelected));
  // Nothing outside the item.
  EXPECT_EQ(Painted(item)->Pixel(140, 5), clWhite);
  EXPECT_EQ(Painted(item)->Pixel(140, 35), clWhite);
}

TEST_F(MenuItemPainting, ACheckedItemHasAMarkInTheGlyphBoxAndTheCaptionInTheTextColour) {
  TMenuItemLook item;
  item.Caption = L"Bold";
  // Pixels drawn over the popup's picture between two columns (text may be
  // smoothed into the background, so any colour but the background counts).
  auto drawn = [&](const TBitmap& b, int from, int to) {
    int n = 0;
    for (int x = from; x < to; ++x)
      for (int y = 10; y < 30; ++y) n += b.Pixel(x, y) != kPopupColour;
    return n;
  };
  const int glyphRight = 2 + 1 + kMenuGlyphSize;
  EXPECT_EQ(drawn(*Painted(item), 0, glyphRight), 0);
  EXPECT_GT(drawn(*Painted(item), glyphRight, 150), 0);
  item.Checked = true;
  EXPECT_GT(drawn(*Painted(item), 0, glyphRight), 0);
  // The mark is in the caption's colour.
  const TColor text = TColor(ColorToRGB(Data->SkinColours[scMenuText]));
  const auto painted = Painted(item);
  int marks = 0;
  for (int x = 0; x < glyphRight; ++x)
    for (int y = 10; y < 30; ++y) marks += painted->Pixel(x, y) == text;
  EXPECT_GT(marks, 0);
}

TEST_F(MenuItemPainting, MeasuringLeavesRoomForTheGlyphTheShortcutAndTheElementsEdge) {
  TMenuItemLook item;
  item.Caption = L"Open";
  TBitmap canvas(10, 10);
  const SIZE plain = MeasureMenuItem(canvas.Canvas().Handle(), Font(), *Data, item);
  item.ShortCut = L"Ctrl+O";
  const SIZE withShortcut = MeasureMenuItem(canvas.Canvas().Handle(), Font(), *Data, item);
  EXPECT_GT(withShortcut.cx, plain.cx + 20);
  EXPECT_GE(plain.cy, kMenuGlyphSize + 4);
  item.Separator = true;
  EXPECT_EQ(MeasureMenuItem(canvas.Canvas().Handle(), Font(), *Data, item).cy, 8);
}

// Test pictures for menus: image i of a size-wide list is a block of one
// colour, kImageInset pixels in from every side; round it the key colour,
// which leaves the menu showing.
constexpr int kImageInset = 4;
TColor TestImageColour(int index) { return index == 0 ? TColor(RGB(200, 30, 40)) : TColor(RGB(30, 60, 220)); }
bool ImageOpaque(int dx, int dy, int size) {
  return dx >= kImageInset && dy >= kImageInset && dx < size - kImageInset && dy < size - kImageInset;
}
std::unique_ptr<TImageList> TestImages(int size) {
  auto list = std::make_unique<TImageList>();
  const auto strip = MakeBitmap(2 * size, size, [size](int x, int y) {
    return ImageOpaque(x % size, y, size) ? TestImageColour(x / size) : kSkinKeyColour;
  });
  list->AddMasked(*strip, size, kSkinKeyColour);
  return list;
}

// The fixture's item lies at (0, 10), 150 by 20, inside the element's
// 2-pixel edge: a 16-pixel glyph box starts 1 pixel in from that edge and is
// centred on the item's height.
constexpr int kItemLeft = 0, kItemTop = 10, kItemRight = 150, kItemHeight = 20, kEdge = 2;
constexpr int kBoxTop = kItemTop + (kItemHeight - kMenuGlyphSize) / 2;
constexpr int kBoxLeft = kItemLeft + 1 + kEdge;
constexpr int kMirroredBoxLeft = kItemRight - 1 - kEdge - kMenuGlyphSize;

// Every pixel of the box is the picture's, or the popup's round it.
::testing::AssertionResult ShowsImage(const TBitmap& b, int boxLeft, int index, TColor background) {
  for (int dy = 0; dy < kMenuGlyphSize; ++dy)
    for (int dx = 0; dx < kMenuGlyphSize; ++dx) {
      const TColor want = ImageOpaque(dx, dy, kMenuGlyphSize) ? TestImageColour(index) : background;
      if (b.Pixel(boxLeft + dx, kBoxTop + dy) != want)
        return ::testing::AssertionFailure() << "at " << dx << "," << dy;
    }
  return ::testing::AssertionSuccess();
}

TMenuItemLook ItemWithImage(const wchar_t* caption, const TImageList& images, int index) {
  TMenuItemLook item;
  item.Caption = caption;
  item.Images = &images;
  item.ImageIndex = index;
  return item;
}

TEST_F(MenuItemPainting, AnItemsImageFillsTheGlyphBoxWithThePopupRoundIt) {
  const auto images = TestImages(kMenuGlyphSize);
  TMenuItemLook item = ItemWithImage(L"Open", *images, 1);
  EXPECT_TRUE(ShowsImage(*Painted(item), kBoxLeft, 1, kPopupColour));
  // An index outside the list shows nothing there.
  item.ImageIndex = 2;
  const auto none = Painted(item);
  for (int dy = 0; dy < kMenuGlyphSize; ++dy)
    for (int dx = 0; dx < kMenuGlyphSize; ++dx) ASSERT_EQ(none->Pixel(kBoxLeft + dx, kBoxTop + dy), kPopupColour);
}

TEST_F(MenuItemPainting, ADisabledItemsImageIsGreyedNotInItsOwnColours) {
  const auto images = TestImages(kMenuGlyphSize);
  TMenuItemLook item = ItemWithImage(L"Save", *images, 1);
  item.Disabled = true;
  const auto painted = Painted(item);
  int own = 0, drawn = 0;
  for (int dy = 0; dy < kMenuGlyphSize; ++dy)
    for (int dx = 0; dx < kMenuGlyphSize; ++dx) {
      const TColor c = painted->Pixel(kBoxLeft + dx, kBoxTop + dy);
      own += c == TestImageColour(1);
      drawn += c != kPopupColour;
    }
  EXPECT_EQ(own, 0);
  EXPECT_GT(drawn, 0);
}

TEST_F(MenuItemPainting, ACheckedItemsImageSitsOnDotsInASunkenEdge) {
  const TColor face = TColor(RGB(240, 200, 0)), light = TColor(RGB(0, 220, 220));
  Data->SkinColours[scButtonFace] = face;
  Data->SkinColours[scButtonHilight] = light;
  const auto images = TestImages(kMenuGlyphSize);
  TMenuItemLook item = ItemWithImage(L"Toolbar", *images, 0);
  const int right = kBoxLeft + kMenuGlyphSize - 1, bottom = kBoxTop + kMenuGlyphSize - 1;
  EXPECT_EQ(Painted(item)->Pixel(kBoxLeft, kBoxTop), kPopupColour);  // no edge unchecked
  item.Checked = true;
  const auto painted = Painted(item);
  EXPECT_EQ(painted->Pixel(kBoxLeft, kBoxTop), TColor(GetSysColor(COLOR_BTNSHADOW)));
  EXPECT_EQ(painted->Pixel(right, bottom), TColor(GetSysColor(COLOR_BTNHIGHLIGHT)));
  // Inside the edge: the picture, and round it dots of the two colours,
  // never two of a colour side by side.
  int faces = 0, lights = 0;
  for (int y = kBoxTop + 1; y < bottom; ++y)
    for (int x = kBoxLeft + 1; x < right; ++x) {
      const TColor c = painted->Pixel(x, y);
      if (ImageOpaque(x - kBoxLeft, y - kBoxTop, kMenuGlyphSize)) {
        ASSERT_EQ(c, TestImageColour(0)) << x << "," << y;
        continue;
      }
      ASSERT_TRUE(c == face || c == light) << x << "," << y;
      (c == face ? faces : lights) += 1;
      if (x + 1 < right && !ImageOpaque(x + 1 - kBoxLeft, y - kBoxTop, kMenuGlyphSize)) {
        ASSERT_NE(c, painted->Pixel(x + 1, y)) << x << "," << y;
      }
    }
  EXPECT_GT(faces, 0);
  EXPECT_GT(lights, 0);
}

// Where the caption and the shortcut go, left to right and mirrored:
// columns that must show text, and columns that must show none.
struct TMirrorCase {
  bool RightToLeft;
  int BoxLeft;
  std::vector<std::pair<int, int>> Ink, Clear;
};

void PrintTo(const TMirrorCase& c, std::ostream* os) { *os << (c.RightToLeft ? "right to left" : "left to right"); }

class MenuItemMirroring : public MenuItemPainting, public testing::WithParamInterface<TMirrorCase> {};

TEST_P(MenuItemMirroring, PutsTheGlyphCaptionAndShortcutOnTheirSides) {
  const auto images = TestImages(kMenuGlyphSize);
  TMenuItemLook item = ItemWithImage(L"Open", *images, 0);
  item.ShortCut = L"Ctrl+O";
  item.RightToLeft = GetParam().RightToLeft;
  const auto painted = Painted(item);
  EXPECT_TRUE(ShowsImage(*painted, GetParam().BoxLeft, 0, kPopupColour));
  auto ink = [&](std::pair<int, int> columns) {
    int n = 0;
    for (int x = columns.first; x < columns.second; ++x)
      for (int y = kItemTop; y < kItemTop + kItemHeight; ++y) n += painted->Pixel(x, y) != kPopupColour;
    return n;
  };
  for (auto columns : GetParam().Ink) EXPECT_GT(ink(columns), 0) << columns.first << "-" << columns.second;
  for (auto columns : GetParam().Clear) EXPECT_EQ(ink(columns), 0) << columns.first << "-" << columns.second;
}

// Left to right: caption from the box's right + 3, shortcut ending 10 from
// the right. Mirrored: caption ending 3 left of the box, shortcut from 10.
INSTANTIATE_TEST_SUITE_P(MenuItemPainting, MenuItemMirroring, testing::Values(
    TMirrorCase{false, kBoxLeft, {{kBoxLeft + kMenuGlyphSize + 3, 60}, {100, kItemRight - 10}},
                {{0, kBoxLeft}, {60, 95}, {kItemRight - 10, kItemRight}}},
    TMirrorCase{true, kMirroredBoxLeft, {{10, 50}, {90, kMirroredBoxLeft - 3}},
                {{0, 10}, {55, 85}, {kMirroredBoxLeft - 3, kMirroredBoxLeft}, {kMirroredBoxLeft + kMenuGlyphSize, kItemRight}}}));

struct TMeasureCase {
  int ListWidth;
  bool Checked;
  int Wider;  // than with a 16-pixel list
};
void PrintTo(const TMeasureCase& c, std::ostream* os) {
  *os << c.ListWidth << "-pixel list" << (c.Checked ? ", checked" : "");
}
class MenuItemMeasuring : public MenuItemPainting, public testing::WithParamInterface<TMeasureCase> {};

TEST_P(MenuItemMeasuring, MakesRoomForTheImageListsWidth) {
  TMenuItemLook item;
  item.Caption = L"Open";
  item.Checked = GetParam().Checked;
  TBitmap canvas(10, 10);
  const auto standard = TestImages(kMenuGlyphSize), list = TestImages(GetParam().ListWidth);
  item.Images = standard.get();
  const SIZE base = MeasureMenuItem(canvas.Canvas().Handle(), Font(), *Data, item);
  item.Images = list.get();
  const SIZE size = MeasureMenuItem(canvas.Canvas().Handle(), Font(), *Data, item);
  EXPECT_EQ(size.cx, base.cx + GetParam().Wider);
  EXPECT_GE(size.cy, GetParam().ListWidth + 4);
}

// A narrower list narrows the column, but not below a check mark's room.
INSTANTIATE_TEST_SUITE_P(MenuItemPainting, MenuItemMeasuring, testing::Values(
    TMeasureCase{24, false, 8}, TMeasureCase{12, false, -4}, TMeasureCase{12, true, 0}, TMeasureCase{24, true, 8}));
}  // namespace
