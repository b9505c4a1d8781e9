// Which skinner control discovery gives each control: the class table read
// from the top, the Skin3rd rows, DisableTag, the SkinControls switches,
// the application's own choice, and the child windows of a foreign dialog.
#include "host/CheckButtons.h"
#include "host/ComCtrls.h"
#include "host/ExtCtrls.h"
#include "host/GroupBoxes.h"
#include "host/StdCtrls.h"
#include "host/Tabs.h"
#include "skin/controls/SkinButton.h"
#include "skin/controls/SkinEdit.h"
#include "skin/controls/SkinTab.h"
#include "skin/form/ControlDiscovery.h"
#include "skin/form/WinSkinForm.h"
#include "skin/manager/SkinMessages.h"
#include "tests/win/skin/ForeignDialog.h"
#include "tests/win/skin/SkinnedFormFixture.h"
#include <functional>
#include <memory>

namespace {
// Classes of other component sets, known to discovery only by their names.
#define TEST_CONTROL(Cpp, Name, Base)                                             \
  class Cpp : public Base {                                                       \
  public:                                                                         \
    explicit Cpp(TComponent* owner) : Base(owner) {}                              \
    const TClassInfo& ClassType() const override { return StaticClass(); }        \
    static const TClassInfo& StaticClass() {                                      \
      static const TClassInfo info{Name, &Base::StaticClass(), {}};               \
      return info;                                                                \
    }                                                                             \
  };

TEST_CONTROL(TTestRzButton, "TRzButton", TWinControl)
TEST_CONTROL(TTestFooButton, "TFooButton", TButton)
TEST_CONTROL(TTestBitBtn, "TBitBtn", TButton)
TEST_CONTROL(TTestMVCPanel, "TMVCPanel", TWinControl)
TEST_CONTROL(TTestNavigator, "TDBNavigator", TWinControl)
TEST_CONTROL(TTestRadioGroup, "TRzRadioGroup", TWinControl)
TEST_CONTROL(TTestEmbeddedForm, "TEmbeddedForm", TCustomForm)
TEST_CONTROL(TTestDCEdit, "TDCEdit", TWinControl)
TEST_CONTROL(TTestLmdEdit, "TLMDEdit", TEdit)
TEST_CONTROL(TTestLmdLabel, "TLMDEdit", TWinControl)
TEST_CONTROL(TTestFooTabs, "TFooTabs", TWinControl)
TEST_CONTROL(TTestAdvPage, "TAdvPageControl", TWinControl)
TEST_CONTROL(TTestNotebook, "TTabbedNotebook", TWinControl)
TEST_CONTROL(TTestFooCheck, "TFooCheck", TWinControl)
TEST_CONTROL(TTestFooRadio, "TFooRadio", TWinControl)
TEST_CONTROL(TTestFooGroup, "TFooGroup", TWinControl)
TEST_CONTROL(TTestFooRadioGroup, "TFooRadioGroup", TWinControl)
TEST_CONTROL(TTestFooCheckGroup, "TFooCheckGroup", TWinControl)

// A panel of another component set that publishes "Transparent".
class TTestFooPanel : public TCustomPanel {
public:
  DECLARE_CLASS_INFO
  using TCustomPanel::TCustomPanel;
  bool GetTransparent() const { return FTransparent; }
  void SetTransparent(bool v) { FTransparent = v; }

private:
  bool FTransparent = false;
};
DEFINE_COMPONENT_INFO(TTestFooPanel, TCustomPanel,
  {BoolProp("Transparent", &TTestFooPanel::GetTransparent, &TTestFooPanel::SetTransparent)})

class ControlDiscoveryTest : public SecondFormTest {
public:
  // A control of the second form, placed on it (or on parent).
  template <class T>
  T* Add(TWinControl* parent = nullptr) {
    auto* c = new T(Second);
    c->SetParent(parent ? parent : Second);
    c->SetBounds(10, 10, 80, 24);
    return c;
  }
  // The class of the skinner discovery gave the control, or "" for none.
  std::string SkinnerOf(const TControl& c) {
    TSkinControl* s = Skinner->FindControlSkinner(c);
    return s ? s->ClassName() : "";
  }
  void Discover(TControl& c) { TControlDiscovery(*Skinner, *Data).SkinControl(c, Second); }
};

constexpr unsigned Bit(TSkinControlType t) { return 1u << t; }

struct TCase {
  const char* What;
  std::function<TControl*(ControlDiscoveryTest&)> Make;
  std::function<void(TSkinData&)> Setting;  // may be empty
  const char* Expected;                     // skinner class, "" for none
};
}  // namespace

