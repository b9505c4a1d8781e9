#include "skin/controls/ComboxScrollBar.h"
#include "skin/controls/ScrollBarPaint.h"
#include "skin/data/WinSkinData.h"
#include <windowsx.h>

DEFINE_CLASS_INFO(TComboxScrollBar, TSkinControl, {})

namespace {
// Sent by the system to a drop-down list while it tracks the list itself.
constexpr UINT WM_DROPLIST_TRACK = 0x1AE;

// a * b / c rounded to the nearest, as the system's MulDiv; 0 for c = 0.
long long MulDivRounded(long long a, long long b, long long c) {
  if (c == 0) return 0;
  const long long n = a * b;
  return (n >= 0) == (c > 0) ? (n + c / 2) / c : (n - c / 2) / c;
}

bool IsButtonUp(UINT msg) { return msg == WM_LBUTTONUP || msg == WM_NCLBUTTONUP; }
bool IsMove(UINT msg) { return msg == WM_MOUSEMOVE || msg == WM_NCMOUSEMOVE; }
}  // namespace

int ComboThumbPosition(const TComboThumbDrag& Drag, int Moved) {
  const SCROLLINFO& si = Drag.Info;
  const long long free = Drag.Track - Drag.Thumb;
  // A thumb filling its track cannot say where to go.
  if (Drag.Track <= 0 || free <= 0) return si.nPos;
  long long d = std::max(0LL, (long long)Drag.Offset + Moved);
  long long pos;
  if (si.nPage == 0) {
    d = std::min(d, free);
    pos = std::min<long long>(MulDivRounded(d, (long long)si.nMax - si.nMin, Drag.Track) + si.nMin, si.nMax);
  } else {
    if (d > free) d = free + 1;
    const long long lastPage = (long long)si.nMax - (long long)si.nPage;
    pos = MulDivRounded(d, lastPage - si.nMin, free) + si.nMin;
    if (pos >= lastPage) pos = lastPage + 1;
  }
  pos = std::max<long long>(pos, si.nMin);
  return int(std::min<long long>(pos, std::max(si.nMax, si.nMin)));
}

TComboxScrollBar::TComboxScrollBar(TComponent* AOwner)
    : TSkinControl(AOwner), FArrowSize(GetSystemMetrics(SM_CXHSCROLL)) {}

bool TComboxScrollBar::BeforeMessage(TMessage& Message) {
  switch (Message.Msg) {
    case WM_NCMOUSEMOVE:
      // No hot tracking of the system's on the skinned bar.
      return Message.WParam != HTHSCROLL && Message.WParam != HTVSCROLL;
    case WM_NCLBUTTONDOWN:
      return !(Message.WParam == HTVSCROLL &&
               TrackThumb({GET_X_LPARAM(Message.LParam), GET_Y_LPARAM(Message.LParam)}));
    default:
      return TSkinControl::BeforeMessage(Message);
  }
}

void TComboxScrollBar::AfterMessage(TMessage& Message) {
  switch (Message.Msg) {
    case WM_NCPAINT:
    case WM_HSCROLL:
    case WM_VSCROLL:
    case WM_DROPLIST_TRACK:
      PaintWindow(nullptr);
      break;
    default:
      TSkinControl::AfterMessage(Message);
      break;
  }
}

void TComboxScrollBar::PaintControl(HDC DC, const RECT& Rect) {
  SCROLLBARINFO info{sizeof info};
  if (!SkinGetScrollBarInfo(FHandle, OBJID_VSCROLL, &info)) return;
  RECT window;
  GetWindowRect(FHandle, &window);
  TScrollBarLook look;
  look.Vertical = true;
  look.ArrowSize = FArrowSize;
  look.ThumbStart = info.xyThumbTop;
  look.ThumbEnd = info.xyThumbBottom;
  TScrollSurface surface;
  surface.DC = DC;
  surface.Size = {Rect.right - Rect.left, Rect.bottom - Rect.top};
  surface.Offset = {info.rcScrollBar.left - window.left, info.rcScrollBar.top - window.top};
  surface.ThicknessFromSkin = true;
  // The arrows are measured on the whole list window.
  surface.BarLength = Rect.bottom - Rect.top;
  PaintScrollBar(*FSkinData, info, look, surface);
}

bool TComboxScrollBar::TrackThumb(POINT Press) {
  SCROLLBARINFO bar{sizeof bar};
  if (!SkinGetScrollBarInfo(FHandle, OBJID_VSCROLL, &bar)) return false;
  const int p = Press.y - bar.rcScrollBar.top;
  if (p < bar.xyThumbTop || p > bar.xyThumbBottom) return false;
  TComboThumbDrag drag;
  drag.Info.cbSize = sizeof drag.Info;
  drag.Info.fMask = SIF_ALL;
  GetScrollInfo(FHandle, SB_VERT, &drag.Info);
  drag.Offset = bar.xyThumbTop - FArrowSize;
  drag.Track = (bar.rcScrollBar.bottom - bar.rcScrollBar.top) - 2 * FArrowSize;
  drag.Thumb = bar.xyThumbBottom - bar.xyThumbTop;
  int last = drag.Info.nPos;
  const HWND list = FHandle;
  const std::shared_ptr<const bool> alive = AliveFlag();
  SetCapture(list);
  MSG msg;
  for (;;) {
    const BOOL got = GetMessageW(&msg, nullptr, 0, 0);
    if (got <= 0) {
      // The program is quitting: its loop must still see the request.
      if (got == 0) PostQuitMessage(int(msg.wParam));
      break;
    }
    if (IsButtonUp(msg.message)) {
      if (*alive) ScrollTo(SB_THUMBPOSITION, last);
      PostMessageW(list, WM_VSCROLL, SB_ENDSCROLL, 0);
      break;
    }
    TranslateMessage(&msg);
    DispatchMessageW(&msg);
    if (!*alive || !IsWindow(list) || GetCapture() != list) break;  // another window took the mouse
    if (!IsMove(msg.message)) continue;
    POINT cursor;
    GetCursorPos(&cursor);
    const int pos = ComboThumbPosition(drag, cursor.y - Press.y);
    if (pos != last) {
      ScrollTo(SB_THUMBTRACK, pos);
      last = pos;
    }
  }
  if (GetCapture() == list) ReleaseCapture();
  return true;
}

void TComboxScrollBar::ScrollTo(int Code, int Position) {
  if (Position >= 0 && Position <= 0xFFFF)
    SendMessageW(FHandle, WM_VSCROLL, MAKEWPARAM(Code, Position), 0);
  else
    SendMessageW(FHandle, LB_SETTOPINDEX, WPARAM(Position), 0);
}
