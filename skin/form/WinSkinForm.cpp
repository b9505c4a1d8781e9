#include "skin/form/WinSkinForm.h"
#include "host/CallbackGuard.h"
#include "host/Forms.h"
#include "host/Platform.h"
#include "host/TypInfo.h"
#include "skin/data/WinSkinData.h"
#include "skin/form/WinSysButton.h"
#include <vector>
#include "skin/manager/SkinManage.h"
#include "skin/manager/SkinMessages.h"
#include <stdexcept>

namespace {

constexpr UINT WM_NCUAHDRAWCAPTION = 0xAE;
constexpr UINT CM_MENUCHANGED = 0xB015;

}  // namespace

namespace {
int LiveSkinners = 0;
}  // namespace

int TWinSkinForm::Instances() { return LiveSkinners; }

TWinSkinForm::TWinSkinForm(TComponent* AOwner) : TComponent(AOwner) {
  ++LiveSkinners;
  DoubleClickTime = int(GetDoubleClickTime());
  SmallIconSize = GetSystemMetrics(SM_CXSMICON);
  NONCLIENTMETRICSA metrics{};
  metrics.cbSize = sizeof metrics;
  if (SystemParametersInfoA(SPI_GETNONCLIENTMETRICS, sizeof metrics, &metrics, 0))
    CaptionFont.Reset(CreateFontIndirectA(&metrics.lfCaptionFont));
}

TWinSkinForm::~TWinSkinForm() {
  --LiveSkinners;
  // Never leave the window routed to a freed object.
  try {
    RestoreWindowProcs();
  } catch (...) {
  }
  StopHover();
  CaptionButtons.clear();
  // No control skinner may keep a pointer to this one.
  while (!ControlSkinners.empty()) {
    TSkinControl* skinner = ControlSkinners.front();
    skinner->Release();
    RemoveControlSkinner(skinner);
  }
  if (SkinManager) SkinManager->RemoveFormSkinner(Handle);
}

void TWinSkinForm::CallDefault(TMessage& m) {
  m.Result = WindowLink.CallOld(m.Msg, m.WParam, m.LParam);
}

void TWinSkinForm::AttachToForm(TSkinData* data, TWinControl* form) {
  Form = form;
  if (data->OnBeforeSkinForm) data->OnBeforeSkinForm(form, Handle, ClassNameForEvents);
  if (data->Has(xcMenuItem)) SetPropValue(form, "AutoScroll", TValue::Bool(false));
  Attach(data);
  if (FrameSkinned) {
    FormLink.Install(*form, [this](TMessage& m) { ControlWndProc(m); });
  }
  SavedColor = form->GetColor();
  form->SetColor(data->SkinColours[3]);
}

