// Tab and page controls painted from the skin: the focused tab's frame and
// the caption colours, tabs turned for each side, the page frame from the
// border image upside down under bottom tabs, the native scroll arrows left
// standing in the strip, and close boxes whose page goes only when the form
// says so and only once the click is over.
#include "host/ComCtrls.h"
#include "host/StdCtrls.h"
#include "skin/controls/SkinTab.h"
#include "skin/manager/SkinMessages.h"
#include "tests/win/skin/TabSkinKit.h"
#include <commctrl.h>
#include <functional>

using namespace tabkit;

namespace {
const TColor kFormColour = TColor(RGB(10, 20, 30));
const TColor kBlack = TColor(RGB(0, 0, 0));

RECT ItemRect(HWND tabs, int i) {
  RECT r{};
  SendMessageW(tabs, TCM_GETITEMRECT, WPARAM(i), LPARAM(&r));
  return r;
}

class SkinTabTest : public testing::Test {
protected:
  void SetUp() override {
    ASSERT_TRUE(LoadTestSkin(Data, TabSkin(0)));
    Form.SetBounds(0, 0, 500, 400);
    Form.SetColor(kFormColour);
    Host.Window = Form.Handle();
  }
  TPageControl* Pages(TTabPosition position, std::initializer_list<const wchar_t*> captions, int width = 300) {
    return MakePages(Form, captions, position, tsTabs, width);
  }
  TSkinTab* Skin(TCustomTabControl* control) {
    auto* skinner = new TSkinTab(control);
    skinner->AttachControl(&Host, &Data, false, nullptr);
    return skinner;
  }

  TSkinDrawUnit DrawUnit;
  TSkinData Data{nullptr};
  TForm Form{nullptr};
  TTestSkinnerHost Host;
};

// Where to look in a tab: two points across it, one a quarter of its depth
// from the side away from the pages, one a quarter from the side next to
// them, both a little way along from the tab's start.
struct TSide {
  TTabPosition Position;
  const char* Name;
  std::function<POINT(const RECT& tab, double depth)> At;  // depth 0: away from the pages, 1: next to them
};

const TSide kSides[] = {
    {tpTop, "top", [](const RECT& t, double d) { return POINT{t.left + 3, t.top + LONG((t.bottom - t.top) * d)}; }},
    {tpBottom, "bottom",
     [](const RECT& t, double d) { return POINT{t.left + 3, t.bottom - 1 - LONG((t.bottom - t.top) * d)}; }},
    {tpLeft, "left", [](const RECT& t, double d) { return POINT{t.left + LONG((t.right - t.left) * d), t.top + 3}; }},
    {tpRight, "right",
     [](const RECT& t, double d) { return POINT{t.right - 1 - LONG((t.right - t.left) * d), t.top + 3}; }},
};
}  // namespace

TEST_F(SkinTabTest, TheFocusedTabShowsFrameTwoAndEverySideTurnsTheTabsTowardsThePages) {
  for (const TSide& side : kSides) {
    SCOPED_TRACE(side.Name);
    TPageControl* pages = Pages(side.Position, {L"First", L"Second page"});
    const HWND tabs = pages->Handle();
    SendMessageW(tabs, TCM_SETCURSEL, 1, 0);
    TSkinTab* skinner = Skin(pages);
    EXPECT_EQ(skinner->TabPosition(), side.Position);
    auto picture = PaintOf(tabs);
    for (int i = 0; i < 2; ++i) {
      const int frame = i == 1 ? 2 : 1;
      const POINT outer = side.At(ItemRect(tabs, i), 0.25), inner = side.At(ItemRect(tabs, i), 0.75);
      EXPECT_EQ(picture->Pixel(outer.x, outer.y), TabTop(frame)) << "tab " << i;
      EXPECT_EQ(picture->Pixel(inner.x, inner.y), TabBottom(frame)) << "tab " << i;
    }
    delete pages;
  }
}

