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

// ---- TPanel ----

namespace {
const std::vector<std::wstring> kBevels = {L"bvNone", L"bvLowered", L"bvRaised"};

void DrawBevel(HDC dc, RECT& r, TPanelBevel bevel) {
  if (bevel == bvNone) return;
  DrawEdge(dc, &r, bevel == bvRaised ? BDR_RAISEDINNER : BDR_SUNKENOUTER, BF_RECT | BF_ADJUST);
}
}  // namespace

DEFINE_COMPONENT_INFO(TCustomPanel, TWinControl,
  {EnumProp("BevelOuter", &TCustomPanel::GetBevelOuter, &TCustomPanel::SetBevelOuter, kBevels),
   EnumProp("BevelInner", &TCustomPanel::GetBevelInner, &TCustomPanel::SetBevelInner, kBevels),
   EnumProp("Alignment", &TCustomPanel::GetAlignment, &TCustomPanel::SetAlignment,
            {L"taLeftJustify", L"taRightJustify", L"taCenter"}),
   BoolProp("ParentBackground", &TCustomPanel::GetParentBackground, &TCustomPanel::SetParentBackground)})

DEFINE_COMPONENT_INFO(TPanel, TCustomPanel, {})

TCustomPanel::TCustomPanel(TComponent* AOwner) : TWinControl(AOwner) {}

void TCustomPanel::WndProc(TMessage& m) {
  // The face is painted with the rest in PaintWindow.
  if (m.Msg == WM_ERASEBKGND) {
    m.Result = 1;
    return;
  }
  TWinControl::WndProc(m);
}

void TCustomPanel::PaintWindow(HDC dc) {
  RECT r = ClientRect();
  TCanvas canvas(dc);
  canvas.BrushColor = FParentBackground && FParent ? FParent->GetColor() : FColor;
  canvas.FillRect(r);
  DrawBevel(dc, r, FBevelOuter);
  DrawBevel(dc, r, FBevelInner);
  canvas.Font().Assign(EffectiveFont());
  const UINT align = FAlignment == taLeftJustify ? DT_LEFT : FAlignment == taRightJustify ? DT_RIGHT : DT_CENTER;
  canvas.TextRect(r, FText, align | DT_VCENTER | DT_SINGLELINE);
}