void TWinSkinForm::Attach(TSkinData* data) {
  if (WindowLink.Installed()) return;
  if (SkinManager) SkinManager->RunState = 1;
  SkinData = data;
  HoverTimer = std::make_unique<TTimer>(nullptr);
  HoverTimer->SetEnabled(false);
  HoverTimer->SetInterval(250);
  HoverTimer->OnTimer = [this](TObject*) { HoverTick(); };

  FrameSkinned = data->Has(xcMainMenu);
  WindowStyle = GetWindowLongPtrW(Handle, GWL_STYLE);
  const LONG_PTR exStyle = GetWindowLongPtrW(Handle, GWL_EXSTYLE);
  RightToLeft = exStyle & WS_EX_LEFTSCROLLBAR;
  IsChild = WindowStyle & WS_CHILD;
  WindowClassName = ClassNameOf(Handle);
  OwnerWindow = GetWindow(Handle, GW_OWNER);

  BorderIcons = 0;
  if ((WindowStyle & WS_SYSMENU) || SystemMenu) BorderIcons |= 8;
  if (WindowStyle & WS_MINIMIZEBOX) BorderIcons |= 2;
  if (WindowStyle & WS_MAXIMIZEBOX) BorderIcons |= 1;
  if (exStyle & WS_EX_CONTEXTHELP) BorderIcons |= 4;

  ReadWindowState();
  Sizeable = WindowStyle & WS_THICKFRAME;

  FormKind = 0;
  for (HWND child = GetTopWindow(Handle); child; child = GetWindow(child, GW_HWNDNEXT))
    if (ClassNameOf(child) == L"MDIClient") {
      FormKind = 1;
      MDIClientWindow = child;
      if (SkinManager) {
        SkinManager->MDIClientHandle = child;
        SkinManager->MDIParentForm = Form;
      }
    }
  if (exStyle & WS_EX_MDICHILD) {
    FormKind = 2;
    if (data->Has(xoMDIChildBorder)) FrameSkinned = false;
  }

  BorderKind = 1;
  if ((WindowStyle & WS_CAPTION) != WS_CAPTION)
    BorderKind = 2;
  else if (WindowStyle & WS_THICKFRAME)
    BorderKind = 0;
  else if (WindowStyle & DS_MODALFRAME)
    BorderKind = 3;
  if (exStyle & WS_EX_DLGMODALFRAME) BorderKind = 3;
  if (WindowClassName == L"#32770" || WindowClassName == L"TMessageForm") {
    BorderKind = 3;
    IsDialog = true;
  }

  const DWORD version = GetVersion();
  const int major = LOBYTE(LOWORD(version)), minor = HIBYTE(LOWORD(version));
  if (major > 4 && minor == 0 &&
      (((exStyle & WS_EX_APPWINDOW) && IsWinNT()) || (!OwnerWindow && FormKind != 2)))
    BorderIcons |= 16;

  UnicodeWindow = IsWindowUnicode(Handle);
  if (version & 0x80000000u) data->SkinControls &= ~SetOf({xcSystemMenu});

  if (FormKind == 1) {
    MenuUpdateCopy = data->MenuUpdate;
    HookMDIClient();
  }

  // Route the window to this object; the stub finds it through a property.
  if (!WindowLink.Install(Handle, [this](UINT msg, WPARAM wparam, LPARAM lparam) {
        return FormWndProc(msg, wparam, lparam);
      }))
    throw std::runtime_error("the window cannot be subclassed");

  if (FrameSkinned) {
    // The menu bar is not skinned: windows keep no menu strip of their own.
    MenuBarHeight = 0;
    SetupFrame();
  } else {
    State = 1;
  }
  if (FormKind == 2) {
    // A thin skin title leaves the rest of the native caption height as a band.
    const int caption = GetSystemMetrics(SM_CYCAPTION) + GetSystemMetrics(SM_CXFRAME);
    if (FrameSkinned && BorderTop < caption) MenuBarHeight = caption - BorderTop;
    if (WindowState == 1 && SkinManager && !SkinManager->MDIMaximized) SkinManager->SetMDIMaximized(true);
  }
}

void TWinSkinForm::ReadWindowState() {
  WINDOWPLACEMENT placement{sizeof placement};
  WindowState = 0;
  if (!GetWindowPlacement(Handle, &placement)) return;
  if (placement.showCmd == 2 || placement.showCmd == 6 || placement.showCmd == 7)
    WindowState = 2;
  else if (placement.showCmd == 3)
    WindowState = 1;
  if (IsIconic(Handle)) WindowState = 2;
  else if (IsZoomed(Handle)) WindowState = 1;
}

void TWinSkinForm::Activate() {
  Activated = true;
  SystemMenu = GetSystemMenu(Handle, FALSE);
  if (SystemMenu) BorderIcons |= 8;
  BuildIconBitmap();
  GetClientRect(Handle, &ClientRect);
  RECT w{};
  GetWindowRect(Handle, &w);
  NativeFrameSize = {0, 0, (w.right - w.left) - (ClientRect.right - ClientRect.left),
                     (w.bottom - w.top) - (ClientRect.bottom - ClientRect.top)};
  DiscoverControls();
  if (State == 0 && FrameSkinned) {
    if (FormKind == 2) {
      if (WindowState == 1 && SkinManager && SkinManager->MDIClientHandle)
        PostMessageW(SkinManager->MDIClientHandle, WM_SKIN_MDIREDRAW, WPARAM(Handle), 0);
      if (WindowState == 0) {
        State = 5;
        ResizeToFrame(false);
        State = 1;
        UpdateRegion();
      }
    } else if (!IsChild && BorderKind != 2 && WindowState != 2) {
      State = 5;
      ResizeToFrame(false);
      State = 1;
      if (WindowState == 1)
        SetWindowPos(Handle, nullptr, 0, 0, 0, 0, 0x37);
      else
        UpdateRegion();
    }
  }
  SendMessageW(Handle, WM_SKIN_SKINNED, 0, SKIN_MAGIC);
  if (SkinData->OnAfterSkinForm) SkinData->OnAfterSkinForm(Form, Handle, ClassNameForEvents);
  State = 1;
  if (FrameSkinned) RedrawWindow(Handle, nullptr, nullptr, RDW_FRAME | RDW_INVALIDATE);
  HoverTimer->SetEnabled(true);
}

