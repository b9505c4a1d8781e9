#include "gallery/GalleryMoreDialog.h"
#include <commctrl.h>
#include <vector>

namespace {
INT_PTR CALLBACK PageProc(HWND, UINT msg, WPARAM, LPARAM) { return msg == WM_INITDIALOG; }

// The page sits in the dialog as property sheets put theirs: a child
// dialog without a tab stop.
void AddPage(HWND dialog) {
  const HWND page = CreateDialogParamW(GetModuleHandleW(nullptr), L"MOREPAGE", dialog, PageProc, 0);
  if (!page) return;
  RECT r{95, 100, 243, 140};
  MapDialogRect(dialog, &r);
  SetWindowLongPtrW(page, GWLP_ID, kMorePage);
  SetWindowPos(page, nullptr, r.left, r.top, r.right - r.left, r.bottom - r.top, SWP_NOZORDER | SWP_SHOWWINDOW);
  CheckDlgButton(page, kMorePageCheck, BST_CHECKED);
  SetDlgItemTextW(page, kMorePageEdit, L"An edit inside a page");
}

// A panel of the class library in its wide-text build, as a program made
// with it shows one inside its own dialog, holding a check box of its own.
constexpr wchar_t kLibraryPanelClass[] = L"TTntPanel.UnicodeClass";

void AddLibraryPanel(HWND dialog) {
  const HINSTANCE instance = GetModuleHandleW(nullptr);
  WNDCLASSEXW wc{sizeof wc};
  if (!GetClassInfoExW(instance, kLibraryPanelClass, &wc)) {
    wc = {sizeof wc};
    wc.lpfnWndProc = DefWindowProcW;
    wc.hInstance = instance;
    wc.hCursor = LoadCursorW(nullptr, IDC_ARROW);
    wc.hbrBackground = HBRUSH(COLOR_BTNFACE + 1);
    wc.lpszClassName = kLibraryPanelClass;
    if (!RegisterClassExW(&wc)) return;
  }
  RECT r{7, 145, 87, 163}, check{4, 4, 76, 14};
  MapDialogRect(dialog, &r);
  MapDialogRect(dialog, &check);
  const HWND panel = CreateWindowExW(0, kLibraryPanelClass, L"", WS_CHILD | WS_VISIBLE | WS_CLIPCHILDREN, r.left,
                                     r.top, r.right - r.left, r.bottom - r.top, dialog, HMENU(kMoreLibraryPanel),
                                     instance, nullptr);
  if (!panel) return;
  const HWND box = CreateWindowExW(0, L"BUTTON", L"In a panel", WS_CHILD | WS_VISIBLE | WS_TABSTOP | BS_AUTOCHECKBOX,
                                   check.left, check.top, check.right - check.left, check.bottom - check.top, panel,
                                   HMENU(kMoreLibraryPanelCheck), instance, nullptr);
  SendMessageW(box, WM_SETFONT, SendMessageW(dialog, WM_GETFONT, 0, 0), 0);
}

void Fill(HWND dialog) {
  // A picture button: a small swatch, freed with the dialog.
  const std::vector<DWORD> pixels(16 * 12, 0x00C04020);
  const HBITMAP swatch = CreateBitmap(16, 12, 1, 32, pixels.data());
  SendDlgItemMessageW(dialog, kMoreBitmapButton, BM_SETIMAGE, IMAGE_BITMAP, LPARAM(swatch));
  for (const wchar_t* row : {L"One", L"Two", L"Three"})
    SendDlgItemMessageW(dialog, kMoreSimpleCombo, CB_ADDSTRING, 0, LPARAM(row));
  int index = 0;
  for (const wchar_t* row : {L"Extended one", L"Extended two"}) {
    COMBOBOXEXITEMW item{CBEIF_TEXT};
    item.iItem = index++;
    item.pszText = const_cast<wchar_t*>(row);
    SendDlgItemMessageW(dialog, kMoreComboEx, CBEM_INSERTITEMW, 0, LPARAM(&item));
  }
  SendDlgItemMessageW(dialog, kMoreComboEx, CB_SETCURSEL, 0, 0);
  TVINSERTSTRUCTW node{TVI_ROOT, TVI_LAST};
  node.item.mask = TVIF_TEXT;
  node.item.pszText = const_cast<wchar_t*>(L"Voices");
  const HTREEITEM root = HTREEITEM(SendDlgItemMessageW(dialog, kMoreTree, TVM_INSERTITEMW, 0, LPARAM(&node)));
  node.hParent = root;
  for (const wchar_t* leaf : {L"Male", L"Female"}) {
    node.item.pszText = const_cast<wchar_t*>(leaf);
    SendDlgItemMessageW(dialog, kMoreTree, TVM_INSERTITEMW, 0, LPARAM(&node));
  }
  SendDlgItemMessageW(dialog, kMoreTree, TVM_EXPAND, TVE_EXPAND, LPARAM(root));
  index = 0;
  for (const wchar_t* tab : {L"Drawn", L"By the program"}) {
    TCITEMW item{TCIF_TEXT};
    item.pszText = const_cast<wchar_t*>(tab);
    SendDlgItemMessageW(dialog, kMoreOwnerDrawnTabs, TCM_INSERTITEMW, WPARAM(index++), LPARAM(&item));
  }
  const HWND bar = GetDlgItem(dialog, kMoreToolBar);
  SendMessageW(bar, TB_BUTTONSTRUCTSIZE, sizeof(TBBUTTON), 0);
  TBBUTTON buttons[2] = {};
  const wchar_t* labels[] = {L"Cut", L"Paste"};
  for (int i = 0; i < 2; ++i) {
    buttons[i] = {I_IMAGENONE, 400 + i, TBSTATE_ENABLED, BTNS_BUTTON | BTNS_AUTOSIZE | BTNS_SHOWTEXT};
    buttons[i].iString = INT_PTR(labels[i]);
  }
  SendMessageW(bar, TB_ADDBUTTONSW, 2, LPARAM(buttons));
  AddPage(dialog);
  AddLibraryPanel(dialog);
}

// The program's own drawing of its owner-drawn button and tabs.
void Draw(const DRAWITEMSTRUCT& item) {
  RECT r = item.rcItem;
  FillRect(item.hDC, &r, GetSysColorBrush(COLOR_BTNFACE));
  wchar_t text[64] = L"";
  if (item.CtlType == ODT_BUTTON) {
    DrawEdge(item.hDC, &r, (item.itemState & ODS_SELECTED) ? EDGE_SUNKEN : EDGE_RAISED, BF_RECT);
    GetWindowTextW(item.hwndItem, text, 64);
  } else {
    TCITEMW tab{TCIF_TEXT};
    tab.pszText = text;
    tab.cchTextMax = 64;
    SendMessageW(item.hwndItem, TCM_GETITEMW, item.itemID, LPARAM(&tab));
  }
  SetBkMode(item.hDC, TRANSPARENT);
  SetTextColor(item.hDC, RGB(0, 0, 160));
  DrawTextW(item.hDC, text, -1, &r, DT_CENTER | DT_VCENTER | DT_SINGLELINE);
}

INT_PTR CALLBACK MoreDialogProc(HWND dialog, UINT msg, WPARAM wparam, LPARAM lparam) {
  switch (msg) {
    case WM_INITDIALOG:
      Fill(dialog);
      return TRUE;
    case WM_DRAWITEM:
      Draw(*reinterpret_cast<const DRAWITEMSTRUCT*>(lparam));
      return TRUE;
    case WM_COMMAND:
      if (LOWORD(wparam) == IDOK || LOWORD(wparam) == IDCANCEL) DestroyWindow(dialog);
      return TRUE;
    case WM_DESTROY:
      DeleteObject(HBITMAP(SendDlgItemMessageW(dialog, kMoreBitmapButton, BM_GETIMAGE, IMAGE_BITMAP, 0)));
      return FALSE;
  }
  return FALSE;
}
}  // namespace

HWND OpenMoreDialog(HWND owner) {
  const HWND dialog = CreateDialogParamW(GetModuleHandleW(nullptr), L"MOREDIALOG", owner, MoreDialogProc, 0);
  if (dialog) ShowWindow(dialog, SW_SHOW);
  return dialog;
}
