#include "skin/form/WinSkinForm.h"
#include "skin/form/ControlDiscovery.h"
#include "host/CallbackGuard.h"
#include "host/Forms.h"
#include "host/Platform.h"
#include "host/TypInfo.h"
#include "skin/data/WinSkinData.h"
#include "skin/form/WinSkinMenu.h"
#include "skin/form/WinSysButton.h"
#include <vector>
#include "skin/manager/SkinManage.h"
#include "skin/manager/SkinMessages.h"
#include <stdexcept>
#include <utility>

namespace {
// A flag set for one scope and put back as it was, also on an exception.
class TFlagDuring {
public:
  TFlagDuring(bool& flag, bool during) : FFlag(flag), FOld(std::exchange(flag, during)) {}
  ~TFlagDuring() { FFlag = FOld; }
  TFlagDuring(const TFlagDuring&) = delete;
  TFlagDuring& operator=(const TFlagDuring&) = delete;

private:
  bool& FFlag;
  bool FOld;
};

constexpr UINT WM_NCUAHDRAWCAPTION = 0xAE;

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
  // Never leave the window routed to a freed object, nor a menu item.
  GuardCallback("form skinner destruction", [this] {
    RestoreWindowProcs();
    SkinFormPopups(false);
  });
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
  if (FrameSkinned) HookForm();
  SavedColor = form->GetColor();
  form->SetColor(data->SkinColours[3]);
}

void TWinSkinForm::HookForm() {
  if (Form && !FormLink.Installed()) FormLink.Install(*Form, [this](TMessage& m) { ControlWndProc(m); });
}

void TWinSkinForm::Attach(TSkinData* data) {
  if (WindowLink.Installed()) return;
  if (SkinManager) SkinManager->RunState = rsRunning;
  SkinData = data;
  HoverTimer = std::make_unique<TTimer>(nullptr);
  HoverTimer->SetEnabled(false);
  HoverTimer->SetInterval(250);
  HoverTimer->OnTimer = [this](TObject*) { HoverTick(); };

  WindowStyle = GetWindowLongPtrW(Handle, GWL_STYLE);
  const LONG_PTR exStyle = GetWindowLongPtrW(Handle, GWL_EXSTYLE);
  RightToLeft = exStyle & WS_EX_LEFTSCROLLBAR;
  IsChild = WindowStyle & WS_CHILD;
  WindowClassName = ClassNameOf(Handle);
  OwnerWindow = GetWindow(Handle, GW_OWNER);

  BorderIcons = 0;
  if ((WindowStyle & WS_SYSMENU) || SystemMenu) BorderIcons |= ciSystemMenu;
  if (WindowStyle & WS_MINIMIZEBOX) BorderIcons |= ciMinimizeBox;
  if (WindowStyle & WS_MAXIMIZEBOX) BorderIcons |= ciMaximizeBox;
  if (exStyle & WS_EX_CONTEXTHELP) BorderIcons |= ciContextHelp;

  ReadWindowState();
  Sizeable = WindowStyle & WS_THICKFRAME;

  FormKind = fkOrdinary;
  for (HWND child = GetTopWindow(Handle); child; child = GetWindow(child, GW_HWNDNEXT))
    if (ClassNameOf(child) == L"MDIClient") {
      FormKind = fkMDIParent;
      MDIClientWindow = child;
      if (SkinManager) {
        SkinManager->MDIClientHandle = child;
        SkinManager->MDIParentForm = Form;
      }
    }
  if (exStyle & WS_EX_MDICHILD) FormKind = fkMDIChild;
  FrameSkinned = WantsSkinFrame();

  BorderKind = bkSingle;
  if ((WindowStyle & WS_CAPTION) != WS_CAPTION)
    BorderKind = bkNoCaption;
  else if (WindowStyle & WS_THICKFRAME)
    BorderKind = bkSizeable;
  else if (WindowStyle & DS_MODALFRAME)
    BorderKind = bkDialog;
  if (exStyle & WS_EX_DLGMODALFRAME) BorderKind = bkDialog;
  if (WindowClassName == L"#32770" || WindowClassName == L"TMessageForm") {
    BorderKind = bkDialog;
    IsDialog = true;
  }

  const TWindowsVersion version = WindowsVersion();
  if (version.Major > 4 && version.Minor == 0 &&
      (((exStyle & WS_EX_APPWINDOW) && IsWinNT()) || (!OwnerWindow && FormKind != fkMDIChild)))
    BorderIcons |= ciKeepCaptionStyle;

  UnicodeWindow = IsWindowUnicode(Handle);
  // Skinning may be switched off before activation: the size to give back is known from now on.
  ReadNativeFrame();
  if (!IsWinNT()) data->SkinControls &= ~SetOf({xcSystemMenu});

  if (FormKind == fkMDIParent) {
    MenuUpdateCopy = data->MenuUpdate;
    HookMDIClient();
  }

  // Route the window to this object; the stub finds it through a property.
  if (!WindowLink.Install(Handle, [this](UINT msg, WPARAM wparam, LPARAM lparam) {
        return FormWndProc(msg, wparam, lparam);
      }))
    throw std::runtime_error("the window cannot be subclassed");

  if (FrameSkinned) {
    MakeMenuBar();
    SetupFrame();
  } else {
    State = skActive;
  }
  if (FormKind == fkMDIChild) {
    // A thin skin title leaves the rest of the native caption height as a band.
    const int caption = GetSystemMetrics(SM_CYCAPTION) + GetSystemMetrics(SM_CXFRAME);
    if (FrameSkinned && BorderTop < caption) MenuBarHeight = caption - BorderTop;
    if (WindowState == wsMaximized && SkinManager && !SkinManager->MDIMaximized) SkinManager->SetMDIMaximized(true);
  }
}

