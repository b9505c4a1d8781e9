#include "host/Controls.h"
#include "host/CallbackGuard.h"
#include "host/WideText.h"
#include <algorithm>
#include <cstdio>
#include <optional>
#include <stdexcept>
#include <utility>
#include <windowsx.h>

namespace {
ATOM ControlAtom() {
  static const ATOM atom = GlobalAddAtomW(ControlAtomName().c_str());
  return atom;
}
// The control whose CreateWindowEx is running: its first message binds it.
thread_local TWinControl* CreationControl = nullptr;

bool IsMouseMessage(UINT msg) { return msg >= WM_MOUSEFIRST && msg <= WM_MBUTTONDBLCLK; }
}  // namespace

std::wstring ControlAtomName() {
  wchar_t name[64];
  swprintf(name, 64, L"ControlOfs%.8X%.8X", unsigned(uintptr_t(GetModuleHandleW(nullptr))),
           unsigned(GetCurrentThreadId()));
  return name;
}

TWinControl* FindControl(HWND wnd) {
  return wnd ? static_cast<TWinControl*>(GetPropW(wnd, MAKEINTATOM(ControlAtom()))) : nullptr;
}

LRESULT CALLBACK ControlWndProc(HWND wnd, UINT msg, WPARAM wparam, LPARAM lparam) {
  TWinControl* control = FindControl(wnd);
  if (!control) {
    control = CreationControl;
    if (!control) return DefWindowProcW(wnd, msg, wparam, lparam);
    CreationControl = nullptr;
    control->FHandle = wnd;
    SetPropW(wnd, MAKEINTATOM(ControlAtom()), control);
  }
  return control->MainWndProc(msg, wparam, lparam);
}

// ---- TControl ----

DEFINE_CLASS_INFO(TControl, TComponent,
  {IntProp("Left", &TControl::GetLeft, &TControl::SetLeft),
   IntProp("Top", &TControl::GetTop, &TControl::SetTop),
   IntProp("Width", &TControl::GetWidth, &TControl::SetWidth),
   IntProp("Height", &TControl::GetHeight, &TControl::SetHeight),
   BoolProp("Visible", &TControl::GetVisible, &TControl::SetVisible),
   BoolProp("Enabled", &TControl::GetEnabled, &TControl::SetEnabled),
   StrProp("Caption", &TControl::GetText, &TControl::SetText),
   EnumProp("Align", &TControl::GetAlign, &TControl::SetAlign,
            {L"alNone", L"alTop", L"alBottom", L"alLeft", L"alRight", L"alClient"}),
   EnumProp("Cursor", &TControl::GetCursor, &TControl::SetCursor, {L"crDefault", L"crHandPoint"}),
   EnumProp("BiDiMode", &TControl::GetBiDiMode, &TControl::SetBiDiMode,
            {L"bdLeftToRight", L"bdRightToLeft", L"bdRightToLeftNoAlign", L"bdRightToLeftReadingOnly"}),
   ColorProp("Color", &TControl::GetColor, &TControl::SetColor),
   ObjProp("Font", &TControl::GetFont),
   BoolProp("ParentFont", &TControl::GetParentFont, &TControl::SetParentFont),
   EventProp("OnClick", &TControl::OnClick)})

TControl::TControl(TComponent* AOwner) : TComponent(AOwner) {
  WindowProc = [this](TMessage& m) { WndProc(m); };
  FFont.OnChange = [this] {
    FParentFont = false;
    FontChanged();
  };
}

TControl::~TControl() {
  if (FParent) FParent->RemoveControl(this);
}

LRESULT TControl::Perform(UINT msg, WPARAM wparam, LPARAM lparam) {
  TMessage m{msg, wparam, lparam, 0};
  WindowProc(m);
  return m.Result;
}

void TControl::SetParent(TWinControl* parent) {
  if (parent == FParent) return;
  if (FParent) FParent->RemoveControl(this);
  FParent = parent;
  if (FParent) FParent->InsertControl(this);
}

