#include <gtest/gtest.h>

#include <climits>

#include "skin/data/AsciiText.h"
#include "skin/data/IntText.h"
#include "skin/data/TextLines.h"

namespace {

struct TSplitCase {
  const char* Text;
  std::vector<std::string> Lines;
};

class SplitLinesCases : public testing::TestWithParam<TSplitCase> {};

TEST_P(SplitLinesCases, SplitsAtCrLfOrCrLf) { EXPECT_EQ(SplitLines(GetParam().Text), GetParam().Lines); }

INSTANTIATE_TEST_SUITE_P(
    LineEnds, SplitLinesCases,
    testing::Values(TSplitCase{"", {}}, TSplitCase{"a", {"a"}}, TSplitCase{"a\r\nb", {"a", "b"}},
                    TSplitCase{"a\rb\nc", {"a", "b", "c"}}, TSplitCase{"a\r\n", {"a"}},
                    TSplitCase{"a\n", {"a"}}, TSplitCase{"a\r", {"a"}},
                    TSplitCase{"a\n\rb", {"a", "", "b"}}, TSplitCase{"a\r\n\r\nb", {"a", "", "b"}},
                    TSplitCase{"\n", {""}}, TSplitCase{"\r\n\r\n", {"", ""}}));

TEST(AsciiText, TrimRemovesEveryControlCharacterAndSpaceAtBothEnds) {
  EXPECT_EQ(TrimText(" \t\x01 a b\r\n\x1F "), "a b");
  EXPECT_EQ(TrimText(" \t "), "");
  // Bytes above 127 are text, not blanks.
  EXPECT_EQ(TrimText("\xA0x\xA0"), "\xA0x\xA0");
}

TEST(AsciiText, OnlyAsciiLettersChangeCase) {
  EXPECT_EQ(LowerAscii("Buttons.BMP \xC4"), "buttons.bmp \xC4");
  EXPECT_TRUE(SameTextAscii("[Colours]", "[COLOURS]"));
  EXPECT_FALSE(SameTextAscii("[Colours]", "[Colour]"));
  EXPECT_FALSE(SameTextAscii("\xC4", "\xE4"));
}

TEST(SplitLines, StopsOneLinePastTheLimit) {
  EXPECT_EQ(SplitLines("a\nb\nc\nd\n", 2), (std::vector<std::string>{"a", "b", "c"}));
  EXPECT_EQ(SplitLines("a\nb\n", 2), (std::vector<std::string>{"a", "b"}));
  EXPECT_EQ(SplitLines(std::string(1000000, '\n'), 1001).size(), 1002u);
}

struct TIntCase {
  const char* Text;
  bool Ok;
  int Value;
};

class TryParseIntCases : public testing::TestWithParam<TIntCase> {};

TEST_P(TryParseIntCases, ConvertsDecimalAndDollarHex) {
  int value = 12345;
  EXPECT_EQ(TryParseInt(GetParam().Text, value), GetParam().Ok) << GetParam().Text;
  EXPECT_EQ(value, GetParam().Ok ? GetParam().Value : 12345) << GetParam().Text;
}

INSTANTIATE_TEST_SUITE_P(
    Texts, TryParseIntCases,
    testing::Values(TIntCase{"0", true, 0}, TIntCase{"42", true, 42}, TIntCase{"-42", true, -42},
                    TIntCase{"+7", true, 7}, TIntCase{"007", true, 7},
                    TIntCase{"2147483647", true, INT_MAX}, TIntCase{"-2147483648", true, INT_MIN},
                    TIntCase{"2147483648", false, 0}, TIntCase{"-2147483649", false, 0},
                    TIntCase{"99999999999999999999", false, 0}, TIntCase{"$10", true, 16},
                    TIntCase{"$ff00FF", true, 0xFF00FF}, TIntCase{"$FFFFFFFF", true, -1},
                    TIntCase{"$100000000", false, 0}, TIntCase{"-$10", true, -16},
                    TIntCase{"", false, 0}, TIntCase{"$", false, 0}, TIntCase{"-", false, 0},
                    TIntCase{"12a", false, 0}, TIntCase{"0x10", false, 0}, TIntCase{" 1", false, 0},
                    TIntCase{"1 ", false, 0}, TIntCase{"$g", false, 0}, TIntCase{"1.5", false, 0}));

}  // namespace