TEST_F(SkinTabTest, CaptionsAreCentredInTheColoursOfTheirFrames) {
  TPageControl* pages = Pages(tpTop, {L"First", L"Second page"});
  const HWND tabs = pages->Handle();
  SendMessageW(tabs, TCM_SETCURSEL, 1, 0);
  Skin(pages);
  auto picture = PaintOf(tabs);
  const TColor ink[] = {kNormalText, kFocusedText};
  for (int i = 0; i < 2; ++i) {
    SCOPED_TRACE(i);
    const RECT tab = ItemRect(tabs, i);
    EXPECT_EQ(CountColour(*picture, tab, ink[1 - i]), 0);
    const RECT text = BoundsOfColour(*picture, tab, ink[i]);
    ASSERT_GT(text.right - text.left, 0);
    EXPECT_NEAR((text.left + text.right) / 2.0, (tab.left + tab.right) / 2.0, 3.0);
  }
}

TEST_F(SkinTabTest, SideCaptionsRunAlongTheTab) {
  for (TTabPosition position : {tpLeft, tpRight}) {
    SCOPED_TRACE(position);
    TPageControl* pages = Pages(position, {L"Long caption", L"Second"});
    Skin(pages);
    const RECT tab = ItemRect(pages->Handle(), 1);
    auto picture = PaintOf(pages->Handle());
    const RECT text = BoundsOfColour(*picture, tab, kNormalText);
    EXPECT_GT(text.bottom - text.top, 2 * (text.right - text.left));
    delete pages;
  }
}

TEST_F(SkinTabTest, TheBorderImageFramesThePagesAndIsUpsideDownUnderBottomTabs) {
  struct TRow {
    TTabPosition Position;
    TColor TopEdge, BottomEdge;
  };
  for (const TRow& row : {TRow{tpTop, kPaneTop, kPaneBottom}, TRow{tpBottom, kPaneBottom, kPaneTop}}) {
    SCOPED_TRACE(row.Position);
    TPageControl* pages = Pages(row.Position, {L"First", L"Second"});
    const HWND tabs = pages->Handle();
    Skin(pages);
    // The page frame: the display area grown by 4, less a line on the tabs' side.
    RECT page{0, 0, 300, 200};
    SendMessageW(tabs, TCM_ADJUSTRECT, FALSE, LPARAM(&page));
    InflateRect(&page, 4, 4);
    if (row.Position == tpTop) ++page.top;
    if (row.Position == tpBottom) --page.bottom;
    // No page is active, so no sheet covers the frame.
    auto picture = PaintOf(tabs);
    EXPECT_EQ(picture->Pixel(page.left + 10, page.top + 1), row.TopEdge);
    EXPECT_EQ(picture->Pixel(page.left + 10, page.bottom - 2), row.BottomEdge);
    delete pages;
  }
}

TEST_F(SkinTabTest, TheTabPaneElementFramesThePagesWhenTheTabsStyleSaysSo) {
  ASSERT_TRUE(LoadTestSkin(Data, TabSkin(1)));
  TPageControl* pages = Pages(tpTop, {L"First"});
  Skin(pages);
  auto picture = PaintOf(pages->Handle());
  RECT page{0, 0, 300, 200};
  SendMessageW(pages->Handle(), TCM_ADJUSTRECT, FALSE, LPARAM(&page));
  EXPECT_EQ(picture->Pixel((page.left + page.right) / 2, (page.top + page.bottom) / 2), kTabPane);
}