void TControl::SetBounds(int left, int top, int width, int height) {
  if (left == FLeft && top == FTop && width == FWidth && height == FHeight) return;
  Invalidate();
  FLeft = left;
  FTop = top;
  FWidth = width;
  FHeight = height;
  Invalidate();
}

void TControl::SetVisible(bool v) {
  if (v == FVisible) return;
  FVisible = v;
  if (FParent) FParent->Invalidate();
  Perform(CM_VISIBLECHANGED, v);
}

void TControl::SetEnabled(bool v) {
  FEnabled = v;
  Invalidate();
}

void TControl::SetText(const std::wstring& text) {
  FText = text;
  Invalidate();
}

void TControl::SetAlign(TAlign a) {
  FAlign = a;
  if (FParent) FParent->AlignControls();
}

void TControl::SetParentFont(bool v) {
  FParentFont = v;
  FontChanged();
}

const TFont& TControl::EffectiveFont() const {
  return FParentFont && FParent ? FParent->EffectiveFont() : FFont;
}

void TControl::ParentFontChanged() {
  if (FParentFont) FontChanged();
}

void TControl::Click() {
  if (OnClick) OnClick(this);
}

void TControl::MouseDown(TMouseButton Button, TShiftState Shift, int X, int Y) {
  if (OnMouseDown) OnMouseDown(this, Button, Shift, X, Y);
}

TShiftState KeysToShiftState(WORD keys) {
  TShiftState s = 0;
  if (keys & MK_SHIFT) s |= ssShift;
  if (keys & MK_CONTROL) s |= ssCtrl;
  if (keys & MK_LBUTTON) s |= ssLeft;
  if (keys & MK_RBUTTON) s |= ssRight;
  if (keys & MK_MBUTTON) s |= ssMiddle;
  if (GetKeyState(VK_MENU) < 0) s |= ssAlt;
  return s;
}

void TControl::Invalidate() {}

void TControl::WndProc(TMessage& m) {
  if (m.Msg == WM_LBUTTONDOWN || m.Msg == WM_LBUTTONDBLCLK || m.Msg == WM_RBUTTONDOWN || m.Msg == WM_MBUTTONDOWN) {
    DefaultHandler(m);
    const TMouseButton button = m.Msg == WM_RBUTTONDOWN ? mbRight : m.Msg == WM_MBUTTONDOWN ? mbMiddle : mbLeft;
    if (FClickOnMouseUp && m.Msg == WM_LBUTTONDOWN) FMouseDown = true;
    MouseDown(button, KeysToShiftState(LOWORD(m.WParam)), GET_X_LPARAM(m.LParam), GET_Y_LPARAM(m.LParam));
    return;
  }
  if (FClickOnMouseUp) {
    if (m.Msg == WM_LBUTTONUP && FMouseDown) {
      FMouseDown = false;
      POINT p{GET_X_LPARAM(m.LParam), GET_Y_LPARAM(m.LParam)};
      if (p.x >= 0 && p.y >= 0 && p.x < FWidth && p.y < FHeight) {
        DefaultHandler(m);
        Click();
        return;
      }
    }
  }
  DefaultHandler(m);
}

// ---- TGraphicControl ----

DEFINE_CLASS_INFO(TGraphicControl, TControl, {})

void TGraphicControl::Invalidate() {
  if (FParent && FParent->HandleAllocated()) {
    RECT r = BoundsRect();
    InvalidateRect(FParent->Handle(), &r, TRUE);
  }
}

void TGraphicControl::WndProc(TMessage& m) {
  if (m.Msg == WM_PAINT) {
    if (m.WParam) {
      TControlCanvasLock lock(*this, HDC(m.WParam));
      Paint(lock.Canvas());
    }
    m.Result = 0;
    return;
  }
  TControl::WndProc(m);
}

// ---- TControlCanvasLock ----

