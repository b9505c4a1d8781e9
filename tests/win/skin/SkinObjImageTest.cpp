// Controls of other component sets that take a glyph strip: the strip built
// from the skin's check-box or radio-button image, frame by frame, handed
// over by property name, and taken back on detach.
#include "host/Forms.h"
#include "skin/controls/SkinObjImage.h"
#include "skin/manager/SkinMessages.h"
#include "tests/win/skin/SkinLoadKit.h"

using namespace skinload;

namespace {
// Source frames in colours that tell them apart; a blank frame stays black.
const std::vector<TColor> kFrameColours = {TColor(RGB(200, 0, 0)), TColor(RGB(0, 200, 0)), TColor(RGB(0, 0, 200)),
                                           TColor(RGB(200, 200, 0)), TColor(RGB(0, 200, 200))};
constexpr int kFrameWidth = 13, kFrameHeight = 13;
constexpr int kBlank = -1;

std::unique_ptr<TBitmap> Strip(int frames) {
  const std::vector<uint8_t> bmp =
      StripBmp(kFrameWidth, kFrameHeight, std::vector<TColor>(kFrameColours.begin(), kFrameColours.begin() + frames));
  auto bitmap = std::make_unique<TBitmap>();
  EXPECT_TRUE(bitmap->LoadFromBuffer(bmp.data(), bmp.size()));
  return bitmap;
}

// Which source frame each destination frame shows.
std::vector<int> FramesOf(const TBitmap& strip) {
  std::vector<int> shown;
  for (int x = kFrameWidth / 2; x < strip.Width(); x += kFrameWidth) {
    const TColor c = strip.Pixel(x, kFrameHeight / 2);
    auto it = std::find(kFrameColours.begin(), kFrameColours.end(), c);
    shown.push_back(it == kFrameColours.end() ? kBlank : int(it - kFrameColours.begin()));
  }
  return shown;
}

// A check box of another set: a glyph strip and the switch that reloads it.
class TGlyphCheck : public TWinControl {
public:
  explicit TGlyphCheck(TComponent* owner) : TWinControl(owner) {}
  const TClassInfo& ClassType() const override { return StaticClass(); }
  static const TClassInfo& StaticClass() {
    static const TClassInfo info{"TRzCheckBox", &TWinControl::StaticClass(),
        {TPropInfo{"CustomGlyphs", [](TPersistent& o) { return TValue::Obj(&static_cast<TGlyphCheck&>(o).Glyphs); }, {}},
         IntProp("TransparentColor", &TGlyphCheck::GetKey, &TGlyphCheck::SetKey),
         BoolProp("UseCustomGlyphs", &TGlyphCheck::GetUse, &TGlyphCheck::SetUse)}};
    return info;
  }
  int GetKey() const { return Key; }
  void SetKey(int v) { Key = v; }
  bool GetUse() const { return Uses.empty() ? false : Uses.back(); }
  void SetUse(bool v) { Uses.push_back(v); }

  TBitmap Glyphs;
  int Key = 0;
  std::vector<bool> Uses;  // every write, in order
};

// One whose glyph lives in an object of its "Properties".
class TGlyphProperties : public TPersistent {
public:
  const TClassInfo& ClassType() const override { return StaticClass(); }
  static const TClassInfo& StaticClass() {
    static const TClassInfo info{"TGlyphProperties", &TPersistent::StaticClass(),
        {TPropInfo{"Glyph", [](TPersistent& o) { return TValue::Obj(&static_cast<TGlyphProperties&>(o).Glyph); }, {}}}};
    return info;
  }
  TBitmap Glyph;
};
class TPropertiesCheck : public TWinControl {
public:
  explicit TPropertiesCheck(TComponent* owner) : TWinControl(owner) {}
  const TClassInfo& ClassType() const override { return StaticClass(); }
  static const TClassInfo& StaticClass() {
    static const TClassInfo info{"TcxCheckBox", &TWinControl::StaticClass(),
        {TPropInfo{"Properties", [](TPersistent& o) { return TValue::Obj(&static_cast<TPropertiesCheck&>(o).Props); }, {}}}};
    return info;
  }
  TGlyphProperties Props;
};

class SkinObjImageTest : public testing::Test {
protected:
  void SetUp() override {
    TTestSkin skin;
    skin.Add("check.bmp", StripBmp(kFrameWidth, kFrameHeight, {kFrameColours[0], kFrameColours[1], kFrameColours[2],
                                                              kFrameColours[3]}))
        .Add("radio.bmp", StripBmp(kFrameWidth, kFrameHeight, {kFrameColours[0], kFrameColours[1], kFrameColours[2],
                                                              kFrameColours[3]}));
    skin.Ini = "[Buttons]\r\nCheckButton=check.bmp\r\nRadioButton=radio.bmp\r\n";
    ASSERT_TRUE(LoadTestSkin(Data, skin));
    Form.SetBounds(0, 0, 200, 100);
  }
  template <class C>
  C* Control() {
    auto* c = new C(&Form);
    c->SetParent(&Form);
    c->SetBounds(0, 0, 80, 20);
    return c;
  }
  TSkinObjImage* Skin(TWinControl& control, int mode) {
    auto* skinner = new TSkinObjImage(&control);
    skinner->GlyphMode = mode;
    skinner->AttachControl(nullptr, &Data, true, nullptr);
    return skinner;
  }

