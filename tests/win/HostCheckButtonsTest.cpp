// The class library's check boxes, radio buttons and groups: the state kept
// by the control and shown by its window, clicks raised only by a change,
// the radio group's tab stop, a radio group's ItemIndex following its
// buttons, the window styles of alignment and writing direction, and all of
// it read from a stored description.
#include "host/CheckButtons.h"
#include "host/ExtCtrls.h"
#include "host/FormReader.h"
#include "host/Forms.h"
#include "host/GroupBoxes.h"
#include <gtest/gtest.h>

namespace {

class HostCheckButtons : public testing::Test {
protected:
  void SetUp() override {
    Form = new TForm(nullptr);
    Form->SetTag(99);  // never skinned by a manager another test left behind
    Form->SetBounds(120, 120, 400, 300);
    Form->Show();
  }
  void TearDown() override { delete Form; }

  template <class T>
  T* Add(int top, TWinControl* parent = nullptr) {
    auto* control = new T(Form);
    control->SetParent(parent ? parent : Form);
    control->SetBounds(10, top, 150, 20);
    return control;
  }
  static LRESULT WindowCheck(TWinControl* c) { return SendMessageW(c->Handle(), BM_GETCHECK, 0, 0); }
  static LONG_PTR Style(TWinControl* c) { return GetWindowLongPtrW(c->Handle(), GWL_STYLE); }
  static LONG_PTR ExStyle(TWinControl* c) { return GetWindowLongPtrW(c->Handle(), GWL_EXSTYLE); }

