// Counts of the process's live GDI and USER objects, for leak tests.
#pragma once
#include <windows.h>

// GetGuiResources where the system counts; Wine answers 0, but its handle
// tables answer for a bare index (no generation in the high word), so
// counting the indices that do lists every live object.
inline int LiveGdiObjects() {
  if (DWORD n = GetGuiResources(GetCurrentProcess(), GR_GDIOBJECTS)) return int(n);
  int live = 0;
  for (UINT_PTR i = 1; i < 0x10000; ++i)
    if (GetObjectType(HGDIOBJ(i))) ++live;
  return live;
}

// Window handles are shared by every process: only this one's count (other
// test programs run at the same time). Menus and icons are the process's own.
inline bool OwnWindow(HWND wnd) {
  DWORD process = 0;
  return IsWindow(wnd) && GetWindowThreadProcessId(wnd, &process) && process == GetCurrentProcessId();
}

// Windows, menus and icons: the USER objects a skinner can make. Wine files
// them at even indices from 0x20 and reuse freed ones, so the low indices
// hold them all.
inline int LiveUserObjects() {
  if (DWORD n = GetGuiResources(GetCurrentProcess(), GR_USEROBJECTS)) return int(n);
  HDC probe = CreateCompatibleDC(nullptr);
  HBITMAP target = CreateCompatibleBitmap(probe, 1, 1);
  HGDIOBJ old = SelectObject(probe, target);
  int live = 0;
  for (UINT_PTR i = 0x20; i < 0x20 + 2 * 0x1000; i += 2) {
    if (OwnWindow(HWND(i)) || IsMenu(HMENU(i)) || DrawIconEx(probe, 0, 0, HICON(i), 1, 1, 0, nullptr, DI_NORMAL))
      ++live;
  }
  SelectObject(probe, old);
  DeleteObject(target);
  DeleteDC(probe);
  return live;
}
