// The class library's scrolling controls: list boxes, memos, scroll bars and
// scroll boxes from their stored description, a scroll bar's position
// following the system's scroll requests, and a scroll box moving its
// controls with its bars.
#include "host/FormReader.h"
#include "host/Forms.h"
#include "host/StdCtrls.h"
#include <gtest/gtest.h>
#include <memory>

namespace {
class ScrollingControls : public testing::Test {
protected:
  void SetUp() override {
    Form = std::make_unique<TForm>(nullptr);
    Form->SetBorderStyle(bsNone);
    Form->SetBounds(20, 20, 400, 300);
  }
  void Read(const char* text) {
    TFormObject description;
    TFormTextError error;
    ASSERT_TRUE(ReadFormText(text, description, error)) << error.Message;
    ReadFormObject(*Form, description);
    Form->HandleNeeded();
  }
  template <class T>
  T* Find(const wchar_t* name) {
    return dynamic_cast<T*>(Form->FindComponent(name));
  }
  static SCROLLINFO Info(HWND wnd, int bar) {
    SCROLLINFO info{sizeof info, SIF_ALL};
    GetScrollInfo(wnd, bar, &info);
    return info;
  }
  std::unique_ptr<TForm> Form;
};

TEST_F(ScrollingControls, TheFormReaderMakesThemWithTheirProperties) {
  Read("object F: TForm\n"
       "  object L: TListBox\n    Left = 0\n    Top = 0\n    Width = 100\n    Height = 60\n"
       "    Items.Strings = (\n      'One'\n      'Two'\n      'Three')\n    ItemIndex = 1\n  end\n"
       "  object M: TMemo\n    Width = 100\n    Height = 60\n    ScrollBars = ssVertical\n"
       "    Lines.Strings = (\n      'First'\n      'Second')\n  end\n"
       "  object S: TScrollBar\n    Width = 17\n    Height = 100\n    Kind = sbVertical\n    Max = 50\n"
       "    PageSize = 10\n    Position = 30\n  end\n"
       "  object B: TScrollBox\n    Width = 100\n    Height = 100\n    BorderStyle = bsNone\n  end\n"
       "end\n");
  auto* list = Find<TListBox>(L"L");
  auto* memo = Find<TMemo>(L"M");
  auto* bar = Find<TScrollBar>(L"S");
  auto* box = Find<TScrollBox>(L"B");
  ASSERT_TRUE(list && memo && bar && box);
  EXPECT_EQ(SendMessageW(list->Handle(), LB_GETCOUNT, 0, 0), 3);
  EXPECT_EQ(list->GetItemIndex(), 1);
  EXPECT_EQ(memo->GetText(), L"First\r\nSecond\r\n");
  EXPECT_EQ(memo->GetLines()->Count(), 2);
  const LONG_PTR memoStyle = GetWindowLongPtrW(memo->Handle(), GWL_STYLE);
  EXPECT_TRUE(memoStyle & ES_MULTILINE);
  EXPECT_TRUE(memoStyle & WS_VSCROLL);
  EXPECT_FALSE(memoStyle & WS_HSCROLL);
  EXPECT_TRUE(GetWindowLongPtrW(bar->Handle(), GWL_STYLE) & SBS_VERT);
  const SCROLLINFO info = Info(bar->Handle(), SB_CTL);
  EXPECT_EQ(info.nMax, 50);
  EXPECT_EQ(info.nPage, 10u);
  EXPECT_EQ(info.nPos, 30);
  EXPECT_FALSE(GetWindowLongPtrW(box->Handle(), GWL_EXSTYLE) & WS_EX_CLIENTEDGE);
}

struct RequestCase {
  WORD Code;
  int Expected;
};

class ScrollBarRequests : public ScrollingControls, public testing::WithParamInterface<RequestCase> {};

// Position 40 of 0-100 with a page of 10: the last position is 91.
TEST_P(ScrollBarRequests, MoveThePositionAsTheSystemAsks) {
  auto* bar = new TScrollBar(Form.get());
  bar->SetParent(Form.get());
  bar->SetBounds(10, 10, 200, 17);
  bar->SetSmallChange(2);
  bar->SetLargeChange(25);
  bar->SetPageSize(10);
  bar->SetParams(40, 0, 100);
  int changes = 0;
  bar->OnChange = [&](TObject*) { ++changes; };
  // As the parent reflects it when the bar reports a request.
  SendMessageW(Form->Handle(), WM_HSCROLL, MAKEWPARAM(GetParam().Code, 0), LPARAM(bar->Handle()));
  EXPECT_EQ(bar->GetPosition(), GetParam().Expected);
  EXPECT_EQ(Info(bar->Handle(), SB_CTL).nPos, GetParam().Expected);
  EXPECT_EQ(changes, GetParam().Expected != 40 ? 1 : 0);
}

INSTANTIATE_TEST_SUITE_P(Host, ScrollBarRequests, testing::Values(
    RequestCase{SB_LINELEFT, 38}, RequestCase{SB_LINERIGHT, 42}, RequestCase{SB_PAGELEFT, 15},
    RequestCase{SB_PAGERIGHT, 65}, RequestCase{SB_LEFT, 0}, RequestCase{SB_RIGHT, 91}, RequestCase{SB_ENDSCROLL, 40}));

TEST_F(ScrollingControls, AScrollBarKeepsItsPositionInsideTheRange) {
  auto* bar = new TScrollBar(Form.get());
  bar->SetParent(Form.get());
  bar->SetParams(500, 0, 100);
  EXPECT_EQ(bar->GetPosition(), 100);
  bar->SetParams(-5, 0, 100);
  EXPECT_EQ(bar->GetPosition(), 0);
  // A range that ends before it starts is empty at its start.
  bar->SetParams(7, 10, 3);
  EXPECT_EQ(bar->GetMax(), 10);
  EXPECT_EQ(bar->GetPosition(), 10);
}

TEST_F(ScrollingControls, AScrollBoxShowsBarsForControlsPastItsEdgeAndMovesThemWhenScrolled) {
  auto* box = new TScrollBox(Form.get());
  box->SetParent(Form.get());
  box->SetBounds(10, 10, 200, 150);
  auto* inner = new TButton(Form.get());
  inner->SetParent(box);
  inner->SetBounds(20, 30, 400, 300);
  box->HandleNeeded();
  box->UpdateScrollRange();
  const HWND wnd = box->Handle();
  const LONG_PTR style = GetWindowLongPtrW(wnd, GWL_STYLE);
  ASSERT_TRUE(style & WS_VSCROLL);
  ASSERT_TRUE(style & WS_HSCROLL);
  EXPECT_EQ(Info(wnd, SB_VERT).nMax, 30 + 300 - 1);
  SendMessageW(wnd, WM_VSCROLL, SB_LINEDOWN, 0);
  EXPECT_EQ(Info(wnd, SB_VERT).nPos, box->GetLineSize());
  EXPECT_EQ(inner->GetTop(), 30 - box->GetLineSize());
  RECT r;
  GetWindowRect(inner->Handle(), &r);
  POINT topLeft{r.left, r.top};
  ScreenToClient(wnd, &topLeft);
  EXPECT_EQ(topLeft.y, 30 - box->GetLineSize());
  // Past the end the position stops where the last page begins.
  SendMessageW(wnd, WM_VSCROLL, SB_BOTTOM, 0);
  const SCROLLINFO v = Info(wnd, SB_VERT);
  EXPECT_EQ(v.nPos, v.nMax - int(v.nPage) + 1);
  EXPECT_EQ(inner->GetTop(), 30 - v.nPos);
  // Back at the top, without controls past the edge, the bars go.
  SendMessageW(wnd, WM_VSCROLL, SB_TOP, 0);
  EXPECT_EQ(inner->GetTop(), 30);
  inner->SetBounds(0, 0, 20, 20);
  box->UpdateScrollRange();
  EXPECT_FALSE(GetWindowLongPtrW(wnd, GWL_STYLE) & (WS_VSCROLL | WS_HSCROLL));
}
}  // namespace
