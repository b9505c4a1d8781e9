// The class library's tool bar and cool bar: styles, the native buttons made
// from the TToolButtons, clicks and check buttons, the drop-down menu below
// its button, the custom-draw events, and the cool bar's bands.
#include "host/Bitmap.h"
#include "host/Forms.h"
#include "host/ToolWin.h"
#include "host/TypInfo.h"
#include "tests/win/MenuWatch.h"
#include <commctrl.h>
#include <gtest/gtest.h>
#include <vector>

namespace {
class HostToolBar : public testing::Test {
protected:
  TToolBar* Bar() {
    auto* bar = new TToolBar(&Form);
    bar->SetBounds(0, 0, 300, 40);
    bar->SetParent(&Form);
    return bar;
  }
  TToolButton* Button(TToolBar* bar, const std::wstring& caption, TToolButtonStyle style = tbsButton) {
    auto* button = new TToolButton(&Form);
    button->SetText(caption);
    button->SetStyle(style);
    button->SetParent(bar);
    return button;
  }
  TForm Form{nullptr};
};

LONG_PTR Style(HWND wnd) { return GetWindowLongPtrW(wnd, GWL_STYLE); }

TBBUTTON NativeButton(HWND bar, int index) {
  TBBUTTON b{};
  SendMessageW(bar, TB_GETBUTTON, WPARAM(index), LPARAM(&b));
  return b;
}

// A custom-draw notification for the bar, as the system sends its parent.
NMTBCUSTOMDRAW DrawNotification(TToolBar& bar, HDC dc, DWORD stage, DWORD_PTR item = 0, UINT state = 0) {
  NMTBCUSTOMDRAW cd{};
  cd.nmcd.hdr.hwndFrom = bar.Handle();
  cd.nmcd.hdr.code = UINT(NM_CUSTOMDRAW);
  cd.nmcd.dwDrawStage = stage;
  cd.nmcd.hdc = dc;
  cd.nmcd.dwItemSpec = item;
  cd.nmcd.uItemState = state;
  cd.nmcd.rc = {5, 2, 45, 30};
  return cd;
}

}  // namespace

TEST_F(HostToolBar, FlatAndCaptionsAreWindowStylesBeforeAndAfterTheWindowIsMade) {
  TToolBar* bar = Bar();
  ASSERT_TRUE(SetPropValue(bar, "Flat", TValue::Bool(true)));
  const HWND wnd = bar->Handle();
  EXPECT_TRUE(Style(wnd) & TBSTYLE_FLAT);
  EXPECT_TRUE(Style(wnd) & TBSTYLE_LIST);  // no captions: pictures only
  EXPECT_TRUE(Style(wnd) & CCS_NORESIZE);
  bar->SetFlat(false);
  bar->SetShowCaptions(true);
  EXPECT_FALSE(Style(wnd) & TBSTYLE_FLAT);
  EXPECT_FALSE(Style(wnd) & TBSTYLE_LIST);
  TValue flat;
  ASSERT_TRUE(GetPropValue(bar, "Flat", flat));
  EXPECT_FALSE(flat.AsBool());
}