TControlCanvasLock::TControlCanvasLock(TGraphicControl& control, HDC lent)
    : FControl(control), FPrevious(control.FCanvas.Handle()) {
  ++FControl.FCanvasLocks;
  // A nested lock without a DC of its own draws on the one already lent.
  if (!lent && FPrevious) return;
  HDC dc = lent;
  TWinControl* parent = control.Parent();
  if (!dc && parent && parent->HandleAllocated()) {
    FParentDC = std::make_unique<TWindowDC>(parent->Handle());
    dc = FParentDC->Get();
    if (dc) {
      FSavedState = SaveDC(dc);
      const RECT r = control.BoundsRect();
      IntersectClipRect(dc, r.left, r.top, r.right, r.bottom);
      SetViewportOrgEx(dc, r.left, r.top, nullptr);
    }
  }
  FControl.FCanvas.SetHandle(dc);
}

TControlCanvasLock::~TControlCanvasLock() {
  if (FSavedState) RestoreDC(FParentDC->Get(), FSavedState);
  FControl.FCanvas.SetHandle(FPrevious);
  --FControl.FCanvasLocks;
}

// ---- TWinControl ----

DEFINE_CLASS_INFO(TWinControl, TControl,
  {IntProp("TabOrder", &TWinControl::GetTabOrder, &TWinControl::SetTabOrder),
   BoolProp("TabStop", &TWinControl::GetTabStop, &TWinControl::SetTabStop)})

TWinControl::TWinControl(TComponent* AOwner) : TControl(AOwner) {}

TWinControl::~TWinControl() {
  DestroyHandle();
  while (!FControls.empty()) delete FControls.back();
}

HWND TWinControl::Handle() {
  if (!FHandle && FParent) FParent->HandleNeeded();  // creates ours along with its children
  if (!FHandle) CreateHandle();
  return FHandle;
}

void TWinControl::DestroyHandle() {
  if (FHandle) DestroyWindow(FHandle);
}

std::vector<TWinControl*> TWinControl::ChildrenInTabOrder() const {
  std::vector<TWinControl*> children;
  for (TControl* c : FControls)
    if (auto* w = dynamic_cast<TWinControl*>(c)) children.push_back(w);
  std::stable_sort(children.begin(), children.end(),
                   [](TWinControl* a, TWinControl* b) { return unsigned(a->FTabOrder) < unsigned(b->FTabOrder); });
  return children;
}

void TWinControl::GetTabOrderList(std::vector<TWinControl*>& list) const {
  for (TWinControl* w : ChildrenInTabOrder()) {
    list.push_back(w);
    w->GetTabOrderList(list);
  }
}

void TWinControl::InsertControl(TControl* c) {
  FControls.push_back(c);
  auto* w = dynamic_cast<TWinControl*>(c);
  if (w && FHandle) w->HandleNeeded();
  c->Invalidate();
}

void TWinControl::RemoveControl(TControl* c) {
  c->Invalidate();
  FControls.erase(std::remove(FControls.begin(), FControls.end(), c), FControls.end());
  if (FMouseControl == c) FMouseControl = nullptr;
  if (FHoverControl == c) FHoverControl = nullptr;
}

void TWinControl::CreateParams(TCreateParams& p) {
  p.Caption = FText;
  p.Style = WS_CHILD | WS_CLIPSIBLINGS | (FVisible ? WS_VISIBLE : 0) | (FEnabled ? 0 : WS_DISABLED) |
            (FTabStop ? WS_TABSTOP : 0);
  p.X = FLeft;
  p.Y = FTop;
  p.Width = FWidth;
  p.Height = WindowHeight();
  p.WndParent = FParent ? FParent->Handle() : nullptr;
  p.WinClassName = Utf8ToWide(ClassName());
}

