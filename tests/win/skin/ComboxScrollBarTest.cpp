// The drop-down list's own thumb drag: positions from the distance dragged,
// and a loop that ends on the button coming up, on a lost capture and on a
// request to quit, which it passes on.
#include "skin/controls/ComboxScrollBar.h"
#include "tests/win/skin/ControlSkinnerKit.h"

using namespace skinload;

namespace {
struct PositionCase {
  const char* Name;
  int Min, Max;
  UINT Page;
  int Pos, Offset, Track, Thumb, Moved;
  int Expected;
};

class ComboThumb : public testing::TestWithParam<PositionCase> {};

TEST_P(ComboThumb, PositionFollowsTheDistanceDragged) {
  const PositionCase& c = GetParam();
  TComboThumbDrag drag;
  drag.Info.nMin = c.Min;
  drag.Info.nMax = c.Max;
  drag.Info.nPage = c.Page;
  drag.Info.nPos = c.Pos;
  drag.Offset = c.Offset;
  drag.Track = c.Track;
  drag.Thumb = c.Thumb;
  EXPECT_EQ(ComboThumbPosition(drag, c.Moved), c.Expected);
}

// Worked by hand: d = offset + moved, kept in 0..track - thumb (one more with a page);
// no page: d * (max - min) / track; a page: d * (max - page - min) / (track - thumb),
// from max - page on the last page start max - page + 1; rounded to the nearest.
INSTANTIATE_TEST_SUITE_P(ComboxScrollBar, ComboThumb, testing::Values(
    PositionCase{"NoPageHalfway", 0, 100, 0, 0, 0, 100, 10, 45, 45},
    PositionCase{"NoPagePastTheEnd", 0, 100, 0, 0, 0, 100, 10, 500, 90},
    PositionCase{"BeforeTheStart", 0, 100, 0, 30, 0, 100, 10, -50, 0},
    PositionCase{"PageHalfwayRounded", 0, 99, 10, 0, 0, 100, 10, 45, 45},
    PositionCase{"PagePastTheEndStopsAtTheLastPage", 0, 99, 10, 0, 0, 100, 10, 500, 90},
    PositionCase{"FromTheMiddleBack", 0, 99, 10, 0, 30, 100, 10, -10, 20},
    PositionCase{"MinimumAboveZero", 5, 104, 10, 5, 0, 100, 10, 45, 50},
    PositionCase{"BeyondSixteenBits", 0, 200000, 10, 0, 0, 100, 10, 90, 199991},
    PositionCase{"ThumbFillsTheTrack", 0, 100, 0, 3, 0, 20, 20, 10, 3},
    PositionCase{"NoTrackAtAll", 0, 100, 10, 4, 0, 0, 0, 10, 4}),
    [](const testing::TestParamInfo<PositionCase>& i) { return std::string(i.param.Name); });

// A list of many rows with the drop-down list's bar skinner on it.
class ComboListDrag : public ControlSkinnerTest {
protected:
  void SetUp() override {
    ControlSkinnerTest::SetUp();
    LoadSkin(TTestSkin{});
    Form->Show();
    List = CreateWindowExW(0, L"LISTBOX", L"", WS_CHILD | WS_VISIBLE | WS_VSCROLL | LBS_NOINTEGRALHEIGHT, 10, 10, 150,
                           200, Form->Handle(), nullptr, nullptr, nullptr);
    for (int i = 0; i < 200; ++i) SendMessageW(List, LB_ADDSTRING, 0, LPARAM(std::to_wstring(i).c_str()));
    Bar = SkinWindow<TComboxScrollBar>(List);
  }
  void TearDown() override {
    DestroyWindow(List);
    ControlSkinnerTest::TearDown();
  }
  // The middle of the thumb, on the screen.
  POINT ThumbCentre() const {
    SCROLLBARINFO info{sizeof info};
    GetScrollBarInfo(List, OBJID_VSCROLL, &info);
    return {(info.rcScrollBar.left + info.rcScrollBar.right) / 2,
            info.rcScrollBar.top + (info.xyThumbTop + info.xyThumbBottom) / 2};
  }
  int Top() const { return int(SendMessageW(List, LB_GETTOPINDEX, 0, 0)); }
  // Moves the pointer and queues the move the list would get.
  void QueueMove(POINT to) {
    SetCursorPos(to.x, to.y);
    PostMessageW(List, WM_MOUSEMOVE, MK_LBUTTON, 0);
  }
  bool ButtonUpWaiting() {
    MSG msg;
    return PeekMessageW(&msg, List, WM_LBUTTONUP, WM_LBUTTONUP, PM_REMOVE);
  }

  HWND List = nullptr;
  TComboxScrollBar* Bar = nullptr;
};

TEST_F(ComboListDrag, TheListFollowsTheThumbUntilTheButtonComesUp) {
  const POINT press = ThumbCentre();
  QueueMove({press.x, press.y + 60});
  PostMessageW(List, WM_LBUTTONUP, 0, 0);
  ASSERT_TRUE(Bar->TrackThumb(press));
  EXPECT_GT(Top(), 0);
  // The thumb is where the pointer took it.
  EXPECT_NEAR(ThumbCentre().y, press.y + 60, 3);
  EXPECT_EQ(GetCapture(), nullptr);
}

TEST_F(ComboListDrag, APressBesideTheThumbIsLeftToTheSystem) {
  const POINT thumb = ThumbCentre();
  EXPECT_FALSE(Bar->TrackThumb({thumb.x, thumb.y + 120}));
  EXPECT_EQ(Top(), 0);
}

TEST_F(ComboListDrag, ALostCaptureEndsTheDrag) {
  const POINT press = ThumbCentre();
  // A window that takes the mouse away when its message comes.
  const HWND thief = CreateWindowExW(0, L"STATIC", L"", WS_CHILD, 0, 0, 1, 1, Form->Handle(), nullptr, nullptr, nullptr);
  TWindowSubclass steal;
  steal.Install(thief, [&](UINT msg, WPARAM w, LPARAM l) {
    if (msg == WM_APP) SetCapture(thief);
    return steal.CallOld(msg, w, l);
  });
  PostMessageW(thief, WM_APP, 0, 0);
  QueueMove({press.x, press.y + 60});
  PostMessageW(List, WM_LBUTTONUP, 0, 0);
  ASSERT_TRUE(Bar->TrackThumb(press));
  EXPECT_EQ(Top(), 0);  // the move after the loss is not the drag's
  EXPECT_TRUE(ButtonUpWaiting());
  ReleaseCapture();
  steal.Remove();
  DestroyWindow(thief);
}

TEST_F(ComboListDrag, AQuitRequestEndsTheDragAndIsPassedOn) {
  const POINT press = ThumbCentre();
  PostQuitMessage(7);
  ASSERT_TRUE(Bar->TrackThumb(press));
  MSG msg;
  ASSERT_TRUE(PeekMessageW(&msg, nullptr, WM_QUIT, WM_QUIT, PM_REMOVE));
  EXPECT_EQ(msg.wParam, 7u);
  EXPECT_EQ(GetCapture(), nullptr);
}
}  // namespace
