// Watches for the popup menu a test opens on its thread: a timer notes where
// the menu is shown, lets a probe look at its window, and closes it.
#pragma once
#include <functional>
#include <windows.h>

class TMenuWatch {
public:
  TMenuWatch() {
    Current() = this;
    FTimer = SetTimer(nullptr, 0, 20, Tick);
  }
  ~TMenuWatch() {
    if (FTimer) KillTimer(nullptr, FTimer);
    Current() = nullptr;
  }
  TMenuWatch(const TMenuWatch&) = delete;
  TMenuWatch& operator=(const TMenuWatch&) = delete;

  RECT Shown{};
  bool Seen = false;
  // Runs on the open menu's window before it is closed.
  std::function<void(HWND)> Probe;

private:
  static TMenuWatch*& Current() {
    static TMenuWatch* watch = nullptr;
    return watch;
  }
  static void CALLBACK Tick(HWND, UINT, UINT_PTR, DWORD) {
    TMenuWatch* watch = Current();
    const HWND menu = FindWindowW(L"#32768", nullptr);
    if (!watch || watch->Seen || !menu || !IsWindowVisible(menu)) return;
    GetWindowRect(menu, &watch->Shown);
    if (watch->Probe) watch->Probe(menu);
    watch->Seen = true;
    EndMenu();
  }
  UINT_PTR FTimer = 0;
};
