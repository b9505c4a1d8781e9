// Which skinner scrolling controls get when their form is skinned: list
// boxes, memos with bars, scroll boxes and scroll bars of the class library
// by class, the Skin3rd scroll-bar kinds, and, in a foreign dialog, native
// list boxes, multi-line edits and scroll bars by window class and style.
#include "skin/controls/SkinEdit.h"
#include "skin/controls/SkinScControl.h"
#include "skin/controls/SkinScrollbar.h"
#include "skin/controls/SkinScrollbarH.h"
#include "skin/controls/SkinSizer.h"
#include "skin/form/WinSkinForm.h"
#include "skin/manager/SkinMessages.h"
#include "tests/win/skin/ForeignDialog.h"
#include "tests/win/skin/SecondFormDiscovery.h"
#include <algorithm>
#include <functional>

namespace {
// A control of another component set, with scroll bars of its own and a
// child that has some too.
class TTestGrid : public TWinControl {
public:
  DECLARE_CLASS_INFO
  using TWinControl::TWinControl;

protected:
  void CreateParams(TCreateParams& p) override {
    TWinControl::CreateParams(p);
    p.Style |= WS_VSCROLL | WS_HSCROLL;
  }
};
DEFINE_COMPONENT_INFO(TTestGrid, TWinControl, {})

class ScrollDiscovery : public SecondFormDiscovery {
protected:
  TWinControl* ShowWith(const std::function<TWinControl*(TForm*)>& make) {
    return SecondFormDiscovery::ShowWith(make, {120, 80});
  }
};
template <TScrollStyle Bars>
TWinControl* Memo(TForm* owner) {
  auto* memo = new TMemo(owner);
  memo->SetScrollBars(Bars);
  return memo;
}

struct ClassCase {
  const char* Name;
  TWinControl* (*Create)(TForm*);
  bool ScrollbarOn;
  const TClassInfo* Skinner;  // null: none
};

class ScrollClasses : public ScrollDiscovery, public testing::WithParamInterface<ClassCase> {};

TEST_P(ScrollClasses, GetTheirSkinnerWhenTheSkinComponentAsksForIt) {
  const ClassCase& c = GetParam();
  if (!c.ScrollbarOn) Data->SetSkinControls(Data->SkinControls & ~(1u << xcScrollbar));
  TWinControl* control = ShowWith(c.Create);
  ASSERT_NE(FindFormSkinner(Second->Handle()), nullptr);
  TSkinControl* skinner = SkinnerOf(*control);
  if (!c.Skinner) {
    EXPECT_EQ(skinner, nullptr);
    return;
  }
  ASSERT_NE(skinner, nullptr);
  EXPECT_EQ(&skinner->ClassType(), c.Skinner);
}

INSTANTIATE_TEST_SUITE_P(SkinDiscovery, ScrollClasses, testing::Values(
    ClassCase{"ListBox", Make<TListBox>, true, &TSkinScrollbar::StaticClass()},
    ClassCase{"ListBoxWithoutTheOption", Make<TListBox>, false, nullptr},
    ClassCase{"MemoWithBothBars", Memo<ssBoth>, true, &TSkinScrollbar::StaticClass()},
    ClassCase{"MemoWithAVerticalBar", Memo<ssVertical>, true, &TSkinScrollbar::StaticClass()},
    ClassCase{"MemoWithoutBarsIsAnEdit", Memo<ssNone>, true, &TSkinEdit::StaticClass()},
    // The row of controls with bars ends the walk even without its option.
    ClassCase{"MemoWithBarsWithoutTheOptionStaysNative", Memo<ssBoth>, false, nullptr},
    ClassCase{"ScrollBox", Make<TScrollBox>, true, &TSkinScrollbar::StaticClass()},
    ClassCase{"ScrollBar", Make<TScrollBar>, true, &TSkinScControl::StaticClass()},
    ClassCase{"ScrollBarWithoutTheOption", Make<TScrollBar>, false, nullptr},
    ClassCase{"UnknownClassWithBars", Make<TTestGrid>, true, &TSkinScrollbar::StaticClass()}),
    [](const testing::TestParamInfo<ClassCase>& i) { return std::string(i.param.Name); });

struct RowCase {
  const char* Name;
  const wchar_t* Row;
  bool OwnBorder;
};

class ScrollRows : public ScrollDiscovery, public testing::WithParamInterface<RowCase> {};

TEST_P(ScrollRows, AScrollBarRowGivesAControlPanelsInTheRowsMode) {
  Data->GetSkin3rd()->Add(GetParam().Row);
  TWinControl* grid = ShowWith([](TForm* f) {
    auto* g = new TTestGrid(f);
    g->SetBounds(0, 0, 100, 60);
    return g;
  });
  auto* skinner = dynamic_cast<TSkinScrollbar*>(SkinnerOf(*grid));
  ASSERT_NE(skinner, nullptr);
  EXPECT_NE(skinner->HorzBar(), nullptr);
  EXPECT_NE(skinner->VertBar(), nullptr);
  EXPECT_EQ(skinner->Mode(), GetParam().OwnBorder ? 0 : kSingleBarMode);
}

INSTANTIATE_TEST_SUITE_P(SkinDiscovery, ScrollRows, testing::Values(
    RowCase{"ScrollBar", L"TTestGrid=scrollbar", true}, RowCase{"SingleScrollBar", L"TTestGrid=singlescrollbar", false}),
    [](const testing::TestParamInfo<RowCase>& i) { return std::string(i.param.Name); });

TEST_F(ScrollDiscovery, AnEmbedScrollBarRowSkinsTheChildrenWithBarsNotTheControl) {
  Data->GetSkin3rd()->Add(L"TPanel=embedscrollbar");
  TListBox* list = nullptr;
  TEdit* edit = nullptr;
  TWinControl* panel = ShowWith([&](TForm* f) {
    auto* p = new TPanel(f);
    list = new TListBox(f);
    list->SetParent(p);
    list->SetBounds(2, 2, 60, 60);
    edit = new TEdit(f);
    edit->SetParent(p);
    edit->SetBounds(64, 2, 40, 20);
    return p;
  });
  EXPECT_EQ(SkinnerOf(*panel), nullptr);
  TSkinControl* skinner = SkinnerOf(*list);
  ASSERT_NE(skinner, nullptr);
  EXPECT_EQ(&skinner->ClassType(), &TSkinScrollbar::StaticClass());
}

struct WindowCase {
  const char* Name;
  const wchar_t* Class;
  DWORD Style;
  const TClassInfo* Skinner;
};

class ScrollWindows : public ScrollDiscovery, public testing::WithParamInterface<WindowCase> {};

TEST_P(ScrollWindows, InAForeignDialogGetTheirSkinnerByClassAndStyle) {
  const WindowCase& c = GetParam();
  const HWND dialog = Dialog = MakeForeignDialog(0);
  ASSERT_NE(dialog, nullptr);
  const HWND child = CreateWindowExW(0, c.Class, L"", WS_CHILD | WS_VISIBLE | c.Style, 5, 5, 100, 60, dialog,
                                     nullptr, GetModuleHandleW(nullptr), nullptr);
  ASSERT_NE(child, nullptr);
  ASSERT_TRUE(SkinManager->SkinWindow(dialog));
  Application->ProcessMessages();
  TWinSkinForm* form = FindFormSkinner(dialog);
  ASSERT_NE(form, nullptr);
  TSkinControl* skinner = form->FindWindowSkinner(child);
  ASSERT_NE(skinner, nullptr);
  EXPECT_EQ(&skinner->ClassType(), c.Skinner);
}

INSTANTIATE_TEST_SUITE_P(SkinDiscovery, ScrollWindows, testing::Values(
    WindowCase{"ListBox", L"ListBox", WS_VSCROLL, &TSkinScrollbarH::StaticClass()},
    WindowCase{"ListBoxWithoutBars", L"ListBox", 0, &TSkinScrollbarH::StaticClass()},
    WindowCase{"MultiLineEditWithBars", L"Edit", ES_MULTILINE | WS_VSCROLL | WS_HSCROLL,
               &TSkinScrollbarH::StaticClass()},
    WindowCase{"MultiLineEditWithoutBars", L"Edit", ES_MULTILINE, &TSkinEdit::StaticClass()},
    WindowCase{"ScrollBar", L"ScrollBar", SBS_VERT, &TSkinScControl::StaticClass()},
    WindowCase{"ScrollBarWithATabStop", L"ScrollBar", SBS_HORZ | WS_TABSTOP, &TSkinScControl::StaticClass()},
    WindowCase{"SizeGrip", L"ScrollBar", SBS_SIZEGRIP, &TSkinSizer::StaticClass()}),
    [](const testing::TestParamInfo<WindowCase>& i) { return std::string(i.param.Name); });
TEST_F(ScrollDiscovery, TheReskinMessageGivesTheControlANewScrollBarSkinnerWithNewPanels) {
  TWinControl* list = ShowWith(Make<TListBox>);
  auto* old = dynamic_cast<TSkinScrollbar*>(SkinnerOf(*list));
  ASSERT_NE(old, nullptr);
  const HWND oldPanel = old->VertBar()->PanelHandle();
  SendMessageW(Second->Handle(), WM_SKIN_RESKINSCROLLBAR, WPARAM(list->Handle()), 0);
  auto* skinner = dynamic_cast<TSkinScrollbar*>(SkinnerOf(*list));
  ASSERT_NE(skinner, nullptr);
  EXPECT_FALSE(IsWindow(oldPanel));
  EXPECT_TRUE(IsWindow(skinner->VertBar()->PanelHandle()));
  EXPECT_EQ(SendMessageW(list->Handle(), WM_SKIN_QUERY, 0, 0), 1);
  TWinSkinForm* form = FindFormSkinner(Second->Handle());
  EXPECT_EQ(std::count(form->ControlSkinners.begin(), form->ControlSkinners.end(), skinner), 1);
  EXPECT_EQ(std::count_if(form->ControlSkinners.begin(), form->ControlSkinners.end(),
                          [&](TSkinControl* s) { return s->WindowHandle() == list->Handle(); }),
            1);
}

TEST_F(ScrollDiscovery, TheReskinMessageLeavesOtherSkinnersAlone) {
  TWinControl* edit = ShowWith(Make<TEdit>);
  ASSERT_NE(SkinnerOf(*edit), nullptr);
  const size_t count = FindFormSkinner(Second->Handle())->ControlSkinners.size();
  SendMessageW(Second->Handle(), WM_SKIN_RESKINSCROLLBAR, WPARAM(edit->Handle()), 0);
  SendMessageW(Second->Handle(), WM_SKIN_RESKINSCROLLBAR, 0, 0);
  TSkinControl* after = SkinnerOf(*edit);
  ASSERT_NE(after, nullptr);
  EXPECT_EQ(&after->ClassType(), &TSkinEdit::StaticClass());
  EXPECT_EQ(FindFormSkinner(Second->Handle())->ControlSkinners.size(), count);
}
}  // namespace
