// Which INI image values name which package entry.
#include "skin/data/SkinImages.h"
#include "tests/win/skin/SkinLoadKit.h"

using namespace skinload;

namespace {
struct TEntryNameCase {
  const char* Value;
  const char* Entry;
};

const TEntryNameCase kEntryNames[] = {
    {"Buttons.bmp", "Buttons.bmp"},
    {"dir\\buttons.bmp", "buttons.bmp"},
    {"C:\\skins\\dir/Buttons.bmp", "Buttons.bmp"},
    {"C:buttons.bmp", "buttons.bmp"},
    {"Buttons.BMP", ""},        // the extension test is case-sensitive
    {"Buttons.Bmp", ""},
    {"buttons", ""},
    {"buttons.bmp.txt", ""},
    {"dir.bmp\\buttons", ""},   // only the file-name part counts
    {"", ""},
};

class SkinLoadImageEntryName : public testing::TestWithParam<TEntryNameCase> {};

TEST_P(SkinLoadImageEntryName, IsTheFileNamePartOfABmpValue) {
  EXPECT_EQ(SkinImageEntryName(GetParam().Value), GetParam().Entry) << GetParam().Value;
}

INSTANTIATE_TEST_SUITE_P(Values, SkinLoadImageEntryName, testing::ValuesIn(kEntryNames));

// An image value in a skin: the push buttons' "Bitmap".
enum class TImageOutcome { Loads, Empty, Refused };

struct TImageValueCase {
  const char* Value;
  TImageOutcome Outcome;
};

const TImageValueCase kImageValues[] = {
    {"Buttons.bmp", TImageOutcome::Loads},
    {"buttons.bmp", TImageOutcome::Loads},
    {"dir\\buttons.bmp", TImageOutcome::Loads},
    {"BUTTONS.bmp", TImageOutcome::Loads},    // entries are found whatever their case
    {"Buttons.BMP", TImageOutcome::Empty},
    {"missing.bmp", TImageOutcome::Empty},
    {"empty.bmp", TImageOutcome::Empty},      // an entry of size 0
    {"broken.bmp", TImageOutcome::Refused},   // there, but not a BMP file: the package is damaged
    {"", TImageOutcome::Empty},
};

void PrintTo(const TImageValueCase& c, std::ostream* out) { *out << '"' << c.Value << '"'; }

class SkinLoadImageValue : public testing::TestWithParam<TImageValueCase> {};

TEST_P(SkinLoadImageValue, LoadsTheNamedEntryOrLeavesTheImageEmpty) {
  const TPixelFunction pattern = [](int x, int y) { return TColor(RGB(10 * x, 20 * y, 99)); };
  TTestSkin test;
  test.Add("buttons.bmp", Bmp24(6, 3, pattern)).Add("empty.bmp", {}).Add("broken.bmp", {'B', 'M', 1, 2});
  test.Ini = std::string("[Buttons]\r\nBitmap=") + GetParam().Value + "\r\n";
  TSkinState skin;
  const bool loaded = LoadTestSkin(skin, test);
  ASSERT_EQ(loaded, GetParam().Outcome != TImageOutcome::Refused) << GetParam().Value;
  if (!loaded) return;
  const TBitmap& image = *skin.PushButtons->Image;
  if (GetParam().Outcome == TImageOutcome::Loads)
    EXPECT_TRUE(PixelsAre(image, 6, 3, pattern)) << GetParam().Value;
  else
    EXPECT_TRUE(image.Empty()) << GetParam().Value;
}

INSTANTIATE_TEST_SUITE_P(Values, SkinLoadImageValue, testing::ValuesIn(kImageValues));

TEST(SkinLoadImage, AMissingEntryClearsAnImageLoadedBefore) {
  TSkinState skin;
  TTestSkin test;
  test.Add("buttons.bmp", SolidBmp(4, 4, 0x123456)).Ini = "[Buttons]\r\nBitmap=buttons.bmp\r\n";
  ASSERT_TRUE(LoadTestSkin(skin, test));
  ASSERT_FALSE(skin.PushButtons->Image->Empty());
  test.Ini = "[Buttons]\r\nBitmap=other.bmp\r\n";
  ASSERT_TRUE(LoadTestSkin(skin, test));
  EXPECT_TRUE(skin.PushButtons->Image->Empty());
}
}  // namespace
