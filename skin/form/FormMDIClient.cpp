// The MDI client of a skinned MDI parent: scroll bars kept off the skinned
// frame, the MDI-maximized bookkeeping, and the parent's redraw on request.
#include "SkinManage.h"
#include "SkinMessages.h"
#include "WinSkinData.h"
#include "WinSkinForm.h"
#include "WindowSubclass.h"
#include <utility>

namespace {
const TSubclassProps kClientProps{L"TWinSkinForm.MDIClient", L"TWinSkinForm.MDIClientOldProc"};

LRESULT CALLBACK MDIClientStub(HWND wnd, UINT msg, WPARAM wparam, LPARAM lparam) {
  if (auto* skinner = static_cast<TWinSkinForm*>(GetPropW(wnd, kClientProps.Object)))
    return skinner->MDIClientWndProc(msg, wparam, lparam);
  return CallLeftProc(wnd, kClientProps, msg, wparam, lparam);
}
}  // namespace

void TWinSkinForm::HookMDIClient() {
  if (!MDIClientWindow || OldMDIClientProc) return;
  OldMDIClientProc = InstallSubclass(MDIClientWindow, kClientProps, this, &MDIClientStub, false);
}

void TWinSkinForm::UnhookMDIClient() {
  if (!OldMDIClientProc) return;
  if (SkinManager && SkinManager->MDIClientHandle == MDIClientWindow) {
    SkinManager->MDIClientHandle = nullptr;
    SkinManager->MDIParentForm = nullptr;
  }
  RemoveSubclass(MDIClientWindow, kClientProps, &MDIClientStub, std::exchange(OldMDIClientProc, nullptr), false);
}

LRESULT TWinSkinForm::MDIClientWndProc(UINT msg, WPARAM wparam, LPARAM lparam) {
  const HWND client = MDIClientWindow;
  const WNDPROC old = OldMDIClientProc;
  auto pass = [&] { return CallWindowProcA(old, client, msg, wparam, lparam); };
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
      const HWND active = HWND(CallWindowProcA(old, client, WM_MDIGETACTIVE, 0, LPARAM(&maximized)));
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
