#include "host/Forms.h"
#include "host/CallbackGuard.h"
#include "host/FormReader.h"
#include <algorithm>
#include <stdexcept>

TApplication* Application = nullptr;

// ---- TForm ----

DEFINE_CLASS_INFO(TCustomForm, TWinControl, {})

// ---- TScrollBox ----

namespace {
const std::vector<std::wstring> kScrollBoxBorders = {L"bsNone", L"bsSingle"};
constexpr int kWheelLines = 3;
}  // namespace

DEFINE_COMPONENT_INFO(TScrollBox, TWinControl,
  {EnumProp("BorderStyle", &TScrollBox::GetBorderStyle, &TScrollBox::SetBorderStyle, kScrollBoxBorders),
   IntProp("LineSize", &TScrollBox::GetLineSize, &TScrollBox::SetLineSize)})

TScrollBox::TScrollBox(TComponent* AOwner) : TWinControl(AOwner) { FColor = clBtnFace; }

void TScrollBox::CreateParams(TCreateParams& p) {
  TWinControl::CreateParams(p);
  p.Style |= WS_CLIPCHILDREN;
  if (FBorderStyle == bsSingle) p.ExStyle |= WS_EX_CLIENTEDGE;
}

void TScrollBox::AlignControls() {
  TWinControl::AlignControls();
  UpdateScrollRange();
}

void TScrollBox::UpdateScrollRange() {
  // Showing or hiding a bar resizes the client area, which comes back here.
  if (!FHandle || FUpdatingRange) return;
  FUpdatingRange = true;
  int extent[2] = {0, 0};
  for (TControl* c : FControls) {
    if (!c->GetVisible()) continue;
    extent[SB_HORZ] = std::max(extent[SB_HORZ], c->GetLeft() + c->GetWidth() + FPosition[SB_HORZ]);
    extent[SB_VERT] = std::max(extent[SB_VERT], c->GetTop() + c->GetHeight() + FPosition[SB_VERT]);
  }
  for (int bar : {SB_HORZ, SB_VERT}) {
    RECT client;
    GetClientRect(FHandle, &client);
    SCROLLINFO info{sizeof info, SIF_RANGE | SIF_PAGE};
    info.nMin = 0;
    info.nMax = std::max(extent[bar] - 1, 0);
    info.nPage = UINT(bar == SB_HORZ ? client.right : client.bottom);
    SetScrollInfo(FHandle, bar, &info, TRUE);
    // A smaller range may have moved the position back.
    info.fMask = SIF_POS;
    GetScrollInfo(FHandle, bar, &info);
    ScrollTo(bar, info.nPos);
  }
  FUpdatingRange = false;
}

void TScrollBox::ScrollTo(int bar, int position) {
  SCROLLINFO info{sizeof info, SIF_RANGE | SIF_PAGE};
  GetScrollInfo(FHandle, bar, &info);
  const int last = std::max(info.nMin, info.nMax - int(info.nPage) + 1);
  position = std::clamp(position, info.nMin, last);
  const int delta = FPosition[bar] - position;
  if (delta == 0) {
    SetScrollPos(FHandle, bar, position, TRUE);
    return;
  }
  FPosition[bar] = position;
  SetScrollPos(FHandle, bar, position, TRUE);
  for (TControl* c : std::vector<TControl*>(FControls))
    c->SetBounds(c->GetLeft() + (bar == SB_HORZ ? delta : 0), c->GetTop() + (bar == SB_VERT ? delta : 0),
                 c->GetWidth(), c->GetHeight());
  InvalidateRect(FHandle, nullptr, TRUE);
}

int TScrollBox::RequestedPosition(int bar, WORD code) const {
  SCROLLINFO info{sizeof info, SIF_ALL};
  GetScrollInfo(FHandle, bar, &info);
  switch (code) {
    case SB_LINEUP: return info.nPos - FLineSize;
    case SB_LINEDOWN: return info.nPos + FLineSize;
    case SB_PAGEUP: return info.nPos - int(info.nPage);
    case SB_PAGEDOWN: return info.nPos + int(info.nPage);
    case SB_TOP: return info.nMin;
    case SB_BOTTOM: return info.nMax;
    case SB_THUMBTRACK:
    case SB_THUMBPOSITION: return info.nTrackPos;
    default: return info.nPos;
  }
}