TEST_F(SkinTabTest, MoreTabsThanFitKeepTheNativeArrowsAndTheStripGoesAroundThem) {
  TPageControl* pages = Pages(tpTop, {L"Page one", L"Page two", L"Page three", L"Page four", L"Page five"}, 150);
  const HWND tabs = pages->Handle();
  Skin(pages);
  const HWND arrows = FindWindowExW(tabs, nullptr, UPDOWN_CLASSW, nullptr);
  ASSERT_NE(arrows, nullptr);
  ASSERT_TRUE(GetWindowLongPtrW(arrows, GWL_STYLE) & WS_VISIBLE);
  auto picture = PaintOf(tabs);
  PaintOf(tabs);
  RECT arrowRect, control;
  GetWindowRect(arrows, &arrowRect);
  GetWindowRect(tabs, &control);
  OffsetRect(&arrowRect, -control.left, -control.top);
  const int area = (arrowRect.right - arrowRect.left) * (arrowRect.bottom - arrowRect.top);
  EXPECT_EQ(CountColour(*picture, arrowRect, kUnpainted), area);
  // Left of the arrows the strip is painted.
  EXPECT_NE(picture->Pixel(arrowRect.left - 1, arrowRect.top + 1), kUnpainted);
  // The arrows got their skinner once, owned by the page control.
  ASSERT_EQ(UpDownSkinnersOf(*pages).size(), 1u);
  EXPECT_EQ(UpDownSkinnersOf(*pages)[0]->HorizontalMode(), 0);
  EXPECT_EQ(SendMessageW(arrows, WM_SKIN_QUERY, 0, 0), 1);
}

TEST_F(SkinTabTest, CloseBoxesAreCrossedSquaresInTheTopRightCornerOfTopTabs) {
  // Captions short enough to keep clear of the boxes.
  TPageControl* pages = Pages(tpTop, {L"First", L"Two"});
  pages->SetTag(kCloseBoxTag);
  const HWND tabs = pages->Handle();
  TSkinTab* skinner = Skin(pages);
  ASSERT_TRUE(skinner->CloseButtons());
  auto picture = PaintOf(tabs);
  for (int i = 0; i < 2; ++i) {
    SCOPED_TRACE(i);
    // The tab lies one lower in the strip.
    RECT tab = ItemRect(tabs, i);
    OffsetRect(&tab, 0, 1);
    const int x1 = tab.right - 8, y1 = tab.top + 2, x2 = tab.right - 2, y2 = tab.top + 8;
    const RECT expected{x1, y1, x2, y2};
    EXPECT_TRUE(EqualRect(&skinner->CloseRects()[size_t(i)], &expected));
    for (int k = 0; k <= 6; ++k) {
      for (POINT p : {POINT{x1 + k, y1}, POINT{x1 + k, y2}, POINT{x1, y1 + k}, POINT{x2, y1 + k},
                      POINT{x1 + k, y1 + k}, POINT{x2 - k, y1 + k}})
        EXPECT_EQ(picture->Pixel(p.x, p.y), kBlack) << p.x << ", " << p.y;
    }
    EXPECT_NE(picture->Pixel(x1 + 1, y1 + 3), kBlack);
  }
}

TEST_F(SkinTabTest, BottomTabsOfATaggedPageControlGetNoCloseBoxes) {
  TPageControl* pages = Pages(tpBottom, {L"First", L"Second page"});
  pages->SetTag(kCloseBoxTag);
  TSkinTab* skinner = Skin(pages);
  EXPECT_FALSE(skinner->CloseButtons());
  auto picture = PaintOf(pages->Handle());
  for (int i = 0; i < 2; ++i) EXPECT_EQ(CountColour(*picture, ItemRect(pages->Handle(), i), kBlack), 0);
  // A click where a top tab's box would be is an ordinary click: it selects the tab.
  int asked = 0;
  const TWndMethod formProc = Form.WindowProc;
  Form.WindowProc = [&](TMessage& m) {
    asked += m.Msg == WM_SKIN_TABCLOSE;
    formProc(m);
  };
  const RECT tab = ItemRect(pages->Handle(), 1);
  SendMessageW(pages->Handle(), WM_LBUTTONDOWN, MK_LBUTTON, MAKELPARAM(tab.right - 5, tab.top + 5));
  SendMessageW(pages->Handle(), WM_LBUTTONUP, 0, MAKELPARAM(tab.right - 5, tab.top + 5));
  Form.WindowProc = formProc;
  EXPECT_EQ(asked, 0);
  EXPECT_EQ(pages->ActivePage(), pages->Pages()[1]);
}

