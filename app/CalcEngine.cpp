#include "app/CalcEngine.h"

#include <cfloat>
#include <cmath>

#include "app/NumberText.h"

namespace {

// Longest display that still takes another typed character.
constexpr std::size_t MaxLengthBeforeKey = 10;

constexpr TOperator EqualsOrder[] = {TOperator::Add, TOperator::Sub,
                                     TOperator::Mul, TOperator::Div};

// operand is the stored left-hand side of "-" and "÷" and the right-hand
// side of "+" and "×". Division by zero and overflow are failures rather
// than infinities or NaN on the display.
bool Calculate(TOperator op, long double x, long double operand,
               long double& result) {
  switch (op) {
    case TOperator::Add: result = x + operand; break;
    case TOperator::Sub: result = operand - x; break;
    case TOperator::Mul: result = x * operand; break;
    case TOperator::Div:
      if (x == 0.0L) return false;
      result = operand / x;
      break;
  }
  return std::isfinite(result);
}

// The 64-bit operand of an extended value, or false when it has none.
// Converting a value beyond double's range is undefined (x87 and SSE raise
// the overflow exception, which traps where it is unmasked), so the range
// is decided before converting: from DBL_MAX plus half a unit in its last
// place on, rounding would give infinity, an overflow; below that, a value
// past DBL_MAX rounds to DBL_MAX, as the conversion itself would.
bool ToOperand(long double value, double& operand) {
  constexpr long double kOverflowFrom = 0x1.fffffffffffff8p+1023L;  // 2^1024 - 2^970
  const long double magnitude = std::fabs(value);
  if (!(magnitude < kOverflowFrom)) return false;  // NaN too
  if (magnitude > DBL_MAX) {
    operand = value < 0 ? -DBL_MAX : DBL_MAX;
  } else {
    operand = static_cast<double>(value);
  }
  return true;
}

}  // namespace

int32_t& TCalcEngine::PendingFlag(TOperator op) {
  switch (op) {
    case TOperator::Add: return FState.PendingAdd;
    case TOperator::Sub: return FState.PendingSub;
    case TOperator::Mul: return FState.PendingMul;
    case TOperator::Div: break;
  }
  return FState.PendingDiv;
}

double& TCalcEngine::Operand(TOperator op) {
  switch (op) {
    case TOperator::Add: return FState.AddOperand;
    case TOperator::Sub: return FState.SubOperand;
    case TOperator::Mul: return FState.MulOperand;
    case TOperator::Div: break;
  }
  return FState.DivOperand;
}

bool TCalcEngine::AnyPending() const {
  return FState.PendingAdd == 1 || FState.PendingSub == 1 ||
         FState.PendingMul == 1 || FState.PendingDiv == 1;
}

void TCalcEngine::Digit(std::wstring& display, wchar_t d) {
  if (AnyPending() && FState.OperatorJustPressed == 1) {
    FState.OperatorJustPressed = 0;
    display.assign(1, d);
  } else if (FState.EnteringNumber != 0) {
    if (display.size() <= MaxLengthBeforeKey) display += d;
  } else if (display.size() <= MaxLengthBeforeKey) {
    display.assign(1, d);
    FState.EnteringNumber = 1;
  }
  FState.PointEntered = 0;
}

void TCalcEngine::Point(std::wstring& display) {
  if (display.size() > MaxLengthBeforeKey) return;
  // The scan only sets the flag: one left set by "=" also blocks the point
  // until a digit or clear key resets it.
  if (display.find(L'.') != std::wstring::npos) FState.PointEntered = 1;
  if (FState.PointEntered != 1) display += L'.';
}

void TCalcEngine::Backspace(std::wstring& display) {
  if (!display.empty()) display.pop_back();
}

bool TCalcEngine::Operator(const std::wstring& display, TOperator op) {
  long double value = 0.0L;
  double stored = 0.0;
  if (!ParseNumber(display, value) || !ToOperand(value, stored)) return false;
  Operand(op) = stored;
  PendingFlag(op) = 1;
  FState.OperatorJustPressed = 1;
  FState.EnteringNumber = 1;
  return true;
}

bool TCalcEngine::ApplyPending(std::wstring& display, TOperator op) {
  long double x = 0.0L;
  long double result = 0.0L;
  if (!ParseNumber(display, x) || !Calculate(op, x, Operand(op), result))
    return false;
  display = FormatNumber(result);
  PendingFlag(op) = 0;
  Operand(op) = 0.0;
  FState.PointEntered = 1;
  return true;
}

bool TCalcEngine::Equals(std::wstring& display) {
  FState.EnteringNumber = 0;
  for (TOperator op : EqualsOrder)
    if (PendingFlag(op) == 1 && !ApplyPending(display, op)) return false;
  return true;
}

void TCalcEngine::Clear(std::wstring& display, const wchar_t* text) {
  display = text;
  FState.PointEntered = 0;
  for (TOperator op : EqualsOrder) PendingFlag(op) = 0;
  FState.EnteringNumber = 1;
  FState.OperatorJustPressed = 0;
}

void TCalcEngine::ClearEntry(std::wstring& display) { Clear(display, L""); }

void TCalcEngine::AllClear(std::wstring& display) { Clear(display, L"0"); }
