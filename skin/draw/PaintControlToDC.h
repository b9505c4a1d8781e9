// A transparent control's background: its parent painted, as it lies behind
// the control, into an off-screen context.
#pragma once
#include "host/Controls.h"

// Sends the parent WM_ERASEBKGND and then WM_PAINT with dc as wParam, the
// viewport moved so the control's top-left is dc's origin and the clip cut
// to the control. dc is restored afterwards, also when painting throws (the
// exception goes on to the caller). Nothing happens without a parent.
void PaintControlToDC(TControl& control, HDC dc);
