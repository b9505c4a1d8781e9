// Skin element records: what a new record holds, and that it goes quietly
// even when its bitmaps were released elsewhere.
#include "skin/data/DataSkinObject.h"
#include <gtest/gtest.h>
#include <functional>

namespace {

struct RecordCase {
  const char* Class;
  std::function<std::unique_ptr<TDataSkinObject>()> Make;
  // The bitmaps the class adds to Image.
  std::function<std::vector<std::unique_ptr<TBitmap>*>(TDataSkinObject&)> ExtraImages;
};

std::vector<RecordCase> Records() {
  auto none = [](TDataSkinObject&) { return std::vector<std::unique_ptr<TBitmap>*>{}; };
  return {
      {"TDataSkinObject", [] { return std::make_unique<TDataSkinObject>(L"Element"); }, none},
      {"TDataSkinBorder", [] { return std::make_unique<TDataSkinBorder>(L"Element"); },
       [](TDataSkinObject& o) {
         return std::vector<std::unique_ptr<TBitmap>*>{&static_cast<TDataSkinBorder&>(o).SecondImage};
       }},
      {"TDataSkinTitle", [] { return std::make_unique<TDataSkinTitle>(L"Element"); }, none},
      {"TDataSkinButton", [] { return std::make_unique<TDataSkinButton>(L"Element"); },
       [](TDataSkinObject& o) {
         auto& b = static_cast<TDataSkinButton&>(o);
         return std::vector<std::unique_ptr<TBitmap>*>{&b.CheckImage, &b.RadioImage};
       }},
      {"TDataSkinSysButton", [] { return std::make_unique<TDataSkinSysButton>(L"Element"); }, none},
      {"TDataSkinBoxLabel", [] { return std::make_unique<TDataSkinBoxLabel>(L"Element"); }, none},
  };
}

class SkinElementRecord : public testing::TestWithParam<RecordCase> {};

TEST_P(SkinElementRecord, StartsEmptyAndZero) {
  std::unique_ptr<TDataSkinObject> e = GetParam().Make();
  EXPECT_EQ(e->Name, L"Element");
  ASSERT_TRUE(e->Image);
  EXPECT_TRUE(e->Image->Empty());
  EXPECT_EQ(e->FrameCount, 0);
  const RECT m = SkinMargins(*e);
  EXPECT_EQ(m.left, 0);
  EXPECT_EQ(m.top, 0);
  EXPECT_EQ(m.right, 0);
  EXPECT_EQ(m.bottom, 0);
  EXPECT_EQ(e->Trans, 0);
  EXPECT_EQ(e->Tile, 0);
  EXPECT_EQ(e->Style, 0);
  for (std::unique_ptr<TBitmap>* image : GetParam().ExtraImages(*e)) {
    ASSERT_TRUE(*image);
    EXPECT_TRUE((*image)->Empty());
  }
}

TEST_P(SkinElementRecord, GoesQuietlyWhenItsBitmapsWereReleasedElsewhere) {
  std::unique_ptr<TDataSkinObject> e = GetParam().Make();
  e->Image->SetSize(4, 4);
  e->Image.reset();
  for (std::unique_ptr<TBitmap>* image : GetParam().ExtraImages(*e)) image->reset();
  EXPECT_FALSE(e->Image);
  e.reset();  // must not fault
}

INSTANTIATE_TEST_SUITE_P(Skin, SkinElementRecord, testing::ValuesIn(Records()),
                         [](const testing::TestParamInfo<RecordCase>& i) { return std::string(i.param.Class); });

TEST(SkinElementRecord, MarginsAreTheSliceFieldsInOrder) {
  TDataSkinBorder side(L"FrameSideTop");
  side.LeftWidth = 1;
  side.TopHeight = 2;
  side.RightWidth = 3;
  side.BottomHeight = 4;
  const RECT m = SkinMargins(side);
  EXPECT_EQ(m.left, 1);
  EXPECT_EQ(m.top, 2);
  EXPECT_EQ(m.right, 3);
  EXPECT_EQ(m.bottom, 4);
}

TEST(SkinElementRecord, AddedFieldsStartAtZero) {
  TDataSkinSysButton button(L"Close");
  EXPECT_EQ(button.Action | button.Align | button.Xcoord | button.Ycoord | button.CombineOp | button.Visibility |
                button.Visibility1, 0);
  TDataSkinButton push(L"PushButtons");
  EXPECT_FALSE(push.HasNormalColour2 || push.HasMouseOverColour2 || push.HasPressedColour2);
  EXPECT_EQ(push.RadioButtonFrame | push.CheckButtonFrame, 0);
  TDataSkinTitle title(L"Title");
  EXPECT_EQ(title.TextAlignment | title.Textbackground | title.FontHeight | title.TXTBackleft | title.TXTBackRight |
                title.ActiveTextColour | title.InActiveTextColour, 0);
  TDataSkinBoxLabel label(L"GroupBox");
  EXPECT_EQ(label.BackgroundLeftShift | label.BackgroundRightShift | label.BackgroundAlignment, 0);
}

}  // namespace
