#include "skin/controls/SkinBoxH.h"
#include "skin/data/WinSkinData.h"

DEFINE_CLASS_INFO(TSkinBoxH, TSkinControl, {})

bool TSkinBoxH::BeforeMessage(TMessage& Message) {
  switch (Message.Msg) {
    case WM_ERASEBKGND: {
      RECT r;
      GetWindowRect(FHandle, &r);
      OffsetRect(&r, -r.left, -r.top);
      FillFace(HDC(Message.WParam), r);
      Message.Result = 0;
      return false;
    }
    case WM_CTLCOLORSTATIC:
      CallDefault(Message);
      SetBkMode(HDC(Message.WParam), TRANSPARENT);
      UseSkinTextColour(HDC(Message.WParam), *FSkinData);
      Message.Result = LRESULT(FSkinData->ButtonFaceBrush.Get());
      return false;
    default:
      return TSkinControl::BeforeMessage(Message);
  }
}
