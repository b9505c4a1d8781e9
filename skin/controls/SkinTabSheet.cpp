#include "skin/controls/SkinTabSheet.h"
#include "skin/controls/SkinTabItems.h"
#include "skin/data/WinSkinData.h"

DEFINE_CLASS_INFO(TSkinTabSheet, TSkinControl, {})

bool TSkinTabSheet::BeforeMessage(TMessage& Message) {
  if (!TSkinControl::BeforeMessage(Message)) return false;
  if (FMode != 0) return true;
  switch (Message.Msg) {
    case WM_PAINT:
    case WM_PRINT:
      HandlePaint(*this, Message);
      return false;
    case WM_ERASEBKGND: {
      RECT client;
      GetClientRect(FHandle, &client);
      FillRect(HDC(Message.WParam), &client, FSkinData->ButtonFaceBrush.Get());
      Message.Result = 1;
      return false;
    }
    default:
      return true;
  }
}

void TSkinTabSheet::AfterMessage(TMessage& Message) {
  if (FMode != 0 && Message.Msg == WM_PAINT) return;
  TSkinControl::AfterMessage(Message);
}

void TSkinTabSheet::PaintControl(HDC DC, const RECT& Rect) {
  FillFace(DC, Rect);
  if (FControl) FControl->PaintControls(DC, Rect);
}

void TSkinTabSheet::Detach() { DetachToNative(*this); }