LRESULT TWinSkinForm::FormWndProc(UINT msg, WPARAM wparam, LPARAM lparam) {
  TMessage m{msg, wparam, lparam, 0};
  const TOldProc old = WindowLink.OldProc();
  ++CallDepth;
  GuardMessage("form skinner", [&] { Dispatch(m); }, [&] { m.Result = old(msg, wparam, lparam); });
  if (--CallDepth == 0 && ReleasePending) delete this;
  return m.Result;
}

void TWinSkinForm::Release() {
  if (CallDepth > 0) {
    ReleasePending = true;
    return;
  }
  delete this;
}

void TWinSkinForm::TakeNewFrame() {
  FreeCaptionButtons();
  SetupFrame();
}

void TWinSkinForm::MDIMaximizedChanged(bool maximized) {
  if (FormKind != 2) return;
  if (maximized) {
    ClearRegion();
  } else if (WindowState != 2) {
    WindowState = 0;
    UpdateRegion();
    if (!RegionOwned)
      SetWindowPos(Handle, nullptr, 0, 0, 0, 0,
                   SWP_NOMOVE | SWP_NOSIZE | SWP_NOZORDER | SWP_NOACTIVATE | SWP_FRAMECHANGED);
  }
}

TWinSkinForm* FindFormSkinner(HWND wnd) {
  return SkinManager ? dynamic_cast<TWinSkinForm*>(SkinManager->FindFormSkinner(wnd)) : nullptr;
}

TSkinnedWindow* MakeFormSkinner(HWND wnd, TWinControl* form, const std::wstring& className, TSkinData* data) {
  auto* skinner = new TWinSkinForm(form);
  skinner->Handle = wnd;
  skinner->ClassNameForEvents = className;
  try {
    if (form)
      skinner->AttachToForm(data, form);
    else
      skinner->Attach(data);
  } catch (...) {
    // A skinner that could not attach leaves the window as it was.
    try {
      skinner->DetachOnDestroy();
    } catch (...) {
    }
    delete skinner;
    return nullptr;
  }
  return skinner;
}

