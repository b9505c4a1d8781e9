// The old-style tab set: where its tabs go, its own painting and clicks,
// its scroller, and the skinner that paints its tabs from the "Tabs"
// element upside down and has its scroller skinned as a horizontal up-down.
#include "host/Tabs.h"
#include "skin/controls/SkinTab31.h"
#include "skin/manager/SkinMessages.h"
#include "tests/win/skin/TabSkinKit.h"
#include <commctrl.h>

using namespace tabkit;

TEST(TabSetLayout, TabsThatDoNotFitAreLeftOutAndTheNextIsTried) {
  struct TRow {
    const char* What;
    std::vector<int> Widths;
    int First, Start, Limit;
    bool Scroller;
    std::vector<TTabSetSpot> Expected;
  };
  const TRow rows[] = {
      {"all fit", {10, 20}, 0, 5, 100, false, {{0, 5, 24}, {1, 24, 53}}},
      {"from the first shown", {10, 20, 30}, 1, 5, 100, false, {{1, 5, 34}, {2, 34, 73}}},
      {"exactly to the limit", {10}, 0, 5, 24, false, {{0, 5, 24}}},
      {"one short of the limit", {10}, 0, 5, 23, false, {}},
      {"the scroller keeps twelve more free", {10}, 0, 5, 35, true, {}},
      {"the scroller's room exactly", {10}, 0, 5, 36, true, {{0, 5, 24}}},
      {"a wide tab is skipped, a narrow one after it still fits", {10, 80, 10}, 0, 0, 40, false,
       {{0, 0, 19}, {2, 19, 38}}},
      {"a first index past the end", {10}, 3, 5, 100, false, {}},
  };
  for (const TRow& row : rows) {
    SCOPED_TRACE(row.What);
    const std::vector<TTabSetSpot> spots = TabSetLayout(row.Widths, row.First, row.Start, row.Limit, row.Scroller);
    ASSERT_EQ(spots.size(), row.Expected.size());
    for (size_t i = 0; i < spots.size(); ++i) {
      EXPECT_EQ(spots[i].Index, row.Expected[i].Index);
      EXPECT_EQ(spots[i].Left, row.Expected[i].Left);
      EXPECT_EQ(spots[i].Right, row.Expected[i].Right);
    }
  }
}

namespace {
class TabSetTest : public testing::Test {
protected:
  void SetUp() override {
    ASSERT_TRUE(LoadTestSkin(Data, TabSkin(0)));
    Form.SetBounds(0, 0, 400, 200);
  }
  TTabSet* Tabs(int width, std::initializer_list<const wchar_t*> captions) {
    auto* tabs = new TTabSet(&Form);
    tabs->SetParent(&Form);
    tabs->SetBounds(0, 0, width, 22);
    for (const wchar_t* caption : captions) tabs->GetTabs()->Add(caption);
    tabs->TabsChanged();
    tabs->SetTabIndex(0);
    tabs->Handle();
    return tabs;
  }
  TSkinTab31* Skin(TTabSet* tabs) {
    auto* skinner = new TSkinTab31(tabs);
    skinner->AttachControl(nullptr, &Data, false, nullptr);
    return skinner;
  }
  static void ClickAt(HWND wnd, int x, int y) {
    SendMessageW(wnd, WM_LBUTTONDOWN, MK_LBUTTON, MAKELPARAM(x, y));
    SendMessageW(wnd, WM_LBUTTONUP, 0, MAKELPARAM(x, y));
  }

  TSkinDrawUnit DrawUnit;
  TSkinData Data{nullptr};
  TForm Form{nullptr};
};
}  // namespace

TEST_F(TabSetTest, ItPaintsItselfAndAClickOnATabSelectsIt) {
  TTabSet* tabs = Tabs(300, {L"Alpha", L"Beta", L"Gamma"});
  int changes = 0;
  tabs->OnChange = [&](TObject*) { ++changes; };
  const std::vector<TTabSetSpot> spots = tabs->Layout();
  ASSERT_EQ(spots.size(), 3u);
  EXPECT_FALSE(tabs->GetScrollerVisible());
  auto picture = PaintOf(tabs->Handle());
  const TColor selected = TColor(ColorToRGB(clWindow)), plain = TColor(ColorToRGB(clBtnFace));
  EXPECT_EQ(picture->Pixel(spots[0].Left + 2, 2), selected);
  EXPECT_EQ(picture->Pixel(spots[1].Left + 2, 2), plain);
  // The line the tabs hang from runs on past them.
  EXPECT_EQ(picture->Pixel(spots[2].Right + 5, 0), TColor(ColorToRGB(clWindowText)));
  ClickAt(tabs->Handle(), spots[2].Left + 3, 10);
  EXPECT_EQ(tabs->GetTabIndex(), 2);
  EXPECT_EQ(changes, 1);
  ClickAt(tabs->Handle(), spots[2].Right + 5, 10);
  EXPECT_EQ(tabs->GetTabIndex(), 2);
  EXPECT_EQ(changes, 1);
}

