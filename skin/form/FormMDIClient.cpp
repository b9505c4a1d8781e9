// The MDI client of a skinned MDI parent: scroll bars kept off the skinned
// frame, the MDI-maximized bookkeeping, and the parent's redraw on request.
#include "skin/data/WinSkinData.h"
#include "skin/form/WinSkinForm.h"
#include "skin/form/WinSkinMenu.h"
#include "skin/manager/SkinManage.h"
#include "skin/manager/SkinMessages.h"

namespace {
// The system adds a maximized child's window menu in front of the frame's
// menu and its three buttons behind it, and takes them out again only from
// the menu the frame shows. The bar keeps the menu off the frame, so they
// are taken out here, or they would stay after the child is restored and
// come back with the menu at unskin. The child's own menu is only detached.
void RemoveChildItems(HMENU menu, HWND child) {
  if (!menu || !child) return;
  const HMENU childMenu = GetSystemMenu(child, FALSE);
  MENUITEMINFOW info{sizeof info};
  info.fMask = MIIM_SUBMENU;
  if (childMenu && GetMenuItemInfoW(menu, 0, TRUE, &info) && info.hSubMenu == childMenu)
    RemoveMenu(menu, 0, MF_BYPOSITION);
  for (int last = GetMenuItemCount(menu) - 1; last >= 0; --last) {
    info.fMask = MIIM_ID | MIIM_FTYPE;
    if (!GetMenuItemInfoW(menu, UINT(last), TRUE, &info) || !(info.fType & MFT_BITMAP)) break;
    if (info.wID != SC_CLOSE && info.wID != SC_RESTORE && info.wID != SC_MINIMIZE) break;
    RemoveMenu(menu, UINT(last), MF_BYPOSITION);
  }
}
}  // namespace

bool TWinSkinForm::ActiveMDIChildMaximized() const {
  if (FormKind != fkMDIParent || !MDIClientWindow) return false;
  BOOL maximized = FALSE;
  const HWND active = HWND(SendMessageW(MDIClientWindow, WM_MDIGETACTIVE, 0, LPARAM(&maximized)));
  return active && maximized;
}


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
    case WM_MDISETMENU: {
      const LRESULT result = pass();
      if (wparam && FrameSkinned) {
        BOOL maximized = FALSE;
        const HWND active = HWND(old(WM_MDIGETACTIVE, 0, LPARAM(&maximized)));
        if (maximized) RemoveChildItems(GetMenu(Handle), active);
        // The merged menu is shown by the bar, the frame keeps none.
        FollowNewMenu(true);
      }
      return result;
    }
    case WM_SKIN_MDIREDRAW:
      RedrawWindow(Handle, nullptr, nullptr, RDW_INVALIDATE | RDW_ERASE | RDW_FRAME | RDW_ALLCHILDREN | RDW_UPDATENOW);
      return 0;
    default:
      return pass();
  }
}