void TWinControl::CreateWnd() {
  TCreateParams p;
  CreateParams(p);
  HINSTANCE instance = GetModuleHandleW(nullptr);
  WNDCLASSEXW wc{sizeof wc};
  if (p.SysClassName) {
    if (!GetClassInfoExW(nullptr, p.SysClassName, &wc)) throw std::runtime_error("native window class missing");
    FDefWndProc = wc.lpfnWndProc;
  } else {
    FDefWndProc = DefWindowProcW;
    wc.hCursor = LoadCursorW(nullptr, IDC_ARROW);
    wc.style = p.ClassStyle;
  }
  WNDCLASSEXW existing{sizeof existing};
  if (!GetClassInfoExW(instance, p.WinClassName.c_str(), &existing)) {
    wc.cbSize = sizeof wc;
    wc.lpfnWndProc = ControlWndProc;
    wc.hInstance = instance;
    wc.lpszClassName = p.WinClassName.c_str();
    wc.hIcon = p.SysClassName ? wc.hIcon : LoadIconW(instance, L"MAINICON");
    if (!RegisterClassExW(&wc)) throw std::runtime_error("RegisterClassEx failed");
  }
  CreationControl = this;
  HWND wnd = CreateWindowExW(p.ExStyle, p.WinClassName.c_str(), p.Caption.c_str(), p.Style, p.X, p.Y,
                             p.Width, p.Height, p.WndParent, nullptr, instance, nullptr);
  CreationControl = nullptr;
  if (!wnd) throw std::runtime_error("CreateWindowEx failed");
}

void TWinControl::CreateHandle() {
  CreateWnd();
  SendMessageW(FHandle, WM_SETFONT, WPARAM(EffectiveFont().Handle()), 0);
  HandleCreated();
  // Children in tab order: the window list then gives the tab sequence.
  for (TWinControl* w : ChildrenInTabOrder())
    if (!w->FHandle) w->CreateHandle();
  AlignControls();
}

LRESULT TWinControl::MainWndProc(UINT msg, WPARAM wparam, LPARAM lparam) {
  TMessage m{msg, wparam, lparam, 0};
  GuardMessage("control window procedure", [&] { WindowProc(m); }, [&] { TWinControl::DefaultHandler(m); });
  if (msg == WM_NCDESTROY) {
    RemovePropW(FHandle, MAKEINTATOM(ControlAtom()));
    FHandle = nullptr;
  }
  return m.Result;
}

void TWinControl::DefaultHandler(TMessage& m) {
  m.Result = FHandle ? CallWindowProcW(FDefWndProc, FHandle, m.Msg, m.WParam, m.LParam) : 0;
  TMessageFrame::MarkDefaultDone();
}

void TWinControl::WndProc(TMessage& m) {
  if (m.Msg == WM_MOUSEMOVE || m.Msg == WM_MOUSELEAVE) TrackMouseHover(m);
  if (IsMouseMessage(m.Msg) && RouteMouseToGraphic(m)) return;
  if (ReflectNotification(m)) return;
  bool ownClass = FDefWndProc == DefWindowProcW;
  switch (m.Msg) {
    case WM_PAINT:
      if (ownClass) { WMPaint(m); return; }
      break;
    case WM_ERASEBKGND:
      if (ownClass) {
        TCanvas canvas(HDC(m.WParam));
        canvas.BrushColor = FColor;
        canvas.FillRect(ClientRect());
        m.Result = 1;
        return;
      }
      break;
    case WM_SETCURSOR:
      if (FCursor == crHandPoint && LOWORD(m.LParam) == HTCLIENT) {
        ::SetCursor(LoadCursorW(nullptr, IDC_HAND));
        m.Result = 1;
        return;
      }
      break;
    case WM_SIZE:
      TControl::WndProc(m);
      AlignControls();
      return;
    case WM_SYSCHAR: {
      // The form may use the key (its menu bar); else the system looks for
      // the window menu's accelerator.
      TWinControl* form = this;
      while (form->Parent()) form = form->Parent();
      if (form->Perform(CM_DIALOGCHAR, m.WParam, m.LParam)) {
        m.Result = 0;
        return;
      }
      break;
    }
  }
  TControl::WndProc(m);
}

