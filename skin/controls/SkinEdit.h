// Edit boxes: the native control paints its text; afterwards the skinner
// redraws the border in the skin's shadow colour with two white rings. A
// spin button living inside the edit gets an up-down skinner from here.
#pragma once
#include "skin/controls/SkinControl.h"

class TSkinUpDown;

// A window class the edit takes for its spin button: "msctls_updown32", or
// any name containing "spin" or "updown", in any letter case.
bool IsSpinButtonClass(const std::wstring& ClassName);

class TSkinEdit : public TSkinControl {
public:
  DECLARE_CLASS_INFO
  using TSkinControl::TSkinControl;
  void AfterMessage(TMessage& Message) override;
  void PaintControl(HDC DC, const RECT& Rect) override;
  // The border answering WM_PRINT.
  void PrintBorder(HDC DC);
  // Gives the first spin button among the edit's own child windows an
  // up-down skinner, unless it has a skinner already.
  void FindUpDown();
  TSkinUpDown* UpDown() const { return FUpDown; }

private:
  // Owned, like this skinner, by the edit's owner; only ever compared with
  // null here, and forgotten once its window is gone.
  TSkinUpDown* FUpDown = nullptr;
  HWND FUpDownWindow = nullptr;
};