void TWinSkinForm::Dispatch(TMessage& m) {
  // 1. Nothing of the frame is painted before activation.
  if (State == 0 && m.Msg == WM_NCPAINT) {
    m.Result = 0;
    return;
  }
  const bool foreign = Form == nullptr;
  // A message about one of its controls goes to that control's skinner first.
  if (TSkinControl* child = SkinnerOfChildIn(m); child && child->Active() && child->ParentMessage(m)) return;
  // 2. First dispatch: every window.
  switch (m.Msg) {
    case WM_ERASEBKGND:
      if (foreign && SkinData->ButtonFaceBrush) {
        RECT r;
        GetClientRect(Handle, &r);
        FillRect(HDC(m.WParam), &r, SkinData->ButtonFaceBrush.Get());
        m.Result = 1;
      } else {
        CallDefault(m);
      }
      return;
    case WM_NCDESTROY: {
      State = 4;
      const TOldProc old = WindowLink.OldProc();
      DetachOnDestroy();
      m.Result = old(m.Msg, m.WParam, m.LParam);
      State = 6;
      return;
    }
    case WM_NCACTIVATE:
      if (State == 0 && FormKind != 2) {
        m.Result = 0;
        return;
      }
      break;
    case WM_NCUAHDRAWCAPTION:
      m.Result = 0;
      return;
    case WM_INITMENUPOPUP:
      if (SkinManager) SkinManager->MenuKind = HMENU(m.WParam) == SystemMenu && SystemMenu ? 2 : 1;
      CallDefault(m);
      return;
    case WM_CTLCOLORBTN:
      CallDefault(m);
      if (foreign) SetBkMode(HDC(m.WParam), TRANSPARENT);
      return;
    case WM_CTLCOLORSTATIC:
      CallDefault(m);
      if (foreign) {
        SetBkMode(HDC(m.WParam), TRANSPARENT);
        m.Result = LRESULT(SkinData->ButtonFaceBrush.Get());
      }
      return;
    case WM_SKIN_START:
      Activate();
      return;
    case WM_SKIN_QUERY:
      m.Result = 1;
      PostMessageW(Handle, WM_SKIN_SKINNED, 0, SKIN_MAGIC);
      return;
    default:
      break;
  }
  if (!FrameSkinned) {
    CallDefault(m);
    return;
  }
  // 3. Plain child windows keep the native behaviour.
  if (FormKind != 2 && (GetWindowLongPtrW(Handle, GWL_STYLE) & WS_CHILD)) {
    CallDefault(m);
    return;
  }
  // 4. Second dispatch: top-level windows and MDI children.
  switch (m.Msg) {
    case WM_SIZE:
      CallDefault(m);
      WindowState = m.WParam == SIZE_MINIMIZED ? 2 : m.WParam == SIZE_MAXIMIZED ? 1 : 0;
      if (WindowState != 2 && !(FormKind == 2 && (WindowState != 0 || (SkinManager && SkinManager->MDIMaximized))) &&
          (State == 1 || State == 3))
        UpdateRegion();
      return;
    case WM_ACTIVATE:
    case WM_NCACTIVATE:
      Active = LOWORD(m.WParam) != 0;
      break;
    case WM_GETMINMAXINFO:
      CallDefault(m);
      ReadWindowState();
      return;
    case WM_WINDOWPOSCHANGED:
      ReadWindowState();
      CallDefault(m);
      return;
    case WM_SETICON:
      CallDefault(m);
      BuildIconBitmap();
      return;
    case WM_COMMAND:
      switch (m.WParam) {
        case SC_SIZE: case SC_MOVE: case SC_MINIMIZE: case SC_MAXIMIZE: case SC_NEXTWINDOW:
        case SC_PREVWINDOW: case SC_CLOSE: case SC_RESTORE:
          // Commands of the skinned system menu arrive as menu commands.
          PostMessageW(Handle, WM_SYSCOMMAND, m.WParam, 0);
          return;
      }
      CallDefault(m);
      return;
    case WM_SYSCOMMAND:
      if (WMSysCommand(m)) return;
      switch (m.WParam & 0xFFF0) {
        case SC_MINIMIZE: WindowState = 2; break;
        case SC_MAXIMIZE: WindowState = 1; break;
        case SC_RESTORE:
          WindowState = 0;
          if (FormKind == 2 && SkinManager) SkinManager->MDIMaximized = false;
          break;
      }
      CallDefault(m);
      return;
    case CM_MENUCHANGED: {
      const bool enabled = SkinData->FramePaintEnabled;
      SkinData->FramePaintEnabled = false;
      try {
        CallDefault(m);
      } catch (...) {
        SkinData->FramePaintEnabled = enabled;
        throw;
      }
      SkinData->FramePaintEnabled = enabled;
      if (GetMenu(Handle)) SetMenu(Handle, nullptr);
      return;
    }
    default:
      break;
  }
  // 5. Before activation, and for a maximized MDI child, the system keeps the frame.
  if (State == 0 || IsMaximizedMDIChild()) {
    CallDefault(m);
    return;
  }
  // 6. Third dispatch: the skinned non-client area.
  switch (m.Msg) {
    case WM_NCCALCSIZE: CalcClientArea(m); return;
    case WM_NCHITTEST: WMNCHitTest(m); return;
    case WM_NCPAINT: WMNCPaint(m); return;
    case WM_NCACTIVATE: WMNCActivate(m); return;
    case WM_NCMOUSEMOVE: WMNCMouseMove(m); return;
    case WM_NCLBUTTONDOWN: WMNCLButtonDown(m); return;
    case WM_NCLBUTTONUP: WMNCLButtonUp(m); return;
    case WM_NCLBUTTONDBLCLK: WMNCLButtonDblClk(m); return;
    case WM_NCRBUTTONDOWN: WMNCRButtonDown(m); return;
    case WM_SKIN_REPAINTFRAME: PaintFrame(nullptr); return;
    default: CallDefault(m); return;
  }
}

void TWinSkinForm::ControlWndProc(TMessage& m) {
  switch (m.Msg) {
    case WM_SETTEXT:
      FormLink.CallNext(m);
      if (IsWindowVisible(Handle)) {
        const HWND mdiClient = SkinManager ? SkinManager->MDIClientHandle : nullptr;
        // A maximized MDI child's title is drawn by its parent. Without an
        // MDI client a maximized window repaints its own frame.
        if (WindowState == 1 && mdiClient)
          PostMessageW(mdiClient, WM_SKIN_MDIREDRAW, WPARAM(Handle), 0);
        else if (WindowState == 2)
          PaintFrame(nullptr);
        else
          SetWindowPos(Handle, nullptr, 0, 0, 0, 0,
                       SWP_FRAMECHANGED | SWP_NOMOVE | SWP_NOSIZE | SWP_NOZORDER | SWP_NOACTIVATE);
      }
      return;
    case WM_SKIN_RESKIN:
      Reskin();
      return;
    case WM_SKIN_PAINTDC:
      if (m.LParam == SKIN_MAGIC) {
        if (m.WParam) PaintFrame(HDC(m.WParam));
        m.Result = SKIN_MAGIC;
        return;
      }
      break;
    case WM_SKIN_ISSKINNED:
      m.Result = m.LParam == SKIN_MAGIC ? SKIN_MAGIC : 1;
      return;
  }
  FormLink.CallNext(m);
}

