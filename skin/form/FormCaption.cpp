// Caption buttons and non-client input of the form skinner: which buttons
// show, hit testing, hover and press feedback, hints, button actions, title
// clicks and the system menu.
#include "host/Forms.h"
#include "skin/data/DataSkinObject.h"
#include "skin/data/WinSkinData.h"
#include "skin/form/WinSkinForm.h"
#include "skin/form/WinSkinMenu.h"
#include "skin/form/WinSysButton.h"
#include "skin/manager/SkinManage.h"
#include "skin/manager/SkinMessages.h"
#include <windowsx.h>

namespace {
POINT MessagePoint(LPARAM lparam) { return {GET_X_LPARAM(lparam), GET_Y_LPARAM(lparam)}; }
}  // namespace

bool TWinSkinForm::IsButtonVisible(int index) {
  TWinSysButton& b = *CaptionButtons.at(size_t(index));
  const TDataSkinSysButton& e = *b.Element;
  const bool maxBox = BorderIcons & ciMaximizeBox, minBox = BorderIcons & ciMinimizeBox;
  const bool help = BorderIcons & ciContextHelp, sysMenu = BorderIcons & ciSystemMenu;
  auto test = [&](int code, bool first) -> bool {
    switch (code) {
      case bvUndefined: return false;
      case bvAlways: return true;
      case bvMaximized: return WindowState == wsMaximized;
      case bvNotMaximized: return WindowState != wsMaximized;
      case bvActive: return Active;
      case bvInactive: return !Active;
      case bvNever: return false;
      case bvMinMaxBoxAndMenu: return first ? (minBox || maxBox) && sysMenu : minBox || maxBox;
      case bvNoMaximizeBox: return !maxBox;
      case bvMinOrMaxBoxAndMenu: return first ? (minBox || maxBox) && sysMenu : (minBox ? true : maxBox);
      case bvNoMinimizeBox: return !minBox;
      case bvHelpOnly: return first ? help && !minBox && !maxBox : help;
      case bvMDIChildMaximized: return MenuBar && ActiveMDIChildMaximized();
      case bvDialogFrame: return BorderKind == bkDialog && !IsDialog;
      default:
        if (code >= bvShownFirst && code <= bvShownLast) return true;
        if (code >= bvAskWindowFirst && code <= bvAskWindowLast)
          return first ? SendMessageA(Handle, WM_SKIN_BUTTONVISIBLE, WPARAM(code), LPARAM(e.Action)) > 0 : true;
        return false;
    }
  };
  bool visible = test(e.Visibility, true) && test(e.Visibility1, false);
  switch (e.Action) {
    case caClose: if (!sysMenu) visible = false; break;
    case caMaximize: b.Enabled = maxBox && sysMenu; break;
    case caMinimize: b.Enabled = minBox && sysMenu; break;
    case caSystemMenu: case caIcon: case caSystemMenuToo: if (BorderKind == bkDialog) visible = false; break;
  }
  b.Visible = visible;
  return visible;
}

TNCObject* TWinSkinForm::ObjectAt(POINT p) {
  for (auto& b : CaptionButtons)
    if (b->Visible && b->Element->Action >= caClose && PtInRect(&b->Bounds, p)) return b.get();
  return MenuBar ? MenuBar->ItemAt(p) : nullptr;
}

POINT TWinSkinForm::ToWindowPoint(POINT p) const {
  ScreenToClient(Handle, &p);
  if (!(FormKind == fkMDIChild && WindowState == wsMinimized)) {
    p.x += BorderLeft;
    p.y += BorderTop + MenuBarHeight;
  }
  return p;
}

void TWinSkinForm::HideHint() {
  if (SkinData) SkinData->HideCaptionHint();
}

