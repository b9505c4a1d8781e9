// Panels over the scroll bars of list boxes, memos and scroll-bar
// controls, driven by real mouse input: each click and drag must scroll the
// control exactly as the same input scrolls an unskinned twin; the panels
// lie over the bars and follow them; unskinning gives everything back.
#include "host/ComboBoxes.h"
#include "host/Handles.h"
#include "skin/controls/SkinComBox.h"
#include "skin/controls/SkinScControl.h"
#include "skin/controls/SkinScrollbar.h"
#include "skin/controls/SkinScrollbarH.h"
#include "tests/win/skin/ControlSkinnerKit.h"
#include "tests/win/skin/RealInput.h"
#include "tests/win/skin/ScrollSkinKit.h"

using namespace scrollkit;

namespace {
// Absolute input coordinates that land on the pixel (the system scales by
// the screen size and truncates).
LONG Normalised(int v, int size) { return LONG((int64_t(v) * 65536 + size - 1) / size); }

INPUT MouseInput(DWORD flags, POINT screen = {}, int wheel = 0) {
  INPUT in{};
  in.type = INPUT_MOUSE;
  in.mi.dwFlags = flags;
  if (flags & MOUSEEVENTF_ABSOLUTE) {
    in.mi.dx = Normalised(screen.x, GetSystemMetrics(SM_CXSCREEN));
    in.mi.dy = Normalised(screen.y, GetSystemMetrics(SM_CYSCREEN));
  }
  in.mi.mouseData = DWORD(wheel);
  return in;
}
INPUT MoveTo(POINT screen) { return MouseInput(MOUSEEVENTF_MOVE | MOUSEEVENTF_ABSOLUTE, screen); }

// The rectangle of a window's bar on the screen.
RECT BarOnScreen(HWND wnd, LONG object) {
  SCROLLBARINFO info{sizeof info};
  GetScrollBarInfo(wnd, object, &info);
  return info.rcScrollBar;
}
int Position(HWND wnd, int bar) {
  SCROLLINFO info{sizeof info, SIF_POS};
  GetScrollInfo(wnd, bar, &info);
  return info.nPos;
}

class ScrollBarSkinner : public ControlSkinnerTest {
protected:
  void SetUp() override {
    ControlSkinnerTest::SetUp();
    SetCursorPos(GetSystemMetrics(SM_CXSCREEN) - 1, GetSystemMetrics(SM_CYSCREEN) - 1);
    LoadSkin(ScrollSkin());
    Form->Show();
    // Above the windows of anything else on the display, for the pointer.
    SetWindowPos(Form->Handle(), HWND_TOPMOST, 0, 0, 0, 0, SWP_NOMOVE | SWP_NOSIZE);
    SetForegroundWindow(Form->Handle());
  }
  TListBox* List(int left) {
    auto* list = Add<TListBox>(left, 10, 120, 150);
    for (int i = 0; i < 200; ++i) list->GetItems()->Add(L"Line " + std::to_wstring(i));
    list->ItemsChanged();
    return list;
  }
  // Sends the events and handles them, with every loop they start, until
  // none is left in the queue.
  static void Input(std::vector<INPUT> events) { SendAndHandle(std::move(events)); }
  static void Click(POINT screen) {
    Input({MoveTo(screen), MouseInput(MOUSEEVENTF_LEFTDOWN), MouseInput(MOUSEEVENTF_LEFTUP)});
  }
  static void Drag(POINT from, POINT to) {
    const POINT middle{(from.x + to.x) / 2, (from.y + to.y) / 2};
    Input({MoveTo(from), MouseInput(MOUSEEVENTF_LEFTDOWN), MoveTo(middle), MoveTo(to),
           MouseInput(MOUSEEVENTF_LEFTUP)});
  }
  // A point along a window's vertical bar, from its top, across its middle.
  static POINT OnVerticalBar(HWND wnd, int along) {
    const RECT r = BarOnScreen(wnd, OBJID_VSCROLL);
    return {(r.left + r.right) / 2, r.top + along};
  }
  static POINT OnVerticalThumb(HWND wnd) {
    SCROLLBARINFO info{sizeof info};
    GetScrollBarInfo(wnd, OBJID_VSCROLL, &info);
    return OnVerticalBar(wnd, (info.xyThumbTop + info.xyThumbBottom) / 2);
  }
  // The panel's pixels as they are on the screen.
  static std::unique_ptr<TBitmap> Shown(HWND panel) {
    UpdateWindow(panel);
    RECT r;
    GetClientRect(panel, &r);
    auto picture = Target(r.right, r.bottom);
    TWindowDC dc(panel);
    BitBlt(picture->Canvas().Handle(), 0, 0, r.right, r.bottom, dc.Get(), 0, 0, SRCCOPY);
    return picture;
  }
  static bool SameRect(const RECT& a, const RECT& b) { return EqualRect(&a, &b) != 0; }
  static RECT ScreenRect(HWND wnd) {
    RECT r;
    GetWindowRect(wnd, &r);
    return r;
  }
};

TEST_F(ScrollBarSkinner, ThePanelLiesOverTheBarDirectlyAboveTheListAndShowsTheSkin) {
  TListBox* list = List(10);
  auto* skinner = SkinControl<TSkinScrollbar>(*list);
  const HWND wnd = list->Handle();
  TWScrollbar* vert = skinner->VertBar();
  ASSERT_NE(vert, nullptr);
  ASSERT_TRUE(vert->BarVisible);
  EXPECT_FALSE(skinner->HorzBar()->BarVisible);  // a list box has no horizontal bar
  const HWND panel = vert->PanelHandle();
  EXPECT_TRUE(IsWindowVisible(panel));
  EXPECT_TRUE(SameRect(ScreenRect(panel), BarOnScreen(wnd, OBJID_VSCROLL)));
  EXPECT_EQ(GetParent(panel), Form->Handle());
  EXPECT_EQ(GetWindow(wnd, GW_HWNDPREV), panel);
  EXPECT_EQ(GetWindowLongPtrW(panel, GWL_EXSTYLE), LONG_PTR(WS_EX_TOOLWINDOW));
  const std::unique_ptr<TBitmap> shown = Shown(panel);
  const int height = shown->Height(), arrow = GetSystemMetrics(SM_CXHSCROLL);
  EXPECT_EQ(shown->Pixel(shown->Width() / 2, arrow / 2), Glyph(sgUpArrow));
  EXPECT_EQ(shown->Pixel(shown->Width() / 2, height - 1 - arrow / 2), Glyph(sgDownArrow));
  SCROLLBARINFO info{sizeof info};
  GetScrollBarInfo(wnd, OBJID_VSCROLL, &info);
  EXPECT_EQ(shown->Pixel(shown->Width() / 2, info.xyThumbBottom + 2), Track(true, kTrackEnabledFrame));
}

struct InputCase {
  const char* Name;
  // Where on the bar (from its top) the input goes, as a function of it.
  enum { Arrow1, Arrow2, TrackBelow, TrackAbove, ThumbDown, Wheel } Kind;
};

const auto kInputCases = testing::Values(
    InputCase{"UpArrow", InputCase::Arrow1}, InputCase{"DownArrow", InputCase::Arrow2},
    InputCase{"TrackBelowTheThumb", InputCase::TrackBelow}, InputCase{"TrackAboveTheThumb", InputCase::TrackAbove},
    InputCase{"ThumbDragged", InputCase::ThumbDown}, InputCase{"Wheel", InputCase::Wheel});
std::string InputName(const testing::TestParamInfo<InputCase>& i) { return i.param.Name; }

class ScrollBarInput : public ScrollBarSkinner, public testing::WithParamInterface<InputCase> {
protected:
  void Apply(HWND wnd, int kind) {
    const RECT bar = BarOnScreen(wnd, OBJID_VSCROLL);
    const int length = bar.bottom - bar.top, arrow = GetSystemMetrics(SM_CYVSCROLL);
    switch (kind) {
      case InputCase::Arrow1: Click(OnVerticalBar(wnd, arrow / 2)); break;
      case InputCase::Arrow2: Click(OnVerticalBar(wnd, length - arrow / 2)); break;
      case InputCase::TrackBelow: Click(OnVerticalBar(wnd, length - arrow - 3)); break;
      case InputCase::TrackAbove: Click(OnVerticalBar(wnd, arrow + 2)); break;
      case InputCase::ThumbDown: {
        const POINT from = OnVerticalThumb(wnd);
        Drag(from, {from.x, from.y + 40});
        break;
      }
      case InputCase::Wheel: {
        SetFocus(wnd);
        RECT r;
        GetWindowRect(wnd, &r);
        Input({MoveTo({r.left + 20, r.top + 20}), MouseInput(MOUSEEVENTF_WHEEL, {}, -WHEEL_DELTA)});
        break;
      }
    }
  }
  // An arrow moves one line, the track one page, the rest somewhere.
  static void ExpectMoved(int kind, HWND wnd, int moved) {
    SCROLLINFO info{sizeof info, SIF_PAGE};
    GetScrollInfo(wnd, SB_VERT, &info);
    EXPECT_NE(moved, 0);
    if (kind == InputCase::Arrow1) {
      EXPECT_EQ(moved, -1);
    }
    if (kind == InputCase::Arrow2) {
      EXPECT_EQ(moved, 1);
    }
    if (kind == InputCase::TrackAbove) {
      EXPECT_EQ(moved, -int(info.nPage));
    }
    if (kind == InputCase::TrackBelow) {
      EXPECT_EQ(moved, int(info.nPage));
    }
  }
};

TEST_P(ScrollBarInput, ScrollsTheListAsTheSameInputScrollsAnUnskinnedOne) {
  TListBox* skinned = List(10);
  TListBox* native = List(200);
  auto* skinner = SkinControl<TSkinScrollbar>(*skinned);
  const HWND s = skinned->Handle(), n = native->Handle();
  // Both start in the middle, so that every part scrolls.
  for (HWND wnd : {s, n}) SendMessageW(wnd, LB_SETTOPINDEX, 100, 0);
  ASSERT_TRUE(WaitFor([&] { return Position(s, SB_VERT) == 100 && Position(n, SB_VERT) == 100; }));
  // The input meets the panel, not the native bar under it.
  ASSERT_EQ(WindowFromPoint(OnVerticalThumb(s)), skinner->VertBar()->PanelHandle());
  const int kind = GetParam().Kind;
  Apply(n, kind);
  Apply(s, kind);
  EXPECT_EQ(Position(s, SB_VERT), Position(n, SB_VERT));
  ExpectMoved(kind, n, Position(n, SB_VERT) - 100);
  // The panel shows the thumb where the system has it now.
  TWScrollbar* vert = skinner->VertBar();
  UpdateWindow(vert->PanelHandle());
  SCROLLBARINFO bar{sizeof bar};
  GetScrollBarInfo(s, OBJID_VSCROLL, &bar);
  EXPECT_EQ(vert->ThumbStart, bar.xyThumbTop);
  EXPECT_FALSE(vert->Pressed);
}

INSTANTIATE_TEST_SUITE_P(ScrollBarSkin, ScrollBarInput, kInputCases, InputName);

// The same input on the dropped-down list of a combo box: the skinned list's
// bar is drawn in its frame, the system tracks arrows and track, the thumb
// drag is the skinner's own. Each box is dropped down in turn, as only one
// list can be open.
class ComboListInput : public ScrollBarInput {
protected:
  TComboBox* Combo(int left) {
    auto* combo = Add<TComboBox>(left, 10, 120, 21);
    combo->SetStyle(csDropDownList);
    for (int i = 0; i < 200; ++i) combo->AddItem(L"Line " + std::to_wstring(i));
    return combo;
  }
  // The list's position after the input, from the middle of the rows.
  int PositionAfter(TComboBox* combo, int kind) {
    combo->SetDroppedDown(true);
    COMBOBOXINFO info{sizeof info};
    EXPECT_TRUE(GetComboBoxInfo(combo->Handle(), &info));
    SendMessageW(info.hwndList, LB_SETTOPINDEX, 100, 0);
    EXPECT_TRUE(WaitFor([&] { return Position(info.hwndList, SB_VERT) == 100; }));
    Apply(info.hwndList, kind);
    EXPECT_TRUE(combo->GetDroppedDown());  // input on the bar keeps the list open
    const int position = Position(info.hwndList, SB_VERT);
    combo->SetDroppedDown(false);
    return position;
  }
};

TEST_P(ComboListInput, ScrollsTheDroppedListAsTheSameInputScrollsAnUnskinnedOne) {
  TComboBox* skinned = Combo(10);
  TComboBox* native = Combo(150);
  auto* skinner = SkinControl<TSkinComBox>(*skinned);
  ASSERT_NE(skinner->DropScrollBar(), nullptr);
  const int kind = GetParam().Kind;
  const int n = PositionAfter(native, kind);
  const int s = PositionAfter(skinned, kind);
  EXPECT_EQ(s, n);
  COMBOBOXINFO info{sizeof info};
  ASSERT_TRUE(GetComboBoxInfo(native->Handle(), &info));
  ExpectMoved(kind, info.hwndList, n - 100);
  EXPECT_EQ(GetCapture(), nullptr);
}

INSTANTIATE_TEST_SUITE_P(ScrollBarSkin, ComboListInput, kInputCases, InputName);

// Holding an arrow repeats it, as the system's own tracking does. The
// tracking is modal: a timer inside it watches the list and lets the
// button go once it has moved a few lines (or after a generous limit).
struct THeldArrow {
  HWND List = nullptr;
  int Start = 0;
  DWORD Since = 0;
  bool Released = false;
};
THeldArrow* HeldArrow = nullptr;

void CALLBACK WatchHeldArrow(HWND, UINT, UINT_PTR, DWORD) {
  THeldArrow& held = *HeldArrow;
  if (held.Released) return;
  if (Position(held.List, SB_VERT) - held.Start >= 4 || GetTickCount() - held.Since > 10000) {
    held.Released = true;
    INPUT up = MouseInput(MOUSEEVENTF_LEFTUP);
    SendInput(1, &up, sizeof up);
  }
}

TEST_F(ScrollBarSkinner, HoldingAnArrowRepeatsIt) {
  TListBox* list = List(10);
  auto* skinner = SkinControl<TSkinScrollbar>(*list);
  const HWND wnd = list->Handle();
  SendMessageW(wnd, LB_SETTOPINDEX, 100, 0);
  ASSERT_TRUE(WaitFor([&] { return Position(wnd, SB_VERT) == 100; }));
  const RECT bar = BarOnScreen(wnd, OBJID_VSCROLL);
  const POINT arrow = OnVerticalBar(wnd, bar.bottom - bar.top - GetSystemMetrics(SM_CYVSCROLL) / 2);
  ASSERT_EQ(WindowFromPoint(arrow), skinner->VertBar()->PanelHandle());
  THeldArrow held{wnd, 100, GetTickCount()};
  HeldArrow = &held;
  const UINT_PTR timer = SetTimer(nullptr, 0, 20, WatchHeldArrow);
  Input({MoveTo(arrow), MouseInput(MOUSEEVENTF_LEFTDOWN)});
  ASSERT_TRUE(WaitFor([&] { return held.Released; }));
  KillTimer(nullptr, timer);
  HeldArrow = nullptr;
  EXPECT_GE(Position(wnd, SB_VERT) - 100, 4);
  EXPECT_FALSE(skinner->VertBar()->Pressed);
}

TEST_F(ScrollBarSkinner, ThePanelFollowsTheListWhenItMovesResizesHidesAndShows) {
  TListBox* list = List(10);
  auto* skinner = SkinControl<TSkinScrollbar>(*list);
  const HWND wnd = list->Handle(), panel = skinner->VertBar()->PanelHandle();
  list->SetBounds(30, 40, 150, 200);
  EXPECT_TRUE(SameRect(ScreenRect(panel), BarOnScreen(wnd, OBJID_VSCROLL)));
  list->SetVisible(false);
  EXPECT_FALSE(IsWindowVisible(panel));
  list->SetVisible(true);
  EXPECT_TRUE(IsWindowVisible(panel));
  EXPECT_TRUE(SameRect(ScreenRect(panel), BarOnScreen(wnd, OBJID_VSCROLL)));
  // Too few lines for a bar: the bar goes, and the panel with it.
  list->GetItems()->Clear();
  list->ItemsChanged();
  EXPECT_TRUE(WaitFor([&] { return !IsWindowVisible(panel); }));
}

TEST_F(ScrollBarSkinner, ThePanelFollowsAScrollNobodyReports) {
  TListBox* list = List(10);
  auto* skinner = SkinControl<TSkinScrollbar>(*list);
  const HWND wnd = list->Handle();
  TWScrollbar* vert = skinner->VertBar();
  UpdateWindow(vert->PanelHandle());
  const int before = vert->ThumbStart;
  // Scrolled by the program: no WM_VSCROLL, no wheel.
  SendMessageW(wnd, LB_SETTOPINDEX, 150, 0);
  UpdateWindow(vert->PanelHandle());
  SCROLLBARINFO bar{sizeof bar};
  GetScrollBarInfo(wnd, OBJID_VSCROLL, &bar);
  EXPECT_NE(bar.xyThumbTop, before);
  EXPECT_EQ(vert->ThumbStart, bar.xyThumbTop);
  const std::unique_ptr<TBitmap> shown = Shown(vert->PanelHandle());
  EXPECT_EQ(shown->Pixel(shown->Width() / 2, bar.xyThumbTop - 1), Track(true, kTrackEnabledFrame));
}

TEST_F(ScrollBarSkinner, ThePartUnderThePointerIsDrawnHot) {
  TListBox* list = List(10);
  auto* skinner = SkinControl<TSkinScrollbar>(*list);
  const HWND wnd = list->Handle();
  TWScrollbar* vert = skinner->VertBar();
  const RECT bar = BarOnScreen(wnd, OBJID_VSCROLL);
  const int arrow = GetSystemMetrics(SM_CYVSCROLL);
  Input({MoveTo(OnVerticalBar(wnd, bar.bottom - bar.top - arrow / 2))});
  ASSERT_TRUE(WaitFor([&] { return vert->HotPart == spSecondArrow; }));
  const std::unique_ptr<TBitmap> shown = Shown(vert->PanelHandle());
  EXPECT_EQ(shown->Pixel(shown->Width() / 2, shown->Height() - 1 - arrow / 2),
            Glyph(sgDownArrow + kArrowHotStep));
  EXPECT_EQ(shown->Pixel(shown->Width() / 2, arrow / 2), Glyph(sgUpArrow));
  // Off the panel, nothing is hot.
  Input({MoveTo({GetSystemMetrics(SM_CXSCREEN) - 1, GetSystemMetrics(SM_CYSCREEN) - 1})});
  EXPECT_TRUE(WaitFor([&] { return vert->HotPart == spNone; }));
}

TEST_F(ScrollBarSkinner, AMemoWithBothBarsGetsTwoPanelsAndTheCornerInTheFace) {
  auto* memo = new TMemo(Form.get());
  memo->SetScrollBars(ssBoth);
  memo->SetParent(Form.get());
  memo->SetBounds(10, 10, 200, 120);
  std::vector<std::wstring> lines;
  for (int i = 0; i < 60; ++i) lines.push_back(std::wstring(80, wchar_t(L'a' + i % 26)));
  memo->SetLines(lines);
  auto* skinner = SkinControl<TSkinScrollbar>(*memo);
  const HWND wnd = memo->Handle();
  ASSERT_TRUE(skinner->HorzBar()->BarVisible);
  ASSERT_TRUE(skinner->VertBar()->BarVisible);
  EXPECT_TRUE(SameRect(ScreenRect(skinner->HorzBar()->PanelHandle()), BarOnScreen(wnd, OBJID_HSCROLL)));
  EXPECT_TRUE(SameRect(ScreenRect(skinner->VertBar()->PanelHandle()), BarOnScreen(wnd, OBJID_VSCROLL)));
  // The right arrow of the horizontal panel scrolls by one column, as natively.
  const RECT h = BarOnScreen(wnd, OBJID_HSCROLL);
  Click({h.right - GetSystemMetrics(SM_CXHSCROLL) / 2, (h.top + h.bottom) / 2});
  EXPECT_GT(Position(wnd, SB_HORZ), 0);
  // The box between the bars is the face; the sunken edge is the skin's border.
  const std::unique_ptr<TBitmap> picture = WindowPicture(wnd);
  const RECT v = BarOnScreen(wnd, OBJID_VSCROLL);
  const RECT whole = ScreenRect(wnd);
  EXPECT_EQ(picture->Pixel(v.left - whole.left + 2, h.top - whole.top + 2), kFace);
  EXPECT_EQ(picture->Pixel(0, 0), kShadow);
  EXPECT_EQ(picture->Pixel(1, 1), kFace);
}

TEST_F(ScrollBarSkinner, UnskinningDestroysEveryPanelAndGivesTheListBack) {
  TListBox* list = List(10);
  const HWND wnd = list->Handle();
  auto* skinner = SkinControl<TSkinScrollbar>(*list);
  const HWND horz = skinner->HorzBar()->PanelHandle(), vert = skinner->VertBar()->PanelHandle();
  ASSERT_TRUE(IsWindow(horz) && IsWindow(vert));
  skinner->Detach();
  EXPECT_FALSE(IsWindow(horz));
  EXPECT_FALSE(IsWindow(vert));
  EXPECT_FALSE(Skinned(wnd));
  EXPECT_EQ(skinner->VertBar(), nullptr);
  // The native bar works again.
  Click(OnVerticalBar(wnd, BarOnScreen(wnd, OBJID_VSCROLL).bottom - BarOnScreen(wnd, OBJID_VSCROLL).top -
                               GetSystemMetrics(SM_CYVSCROLL) / 2));
  EXPECT_EQ(Position(wnd, SB_VERT), 1);
}

TEST_F(ScrollBarSkinner, DestroyingTheListDestroysItsPanels) {
  TListBox* list = List(10);
  auto* skinner = SkinControl<TSkinScrollbar>(*list);
  const HWND vert = skinner->VertBar()->PanelHandle();
  delete list;
  EXPECT_FALSE(IsWindow(vert));
}

TEST_F(ScrollBarSkinner, ABareListBoxGetsPanelsThatGoWithItsWindow) {
  const HWND wnd = CreateWindowExW(WS_EX_CLIENTEDGE, L"LISTBOX", L"", WS_CHILD | WS_VISIBLE | WS_VSCROLL |
                                   LBS_NOINTEGRALHEIGHT, 10, 10, 120, 150, Form->Handle(), nullptr,
                                   GetModuleHandleW(nullptr), nullptr);
  ASSERT_NE(wnd, nullptr);
  for (int i = 0; i < 100; ++i) SendMessageW(wnd, LB_ADDSTRING, 0, LPARAM(L"Row"));
  auto* skinner = SkinWindow<TSkinScrollbarH>(wnd);
  const HWND vert = skinner->VertBar()->PanelHandle();
  EXPECT_TRUE(IsWindowVisible(vert));
  EXPECT_TRUE(SameRect(ScreenRect(vert), BarOnScreen(wnd, OBJID_VSCROLL)));
  Click(OnVerticalBar(wnd, BarOnScreen(wnd, OBJID_VSCROLL).bottom - BarOnScreen(wnd, OBJID_VSCROLL).top - 3));
  EXPECT_EQ(Position(wnd, SB_VERT), 1);
  ShowWindow(wnd, SW_HIDE);
  EXPECT_FALSE(IsWindowVisible(vert));
  DestroyWindow(wnd);
  EXPECT_FALSE(IsWindow(vert));
  EXPECT_EQ(skinner->VertBar(), nullptr);
}

struct ControlCase {
  const char* Name;
  TScrollBarKind Kind;
  enum { Arrow2, TrackAfter, Thumb } Where;
};

class ScrollBarControlInput : public ScrollBarSkinner, public testing::WithParamInterface<ControlCase> {
protected:
  TScrollBar* Bar(int left, int top) {
    const bool vertical = GetParam().Kind == sbVertical;
    auto* bar = new TScrollBar(Form.get());
    bar->SetKind(GetParam().Kind);
    bar->SetParent(Form.get());
    bar->SetBounds(left, top, vertical ? 17 : 200, vertical ? 200 : 17);
    bar->SetPageSize(10);
    bar->SetLargeChange(10);
    bar->SetParams(0, 0, 100);
    bar->HandleNeeded();
    return bar;
  }
  void Apply(TScrollBar& bar) {
    const bool vertical = GetParam().Kind == sbVertical;
    RECT r;
    GetWindowRect(bar.Handle(), &r);
    const int length = vertical ? r.bottom - r.top : r.right - r.left;
    SCROLLBARINFO info{sizeof info};
    GetScrollBarInfo(bar.Handle(), OBJID_CLIENT, &info);
    auto at = [&](int along) {
      return vertical ? POINT{(r.left + r.right) / 2, r.top + along} : POINT{r.left + along, (r.top + r.bottom) / 2};
    };
    switch (GetParam().Where) {
      case ControlCase::Arrow2: Click(at(length - 4)); break;
      case ControlCase::TrackAfter: Click(at(length - GetSystemMetrics(SM_CXHSCROLL) - 4)); break;
      case ControlCase::Thumb: {
        const POINT from = at((info.xyThumbTop + info.xyThumbBottom) / 2);
        Drag(from, vertical ? POINT{from.x, from.y + 50} : POINT{from.x + 50, from.y});
        break;
      }
    }
  }
};

TEST_P(ScrollBarControlInput, MovesAsTheSameInputMovesAnUnskinnedOne) {
  TScrollBar* skinned = Bar(10, 10);
  TScrollBar* native = Bar(200, 40);
  auto* skinner = new TSkinScControl(skinned);
  skinner->AttachScControl(skinned, Data.get(), &Host, &Canvas);
  ASSERT_NE(skinner->Bar(), nullptr);
  const HWND panel = skinner->Bar()->PanelHandle();
  EXPECT_TRUE(IsWindowVisible(panel));
  EXPECT_TRUE(SameRect(ScreenRect(panel), ScreenRect(skinned->Handle())));
  RECT r = ScreenRect(skinned->Handle());
  ASSERT_EQ(WindowFromPoint({r.left + 5, r.top + 5}), panel);
  Apply(*native);
  Apply(*skinned);
  EXPECT_GT(native->GetPosition(), 0);
  EXPECT_EQ(skinned->GetPosition(), native->GetPosition());
  if (GetParam().Where == ControlCase::Arrow2) {
    EXPECT_EQ(native->GetPosition(), 1);
  }
  if (GetParam().Where == ControlCase::TrackAfter) {
    EXPECT_EQ(native->GetPosition(), 10);
  }
  skinner->Detach();
  EXPECT_FALSE(IsWindow(panel));
}

INSTANTIATE_TEST_SUITE_P(ScrollBarSkin, ScrollBarControlInput, testing::Values(
    ControlCase{"VerticalArrow", sbVertical, ControlCase::Arrow2},
    ControlCase{"VerticalTrack", sbVertical, ControlCase::TrackAfter},
    ControlCase{"VerticalThumb", sbVertical, ControlCase::Thumb},
    ControlCase{"HorizontalArrow", sbHorizontal, ControlCase::Arrow2},
    ControlCase{"HorizontalTrack", sbHorizontal, ControlCase::TrackAfter},
    ControlCase{"HorizontalThumb", sbHorizontal, ControlCase::Thumb}),
    [](const testing::TestParamInfo<ControlCase>& i) { return std::string(i.param.Name); });

TEST_F(ScrollBarSkinner, ADisabledScrollBarControlShowsTheDisabledTrackAndNoThumb) {
  auto* bar = new TScrollBar(Form.get());
  bar->SetKind(sbVertical);
  bar->SetParent(Form.get());
  bar->SetBounds(10, 10, kGlyph, 120);
  bar->SetParams(50, 0, 100);
  bar->SetEnabled(false);
  auto* skinner = new TSkinScControl(bar);
  skinner->AttachScControl(bar, Data.get(), &Host, &Canvas);
  const std::unique_ptr<TBitmap> shown = Shown(skinner->Bar()->PanelHandle());
  const int arrow = GetSystemMetrics(SM_CXHSCROLL);
  for (int y = arrow; y < 120 - arrow; ++y)
    ASSERT_EQ(shown->Pixel(kGlyph / 2, y), Track(true, kTrackDisabledFrame)) << y;
  EXPECT_EQ(shown->Pixel(kGlyph / 2, arrow / 2), Glyph(sgUpArrow));
}
}  // namespace