TEST_F(ControlDiscoveryTest, EachControlGetsTheSkinnerOfTheFirstRuleThatHolds) {
  const TCase cases[] = {
      {"a push button", [](auto& t) { return t.template Add<TButton>(); }, {}, "TSkinButton"},
      {"a push button with buttons switched off", [](auto& t) { return t.template Add<TButton>(); },
       [](TSkinData& d) { d.SkinControls &= ~Bit(xcButton); }, ""},
      {"a push button tagged with DisableTag",
       [](auto& t) {
         auto* b = t.template Add<TButton>();
         b->SetTag(99);
         return b;
       },
       {}, ""},
      {"an edit", [](auto& t) { return t.template Add<TEdit>(); }, {}, "TSkinEdit"},
      {"an edit with edits switched off", [](auto& t) { return t.template Add<TEdit>(); },
       [](TSkinData& d) { d.SkinControls &= ~Bit(xcEdit); }, ""},
      // Skin3rd rows come before the class table and match without regard to case.
      {"a foreign class named as a button", [](auto& t) { return t.template Add<TTestRzButton>(); }, {}, "TSkinButton"},
      {"a button class whose row says nil", [](auto& t) { return t.template Add<TTestFooButton>(); },
       [](TSkinData& d) { d.GetSkin3rd()->Add(L"tfoobutton=nil"); }, ""},
      {"a button class whose row names an unknown kind", [](auto& t) { return t.template Add<TTestFooButton>(); },
       [](TSkinData& d) { d.GetSkin3rd()->Add(L"TFooButton=nosuchkind"); }, ""},
      {"a row must name the whole class, up to its '='", [](auto& t) { return t.template Add<TTestFooButton>(); },
       [](TSkinData& d) { d.GetSkin3rd()->Add(L"TFoo=nil"); }, "TSkinButton"},
      // The default rows name it an edit: skinned only when it has a border.
      {"an edit of kind edit with a border", [](auto& t) { return t.template Add<TTestLmdEdit>(); }, {},
       "TSkinEdit"},
      {"an edit of kind edit without a border", [](auto& t) { return t.template Add<TTestLmdLabel>(); }, {}, ""},
      // Tabs: the kind of tab control, and the skin must have its Tabs element.
      {"a page control", [](auto& t) { return t.template Add<TPageControl>(); }, {}, "TSkinTab"},
      {"a page control with button tabs",
       [](auto& t) {
         auto* pages = t.template Add<TPageControl>();
         pages->SetStyle(tsButtons);
         return pages;
       },
       {}, "TSkinTabBtn"},
      {"a page control with flat button tabs",
       [](auto& t) {
         auto* pages = t.template Add<TPageControl>();
         pages->SetStyle(tsFlatButtons);
         return pages;
       },
       {}, "TSkinTabBtn"},
      {"a tab control without pages", [](auto& t) { return t.template Add<TTabControl>(); }, {}, "TSkinTab"},
      {"a page control with tabs switched off", [](auto& t) { return t.template Add<TPageControl>(); },
       [](TSkinData& d) { d.SkinControls &= ~Bit(xcTab); }, ""},
      {"a tab sheet", [](auto& t) { return t.template Add<TTabSheet>(); }, {}, "TSkinTabSheet"},
      {"a tab set", [](auto& t) { return t.template Add<TTabSet>(); }, {}, "TSkinTab31"},
      {"a tabbed notebook", [](auto& t) { return t.template Add<TTestNotebook>(); }, {}, "TSkinTab"},
      {"a class named as tabs", [](auto& t) { return t.template Add<TTestFooTabs>(); },
       [](TSkinData& d) { d.GetSkin3rd()->Add(L"TFooTabs=tab"); }, "TSkinTab"},
      {"a class named as a page control with tab backgrounds", [](auto& t) { return t.template Add<TTestAdvPage>(); },
       [](TSkinData& d) { d.GetSkin3rd()->Add(L"TAdvPageControl=advpagecontrol"); }, "TSkinAdvPage"},
  };
  for (const TCase& c : cases) {
    SCOPED_TRACE(c.What);
    const std::vector<std::wstring> rows = Data->GetSkin3rd()->Items();
    const unsigned controls = Data->SkinControls;
    if (c.Setting) c.Setting(*Data);
    TControl* control = c.Make(*this);
    Discover(*control);
    EXPECT_EQ(SkinnerOf(*control), c.Expected);
    Data->SkinControls = controls;
    Data->GetSkin3rd()->Clear();
    for (const std::wstring& row : rows) Data->GetSkin3rd()->Add(row);
  }
}