TEST_F(SkinTabTest, AClosedBoxsPageGoesOnlyOnAnAnswerOfZeroAndOnlyAfterTheClick) {
  // A window that is gone: sending to it answers 0, but nobody said so.
  const HWND gone = CreateWindowExW(0, L"STATIC", L"", 0, 0, 0, 1, 1, nullptr, nullptr, nullptr, nullptr);
  DestroyWindow(gone);
  enum TFormWindow { fwForm, fwNone, fwGone };
  struct TCase {
    const char* What;
    LRESULT Answer;
    TFormWindow FormWindow;
    bool Freed;
  };
  const TCase cases[] = {
      {"the form answers 0", 0, fwForm, true},
      {"the form answers 1", 1, fwForm, false},
      {"no form window to answer", 0, fwNone, false},
      {"the form window is gone", 0, fwGone, false},
  };
  for (const TCase& c : cases) {
    SCOPED_TRACE(c.What);
    TPageControl* pages = Pages(tpTop, {L"First", L"Second page", L"Third"});
    pages->SetTag(kCloseBoxTag);
    const HWND tabs = pages->Handle();
    Host.Window = c.FormWindow == fwForm ? Form.Handle() : c.FormWindow == fwGone ? gone : nullptr;
    TSkinTab* skinner = Skin(pages);
    PaintOf(tabs);
    std::vector<std::pair<WPARAM, LPARAM>> asked;
    const TWndMethod formProc = Form.WindowProc;
    Form.WindowProc = [&](TMessage& m) {
      if (m.Msg != WM_SKIN_TABCLOSE) return formProc(m);
      asked.emplace_back(m.WParam, m.LParam);
      m.Result = c.Answer;
    };
    TTabSheet* second = pages->Pages()[1];
    const RECT box = skinner->CloseRects()[1];
    const int selected = int(SendMessageW(tabs, TCM_GETCURSEL, 0, 0));
    SendMessageW(tabs, WM_LBUTTONDOWN, MK_LBUTTON, MAKELPARAM(box.left + 2, box.top + 3));
    // The click is over; the page is still there, and the tabs never saw it.
    EXPECT_EQ(pages->PageCount(), 3);
    EXPECT_EQ(pages->Pages()[1], second);
    EXPECT_EQ(SendMessageW(tabs, TCM_GETCURSEL, 0, 0), selected);
    if (c.FormWindow == fwForm)
      EXPECT_EQ(asked, (std::vector<std::pair<WPARAM, LPARAM>>{{WPARAM(tabs), 1}}));
    else
      EXPECT_TRUE(asked.empty());
    if (c.Freed) {
      EXPECT_TRUE(PumpUntil([&] { return pages->PageCount() == 2; }));
      EXPECT_EQ(SendMessageW(tabs, TCM_GETITEMCOUNT, 0, 0), 2);
    } else {
      Application->ProcessMessages();
      EXPECT_EQ(pages->PageCount(), 3);
    }
    Form.WindowProc = formProc;
    delete pages;
  }
}

TEST_F(SkinTabTest, AFormThatFreesPagesWhileItAnswersHasNothingFreedTwice) {
  TPageControl* pages = Pages(tpTop, {L"One", L"Two", L"Six", L"Ten"});
  pages->SetTag(kCloseBoxTag);
  const HWND tabs = pages->Handle();
  TSkinTab* skinner = Skin(pages);
  TTabSheet* freeInAnswer = nullptr;
  const TWndMethod formProc = Form.WindowProc;
  Form.WindowProc = [&](TMessage& m) {
    if (m.Msg != WM_SKIN_TABCLOSE) return formProc(m);
    delete freeInAnswer;
    m.Result = 0;
  };
  auto clickBox = [&](int i) {
    PaintOf(tabs);
    const RECT box = skinner->CloseRects()[size_t(i)];
    SendMessageW(tabs, WM_LBUTTONDOWN, MK_LBUTTON, MAKELPARAM(box.left + 2, box.top + 3));
    Application->ProcessMessages();
  };
  // The page whose box was clicked, freed by the form itself.
  freeInAnswer = pages->Pages()[1];
  clickBox(1);
  EXPECT_EQ(pages->PageCount(), 3);
  // Another page freed by the form: the clicked one goes as well.
  TTabSheet* last = pages->Pages()[2];
  freeInAnswer = last;
  clickBox(0);
  Form.WindowProc = formProc;
  ASSERT_EQ(pages->PageCount(), 1);
  EXPECT_EQ(pages->Pages()[0]->GetText(), L"Six");
}

