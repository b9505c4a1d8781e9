// Status bars painted from the skin: a frame per panel by its bevel, the
// last panel to the bar's end, owner-drawn panels left to the application,
// the size grip from the extra images, and plain bevels without edges.
#include "host/ComCtrls.h"
#include "host/Forms.h"
#include "skin/controls/SkinStatusBar.h"
#include "skin/draw/SkinScratch.h"
#include "tests/win/skin/SkinLoadKit.h"
#include <memory>

using namespace skinload;

namespace {
const TColor kLowered = TColor(RGB(200, 10, 10)), kRaised = TColor(RGB(10, 200, 10)), kFlat = TColor(RGB(10, 10, 200));
const TColor kGrip = TColor(RGB(90, 90, 0)), kFace = TColor(RGB(30, 40, 50));

TTestSkin BarSkin(bool edges) {
  TTestSkin skin;
  skin.Add("edges.bmp", StripBmp(10, 10, {kLowered, kRaised, kFlat}))
      .Add("extra.bmp", StripBmp(12, 12, {1, 2, 3, 4, kGrip}));
  skin.Ini = "[Colours]\r\nButtonFace=30 40 50\r\n[ExtraImages]\r\nImage=extra.bmp\r\nFrame=5\r\n";
  if (edges) skin.Ini += "[StatusBarEdges]\r\nImage=edges.bmp\r\n";
  return skin;
}

class SkinStatusBarTest : public testing::Test {
protected:
  void SetUp() override {
    ASSERT_TRUE(LoadTestSkin(Data, BarSkin(true)));
    Form.SetBounds(0, 0, 400, 100);
    Bar = new TStatusBar(&Form);
    Bar->SetAlign(alNone);  // the bar keeps the size the test gives it
    Bar->SetParent(&Form);
  }
  void Skin() {
    Bar->SetBounds(0, 0, 300, 22);
    Bar->UpdatePanels();
    auto* skinner = new TSkinStatusBar(Bar);
    skinner->AttachControl(nullptr, &Data, false, nullptr);
  }
  // The bar as the skinner paints it.
  std::unique_ptr<TBitmap> Paint() {
    auto picture = std::make_unique<TBitmap>(300, 22);
    SendMessageW(Bar->Handle(), WM_PAINT, WPARAM(picture->Canvas().Handle()), 0);
    return picture;
  }
  RECT PanelRect(int i) {
    RECT r{};
    SendMessageW(Bar->Handle(), SB_GETRECT, WPARAM(i), LPARAM(&r));
    return r;
  }
  void AddPanel(TStatusPanelBevel bevel, int width, const std::wstring& text = L"") {
    auto* panel = static_cast<TStatusPanel*>(Bar->Panels()->AddItem());
    panel->SetBevel(bevel);
    panel->SetWidth(width);
    panel->SetText(text);
  }

  TSkinDrawUnit DrawUnit;
  TSkinData Data{nullptr};
  TForm Form{nullptr};
  TStatusBar* Bar = nullptr;
};
}  // namespace

TEST_F(SkinStatusBarTest, EmptySimpleTextIsOneLoweredFrameOverTheWholeBar) {
  Bar->SetSimplePanel(true);
  Skin();
  EXPECT_TRUE(PixelsAre(*Paint(), 300, 22, [](int, int) { return kLowered; }));
}

TEST_F(SkinStatusBarTest, EachPanelShowsTheFrameOfItsBevelAndTheLastRunsToTheEnd) {
  AddPanel(pbLowered, 60);
  AddPanel(pbRaised, 60);
  AddPanel(pbNone, 60);
  Skin();
  auto picture = Paint();
  const TColor expected[] = {kLowered, kRaised, kFlat};
  for (int i = 0; i < 3; ++i) {
    const RECT p = PanelRect(i);
    EXPECT_EQ(picture->Pixel(p.left + 1, p.top + 1), expected[i]) << "panel " << i;
  }
  EXPECT_EQ(picture->Pixel(299, PanelRect(2).top + 1), kFlat);
}

TEST_F(SkinStatusBarTest, AnOwnerDrawnPanelGetsItsFrameAndTheApplicationDrawsInIt) {
  AddPanel(pbLowered, 80, L"never drawn");
  static_cast<TStatusPanel&>((*Bar->Panels())[0]).SetStyle(psOwnerDraw);
  std::vector<RECT> asked;
  Bar->OnDrawPanel = [&](TStatusBar* bar, TStatusPanel*, const RECT& r) {
    EXPECT_EQ(bar, Bar);
    EXPECT_NE(bar->Canvas().Handle(), nullptr);
    asked.push_back(r);
  };
  Skin();
  auto picture = Paint();
  ASSERT_EQ(asked.size(), 1u);
  RECT inset = PanelRect(0);
  InflateRect(&inset, -2, -2);
  EXPECT_TRUE(EqualRect(&asked[0], &inset));
  // No text: the whole panel is its frame.
  for (int x = 0; x < 80; ++x) ASSERT_EQ(picture->Pixel(x, 11), kLowered) << x;
}

TEST_F(SkinStatusBarTest, TheSizeGripIsFrameFiveOneInsideTheCorner) {
  Bar->SetSizeGrip(true);
  Bar->SetSimplePanel(true);
  Skin();
  auto picture = Paint();
  EXPECT_TRUE(PixelsAre(*picture, 300, 22, [](int x, int y) {
    return x >= 300 - 13 && x < 299 && y >= 22 - 13 && y < 21 ? kGrip : kLowered;
  }));
}

TEST_F(SkinStatusBarTest, WithoutEdgesPanelsGetPlainBevelsOnTheFace) {
  ASSERT_TRUE(LoadTestSkin(Data, BarSkin(false)));
  Bar->SetSimplePanel(true);
  Skin();
  auto picture = Paint();
  EXPECT_EQ(picture->Pixel(0, 0), TColor(ColorToRGB(clBtnShadow)));
  EXPECT_EQ(picture->Pixel(299, 21), TColor(ColorToRGB(clBtnHighlight)));
  EXPECT_EQ(picture->Pixel(150, 1), kFace);
}

TEST(StatusPanelAlignment, RightToLeftSwapsTheJustifiedSides) {
  struct TRow {
    TAlignment Alignment;
    TBiDiMode BiDi;
    UINT Flags;
  };
  for (TRow row : {TRow{taLeftJustify, bdLeftToRight, DT_LEFT}, TRow{taRightJustify, bdLeftToRight, DT_RIGHT},
                   TRow{taCenter, bdLeftToRight, DT_CENTER}, TRow{taRightJustify, bdRightToLeft, DT_LEFT},
                   TRow{taLeftJustify, bdRightToLeft, DT_RIGHT}, TRow{taCenter, bdRightToLeft, DT_CENTER}}) {
    TStatusPanel panel;
    panel.SetAlignment(row.Alignment);
    panel.SetBiDiMode(row.BiDi);
    EXPECT_EQ(StatusPanelAlignment(panel), row.Flags) << row.Alignment << " " << row.BiDi;
  }
}