TEST_F(ControlDiscoveryTest, TabControlsWithoutPagesRepaintTheirChildrenAndNeedTheTabsElement) {
  auto* tabs = Add<TTabControl>();
  Discover(*tabs);
  auto* skinner = dynamic_cast<TSkinTab*>(Skinner->FindControlSkinner(*tabs));
  ASSERT_NE(skinner, nullptr);
  EXPECT_EQ(skinner->Mode(), kTabControlMode);
  auto* pages = Add<TPageControl>();
  Discover(*pages);
  EXPECT_EQ(Skinner->FindControlSkinner(*pages)->Mode(), 0);
  // Without the skin's Tabs element no tab skinner is made.
  std::unique_ptr<TDataSkinBorder> saved = std::move(Data->Tabs);
  auto* withoutTabs = Add<TPageControl>();
  Discover(*withoutTabs);
  Data->Tabs = std::move(saved);
  EXPECT_EQ(SkinnerOf(*withoutTabs), "");
}

TEST_F(ControlDiscoveryTest, TheClassTableIsReadFromTheTop) {
  struct TRow {
    std::function<TControl*(ControlDiscoveryTest&)> Make;
    const char* Rule;
  };
  const TRow rows[] = {
      {[](auto& t) { return t.template Add<TButton>(); }, "push button"},
      // A bit button is a button too, but its own row comes first.
      {[](auto& t) { return t.template Add<TTestBitBtn>(); }, "bit button"},
      {[](auto& t) { return t.template Add<TEdit>(); }, "edit"},
      {[](auto& t) { return t.template Add<TPageControl>(); }, "tab control or page control"},
      {[](auto& t) { return t.template Add<TStatusBar>(); }, "status bar"},
      {[](auto& t) { return t.template Add<TTestEmbeddedForm>(); }, "form inside a form"},
      {[](auto& t) { return t.template Add<TTestDCEdit>(); }, "edit with buttons"},
      {[](auto& t) { return t.template Add<TTestMVCPanel>(); }, "container of other controls"},
  };
  for (const TRow& row : rows) {
    TControl* control = row.Make(*this);
    SCOPED_TRACE(control->ClassName());
    const TClassRule* rule = FindClassRule(*control);
    ASSERT_NE(rule, nullptr);
    EXPECT_STREQ(rule->What, row.Rule);
  }
  // A label matches no rule at all.
  EXPECT_EQ(FindClassRule(*Add<TLabel>()), nullptr);
}

TEST_F(ControlDiscoveryTest, Skin3rdRowsMatchTheWholeClassNameWithoutRegardToCase) {
  const std::vector<std::wstring> rows = {L"TRzButton=button", L"tfoobutton=NIL", L"TLongName=" + std::wstring(60, L'x')};
  EXPECT_EQ(Skin3rdKindOf(rows, "TRZBUTTON"), L"button");
  EXPECT_EQ(Skin3rdKindOf(rows, "TFooButton"), L"nil");
  EXPECT_EQ(Skin3rdKindOf(rows, "TRz"), L"");
  EXPECT_EQ(Skin3rdKindOf(rows, "TRzButtonEx"), L"");
  EXPECT_EQ(Skin3rdKindOf(rows, "TLongName").size(), 50u);  // at most 50 characters of kind
}

TEST_F(ControlDiscoveryTest, ContainersHandTheirChildrenOn) {
  auto* mvc = Add<TTestMVCPanel>();
  auto* inMvc = Add<TButton>(mvc);
  auto* navigator = Add<TTestNavigator>();
  auto* inNavigator = Add<TButton>(navigator);
  auto* embedded = Add<TTestEmbeddedForm>();
  auto* inEmbedded = new TButton(embedded);  // a component of the embedded form
  inEmbedded->SetParent(embedded);
  for (TControl* c : {static_cast<TControl*>(mvc), static_cast<TControl*>(navigator), static_cast<TControl*>(embedded)})
    Discover(*c);
  EXPECT_EQ(SkinnerOf(*mvc), "");
  EXPECT_EQ(SkinnerOf(*inMvc), "TSkinButton");
  EXPECT_EQ(SkinnerOf(*navigator), "TSkinBox");
  EXPECT_EQ(SkinnerOf(*inNavigator), "TSkinButton");
  EXPECT_EQ(SkinnerOf(*embedded), "TSkinBox");
  EXPECT_EQ(SkinnerOf(*inEmbedded), "TSkinButton");
  // The boxes own the colour: the skin's face while skinned.
  EXPECT_EQ(navigator->GetColor(), Data->SkinColours[3]);
}

