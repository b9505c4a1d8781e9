// Header controls, alone or as a list view's column captions: every column
// a frame of "Headerbar" with its icon and text, the column under the mouse
// in the hot frame, the space right of the last column in the normal one.
#pragma once
#include "skin/controls/SkinControl.h"
#include <vector>

// The frames of "Headerbar".
enum THeaderFrame { hfNormal = 1, hfHot = 2 };

// The sort arrow of a sorted column, in the text colour at its right end:
// a triangle kSortArrowWidth wide pointing up or down; nothing in a column
// too narrow for it.
constexpr int kSortArrowWidth = 9;
void DrawSortArrow(HDC DC, const RECT& Cell, bool Up, TColor Colour);

class TSkinHeader : public TSkinControl {
public:
  DECLARE_CLASS_INFO
  using TSkinControl::TSkinControl;
  void AttachControl(TSkinnerHost* Form, TSkinData* SkinData, bool OwnsColor, TCanvas* Canvas) override;
  void AttachWindow(HWND Handle, TSkinData* SkinData, TSkinnerHost* Form, TCanvas* Canvas) override;
  void Detach() override;
  bool BeforeMessage(TMessage& Message) override;
  void AfterMessage(TMessage& Message) override;
  void PaintControl(HDC DC, const RECT& Rect) override;

  // The column under the mouse; -1 for none.
  int HotItem() const { return FHotItem; }
  // Where each column reacts to the mouse: its rectangle less 3 pixels at
  // either side, as last painted.
  const std::vector<RECT>& ItemRects() const { return FItemRects; }

private:
  bool HasHeaderbar() const;
  void PaintColumn(TBitmap& Target, int Index, const RECT& Column, HIMAGELIST Images);
  std::vector<RECT> FItemRects;
  int FHotItem = -1;
};
