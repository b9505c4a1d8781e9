#include "skin/controls/SkinScControl.h"

DEFINE_CLASS_INFO(TSkinScControl, TSkinControl, {})

TSkinScControl::~TSkinScControl() { FreeBar(); }

void TSkinScControl::FreeBar() { delete std::exchange(FBar, nullptr); }

void TSkinScControl::AttachControl(TSkinnerHost* Form, TSkinData* SkinData, bool, TCanvas* Canvas) {
  if (auto* control = dynamic_cast<TWinControl*>(Owner())) AttachScControl(control, SkinData, Form, Canvas);
}

void TSkinScControl::AttachScControl(TWinControl* Control, TSkinData* SkinData, TSkinnerHost* Form,
                                     TCanvas* Canvas) {
  if (FAttached || !Control || !SkinData) return;
  TakeControl(Control, SkinData, Form, Canvas);
  FBar = new TWScrollbar(this);
  FBar->AttachToControl(this, Control, bkControl);
  FBar->SetEnabled(IsWindowEnabled(FHandle));
  LinkControl(*Control);
  FAttached = true;
  FStatus = ssAttached;
}

void TSkinScControl::AttachWindow(HWND Handle, TSkinData* SkinData, TSkinnerHost* Form, TCanvas* Canvas) {
  if (FAttached || !Handle || !SkinData) return;
  TSkinControl::AttachWindow(Handle, SkinData, Form, Canvas);
  FBar = new TWScrollbar(this);
  FBar->AttachToWindow(this, Handle, bkControl);
  FBar->SetEnabled(IsWindowEnabled(Handle));
}

void TSkinScControl::Detach() {
  if (!FActive) return;
  TSkinControl::Detach();
  FreeBar();
  if (FStatus != ssWindowGone && FHandle) InvalidateRect(FHandle, nullptr, TRUE);
}

bool TSkinScControl::BeforeMessage(TMessage& Message) {
  // A bare window's skinner outlives it: the panel goes with the window.
  if (Message.Msg == WM_DESTROY) FreeBar();
  return TSkinControl::BeforeMessage(Message);
}

void TSkinScControl::AfterMessage(TMessage& Message) {
  if (!FBar) return TSkinControl::AfterMessage(Message);
  switch (Message.Msg) {
    case WM_WINDOWPOSCHANGED:
      FBar->Reposition();
      break;
    case WM_NCPAINT:
      if (FControl) FHandle = FControl->Handle();
      FBar->Reposition();
      break;
    case WM_ENABLE:
      FBar->SetEnabled(Message.WParam != 0);
      FBar->Repaint();
      break;
    case SBM_SETSCROLLINFO:
    case SBM_SETPOS:
    case SBM_SETRANGE:
    case SBM_SETRANGEREDRAW:
    case CN_HSCROLL:
    case CN_VSCROLL:
      FBar->Repaint();
      break;
    default:
      FBar->FollowScrollState();
      TSkinControl::AfterMessage(Message);
  }
}

void TSkinScControl::PaintControl(HDC, const RECT&) {
  if (FBar) FBar->Repaint();
}
