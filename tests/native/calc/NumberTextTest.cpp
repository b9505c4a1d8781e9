#include <gtest/gtest.h>

#include <cfloat>
#include <limits>
#include <ostream>
#include <string>

#include "app/NumberText.h"

namespace {

struct TFormatCase {
  long double Value;
  const wchar_t* Text;
};

void PrintTo(const TFormatCase& c, std::ostream* os) {
  *os << ::testing::PrintToString(std::wstring(c.Text));
}

class CalcFormatNumber : public ::testing::TestWithParam<TFormatCase> {};

TEST_P(CalcFormatNumber, GivesText) {
  EXPECT_EQ(FormatNumber(GetParam().Value), GetParam().Text);
}

INSTANTIATE_TEST_SUITE_P(Fixed, CalcFormatNumber, ::testing::Values(
    TFormatCase{0.0L, L"0"},
    TFormatCase{-0.0L, L"0"},
    TFormatCase{7.0L, L"7"},
    TFormatCase{-7.0L, L"-7"},
    TFormatCase{100.0L, L"100"},
    TFormatCase{0.5L, L"0.5"},
    TFormatCase{123.45L, L"123.45"},
    TFormatCase{-10.5L, L"-10.5"},
    TFormatCase{0.0001L, L"0.0001"},
    TFormatCase{-0.00012345L, L"-0.00012345"},
    TFormatCase{1e14L, L"100000000000000"},
    TFormatCase{999999999999999.0L, L"999999999999999"},
    TFormatCase{1.0L / 3.0L, L"0.333333333333333"},
    TFormatCase{2.0L / 3.0L, L"0.666666666666667"},
    TFormatCase{123456789.123456789L, L"123456789.123457"},
    // Rounds up to 0.0001, which is shown in fixed notation.
    TFormatCase{0.0000999999999999999999L, L"0.0001"}));

INSTANTIATE_TEST_SUITE_P(Rounding, CalcFormatNumber, ::testing::Values(
    // Exact halves at the 16th digit round away from zero.
    TFormatCase{999999999999998.5L, L"999999999999999"},
    TFormatCase{-999999999999998.5L, L"-999999999999999"},
    TFormatCase{999999999999999.375L, L"999999999999999"},
    // The carry makes a 16th digit: 1E15 is no longer fixed.
    TFormatCase{999999999999999.5L, L"1E15"},
    TFormatCase{-999999999999999.5L, L"-1E15"},
    TFormatCase{9.9999999999999996e20L, L"1E21"},
    TFormatCase{12345678901234567890.0L, L"1.23456789012346E19"}));

INSTANTIATE_TEST_SUITE_P(Scientific, CalcFormatNumber, ::testing::Values(
    TFormatCase{1e15L, L"1E15"},
    TFormatCase{0.00001L, L"1E-5"},
    TFormatCase{0.000099999999999999L, L"9.9999999999999E-5"},
    TFormatCase{1.5e-7L, L"1.5E-7"},
    TFormatCase{-2.5e20L, L"-2.5E20"},
    TFormatCase{9999999999800000000001.0L, L"9.9999999998E21"},
    TFormatCase{1e600L, L"1E600"},
    TFormatCase{LDBL_MAX, L"1.18973149535723E4932"},
    TFormatCase{-LDBL_MAX, L"-1.18973149535723E4932"},
    TFormatCase{std::numeric_limits<long double>::denorm_min(),
                L"3.64519953188247E-4951"}));

TEST(CalcFormatNonFinite, NonFiniteValuesHaveText) {
  const long double inf = std::numeric_limits<long double>::infinity();
  EXPECT_EQ(FormatNumber(inf), L"INF");
  EXPECT_EQ(FormatNumber(-inf), L"-INF");
  EXPECT_EQ(FormatNumber(std::numeric_limits<long double>::quiet_NaN()),
            L"NAN");
}

struct TParseCase {
  const wchar_t* Text;
  long double Value;
};

void PrintTo(const TParseCase& c, std::ostream* os) {
  *os << ::testing::PrintToString(std::wstring(c.Text));
}

class CalcParseAccepts : public ::testing::TestWithParam<TParseCase> {};

TEST_P(CalcParseAccepts, GivesValue) {
  long double value = -123.0L;
  ASSERT_TRUE(ParseNumber(GetParam().Text, value));
  EXPECT_EQ(value, GetParam().Value);
}

INSTANTIATE_TEST_SUITE_P(Plain, CalcParseAccepts, ::testing::Values(
    TParseCase{L"0", 0.0L},
    TParseCase{L"05", 5.0L},
    TParseCase{L"12.5", 12.5L},
    TParseCase{L"  12  ", 12.0L},
    TParseCase{L"+3", 3.0L},
    TParseCase{L"-3", -3.0L},
    TParseCase{L" -3 ", -3.0L},
    TParseCase{L"5.", 5.0L},
    TParseCase{L".5", 0.5L},
    TParseCase{L".", 0.0L},
    TParseCase{L"-.", 0.0L},
    TParseCase{L"0.0001", 0.0001L},
    TParseCase{L"0.1", 0.1L},
    TParseCase{L"0.333333333333333", 0.333333333333333L},
    TParseCase{L"12345678901", 12345678901.0L},
    TParseCase{L"9223372036854775807", 9223372036854775807.0L},
    TParseCase{L"-1.18973149535723E4932", -1.18973149535723e4932L}));

INSTANTIATE_TEST_SUITE_P(Exponent, CalcParseAccepts, ::testing::Values(
    TParseCase{L"1E5", 1e5L},
    TParseCase{L"1e-3", 1e-3L},
    TParseCase{L"1E+2", 100.0L},
    TParseCase{L"1.5E-7", 1.5e-7L},
    TParseCase{L"-2.5E20", -2.5e20L},
    TParseCase{L"1e", 1.0L},
    TParseCase{L"2E-", 2.0L},
    TParseCase{L"E5", 0.0L},
    TParseCase{L"e", 0.0L},
    TParseCase{L"1E499", 1e499L},
    TParseCase{L"1E500", 1e500L},
    TParseCase{L"1E0500", 1e500L},
    TParseCase{L"1E00000000000000000000000001", 10.0L},
    TParseCase{L"0.001E503", 1e500L},
    TParseCase{L"1E-4940", 1e-4940L},
    // Too small for the extended range: zero, not a failure.
    TParseCase{L"1E-4999", 0.0L}));

TEST(CalcParseLongText, LongTextsKeepTheirScale) {
  long double value = 0.0L;
  ASSERT_TRUE(ParseNumber(L"0." + std::wstring(6000, L'0') + L"1", value));
  EXPECT_EQ(value, 0.0L);
  ASSERT_TRUE(ParseNumber(std::wstring(300, L'0') + L"7.25", value));
  EXPECT_EQ(value, 7.25L);
  ASSERT_TRUE(ParseNumber(L"1" + std::wstring(600, L'0'), value));
  EXPECT_EQ(value, 1e600L);
  EXPECT_FALSE(ParseNumber(L"1" + std::wstring(5000, L'0'), value));
}

class CalcParseRejects : public ::testing::TestWithParam<const wchar_t*> {};

TEST_P(CalcParseRejects, Fails) {
  long double value = 0.0L;
  EXPECT_FALSE(ParseNumber(GetParam(), value));
}

INSTANTIATE_TEST_SUITE_P(Texts, CalcParseRejects, ::testing::Values(
    L"", L"   ", L"-", L"+", L" - ", L"--1", L"+-1", L"1 2", L"\t1", L"1\t",
    L"1.2.3", L"1x", L"abc", L"1,5", L"0x10", L"inf", L"nan", L"1E+-2",
    L"1e5.5", L"1EE5", L"\x0661", L"１", L"五",
    // Exponent digits stop at 500; the digit left over is not allowed.
    L"1E5000", L"1E-5000",
    // Beyond the extended range.
    L"1E4933", L"-1E4933", L"1E4999", L"1.2E4932"));

}  // namespace
