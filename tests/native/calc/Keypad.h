#pragma once

#include <string>
#include <vector>

#include "app/CalcEngine.h"

// Drives a TCalcEngine the way the main window does: keys named by their
// captions, and the voice files the window plays for them in order.
class TKeypad {
 public:
  // Captions separated by spaces ("3 + 4 ="). "[text]" stands for the user
  // typing text into the display, replacing what it holds.
  void PressAll(const std::wstring& keys);
  void Press(const std::wstring& caption);

  std::wstring Display;
  std::vector<std::wstring> Spoken;
  TCalcEngine Engine;

 private:
  void PressOperator(TOperator op);
  void PressEquals();
};
