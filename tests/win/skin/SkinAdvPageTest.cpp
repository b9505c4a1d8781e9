// Page controls that draw their tabs from two bitmap properties: the
// skinner hands them frames 1 and 2 of the "Tabs" element composed at
// 100 x 21, skins their scroll arrows once, and gives everything back.
#include "skin/controls/SkinAdvPage.h"
#include "skin/manager/SkinMessages.h"
#include "tests/win/skin/TabSkinKit.h"
#include <commctrl.h>

using namespace tabkit;

namespace {
// A page control of another component set, known only by its properties.
class TTestAdvPageControl : public TWinControl {
public:
  explicit TTestAdvPageControl(TComponent* owner) : TWinControl(owner) {}
  const TClassInfo& ClassType() const override { return StaticClass(); }
  static const TClassInfo& StaticClass() {
    static const TClassInfo info{"TAdvPageControl", &TWinControl::StaticClass(),
                                 {BitmapProp("TabBackGround", &TTestAdvPageControl::Background),
                                  BitmapProp("TabBackGroundActive", &TTestAdvPageControl::ActiveBackground)}};
    return info;
  }
  TBitmap Background, ActiveBackground;

private:
  // Setting one copies the picture given; nothing clears it.
  static TPropInfo BitmapProp(const char* name, TBitmap TTestAdvPageControl::*field) {
    return {name, [field](TPersistent& o) { return TValue::Obj(&(static_cast<TTestAdvPageControl&>(o).*field)); },
            [field](TPersistent& o, const TValue& v) {
              TBitmap& own = static_cast<TTestAdvPageControl&>(o).*field;
              if (auto* given = dynamic_cast<TBitmap*>(v.Object))
                own.Assign(*given);
              else
                own.SetSize(0, 0);
            }};
  }
};

const TColor kOwnBackground = TColor(RGB(9, 99, 199));

class SkinAdvPageTest : public testing::Test {
protected:
  void SetUp() override {
    ASSERT_TRUE(LoadTestSkin(Data, TabSkin(0)));
    Form.SetBounds(0, 0, 400, 300);
    Pages = new TTestAdvPageControl(&Form);
    Pages->SetParent(&Form);
    Pages->SetBounds(0, 0, 300, 200);
    Pages->SetColor(kOwnBackground);
    Pages->Background.SetSize(10, 10);
    Pages->Background.Canvas().BrushColor = kOwnBackground;
    Pages->Background.Canvas().FillRect({0, 0, 10, 10});
  }
  TSkinAdvPage* Skin(int mode) {
    auto* skinner = new TSkinAdvPage(Pages);
    skinner->PageMode = mode;
    skinner->AttachControl(nullptr, &Data, true, nullptr);
    return skinner;
  }

  TSkinDrawUnit DrawUnit;
  TSkinData Data{nullptr};
  TForm Form{nullptr};
  TTestAdvPageControl* Pages = nullptr;
};
}  // namespace

TEST_F(SkinAdvPageTest, TheTabBackgroundsAreFramesOneAndTwoOfTheTabsElement) {
  TSkinAdvPage* skinner = Skin(kAdvPageMode);
  for (auto [image, frame] : {std::pair<TBitmap*, int>{&Pages->Background, 1}, {&Pages->ActiveBackground, 2}}) {
    SCOPED_TRACE(frame);
    ASSERT_EQ(image->Width(), 100);
    ASSERT_EQ(image->Height(), 21);
    EXPECT_EQ(image->Pixel(50, 2), TabTop(frame));
    EXPECT_EQ(image->Pixel(50, 18), TabBottom(frame));
  }
  EXPECT_EQ(Pages->GetColor(), kFace);
  skinner->Detach();
  // Its own backgrounds and colour come back.
  EXPECT_EQ(Pages->Background.Width(), 10);
  EXPECT_EQ(Pages->Background.Pixel(5, 5), kOwnBackground);
  EXPECT_TRUE(Pages->ActiveBackground.Empty());
  EXPECT_EQ(Pages->GetColor(), kOwnBackground);
}

TEST_F(SkinAdvPageTest, OutsideItsPageModeTheBackgroundsStayTheControlsOwn) {
  Skin(0);
  EXPECT_EQ(Pages->Background.Width(), 10);
  EXPECT_TRUE(Pages->ActiveBackground.Empty());
}

TEST_F(SkinAdvPageTest, ItsScrollArrowsAreSkinnedOnceAtThePaintAfterTheyExist) {
  Skin(kAdvPageMode);
  SendMessageW(Pages->Handle(), WM_PAINT, 0, 0);
  EXPECT_TRUE(UpDownSkinnersOf(*Pages).empty());
  const HWND arrows = CreateWindowExW(0, UPDOWN_CLASSW, L"", WS_CHILD | WS_VISIBLE | UDS_HORZ, 250, 0, 40, 20,
                                      Pages->Handle(), nullptr, GetModuleHandleW(nullptr), nullptr);
  ASSERT_NE(arrows, nullptr);
  for (int paint = 0; paint < 2; ++paint) {
    InvalidateRect(Pages->Handle(), nullptr, TRUE);
    UpdateWindow(Pages->Handle());
    SendMessageW(Pages->Handle(), WM_PAINT, 0, 0);
  }
  ASSERT_EQ(UpDownSkinnersOf(*Pages).size(), 1u);
  EXPECT_EQ(UpDownSkinnersOf(*Pages)[0]->WindowHandle(), arrows);
  EXPECT_EQ(SendMessageW(arrows, WM_SKIN_QUERY, 0, 0), 1);
}
