// The MDI client of a skinned MDI parent: scroll bars kept off the skinned
// frame, the MDI-maximized bookkeeping, and the parent's redraw on request.
#include "skin/data/WinSkinData.h"
#include "skin/form/WinSkinForm.h"
#include "skin/manager/SkinManage.h"
#include "skin/manager/SkinMessages.h"


void TWinSkinForm::HookMDIClient() {
  if (!MDIClientWindow || MDIClientLink.Installed()) return;
  MDIClientLink.Install(MDIClientWindow, [this](UINT msg, WPARAM wparam, LPARAM lparam) {
    return MDIClientWndProc(msg, wparam, lparam);
  });
}

void TWinSkinForm::UnhookMDIClient() {
  if (!MDIClientLink.Installed()) return;
  if (SkinManager && SkinManager->MDIClientHandle == MDIClientWindow) {
    SkinManager->MDIClientHandle = nullptr;
    SkinManager->MDIParentForm = nullptr;
  }
  MDIClientLink.Remove();
}

LRESULT TWinSkinForm::MDIClientWndProc(UINT msg, WPARAM wparam, LPARAM lparam) {
  const HWND client = MDIClientWindow;
  const TOldProc old = MDIClientLink.OldProc();
  auto pass = [&] { return old(msg, wparam, lparam); };
  switch (msg) {
    case WM_NCDESTROY: {
      const LRESULT result = pass();
      UnhookMDIClient();
      return result;
    }
    case WM_NCCALCSIZE:
      if (FrameSkinned && !SkinData->Has(xoMDIScrollbar))
        SetWindowLongPtrA(client, GWL_STYLE, GetWindowLongPtrA(client, GWL_STYLE) & ~LONG_PTR(WS_HSCROLL | WS_VSCROLL));
      return pass();
    case WM_MDICREATE:
      SkinData->MenuUpdate = false;
      return pass();
    case WM_MDIDESTROY: {
      const LRESULT result = pass();
      BOOL maximized = FALSE;
      const HWND active = HWND(old(WM_MDIGETACTIVE, 0, LPARAM(&maximized)));
      if (SkinManager) SkinManager->SetMDIMaximized(active && maximized);
      // No child left: the menu bar may follow menu changes again.
      if (!active) SkinData->MenuUpdate = MenuUpdateCopy;
      return result;
    }
    case WM_MDIMAXIMIZE:
    case WM_MDITILE:
      if (SkinManager) SkinManager->MDIMaximized = false;
      return pass();
    case WM_SKIN_MDIREDRAW:
      RedrawWindow(Handle, nullptr, nullptr, RDW_INVALIDATE | RDW_ERASE | RDW_FRAME | RDW_ALLCHILDREN | RDW_UPDATENOW);
      return 0;
    default:
      return pass();
  }
}
