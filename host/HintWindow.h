// A small pop-up that shows a hint text near the mouse.
#pragma once
#include "host/Controls.h"

class THintWindow : public TWinControl {
public:
  DECLARE_CLASS_INFO
  explicit THintWindow(TComponent* AOwner);
  // The rectangle (at the origin) that holds text, lines no wider than maxWidth.
  RECT CalcHintRect(int maxWidth, const std::wstring& text);
  // Shows text in r without taking the focus.
  void ActivateHint(const RECT& r, const std::wstring& text);

protected:
  void CreateParams(TCreateParams& p) override;
  void PaintWindow(HDC dc) override;
};