TControl* TWinControl::GraphicChildAt(POINT p) const {
  for (auto it = FControls.rbegin(); it != FControls.rend(); ++it) {
    auto* g = dynamic_cast<TGraphicControl*>(*it);
    RECT r = (*it)->BoundsRect();
    if (g && g->GetVisible() && g->GetEnabled() && PtInRect(&r, p)) return g;
  }
  return nullptr;
}

void TWinControl::TrackMouseHover(const TMessage& m) {
  if (m.Msg == WM_MOUSELEAVE) {
    FMouseInside = false;
    SetHoverControl(nullptr);
    Perform(CM_MOUSELEAVE);
    return;
  }
  if (!FMouseInside) {
    // Asked once per stay: the system posts WM_MOUSELEAVE when it ends.
    TRACKMOUSEEVENT track{sizeof track, TME_LEAVE, FHandle, 0};
    FMouseInside = FHandle && TrackMouseEvent(&track);
    if (FMouseInside) Perform(CM_MOUSEENTER);
  }
  SetHoverControl(GraphicChildAt({GET_X_LPARAM(m.LParam), GET_Y_LPARAM(m.LParam)}));
}

void TWinControl::SetHoverControl(TControl* control) {
  if (control == FHoverControl) return;
  if (TControl* left = std::exchange(FHoverControl, control)) left->Perform(CM_MOUSELEAVE);
  // The child may have been taken out while it heard of the leave.
  if (FHoverControl == control && control) control->Perform(CM_MOUSEENTER);
}

bool TWinControl::RouteMouseToGraphic(TMessage& m) {
  POINT p{GET_X_LPARAM(m.LParam), GET_Y_LPARAM(m.LParam)};
  TControl* target = FMouseControl ? FMouseControl : GraphicChildAt(p);
  if (!target) return false;
  if (m.Msg == WM_LBUTTONDOWN) { FMouseControl = target; SetCapture(FHandle); }
  if (m.Msg == WM_LBUTTONUP) { FMouseControl = nullptr; ReleaseCapture(); }
  m.Result = target->Perform(m.Msg, m.WParam, MAKELPARAM(p.x - target->GetLeft(), p.y - target->GetTop()));
  return true;
}

bool TWinControl::ReflectNotification(TMessage& m) {
  HWND from = nullptr;
  UINT reflected = 0;
  if (m.Msg == WM_COMMAND && m.LParam) { from = HWND(m.LParam); reflected = CN_COMMAND; }
  // A notification without its header has no sender to reflect it to.
  if (m.Msg == WM_NOTIFY && m.LParam) { from = reinterpret_cast<NMHDR*>(m.LParam)->hwndFrom; reflected = CN_NOTIFY; }
  // A scroll-bar control reports in lParam; a window's own bars leave it 0.
  if ((m.Msg == WM_HSCROLL || m.Msg == WM_VSCROLL) && m.LParam) {
    from = HWND(m.LParam);
    reflected = m.Msg == WM_HSCROLL ? CN_HSCROLL : CN_VSCROLL;
  }
  if (m.Msg == WM_DRAWITEM && m.LParam) {
    // A menu item's record names a menu, not a window.
    const auto* item = reinterpret_cast<const DRAWITEMSTRUCT*>(m.LParam);
    if (item->CtlType != ODT_MENU) { from = item->hwndItem; reflected = CN_DRAWITEM; }
  }
  TWinControl* child = FindControl(from);
  if (!child || child == this) return false;
  m.Result = child->Perform(reflected, m.WParam, m.LParam);
  return true;
}

void TWinControl::WMPaint(TMessage& m) {
  // A DC in wParam asks for the picture there (printing, a skinner's
  // off-screen copy); otherwise the window's invalid part is painted.
  std::optional<TPaintDC> paint;
  HDC dc = HDC(m.WParam);
  RECT dirty{};
  if (dc) {
    GetClipBox(dc, &dirty);
  } else {
    paint.emplace(FHandle);
    dc = paint->Get();
    dirty = paint->PaintRect();
  }
  PaintWindow(dc);
  PaintControls(dc, dirty);
  m.Result = 0;
}

