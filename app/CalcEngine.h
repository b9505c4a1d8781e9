#pragma once

#include <string>

#include "app/CalcOperator.h"
#include "app/CalcState.h"

// The keypad of the talking calculator. Each key acts on the display text
// and on the pending operations; the caller writes the display back and
// plays the voice files (VoiceNames.h).
//
// Each operator key keeps its own pending operand; "=" applies every pending
// operation in the order +, -, ×, ÷, each to the display left by the one
// before it.
class TCalcEngine {
 public:
  // d is one of '0'..'9'. The digit is always spoken, even when the display
  // is too long to take it.
  void Digit(std::wstring& display, wchar_t d);
  // Always spoken.
  void Point(std::wstring& display);
  // Never spoken; changes no state.
  static void Backspace(std::wstring& display);
  // Stores the display's value for op. False when the display is not a
  // number or too large for the operand: nothing changed, nothing spoken.
  bool Operator(const std::wstring& display, TOperator op);
  // Applies the pending operations. False when a step fails (not a number,
  // division by zero, overflow): the steps before it have been carried out
  // and written to the display, the failing and later ones stay pending,
  // nothing is spoken. True: speak "等于", then read the display out.
  bool Equals(std::wstring& display);
  // Both always spoken; the operands keep their values.
  void ClearEntry(std::wstring& display);
  void AllClear(std::wstring& display);

  const TCalcState& State() const { return FState; }

 private:
  int32_t& PendingFlag(TOperator op);
  double& Operand(TOperator op);
  bool AnyPending() const;
  bool ApplyPending(std::wstring& display, TOperator op);
  void Clear(std::wstring& display, const wchar_t* text);

  TCalcState FState;
};
