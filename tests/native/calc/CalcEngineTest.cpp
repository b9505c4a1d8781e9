#include <gtest/gtest.h>

#include <cfenv>
#include <cfloat>
#include <limits>
#include <ostream>
#include <string>
#include <vector>

#include "app/CalcEngine.h"
#include "tests/native/calc/Keypad.h"

namespace {

struct TDisplayCase {
  const wchar_t* Keys;
  const wchar_t* Display;
};

void PrintTo(const TDisplayCase& c, std::ostream* os) {
  *os << ::testing::PrintToString(std::wstring(c.Keys));
}

class CalcKeysDisplay : public ::testing::TestWithParam<TDisplayCase> {};

TEST_P(CalcKeysDisplay, ShowsExpectedText) {
  TKeypad keypad;
  keypad.PressAll(GetParam().Keys);
  EXPECT_EQ(keypad.Display, GetParam().Display);
}

INSTANTIATE_TEST_SUITE_P(Arithmetic, CalcKeysDisplay, ::testing::Values(
    TDisplayCase{L"3 + 4 =", L"7"},
    TDisplayCase{L"9 - 4 =", L"5"},
    TDisplayCase{L"8 ÷ 2 =", L"4"},
    TDisplayCase{L"3 × 4 =", L"12"},
    TDisplayCase{L"3 - 4 =", L"-1"},
    // Pending operations chain on the display in the order +, -, ×, ÷.
    TDisplayCase{L"3 + 4 × 5 =", L"32"},
    TDisplayCase{L"3 + 4 + 5 =", L"9"},
    TDisplayCase{L"3 + =", L"6"},
    TDisplayCase{L"3 + - 5 =", L"-5"},
    TDisplayCase{L"7 - 3 ÷ 2 =", L"0.6"},
    TDisplayCase{L"=", L""},
    TDisplayCase{L"5 =", L"5"},
    TDisplayCase{L"3 + 4 = =", L"7"},
    TDisplayCase{L"[-12.5] + 2 =", L"-10.5"},
    TDisplayCase{L"[1E300] × [1E300] =", L"1E600"},
    TDisplayCase{L"[1E-300] ÷ [1E4700] =", L"0"},
    TDisplayCase{L"[1.7976931348623158E308] + 0 =", L"1.79769313486232E308"},
    TDisplayCase{L"9 9 9 9 9 9 9 9 9 9 9 × 9 9 9 9 9 9 9 9 9 9 9 =",
                 L"9.9999999998E21"},
    TDisplayCase{L"1 ÷ 3 =", L"0.333333333333333"},
    TDisplayCase{L"2 ÷ 3 =", L"0.666666666666667"},
    // The exact products round differently to 15 digits than products held
    // with a 53-bit mantissa would: the arithmetic must be extended.
    TDisplayCase{L"[84813805551] × [93190310637] =", L"7.9038248856038E21"},
    TDisplayCase{L"[87958598652] × [74015852297] =", L"6.51033064607754E21"}));

INSTANTIATE_TEST_SUITE_P(Failures, CalcKeysDisplay, ::testing::Values(
    TDisplayCase{L"1 ÷ 0 =", L"0"},
    TDisplayCase{L"1 ÷ 0 = 4 =", L"0.25"},
    TDisplayCase{L"0 ÷ 0 =", L"0"},
    // "-" writes 0, then "÷" fails: the display keeps the last text written.
    TDisplayCase{L"5 ÷ 2 - 2 =", L"0"},
    TDisplayCase{L"5 ÷ 2 - 2 = 4 =", L"1.25"},
    TDisplayCase{L"[1E300] × [1E4700] =", L"1E4700"},
    TDisplayCase{L"[1E300] ÷ [1E-4700] =", L"1E-4700"},
    TDisplayCase{L"[abc] + 1 =", L"1"},
    TDisplayCase{L"3 + [x] =", L"x"},
    TDisplayCase{L"CE + 5", L"5"},
    TDisplayCase{L"3 + CE 4 =", L"4"}));

INSTANTIATE_TEST_SUITE_P(Entry, CalcKeysDisplay, ::testing::Values(
    TDisplayCase{L"5 6", L"56"},
    TDisplayCase{L"AC", L"0"},
    TDisplayCase{L"AC 5", L"05"},
    TDisplayCase{L"CE", L""},
    TDisplayCase{L"1 2 3 4 5 6 7 8 9 0 1 2 3", L"12345678901"},
    TDisplayCase{L"1 ÷ 3 = 7", L"0.333333333333333"},
    TDisplayCase{L"1 ÷ 3 = ← ← ← ← ← ← 7", L"0.333333333"},
    TDisplayCase{L"1 ÷ 3 = ← ← ← ← ← ← ← 7", L"7"},
    TDisplayCase{L"3 + 4 = 1", L"1"},
    TDisplayCase{L"[12345678901] 2", L"12345678901"}));

INSTANTIATE_TEST_SUITE_P(Point, CalcKeysDisplay, ::testing::Values(
    TDisplayCase{L".", L"."},
    TDisplayCase{L". .", L"."},
    TDisplayCase{L". + 5 =", L"5"},
    TDisplayCase{L"1 . 5 . 2", L"1.52"},
    TDisplayCase{L"1 2 3 4 5 6 7 8 9 0 .", L"1234567890."},
    TDisplayCase{L"1 2 3 4 5 6 7 8 9 0 1 .", L"12345678901"},
    // A completed "=" blocks the point until a digit or clear key.
    TDisplayCase{L"3 + 4 = .", L"7"},
    TDisplayCase{L"3 + 4 = 1 .", L"1."},
    TDisplayCase{L"3 + 4 = AC .", L"0."},
    TDisplayCase{L"3 + 4 = CE .", L"."},
    TDisplayCase{L"5 = .", L"5."},
    // The point joins the first operand and is lost with the next digit.
    TDisplayCase{L"1 + .", L"1."},
    TDisplayCase{L"1 + . 2 =", L"3"}));

INSTANTIATE_TEST_SUITE_P(Backspace, CalcKeysDisplay, ::testing::Values(
    TDisplayCase{L"←", L""},
    TDisplayCase{L"AC ←", L""},
    TDisplayCase{L"5 ←", L""},
    TDisplayCase{L"1 2 ←", L"1"},
    TDisplayCase{L"1 2 . ←", L"12"},
    TDisplayCase{L"AC 5 ←", L"0"}));

struct TSpokenCase {
  const wchar_t* Keys;
  std::vector<std::wstring> Files;
};

void PrintTo(const TSpokenCase& c, std::ostream* os) {
  *os << ::testing::PrintToString(std::wstring(c.Keys));
}

class CalcKeysSpoken : public ::testing::TestWithParam<TSpokenCase> {};

TEST_P(CalcKeysSpoken, PlaysExpectedFiles) {
  TKeypad keypad;
  keypad.PressAll(GetParam().Keys);
  EXPECT_EQ(keypad.Spoken, GetParam().Files);
}

INSTANTIATE_TEST_SUITE_P(Keys, CalcKeysSpoken, ::testing::Values(
    TSpokenCase{L"5", {L"Sound\\5.wav"}},
    TSpokenCase{L".", {L"Sound\\10.wav"}},
    TSpokenCase{L"1 ←", {L"Sound\\1.wav"}},
    TSpokenCase{L"3 + 4 =", {L"Sound\\3.wav", L"Sound\\加.wav", L"Sound\\4.wav",
                            L"Sound\\等于.wav", L"Sound\\7.wav"}},
    TSpokenCase{L"3 - 4 =", {L"Sound\\3.wav", L"Sound\\减.wav", L"Sound\\4.wav",
                            L"Sound\\等于.wav", L"Sound\\负.wav",
                            L"Sound\\1.wav"}},
    TSpokenCase{L"3 × 4 ÷", {L"Sound\\3.wav", L"Sound\\乘.wav", L"Sound\\4.wav",
                            L"Sound\\除.wav"}},
    TSpokenCase{L"1 ÷ 4 =", {L"Sound\\1.wav", L"Sound\\除.wav", L"Sound\\4.wav",
                            L"Sound\\等于.wav", L"Sound\\0.wav",
                            L"Sound\\10.wav", L"Sound\\2.wav", L"Sound\\5.wav"}},
    TSpokenCase{L"=", {L"Sound\\等于.wav"}},
    TSpokenCase{L"[1.5E-7] =", {L"Sound\\等于.wav", L"Sound\\1.wav",
                               L"Sound\\10.wav", L"Sound\\5.wav",
                               L"Sound\\E.wav", L"Sound\\负.wav",
                               L"Sound\\7.wav"}},
    TSpokenCase{L"CE AC", {L"Sound\\清除.wav", L"Sound\\归零.wav"}},
    // Silent failures.
    TSpokenCase{L"CE +", {L"Sound\\清除.wav"}},
    TSpokenCase{L"1 ÷ 0 =", {L"Sound\\1.wav", L"Sound\\除.wav", L"Sound\\0.wav"}},
    // A digit the display has no room for is still spoken.
    TSpokenCase{L"[0.333333333333] 7", {L"Sound\\7.wav"}}));

bool SameState(const TCalcState& a, const TCalcState& b) {
  return a.PendingAdd == b.PendingAdd && a.PendingSub == b.PendingSub &&
         a.PendingMul == b.PendingMul && a.PendingDiv == b.PendingDiv &&
         a.OperatorJustPressed == b.OperatorJustPressed &&
         a.EnteringNumber == b.EnteringNumber &&
         a.PointEntered == b.PointEntered && a.AddOperand == b.AddOperand &&
         a.SubOperand == b.SubOperand && a.MulOperand == b.MulOperand &&
         a.DivOperand == b.DivOperand;
}

class CalcOperatorFailure : public ::testing::TestWithParam<const wchar_t*> {};

TEST_P(CalcOperatorFailure, ChangesNothing) {
  TKeypad keypad;
  keypad.PressAll(L"7 ÷ 2 . .");
  const TCalcState before = keypad.Engine.State();
  keypad.Display = GetParam();
  for (TOperator op : {TOperator::Add, TOperator::Sub, TOperator::Mul,
                       TOperator::Div}) {
    EXPECT_FALSE(keypad.Engine.Operator(keypad.Display, op));
    EXPECT_TRUE(SameState(before, keypad.Engine.State()));
  }
}

INSTANTIATE_TEST_SUITE_P(Displays, CalcOperatorFailure, ::testing::Values(
    L"", L"-", L"abc", L"1E309", L"-1E309", L"1.7976931348623159E308",
    L"1E5000"));

// The operand is a 64-bit double; the display is read as an 80-bit value.
// Past double's range the operator key fails. Converting such a value would
// be undefined and raises the overflow exception (a trap where the host
// unmasks it), so the range must be decided before any conversion: the
// overflow flag stays clear whatever the display holds within the extended
// range.
struct TOperandCase {
  const wchar_t* Display;
  bool Stored;
  double Operand;  // when stored
};

void PrintTo(const TOperandCase& c, std::ostream* os) {
  *os << ::testing::PrintToString(std::wstring(c.Display));
}

class CalcOperandRange : public ::testing::TestWithParam<TOperandCase> {};

TEST_P(CalcOperandRange, DecidedWithoutOverflow) {
  const TOperandCase& c = GetParam();
  TCalcEngine engine;
  std::feclearexcept(FE_OVERFLOW);
  const bool stored = engine.Operator(c.Display, TOperator::Add);
  EXPECT_FALSE(std::fetestexcept(FE_OVERFLOW));
  EXPECT_EQ(stored, c.Stored);
  EXPECT_EQ(engine.State().PendingAdd, c.Stored ? 1 : 0);
  EXPECT_EQ(engine.State().AddOperand, c.Stored ? c.Operand : 0.0);
}

// Near the top: DBL_MAX is 2^1024 - 2^971; values from 2^1024 - 2^970 (half
// a unit in the last place above it) on round to infinity, those below it
// to DBL_MAX. In the extended format the neighbours of 2^1024 - 2^970 are
// 2^960 apart; the texts below are worked out to land on it and on the
// value just below it.
INSTANTIATE_TEST_SUITE_P(Displays, CalcOperandRange, ::testing::Values(
    TOperandCase{L"1.7976931348623157E308", true, DBL_MAX},
    TOperandCase{L"1.7976931348623158E308", true, DBL_MAX},
    TOperandCase{L"-1.7976931348623158E308", true, -DBL_MAX},
    TOperandCase{L"1.797693134862315807839836574E308", true, DBL_MAX},
    TOperandCase{L"-1.797693134862315807839836574E308", true, -DBL_MAX},
    TOperandCase{L"1.7976931348623158079372897E308", false, 0.0},
    TOperandCase{L"-1.7976931348623158079372897E308", false, 0.0},
    TOperandCase{L"1E309", false, 0.0},
    TOperandCase{L"-2.5E4000", false, 0.0},
    // Underflow is not a failure: the smallest subnormal, then zero.
    TOperandCase{L"4.9406564584124654E-324", true, std::numeric_limits<double>::denorm_min()},
    TOperandCase{L"1E-4000", true, 0.0},
    TOperandCase{L"12.5", true, 12.5}));

TEST(CalcEngine, StartsAllZero) {
  const TCalcEngine engine;
  const TCalcState& state = engine.State();
  EXPECT_EQ(state.PendingAdd + state.PendingSub + state.PendingMul +
                state.PendingDiv, 0);
  EXPECT_EQ(state.OperatorJustPressed + state.EnteringNumber +
                state.PointEntered, 0);
  EXPECT_EQ(state.AddOperand, 0.0);
  EXPECT_EQ(state.SubOperand, 0.0);
  EXPECT_EQ(state.MulOperand, 0.0);
  EXPECT_EQ(state.DivOperand, 0.0);
}

TEST(CalcEngine, OperatorStoresValueAndStartsNewNumber) {
  TKeypad keypad;
  keypad.PressAll(L"1 . . 5 ×");
  const TCalcState& state = keypad.Engine.State();
  EXPECT_EQ(state.MulOperand, 1.5);
  EXPECT_EQ(state.PendingMul, 1);
  EXPECT_EQ(state.OperatorJustPressed, 1);
  EXPECT_EQ(state.EnteringNumber, 1);
  EXPECT_EQ(state.PendingAdd + state.PendingSub + state.PendingDiv, 0);
}

TEST(CalcEngine, OperatorLeavesPointFlag) {
  TKeypad keypad;
  keypad.PressAll(L"1 . . +");
  EXPECT_EQ(keypad.Engine.State().PointEntered, 1);
}

TEST(CalcEngine, OperatorKeepsLargestDouble) {
  TKeypad keypad;
  keypad.PressAll(L"[1.7976931348623158E308] +");
  EXPECT_EQ(keypad.Engine.State().AddOperand, DBL_MAX);
}

TEST(CalcEngine, EqualsResetsCompletedOperations) {
  TKeypad keypad;
  keypad.PressAll(L"3 + 4 =");
  const TCalcState& state = keypad.Engine.State();
  EXPECT_EQ(state.PendingAdd, 0);
  EXPECT_EQ(state.AddOperand, 0.0);
  EXPECT_EQ(state.EnteringNumber, 0);
  EXPECT_EQ(state.PointEntered, 1);
}

TEST(CalcEngine, EqualsWithNothingPendingLeavesPointFlag) {
  TKeypad keypad;
  keypad.PressAll(L"5 =");
  EXPECT_EQ(keypad.Engine.State().PointEntered, 0);
  EXPECT_EQ(keypad.Engine.State().EnteringNumber, 0);
}

TEST(CalcEngine, DivisionByZeroStaysPending) {
  TKeypad keypad;
  keypad.PressAll(L"1 ÷ 0");
  EXPECT_FALSE(keypad.Engine.Equals(keypad.Display));
  const TCalcState& state = keypad.Engine.State();
  EXPECT_EQ(state.PendingDiv, 1);
  EXPECT_EQ(state.DivOperand, 1.0);
  EXPECT_EQ(state.EnteringNumber, 0);
}

TEST(CalcEngine, FailingStepKeepsLaterStepsPending) {
  TKeypad keypad;
  keypad.PressAll(L"2 + 3 ÷ [1E300] × [1E4700]");
  EXPECT_FALSE(keypad.Engine.Equals(keypad.Display));
  const TCalcState& state = keypad.Engine.State();
  EXPECT_EQ(state.PendingAdd, 0);
  EXPECT_EQ(state.PendingMul, 1);
  EXPECT_EQ(state.PendingDiv, 1);
  EXPECT_EQ(state.MulOperand, 1E300);
  EXPECT_EQ(state.DivOperand, 3.0);
  EXPECT_EQ(state.PointEntered, 1);
}

TEST(CalcEngine, ClearKeepsOperands) {
  TKeypad keypad;
  keypad.PressAll(L"3 + 4 - CE");
  const TCalcState& state = keypad.Engine.State();
  EXPECT_EQ(state.PendingAdd + state.PendingSub, 0);
  EXPECT_EQ(state.AddOperand, 3.0);
  EXPECT_EQ(state.SubOperand, 4.0);
  EXPECT_EQ(state.EnteringNumber, 1);
  EXPECT_EQ(state.OperatorJustPressed, 0);
}

}  // namespace