void TWinControl::PaintWindow(HDC) {}

void TWinControl::PaintControls(HDC dc, const RECT& area) {
  for (TControl* c : FControls) {
    auto* g = dynamic_cast<TGraphicControl*>(c);
    RECT r = c->BoundsRect(), clip;
    if (!g || !g->GetVisible() || !IntersectRect(&clip, &r, &area)) continue;
    int saved = SaveDC(dc);
    IntersectClipRect(dc, r.left, r.top, r.right, r.bottom);
    OffsetViewportOrgEx(dc, r.left, r.top, nullptr);  // the caller's DC may be offset already
    // Through its WindowProc, so a skinner hooked there paints it instead.
    g->Perform(WM_PAINT, WPARAM(dc), 0);
    RestoreDC(dc, saved);
  }
}

void TWinControl::FontChanged() {
  if (FHandle) SendMessageW(FHandle, WM_SETFONT, WPARAM(EffectiveFont().Handle()), TRUE);
  for (TControl* c : FControls) c->ParentFontChanged();
}

void TWinControl::SetBounds(int left, int top, int width, int height) {
  // Unchanged bounds cost no window move: relayouts run on every resize.
  if (left == FLeft && top == FTop && width == FWidth && height == FHeight) return;
  FLeft = left;
  FTop = top;
  FWidth = width;
  FHeight = height;
  if (FHandle) SetWindowPos(FHandle, nullptr, left, top, width, WindowHeight(), SWP_NOZORDER | SWP_NOACTIVATE);
}

void TWinControl::SetVisible(bool v) {
  const bool changed = v != FVisible;
  FVisible = v;
  if (FHandle) ShowWindow(FHandle, v ? SW_SHOW : SW_HIDE);
  if (changed) Perform(CM_VISIBLECHANGED, v);
}

void TWinControl::SetEnabled(bool v) {
  FEnabled = v;
  if (FHandle) EnableWindow(FHandle, v);
}

std::wstring TWinControl::GetText() const {
  if (!FHandle) return FText;
  std::wstring text(size_t(GetWindowTextLengthW(FHandle)) + 1, L'\0');
  text.resize(size_t(GetWindowTextW(FHandle, text.data(), int(text.size()))));
  return text;
}

void TWinControl::SetText(const std::wstring& text) {
  FText = text;
  if (FHandle) SetWindowTextW(FHandle, text.c_str());
}

void TWinControl::Invalidate() {
  if (FHandle) InvalidateRect(FHandle, nullptr, TRUE);
}

void TWinControl::SetFocus() {
  if (FHandle) ::SetFocus(FHandle);
}

RECT TWinControl::ClientRect() const {
  RECT r{0, 0, FWidth, FHeight};
  if (FHandle) GetClientRect(FHandle, &r);
  return r;
}

void TWinControl::AlignControls() {
  RECT r = ClientRect();
  for (TAlign pass : {alTop, alBottom, alLeft, alRight, alClient}) {
    for (TControl* c : FControls) {
      if (c->GetAlign() != pass || !c->GetVisible()) continue;
      int w = c->GetWidth(), h = c->GetHeight();
      switch (pass) {
        case alTop: c->SetBounds(r.left, r.top, r.right - r.left, h); r.top += h; break;
        case alBottom: c->SetBounds(r.left, r.bottom - h, r.right - r.left, h); r.bottom -= h; break;
        case alLeft: c->SetBounds(r.left, r.top, w, r.bottom - r.top); r.left += w; break;
        case alRight: c->SetBounds(r.right - w, r.top, w, r.bottom - r.top); r.right -= w; break;
        default: c->SetBounds(r.left, r.top, r.right - r.left, r.bottom - r.top); break;
      }
    }
  }
}
