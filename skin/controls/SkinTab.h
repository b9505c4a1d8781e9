// Tab controls and page controls painted whole from the skin's "Tabs"
// element: the tab strip on any of the four sides (painted lying along the
// top and turned), captions with their images, and the frame of the page
// area from the "Tabs" border image or "Tab.Pane". The native scroll arrows
// are skinned and the strip is copied around them. A page control tagged
// 7777 with its tabs on top gets close boxes on its tabs.
#pragma once
#include "host/ComCtrls.h"
#include "skin/controls/SkinControl.h"
#include "skin/controls/UpDownLink.h"
#include <vector>

class TDataSkinBorder;

// The tag that gives a page control close boxes on its tabs.
constexpr int kCloseBoxTag = 7777;
// The mode of a tab control that has no pages: its window-less children
// are painted again over the skinned picture.
constexpr int kTabControlMode = 2;
// The margins of the page frame drawn from the "Tabs" border image.
constexpr RECT kBorderPaneMargins{4, 5, 4, 4};

class TSkinTab : public TSkinControl {
public:
  DECLARE_CLASS_INFO
  using TSkinControl::TSkinControl;
  void AttachControl(TSkinnerHost* Form, TSkinData* SkinData, bool OwnsColor, TCanvas* Canvas) override;
  void AttachWindow(HWND Handle, TSkinData* SkinData, TSkinnerHost* Form, TCanvas* Canvas) override;
  // The native tabs and arrows paint again.
  void Detach() override;
  bool BeforeMessage(TMessage& Message) override;
  void PaintControl(HDC DC, const RECT& Rect) override;
  void SkinChanged() override;

  // Copies the skin's tab and page images, turned for the tab position.
  void PrepareImages();
  // Skins the native scroll arrows once they exist; true while they show.
  bool FindUpDown();
  static TTabPosition TabPositionFromStyle(LONG_PTR Style);
  void DrawTab(HDC DC, const RECT& Rect, int Frame);
  // A 6 x 6 crossed box 2 pixels inside the tab's top-right corner.
  void DrawCloseBox(const RECT& Rect, int Index);
  // Asks the form about every close box under the click; true when there
  // was one.
  bool HitCloseBox(const TMessage& Message);
  // The strip copied to DC at the strip rectangle's top-left, leaving out
  // the scroll arrows.
  void BlitAroundUpDown(HDC DC, const RECT& Rect);

  void SetMode(int Mode) { FMode = Mode; }
  bool CloseButtons() const { return FCloseButtons; }
  TTabPosition TabPosition() const { return FTabPosition; }
  // One per tab, in strip coordinates, where the last paint put its box.
  const std::vector<RECT>& CloseRects() const { return FCloseRects; }
  HWND UpDownWindow() const { return FUpDown.Window(); }

private:
  const TDataSkinBorder* Tabs() const;
  RECT PageRect(const RECT& whole) const;
  RECT StripRect(const RECT& whole, const RECT& page) const;
  // A tab's client rectangle in the coordinates of the strip lying flat.
  RECT ToStrip(const RECT& tab, const RECT& whole, const RECT& page) const;
  void PaintStrip(HDC DC, const RECT& whole, const RECT& page);
  void PaintPane(HDC DC, const RECT& page);
  void AskToClose(int index);

  std::vector<RECT> FCloseRects;
  TTabPosition FTabPosition = tpTop;
  bool FUnicodeTabs = false;
  TBitmap FTabImage;
  TBitmap FPaneImage;
  TBitmap FStrip;
  TUpDownLink FUpDown;
  bool FCloseButtons = false;
};
