// Up-down (spin) controls: two half-size buttons with arrows, from the
// skin's "UpDown.Vert" or "UpDown.Horz" strips and their glyph strips, or
// drawn when the skin has no such element. Serves standalone up-downs, the
// spin button inside an edit, and the scroll arrows of tab controls.
#pragma once
#include "skin/controls/SkinControl.h"

// Arrow indices and button states; their numbers pick the frames of the
// eight-frame strips (four states per arrow).
enum TArrowKind { akUp = 0, akDown = 1, akLeft = 2, akRight = 3 };
enum TArrowState { asNormal = 1, asPressed = 2, asDisabled = 3, asHot = 4 };
constexpr int kUpDownFrames = 8;

// The frame of the eight-frame strip for an arrow in a state: up 1-4 and
// down 5-8 of the vertical strip, left 1-4 and right 5-8 of the horizontal.
int UpDownFrame(TArrowKind Arrow, TArrowState State);
// The state of one button: disabled, else, with the cursor's coordinate
// along the split on this button's side of Half, pressed, hot or normal;
// normal when the cursor is on the other side. First: the upper or left one.
TArrowState UpDownButtonState(bool Enabled, bool Pressed, bool Hot, int CursorAlong, int Half, bool First);
// A small arrow drawn with the canvas DC's current pen: up and down as
// filled triangles of four rows, left and right as outlines; (X, Y) is the
// apex of up, the top row of down, the middle of left and right.
void DrawArrowGlyph(TCanvas& Canvas, int X, int Y, TArrowKind Arrow);

class TSkinUpDown : public TSkinControl {
public:
  DECLARE_CLASS_INFO
  using TSkinControl::TSkinControl;
  bool BeforeMessage(TMessage& Message) override;
  void PaintControl(HDC DC, const RECT& Rect) override;
  // The native buttons paint themselves again once the skinner is off.
  void Detach() override;

  // Fills a bare window's client area white.
  void EraseWhite(HDC DC);
  void DrawSkinArrow(HDC DC, const RECT& Rect, TArrowKind Arrow, TArrowState State);
  void DrawPlainArrow(TCanvas& Canvas, const RECT& Rect, TArrowKind Arrow, TArrowState State);

  // A spin button inside an edit keeps clear of the edit's border.
  void SetInEdit(bool InEdit) { FInEdit = InEdit; }
  bool InEdit() const { return FInEdit; }
  // 1: horizontal whatever the style says (a tab set's scroller).
  void SetHorizontalMode(int Mode) { FHorizontalMode = Mode; }
  int HorizontalMode() const { return FHorizontalMode; }

protected:
  bool FInEdit = false;
  int FHorizontalMode = 0;

private:
  bool Horizontal() const;
  // Rect shrunk so it keeps 3 pixels from the parent edit's top, bottom
  // and right edges.
  RECT KeepFromEditEdges(const RECT& Rect) const;
};