void TWinSkinForm::ReadNativeFrame() {
  RECT w{}, client{};
  GetWindowRect(Handle, &w);
  GetClientRect(Handle, &client);
  NativeFrameSize = {0, 0, (w.right - w.left) - client.right, (w.bottom - w.top) - client.bottom};
}

void TWinSkinForm::ReadWindowState() {
  WINDOWPLACEMENT placement{sizeof placement};
  WindowState = wsNormal;
  if (!GetWindowPlacement(Handle, &placement)) return;
  if (placement.showCmd == SW_SHOWMINIMIZED || placement.showCmd == SW_MINIMIZE ||
      placement.showCmd == SW_SHOWMINNOACTIVE)
    WindowState = wsMinimized;
  else if (placement.showCmd == SW_SHOWMAXIMIZED)
    WindowState = wsMaximized;
  if (IsIconic(Handle)) WindowState = wsMinimized;
  else if (IsZoomed(Handle)) WindowState = wsMaximized;
}

void TWinSkinForm::Activate() {
  Activated = true;
  SystemMenu = GetSystemMenu(Handle, FALSE);
  if (SystemMenu) BorderIcons |= ciSystemMenu;
  BuildIconBitmap();
  GetClientRect(Handle, &ClientRect);
  // Until now the window wore the system's frame.
  if (State == skAttached) ReadNativeFrame();
  DiscoverControls();
  if (SkinData->Has(xcPopupMenu)) SkinFormPopups(true);
  // The outline is given without a redraw: the frame is redrawn once, at the end.
  if (State == skAttached && FrameSkinned) {
    if (FormKind == fkMDIChild) {
      if (WindowState == wsMaximized && SkinManager && SkinManager->MDIClientHandle)
        PostMessageW(SkinManager->MDIClientHandle, WM_SKIN_MDIREDRAW, WPARAM(Handle), 0);
      if (WindowState == wsNormal) {
        State = skResizing;
        ResizeToFrame(false);
        State = skActive;
        UpdateRegion(false);
      }
    } else if (!IsChild && BorderKind != bkNoCaption && WindowState != wsMinimized) {
      State = skResizing;
      ResizeToFrame(false);
      State = skActive;
      if (WindowState == wsMaximized)
        RecalcFrame();
      else
        UpdateRegion(false);
    }
    HideNativeMenu();
  }
  SendMessageW(Handle, WM_SKIN_SKINNED, 0, SKIN_MAGIC);
  if (SkinData->OnAfterSkinForm) SkinData->OnAfterSkinForm(Form, Handle, ClassNameForEvents);
  State = skActive;
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
  if (FormKind != fkMDIChild) return;
  if (maximized) {
    ClearRegion();
  } else if (WindowState != wsMinimized) {
    WindowState = wsNormal;
    UpdateRegion();
    if (!RegionOwned) RecalcFrame();
  }
}

