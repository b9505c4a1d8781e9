// Timers and panels.
#pragma once
#include "host/Classes.h"
#include "host/Controls.h"
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

enum TPanelBevel { bvNone, bvLowered, bvRaised };

// A container that paints its face, its bevels and a centred caption.
class TCustomPanel : public TWinControl {
public:
  DECLARE_CLASS_INFO
  explicit TCustomPanel(TComponent* AOwner);
  TPanelBevel GetBevelOuter() const { return FBevelOuter; }
  void SetBevelOuter(TPanelBevel v) { FBevelOuter = v; Invalidate(); }
  TPanelBevel GetBevelInner() const { return FBevelInner; }
  void SetBevelInner(TPanelBevel v) { FBevelInner = v; Invalidate(); }
  TAlignment GetAlignment() const { return FAlignment; }
  void SetAlignment(TAlignment v) { FAlignment = v; Invalidate(); }
  // Shows the parent's face instead of its own colour.
  bool GetParentBackground() const { return FParentBackground; }
  void SetParentBackground(bool v) { FParentBackground = v; Invalidate(); }

protected:
  void PaintWindow(HDC dc) override;
  void WndProc(TMessage& m) override;

private:
  TPanelBevel FBevelOuter = bvRaised;
  TPanelBevel FBevelInner = bvNone;
  TAlignment FAlignment = taCenter;
  bool FParentBackground = false;
};

class TPanel : public TCustomPanel {
public:
  DECLARE_CLASS_INFO
  using TCustomPanel::TCustomPanel;
};
