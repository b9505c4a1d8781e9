#pragma once

#include <cstdint>

// The keypad's state; all zero at start-up. The pending flags,
// OperatorJustPressed and PointEntered count as set only when equal to 1,
// EnteringNumber when non-zero.
struct TCalcState {
  int32_t PendingAdd = 0;
  int32_t PendingSub = 0;
  int32_t PendingMul = 0;
  int32_t PendingDiv = 0;
  uint8_t OperatorJustPressed = 0;
  uint8_t EnteringNumber = 0;
  uint8_t PointEntered = 0;
  double AddOperand = 0.0;
  double SubOperand = 0.0;
  double MulOperand = 0.0;
  double DivOperand = 0.0;
};
