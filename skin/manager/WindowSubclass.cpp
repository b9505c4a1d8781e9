#include "WindowSubclass.h"

WNDPROC InstallSubclass(HWND wnd, const TSubclassProps& props, void* object, WNDPROC stub, bool unicode) {
  SetPropW(wnd, props.Object, object);
  RemovePropW(wnd, props.OldProc);
  const LONG_PTR previous = unicode ? SetWindowLongPtrW(wnd, GWLP_WNDPROC, LONG_PTR(stub))
                                    : SetWindowLongPtrA(wnd, GWLP_WNDPROC, LONG_PTR(stub));
  return reinterpret_cast<WNDPROC>(previous);
}

void RemoveSubclass(HWND wnd, const TSubclassProps& props, WNDPROC stub, WNDPROC old, bool unicode) {
  if (!IsWindow(wnd)) return;
  RemovePropW(wnd, props.Object);
  const LONG_PTR current = unicode ? GetWindowLongPtrW(wnd, GWLP_WNDPROC) : GetWindowLongPtrA(wnd, GWLP_WNDPROC);
  if (reinterpret_cast<WNDPROC>(current) != stub) {
    SetPropW(wnd, props.OldProc, reinterpret_cast<HANDLE>(old));
    return;
  }
  if (unicode)
    SetWindowLongPtrW(wnd, GWLP_WNDPROC, LONG_PTR(old));
  else
    SetWindowLongPtrA(wnd, GWLP_WNDPROC, LONG_PTR(old));
}

LRESULT CallOldProc(WNDPROC old, HWND wnd, UINT msg, WPARAM wparam, LPARAM lparam) {
  const bool unicode = IsWindowUnicode(wnd);
  if (!old) return unicode ? DefWindowProcW(wnd, msg, wparam, lparam) : DefWindowProcA(wnd, msg, wparam, lparam);
  return unicode ? CallWindowProcW(old, wnd, msg, wparam, lparam) : CallWindowProcA(old, wnd, msg, wparam, lparam);
}

LRESULT CallLeftProc(HWND wnd, const TSubclassProps& props, UINT msg, WPARAM wparam, LPARAM lparam) {
  return CallOldProc(reinterpret_cast<WNDPROC>(GetPropW(wnd, props.OldProc)), wnd, msg, wparam, lparam);
}