TEST_F(ControlDiscoveryTest, AGroupLeftNativeKeepsItsButtonsNativeToo) {
  auto* group = Add<TTestRadioGroup>();
  auto* button = Add<TButton>(group);
  group->SetTag(Data->GetDisableTag());
  Discover(*group);
  Discover(*button);
  EXPECT_EQ(button->GetTag(), Data->GetDisableTag());
  EXPECT_EQ(SkinnerOf(*button), "");
}

TEST_F(ControlDiscoveryTest, TheApplicationMayChooseTheSkinnerItself) {
  auto* plain = Add<TButton>();
  auto* chosen = Add<TButton>();
  std::vector<std::wstring> asked;
  Data->OnSkinControl = [&](TComponent* sender, TSkinData* data, TControl*, TControl* control,
                            const std::wstring& className, TComponent*& skinned) {
    EXPECT_EQ(sender, Skinner);
    EXPECT_EQ(data, Data);
    asked.push_back(className);
    if (control == chosen) skinned = new TSkinEdit(control);  // any skinner it likes
  };
  Discover(*plain);
  Discover(*chosen);
  Data->OnSkinControl = nullptr;
  EXPECT_EQ(asked, (std::vector<std::wstring>{L"TBUTTON", L"TBUTTON"}));
  EXPECT_EQ(SkinnerOf(*plain), "TSkinButton");
  EXPECT_EQ(SkinnerOf(*chosen), "TSkinEdit");
}

TEST_F(ControlDiscoveryTest, AControlIsNeverGivenASecondSkinner) {
  auto* button = Add<TButton>();
  Discover(*button);
  const size_t count = Skinner->ControlSkinners.size();
  Discover(*button);
  EXPECT_EQ(Skinner->ControlSkinners.size(), count);
  // It answers the query itself while skinned.
  EXPECT_EQ(SendMessageW(button->Handle(), WM_SKIN_QUERY, 0, 0), 1);
}

TEST_F(ControlDiscoveryTest, ASkinnerLeavesTheRegistryWhenItsControlGoes) {
  auto* button = Add<TButton>();
  Discover(*button);
  ASSERT_NE(Skinner->FindControlSkinner(*button), nullptr);
  const size_t count = Skinner->ControlSkinners.size();
  delete button;
  EXPECT_EQ(Skinner->ControlSkinners.size(), count - 1);
}

namespace {
// An in-memory dialog template with child controls of the system classes.
class TDialogTemplate {
public:
  explicit TDialogTemplate(DWORD style) {
    Align(4);
    DLGTEMPLATE t{style, 0, 0, 0, 0, 160, 100};
    Put(&t, sizeof t);
    Word(0), Word(0), Word(0);  // no menu, default class, no title
  }
  // atom: 0x80 button, 0x81 edit, 0x82 static, 0x84 scroll bar, 0x85 combo box
  TDialogTemplate& Item(WORD atom, DWORD style, short id) {
    Align(4);
    DLGITEMTEMPLATE item{WS_CHILD | WS_VISIBLE | style, 0, 5, short(5 + 14 * Count()), 60, 12, WORD(id)};
    Put(&item, sizeof item);
    Word(0xFFFF), Word(atom), Word(0), Word(0);  // class by atom, no title, no data
    reinterpret_cast<DLGTEMPLATE*>(FBytes.data())->cdit = WORD(Count() + 1);
    return *this;
  }
  HWND Create(HWND parent = nullptr) {
    return CreateDialogIndirectParamW(GetModuleHandleW(L"kernel32.dll"),
                                      reinterpret_cast<DLGTEMPLATE*>(FBytes.data()), parent,
                                      PlainDialogProc, 0);
  }

private:
  int Count() const { return reinterpret_cast<const DLGTEMPLATE*>(FBytes.data())->cdit; }
  void Put(const void* p, size_t n) {
    const auto* b = static_cast<const uint8_t*>(p);
    FBytes.insert(FBytes.end(), b, b + n);
  }
  void Word(WORD w) { Put(&w, sizeof w); }
  void Align(size_t n) {
    while (FBytes.size() % n) FBytes.push_back(0);
  }
  std::vector<uint8_t> FBytes;
};
}  // namespace

