// The class library's tab controls: window styles from tab position, style
// and rows; a tab control and a tab set read from a description; clicks
// that select; pages removed at once or once the asking message is over.
#include "host/Bitmap.h"
#include "host/ComCtrls.h"
#include "host/FormReader.h"
#include "host/Forms.h"
#include "host/Tabs.h"
#include <commctrl.h>
#include <gtest/gtest.h>

namespace {
constexpr DWORD kTabStyleBits = TCS_MULTILINE | TCS_BOTTOM | TCS_VERTICAL | TCS_RIGHT | TCS_BUTTONS | TCS_FLATBUTTONS;

DWORD TabStyleOf(HWND wnd) { return DWORD(GetWindowLongPtrW(wnd, GWL_STYLE)) & kTabStyleBits; }

RECT ItemRect(HWND tabs, int i) {
  RECT r{};
  SendMessageW(tabs, TCM_GETITEMRECT, WPARAM(i), LPARAM(&r));
  return r;
}

void ClickTab(HWND tabs, int i) {
  const RECT r = ItemRect(tabs, i);
  const LPARAM at = MAKELPARAM((r.left + r.right) / 2, (r.top + r.bottom) / 2);
  SendMessageW(tabs, WM_LBUTTONDOWN, MK_LBUTTON, at);
  SendMessageW(tabs, WM_LBUTTONUP, 0, at);
}

class HostTabsTest : public testing::Test {
protected:
  void SetUp() override { Form.SetBounds(0, 0, 400, 300); }
  TPageControl* Pages(int count) {
    auto* pages = new TPageControl(&Form);
    pages->SetParent(&Form);
    pages->SetBounds(0, 0, 300, 200);
    for (int i = 0; i < count; ++i) {
      auto* sheet = new TTabSheet(&Form);
      sheet->SetText(L"Page " + std::to_wstring(i));
      sheet->SetParent(pages);
    }
    pages->SetActivePage(pages->Pages()[0]);
    pages->Handle();
    return pages;
  }
  TForm Form{nullptr};
};
}  // namespace

TEST_F(HostTabsTest, TabPositionStyleAndRowsGiveTheWindowStyles) {
  struct TRow {
    TTabPosition Position;
    TTabStyle Style;
    bool MultiLine;
    DWORD Expected;
  };
  const TRow rows[] = {
      {tpTop, tsTabs, false, 0},
      {tpBottom, tsTabs, false, TCS_BOTTOM},
      // Side tabs come in rows only.
      {tpLeft, tsTabs, false, TCS_VERTICAL | TCS_MULTILINE},
      {tpRight, tsTabs, false, TCS_VERTICAL | TCS_RIGHT | TCS_MULTILINE},
      {tpTop, tsButtons, false, TCS_BUTTONS},
      {tpTop, tsFlatButtons, true, TCS_BUTTONS | TCS_FLATBUTTONS | TCS_MULTILINE},
  };
  for (const TRow& row : rows) {
    SCOPED_TRACE(testing::Message() << row.Position << " " << row.Style << " " << row.MultiLine);
    // Set before the window is made ...
    auto* before = new TTabControl(&Form);
    before->SetTabPosition(row.Position);
    before->SetStyle(row.Style);
    before->SetMultiLine(row.MultiLine);
    before->SetParent(&Form);
    EXPECT_EQ(TabStyleOf(before->Handle()), row.Expected);
    // ... or after.
    auto* after = new TTabControl(&Form);
    after->SetParent(&Form);
    after->Handle();
    after->SetTabPosition(row.Position);
    after->SetStyle(row.Style);
    after->SetMultiLine(row.MultiLine);
    EXPECT_EQ(TabStyleOf(after->Handle()), row.Expected);
    delete before;
    delete after;
  }
}

