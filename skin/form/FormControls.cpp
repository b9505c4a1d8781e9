// The form skinner's registry of control skinners and its walk over the
// window's controls.
#include "skin/data/WinSkinData.h"
#include "skin/form/ControlDiscovery.h"
#include "skin/form/WinSkinForm.h"
#include <algorithm>

bool TWinSkinForm::AddControlSkinner(TSkinControl* skinner) {
  if (HasControlSkinner(*skinner)) return true;
  ControlSkinners.push_back(skinner);
  return false;
}

void TWinSkinForm::RemoveControlSkinner(TSkinControl* skinner) {
  auto it = std::find(ControlSkinners.rbegin(), ControlSkinners.rend(), skinner);
  if (it != ControlSkinners.rend()) ControlSkinners.erase(std::next(it).base());
}

bool TWinSkinForm::HasControlSkinner(const TSkinControl& skinner) const {
  return std::find(ControlSkinners.begin(), ControlSkinners.end(), &skinner) != ControlSkinners.end();
}

TSkinControl* TWinSkinForm::FindControlSkinner(const TControl& control) const {
  for (TSkinControl* s : ControlSkinners)
    if (s->Control() == &control || s->GraphicControl() == &control) return s;
  return nullptr;
}

TSkinControl* TWinSkinForm::FindWindowSkinner(HWND wnd) const {
  for (TSkinControl* s : ControlSkinners)
    if (s->WindowHandle() == wnd) return s;
  return nullptr;
}

TSkinControl* TWinSkinForm::SkinnerOfChildIn(const TMessage& m) const {
  HWND child = nullptr;
  if (!m.LParam) return nullptr;
  switch (m.Msg) {
    case WM_NOTIFY: child = reinterpret_cast<const NMHDR*>(m.LParam)->hwndFrom; break;
    case WM_DRAWITEM: {
      // A menu item's "window" is its menu.
      const auto* item = reinterpret_cast<const DRAWITEMSTRUCT*>(m.LParam);
      child = item->CtlType == ODT_MENU ? nullptr : item->hwndItem;
      break;
    }
    case WM_CTLCOLORBTN: case WM_CTLCOLOREDIT: case WM_CTLCOLORLISTBOX: case WM_CTLCOLORSCROLLBAR:
    case WM_CTLCOLORSTATIC: child = HWND(m.LParam); break;
    default: return nullptr;
  }
  return child && !ControlSkinners.empty() ? FindWindowSkinner(child) : nullptr;
}

void TWinSkinForm::FreeControlSkinners() {
  while (!ControlSkinners.empty()) {
    TSkinControl* skinner = ControlSkinners.front();
    if (State != skDestroying && skinner->Status() != ssWindowGone) skinner->Detach();
    skinner->Release();  // leaves the list as it goes
    RemoveControlSkinner(skinner);
  }
}

void TWinSkinForm::FreeGoneControlSkinners() {
  std::vector<TSkinControl*> gone;
  for (TSkinControl* s : ControlSkinners)
    if (s->Status() == ssWindowGone) gone.push_back(s);
  for (TSkinControl* s : gone) s->Release();
}

void TWinSkinForm::DiscoverControls() {
  TControlDiscovery discovery(*this, *SkinData);
  if (Form)
    discovery.DiscoverForm(*Form);
  else
    discovery.DiscoverWindows(Handle);
}

void TWinSkinForm::SkinChildWindow(HWND child) {
  if (SkinData) TControlDiscovery(*this, *SkinData).SkinWindowControl(child);
}
