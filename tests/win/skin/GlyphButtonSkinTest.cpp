// The bit button and drop-down button skinners: the frame of the state
// with the glyph image of the state at its laid-out place, an image list in
// place of a glyph, the picture of a named graphic property, and the
// drop-down arrow. Every expected pixel comes from the test strip or from
// the glyph's own pixels.
#include "host/Buttons.h"
#include "skin/controls/ButtonGlyph.h"
#include "skin/controls/SkinBitButton.h"
#include "skin/controls/SkinMenuButton.h"
#include "tests/win/skin/ButtonSkinFixture.h"

namespace {


// A button publishing what the bit-button skinner reads, without the
// bit button's own checks: a picture property and any NumGlyphs.
class TLooseGlyphButton : public TButton {
public:
  DECLARE_CLASS_INFO
  using TButton::TButton;
  TBitmap* GetPngImage() const { return const_cast<TBitmap*>(&FPicture); }
  TBitmap* GetGlyph() const { return const_cast<TBitmap*>(&FGlyph); }
  int GetNumGlyphs() const { return FNumGlyphs; }
  void SetNumGlyphs(int v) { FNumGlyphs = v; }
  TBitmap FPicture, FGlyph;
  int FNumGlyphs = 1;
};
DEFINE_CLASS_INFO(TLooseGlyphButton, TButton,
                  {ObjProp("PngImage", &TLooseGlyphButton::GetPngImage), ObjProp("Glyph", &TLooseGlyphButton::GetGlyph),
                   IntProp("NumGlyphs", &TLooseGlyphButton::GetNumGlyphs, &TLooseGlyphButton::SetNumGlyphs)})

class GlyphButtonSkinTest : public ButtonSkinTest {
protected:
  void SetUp() override {
    ButtonSkinTest::SetUp();
    Elsewhere = AddButton(L"", 250, 10);
  }
  TBitBtn* AddBitBtn(int numGlyphs) {
    auto* button = Place(new TBitBtn(Form), L"", 10, 10, kFrameW, kFrameH);
    button->ButtonGlyph().Glyph.Assign(*GlyphStrip(numGlyphs));
    button->ButtonGlyph().NumGlyphs = numGlyphs;
    return button;
  }
  TButton* Elsewhere = nullptr;
};


struct BitStateCase {
  const char* Name;
  int NumGlyphs;
  bool Pressed, Disabled, Default;
  int Frame, Image;
};

class BitButtonStates : public GlyphButtonSkinTest, public testing::WithParamInterface<BitStateCase> {};

TEST_P(BitButtonStates, ShowTheFrameAndTheGlyphImageOfTheState) {
  const BitStateCase& c = GetParam();
  TBitBtn* button = AddBitBtn(c.NumGlyphs);
  Attach<TSkinBitButton>(button);
  SetFocus(Elsewhere->Handle());
  button->SetDefault(c.Default);
  if (c.Disabled) button->SetEnabled(false);
  if (c.Pressed) {
    SendMessageW(button->Handle(), WM_LBUTTONDOWN, MK_LBUTTON, MAKELPARAM(5, 5));
    // The focus the press takes would draw its rectangle round the caption.
    SetFocus(Elsewhere->Handle());
  }
  // No caption: the glyph alone, centred: (40 - 16) div 2, (40 - 16 + 1) div 2.
  EXPECT_TRUE(PixelsMatch(*Painted(button), FrameWithGlyph(c.Frame, c.Image, {12, 12})));
}

INSTANTIATE_TEST_SUITE_P(GlyphButtonSkin, BitButtonStates, testing::Values(
    BitStateCase{"Normal", 3, false, false, false, 1, 1},
    BitStateCase{"Pressed", 3, true, false, false, 2, 3},
    BitStateCase{"Disabled", 3, false, true, false, 3, 2},
    BitStateCase{"Default", 3, false, false, true, 5, 1},
    BitStateCase{"PressedWithOneImage", 1, true, false, false, 2, 1}),
    [](const testing::TestParamInfo<BitStateCase>& i) { return std::string(i.param.Name); });

TEST_F(GlyphButtonSkinTest, ADisabledOneImageGlyphIsEmbossed) {
  TBitBtn* button = AddBitBtn(1);
  Attach<TSkinBitButton>(button);
  SetFocus(Elsewhere->Handle());
  button->SetEnabled(false);
  std::unique_ptr<TBitmap> embossed = EmbossBitmap(button->ButtonGlyph().Glyph);
  const TColor key = embossed->Pixel(0, kGlyph - 1);
  EXPECT_TRUE(PixelsMatch(*Painted(button), [&](int x, int y) {
    const int dx = x - 12, dy = y - 12;
    const TColor e = embossed->Pixel(dx, dy);
    return dx >= 0 && dy >= 0 && dx < kGlyph && dy < kGlyph && e != key ? e : FramePixel(3, x, y);
  }));
}

struct PlaceCase {
  const char* Layout;
  int Margin;
  POINT Glyph;
};

class BitButtonPlaces : public GlyphButtonSkinTest, public testing::WithParamInterface<PlaceCase> {};

TEST_P(BitButtonPlaces, PutTheGlyphWhereLayoutAndMarginSay) {
  TBitBtn* button = AddBitBtn(1);
  ASSERT_TRUE(SetPropValue(button, "Layout", TValue::Ident(Utf8ToWide(GetParam().Layout))));
  button->ButtonGlyph().Margin = GetParam().Margin;
  Attach<TSkinBitButton>(button);
  SetFocus(Elsewhere->Handle());
  EXPECT_TRUE(PixelsMatch(*Painted(button), FrameWithGlyph(1, 1, GetParam().Glyph)));
}

INSTANTIATE_TEST_SUITE_P(GlyphButtonSkin, BitButtonPlaces, testing::Values(
    PlaceCase{"blGlyphLeft", 3, {3, 12}}, PlaceCase{"blGlyphRight", 3, {40 - 3 - 16, 12}},
    PlaceCase{"blGlyphTop", 5, {12, 5}}, PlaceCase{"blGlyphBottom", 5, {12, 40 - 5 - 16}}));

TEST_F(GlyphButtonSkinTest, AZeroImageCountIsOneImage) {
  auto* button = Place(new TLooseGlyphButton(Form), L"", 10, 10, kFrameW, kFrameH);
  button->FGlyph.Assign(*MakeBitmap(kGlyph, kGlyph, GlyphColour));
  button->FNumGlyphs = 0;
  Attach<TSkinBitButton>(button);
  SetFocus(Elsewhere->Handle());
  EXPECT_TRUE(PixelsMatch(*Painted(button), FrameWithGlyph(1, 1, {12, 12})));
}

TEST_F(GlyphButtonSkinTest, AnImageListImageTakesThePlaceOfAGlyph) {
  TImageList images;
  ASSERT_TRUE(images.AddMasked(*MakeBitmap(2 * kGlyph, kGlyph, GlyphColour), kGlyph, TColor(0xFF00FF)));
  auto* button = Place(new TBitBtn(Form), L"", 10, 10, kFrameW, kFrameH);
  button->SetImages(&images);
  button->SetImageIndex(1);
  Attach<TSkinBitButton>(button);
  SetFocus(Elsewhere->Handle());
  EXPECT_TRUE(PixelsMatch(*Painted(button), [](int x, int y) {
    const int dx = x - 12, dy = y - 12;
    return dx >= 0 && dy >= 0 && dx < kGlyph && dy < kGlyph ? GlyphColour(kGlyph + dx, dy) : FramePixel(1, x, y);
  }));
  // Disabled without a disabled image: the same image greyed, so no longer its own pixels.
  button->SetEnabled(false);
  auto disabled = Painted(button);
  EXPECT_NE(disabled->Pixel(12 + 5, 12 + 5), GlyphColour(kGlyph + 5, 5));
  EXPECT_EQ(disabled->Pixel(2, 2), FramePixel(3, 2, 2));
}

TEST_F(GlyphButtonSkinTest, ThePicturePropertyIsDrawnAtItsOwnSizeAndDefaultIsNotShown) {
  auto* button = Place(new TLooseGlyphButton(Form), L"", 10, 10, kFrameW, kFrameH);
  button->FPicture.Assign(*MakeBitmap(20, 10, GlyphColour));
  // A Glyph too, which this variant does not show.
  button->FGlyph.Assign(*MakeBitmap(kGlyph, kGlyph, [](int, int) { return clBlack; }));
  button->SetDefault(true);
  TSkinBitButton* skinner = Attach<TSkinBitButton>(button);
  skinner->SetGlyphProperty("PngImage");
  SetFocus(Elsewhere->Handle());
  // (40 - 20) div 2, (40 - 10 + 1) div 2; every pixel of it, none left out.
  auto withPicture = [](int frame) {
    return [frame](int x, int y) {
      const int dx = x - 10, dy = y - 15;
      return dx >= 0 && dy >= 0 && dx < 20 && dy < 10 ? GlyphColour(dx, dy) : FramePixel(frame, x, y);
    };
  };
  EXPECT_TRUE(PixelsMatch(*Painted(button), withPicture(1)));
  SetFocus(button->Handle());
  EXPECT_TRUE(PixelsMatch(*Painted(button), withPicture(5)));
}

class MenuButtonStates : public GlyphButtonSkinTest, public testing::WithParamInterface<StateCase> {};

TEST_P(MenuButtonStates, ShowTheFrameAndTheArrow) {
  const StateCase& c = GetParam();
  TButton* button = AddButton(L"");
  Attach<TSkinMenuButton>(button);
  EnterState(button, Elsewhere, c);
  auto painted = Painted(button);
  // No glyph, no caption: margin and spacing (40 - 8) div 4 = 8, the caption
  // at 16, the arrow's centre at (16 + 2 * 8, (40 - 3) div 2) = (32, 18).
  const TColor arrow = TColor(ColorToRGB(c.Disabled ? clBtnShadow : clWindowText));
  for (POINT p : {POINT{32, 20}, POINT{32, 19}, POINT{31, 18}, POINT{33, 18}, POINT{30, 17}, POINT{34, 17}})
    EXPECT_EQ(painted->Pixel(p.x, p.y), arrow) << p.x << "," << p.y;
  // Around the arrow's box, and in the ring the focus rectangle leaves alone, the frame.
  EXPECT_TRUE(PixelsMatch(*painted, [&](int x, int y) {
    const bool nearArrow = x >= 27 && x <= 37 && y >= 15 && y <= 22;
    const bool nearFocus = x >= 10 && x <= 22 && y >= 8 && y <= 30;
    return nearArrow || nearFocus ? painted->Pixel(x, y) : FramePixel(c.Frame, x, y);
  }));
}

INSTANTIATE_TEST_SUITE_P(GlyphButtonSkin, MenuButtonStates, testing::Values(
    StateCase{"Normal", false, false, false, false, false, 1},
    StateCase{"DefaultIsNotShown", true, false, false, false, false, 1},
    StateCase{"Focused", false, true, false, false, false, 4},
    StateCase{"Hot", false, false, true, false, false, 4},
    StateCase{"Pressed", false, false, false, true, false, 2},
    StateCase{"Disabled", false, false, true, false, true, 3}),
    CaseName);

}  // namespace
