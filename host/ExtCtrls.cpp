#include "host/ExtCtrls.h"
#include "host/CallbackGuard.h"

DEFINE_COMPONENT_INFO(TTimer, TComponent,
  {IntProp("Interval", &TTimer::GetInterval, &TTimer::SetInterval),
   BoolProp("Enabled", &TTimer::GetEnabled, &TTimer::SetEnabled),
   EventProp("OnTimer", &TTimer::OnTimer)})

TTimer::TTimer(TComponent* AOwner) : TComponent(AOwner) {
  HINSTANCE instance = GetModuleHandleW(nullptr);
  WNDCLASSEXW wc{sizeof wc};
  if (!GetClassInfoExW(instance, L"TPUtilWindow", &wc)) {
    wc.lpfnWndProc = TimerWndProc;
    wc.hInstance = instance;
    wc.lpszClassName = L"TPUtilWindow";
    RegisterClassExW(&wc);
  }
  FWindow = CreateWindowExW(0, L"TPUtilWindow", L"", 0, 0, 0, 0, 0, HWND_MESSAGE, nullptr, instance, nullptr);
  SetWindowLongPtrW(FWindow, GWLP_USERDATA, LONG_PTR(this));
}

TTimer::~TTimer() {
  KillTimer(FWindow, 1);
  DestroyWindow(FWindow);
}

void TTimer::Loaded() {
  TComponent::Loaded();
  Update();
}

void TTimer::Update() {
  KillTimer(FWindow, 1);
  if (FEnabled && FInterval > 0 && OnTimer) SetTimer(FWindow, 1, UINT(FInterval), nullptr);
}

LRESULT CALLBACK TTimer::TimerWndProc(HWND wnd, UINT msg, WPARAM wparam, LPARAM lparam) {
  if (msg == WM_TIMER) {
    auto* timer = reinterpret_cast<TTimer*>(GetWindowLongPtrW(wnd, GWLP_USERDATA));
    GuardCallback("timer", [timer] {
      if (timer && timer->OnTimer) timer->OnTimer(timer);
    });
    return 0;
  }
  return DefWindowProcW(wnd, msg, wparam, lparam);
}