void TScrollBox::WndProc(TMessage& m) {
  // A scroll-bar control inside reports with its window in lParam.
  if ((m.Msg == WM_HSCROLL || m.Msg == WM_VSCROLL) && !m.LParam) {
    const int bar = m.Msg == WM_HSCROLL ? SB_HORZ : SB_VERT;
    ScrollTo(bar, RequestedPosition(bar, LOWORD(m.WParam)));
    m.Result = 0;
    return;
  }
  if (m.Msg == WM_MOUSEWHEEL && (GetWindowLongPtrW(FHandle, GWL_STYLE) & WS_VSCROLL)) {
    const int notches = GET_WHEEL_DELTA_WPARAM(m.WParam) / WHEEL_DELTA;
    ScrollTo(SB_VERT, FPosition[SB_VERT] - notches * kWheelLines * FLineSize);
    m.Result = 0;
    return;
  }
  TWinControl::WndProc(m);
}

DEFINE_CLASS_INFO(TForm, TCustomForm,
  {IntProp("ClientWidth", &TForm::GetClientWidth, &TForm::SetClientWidth),
   IntProp("ClientHeight", &TForm::GetClientHeight, &TForm::SetClientHeight),
   EnumProp("BorderStyle", &TForm::GetBorderStyle, &TForm::SetBorderStyle,
            {L"bsNone", L"bsSingle", L"bsSizeable", L"bsDialog", L"bsToolWindow", L"bsSizeToolWin"}),
   EnumProp("Position", &TForm::GetPosition, &TForm::SetPosition, {L"poDesigned", L"poDefault", L"poScreenCenter"}),
   SetOfProp("BorderIcons", &TForm::SetBorderIcons, {L"biSystemMenu", L"biMinimize", L"biMaximize", L"biHelp"}),
   EventProp("OnCreate", &TForm::OnCreate),
   EventProp("OnDestroy", &TForm::OnDestroy)})

TScreen& Screen() {
  static TScreen screen;
  return screen;
}

TForm::TForm(TComponent* AOwner) : TCustomForm(AOwner) {
  FVisible = false;
  Screen().FForms.push_back(this);
}

TForm::~TForm() {
  if (Application && Application->MainForm() == this) Application->SetMainForm(nullptr);
  auto& forms = Screen().FForms;
  forms.erase(std::remove(forms.begin(), forms.end(), this), forms.end());
}

void TForm::ReadState(const std::wstring& resource) {
  ReadComponentResource(*this, resource);
  HandleNeeded();
  if (OnCreate) OnCreate(this);
}

void TForm::ResizeToClient() {
  if (!FHandle) return;
  RECT w, c;
  GetWindowRect(FHandle, &w);
  GetClientRect(FHandle, &c);
  SetBounds(FLeft, FTop, (w.right - w.left) - c.right + FClientWidth, (w.bottom - w.top) - c.bottom + FClientHeight);
}

void TForm::SetClientWidth(int v) {
  FClientWidth = v;
  ResizeToClient();
}

void TForm::SetClientHeight(int v) {
  FClientHeight = v;
  ResizeToClient();
}

RECT TForm::ClientRect() const {
  if (FHandle) return TWinControl::ClientRect();
  return {0, 0, FClientWidth, FClientHeight};
}

