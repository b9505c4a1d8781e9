#include "skin/controls/SkinScrollbarH.h"

DEFINE_CLASS_INFO(TSkinScrollbarH, TSkinControl, {})

TSkinScrollbarH::~TSkinScrollbarH() { FBars.Free(); }

void TSkinScrollbarH::AttachWindow(HWND Handle, TSkinData* SkinData, TSkinnerHost* Form, TCanvas* Canvas) {
  if (FAttached || !Handle || !SkinData) return;
  TSkinControl::AttachWindow(Handle, SkinData, Form, Canvas);
  FBars.Create(*this, nullptr, Handle);
}

void TSkinScrollbarH::Detach() {
  if (!FActive) return;
  TSkinControl::Detach();
  // The skinner outlives the window (its owner is the form skinner): the
  // panels go now, whether the window is being destroyed or unskinned.
  FBars.Free();
}

bool TSkinScrollbarH::BeforeMessage(TMessage& Message) {
  // Gone with the window, not later with the skinner's owner.
  if (Message.Msg == WM_DESTROY) FBars.Free();
  return TSkinControl::BeforeMessage(Message);
}

void TSkinScrollbarH::AfterMessage(TMessage& Message) {
  if (!IsWindowVisible(FHandle)) FBars.Hide();
  if (Message.Msg == WM_NCPAINT) FBars.Reposition();
  if (Message.Msg == WM_PAINT) {
    FBars.Painted(FHandle, [&] { PaintWindow(HDC(Message.WParam)); });
    return;
  }
  if (!FBars.AfterMessage(Message)) TSkinControl::AfterMessage(Message);
}

void TSkinScrollbarH::PaintControl(HDC DC, const RECT&) {
  FBars.Refresh(GetWindowLongPtrW(FHandle, GWL_STYLE));
  const RECT corner = FBars.Corner(FHandle);
  if (!IsRectEmpty(&corner)) FillFace(DC, corner);
}
