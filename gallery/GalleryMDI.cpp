#include "gallery/GalleryMDI.h"
#include <initializer_list>

namespace {
constexpr wchar_t kFrameClass[] = L"GalleryMDIFrame";
constexpr wchar_t kDocumentClass[] = L"GalleryMDIDocument";
constexpr UINT kFirstDocumentId = 5000;

// The frame's two menus; the one not on the window is freed with the frame.
struct TMDIMenus {
  HWND Client = nullptr;
  HMENU Frame = nullptr;
  HMENU Document = nullptr;
};

HMENU MenuOf(std::initializer_list<const wchar_t*> captions, UINT firstId) {
  HMENU bar = CreateMenu();
  for (const wchar_t* caption : captions) {
    HMENU drop = CreatePopupMenu();
    AppendMenuW(drop, MF_STRING, firstId++, L"&New document");
    AppendMenuW(drop, MF_STRING, firstId++, L"&Close");
    AppendMenuW(bar, MF_POPUP, UINT_PTR(drop), caption);
  }
  return bar;
}

TMDIMenus* MenusOf(HWND frame) { return reinterpret_cast<TMDIMenus*>(GetWindowLongPtrW(frame, GWLP_USERDATA)); }

// "&Window", last in both menus: the client lists the documents there.
HMENU WindowMenu(HMENU menu) { return GetSubMenu(menu, GetMenuItemCount(menu) - 1); }

void ShowMenu(const TMDIMenus& menus, HMENU menu) {
  SendMessageW(menus.Client, WM_MDISETMENU, WPARAM(menu), LPARAM(WindowMenu(menu)));
  DrawMenuBar(GetParent(menus.Client));
}

HWND NewDocument(HWND client, const wchar_t* title, int at) {
  MDICREATESTRUCTW mcs{};
  mcs.szClass = kDocumentClass;
  mcs.szTitle = title;
  mcs.hOwner = GetModuleHandleW(nullptr);
  mcs.x = mcs.y = at;
  mcs.cx = 260;
  mcs.cy = 170;
  return HWND(SendMessageW(client, WM_MDICREATE, 0, LPARAM(&mcs)));
}

LRESULT CALLBACK FrameProc(HWND wnd, UINT msg, WPARAM wparam, LPARAM lparam) {
  TMDIMenus* menus = MenusOf(wnd);
  switch (msg) {
    case WM_CREATE: {
      menus = new TMDIMenus;
      menus->Frame = GetMenu(wnd);
      menus->Document = MenuOf({L"&File", L"&Edit", L"&Window"}, 100);
      SetWindowLongPtrW(wnd, GWLP_USERDATA, LONG_PTR(menus));
      CLIENTCREATESTRUCT ccs{WindowMenu(menus->Frame), kFirstDocumentId};
      menus->Client = CreateWindowExW(WS_EX_CLIENTEDGE, L"MDICLIENT", nullptr,
                                      WS_CHILD | WS_CLIPCHILDREN | WS_VISIBLE, 0, 0, 0, 0, wnd, nullptr,
                                      GetModuleHandleW(nullptr), &ccs);
      return menus->Client ? 0 : -1;
    }
    case WM_NCDESTROY:
      if (menus) {
        for (HMENU menu : {menus->Frame, menus->Document})
          if (menu != GetMenu(wnd)) DestroyMenu(menu);
        delete menus;
        SetWindowLongPtrW(wnd, GWLP_USERDATA, 0);
      }
      break;
  }
  return DefFrameProcW(wnd, menus ? menus->Client : nullptr, msg, wparam, lparam);
}

LRESULT CALLBACK DocumentProc(HWND wnd, UINT msg, WPARAM wparam, LPARAM lparam) {
  if (msg == WM_MDIACTIVATE) {
    const HWND client = GetParent(wnd);
    if (TMDIMenus* menus = MenusOf(GetParent(client))) {
      // The document's menu while one is active, the frame's when none is.
      if (HWND(lparam) == wnd) ShowMenu(*menus, menus->Document);
      else if (!lparam) ShowMenu(*menus, menus->Frame);
    }
  }
  return DefMDIChildProcW(wnd, msg, wparam, lparam);
}

void RegisterClasses() {
  WNDCLASSW wc{};
  wc.hInstance = GetModuleHandleW(nullptr);
  wc.hCursor = LoadCursorW(nullptr, IDC_ARROW);
  wc.lpfnWndProc = FrameProc;
  wc.lpszClassName = kFrameClass;
  wc.hbrBackground = HBRUSH(COLOR_APPWORKSPACE + 1);
  RegisterClassW(&wc);
  wc.lpfnWndProc = DocumentProc;
  wc.lpszClassName = kDocumentClass;
  wc.hbrBackground = HBRUSH(COLOR_WINDOW + 1);
  RegisterClassW(&wc);
}
}  // namespace

HWND OpenMDIWindow(bool maximized) {
  RegisterClasses();
  HMENU frameMenu = MenuOf({L"&File", L"&Window"}, 10);
  HWND frame = CreateWindowExW(0, kFrameClass, L"MDI window", WS_OVERLAPPEDWINDOW | WS_CLIPCHILDREN, 380, 120, 520,
                               380, nullptr, frameMenu, GetModuleHandleW(nullptr), nullptr);
  if (!frame) {
    DestroyMenu(frameMenu);
    return nullptr;
  }
  const HWND client = MenusOf(frame)->Client;
  NewDocument(client, L"Document 1", 10);
  HWND second = NewDocument(client, L"Document 2", 60);
  ShowWindow(frame, SW_SHOW);
  if (maximized && second) SendMessageW(client, WM_MDIMAXIMIZE, WPARAM(second), 0);
  return frame;
}