TEST_F(HostToolBar, EachToolButtonIsANativeButtonOfItsStyleAndPicture) {
  TToolBar* bar = Bar();
  TImageList images;
  TBitmap strip(32, 16);
  ASSERT_TRUE(images.AddMasked(strip, 16, clWhite));
  bar->SetImages(&images);
  TToolButton* plain = Button(bar, L"Plain");
  plain->SetImageIndex(1);
  Button(bar, L"", tbsSeparator);
  TToolButton* check = Button(bar, L"Check", tbsCheck);
  check->SetDown(true);
  Button(bar, L"Drop", tbsDropDown)->SetEnabled(false);
  const HWND wnd = bar->Handle();
  ASSERT_EQ(SendMessageW(wnd, TB_BUTTONCOUNT, 0, 0), 4);
  const BYTE styles[] = {BTNS_BUTTON, BTNS_SEP, BTNS_CHECK, BTNS_DROPDOWN};
  for (int i = 0; i < 4; ++i) {
    const TBBUTTON b = NativeButton(wnd, i);
    EXPECT_EQ(b.idCommand, i + 1) << i;
    EXPECT_EQ(b.fsStyle & (BTNS_SEP | BTNS_CHECK | BTNS_DROPDOWN), styles[i]) << i;
  }
  EXPECT_EQ(NativeButton(wnd, 0).iBitmap, 1);
  EXPECT_EQ(NativeButton(wnd, 2).iBitmap, I_IMAGENONE);  // no picture of its own
  EXPECT_TRUE(SendMessageW(wnd, TB_ISBUTTONCHECKED, 3, 0));
  EXPECT_FALSE(SendMessageW(wnd, TB_ISBUTTONENABLED, 4, 0));
  EXPECT_TRUE(check->GetDown());
  // A button's bounds are its native rectangle.
  RECT r{};
  SendMessageW(wnd, TB_GETRECT, 3, LPARAM(&r));
  EXPECT_EQ(check->BoundsRect().left, r.left);
  EXPECT_EQ(check->BoundsRect().right, r.right);
  // Taking a button away leaves the others in order.
  delete plain;
  ASSERT_EQ(SendMessageW(wnd, TB_BUTTONCOUNT, 0, 0), 3);
  EXPECT_EQ(NativeButton(wnd, 1).fsStyle & BTNS_CHECK, BTNS_CHECK);
  bar->SetImages(nullptr);
}

TEST_F(HostToolBar, AClickRunsTheButtonsOnClickAndACheckButtonKeepsItsState) {
  TToolBar* bar = Bar();
  Button(bar, L"One");
  TToolButton* check = Button(bar, L"Two", tbsCheck);
  TObject* clicked = nullptr;
  check->OnClick = [&](TObject* sender) { clicked = sender; };
  const HWND wnd = bar->Handle();
  // As the system reports a click: the bar checks the button and tells its parent.
  SendMessageW(wnd, TB_CHECKBUTTON, 2, MAKELPARAM(TRUE, 0));
  SendMessageW(Form.Handle(), WM_COMMAND, MAKEWPARAM(2, BN_CLICKED), LPARAM(wnd));
  EXPECT_EQ(clicked, check);
  EXPECT_TRUE(check->GetDown());
}

TEST_F(HostToolBar, ADropDownButtonOpensItsMenuBelowItselfAndAPlainOneNothing) {
  TToolBar* bar = Bar();
  Form.SetBounds(100, 100, 400, 200);
  Form.Show();
  Button(bar, L"Plain");
  TToolButton* drop = Button(bar, L"Drop", tbsDropDown);
  TPopupMenu menu(&Form);
  menu.Items.Add(L"First", 1);
  menu.Items.Add(L"Second", 2);
  drop->DropdownMenu = &menu;
  TMenuWatch watch;
  NMTOOLBARW n{};
  n.hdr.hwndFrom = bar->Handle();
  n.hdr.code = UINT(TBN_DROPDOWN);
  n.iItem = drop->CommandId();
  EXPECT_EQ(SendMessageW(Form.Handle(), WM_NOTIFY, 0, LPARAM(&n)), TBDDRET_DEFAULT);
  ASSERT_TRUE(watch.Seen);
  RECT button = bar->ButtonRect(*drop);
  MapWindowPoints(bar->Handle(), nullptr, reinterpret_cast<POINT*>(&button), 2);
  EXPECT_EQ(watch.Shown.left, button.left);
  EXPECT_EQ(watch.Shown.top, button.bottom);
  EXPECT_EQ(menu.Window, nullptr);  // the program's choice, none, is given back
  EXPECT_FALSE(bar->DropDown(*bar->Buttons()[0]));
}

