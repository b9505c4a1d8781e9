#include "skin/controls/SkinScrollbar.h"
#include "host/Handles.h"
#include "host/TypInfo.h"
#include "skin/data/WinSkinData.h"
#include "skin/manager/SkinMessages.h"

DEFINE_CLASS_INFO(TSkinScrollbar, TSkinControl, {})

namespace {
RECT WholeWindow(HWND wnd) {
  RECT r{};
  GetWindowRect(wnd, &r);
  return {0, 0, r.right - r.left, r.bottom - r.top};
}
}  // namespace

TSkinScrollbar::~TSkinScrollbar() { FBars.Free(); }

void TSkinScrollbar::AttachControl(TSkinnerHost* Form, TSkinData* SkinData, bool, TCanvas* Canvas) {
  if (auto* control = dynamic_cast<TWinControl*>(Owner())) AttachScrolled(control, SkinData, Form, Canvas);
}

void TSkinScrollbar::AttachScrolled(TWinControl* Control, TSkinData* SkinData, TSkinnerHost* Form, TCanvas* Canvas) {
  if (FAttached || !Control || !SkinData) return;
  TakeControl(Control, SkinData, Form, Canvas);
  // The two-pixel border covers a sunken edge only: a control without one
  // has no border to paint over.
  FOwnBorder = _wcsicmp(ReadEnumProp(Control, "BorderStyle").c_str(), L"bsNone") != 0 &&
               (GetWindowLongPtrW(FHandle, GWL_EXSTYLE) & WS_EX_CLIENTEDGE);
  if (_stricmp(Control->ClassName().c_str(), "TImageScrollBox") == 0 || FMode == kSingleBarMode) FOwnBorder = false;
  FHasFixedColor = IsPublishedProp(Control, "FixedColor");
  if (FHasFixedColor) {
    FSavedColor = ReadIntProp(Control, "FixedColor");
    WriteFixedColor(FSkinData->SkinColours[scButtonFace]);
  }
  FBars.Create(*this, Control, FHandle);
  LinkControl(*Control);
  FAttached = true;
  FStatus = ssAttached;
  if (FOwnBorder) DrawWholeBorder();
}

void TSkinScrollbar::WriteFixedColor(TColor Colour) {
  if (FControl) WriteProp(FControl, "FixedColor", std::to_wstring(Colour));
}

void TSkinScrollbar::Detach() {
  if (!FActive) return;
  if (FHasFixedColor && FStatus != ssWindowGone) WriteFixedColor(FSavedColor);
  TSkinControl::Detach();
  // No panel outlives the skinning of its window, nor the window.
  FBars.Free();
  if (FStatus != ssWindowGone && FHandle)
    RedrawWindow(FHandle, nullptr, nullptr, RDW_FRAME | RDW_INVALIDATE | RDW_ERASE);
}

void TSkinScrollbar::DrawBorder(HDC DC, const RECT& Rect) const {
  FrameColor(DC, Rect, FSkinData->SkinColours[scButtonShadow]);
  RECT inner = Rect;
  InflateRect(&inner, -1, -1);
  FrameColor(DC, inner, FSkinData->SkinColours[scButtonFace]);
}

void TSkinScrollbar::DrawWholeBorder() {
  TWholeWindowDC dc(FHandle);
  if (!dc.Get()) return;
  DrawBorder(dc.Get(), WholeWindow(FHandle));
  const RECT corner = FBars.Corner(FHandle);
  if (!IsRectEmpty(&corner)) FillFace(dc.Get(), corner);
}

bool TSkinScrollbar::BeforeMessage(TMessage& Message) {
  if (Message.Msg == WM_NCPAINT && FOwnBorder) {
    if (!CallDefaultSurvived(Message)) return false;
    DrawWholeBorder();
    return false;
  }
  return TSkinControl::BeforeMessage(Message);
}

void TSkinScrollbar::AfterMessage(TMessage& Message) {
  if (Message.Msg == WM_SKIN_PAINTDC) {
    if (Message.LParam != SKIN_MAGIC) return;
    if (Message.WParam) DrawBorder(HDC(Message.WParam), WholeWindow(FHandle));
    Message.Result = SKIN_MAGIC;
    return;
  }
  if (Message.Msg == WM_PAINT) {
    FBars.Painted(FHandle, [&] { PaintWindow(HDC(Message.WParam)); });
    return;
  }
  if (!FBars.AfterMessage(Message)) TSkinControl::AfterMessage(Message);
}

void TSkinScrollbar::PaintControl(HDC DC, const RECT&) {
  FBars.Refresh(GetWindowLongPtrW(FHandle, GWL_STYLE));
  const RECT corner = FBars.Corner(FHandle);
  if (!IsRectEmpty(&corner)) FillFace(DC, corner);
}

void TSkinScrollbar::SkinChanged() {
  if (FHasFixedColor) WriteFixedColor(FSkinData->SkinColours[scButtonFace]);
  FBars.Reposition();
  TSkinControl::SkinChanged();
  if (FOwnBorder) DrawWholeBorder();
}