TEST_F(TabSetTest, TheScrollerShowsWhileTabsAreHiddenAndMovesTheFirstOne) {
  TTabSet* few = Tabs(300, {L"Alpha", L"Beta"});
  EXPECT_FALSE(few->GetScrollerVisible());
  EXPECT_FALSE(GetWindowLongPtrW(few->Scroller()->Handle(), GWL_STYLE) & WS_VISIBLE);
  TTabSet* many = Tabs(120, {L"Alpha", L"Beta", L"Gamma", L"Delta", L"Epsilon"});
  ASSERT_TRUE(many->GetScrollerVisible());
  EXPECT_TRUE(GetWindowLongPtrW(many->Scroller()->Handle(), GWL_STYLE) & WS_VISIBLE);
  // The scroller is the tab set's first component, and an up-down.
  EXPECT_EQ(many->Components().front(), many->Scroller());
  // A click on its right arrow shows the tabs from the second on.
  const HWND scroller = many->Scroller()->Handle();
  RECT r;
  GetClientRect(scroller, &r);
  ClickAt(scroller, r.right - 3, r.bottom / 2);
  EXPECT_EQ(many->GetFirstIndex(), 1);
  ASSERT_FALSE(many->Layout().empty());
  EXPECT_EQ(many->Layout().front().Index, 1);
}

TEST_F(TabSetTest, SkinnedTabsHangUpsideDownInTheirFramesAndClicksStillSelect) {
  TTabSet* tabs = Tabs(300, {L"Alpha", L"Beta", L"Gamma"});
  tabs->SetTabIndex(1);
  Skin(tabs);
  EXPECT_EQ(SendMessageW(tabs->Handle(), WM_SKIN_QUERY, 0, 0), 1);
  const std::vector<TTabSetSpot> spots = tabs->Layout();
  ASSERT_EQ(spots.size(), 3u);
  auto picture = PaintOf(tabs->Handle());
  const int h = picture->Height();
  for (const TTabSetSpot& spot : spots) {
    SCOPED_TRACE(spot.Index);
    const int frame = spot.Index == 1 ? 2 : 1;
    EXPECT_EQ(picture->Pixel(spot.Left + 1, 2), TabBottom(frame));
    EXPECT_EQ(picture->Pixel(spot.Left + 1, h - 3), TabTop(frame));
    const RECT tab{spot.Left, 0, spot.Right, h};
    EXPECT_GT(CountColour(*picture, tab, frame == 2 ? kFocusedText : kNormalText), 0);
    EXPECT_EQ(CountColour(*picture, tab, frame == 2 ? kNormalText : kFocusedText), 0);
  }
  EXPECT_EQ(picture->Pixel(spots.back().Right + 3, h / 2), kFace);
  ClickAt(tabs->Handle(), spots[2].Left + 3, 10);
  EXPECT_EQ(tabs->GetTabIndex(), 2);
}

TEST_F(TabSetTest, TheScrollerIsSkinnedAsAHorizontalUpDownAndDetachingGivesTheNativeLookBack) {
  TTabSet* tabs = Tabs(120, {L"Alpha", L"Beta", L"Gamma", L"Delta", L"Epsilon"});
  TSkinTab31* skinner = Skin(tabs);
  EXPECT_EQ(skinner->Scroller(), tabs->Scroller());
  ASSERT_EQ(UpDownSkinnersOf(*tabs).size(), 1u);
  EXPECT_EQ(UpDownSkinnersOf(*tabs)[0]->HorizontalMode(), 1);
  EXPECT_EQ(SendMessageW(tabs->Scroller()->Handle(), WM_SKIN_QUERY, 0, 0), 1);
  const TTabSetSpot first = tabs->Layout().front();
  EXPECT_EQ(PaintOf(tabs->Handle())->Pixel(first.Left + 1, 2), TabBottom(2));
  skinner->Detach();
  EXPECT_EQ(SendMessageW(tabs->Scroller()->Handle(), WM_SKIN_QUERY, 0, 0), 0);
  EXPECT_EQ(PaintOf(tabs->Handle())->Pixel(first.Left + 2, 2), TColor(ColorToRGB(clWindow)));
}