TEST_F(HostToolBar, AMenuGivesAButtonPerVisibleTopItemThatOpensItsSubItemsOrRunsTheItem) {
  TToolBar* bar = Bar();
  Form.SetBounds(100, 100, 400, 200);
  Form.Show();
  TMainMenu menu(&Form);
  TMenuItem* edit = menu.Items.Add(L"&Edit", 1);
  edit->Add(L"Copy", 11);
  edit->Add(L"Paste", 12);
  menu.Items.Add(L"Hidden", 2)->Visible = false;
  TMenuItem* go = menu.Items.Add(L"Go", 3);
  int goClicks = 0;
  go->OnClick = [&](TObject*) { ++goClicks; };
  // Owner-drawn sub-items are measured through the bar's form while open.
  menu.OwnerDraw = true;
  std::vector<int> measured;
  for (int i = 0; i < edit->Count(); ++i)
    edit->Items(i)->OnMeasureItem = [&](TMenuItem* item, HDC, int& w, int& h) {
      measured.push_back(item->GetTag());
      w = 60;
      h = 18;
    };

  bar->SetMenu(&menu);
  TValue carried;
  ASSERT_TRUE(GetPropValue(bar, "Menu", carried));
  EXPECT_EQ(carried.Object, &menu);
  const std::vector<TToolButton*> buttons = bar->Buttons();
  ASSERT_EQ(buttons.size(), 2u);
  EXPECT_EQ(buttons[0]->MenuItem(), edit);
  EXPECT_EQ(buttons[1]->MenuItem(), go);
  EXPECT_EQ(buttons[1]->GetText(), L"Go");
  EXPECT_EQ(SendMessageW(bar->Handle(), TB_BUTTONCOUNT, 0, 0), 2);

  const auto click = [&](TToolButton& b) {
    SendMessageW(Form.Handle(), WM_COMMAND, MAKEWPARAM(b.CommandId(), BN_CLICKED), LPARAM(bar->Handle()));
  };
  click(*buttons[1]);
  EXPECT_EQ(goClicks, 1);
  {
    TMenuWatch watch;
    click(*buttons[0]);
    ASSERT_TRUE(watch.Seen);
    RECT button = bar->ButtonRect(*buttons[0]);
    MapWindowPoints(bar->Handle(), nullptr, reinterpret_cast<POINT*>(&button), 2);
    EXPECT_EQ(watch.Shown.left, button.left);
    EXPECT_EQ(watch.Shown.top, button.bottom);
  }
  EXPECT_EQ(measured, (std::vector<int>{11, 12}));
  EXPECT_EQ(goClicks, 1);

  bar->SetMenu(nullptr);
  EXPECT_TRUE(bar->Buttons().empty());
  EXPECT_EQ(SendMessageW(bar->Handle(), TB_BUTTONCOUNT, 0, 0), 0);
}