void TWinSkinForm::WMNCHitTest(TMessage& m) {
  CallDefault(m);
  if (m.Result != HTNOWHERE && m.Result != HTCAPTION) return;
  const POINT p = ToWindowPoint(MessagePoint(m.LParam));
  if (MenuBarHeight > 0 && p.y >= BorderTop && p.y < BorderTop + MenuBarHeight)
    m.Result = HTMENU;
  else if (p.y > 3)
    m.Result = HTCAPTION;
}

void TWinSkinForm::WMNCMouseMove(TMessage& m) {
  // An inactive window shows no hover at all.
  if (!Active) {
    m.Result = 0;
    return;
  }
  if (TNCObject* object = ObjectAt(ToWindowPoint(MessagePoint(m.LParam)))) {
    if (object != HotObject) HoverTime = 0;
    object->MouseEnter();
    m.Result = 0;
    return;
  }
  if (HotObject) HotObject->MouseLeave();
  HotObject = nullptr;
  CallDefault(m);
}

void TWinSkinForm::WMNCLButtonDown(TMessage& m) {
  HideHint();
  if (TNCObject* object = ObjectAt(ToWindowPoint(MessagePoint(m.LParam)))) {
    if (!Active) SetForegroundWindow(Handle);
    object->MouseDown();
    m.Result = 0;
    return;
  }
  // A maximized window cannot be dragged by its title.
  if (WindowState == wsMaximized && Active && m.WParam == HTCAPTION) m.WParam = HTMENU;
  CallDefault(m);
}

void TWinSkinForm::WMNCLButtonUp(TMessage& m) {
  HideHint();
  const POINT screen = MessagePoint(m.LParam);
  if (TNCObject* object = ObjectAt(ToWindowPoint(screen))) {
    auto* button = dynamic_cast<TWinSysButton*>(object);
    if (button && object == HotObject) {
      object->MouseUp();
      RunAction(*button, screen);
    }
    m.Result = 0;
    return;
  }
  CallDefault(m);
}

void TWinSkinForm::WMNCLButtonDblClk(TMessage& m) {
  if (TNCObject* object = ObjectAt(ToWindowPoint(MessagePoint(m.LParam)))) {
    auto* button = dynamic_cast<TWinSysButton*>(object);
    if (button && (button->Element->Action == caSystemMenu || button->Element->Action == caIcon)) {
      HoverTimer->SetEnabled(false);
      PostMessageW(Handle, WM_SYSCOMMAND, SC_CLOSE, 0);
    }
    m.Result = 0;
    return;
  }
  if (WindowState == wsMaximized || WindowState == wsMinimized)
    Restore();
  else if (BorderIcons & ciMaximizeBox)
    ToggleMaximize();
  else
    CallDefault(m);
}

void TWinSkinForm::WMNCRButtonDown(TMessage& m) {
  HideHint();
  if (m.WParam == HTCAPTION && FormKind != fkMDIChild) {
    POINT p;
    GetCursorPos(&p);
    ShowSystemMenu(p);
    m.Result = 0;
    return;
  }
  CallDefault(m);
}

bool TWinSkinForm::WMSysCommand(TMessage& m) {
  if (SysCommand(m.WParam) != SC_KEYMENU) return false;
  const LPARAM key = m.LParam;
  if (key == ' ') {
    // Alt+Space: the system menu at the top-left of the client area; the
    // system's own would open on top of it, so it is not passed on.
    POINT origin{0, 0};
    ClientToScreen(Handle, &origin);
    ShowSystemMenu(origin);
    m.Result = 0;
    return true;
  }
  if (key != '-' && !GetCapture() && key == 0) {
    // Alt alone or F10 opens the first menu-bar item, with its first item selected.
    if (MenuBar && !MenuBar->Buttons.empty()) MenuBar->OpenMenuButton(MenuBar->Buttons.front().get(), true);
    m.Result = 1;
    return true;
  }
  if (TMenuBtn* button = MenuBar && key > ' ' ? MenuBar->ButtonByAccel(wchar_t(key)) : nullptr) {
    MenuBar->OpenMenuButton(button, true);
    m.Result = 0;
    return true;
  }
  return false;
}