TEST_F(HostTabsTest, ATabControlAndATabSetAreReadFromTheirDescription) {
  TFormObject description;
  TFormTextError error;
  ASSERT_TRUE(ReadFormText("object F: TForm\n"
                           "  object Tabs1: TTabControl\n    Width = 300\n    Height = 100\n"
                           "    Tabs.Strings = (\n      'One'\n      'Two')\n    TabIndex = 1\n"
                           "    TabPosition = tpBottom\n  end\n"
                           "  object Set1: TTabSet\n    Width = 300\n    Height = 22\n"
                           "    Tabs.Strings = (\n      'A'\n      'B'\n      'C')\n    TabIndex = 2\n"
                           "    StartMargin = 8\n  end\nend\n",
                           description, error))
      << error.Message;
  ReadFormObject(Form, description);
  auto* tabs = dynamic_cast<TTabControl*>(Form.FindComponent(L"Tabs1"));
  ASSERT_NE(tabs, nullptr);
  EXPECT_EQ(SendMessageW(tabs->Handle(), TCM_GETITEMCOUNT, 0, 0), 2);
  EXPECT_EQ(SendMessageW(tabs->Handle(), TCM_GETCURSEL, 0, 0), 1);
  EXPECT_EQ(TabStyleOf(tabs->Handle()), DWORD(TCS_BOTTOM));
  auto* set = dynamic_cast<TTabSet*>(Form.FindComponent(L"Set1"));
  ASSERT_NE(set, nullptr);
  EXPECT_EQ(set->GetTabs()->Count(), 3);
  EXPECT_EQ(set->GetTabIndex(), 2);
  ASSERT_FALSE(set->Layout().empty());
  EXPECT_EQ(set->Layout().front().Left, 8);
}

TEST_F(HostTabsTest, AClickOnATabOfATabControlSelectsItAndTellsTheApplication) {
  auto* tabs = new TTabControl(&Form);
  tabs->SetParent(&Form);
  tabs->SetBounds(0, 0, 300, 100);
  for (const wchar_t* caption : {L"One", L"Two", L"Three"}) tabs->GetTabs()->Add(caption);
  tabs->TabsChanged();
  tabs->SetTabIndex(0);
  int changes = 0;
  tabs->OnChange = [&](TObject* sender) {
    EXPECT_EQ(sender, tabs);
    ++changes;
  };
  ClickTab(tabs->Handle(), 2);
  EXPECT_EQ(tabs->GetTabIndex(), 2);
  EXPECT_EQ(changes, 1);
}

TEST_F(HostTabsTest, AFreedPageTakesItsTabAlongAndTheNextPageTakesOver) {
  TPageControl* pages = Pages(3);
  TTabSheet* second = pages->Pages()[1];
  TTabSheet* third = pages->Pages()[2];
  pages->SetActivePage(second);
  delete second;
  EXPECT_EQ(pages->PageCount(), 2);
  EXPECT_EQ(SendMessageW(pages->Handle(), TCM_GETITEMCOUNT, 0, 0), 2);
  EXPECT_EQ(pages->ActivePage(), third);
  EXPECT_EQ(SendMessageW(pages->Handle(), TCM_GETCURSEL, 0, 0), 1);
  EXPECT_TRUE(GetWindowLongPtrW(third->Handle(), GWL_STYLE) & WS_VISIBLE);
}

TEST_F(HostTabsTest, AReleasedPageGoesOnceTheMessagesWaitingAreHandled) {
  TPageControl* pages = Pages(3);
  TTabSheet* second = pages->Pages()[1];
  TTabSheet* third = pages->Pages()[2];
  pages->ReleasePage(second);
  pages->ReleasePage(second);  // asked twice, freed once
  EXPECT_EQ(pages->PageCount(), 3);
  pages->ReleasePage(third);
  delete third;  // gone before its turn: nothing is freed twice
  Application->ProcessMessages();
  ASSERT_EQ(pages->PageCount(), 1);
  EXPECT_EQ(SendMessageW(pages->Handle(), TCM_GETITEMCOUNT, 0, 0), 1);
}

TEST_F(HostTabsTest, ATabSheetOnItsParentsBackgroundErasesWithThePageControlsColour) {
  TPageControl* pages = Pages(1);
  const TColor pageColour = TColor(RGB(70, 80, 90)), sheetColour = TColor(RGB(200, 10, 10));
  pages->SetColor(pageColour);
  TTabSheet* sheet = pages->Pages()[0];
  sheet->SetColor(sheetColour);
  for (bool parentBackground : {false, true}) {
    sheet->SetParentBackground(parentBackground);
    TBitmap picture(20, 20);
    SendMessageW(sheet->Handle(), WM_ERASEBKGND, WPARAM(picture.Canvas().Handle()), 0);
    EXPECT_EQ(picture.Pixel(5, 5), parentBackground ? pageColour : sheetColour);
  }
}