TEST_F(ControlDiscoveryTest, AForeignDialogsChildrenAreJudgedByClassNameAndStyle) {
  HWND dialog = TDialogTemplate(WS_POPUP | WS_CAPTION | DS_MODALFRAME)
                    .Item(0x80, BS_PUSHBUTTON, 1)
                    .Item(0x80, BS_OWNERDRAW, 2)
                    .Item(0x80, BS_GROUPBOX, 3)
                    .Item(0x81, WS_BORDER, 4)
                    .Item(0x85, CBS_SIMPLE, 5)
                    .Item(0x84, SBS_SIZEGRIP, 8)
                    .Create();
  ASSERT_NE(dialog, nullptr);
  for (auto [id, style] : {std::pair<int, DWORD>{6, 0}, {7, TCS_OWNERDRAWFIXED}})
    CreateWindowExW(0, WC_TABCONTROLW, L"", WS_CHILD | WS_VISIBLE | style, 5, 80 + 30 * (id - 6), 100, 25, dialog,
                    HMENU(INT_PTR(id)), GetModuleHandleW(nullptr), nullptr);
  ShowWindow(dialog, SW_SHOW);
  Application->ProcessMessages();
  TWinSkinForm* skinner = FindFormSkinner(dialog);
  ASSERT_NE(skinner, nullptr);
  auto skinnerOf = [&](int id) {
    TSkinControl* s = skinner->FindWindowSkinner(GetDlgItem(dialog, id));
    return s ? s->ClassName() : std::string();
  };
  EXPECT_EQ(skinnerOf(1), "TSkinButton");
  EXPECT_EQ(skinnerOf(2), "");  // owner-drawn
  EXPECT_EQ(skinnerOf(3), "");  // group box
  EXPECT_EQ(skinnerOf(4), "TSkinEdit");
  EXPECT_EQ(skinnerOf(5), "");  // a simple combo box stays native
  EXPECT_EQ(skinnerOf(6), "TSkinTab");
  EXPECT_EQ(skinnerOf(7), "");  // owner-drawn tabs stay native
  EXPECT_EQ(skinnerOf(8), "TSkinSizer");
  // Its skinner answers for it.
  EXPECT_EQ(SendMessageW(GetDlgItem(dialog, 1), WM_SKIN_QUERY, 0, 0), 1);
  DestroyWindow(dialog);
}

TEST_F(ControlDiscoveryTest, ASizeGripMadeAfterItsDialogWasSkinnedGetsItsSkinnerAtOnce) {
  HWND dialog = TDialogTemplate(WS_POPUP | WS_CAPTION | DS_MODALFRAME).Item(0x80, BS_PUSHBUTTON, 1).Create();
  ASSERT_NE(dialog, nullptr);
  ShowWindow(dialog, SW_SHOW);
  Application->ProcessMessages();
  TWinSkinForm* skinner = FindFormSkinner(dialog);
  ASSERT_NE(skinner, nullptr);
  HWND grip = CreateWindowExW(0, L"ScrollBar", L"", WS_CHILD | WS_VISIBLE | SBS_SIZEGRIP, 0, 0, 16, 16, dialog,
                              nullptr, GetModuleHandleW(nullptr), nullptr);
  ASSERT_NE(grip, nullptr);
  TSkinControl* sizer = skinner->FindWindowSkinner(grip);
  ASSERT_NE(sizer, nullptr);
  EXPECT_EQ(sizer->ClassName(), "TSkinSizer");
  // A dialog page inside it: its children are skinned and it wears the face.
  HWND page = TDialogTemplate(WS_CHILD | WS_VISIBLE).Item(0x80, BS_PUSHBUTTON, 7).Create(dialog);
  ASSERT_NE(page, nullptr);
  TControlDiscovery(*skinner, *Data).SkinWindowControl(page);
  ASSERT_NE(skinner->FindWindowSkinner(page), nullptr);
  EXPECT_EQ(skinner->FindWindowSkinner(page)->ClassName(), "TSkinBoxH");
  ASSERT_NE(skinner->FindWindowSkinner(GetDlgItem(page, 7)), nullptr);
  DestroyWindow(dialog);
}