void TWinSkinForm::RunAction(TWinSysButton& button, POINT screen) {
  const int action = button.Element->Action;
  switch (action) {
    case caClose:
      if (SystemMenu && GetMenuState(SystemMenu, SC_CLOSE, MF_BYCOMMAND) != UINT(-1)) {
        HoverTimer->SetEnabled(false);
        PostMessageW(Handle, WM_SYSCOMMAND, SC_CLOSE, 0);
      }
      break;
    case caMaximize: case caMaximizeToo:
      if (button.Enabled) ToggleMaximize();
      break;
    case caMinimize: case caMinimizeToo:
      if (button.Enabled) ToggleMinimize();
      break;
    case caSystemMenu: case caIcon: case caSystemMenuToo:
      ShowSystemMenu({screen.x + 1, screen.y + 1});
      break;
    case caHelp:
      PostMessageW(Handle, WM_SYSCOMMAND, SC_CONTEXTHELP, 0);
      break;
    case caMDIMinimize: case caMDIMinimizeToo: SendToActiveMDIChild(SC_MINIMIZE); break;
    case caMDIRestore: case caMDIRestoreToo: SendToActiveMDIChild(SC_RESTORE); break;
    case caMDIClose: case caMDICloseToo: SendToActiveMDIChild(SC_CLOSE); break;
    default:
      PostMessageW(Handle, WM_SKIN_BUTTONACTION, WPARAM(action), 0);
      break;
  }
}

void TWinSkinForm::SendToActiveMDIChild(WPARAM command) {
  if (FormKind != fkMDIParent || !MDIClientWindow) return;
  if (HWND active = HWND(SendMessageW(MDIClientWindow, WM_MDIGETACTIVE, 0, 0)))
    SendMessageW(active, WM_SYSCOMMAND, command, 0);
}

void TWinSkinForm::ToggleMaximize() {
  if (WindowState == wsMaximized) {
    Restore();
    return;
  }
  if (FormKind == fkMDIChild && SkinManager) SkinManager->SetMDIMaximized(true);
  WindowState = wsMaximized;
  PostMessageW(Handle, WM_SYSCOMMAND, SC_MAXIMIZE, 0);
  HotObject = nullptr;
}

void TWinSkinForm::Restore() {
  WindowState = wsNormal;
  PostMessageW(Handle, WM_SYSCOMMAND, SC_RESTORE, 0);
}

void TWinSkinForm::ToggleMinimize() {
  if (WindowState == wsMinimized) {
    Restore();
    return;
  }
  WindowState = wsMinimized;
  CaptionStyle(false);
  PostMessageW(Handle, WM_SYSCOMMAND, SC_MINIMIZE, 0);
}

void TWinSkinForm::HoverTick() {
  // Runs from the hover timer, whose guard reports a failure.
  if (!HotObject) return;
  POINT cursor;
  GetCursorPos(&cursor);
  const POINT p = ToWindowPoint(cursor);
  if (!PtInRect(&HotObject->Bounds, p)) {
    HotObject->MouseLeave();
    HotObject = nullptr;
    HideHint();
    HoverTime = 0;
    return;
  }
  auto* button = dynamic_cast<TWinSysButton*>(HotObject);
  if (!button) return;
  HoverTime += HoverTimer->GetInterval();
  // A caption button's hint waits twice the application's pause.
  const int shows = Application ? 2 * Application->GetHintPause() : 1000;
  const int hides = shows + (Application ? Application->GetHintHidePause() : 2500);
  if (HoverTime >= shows && HoverTime < hides) {
    const std::wstring text = CaptionButtonHint(button->Element->Action);
    RECT w{};
    GetWindowRect(Handle, &w);
    const LONG x = button->Bounds.left + w.left, y = cursor.y + 24;
    if (!text.empty()) SkinData->ShowCaptionHint({x, y, x, y}, text);
  } else if (HoverTime >= hides) {
    HideHint();
  }
}