void TForm::CreateParams(TCreateParams& p) {
  TWinControl::CreateParams(p);
  p.Style = WS_CLIPCHILDREN | WS_CLIPSIBLINGS;
  p.ExStyle = WS_EX_WINDOWEDGE;
  switch (FBorderStyle) {
    case bsNone: p.Style |= WS_POPUP; p.ExStyle = 0; break;
    case bsSingle: case bsToolWindow: p.Style |= WS_CAPTION | WS_BORDER; break;
    case bsSizeable: case bsSizeToolWin: p.Style |= WS_CAPTION | WS_THICKFRAME; break;
    case bsDialog: p.Style |= WS_POPUP | WS_CAPTION; p.ExStyle |= WS_EX_DLGMODALFRAME; break;
  }
  if (FBorderStyle == bsToolWindow || FBorderStyle == bsSizeToolWin) p.ExStyle |= WS_EX_TOOLWINDOW;
  if (FBorderStyle != bsNone && HasBorderIcon(biSystemMenu)) {
    p.Style |= WS_SYSMENU;
    if (FBorderStyle != bsDialog && HasBorderIcon(biMinimize)) p.Style |= WS_MINIMIZEBOX;
    if (FBorderStyle != bsDialog && HasBorderIcon(biMaximize)) p.Style |= WS_MAXIMIZEBOX;
  }
  p.WndParent = nullptr;
  if (FPosition != poDesigned) p.X = p.Y = int(CW_USEDEFAULT);
  if (FClientWidth > 0 || FClientHeight > 0) {
    RECT r{0, 0, FClientWidth, FClientHeight};
    AdjustWindowRectEx(&r, p.Style, FMenu != nullptr, p.ExStyle);
    p.Width = r.right - r.left;
    p.Height = r.bottom - r.top;
  }
}

void TForm::SetMenu(TMainMenu* menu) {
  if (FMenu && FHandle) FMenu->SetWindow(nullptr);
  FMenu = menu;
  if (!FHandle) return;
  if (FMenu) FMenu->SetWindow(FHandle);
  ShowMenu();
}

// A menu bar appearing or going keeps the client area's size.
void TForm::ShowMenu() {
  RECT before, after, window;
  GetClientRect(FHandle, &before);
  ::SetMenu(FHandle, FMenu ? FMenu->Handle() : nullptr);
  GetClientRect(FHandle, &after);
  GetWindowRect(FHandle, &window);
  SetBounds(FLeft, FTop, window.right - window.left, window.bottom - window.top + before.bottom - after.bottom);
}

void TForm::HandleCreated() {
  TCustomForm::HandleCreated();
  if (!FMenu) return;
  FMenu->SetWindow(FHandle);
  ::SetMenu(FHandle, FMenu->Handle());
}

void TForm::Show() {
  FVisible = true;
  ShowWindow(Handle(), SW_SHOW);
  UpdateWindow(FHandle);
}

void TForm::Close() {
  if (FHandle) PostMessageW(FHandle, WM_CLOSE, 0, 0);
}

TMethod TForm::FindMethod(const std::string&) { return {}; }

void TForm::WndProc(TMessage& m) {
  switch (m.Msg) {
    case WM_CLOSE:
      if (Application && Application->MainForm() == this) Application->Terminate();
      DestroyHandle();
      return;
    case WM_DESTROY:
      if (OnDestroy) OnDestroy(this);
      // The window would destroy the menu it shows; the menu is not its own.
      if (FMenu) {
        ::SetMenu(FHandle, nullptr);
        FMenu->SetWindow(nullptr);
      }
      break;
    case CM_MENUCHANGED:
      if (FMenu) ::SetMenu(FHandle, FMenu->Handle());
      return;
    case WM_MEASUREITEM: case WM_DRAWITEM:
      if (DispatchPopupOwnerDraw(m.Msg, m.WParam, m.LParam)) {
        m.Result = TRUE;
        return;
      }
      break;
    case WM_COMMAND:
      // From the menu bar: no control, and not an accelerator.
      if (m.LParam == 0 && HIWORD(m.WParam) == 0 && FMenu && FMenu->DispatchCommand(LOWORD(m.WParam))) return;
      break;
    case WM_WINDOWPOSCHANGED: {
      auto* wp = reinterpret_cast<WINDOWPOS*>(m.LParam);
      if (!(wp->flags & SWP_NOMOVE)) { FLeft = wp->x; FTop = wp->y; }
      if (!(wp->flags & SWP_NOSIZE)) { FWidth = wp->cx; FHeight = wp->cy; }
      break;
    }
  }
  TWinControl::WndProc(m);
}

// ---- TApplication ----

