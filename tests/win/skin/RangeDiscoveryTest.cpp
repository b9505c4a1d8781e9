// Which skinner progress bars, track bars and up-downs get when their form
// is skinned: by class, by the skin component's Skin3rd rows, and, in a
// foreign dialog, by window class.
#include "skin/controls/SkinProgress.h"
#include "skin/controls/SkinTrackBar.h"
#include "skin/controls/SkinUpDown.h"
#include "skin/form/WinSkinForm.h"
#include "skin/manager/SkinMessages.h"
#include "tests/win/skin/ForeignDialog.h"
#include "tests/win/skin/SecondFormDiscovery.h"
#include <functional>

namespace {
// A track bar of another component set: it publishes "Transparent".
class TTestTrack : public TTrackBar {
public:
  DECLARE_CLASS_INFO
  using TTrackBar::TTrackBar;
  bool GetTransparent() const { return FTransparent; }
  void SetTransparent(bool v) { FTransparent = v; }

private:
  bool FTransparent = false;
};
DEFINE_COMPONENT_INFO(TTestTrack, TTrackBar,
  {BoolProp("Transparent", &TTestTrack::GetTransparent, &TTestTrack::SetTransparent)})

// A native progress bar under a class the rules do not know by class.
class TTestGauge : public TWinControl {
public:
  DECLARE_CLASS_INFO
  using TWinControl::TWinControl;

protected:
  void CreateParams(TCreateParams& p) override {
    TWinControl::CreateParams(p);
    p.SysClassName = PROGRESS_CLASSW;
  }
};
DEFINE_COMPONENT_INFO(TTestGauge, TWinControl, {})

using RangeDiscovery = SecondFormDiscovery;

struct ClassCase {
  const char* Name;
  TWinControl* (*Create)(TForm*);
  TSkinControlType Member;
  bool MemberOn;
  const TClassInfo* Skinner;  // null: stays native
};

class RangeClasses : public RangeDiscovery, public testing::WithParamInterface<ClassCase> {};

TEST_P(RangeClasses, GetTheirSkinnerWhenTheSkinComponentAsksForIt) {
  const ClassCase& c = GetParam();
  if (!c.MemberOn) Data->SetSkinControls(Data->SkinControls & ~(1u << c.Member));
  TWinControl* control = ShowWith(c.Create);
  ASSERT_NE(FindFormSkinner(Second->Handle()), nullptr);
  TSkinControl* skinner = SkinnerOf(*control);
  if (!c.Skinner) {
    EXPECT_EQ(skinner, nullptr);
    EXPECT_NE(SendMessageW(control->Handle(), WM_SKIN_QUERY, 0, 0), 1);
    return;
  }
  ASSERT_NE(skinner, nullptr);
  EXPECT_EQ(&skinner->ClassType(), c.Skinner);
  EXPECT_EQ(SendMessageW(control->Handle(), WM_SKIN_QUERY, 0, 0), 1);
}

INSTANTIATE_TEST_SUITE_P(SkinDiscovery, RangeClasses, testing::Values(
    ClassCase{"ProgressBar", Make<TProgressBar>, xcProgress, true, &TSkinProgress::StaticClass()},
    ClassCase{"ProgressBarWithoutTheOption", Make<TProgressBar>, xcProgress, false, nullptr},
    ClassCase{"TrackBar", Make<TTrackBar>, xcTrackBar, true, &TSkinTrackBar::StaticClass()},
    ClassCase{"TrackBarWithoutTheOption", Make<TTrackBar>, xcTrackBar, false, nullptr},
    ClassCase{"UpDown", Make<TUpDown>, xcSpin, true, &TSkinUpDown::StaticClass()},
    ClassCase{"UpDownWithoutTheOption", Make<TUpDown>, xcSpin, false, nullptr}),
    [](const testing::TestParamInfo<ClassCase>& i) { return std::string(i.param.Name); });

TEST_F(RangeDiscovery, ATrackBarRowMakesItTransparentWhileSkinned) {
  Data->GetSkin3rd()->Add(L"TTestTrack=trackbar");
  auto* track = static_cast<TTestTrack*>(ShowWith(Make<TTestTrack>));
  TSkinControl* skinner = SkinnerOf(*track);
  ASSERT_NE(skinner, nullptr);
  EXPECT_EQ(&skinner->ClassType(), &TSkinTrackBar::StaticClass());
  EXPECT_TRUE(track->GetTransparent());
  SwitchOff();
  EXPECT_FALSE(track->GetTransparent());
}

TEST_F(RangeDiscovery, ATrackBarRowWithoutButtonsMakesNothingAndTouchesNothing) {
  Data->GetSkin3rd()->Add(L"TTestTrack=trackbar");
  Data->SetSkinControls(Data->SkinControls & ~(1u << xcButton));
  auto* track = static_cast<TTestTrack*>(ShowWith(Make<TTestTrack>));
  // The row ends the walk: not even the track-bar class rule applies.
  EXPECT_EQ(SkinnerOf(*track), nullptr);
  EXPECT_FALSE(track->GetTransparent());
}

TEST_F(RangeDiscovery, AProgressRowSkinsAClassTheRulesDoNotKnow) {
  TWinControl* plain = ShowWith(Make<TTestGauge>);
  EXPECT_EQ(SkinnerOf(*plain), nullptr);
  delete Second;
  Data->GetSkin3rd()->Add(L"TTestGauge=progress");
  TWinControl* mapped = ShowWith(Make<TTestGauge>);
  TSkinControl* skinner = SkinnerOf(*mapped);
  ASSERT_NE(skinner, nullptr);
  EXPECT_EQ(&skinner->ClassType(), &TSkinProgress::StaticClass());
}

TEST_F(RangeDiscovery, AClassLibraryProgressBarInAForeignDialogGetsItsSkinner) {
  // The class library's own window class, registered by its first bar.
  ShowWith(Make<TProgressBar>);
  const HWND dialog = Dialog = MakeForeignDialog(0);
  ASSERT_NE(dialog, nullptr);
  const HWND bar = CreateWindowExW(0, L"TProgressBar", L"", WS_CHILD | WS_VISIBLE, 5, 5, 100, 16, dialog, nullptr,
                                   GetModuleHandleW(nullptr), nullptr);
  ASSERT_NE(bar, nullptr);
  ASSERT_TRUE(SkinManager->SkinWindow(dialog));
  Application->ProcessMessages();  // activation runs on WM_SKIN_START
  TWinSkinForm* form = FindFormSkinner(dialog);
  ASSERT_NE(form, nullptr);
  TSkinControl* skinner = form->FindWindowSkinner(bar);
  ASSERT_NE(skinner, nullptr);
  EXPECT_EQ(&skinner->ClassType(), &TSkinProgress::StaticClass());
}
}  // namespace