void TWinSkinForm::RecalcFrame() {
  SetWindowPos(Handle, nullptr, 0, 0, 0, 0, SWP_NOMOVE | SWP_NOSIZE | SWP_NOZORDER | SWP_NOACTIVATE | SWP_FRAMECHANGED);
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
  } catch (const std::exception& e) {
    // A skinner that could not attach leaves the window as it was.
    ReportCallbackFailure("form skinner attach", e.what());
    GuardCallback("form skinner attach", [skinner] { skinner->DetachOnDestroy(); });
    delete skinner;
    return nullptr;
  }
  return skinner;
}

void TWinSkinForm::Dispatch(TMessage& m) {
  // 1. Nothing of the frame is painted before activation.
  if (State == skAttached && m.Msg == WM_NCPAINT) {
    m.Result = 0;
    return;
  }
  // The window paints its client area before the posted start arrived (a
  // synchronous update, as a form's Show makes): the activation runs first,
  // or the window would be painted unskinned only to be painted again.
  if (m.Msg == WM_PAINT && !Activated) Activate();
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
      State = skDestroying;
      const TOldProc old = WindowLink.OldProc();
      DetachOnDestroy();
      m.Result = old(m.Msg, m.WParam, m.LParam);
      State = skGone;
      return;
    }
    case WM_NCACTIVATE:
      if (State == skAttached && FormKind != fkMDIChild) {
        m.Result = 0;
        return;
      }
      break;
    case WM_NCUAHDRAWCAPTION:
      m.Result = 0;
      return;
    case WM_MEASUREITEM:
      if (MenuBar && m.WParam == 0 && MenuBar->MeasureItem(*reinterpret_cast<MEASUREITEMSTRUCT*>(m.LParam))) {
        m.Result = 1;
        return;
      }
      break;
    case WM_DRAWITEM:
      if (MenuBar && m.WParam == 0 && MenuBar->DrawItem(*reinterpret_cast<const DRAWITEMSTRUCT*>(m.LParam))) {
        m.Result = 1;
        return;
      }
      break;
    case WM_MENUSELECT:
      if (MenuBar) MenuBar->MenuSelect(HIWORD(m.WParam), HMENU(m.LParam));
      CallDefault(m);
      return;
    case WM_INITMENUPOPUP:
      if (SkinManager)
        SkinManager->MenuKind = HMENU(m.WParam) == SystemMenu && SystemMenu ? mkSystemMenu : mkMenuBar;
      CallDefault(m);
      return;
    case WM_CTLCOLORBTN:
      CallDefault(m);
      if (foreign) {
        SetBkMode(HDC(m.WParam), TRANSPARENT);
        UseSkinTextColour(HDC(m.WParam), *SkinData);
      }
      return;
    case WM_CTLCOLORSTATIC:
      CallDefault(m);
      if (foreign) {
        SetBkMode(HDC(m.WParam), TRANSPARENT);
        UseSkinTextColour(HDC(m.WParam), *SkinData);
        m.Result = LRESULT(SkinData->ButtonFaceBrush.Get());
      }
      return;
    case WM_SKIN_START:
      if (!Activated) Activate();
      return;
    case WM_SKIN_RESKINSCROLLBAR:
      TControlDiscovery(*this, *SkinData).ReplaceScrollbarSkinner(HWND(m.WParam));
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
  if (FormKind != fkMDIChild && (GetWindowLongPtrW(Handle, GWL_STYLE) & WS_CHILD)) {
    CallDefault(m);
    return;
  }
  // 4. Second dispatch: top-level windows and MDI children.
  switch (m.Msg) {
    case WM_SIZE:
      CallDefault(m);
      WindowState = m.WParam == SIZE_MINIMIZED ? wsMinimized : m.WParam == SIZE_MAXIMIZED ? wsMaximized : wsNormal;
      if (WindowState != wsMinimized &&
          !(FormKind == fkMDIChild && (WindowState != wsNormal || (SkinManager && SkinManager->MDIMaximized))) &&
          (State == skActive || State == skReskinning))
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
      ForgetComposedFrame();
      return;
    case WM_SYSCOLORCHANGE:
      CallDefault(m);
      ForgetComposedFrame();
      PaintFrame(nullptr);
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
      switch (SysCommand(m.WParam)) {
        case SC_MINIMIZE: WindowState = wsMinimized; break;
        case SC_MAXIMIZE: WindowState = wsMaximized; break;
        case SC_RESTORE:
          WindowState = wsNormal;
          if (FormKind == fkMDIChild && SkinManager) SkinManager->MDIMaximized = false;
          break;
      }
      CallDefault(m);
      return;
    case CM_MENUCHANGED: {
      {
        // No frame paint while the default processing rebuilds the menu.
        const TFlagDuring noFramePaint(SkinData->FramePaintEnabled, false);
        CallDefault(m);
      }
      FollowNewMenu(SkinData->MenuUpdate);
      return;
    }
    default:
      break;
  }
  // 5. Before activation, and for a maximized MDI child, the system keeps the frame.
  if (State == skAttached || IsMaximizedMDIChild()) {
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
        if (WindowState == wsMaximized && mdiClient)
          PostMessageW(mdiClient, WM_SKIN_MDIREDRAW, WPARAM(Handle), 0);
        else if (WindowState == wsMinimized)
          PaintFrame(nullptr);
        else
          RecalcFrame();
      }
      return;
    case WM_SKIN_RESKIN:
      Reskin();
      return;
    case CM_DIALOGCHAR:
      FormLink.CallNext(m);
      if (!m.Result) m.Result = DialogChar(wchar_t(m.WParam), m.LParam);
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

