// Check boxes painted from the skin's check strip ("Buttons", key
// "CheckButton"): unchecked, checked, and both disabled, the grayed state
// showing the last; a strip of 12 images has its own layout.
#pragma once
#include "skin/controls/SkinCheckable.h"

class TSkinCheckBox : public TSkinCheckable {
public:
  DECLARE_CLASS_INFO
  using TSkinCheckable::TSkinCheckable;
  void AttachControl(TSkinnerHost* Form, TSkinData* SkinData, bool OwnsColor, TCanvas* Canvas) override;
  void AfterMessage(TMessage& Message) override;
  // The last BM_SETCHECK's wParam + 1 (1 unchecked, 2 checked, 3 grayed);
  // 0 before any. Data-aware check boxes show it.
  int CheckState() const { return FCheckState; }

protected:
  TBitmap* Strip() const override;
  int StripFrames() const override;
  int StateImage(int frames) override;
  int RightMarkGap() const override { return 0; }

private:
  // The image the control's published state gives, starting from the window's.
  int PublishedImage(int image) const;
  int FCheckState = 0;
};