TEST_F(HostToolBar, TheBarsCustomDrawEventsRunOnItsCanvasWithTheirStateAndAnswers) {
  TToolBar* bar = Bar();
  Button(bar, L"One");
  TToolButton* two = Button(bar, L"Two");
  TBitmap target(50, 40);
  const HDC dc = target.Canvas().Handle();
  RECT barRect{};
  HDC barDC = nullptr;
  bar->OnCustomDraw = [&](TToolBar* sender, const RECT& r, bool&) {
    barRect = r;
    barDC = sender->Canvas().Handle();
  };
  NMTBCUSTOMDRAW cd = DrawNotification(*bar, dc, CDDS_PREPAINT);
  // Without a button handler the bar asks for no button notifications.
  EXPECT_EQ(bar->Perform(CN_NOTIFY, 0, LPARAM(&cd)), CDRF_DODEFAULT);
  EXPECT_EQ(barDC, dc);
  EXPECT_EQ(barRect.right, 300);
  EXPECT_EQ(barRect.bottom, 40);
  EXPECT_EQ(bar->Canvas().Handle(), nullptr);  // lent only while the event runs

  TToolButton* seen = nullptr;
  TCustomDrawState seenState = 0;
  bar->OnAdvancedCustomDrawButton = [&](TToolBar* sender, TToolButton* button, TCustomDrawState state,
                                        TCustomDrawStage stage, TTBCustomDrawFlags& flags, bool& defaultDraw) {
    seen = button;
    seenState = state;
    EXPECT_EQ(stage, cdPrePaint);
    flags = tbNoEdges;
    sender->Canvas().Font().SetColor(TColor(RGB(1, 2, 3)));
    defaultDraw = button != two;
  };
  cd = DrawNotification(*bar, dc, CDDS_PREPAINT);
  EXPECT_EQ(bar->Perform(CN_NOTIFY, 0, LPARAM(&cd)), CDRF_NOTIFYITEMDRAW);
  cd = DrawNotification(*bar, dc, CDDS_ITEMPREPAINT, 1, CDIS_HOT | CDIS_SELECTED);
  EXPECT_EQ(bar->Perform(CN_NOTIFY, 0, LPARAM(&cd)), CDRF_NEWFONT | TBCDRF_NOEDGES);
  EXPECT_EQ(seen, bar->Buttons()[0]);
  EXPECT_EQ(seenState, unsigned(cdsHot | cdsSelected));
  EXPECT_EQ(cd.clrText, RGB(1, 2, 3));
  EXPECT_EQ(seen->BoundsRect().left, 5);  // the rectangle the bar draws it in
  EXPECT_EQ(seen->BoundsRect().bottom, 30);
  cd = DrawNotification(*bar, dc, CDDS_ITEMPREPAINT, 2, CDIS_DISABLED);
  EXPECT_EQ(bar->Perform(CN_NOTIFY, 0, LPARAM(&cd)), CDRF_SKIPDEFAULT);
  EXPECT_EQ(seen, two);
  EXPECT_EQ(seenState, unsigned(cdsDisabled));
}

TEST(HostCoolBar, BandsHoldTheirControlCaptionColourAndWidth) {
  TForm form(nullptr);
  auto* bar = new TCoolBar(&form);
  bar->SetBounds(0, 0, 400, 60);
  bar->SetParent(&form);
  auto* tools = new TToolBar(&form);
  tools->SetBounds(0, 0, 120, 26);
  tools->SetParent(bar);
  TCoolBand* first = bar->Bands()->Add();
  first->SetText(L"Tools");
  TCoolBand* second = bar->Bands()->Add();
  ASSERT_TRUE(SetPropValue(second, "Color", TValue::Ident(L"clWindow")));
  second->SetWidth(150);
  bar->Loaded();  // the band without a control takes the bar's child
  EXPECT_EQ(first->GetControl(), tools);
  EXPECT_EQ(second->GetControl(), nullptr);
  const HWND wnd = bar->Handle();
  ASSERT_EQ(SendMessageW(wnd, RB_GETBANDCOUNT, 0, 0), 2);
  REBARBANDINFOW info{};
  info.cbSize = REBARBANDINFOW_V3_SIZE;
  info.fMask = RBBIM_CHILD | RBBIM_SIZE;
  ASSERT_TRUE(SendMessageW(wnd, RB_GETBANDINFOW, 0, LPARAM(&info)));
  EXPECT_EQ(info.hwndChild, tools->Handle());
  EXPECT_EQ(GetParent(tools->Handle()), wnd);
  ASSERT_TRUE(SendMessageW(wnd, RB_GETBANDINFOW, 1, LPARAM(&info)));
  EXPECT_EQ(info.cx, 150u);
  EXPECT_EQ(bar->NativeBandColour(1), GetSysColor(COLOR_WINDOW));
  first->SetColor(TColor(RGB(10, 200, 30)));
  EXPECT_EQ(bar->NativeBandColour(0), RGB(10, 200, 30));
  EXPECT_EQ(SendMessageW(wnd, RB_GETBANDCOUNT, 0, 0), 2);
}