TEST_F(ControlDiscoveryTest, APanelShowsTheFaceWhileSkinnedAndGetsItsOwnBackAfter) {
  auto* panel = Add<TPanel>();
  auto* inPanel = Add<TButton>(panel);
  panel->SetColor(TColor(RGB(1, 2, 3)));
  panel->SetParentBackground(true);
  Discover(*panel);
  EXPECT_EQ(SkinnerOf(*panel), "TSkinBox");
  EXPECT_EQ(SkinnerOf(*inPanel), "TSkinButton");
  EXPECT_EQ(panel->GetColor(), Data->SkinColours[3]);
  EXPECT_FALSE(panel->GetParentBackground());
  Skinner->FreeControlSkinners();
  EXPECT_EQ(panel->GetColor(), TColor(RGB(1, 2, 3)));
  EXPECT_TRUE(panel->GetParentBackground());
  EXPECT_NE(SendMessageW(inPanel->Handle(), WM_SKIN_QUERY, 0, 0), 1);
}

namespace {
// A group of n buttons of class B made by the test, as another component
// set's group makes its own.
template <class G, class B>
G* AddGroupOf(ControlDiscoveryTest& t, int n) {
  auto* group = t.Add<G>();
  group->SetBounds(10, 10, 200, 100);
  for (int i = 0; i < n; ++i) t.Add<B>(group)->SetBounds(8, 20 + 25 * i, 150, 20);
  return group;
}
}  // namespace

TEST_F(ControlDiscoveryTest, CheckBoxesRadioButtonsAndTheirGroupsGetTheirSkinners) {
  auto* check = Add<TCheckBox>();
  auto* radio = Add<TRadioButton>();
  Discover(*check);
  Discover(*radio);
  EXPECT_EQ(SkinnerOf(*check), "TSkinCheckBox");
  EXPECT_EQ(SkinnerOf(*radio), "TSkinRadioButton");

  // A group box hands its children on and keeps its colour.
  auto* group = Add<TGroupBox>();
  group->SetColor(TColor(RGB(1, 2, 3)));
  auto* inGroup = Add<TCheckBox>(group);
  Discover(*group);
  EXPECT_EQ(SkinnerOf(*group), "TSkinGroupBox");
  EXPECT_EQ(SkinnerOf(*inGroup), "TSkinCheckBox");
  EXPECT_EQ(group->GetColor(), TColor(RGB(1, 2, 3)));

  // A radio group's buttons first, then the group in the skin's face.
  auto* radios = Add<TRadioGroup>();
  radios->GetItems()->Add(L"One");
  radios->GetItems()->Add(L"Two");
  radios->ItemsChanged();
  Discover(*radios);
  EXPECT_EQ(SkinnerOf(*radios), "TSkinGroupBox");
  EXPECT_EQ(radios->GetColor(), Data->SkinColours[3]);
  for (TButtonControl* b : radios->Buttons()) EXPECT_EQ(SkinnerOf(*b), "TSkinRadioButton");

  // A check group is a group box to the class table.
  auto* checks = Add<TCheckGroup>();
  checks->GetItems()->Add(L"One");
  checks->ItemsChanged();
  Discover(*checks);
  EXPECT_EQ(SkinnerOf(*checks), "TSkinGroupBox");
  EXPECT_EQ(SkinnerOf(*checks->Buttons()[0]), "TSkinCheckBox");
}

TEST_F(ControlDiscoveryTest, CheckAndRadioSwitchesKeepTheirControlsNative) {
  Data->SkinControls &= ~(Bit(xcCheckBox) | Bit(xcRadioButton));
  auto* check = Add<TCheckBox>();
  auto* radio = Add<TRadioButton>();
  auto* radios = Add<TRadioGroup>();
  radios->GetItems()->Add(L"One");
  radios->ItemsChanged();
  for (TControl* c : {static_cast<TControl*>(check), static_cast<TControl*>(radio), static_cast<TControl*>(radios)})
    Discover(*c);
  EXPECT_EQ(SkinnerOf(*check), "");
  EXPECT_EQ(SkinnerOf(*radio), "");
  EXPECT_EQ(SkinnerOf(*radios->Buttons()[0]), "");
  // The radio group's row holds, so no later row makes it a group box.
  EXPECT_EQ(SkinnerOf(*radios), "");
  Data->SkinControls |= Bit(xcCheckBox) | Bit(xcRadioButton);
}