LRESULT TWinSkinForm::DialogChar(wchar_t key, LPARAM keyData) {
  const bool onlyAlt = (HIWORD(keyData) & KF_ALTDOWN) && GetKeyState(VK_CONTROL) >= 0 && GetKeyState(VK_SHIFT) >= 0;
  if (MenuBar && onlyAlt && MenuBar->ButtonByAccel(key)) {
    // Opened as Alt+letter opens it, once this key message is done; the
    // key may have come from another form.
    if (!Active) SetForegroundWindow(Handle);
    PostMessageW(Handle, WM_SYSCOMMAND, SC_KEYMENU, LPARAM(key));
    return 1;
  }
  // Another form's keys reach the main form's menu bar.
  TForm* main = Application ? Application->MainForm() : nullptr;
  if (main && main != Form && main->HandleAllocated()) return main->Perform(CM_DIALOGCHAR, WPARAM(key), keyData);
  return 0;
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
  if (Form && State != skDestroying) Form->SetColor(SavedColor);
  RestoreWindowProcs();
  if (Form && State != skDestroying) Form->Invalidate();
}

void TWinSkinForm::DetachOnDestroy() {
  if (!FrameSkinned) {
    DetachUnframed();
    return;
  }
  SkinFormPopups(false);
  // A menu the window owned goes with it; a class-library menu stays its object's.
  if (MenuBar && MenuBar->NativeMenu && !(MenuBar->MainMenu && MenuBar->MainMenu->Owns(MenuBar->NativeMenu)))
    SetMenu(Handle, MenuBar->NativeMenu);
  MenuBar.reset();
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
  SkinFormPopups(false);
  StopHover();
  if (!WindowLink.Installed()) return;
  RestoreWindowProcs();
  FreeControlSkinners();
  if (Form && State != skDestroying) Form->SetColor(SavedColor);
  if (IsWindow(Handle)) GiveNativeFrameBack();
}

