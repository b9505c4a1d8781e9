// The skinner of one popup-menu window (class "#32768"): the whole window,
// frame and background, is painted from the skin's menu background, nine-
// sliced to the window's size. The items keep the system's drawing.
#pragma once
#include "host/Bitmap.h"
#include "skin/manager/WindowSubclass.h"
#include <windows.h>

class TSkinData;

class TWinSkinPopMenu {
public:
  TWinSkinPopMenu() = default;
  ~TWinSkinPopMenu() { Detach(); }
  TWinSkinPopMenu(const TWinSkinPopMenu&) = delete;
  TWinSkinPopMenu& operator=(const TWinSkinPopMenu&) = delete;

  void Attach(HWND wnd, TSkinData* data, HMENU menu);
  void Detach();
  LRESULT PopupWndProc(UINT msg, WPARAM wparam, LPARAM lparam);

  TWindowSubclass Link;
  HWND Handle = nullptr;
  TSkinData* SkinData = nullptr;
  TBitmap FrameBitmap;  // the last composed picture of the whole window
  HMENU MenuHandle = nullptr;

private:
  LRESULT CallDefault(UINT msg, WPARAM wparam, LPARAM lparam);
  bool CanPaint() const;
  void ComposeFrame(const RECT& r);
  LRESULT Erase(UINT msg, WPARAM wparam, LPARAM lparam);
  LRESULT FramePaint(UINT msg, WPARAM wparam, LPARAM lparam);
  LRESULT Print(UINT msg, WPARAM wparam, LPARAM lparam);
};
