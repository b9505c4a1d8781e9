#include "skin/controls/UpDownLink.h"
#include "skin/manager/SkinMessages.h"
#include <commctrl.h>

namespace {
TUpDownSkinnerMaker& CurrentMaker() {
  static TUpDownSkinnerMaker maker = MakeUpDownSkinner;
  return maker;
}
}  // namespace

TSkinControl* MakeUpDownSkinner(TComponent*, bool) {
  // The up-down skinner is not part of this build yet; once it is, this
  // makes a TSkinUpDown owned by Owner and calls its SetHorizontalMode(1)
  // in tab-set mode.
  return nullptr;
}

TUpDownSkinnerMaker SetUpDownSkinnerMaker(TUpDownSkinnerMaker Maker) {
  const TUpDownSkinnerMaker previous = CurrentMaker();
  CurrentMaker() = Maker ? Maker : MakeUpDownSkinner;
  return previous;
}

HWND FindUpDownChild(HWND Parent) { return Parent ? FindWindowExW(Parent, nullptr, UPDOWN_CLASSW, nullptr) : nullptr; }

void TUpDownLink::Skin(HWND Wnd, TComponent* Owner, bool TabSetMode, TSkinData* SkinData, TSkinnerHost* Form,
                       TCanvas* Canvas) {
  if (!Wnd || FWindow) return;
  TSkinControl* skinner = CurrentMaker()(Owner, TabSetMode);
  if (!skinner) return;
  skinner->AttachWindow(Wnd, SkinData, Form, Canvas);
  FWindow = Wnd;
}

void TUpDownLink::SwitchOff(HWND Parent) const {
  // The handle may have been given to another window since.
  if (!FWindow || !IsWindow(FWindow) || GetParent(FWindow) != Parent) return;
  SendMessageW(FWindow, WM_SKIN_ENABLE, 0, 0);
  InvalidateRect(FWindow, nullptr, TRUE);
}
