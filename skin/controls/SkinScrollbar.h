// Class-library controls with their own scroll bars (list boxes, memos,
// scroll boxes, ...): a panel over each bar and, where the control has a
// sunken edge, a two-pixel border in the skin's colours.
#pragma once
#include "skin/controls/SkinControl.h"
#include "skin/controls/WScrollbar.h"

// Single-bar mode: the control's border stays native.
constexpr int kSingleBarMode = 1;

class TSkinScrollbar : public TSkinControl {
public:
  DECLARE_CLASS_INFO
  using TSkinControl::TSkinControl;
  ~TSkinScrollbar() override;

  virtual void AttachScrolled(TWinControl* Control, TSkinData* SkinData, TSkinnerHost* Form, TCanvas* Canvas);
  // Discovery attaches through AttachControl like every skinner.
  void AttachControl(TSkinnerHost* Form, TSkinData* SkinData, bool OwnsColor, TCanvas* Canvas) override;
  void Detach() override;
  bool BeforeMessage(TMessage& Message) override;
  void AfterMessage(TMessage& Message) override;
  void PaintControl(HDC DC, const RECT& Rect) override;
  void SkinChanged() override;
  void SetMode(int Mode) { FMode = Mode; }

  TWScrollbar* HorzBar() const { return FBars.Horz; }
  TWScrollbar* VertBar() const { return FBars.Vert; }
  bool OwnBorder() const { return FOwnBorder; }

private:
  void DrawBorder(HDC DC, const RECT& Rect) const;
  void DrawWholeBorder();
  void WriteFixedColor(TColor Colour);
  TScrollBarPair FBars;
  bool FOwnBorder = false;
  bool FHasFixedColor = false;
};