void TWinSkinForm::RestoreWindowProcs() {
  UnhookMDIClient();
  FormLink.Remove();
  WindowLink.Remove();
}

void TWinSkinForm::StopHover() {
  if (HoverTimer) HoverTimer->SetEnabled(false);
  HideHint();
  HotObject = nullptr;
}

void TWinSkinForm::DetachUnframed() {
  if (HoverTimer) HoverTimer->SetEnabled(false);
  FreeControlSkinners();
  if (Form && State != 4) Form->SetColor(SavedColor);
  RestoreWindowProcs();
  if (Form && State != 4) Form->Invalidate();
}

void TWinSkinForm::DetachOnDestroy() {
  if (!FrameSkinned) {
    DetachUnframed();
    return;
  }
  StopHover();
  RestoreWindowProcs();
  FreeControlSkinners();
}

void TWinSkinForm::Detach() {
  if (!FrameSkinned) {
    DetachUnframed();
    return;
  }
  // Not while it is open: its tracking still reads the items.
  if (SysMenuPopup && !SysMenuPopup->Handle()) SysMenuPopup.reset();
  StopHover();
  if (!WindowLink.Installed()) return;
  RestoreWindowProcs();
  FreeControlSkinners();
  if (Form && State != 4) Form->SetColor(SavedColor);
  if (!IsWindow(Handle)) return;
  // Caption-style switch off: the system's own caption comes back.
  if (SystemMenu) SetWindowLongPtrW(Handle, GWL_STYLE, GetWindowLongPtrW(Handle, GWL_STYLE) | WS_SYSMENU);
  if (State != 4 && (FormKind == 2 || !(GetWindowLongPtrW(Handle, GWL_STYLE) & WS_CHILD))) {
    // Keep the client area: native frame in, skin frame out.
    RECT r{};
    GetWindowRect(Handle, &r);
    POINT at{r.left, r.top};
    if (FormKind == 2 && GetParent(Handle)) ScreenToClient(GetParent(Handle), &at);
    const int width = (r.right - r.left) + NativeFrameSize.right - BorderLeft - BorderRight;
    const int height = (r.bottom - r.top) + NativeFrameSize.bottom - BorderTop - BorderBottom - MenuBarHeight;
    SetWindowPos(Handle, nullptr, at.x, at.y, width, height, SWP_FRAMECHANGED | SWP_NOACTIVATE | SWP_NOZORDER);
  }
  SetWindowRgn(Handle, nullptr, TRUE);
  RegionOwned = false;
  RegionSize = {};
}

void TWinSkinForm::Reskin() {
  const TColor face = SkinData->SkinColours[3];
  if (Form) {
    Form->SetColor(face);
    for (TComponent* c : Form->Components())
      if (auto* f = dynamic_cast<TForm*>(c)) f->SetColor(face);
  }
  for (TSkinControl* skinner : std::vector<TSkinControl*>(ControlSkinners)) skinner->SkinChanged();
  State = 3;
  if (FrameSkinned && Form) {
    ResizeToFrame(true);
    Form->SetHeight(Form->GetHeight() + 1);
    Form->SetHeight(Form->GetHeight() - 1);
  }
  // The new skin's picture, also for foreign windows whose size did not change.
  if (FrameSkinned) {
    RegionSize = {};
    UpdateRegion();
    RedrawWindow(Handle, nullptr, nullptr, RDW_FRAME | RDW_INVALIDATE | RDW_ERASE | RDW_ALLCHILDREN);
  }
  SendMessageW(Handle, WM_SKIN_SKINNED, 0, SKIN_MAGIC);
  if (SkinData->OnAfterSkinForm) SkinData->OnAfterSkinForm(Form, Handle, ClassNameForEvents);
  State = 1;
}

void TWinSkinForm::CaptionStyle(bool on) {
  if (BorderIcons & 16) return;
  WindowStyle = GetWindowLongPtrW(Handle, GWL_STYLE);
  LONG_PTR style = WindowStyle;
  if (on)
    style &= ~LONG_PTR(WS_SYSMENU);
  else if (SystemMenu)
    style |= WS_SYSMENU;
  if (style != GetWindowLongPtrW(Handle, GWL_STYLE)) SetWindowLongPtrW(Handle, GWL_STYLE, style);
}
