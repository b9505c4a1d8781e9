#include "skin/draw/PaintControlToDC.h"
#include "host/Handles.h"

namespace {

RECT ClientRectOf(const TControl& control) {
  if (auto* windowed = dynamic_cast<const TWinControl*>(&control)) return windowed->ClientRect();
  return {0, 0, control.GetWidth(), control.GetHeight()};
}

}  // namespace

void PaintControlToDC(TControl& control, HDC dc) {
  TWinControl* parent = control.Parent();
  if (!parent) return;
  RECT r = ClientRectOf(control);
  TSavedDC saved(dc);
  POINT origin{};
  GetViewportOrgEx(dc, &origin);
  SetViewportOrgEx(dc, origin.x - control.GetLeft(), origin.y - control.GetTop(), nullptr);
  OffsetRect(&r, control.GetLeft(), control.GetTop());
  IntersectClipRect(dc, r.left, r.top, r.right, r.bottom);
  // Through the parent's WindowProc, so a skinner hooked there paints too and
  // a C++ exception never crosses a window procedure.
  parent->Perform(WM_ERASEBKGND, WPARAM(dc), 0);
  parent->Perform(WM_PAINT, WPARAM(dc), 0);
}
