// Packages that are refused or damaged: each is reported through the
// message box and leaves the skin loaded before exactly as it was.
#include "skin/data/ByteOrder.h"
#include "tests/win/skin/SkinLoadKit.h"
#include "tools/LzhEncoder.h"
#include "tools/SkinPackWriter.h"

using namespace skinload;

namespace {
constexpr const char* kDamaged = "This skin is damaged and was not loaded:\r";

// An expanded package of one INI entry, as the packer writes it.
std::vector<uint8_t> Expanded() {
  TSkinPackWriter writer;
  writer.AddEntry("a.bmp", SolidBmp(4, 4, 0x123456));
  writer.AddEntry("skin.ini", {'[', 'X', ']'});
  return writer.BuildExpanded();
}

std::vector<uint8_t> WithField(std::vector<uint8_t> expanded, size_t at, uint32_t value) {
  for (int i = 0; i < 4; ++i) expanded[at + size_t(i)] = uint8_t(value >> (8 * i));
  return TLzhEncoder::Compress(expanded);
}

std::vector<uint8_t> Cut(std::vector<uint8_t> expanded, size_t keep) {
  expanded.resize(keep);
  return TLzhEncoder::Compress(expanded);
}

// Where the size table of Expanded() starts: header, version block, names.
size_t SizeTableStart(const std::vector<uint8_t>& expanded) { return 16 + 69 + ReadLE32(&expanded[4]); }

// A version-70000 package with count empty entries, one more than the
// size table of the format holds when count is 1002.
std::vector<uint8_t> WithEntries(size_t count) {
  std::string names;
  for (size_t i = 0; i < count; ++i) names += "e" + std::to_string(i) + ".bmp\r\n";
  std::vector<uint8_t> expanded;
  AppendLE32(expanded, 70000);
  AppendLE32(expanded, uint32_t(names.size()));
  AppendLE32(expanded, 0);
  AppendLE32(expanded, 0);
  expanded.resize(expanded.size() + 69, 0);
  expanded.insert(expanded.end(), names.begin(), names.end());
  expanded.resize(expanded.size() + 4 * count, 0);
  return TLzhEncoder::Compress(expanded);
}

// A second skin whose description names an entry that is no BMP file.
std::vector<uint8_t> NamesABrokenImage() {
  TTestSkin test;
  test.Add("good.bmp", SolidBmp(8, 8, 0x00FF00)).Add("broken.bmp", {'B', 'M', 1, 2, 3, 4, 5, 6});
  test.Ini = "[TitlebarSkin]\r\nSkinName=Second\r\n[Buttons]\r\nBitmap=good.bmp\r\n"
             "[MenuItem]\r\nImage=dir\\Broken.bmp\r\n";
  return test.Package();
}

std::vector<uint8_t> SecondSkin() {
  TTestSkin test;
  test.Add("f.bmp", SolidBmp(20, 10, 0x996633)).Add("g.bmp", StripBmp(10, 12, {0x112233, 0x445566, 0x778899}));
  test.Ini = "[TitlebarSkin]\r\nSkinName=Second\r\n[Colours]\r\nButtonFace=7 8 9\r\n"
             "[MenuItem]\r\nImage=f.bmp\r\n[Tabs]\r\nImage=g.bmp\r\n[Personality]\r\nTop=g.bmp\r\n";
  return test.Package();
}

std::vector<uint8_t> WithBytesAfter(std::vector<uint8_t> package) {
  package.insert(package.end(), {0x5A, 0xA5, 0x5A});
  return package;
}

struct TDamageCase {
  const char* Name;
  std::vector<uint8_t> (*Package)();
  std::string Message;  // the text shown; for flipped bits only its start is fixed
};

std::string Damaged(const char* reason) { return std::string(kDamaged) + reason; }

const TDamageCase kCases[] = {
    {"UnknownVersion", [] { return WithField(Expanded(), 0, 12345); },
     "This is Older Skin File\rPlease update to new version !"},
    {"ShorterThanItsHeader", [] { return Cut(Expanded(), 10); }, Damaged("package too short for its header")},
    {"NameListOverruns", [] { return WithField(Expanded(), 4, 0x7FFFFFFF); }, Damaged("name list runs past the end")},
    {"SizeTableOverruns", [] { const auto e = Expanded(); return Cut(e, SizeTableStart(e) + 5); },
     Damaged("size table runs past the end")},
    {"EntriesOverrunTheContents", [] { const auto e = Expanded(); return Cut(e, e.size() - 1); },
     Damaged("entry sizes exceed the contents")},
    {"TooManyEntries", [] { return WithEntries(1002); }, Damaged("too many entries")},
    {"StatedSizeAboveTheLimit", [] { auto p = SecondSkin(); p[0] = p[1] = p[2] = p[3] = 0xFF; return p; },
     Damaged("LZH : Stated size exceeds the limit")},
    {"NoSizeField", [] { return std::vector<uint8_t>{1, 2}; }, Damaged("LZH : Input too short for the size field")},
    {"StreamCutInHalf", [] { return CutInHalf(SecondSkin()); },
     Damaged("the compressed stream ends before its stated size")},
    {"BytesAfterTheStream", [] { return WithBytesAfter(SecondSkin()); },
     Damaged("bytes follow the end of the compressed stream")},
    // Where the decoding goes astray decides the reason.
    {"TwoHundredBitsFlipped", [] { return FlipStreamBits(SecondSkin(), 200, 20101209); }, kDamaged},
    {"ImageThatDoesNotDecode", NamesABrokenImage,
     Damaged("the image \"broken.bmp\" is not a readable BMP file")},
};

void PrintTo(const TDamageCase& c, std::ostream* out) { *out << c.Name; }

class SkinLoadDamage : public testing::TestWithParam<TDamageCase> {};

TEST_P(SkinLoadDamage, IsReportedAndTheEarlierSkinStaysAsItWas) {
  TSkinState skin;
  ASSERT_TRUE(LoadTestSkin(skin, FullSkin()));
  const auto menuItemFreed = TrackElement(skin.MenuItem);
  const auto buttonsFreed = TrackElement(skin.PushButtons);
  const HBRUSH brush = skin.ButtonFaceBrush.Get();
  LOGBRUSH before{};
  GetObjectW(brush, sizeof before, &before);

  std::vector<std::string> messages;
  EXPECT_FALSE(LoadTestPackage(skin, GetParam().Package(), &messages));

  ASSERT_EQ(messages.size(), 1u);
  if (GetParam().Message == kDamaged) {
    EXPECT_EQ(messages[0].rfind(kDamaged, 0), 0u) << messages[0];
    EXPECT_GT(messages[0].size(), GetParam().Message.size()) << "no reason given";
  } else {
    EXPECT_EQ(messages[0], GetParam().Message);
  }

  EXPECT_FALSE(skin.NoSkinLoaded);
  EXPECT_EQ(skin.SkinName, "First");
  EXPECT_FALSE(*menuItemFreed);
  EXPECT_FALSE(*buttonsFreed);
  EXPECT_TRUE(IsTracked(skin.MenuItem.get()));
  EXPECT_TRUE(IsTracked(skin.PushButtons.get()));
  const TPixelFunction first = [](int, int) { return TColor(0x336699); };
  EXPECT_TRUE(PixelsAre(*skin.MenuItem->Image, 40, 21, first));
  EXPECT_TRUE(PixelsAre(*skin.FrameSideTop->Image, 40, 21, first));
  ASSERT_NE(skin.Tabs, nullptr);
  EXPECT_TRUE(PixelsAre(*skin.Tabs->Image, 40, 21, first));
  ASSERT_NE(skin.GroupBoxEdge, nullptr);
  ASSERT_NE(skin.MenuBarElement, nullptr);
  EXPECT_EQ(skin.SysButtonElements.size(), 4u);  // Button0 and the three MDI buttons
  EXPECT_EQ(skin.SkinColours[3], TColor(RGB(1, 2, 3)));
  EXPECT_EQ(skin.ExtraColours, std::vector<TColor>{TColor(RGB(4, 5, 6))});
  // The brush of the earlier ButtonFace is still the one in use.
  LOGBRUSH after{};
  ASSERT_EQ(GetObjectW(skin.ButtonFaceBrush.Get(), sizeof after, &after), int(sizeof after));
  EXPECT_EQ(after.lbColor, before.lbColor);
  EXPECT_EQ(after.lbColor, RGB(1, 2, 3));
}

INSTANTIATE_TEST_SUITE_P(Kinds, SkinLoadDamage, testing::ValuesIn(kCases),
                         [](const testing::TestParamInfo<TDamageCase>& info) { return std::string(info.param.Name); });

TEST(SkinLoadDamageNot, ValuesNamingNoEntryOrNoBmpAndUnnamedEntriesAreNoDamage) {
  TTestSkin test;
  // "Spare.bmp" is named by nothing; "buttons.bmp" only by "Buttons.BMP",
  // which is no ".bmp" name; "missing.bmp" is not there; "empty.bmp" is empty.
  test.Add("spare.bmp", {'B', 'M', 9}).Add("buttons.bmp", {'x'}).Add("empty.bmp", {});
  test.Add("good.bmp", SolidBmp(3, 2, 0x0000FF));
  test.Ini = "[TitlebarSkin]\r\nSkinName=Whole\r\n[Buttons]\r\nBitmap=Buttons.BMP\r\n"
             "[MenuItem]\r\nImage=missing.bmp\r\n[Tabs]\r\nImage=empty.bmp\r\n[SunkEdge]\r\nImage=good.bmp\r\n";
  TSkinState skin;
  std::vector<std::string> messages;
  ASSERT_TRUE(LoadTestSkin(skin, test, &messages));
  EXPECT_TRUE(messages.empty());
  EXPECT_EQ(skin.SkinName, "Whole");
  EXPECT_TRUE(skin.PushButtons->Image->Empty());
  ASSERT_NE(skin.MenuItem, nullptr);
  EXPECT_TRUE(skin.MenuItem->Image->Empty());
  ASSERT_NE(skin.Tabs, nullptr);
  EXPECT_TRUE(skin.Tabs->Image->Empty());
  ASSERT_NE(skin.SunkEdge, nullptr);
  EXPECT_EQ(skin.SunkEdge->Image->Width(), 3);
}

TEST(SkinLoadDamageNot, TheDamagedPackagesAreWholeBeforeTheDamage) {
  // The stream-level cases above damage this package; intact, it loads.
  TSkinState skin;
  std::vector<std::string> messages;
  ASSERT_TRUE(LoadTestPackage(skin, SecondSkin(), &messages));
  EXPECT_TRUE(messages.empty());
  EXPECT_EQ(skin.SkinName, "Second");
  ASSERT_NE(skin.Tabs, nullptr);
  EXPECT_EQ(skin.Tabs->Image->Width(), 30);
}
}  // namespace