  TForm* Form = nullptr;
};

TEST_F(HostCheckButtons, ACheckBoxsStateReachesItsWindowMadeBeforeOrAfter) {
  auto* check = new TCheckBox(Form);
  check->SetAllowGrayed(true);
  check->SetState(cbGrayed);  // no window yet
  check->SetParent(Form);
  EXPECT_EQ(WindowCheck(check), BST_INDETERMINATE);
  check->SetChecked(true);
  EXPECT_EQ(WindowCheck(check), BST_CHECKED);
  EXPECT_EQ(check->GetState(), cbChecked);
  check->SetChecked(false);
  EXPECT_EQ(WindowCheck(check), BST_UNCHECKED);
}

TEST_F(HostCheckButtons, OnlyAChangeOfStateRaisesOnClick) {
  auto* check = Add<TCheckBox>(10);
  int clicks = 0;
  check->OnClick = [&clicks](TObject*) { ++clicks; };
  check->SetChecked(false);
  EXPECT_EQ(clicks, 0);
  check->SetChecked(true);
  check->SetChecked(true);
  EXPECT_EQ(clicks, 1);
}

TEST_F(HostCheckButtons, OneRadioButtonOfAParentIsCheckedAndIsItsTabStop) {
  auto* panel = Add<TPanel>(10);
  panel->SetBounds(10, 10, 200, 100);
  std::vector<TRadioButton*> radios;
  for (int i = 0; i < 3; ++i) radios.push_back(Add<TRadioButton>(5 + 25 * i, panel));
  auto* elsewhere = Add<TRadioButton>(150);  // another parent, another group
  elsewhere->SetChecked(true);
  // None checked: the first is the tab stop.
  EXPECT_TRUE(Style(radios[0]) & WS_TABSTOP);
  EXPECT_FALSE(Style(radios[1]) & WS_TABSTOP);
  radios[1]->SetChecked(true);
  radios[2]->SetChecked(true);
  for (size_t i = 0; i < 3; ++i) {
    EXPECT_EQ(radios[i]->GetChecked(), i == 2) << i;
    EXPECT_EQ(WindowCheck(radios[i]), i == 2 ? BST_CHECKED : BST_UNCHECKED) << i;
    EXPECT_EQ((Style(radios[i]) & WS_TABSTOP) != 0, i == 2) << i;
  }
  EXPECT_TRUE(elsewhere->GetChecked());
}

TEST_F(HostCheckButtons, AlignmentAndDirectionAreWindowStyles) {
  auto* check = Add<TCheckBox>(10);
  EXPECT_FALSE(Style(check) & BS_RIGHTBUTTON);
  check->SetAlignment(taLeftJustify);
  EXPECT_TRUE(Style(check) & BS_RIGHTBUTTON);
  // Right to left swaps the sides and reads from the right.
  check->SetBiDiMode(bdRightToLeft);
  EXPECT_FALSE(Style(check) & BS_RIGHTBUTTON);
  EXPECT_EQ(ExStyle(check) & (WS_EX_RTLREADING | WS_EX_RIGHT), WS_EX_RTLREADING | WS_EX_RIGHT);
  check->SetAlignment(taRightJustify);
  EXPECT_TRUE(Style(check) & BS_RIGHTBUTTON);
  check->SetBiDiMode(bdLeftToRight);
  EXPECT_FALSE(Style(check) & BS_RIGHTBUTTON);
  EXPECT_EQ(ExStyle(check) & (WS_EX_RTLREADING | WS_EX_RIGHT), 0);
}

TEST_F(HostCheckButtons, ARadioGroupsItemIndexFollowsItsButtons) {
  auto* group = Add<TRadioGroup>(10);
  group->SetBounds(10, 10, 200, 120);
  int clicks = 0;
  group->OnClick = [&clicks](TObject*) { ++clicks; };
  for (const wchar_t* item : {L"One", L"Two", L"Three"}) group->GetItems()->Add(item);
  group->ItemsChanged();
  ASSERT_EQ(group->Buttons().size(), 3u);
  EXPECT_EQ(group->GetItemIndex(), -1);
  group->SetItemIndex(2);
  EXPECT_TRUE(group->Button(2)->GetChecked());
  EXPECT_EQ(clicks, 1);
  // A click on a button's window checks it.
  const HWND first = group->Button(0)->Handle();
  SendMessageW(first, BM_CLICK, 0, 0);
  Application->ProcessMessages();
  EXPECT_EQ(group->GetItemIndex(), 0);
  EXPECT_FALSE(group->Button(2)->GetChecked());
  EXPECT_EQ(clicks, 2);
  // None, and an index past the items, which is clamped to the last.
  group->SetItemIndex(-1);
  for (int i = 0; i < 3; ++i) EXPECT_FALSE(group->Button(i)->GetChecked()) << i;
  group->SetItemIndex(99);
  EXPECT_EQ(group->GetItemIndex(), 2);
  // Disabling the group disables its buttons.
  group->SetEnabled(false);
  for (int i = 0; i < 3; ++i) EXPECT_FALSE(IsWindowEnabled(group->Button(i)->Handle())) << i;
}

TEST(HostCheckButtonsRead, ChecksRadiosAndGroupsComeFromADescription) {
  const std::string text =
      "object F: TForm\n"
      "  object C: TCheckBox\n    AllowGrayed = True\n    State = cbGrayed\n    Alignment = taLeftJustify\n  end\n"
      "  object R: TRadioButton\n    Checked = True\n  end\n"
      "  object G: TRadioGroup\n    Width = 200\n    Height = 100\n    Items.Strings = (\n      'A'\n      'B')\n"
      "    ItemIndex = 1\n    Columns = 2\n  end\n"
      "  object K: TCheckGroup\n    Items.Strings = (\n      'X')\n  end\n"
      "end\n";
  TFormObject description;
  TFormTextError error;
  ASSERT_TRUE(ReadFormText(text, description, error)) << error.Message;
  TForm form(nullptr);
  ReadFormObject(form, description);
  auto* c = dynamic_cast<TCheckBox*>(form.FindComponent(L"C"));
  auto* r = dynamic_cast<TRadioButton*>(form.FindComponent(L"R"));
  auto* g = dynamic_cast<TRadioGroup*>(form.FindComponent(L"G"));
  auto* k = dynamic_cast<TCheckGroup*>(form.FindComponent(L"K"));
  ASSERT_TRUE(c && r && g && k);
  EXPECT_EQ(c->GetState(), cbGrayed);
  EXPECT_EQ(c->GetAlignment(), taLeftJustify);
  EXPECT_TRUE(r->GetChecked());
  ASSERT_EQ(g->Buttons().size(), 2u);
  EXPECT_EQ(g->GetItemIndex(), 1);
  EXPECT_TRUE(g->Button(1)->GetChecked());
  EXPECT_EQ(g->GetColumns(), 2);
  ASSERT_EQ(k->Buttons().size(), 1u);
  EXPECT_EQ(k->Button(0)->GetText(), L"X");
}

}  // namespace
