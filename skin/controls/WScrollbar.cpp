#include "skin/controls/WScrollbar.h"
#include "host/CallbackGuard.h"
#include "host/Handles.h"
#include "skin/controls/SkinControl.h"
#include "skin/data/WinSkinData.h"
#include <windowsx.h>

namespace {
int Width(const RECT& r) { return r.right - r.left; }
int Height(const RECT& r) { return r.bottom - r.top; }
bool SameState(const SCROLLINFO& a, const SCROLLINFO& b) {
  return a.nMin == b.nMin && a.nMax == b.nMax && a.nPage == b.nPage && a.nPos == b.nPos &&
         a.nTrackPos == b.nTrackPos;
}
}  // namespace

DEFINE_CLASS_INFO(TWScrollbar, TWinControl, {})

TWScrollbar::TWScrollbar(TSkinControl* owner) : TWinControl(owner) {
  FVisible = false;
  FTabStop = false;
  ArrowSize = GetSystemMetrics(SM_CXHSCROLL);
}

TWScrollbar::~TWScrollbar() { *FAlive = false; }

void TWScrollbar::CreateParams(TCreateParams& p) {
  TWinControl::CreateParams(p);
  p.ExStyle = WS_EX_TOOLWINDOW;
  p.WndParent = GetParent(TargetHandle);
}

void TWScrollbar::Attach(TSkinControl* skinner, HWND window, TBarKind kind) {
  OwnerSkinner = skinner;
  TargetHandle = window;
  BarKind = kind;
  Vertical = kind == bkVertical ? 1 : 0;
  if (kind == bkControl) Vertical = (GetWindowLongPtrW(window, GWL_STYLE) & SBS_VERT) ? 1 : 0;
}

void TWScrollbar::AttachToControl(TSkinControl* skinner, TWinControl* control, TBarKind kind) {
  Attach(skinner, control->Handle(), kind);
  TargetControl = control;
  SetColor(skinner->ParentColor(skinner->SkinData()->SkinColours[scButtonFace]));
  // The class library's own orientation, where the control publishes one.
  if (kind == bkControl && IsPublishedProp(control, "Kind"))
    Vertical = _wcsicmp(ReadEnumProp(control, "Kind").c_str(), L"sbHorizontal") == 0 ? 0 : 1;
  Reposition();
}

void TWScrollbar::AttachToWindow(TSkinControl* skinner, HWND window, TBarKind kind) {
  Attach(skinner, window, kind);
  Reposition();
}

void TWScrollbar::HideBar() {
  if (FHandle) ShowWindow(FHandle, SW_HIDE);
  BarVisible = false;
  FVisible = false;
}

bool TWScrollbar::BarInfo(SCROLLBARINFO& info) const {
  info.cbSize = sizeof info;
  if (BarKind == bkControl) return ControlBarInfo(info);
  return SkinGetScrollBarInfo(TargetHandle, BarKind == bkVertical ? OBJID_VSCROLL : OBJID_HSCROLL, &info);
}

bool TWScrollbar::ControlBarInfo(SCROLLBARINFO& info) const {
  RECT r;
  SCROLLINFO scroll{sizeof scroll, SIF_RANGE | SIF_PAGE | SIF_POS | SIF_TRACKPOS};
  if (!GetWindowRect(TargetHandle, &r) || !GetScrollInfo(TargetHandle, SB_CTL, &scroll)) return false;
  MapWindowPoints(nullptr, GetParent(TargetHandle), reinterpret_cast<POINT*>(&r), 2);
  info.rcScrollBar = r;
  const POINT thumb = ControlThumbExtent(scroll, Vertical ? Height(r) : Width(r), ArrowSize);
  info.dxyLineButton = ArrowSize;
  info.xyThumbTop = thumb.x;
  info.xyThumbBottom = thumb.y;
  const LONG_PTR style = GetWindowLongPtrW(TargetHandle, GWL_STYLE);
  info.rgstate[0] = ((style & WS_DISABLED) ? STATE_SYSTEM_UNAVAILABLE : 0) |
                    ((style & WS_VISIBLE) ? 0 : STATE_SYSTEM_INVISIBLE);
  return true;
}

void TWScrollbar::Reposition() {
  SCROLLBARINFO info{};
  // A panel never stays over a bar that is gone, hidden or on a hidden window.
  if (!BarInfo(info) || !(GetWindowLongPtrW(TargetHandle, GWL_STYLE) & WS_VISIBLE) ||
      (info.rgstate[0] & STATE_SYSTEM_INVISIBLE)) {
    HideBar();
    return;
  }
  const RECT r = info.rcScrollBar;
  POINT origin{r.left, r.top};
  BarRect = r;
  if (BarKind != bkControl) {
    MapWindowPoints(nullptr, TargetHandle, reinterpret_cast<POINT*>(&BarRect), 2);
    ScreenToClient(GetParent(TargetHandle), &origin);
  }
  BarOrigin = {r.left, r.top};
  BarLength = Vertical ? Height(r) : Width(r);
  ThumbStart = info.xyThumbTop;
  ThumbEnd = info.xyThumbBottom;
  if (!GetParent(TargetHandle)) return;  // a top-level window has no sibling to cover it
  // Directly above the target: after the window before it, unless that is
  // the panel itself.
  HWND after = GetWindow(TargetHandle, GW_HWNDPREV);
  UINT flags = SWP_SHOWWINDOW | SWP_NOACTIVATE;
  if (after == Handle()) flags |= SWP_NOZORDER;
  if (!after) after = HWND_TOP;
  SetWindowPos(FHandle, after, origin.x, origin.y, Width(r), Height(r), flags);
  FVisible = true;
  BarVisible = true;
  Repaint();
}

