// What skinning may change on the controls of a form, and must give back:
// window procedure, WindowProc links, styles, colour and the properties
// skinners write by name.
#pragma once
#include "host/Controls.h"
#include "host/WindowProcLink.h"
#include "skin/controls/SkinControl.h"
#include "skin/manager/SkinMessages.h"
#include <map>
#include <string>

struct TControlState {
  LONG_PTR Proc = 0, Style = 0, ExStyle = 0;
  TColor Color = 0;
  int Links = 0;
  std::wstring Properties;
  bool operator==(const TControlState& o) const {
    return Proc == o.Proc && Style == o.Style && ExStyle == o.ExStyle && Color == o.Color && Links == o.Links &&
           Properties == o.Properties;
  }
};

// Every control the form owns, by name.
inline std::map<std::wstring, TControlState> ControlStates(const TComponent& form) {
  std::map<std::wstring, TControlState> states;
  for (TComponent* c : form.Components()) {
    auto* control = dynamic_cast<TControl*>(c);
    if (!control) continue;
    TControlState state;
    for (const char* name : {"ParentBackground", "Transparent", "Flat"})
      state.Properties += ReadEnumProp(control, name) + L";";
    state.Color = control->GetColor();
    state.Links = WindowProcLinks(*control);
    if (auto* w = dynamic_cast<TWinControl*>(control); w && w->HandleAllocated()) {
      const HWND h = w->Handle();
      state.Proc = GetWindowLongPtrW(h, GWLP_WNDPROC);
      state.Style = GetWindowLongPtrW(h, GWL_STYLE);
      state.ExStyle = GetWindowLongPtrW(h, GWL_EXSTYLE);
    }
    states[control->GetName()] = state;
  }
  return states;
}

inline bool Skinned(HWND wnd) { return SendMessageA(wnd, WM_SKIN_QUERY, 0, 0) == 1; }
