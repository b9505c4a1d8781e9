#include <gtest/gtest.h>

#include <string>

#include "app/DecimalDigits.h"

namespace {

struct TRoundCase {
  const char* Digits;
  long PointPos;
  std::size_t Significant;
  const char* RoundedDigits;
  long RoundedPointPos;
};

class CalcRoundDigits : public ::testing::TestWithParam<TRoundCase> {};

TEST_P(CalcRoundDigits, RoundsHalfAwayAndTrims) {
  const TRoundCase& c = GetParam();
  TDecimalDigits number;
  number.Digits = c.Digits;
  number.PointPos = c.PointPos;
  RoundToSignificant(number, c.Significant);
  EXPECT_EQ(number.Digits, c.RoundedDigits);
  EXPECT_EQ(number.PointPos, c.RoundedPointPos);
}

INSTANTIATE_TEST_SUITE_P(Cases, CalcRoundDigits, ::testing::Values(
    TRoundCase{"124", 1, 2, "12", 1},
    TRoundCase{"125", 1, 2, "13", 1},
    TRoundCase{"1349", 0, 2, "13", 0},
    TRoundCase{"199", 3, 2, "2", 3},
    TRoundCase{"999", -2, 2, "1", -1},
    TRoundCase{"1200", 4, 15, "12", 4},
    TRoundCase{"7", 1, 15, "7", 1}));

struct TExpansionCase {
  long double Value;
  const char* Digits;
  long PointPos;
};

class CalcExactExpansion : public ::testing::TestWithParam<TExpansionCase> {};

TEST_P(CalcExactExpansion, IsExact) {
  const TDecimalDigits number = ExactDecimalDigits(GetParam().Value);
  EXPECT_EQ(number.Digits, GetParam().Digits);
  EXPECT_EQ(number.PointPos, GetParam().PointPos);
}

INSTANTIATE_TEST_SUITE_P(Values, CalcExactExpansion, ::testing::Values(
    TExpansionCase{1.0L, "1", 1},
    TExpansionCase{0.375L, "375", 0},
    TExpansionCase{1024.0L, "1024", 4},
    TExpansionCase{0x1p-10L, "9765625", -3},
    TExpansionCase{18446744073709551615.0L, "18446744073709551615", 20},
    TExpansionCase{0x1p64L, "18446744073709551616", 20}));

}  // namespace
