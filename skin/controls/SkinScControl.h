// A scroll-bar control (a window that is itself a scroll bar): one panel
// over the whole control. Class-library scroll bars and native ones alike.
#pragma once
#include "skin/controls/SkinControl.h"
#include "skin/controls/WScrollbar.h"

class TSkinScControl : public TSkinControl {
public:
  DECLARE_CLASS_INFO
  using TSkinControl::TSkinControl;
  ~TSkinScControl() override;

  void AttachScControl(TWinControl* Control, TSkinData* SkinData, TSkinnerHost* Form, TCanvas* Canvas);
  // Discovery attaches through AttachControl like every skinner.
  void AttachControl(TSkinnerHost* Form, TSkinData* SkinData, bool OwnsColor, TCanvas* Canvas) override;
  void AttachWindow(HWND Handle, TSkinData* SkinData, TSkinnerHost* Form, TCanvas* Canvas) override;
  void Detach() override;
  bool BeforeMessage(TMessage& Message) override;
  void AfterMessage(TMessage& Message) override;
  void PaintControl(HDC DC, const RECT& Rect) override;

  TWScrollbar* Bar() const { return FBar; }

private:
  void FreeBar();
  TWScrollbar* FBar = nullptr;
};
