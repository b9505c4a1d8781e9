#include "skin/controls/SkinEdit.h"
#include "host/Handles.h"
#include "skin/controls/SkinUpDown.h"
#include "skin/data/WinSkinData.h"
#include "skin/manager/SkinManage.h"
#include "skin/manager/SkinMessages.h"

DEFINE_CLASS_INFO(TSkinEdit, TSkinControl, {})

namespace {
constexpr TColor kRing = clWhite;
}  // namespace

void TSkinEdit::AfterMessage(TMessage& Message) {
  switch (Message.Msg) {
    case WM_PAINT:
      PaintWindow(HDC(Message.WParam));
      break;
    case WM_PRINT:
      PrintBorder(HDC(Message.WParam));
      break;
    case WM_SKIN_PAINTNATIVE:
      if (Message.LParam != SKIN_MAGIC) break;
      if (Message.WParam) {
        TMessage paint{WM_PAINT, Message.WParam, 0, 0};
        CallDefault(paint);
      }
      Message.Result = SKIN_MAGIC;
      break;
    default:
      TSkinControl::AfterMessage(Message);
      break;
  }
}

bool IsSpinButtonClass(const std::wstring& ClassName) {
  std::wstring name = ClassName;
  for (wchar_t& c : name) c = wchar_t(towlower(c));
  return name == L"msctls_updown32" || name.find(L"spin") != std::wstring::npos ||
         name.find(L"updown") != std::wstring::npos;
}

void TSkinEdit::FindUpDown() {
  for (HWND child = GetTopWindow(FHandle); child; child = GetWindow(child, GW_HWNDNEXT)) {
    if (!IsSpinButtonClass(ClassNameOf(child))) continue;
    // Found by discovery first: one skinner per window.
    if (SendMessageW(child, WM_SKIN_QUERY, 0, 0) == 1) return;
    auto* upDown = new TSkinUpDown(Owner());
    upDown->AttachWindow(child, FSkinData, FForm, FCanvas);
    upDown->SetInEdit(true);
    FUpDown = upDown;
    FUpDownWindow = child;
    return;
  }
}

void TSkinEdit::PaintControl(HDC DC, const RECT& Rect) {
  if (FUpDown && !IsWindow(FUpDownWindow)) FUpDown = nullptr;
  if (FSkinData->Has(xcSpin) && !FUpDown) FindUpDown();
  if (Borderless(FHandle, Rect, 0)) return;
  FrameColor(DC, Rect, FSkinData->SkinColours[scButtonShadow]);
  RECT ring = Rect;
  for (int i = 0; i < 2; ++i) {
    InflateRect(&ring, -1, -1);
    FrameColor(DC, ring, kRing);
  }
}

void TSkinEdit::PrintBorder(HDC DC) {
  RECT r;
  if (!GetWindowRect(FHandle, &r)) return;
  FWindowRect = r;
  const RECT whole{0, 0, r.right - r.left, r.bottom - r.top};
  std::unique_ptr<TWholeWindowDC> own;
  if (!DC) {
    own = std::make_unique<TWholeWindowDC>(FHandle);
    DC = own->Get();
  }
  if (!DC || Borderless(FHandle, whole, 2)) return;
  // The inner line in the DC's own brush, the outer in the skin's shadow.
  RECT inner = whole;
  InflateRect(&inner, -1, -1);
  FrameRect(DC, &inner, HBRUSH(GetCurrentObject(DC, OBJ_BRUSH)));
  FrameColor(DC, whole, FSkinData->SkinColours[scButtonShadow]);
}
