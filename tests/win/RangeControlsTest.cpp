// The class library's progress bar, track bar and up-down: properties by
// name before and after their windows exist, the form reader, stepping and
// the up-down's events and buddy.
#include "host/ComCtrls.h"
#include "host/FormReader.h"
#include "host/Forms.h"
#include "host/StdCtrls.h"
#include <commctrl.h>
#include <gtest/gtest.h>
#include <memory>

namespace {
class RangeControls : public testing::Test {
protected:
  void SetUp() override {
    Form = std::make_unique<TForm>(nullptr);
    Form->SetBorderStyle(bsNone);
    Form->SetBounds(20, 20, 300, 200);
  }
  template <class T>
  T* Add(int width, int height) {
    auto* control = new T(Form.get());
    control->SetParent(Form.get());
    control->SetBounds(10, 10, width, height);
    return control;
  }
  std::unique_ptr<TForm> Form;
};

struct PropCase {
  const char* Name;
  TWinControl* (*Create)(TComponent* owner);
  const char* Property;
  TValue Value;
  DWORD StyleBit;  // the window style the value shows as, if any
};

template <class T>
TWinControl* Wide(TComponent* owner) {
  auto* c = new T(owner);
  c->SetMax(1000);  // room for every position of the cases
  return c;
}

class RangeProperties : public RangeControls, public testing::WithParamInterface<std::tuple<PropCase, bool>> {};

TEST_P(RangeProperties, ReadBackWhatWasWrittenAndReachTheWindow) {
  const PropCase& c = std::get<0>(GetParam());
  const bool windowFirst = std::get<1>(GetParam());
  TWinControl* control = c.Create(Form.get());
  control->SetParent(Form.get());
  control->SetBounds(10, 10, 150, 40);
  if (windowFirst) Form->HandleNeeded();
  ASSERT_TRUE(SetPropValue(control, c.Property, c.Value));
  if (!windowFirst) Form->HandleNeeded();
  ASSERT_TRUE(control->HandleAllocated());
  TValue read;
  ASSERT_TRUE(GetPropValue(control, c.Property, read));
  EXPECT_EQ(read.Kind, c.Value.Kind);
  if (c.Value.Kind == TValue::vkInteger) {
    EXPECT_EQ(read.Int, c.Value.Int);
  } else {
    EXPECT_EQ(read.Str, c.Value.Str);
  }
  if (c.StyleBit) {
    EXPECT_TRUE(GetWindowLongPtrW(control->Handle(), GWL_STYLE) & c.StyleBit);
  }
}

INSTANTIATE_TEST_SUITE_P(Host, RangeProperties, testing::Combine(testing::Values(
    PropCase{"ProgressMin", Wide<TProgressBar>, "Min", TValue::Integer(5), 0},
    PropCase{"ProgressMax", Wide<TProgressBar>, "Max", TValue::Integer(200), 0},
    PropCase{"ProgressPosition", Wide<TProgressBar>, "Position", TValue::Integer(150), 0},
    PropCase{"ProgressStep", Wide<TProgressBar>, "Step", TValue::Integer(7), 0},
    PropCase{"ProgressVertical", Wide<TProgressBar>, "Orientation", TValue::Ident(L"pbVertical"), PBS_VERTICAL},
    PropCase{"ProgressSmooth", Wide<TProgressBar>, "Smooth", TValue::Bool(true), PBS_SMOOTH},
    PropCase{"TrackMin", Wide<TTrackBar>, "Min", TValue::Integer(5), 0},
    PropCase{"TrackPosition", Wide<TTrackBar>, "Position", TValue::Integer(150), 0},
    PropCase{"TrackFrequency", Wide<TTrackBar>, "Frequency", TValue::Integer(50), 0},
    PropCase{"TrackSelStart", Wide<TTrackBar>, "SelStart", TValue::Integer(20), 0},
    PropCase{"TrackSelEnd", Wide<TTrackBar>, "SelEnd", TValue::Integer(80), 0},
    PropCase{"TrackVertical", Wide<TTrackBar>, "Orientation", TValue::Ident(L"trVertical"), TBS_VERT},
    PropCase{"TrackTicksBoth", Wide<TTrackBar>, "TickMarks", TValue::Ident(L"tmBoth"), TBS_BOTH},
    PropCase{"TrackTicksTopLeft", Wide<TTrackBar>, "TickMarks", TValue::Ident(L"tmTopLeft"), TBS_TOP},
    PropCase{"TrackNoTicks", Wide<TTrackBar>, "TickStyle", TValue::Ident(L"tsNone"), TBS_NOTICKS},
    PropCase{"UpDownMin", Wide<TUpDown>, "Min", TValue::Integer(-5), 0},
    PropCase{"UpDownPosition", Wide<TUpDown>, "Position", TValue::Integer(150), 0},
    PropCase{"UpDownIncrement", Wide<TUpDown>, "Increment", TValue::Integer(5), 0},
    PropCase{"UpDownHorizontal", Wide<TUpDown>, "Orientation", TValue::Ident(L"udHorizontal"), UDS_HORZ}),
    testing::Bool()),
    [](const testing::TestParamInfo<std::tuple<PropCase, bool>>& i) {
      return std::string(std::get<0>(i.param).Name) + (std::get<1>(i.param) ? "_WindowFirst" : "_WindowLater");
    });

TEST_F(RangeControls, TheFormReaderMakesThemWithTheirProperties) {
  TFormObject description;
  TFormTextError error;
  ASSERT_TRUE(ReadFormText(
      "object F: TForm\n"
      "  object P: TProgressBar\n    Max = 200\n    Position = 150\n    Orientation = pbVertical\n  end\n"
      "  object T: TTrackBar\n    Max = 20\n    Position = 15\n    TickStyle = tsManual\n  end\n"
      "  object U: TUpDown\n    Associate = E\n    Max = 50\n    Position = 42\n  end\n"
      "  object E: TEdit\n  end\n"
      "end\n",
      description, error))
      << error.Message;
  ReadFormObject(*Form, description);
  Form->HandleNeeded();
  auto* bar = dynamic_cast<TProgressBar*>(Form->FindComponent(L"P"));
  auto* track = dynamic_cast<TTrackBar*>(Form->FindComponent(L"T"));
  auto* upDown = dynamic_cast<TUpDown*>(Form->FindComponent(L"U"));
  auto* edit = dynamic_cast<TEdit*>(Form->FindComponent(L"E"));
  ASSERT_TRUE(bar && track && upDown && edit);
  EXPECT_EQ(SendMessageW(bar->Handle(), PBM_GETPOS, 0, 0), 150);
  EXPECT_TRUE(GetWindowLongPtrW(bar->Handle(), GWL_STYLE) & PBS_VERTICAL);
  EXPECT_EQ(SendMessageW(track->Handle(), TBM_GETPOS, 0, 0), 15);
  EXPECT_FALSE(GetWindowLongPtrW(track->Handle(), GWL_STYLE) & (TBS_AUTOTICKS | TBS_NOTICKS));
  // The up-down named its buddy before the buddy was read.
  EXPECT_EQ(upDown->GetAssociate(), edit);
  EXPECT_EQ(HWND(SendMessageW(upDown->Handle(), UDM_GETBUDDY, 0, 0)), edit->Handle());
  EXPECT_EQ(edit->GetText(), L"42");
}

TEST_F(RangeControls, StepItStartsAgainFromMinPastMaxWithOrWithoutAWindow) {
  for (bool window : {false, true}) {
    auto* bar = Add<TProgressBar>(100, 16);
    bar->SetMin(10);
    bar->SetMax(100);
    bar->SetStep(30);
    bar->SetPosition(90);
    if (window) bar->HandleNeeded();
    bar->StepIt();
    const int wrapped = 10 + (90 + 30 - 10) % (100 - 10);
    EXPECT_EQ(bar->GetPosition(), wrapped) << window;
    bar->StepIt();
    EXPECT_EQ(bar->GetPosition(), wrapped + 30) << window;
    delete bar;
  }
}

struct ClickCase {
  const char* Name;
  bool Allow;
  int Position;  // after a click on the upper half from 0, increment 5
  int Clicks;
};

class UpDownEvents : public RangeControls, public testing::WithParamInterface<ClickCase> {};

TEST_P(UpDownEvents, OnChangingDecidesAndOnClickFollowsAnAllowedChange) {
  auto* upDown = Add<TUpDown>(17, 30);
  upDown->SetIncrement(5);
  int changing = 0, clicks = 0;
  upDown->OnChanging = [&](TObject* sender, bool& allow) {
    EXPECT_EQ(sender, upDown);
    ++changing;
    allow = GetParam().Allow;
  };
  upDown->OnClick = [&](TObject*) { ++clicks; };
  const HWND wnd = upDown->Handle();
  SendMessageW(wnd, WM_LBUTTONDOWN, MK_LBUTTON, MAKELPARAM(8, 5));
  SendMessageW(wnd, WM_LBUTTONUP, 0, MAKELPARAM(8, 5));
  EXPECT_GE(changing, 1);
  EXPECT_EQ(upDown->GetPosition(), GetParam().Position);
  EXPECT_EQ(clicks, GetParam().Clicks);
}

INSTANTIATE_TEST_SUITE_P(Host, UpDownEvents, testing::Values(ClickCase{"Allowed", true, 5, 1},
                                                             ClickCase{"Refused", false, 0, 0}),
                         [](const testing::TestParamInfo<ClickCase>& i) { return std::string(i.param.Name); });

TEST_F(RangeControls, AnAssociateWhoseWindowIsGoneReadsAsNone) {
  auto* edit = Add<TEdit>(80, 21);
  auto* upDown = Add<TUpDown>(17, 21);
  upDown->SetAssociate(edit);
  Form->HandleNeeded();
  ASSERT_EQ(upDown->GetAssociate(), edit);
  delete edit;
  EXPECT_EQ(upDown->GetAssociate(), nullptr);
  TValue read;
  ASSERT_TRUE(GetPropValue(upDown, "Associate", read));
  EXPECT_EQ(read.Object, nullptr);
}
}  // namespace
