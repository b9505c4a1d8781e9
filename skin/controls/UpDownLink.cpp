#include "skin/controls/UpDownLink.h"
#include "skin/controls/SkinUpDown.h"
#include "skin/manager/SkinMessages.h"
#include <commctrl.h>

TSkinUpDown* MakeUpDownSkinner(TComponent* Owner, bool TabSetMode) {
  auto* skinner = new TSkinUpDown(Owner);
  if (TabSetMode) skinner->SetHorizontalMode(1);
  return skinner;
}

HWND FindUpDownChild(HWND Parent) { return Parent ? FindWindowExW(Parent, nullptr, UPDOWN_CLASSW, nullptr) : nullptr; }

void TUpDownLink::Skin(HWND Wnd, TComponent* Owner, bool TabSetMode, TSkinData* SkinData, TSkinnerHost* Form,
                       TCanvas* Canvas) {
  if (!Wnd || FWindow) return;
  TSkinUpDown* skinner = MakeUpDownSkinner(Owner, TabSetMode);
  skinner->AttachWindow(Wnd, SkinData, Form, Canvas);
  FWindow = Wnd;
}

void TUpDownLink::SwitchOff(HWND Parent) const {
  // The handle may have been given to another window since.
  if (!FWindow || !IsWindow(FWindow) || GetParent(FWindow) != Parent) return;
  SendMessageW(FWindow, WM_SKIN_ENABLE, 0, 0);
  InvalidateRect(FWindow, nullptr, TRUE);
}
