// The skin colour text: three numbers, red, green and blue, any separators.
#include "skin/data/SkinColourText.h"
#include <gtest/gtest.h>

namespace {
constexpr int32_t Rgb(int r, int g, int b) { return r | g << 8 | b << 16; }
constexpr int32_t kDefault = int32_t(0xFF00000F);  // a system colour, as callers pass

struct TColourTextCase {
  const char* Text;
  int32_t Expected;
};

const TColourTextCase kCases[] = {
    {"227 238 253", Rgb(227, 238, 253)},
    {"255", Rgb(0, 0, 0)},              // one number with nothing after it does not count
    {"", kDefault},
    {"   \t", kDefault},                // empty once trimmed
    {" 7 8 9 ", Rgb(7, 8, 9)},          // trimmed, so 9 ends the text and counts as the third
    {"10 20", Rgb(10, 0, 0)},           // 20 ends the text as the second number
    {"10 20 ", Rgb(10, 0, 0)},
    {"10,20,30", Rgb(10, 20, 30)},
    {"R10;G20;B30;", Rgb(10, 20, 30)},
    {"1 2 3 4 5", Rgb(1, 2, 3)},        // numbers after the third are ignored
    {"1 2 3x", Rgb(1, 2, 3)},
    {"256 257 511", Rgb(0, 1, 255)},    // modulo 256
    {"-5 6 7", Rgb(5, 6, 7)},           // a minus sign only separates
    {"2147483647 0 0", Rgb(255, 0, 0)}, // the largest 32-bit number still counts
    {"2147483648 1 2 3", Rgb(0, 0, 0)}, // too long: neither it nor what follows
    {"1 99999999999 3", Rgb(1, 0, 0)},
    {"1 2 99999999999", Rgb(1, 2, 0)},
    {"no digits", Rgb(0, 0, 0)},
};

class SkinLoadColourText : public testing::TestWithParam<TColourTextCase> {};

TEST_P(SkinLoadColourText, GivesTheColourOfItsNumbers) {
  EXPECT_EQ(SkinColourFromText(GetParam().Text, kDefault), GetParam().Expected) << '"' << GetParam().Text << '"';
}

INSTANTIATE_TEST_SUITE_P(Texts, SkinLoadColourText, testing::ValuesIn(kCases));
}  // namespace
