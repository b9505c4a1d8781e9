#include "tests/native/calc/Keypad.h"

#include <sstream>
#include <stdexcept>

#include "app/VoiceNames.h"

void TKeypad::PressAll(const std::wstring& keys) {
  std::wistringstream stream(keys);
  std::wstring caption;
  while (stream >> caption) Press(caption);
}

void TKeypad::Press(const std::wstring& caption) {
  if (caption.size() >= 2 && caption.front() == L'[' && caption.back() == L']') {
    Display = caption.substr(1, caption.size() - 2);
  } else if (caption.size() == 1 && caption[0] >= L'0' && caption[0] <= L'9') {
    Engine.Digit(Display, caption[0]);
    Spoken.push_back(CharVoiceFile(caption[0]));
  } else if (caption == L".") {
    Engine.Point(Display);
    Spoken.push_back(CharVoiceFile(L'.'));
  } else if (caption == L"←") {
    TCalcEngine::Backspace(Display);
  } else if (caption == L"+") {
    PressOperator(TOperator::Add);
  } else if (caption == L"-") {
    PressOperator(TOperator::Sub);
  } else if (caption == L"×") {
    PressOperator(TOperator::Mul);
  } else if (caption == L"÷") {
    PressOperator(TOperator::Div);
  } else if (caption == L"=") {
    PressEquals();
  } else if (caption == L"CE") {
    Engine.ClearEntry(Display);
    Spoken.push_back(ClearEntryVoiceFile());
  } else if (caption == L"AC") {
    Engine.AllClear(Display);
    Spoken.push_back(AllClearVoiceFile());
  } else {
    throw std::invalid_argument("unknown key in test");
  }
}

void TKeypad::PressOperator(TOperator op) {
  if (Engine.Operator(Display, op)) Spoken.push_back(OperatorVoiceFile(op));
}

void TKeypad::PressEquals() {
  if (!Engine.Equals(Display)) return;
  Spoken.push_back(EqualsVoiceFile());
  for (const std::wstring& file : ReadoutFiles(Display)) Spoken.push_back(file);
}
