// A bare window with its own scroll bars (a list box or a multi-line edit of
// a foreign dialog): the same two panels as for a class-library control.
#pragma once
#include "skin/controls/SkinControl.h"
#include "skin/controls/WScrollbar.h"

class TSkinScrollbarH : public TSkinControl {
public:
  DECLARE_CLASS_INFO
  using TSkinControl::TSkinControl;
  ~TSkinScrollbarH() override;

  void AttachWindow(HWND Handle, TSkinData* SkinData, TSkinnerHost* Form, TCanvas* Canvas) override;
  void Detach() override;
  bool BeforeMessage(TMessage& Message) override;
  void AfterMessage(TMessage& Message) override;
  void PaintControl(HDC DC, const RECT& Rect) override;

  TWScrollbar* HorzBar() const { return FBars.Horz; }
  TWScrollbar* VertBar() const { return FBars.Vert; }

private:
  TScrollBarPair FBars;
};
