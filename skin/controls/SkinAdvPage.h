// Page controls of another component set that draw their tabs from two
// bitmap properties, "TabBackGround" and "TabBackGroundActive": the skinner
// hands them frames 1 and 2 of the skin's "Tabs" element and skins the
// control's scroll arrows.
#pragma once
#include "skin/controls/SkinControl.h"
#include "skin/controls/UpDownLink.h"
#include <memory>

// The page mode of such a page control.
constexpr int kAdvPageMode = 4;
// The size the tab backgrounds are composed at.
constexpr RECT kAdvTabBackground{0, 0, 100, 21};

class TSkinAdvPage : public TSkinControl {
public:
  DECLARE_CLASS_INFO
  using TSkinControl::TSkinControl;
  void AttachControl(TSkinnerHost* Form, TSkinData* SkinData, bool OwnsColor, TCanvas* Canvas) override;
  // Gives the control its own tab backgrounds and colour back.
  void Detach() override;
  void PaintControl(HDC DC, const RECT& Rect) override;
  void SkinChanged() override;

  int PageMode = 0;
  HWND UpDownWindow() const { return UpDownSkinner.Window(); }

private:
  void Apply();
  TUpDownLink UpDownSkinner;
  // The control's own backgrounds from before the first Apply.
  std::unique_ptr<TBitmap> FOwnBackground, FOwnActiveBackground;
};