int TWScrollbar::HitTest(POINT p) const {
  return ScrollPartAt(Vertical ? p.y : p.x, ArrowSize, ThumbStart, ThumbEnd, BarLength);
}

void TWScrollbar::SetHotPart(int part) {
  HotPart = part;
  Repaint();
}

void TWScrollbar::Repaint() const {
  if (FHandle) InvalidateRect(FHandle, nullptr, FALSE);
}

void TWScrollbar::FollowScrollState() {
  // A scroll-bar control answers GetScrollInfo with a message of its own,
  // which comes back here.
  if (!FHandle || !BarVisible || FFollowing) return;
  SCROLLINFO state{sizeof state, SIF_ALL};
  FFollowing = true;
  const bool read = GetScrollInfo(TargetHandle, BarKind, &state);
  FFollowing = false;
  if (!read || SameState(state, FLastState)) return;
  FLastState = state;
  Repaint();
}

void TWScrollbar::Paint() {
  TPaintDC paint(FHandle);
  const TSkinData* skin = OwnerSkinner ? OwnerSkinner->SkinData() : nullptr;
  SCROLLBARINFO info{};
  if (!paint.Get() || !skin || !BarInfo(info)) return;
  FLastState = {sizeof FLastState, SIF_ALL};
  GetScrollInfo(TargetHandle, BarKind, &FLastState);
  RECT client;
  GetClientRect(FHandle, &client);
  const RECT& r = info.rcScrollBar;
  BarLength = Vertical ? Height(r) : Width(r);
  if (Pressed && HotPart == spThumb && BarKind != bkControl) {
    // The thumb follows the cursor while the system tracks it.
    POINT cursor;
    GetCursorPos(&cursor);
    const int length = ThumbEnd - ThumbStart;
    const int moved = Vertical ? cursor.y - DragStartCursor.y : cursor.x - DragStartCursor.x;
    ThumbStart = DraggedThumbStart(DragStartThumb, moved, length, ArrowSize, BarLength);
    ThumbEnd = ThumbStart + length;
  } else {
    ThumbStart = info.xyThumbTop;
    ThumbEnd = info.xyThumbBottom;
  }
  TScrollBarLook look;
  look.Vertical = Vertical == 1;
  look.HotPart = HotPart;
  look.Pressed = Pressed;
  look.ArrowSize = ArrowSize;
  look.ThumbStart = ThumbStart;
  look.ThumbEnd = ThumbEnd;
  TScrollSurface surface;
  surface.DC = paint.Get();
  surface.Size = {client.right, client.bottom};
  surface.ThicknessFromSkin = BarKind == bkControl;
  surface.Buffer = &FBuffer;
  if (!PaintScrollBar(*skin, info, look, surface)) return;
  if (BarKind == bkControl) {
    // A control thicker than the skin's bar shows face beside it.
    const int thickness = ScrollBarThickness(skin->Scrollbar->Image->Height(), ArrowSize);
    const RECT rest = look.Vertical ? RECT{thickness, 0, client.right, client.bottom}
                                    : RECT{0, thickness, client.right, client.bottom};
    if (rest.left < rest.right && rest.top < rest.bottom) FillColor(paint.Get(), rest, skin->SkinColours[scButtonFace]);
  }
}

LPARAM TWScrollbar::TargetPoint(LPARAM panelPoint) const {
  if (BarKind == bkControl) return panelPoint;
  return MAKELPARAM(GET_X_LPARAM(panelPoint) + BarOrigin.x, GET_Y_LPARAM(panelPoint) + BarOrigin.y);
}

void TWScrollbar::MouseDown(TMessage& m) {
  TWinControl::WndProc(m);
  GetCursorPos(&DragStartCursor);
  SCROLLBARINFO info{};
  if (BarKind != bkControl && BarInfo(info)) {
    DragStartThumb = info.xyThumbTop;
    ThumbStart = info.xyThumbTop;
    ThumbEnd = info.xyThumbBottom;
    BarOrigin = {info.rcScrollBar.left, info.rcScrollBar.top};
  }
  HotPart = HitTest({GET_X_LPARAM(m.LParam), GET_Y_LPARAM(m.LParam)});
  Pressed = true;
  Repaint();
  ReleaseCapture();
  // Returns when the system's tracking has ended; the target may be gone
  // by then, and this panel with it.
  const std::shared_ptr<bool> alive = FAlive;
  if (BarKind == bkControl)
    SendMessageW(TargetHandle, WM_LBUTTONDOWN, MK_LBUTTON, m.LParam);
  else
    SendMessageW(TargetHandle, WM_NCLBUTTONDOWN, BarKind == bkVertical ? HTVSCROLL : HTHSCROLL, TargetPoint(m.LParam));
  if (!*alive) return;
  Pressed = false;
  ReleaseCapture();
  Repaint();
}