TEST_F(SkinTabTest, ASkinChangeTakesTheNewSkinsImagesAndLeavesNothingOfTheOld) {
  TPageControl* pages = Pages(tpTop, {L"First"});
  TSkinTab* skinner = Skin(pages);
  RECT page{0, 0, 300, 200};
  SendMessageW(pages->Handle(), TCM_ADJUSTRECT, FALSE, LPARAM(&page));
  const POINT edge{page.left + 10, page.top - 2};
  EXPECT_EQ(PaintOf(pages->Handle())->Pixel(edge.x, edge.y), kPaneTop);
  // Style 2: neither the border image nor Tab.Pane frames the pages.
  ASSERT_TRUE(LoadTestSkin(Data, TabSkin(2)));
  skinner->SkinChanged();
  EXPECT_EQ(PaintOf(pages->Handle())->Pixel(edge.x, edge.y), kUnpainted);
}

TEST_F(SkinTabTest, ATabControlWithoutPagesPaintsItsWindowlessChildrenOverTheSkin) {
  auto* tabs = new TTabControl(&Form);
  tabs->SetParent(&Form);
  tabs->SetBounds(0, 0, 300, 200);
  tabs->GetTabs()->Add(L"First");
  tabs->TabsChanged();
  auto* label = new TLabel(&Form);
  label->SetTransparent(true);
  label->SetText(L"Label text");
  label->SetParent(tabs);
  label->SetBounds(20, 60, 100, 20);
  auto* skinner = new TSkinTab(tabs);
  skinner->SetMode(kTabControlMode);
  skinner->AttachControl(&Host, &Data, false, nullptr);
  auto picture = PaintOf(tabs->Handle());
  EXPECT_GT(CountColour(*picture, label->BoundsRect(), TColor(ColorToRGB(clWindowText))), 0);
}

TEST_F(SkinTabTest, DetachingLetsTheNativeTabsPaintAgain) {
  TPageControl* pages = Pages(tpTop, {L"First", L"Second page"});
  TSkinTab* skinner = Skin(pages);
  EXPECT_EQ(SendMessageW(pages->Handle(), WM_SKIN_QUERY, 0, 0), 1);
  const RECT tab = ItemRect(pages->Handle(), 1);
  EXPECT_EQ(PaintOf(pages->Handle())->Pixel(tab.left + 3, tab.top + 4), TabTop(1));
  skinner->Detach();
  EXPECT_EQ(SendMessageW(pages->Handle(), WM_SKIN_QUERY, 0, 0), 0);
  EXPECT_NE(PaintOf(pages->Handle())->Pixel(tab.left + 3, tab.top + 4), TabTop(1));
}

TEST(SkinTabPosition, TheStyleBitsGiveTheSide) {
  struct TRow {
    LONG_PTR Style;
    TTabPosition Position;
  };
  for (TRow row : {TRow{0, tpTop}, TRow{TCS_BOTTOM, tpBottom}, TRow{TCS_VERTICAL, tpLeft},
                   TRow{TCS_VERTICAL | TCS_RIGHT, tpRight}, TRow{TCS_VERTICAL | TCS_MULTILINE, tpLeft},
                   TRow{TCS_BUTTONS | TCS_BOTTOM, tpBottom}})
    EXPECT_EQ(TSkinTab::TabPositionFromStyle(row.Style), row.Position) << std::hex << row.Style;
}