  TSkinData Data{nullptr};
  TForm Form{nullptr};
};
}  // namespace

TEST(GlyphStrip, EachModeCopiesItsFramesAndLeavesTheRestBlank) {
  struct TRow {
    int Mode, SourceFrames;
    std::vector<int> Shown;
  };
  const TRow rows[] = {
      {gmCheckGlyphs, 4, {0, 1, kBlank, 0, 1, kBlank, 2, 3, kBlank}},
      {gmCheckGlyphs, 5, {0, 1, 4, 0, 1, 4, 2, 3, 4}},
      {gmRadioGlyphs, 4, {0, 1, 0, 1, 2, 3}},
      {gmRadioGlyphs, 5, {0, 1, 0, 1, 2, 3}},
      {gmPropertiesGlyph, 4, {0, 1, kBlank, 0, 1, kBlank}},
      {gmPropertiesGlyph, 5, {0, 1, 4, 0, 1, 4}},
      // A source of too few frames leaves what it lacks blank.
      {gmRadioGlyphs, 2, {0, 1, 0, 1, kBlank, kBlank}},
  };
  for (const TRow& row : rows) {
    auto source = Strip(row.SourceFrames);
    TBitmap strip;
    BuildGlyphStrip(row.Mode, *source, row.SourceFrames, strip);
    EXPECT_EQ(strip.Height(), kFrameHeight);
    EXPECT_EQ(FramesOf(strip), row.Shown) << "mode " << row.Mode << ", " << row.SourceFrames << " frames";
  }
  TBitmap strip;
  BuildGlyphStrip(gmCheckGlyphs, TBitmap(), 4, strip);
  EXPECT_TRUE(strip.Empty());
}

TEST_F(SkinObjImageTest, TheStripGoesIntoCustomGlyphsWhichTheControlReloads) {
  auto* check = Control<TGlyphCheck>();
  TSkinObjImage* skinner = Skin(*check, gmCheckGlyphs);
  EXPECT_EQ(check->Glyphs.Width(), 9 * kFrameWidth);
  EXPECT_EQ(check->Key, 0xFF00FF);
  EXPECT_EQ(check->Uses, (std::vector<bool>{false, true}));
  // It has no message hook: it does not answer for the control.
  EXPECT_NE(SendMessageW(check->Handle(), WM_SKIN_QUERY, 0, 0), 1);
  skinner->Detach();
  EXPECT_EQ(check->Uses.back(), false);
}

TEST_F(SkinObjImageTest, ARadioStripOfSixFrames) {
  auto* check = Control<TGlyphCheck>();
  Skin(*check, gmRadioGlyphs);
  EXPECT_EQ(FramesOf(check->Glyphs), (std::vector<int>{0, 1, 0, 1, 2, 3}));
}

TEST_F(SkinObjImageTest, TheGlyphOfThePropertiesObjectIsSetAndEmptiedOnDetach) {
  auto* check = Control<TPropertiesCheck>();
  TSkinObjImage* skinner = Skin(*check, gmPropertiesGlyph);
  const TBitmap& glyph = check->Props.Glyph;
  EXPECT_EQ(glyph.Width(), 6 * kFrameWidth);
  EXPECT_EQ(glyph.TransparentColor, 0xFF00FF);
  EXPECT_FALSE(glyph.Transparent);
  skinner->Detach();
  EXPECT_TRUE(check->Props.Glyph.Empty());
}
