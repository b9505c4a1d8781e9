// Old-style tab sets: tabs hanging from a line, painted from the "Tabs"
// element turned upside down; the scroller is skinned as a horizontal
// up-down. The tab set's fields are read by name (Tabs, TabIndex,
// FirstIndex, StartMargin, EndMargin), its scroller is its first owned
// component.
#pragma once
#include "skin/controls/SkinControl.h"
#include "skin/controls/UpDownLink.h"

class TSkinTab31 : public TSkinControl {
public:
  DECLARE_CLASS_INFO
  using TSkinControl::TSkinControl;
  // Attaches through the window (the control's handle) and skins the scroller.
  void AttachControl(TSkinnerHost* Form, TSkinData* SkinData, bool OwnsColor, TCanvas* Canvas) override;
  void Detach() override;
  bool BeforeMessage(TMessage& Message) override;
  void PaintControl(HDC DC, const RECT& Rect) override;
  void SkinChanged() override;
  void PrepareImages();

  TControl* Scroller() const { return FScroller; }
  HWND UpDownWindow() const { return FUpDown.Window(); }

private:
  TBitmap FTabImage;
  TUpDownLink FUpDown;
  TControl* FScroller = nullptr;
};
