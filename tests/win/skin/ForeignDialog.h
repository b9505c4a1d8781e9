// A "#32770" dialog built from a template in memory and filed under another
// module: a window of the system, not of the program.
#pragma once
#include <windows.h>

inline INT_PTR CALLBACK PlainDialogProc(HWND, UINT, WPARAM, LPARAM) { return FALSE; }

inline HWND MakeForeignDialog(DWORD extraStyle) {
  struct {
    DLGTEMPLATE t;
    WORD menu, cls, title;
  } tpl{};
  tpl.t.style = WS_POPUP | WS_CAPTION | DS_MODALFRAME | extraStyle;
  tpl.t.cx = 120;
  tpl.t.cy = 60;
  return CreateDialogIndirectParamW(GetModuleHandleW(L"kernel32.dll"), &tpl.t, nullptr, PlainDialogProc, 0);
}