void TWScrollbar::MouseUp(const TMessage& m) {
  Pressed = false;
  ReleaseCapture();
  if (BarKind == bkControl)
    PostMessageW(TargetHandle, WM_LBUTTONUP, MK_LBUTTON, m.LParam);
  else
    PostMessageW(TargetHandle, WM_NCLBUTTONUP, BarKind == bkVertical ? HTVSCROLL : HTHSCROLL, TargetPoint(m.LParam));
  Repaint();
}

void TWScrollbar::WndProc(TMessage& m) {
  switch (m.Msg) {
    case WM_ERASEBKGND:
      m.Result = 1;
      return;
    case WM_PAINT:
      Paint();
      m.Result = 0;
      return;
    case WM_MOUSEMOVE: {
      TWinControl::WndProc(m);
      const int part = HitTest({GET_X_LPARAM(m.LParam), GET_Y_LPARAM(m.LParam)});
      if (part != HotPart) SetHotPart(part);
      SkinTrackMouseLeave(FHandle);
      return;
    }
    case WM_MOUSELEAVE:
      TWinControl::WndProc(m);
      if (!Pressed) SetHotPart(spNone);
      return;
    case WM_LBUTTONDOWN:
    case WM_LBUTTONDBLCLK:
      MouseDown(m);
      return;
    case WM_LBUTTONUP:
      TWinControl::WndProc(m);
      MouseUp(m);
      return;
    default:
      TWinControl::WndProc(m);
  }
}

// ---- TScrollBarPair ----

void TScrollBarPair::Create(TSkinControl& skinner, TWinControl* control, HWND window) {
  Horz = new TWScrollbar(&skinner);
  Vert = new TWScrollbar(&skinner);
  for (TWScrollbar* bar : {Horz, Vert}) {
    const TBarKind kind = bar == Horz ? bkHorizontal : bkVertical;
    if (control)
      bar->AttachToControl(&skinner, control, kind);
    else
      bar->AttachToWindow(&skinner, window, kind);
  }
  SetEnabled(IsWindowEnabled(window));
}

void TScrollBarPair::Free() {
  delete std::exchange(Horz, nullptr);
  delete std::exchange(Vert, nullptr);
}

void TScrollBarPair::Reposition() {
  if (!Made()) return;
  Vert->Reposition();
  Horz->Reposition();
}

void TScrollBarPair::Hide() {
  if (!Made()) return;
  Vert->HideBar();
  Horz->HideBar();
}

void TScrollBarPair::SetEnabled(bool enabled) {
  if (!Made()) return;
  for (TWScrollbar* bar : {Vert, Horz}) {
    bar->SetEnabled(enabled);
    bar->Repaint();
  }
}

void TScrollBarPair::Scrolled(UINT msg, WPARAM wparam) {
  if (!Made()) return;
  (msg == WM_HSCROLL ? Horz : Vert)->SetHotPart(LOWORD(wparam));
}

void TScrollBarPair::Refresh(LONG_PTR style) {
  if (!Made()) return;
  for (TWScrollbar* bar : {Vert, Horz})
    if (!bar->BarVisible && (style & (bar == Vert ? WS_VSCROLL : WS_HSCROLL))) bar->Reposition();
}

void TScrollBarPair::FollowScrollState() {
  if (!Made()) return;
  Vert->FollowScrollState();
  Horz->FollowScrollState();
}

bool TScrollBarPair::AfterMessage(const TMessage& m) {
  switch (m.Msg) {
    case WM_SIZE:
    case WM_WINDOWPOSCHANGED:
      Reposition();
      return true;
    case WM_HSCROLL:
    case WM_VSCROLL:
      Scrolled(m.Msg, m.WParam);
      return true;
    case WM_ENABLE:
      SetEnabled(m.WParam != 0);
      return false;
    default:
      // Keys, the wheel and the window's own messages scroll without
      // telling anybody: the panels look at the bars after each message.
      FollowScrollState();
      return false;
  }
}

RECT TScrollBarPair::Corner(HWND window) const {
  if (!BothVisible()) return {};
  RECT corner{Vert->BarRect.left, Horz->BarRect.top, Vert->BarRect.right, Horz->BarRect.bottom};
  // From client to whole-window coordinates.
  POINT client{0, 0};
  RECT whole;
  ClientToScreen(window, &client);
  GetWindowRect(window, &whole);
  OffsetRect(&corner, client.x - whole.left, client.y - whole.top);
  return corner;
}
