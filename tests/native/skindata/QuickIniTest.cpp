#include <gtest/gtest.h>

#include "skin/data/WinSkinIni.h"
#include "tests/native/skindata/TestBytes.h"

namespace {

const char* const kSkinIni =
    "Orphan=before any section\r\n"
    "; a comment line\r\n"
    "[Personality]\r\n"
    "Rightwidth=8\r\n"
    "  Trans =  1 \r\n"
    "Empty=\r\n"
    "Empty=second\r\n"
    "NoEquals\r\n"
    "=no key\r\n"
    "\tBitmap\t=\tx.bmp ;note\t\r\n"
    "   ;Bitmap=commented.bmp\r\n"
    "Mixed=Keeps Case\r\n"
    "Eq=a=b\r\n"
    "\r\n"
    "[Buttons]\n"
    "Hex=0x10\n"
    "HexUpper=0X1f\n"
    "Dollar=$10\n"
    "Short=0x\n"
    "Word=ten\n"
    "Neg=-3\n"
    "Spaced= 12 \n"
    "Big=2147483648\n"
    "Key=0xFFFFFFFF\n"
    "[ Spaced ]\r"
    "Inside=1\r"
    "[Colours]\n"
    "Title=1 2 3\n"
    "[COLOURS]\n"
    "Title=4 5 6\n"
    "Other=only in second\n";

TQuickIni LoadedIni(const std::string& text) {
  TQuickIni ini;
  const std::vector<uint8_t> bytes = Bytes(text);
  ini.LoadFromStream(bytes.data(), bytes.size());
  return ini;
}

struct TStringCase {
  const char* Section;
  const char* Key;
  const char* Expected;  // with default "DEF"
};

class IniReadString : public testing::TestWithParam<TStringCase> {};

TEST_P(IniReadString, FindsTheFirstMatchingKeyOfTheFirstSection) {
  const TQuickIni ini = LoadedIni(kSkinIni);
  const TStringCase& c = GetParam();
  EXPECT_EQ(ini.ReadString(c.Section, c.Key, "DEF"), c.Expected)
      << "[" << c.Section << "] " << c.Key;
}

INSTANTIATE_TEST_SUITE_P(
    Lookups, IniReadString,
    testing::Values(TStringCase{"Personality", "RightWidth", "8"},        // key case ignored
                    TStringCase{"personality", "RIGHTWIDTH", "8"},        // section case ignored
                    TStringCase{"Personality", "Trans", "1"},             // both sides trimmed
                    TStringCase{"Personality", "Empty", "DEF"},           // first key wins, empty
                    TStringCase{"Personality", "NoEquals", "DEF"},        // no "=": empty key
                    TStringCase{"Personality", "", "NoEquals"},           // ... found by ""
                    TStringCase{"Personality", "Bitmap", "x.bmp ;note"},  // ";" inside a value
                    TStringCase{"Personality", "Mixed", "Keeps Case"},
                    TStringCase{"Personality", "Eq", "a=b"},              // split at the first "="
                    TStringCase{"Personality", "Orphan", "DEF"},
                    TStringCase{"Personality", "Hex", "DEF"},             // stops at [Buttons]
                    TStringCase{"Buttons", "Hex", "0x10"},
                    TStringCase{"Spaced", "Inside", "DEF"},               // "[ Spaced ]" as written
                    TStringCase{" Spaced ", "Inside", "1"},
                    TStringCase{"Colours", "Title", "1 2 3"},             // first section only
                    TStringCase{"Colours", "Other", "DEF"},
                    TStringCase{"Missing", "Title", "DEF"}));

struct TIntegerCase {
  const char* Key;
  int Expected;  // with default -99
};

class IniReadInteger : public testing::TestWithParam<TIntegerCase> {};

TEST_P(IniReadInteger, ReadsDecimalAndHexadecimal) {
  const TQuickIni ini = LoadedIni(kSkinIni);
  EXPECT_EQ(ini.ReadInteger("Buttons", GetParam().Key, -99), GetParam().Expected) << GetParam().Key;
}

INSTANTIATE_TEST_SUITE_P(Values, IniReadInteger,
                         testing::Values(TIntegerCase{"Hex", 16}, TIntegerCase{"HexUpper", 31},
                                         TIntegerCase{"Dollar", 16}, TIntegerCase{"Short", -99},
                                         TIntegerCase{"Word", -99}, TIntegerCase{"Neg", -3},
                                         TIntegerCase{"Spaced", 12}, TIntegerCase{"Big", -99},
                                         TIntegerCase{"Key", -1}, TIntegerCase{"Missing", -99}));

TEST(QuickIni, ReadSectionsListsHeadersInFileOrderWithoutBrackets) {
  const TQuickIni ini = LoadedIni(kSkinIni);
  std::vector<std::string> sections = {"stale"};
  ini.ReadSections(&sections);
  EXPECT_EQ(sections,
            (std::vector<std::string>{"Personality", "Buttons", "Spaced", "Colours", "COLOURS"}));
}

TEST(QuickIni, ReadSectionsWithoutAListFailsWithTheAssertionMessage) {
  const TQuickIni ini = LoadedIni(kSkinIni);
  try {
    ini.ReadSections(nullptr);
    FAIL() << "no exception";
  } catch (const std::invalid_argument& e) {
    EXPECT_STREQ(e.what(), "The parameter Strings is unassigned!");
  }
}

TEST(QuickIni, KeepsOnlySignificantTrimmedLinesAndIndexesHeadersByThem) {
  const TQuickIni ini = LoadedIni("  ;c\r\n\r\n a = 1 \n\n[S]\r\n;x\r\nb=2\r[T]");
  EXPECT_EQ(ini.Lines(), (std::vector<std::string>{"a = 1", "[S]", "b=2", "[T]"}));
  const std::vector<std::pair<std::string, size_t>> sections = {{"[S]", 1}, {"[T]", 3}};
  EXPECT_EQ(ini.Sections(), sections);
}

TEST(QuickIni, ANulCharacterEndsTheText) {
  const std::string text("[S]\nA=1\n\0B=2\n", 13);
  const TQuickIni ini = LoadedIni(text);
  EXPECT_EQ(ini.ReadString("S", "A", "-"), "1");
  EXPECT_EQ(ini.ReadString("S", "B", "-"), "-");
}

TEST(QuickIni, LoadingAgainReplacesAndAnAbsentStreamChangesNothing) {
  TQuickIni ini = LoadedIni("[S]\nA=1\n");
  const std::vector<uint8_t> second = Bytes("[T]\nB=2\n");
  ini.LoadFromStream(second.data(), second.size());
  EXPECT_EQ(ini.ReadString("S", "A", "-"), "-");
  EXPECT_EQ(ini.ReadString("T", "B", "-"), "2");
  ini.LoadFromStream(nullptr, 100);
  EXPECT_EQ(ini.ReadString("T", "B", "-"), "2");
}

TEST(QuickIni, ValuesListsTheValueOfEveryKeyLineInFileOrder) {
  const TQuickIni ini = LoadedIni("v=before\r\n[S]\r\n a = x.bmp \r\nNoEquals\r\nb=\r\n;c=gone\r\n[T]\nA=y=z\n=w\n");
  EXPECT_EQ(ini.Values(), (std::vector<std::string>{"before", "x.bmp", "", "y=z", "w"}));
  EXPECT_TRUE(TQuickIni().Values().empty());
}

TEST(QuickIni, AnEmptyReaderAnswersDefaults) {
  const TQuickIni ini;
  EXPECT_EQ(ini.ReadString("S", "A", "d"), "d");
  EXPECT_EQ(ini.ReadInteger("S", "A", 5), 5);
  std::vector<std::string> sections = {"x"};
  ini.ReadSections(&sections);
  EXPECT_TRUE(sections.empty());
}

}  // namespace