namespace {
// The window whose dialog keys (Tab, the arrows, Enter, Escape) a message
// is for: the top-level form of ours, or the dialog, it belongs to.
HWND DialogKeysWindow(HWND wnd) {
  const HWND root = wnd ? GetAncestor(wnd, GA_ROOT) : nullptr;
  if (!root) return nullptr;
  if (dynamic_cast<TCustomForm*>(FindControl(root))) return root;
  wchar_t name[16] = {};
  GetClassNameW(root, name, 16);
  return wcscmp(name, L"#32770") == 0 ? root : nullptr;
}
}  // namespace

DEFINE_CLASS_INFO(TApplication, TComponent, {StrProp("Title", &TApplication::GetTitle, &TApplication::SetTitle)})

TApplication::TApplication() : TComponent(nullptr) {
  if (Application) throw std::logic_error("one application object per process");
  Application = this;
}

TApplication::~TApplication() {
  while (!Components().empty()) delete Components().back();
  if (FHandle) DestroyWindow(FHandle);
  Application = nullptr;
}

namespace {
// The application window answers the owner-draw messages of the popup menus
// it tracks; everything else gets the default.
LRESULT CALLBACK ApplicationWndProc(HWND wnd, UINT msg, WPARAM wparam, LPARAM lparam) {
  if (msg == WM_MEASUREITEM || msg == WM_DRAWITEM) {
    bool handled = false;
    GuardCallback("application window", [&] { handled = DispatchPopupOwnerDraw(msg, wparam, lparam); });
    if (handled) return TRUE;
  }
  return DefWindowProcW(wnd, msg, wparam, lparam);
}
}  // namespace

void TApplication::Initialize() {
  // A hidden window that carries the application's title.
  HINSTANCE instance = GetModuleHandleW(nullptr);
  WNDCLASSEXW wc{sizeof wc};
  if (!GetClassInfoExW(instance, L"TApplication", &wc)) {
    wc.lpfnWndProc = ApplicationWndProc;
    wc.hInstance = instance;
    wc.hIcon = LoadIconW(instance, L"MAINICON");
    wc.lpszClassName = L"TApplication";
    RegisterClassExW(&wc);
  }
  FHandle = CreateWindowExW(0, L"TApplication", FTitle.c_str(), WS_POPUP | WS_CAPTION | WS_CLIPSIBLINGS | WS_SYSMENU,
                            0, 0, 0, 0, nullptr, nullptr, instance, nullptr);
  // Others ask the application window for the program's icon.
  HICON icon = LoadIconW(instance, L"MAINICON");
  SendMessageW(FHandle, WM_SETICON, ICON_BIG, LPARAM(icon));
  SendMessageW(FHandle, WM_SETICON, ICON_SMALL, LPARAM(icon));
}

void TApplication::SetTitle(const std::wstring& title) {
  FTitle = title;
  if (FHandle) SetWindowTextW(FHandle, title.c_str());
}

bool TApplication::ProcessMessage(MSG& msg) {
  if (msg.message == WM_QUIT) {
    FTerminated = true;
    return false;
  }
  const HWND dialog = DialogKeysWindow(msg.hwnd);
  if (dialog && IsDialogMessageW(dialog, &msg)) return true;
  TranslateMessage(&msg);
  DispatchMessageW(&msg);
  return true;
}

bool TApplication::HandleMessage() {
  MSG msg;
  if (PeekMessageW(&msg, nullptr, 0, 0, PM_REMOVE)) return ProcessMessage(msg);
  WaitMessage();
  return !FTerminated;
}

void TApplication::ProcessMessages() {
  MSG msg;
  while (PeekMessageW(&msg, nullptr, 0, 0, PM_REMOVE)) {
    if (!ProcessMessage(msg)) {
      PostQuitMessage(int(msg.wParam));  // leave it for the outer loop
      break;
    }
  }
}

void TApplication::Terminate() {
  FTerminated = true;
  PostQuitMessage(0);
}

void TApplication::Run() {
  if (FMainForm) FMainForm->Show();
  while (!FTerminated) HandleMessage();
}