TEST_F(ControlDiscoveryTest, Skin3rdKindsOfChecksRadiosAndGroups) {
  for (const wchar_t* row : {L"TFooCheck=checkbox", L"TFooRadio=radiobutton", L"TFooGroup=groupbox",
                             L"TFooRadioGroup=radiogroup", L"TFooCheckGroup=checkgroup"})
    Data->GetSkin3rd()->Add(row);
  auto* check = Add<TTestFooCheck>();
  auto* radio = Add<TTestFooRadio>();
  auto* group = Add<TTestFooGroup>();
  auto* radios = AddGroupOf<TTestFooRadioGroup, TRadioButton>(*this, 2);
  auto* checks = AddGroupOf<TTestFooCheckGroup, TCheckBox>(*this, 2);
  for (TControl* c : {static_cast<TControl*>(check), static_cast<TControl*>(radio), static_cast<TControl*>(group),
                      static_cast<TControl*>(radios), static_cast<TControl*>(checks)})
    Discover(*c);
  EXPECT_EQ(SkinnerOf(*check), "TSkinCheckBox");
  EXPECT_EQ(SkinnerOf(*radio), "TSkinRadioButton");
  EXPECT_EQ(SkinnerOf(*group), "TSkinGroupBox");
  EXPECT_EQ(group->GetColor(), Data->SkinColours[3]);  // owns its colour
  EXPECT_EQ(SkinnerOf(*radios), "TSkinGroupBox");
  EXPECT_EQ(SkinnerOf(*checks), "TSkinGroupBox");
  for (TControl* b : radios->Controls()) EXPECT_EQ(SkinnerOf(*b), "TSkinRadioButton");
  for (TControl* b : checks->Controls()) EXPECT_EQ(SkinnerOf(*b), "TSkinCheckBox");
}

TEST_F(ControlDiscoveryTest, ANativeButtonsStyleChoosesCheckRadioOrNothing) {
  TDialogTemplate dialog(WS_POPUP | WS_CAPTION | DS_MODALFRAME);
  const std::pair<DWORD, const char*> rows[] = {
      {BS_CHECKBOX, "TSkinCheckBox"},       {BS_AUTOCHECKBOX, "TSkinCheckBox"},
      {BS_3STATE, "TSkinCheckBox"},         {BS_AUTO3STATE, "TSkinCheckBox"},
      {BS_RADIOBUTTON, "TSkinRadioButton"}, {BS_AUTORADIOBUTTON, "TSkinRadioButton"},
      {BS_GROUPBOX, ""},                    {BS_AUTOCHECKBOX | BS_RIGHTBUTTON, "TSkinCheckBox"},
      {BS_PUSHBUTTON, "TSkinButton"},
  };
  for (size_t i = 0; i < std::size(rows); ++i) dialog.Item(0x80, rows[i].first, short(10 + i));
  const HWND wnd = dialog.Create();
  ASSERT_NE(wnd, nullptr);
  ShowWindow(wnd, SW_SHOW);
  Application->ProcessMessages();
  TWinSkinForm* skinner = FindFormSkinner(wnd);
  ASSERT_NE(skinner, nullptr);
  for (size_t i = 0; i < std::size(rows); ++i) {
    TSkinControl* s = skinner->FindWindowSkinner(GetDlgItem(wnd, int(10 + i)));
    EXPECT_EQ(s ? s->ClassName() : std::string(), rows[i].second) << "style " << rows[i].first;
  }
  DestroyWindow(wnd);
}

TEST_F(ControlDiscoveryTest, APanelRowMakesThePanelTransparentWhileSkinnedOnly) {
  Data->GetSkin3rd()->Add(L"TTestFooPanel=panel");
  auto* panel = Add<TTestFooPanel>();
  panel->SetColor(TColor(RGB(1, 2, 3)));
  Discover(*panel);
  EXPECT_EQ(SkinnerOf(*panel), "TSkinBox");
  EXPECT_TRUE(panel->GetTransparent());
  EXPECT_EQ(panel->GetColor(), Data->SkinColours[3]);
  Skinner->FreeControlSkinners();
  EXPECT_FALSE(panel->GetTransparent());
  EXPECT_EQ(panel->GetColor(), TColor(RGB(1, 2, 3)));
}