void TWinSkinForm::GiveNativeFrameBack() {
  // Caption-style switch off: the system's own caption comes back.
  if (SystemMenu) SetWindowLongPtrW(Handle, GWL_STYLE, GetWindowLongPtrW(Handle, GWL_STYLE) | WS_SYSMENU);
  RECT client{};
  GetClientRect(Handle, &client);
  if (MenuBar) {
    // The native frame size was read with the menu bar in it.
    if (MenuBar->NativeMenu && !GetMenu(Handle)) SetMenu(Handle, MenuBar->NativeMenu);
    MenuBar.reset();
    MenuBarHeight = 0;
  }
  if (State != skDestroying && !IsIconic(Handle) &&
      (FormKind == fkMDIChild || !(GetWindowLongPtrW(Handle, GWL_STYLE) & WS_CHILD))) {
    // Keep the client area under the native frame, whatever frame the window
    // wears now: the skin's, or still the system's before activation.
    RECT r{};
    GetWindowRect(Handle, &r);
    POINT at{r.left, r.top};
    if (FormKind == fkMDIChild && GetParent(Handle)) ScreenToClient(GetParent(Handle), &at);
    SetWindowPos(Handle, nullptr, at.x, at.y, client.right + NativeFrameSize.right,
                 client.bottom + NativeFrameSize.bottom, SWP_FRAMECHANGED | SWP_NOACTIVATE | SWP_NOZORDER);
  }
  SetWindowRgn(Handle, nullptr, TRUE);
  RegionOwned = false;
  RegionSize = {};
}

void TWinSkinForm::FollowSkinFrame() {
  const bool wanted = WantsSkinFrame();
  if (wanted == FrameSkinned) return;
  if (!wanted) {
    StopHover();
    FrameSkinned = false;
    GiveNativeFrameBack();
    return;
  }
  // The window still wears the system's frame: remember it for the way back.
  ReadNativeFrame();
  FrameSkinned = true;
  MakeMenuBar();
  HookForm();
}

void TWinSkinForm::MakeMenuBar() {
  if (MenuBar) return;
  MenuBarHeight = 0;
  if (!GetMenu(Handle) || FormKind == fkMDIChild) return;
  auto* form = dynamic_cast<TForm*>(Form);
  MenuBar = std::make_unique<TWinSkinMenu>(*this, *SkinData, form ? form->GetMenu() : nullptr);
  MenuBarHeight = GetSystemMetrics(SM_CYMENU);
  MenuBar->Rebuild();
}

void TWinSkinForm::FollowNewMenu(bool rebuild) {
  if (!GetMenu(Handle) || !FrameSkinned) return;
  if (!MenuBar) {
    // The window got its first menu while skinned: the bar's strip is added.
    MakeMenuBar();
    if (MenuBar && State == skActive) ResizeToFrame(true);
  } else if (rebuild) {
    MenuBar->Rebuild();
  }
  // The old handle may be gone: the bar keeps the one the window has now.
  HideNativeMenu();
  PaintFrame(nullptr);
}

void TWinSkinForm::HideNativeMenu() {
  if (!MenuBar || !GetMenu(Handle)) return;
  MenuBar->TakeMenu(GetMenu(Handle));
  SetMenu(Handle, nullptr);
}

void TWinSkinForm::Reskin() {
  ForgetComposedFrame();
  const TColor face = SkinData->SkinColours[3];
  if (Form) {
    Form->SetColor(face);
    for (TComponent* c : Form->Components())
      if (auto* f = dynamic_cast<TForm*>(c)) f->SetColor(face);
  }
  for (TSkinControl* skinner : std::vector<TSkinControl*>(ControlSkinners)) skinner->SkinChanged();
  State = skReskinning;
  FollowSkinFrame();
  // A foreign window is framed again too, or it would keep the old widths' client area.
  if (FrameSkinned && (Form || (!IsChild && BorderKind != bkNoCaption && WindowState != wsMinimized)))
    ResizeToFrame(true);
  if (FrameSkinned) HideNativeMenu();
  if (FrameSkinned && Form) {
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
  State = skActive;
}

void TWinSkinForm::CaptionStyle(bool on) {
  if (BorderIcons & ciKeepCaptionStyle) return;
  WindowStyle = GetWindowLongPtrW(Handle, GWL_STYLE);
  LONG_PTR style = WindowStyle;
  if (on)
    style &= ~LONG_PTR(WS_SYSMENU);
  else if (SystemMenu)
    style |= WS_SYSMENU;
  if (style != GetWindowLongPtrW(Handle, GWL_STYLE)) SetWindowLongPtrW(Handle, GWL_STYLE, style);
}
