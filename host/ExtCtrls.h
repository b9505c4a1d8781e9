// Timers.
#pragma once
#include "host/Classes.h"
#include <windows.h>

class TTimer : public TComponent {
public:
  DECLARE_CLASS_INFO
  explicit TTimer(TComponent* AOwner);
  ~TTimer() override;
  int GetInterval() const { return FInterval; }
  void SetInterval(int v) { FInterval = v; Update(); }
  bool GetEnabled() const { return FEnabled; }
  void SetEnabled(bool v) { FEnabled = v; Update(); }
  TNotifyEvent OnTimer;
  void Loaded() override;  // the handler is bound after Interval and Enabled

private:
  static LRESULT CALLBACK TimerWndProc(HWND wnd, UINT msg, WPARAM wparam, LPARAM lparam);
  void Update();
  int FInterval = 1000;
  bool FEnabled = true;
  HWND FWindow = nullptr;
};
