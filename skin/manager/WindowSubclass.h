// Replacing a window's procedure with a stub that finds its object through
// a window property. Once the object has left, the stub passes every message
// to the replaced procedure, kept in a second property: it stays in the
// chain when another subclasser sat above it and it could not be taken out.
#pragma once
#include <windows.h>

struct TSubclassProps {
  const wchar_t* Object;   // the object the stub routes to
  const wchar_t* OldProc;  // the replaced procedure, once the object has left
};

// Installs the stub (wide or ANSI as the window is); answers the replaced procedure.
WNDPROC InstallSubclass(HWND wnd, const TSubclassProps& props, void* object, WNDPROC stub, bool unicode);
// Puts the replaced procedure back, or leaves the stub passing messages to it.
void RemoveSubclass(HWND wnd, const TSubclassProps& props, WNDPROC stub, WNDPROC old, bool unicode);
// The replaced procedure, called as the window is (DefWindowProc when none).
LRESULT CallOldProc(WNDPROC old, HWND wnd, UINT msg, WPARAM wparam, LPARAM lparam);
// What a stub does for a window whose object has left.
LRESULT CallLeftProc(HWND wnd, const TSubclassProps& props, UINT msg, WPARAM wparam, LPARAM lparam);
