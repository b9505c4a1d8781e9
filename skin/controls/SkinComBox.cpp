#include "skin/controls/SkinComBox.h"
#include "host/Handles.h"
#include "skin/controls/ComboxScrollBar.h"
#include "skin/controls/SkinScrollbarH.h"
#include "skin/data/WinSkinData.h"
#include "skin/draw/FramePaint.h"
#include "skin/draw/NineSlice.h"
#include <windowsx.h>

DEFINE_CLASS_INFO(TSkinComBox, TSkinControl, {})

namespace {
bool IsSimple(LONG_PTR style) { return (style & 3) == CBS_SIMPLE; }

// A strip mirrored as a whole holds its frames in reverse order.
int MirroredFrame(int frameCount, int frame) { return std::max(1, frameCount) + 1 - frame; }


bool ComboInfo(HWND combo, COMBOBOXINFO& info) {
  info = {};
  info.cbSize = sizeof info;
  return GetComboBoxInfo(combo, &info);
}
}  // namespace

TComboFrame ComboStateFrame(bool Enabled, bool Pressed, bool HotOrFocused, bool Style1) {
  if (!Style1 && !Enabled) return cfDisabled;
  if (Pressed) return cfPressed;
  if (HotOrFocused) return cfHot;
  return Enabled ? cfNormal : cfDisabled;
}

TSkinComBox::~TSkinComBox() { FEditLink.Remove(); }

void TSkinComBox::ReadStyle() {
  ComboStyle = GetLong(FHandle, GWL_STYLE);
  ComboExStyle = GetLong(FHandle, GWL_EXSTYLE);
}

void TSkinComBox::AttachControl(TSkinnerHost* Form, TSkinData* SkinData, bool OwnsColor, TCanvas* Canvas) {
  if (FAttached) return;
  TSkinControl::AttachControl(Form, SkinData, OwnsColor, Canvas);
  if (!FHandle) return;
  ReadStyle();
  LinkEdit();
  SkinLists();
}

void TSkinComBox::SkinLists() {
  COMBOBOXINFO info;
  if (!ComboInfo(FHandle, info) || !info.hwndList) return;
  if (!IsSimple(ComboStyle)) {
    FDropScrollBar = new TComboxScrollBar(this);
    FDropScrollBar->AttachWindow(info.hwndList, FSkinData, FForm, FCanvas);
  } else if (!IsTopLevel(info.hwndList) && (GetWindowLongPtrW(info.hwndList, GWL_STYLE) & WS_CHILD)) {
    FListScrollBars = new TSkinScrollbarH(this);
    FListScrollBars->AttachWindow(info.hwndList, FSkinData, FForm, nullptr);
  }
}

void TSkinComBox::AttachWindow(HWND Handle, TSkinData* SkinData, TSkinnerHost* Form, TCanvas* Canvas) {
  if (FAttached) return;
  TSkinControl::AttachWindow(Handle, SkinData, Form, Canvas);
  ReadStyle();
  LinkEdit();
}

void TSkinComBox::LinkEdit() {
  FEditHandle = nullptr;
  FListHandle = nullptr;
  COMBOBOXINFO info;
  if (IsSimple(ComboStyle)) {
    if (ComboInfo(FHandle, info)) FListHandle = info.hwndList;
    return;
  }
  // The edit of a drop-down combo box is its first child; a drop-down list
  // has none.
  const HWND edit = GetTopWindow(FHandle);
  if (!edit) return;
  if (FEditLink.Install(edit, [this](UINT msg, WPARAM wparam, LPARAM lparam) {
        return EditWndProc(msg, wparam, lparam);
      }))
    FEditHandle = edit;
}

LRESULT TSkinComBox::EditWndProc(UINT Msg, WPARAM WParam, LPARAM LParam) {
  const std::shared_ptr<const bool> alive = AliveFlag();
  const LRESULT result = FEditLink.CallOld(Msg, WParam, LParam);
  if (!*alive || !FActive) return result;
  if (TrackPress(Msg)) return result;
  switch (Msg) {
    case WM_PAINT:
      PaintWindow(nullptr);
      break;
    case WM_NCDESTROY:
      FEditLink.Remove();
      FEditHandle = nullptr;
      break;
    default:
      break;
  }
  return result;
}

bool TSkinComBox::TrackPress(UINT Msg) {
  if (Msg != WM_LBUTTONDOWN && Msg != WM_LBUTTONDBLCLK && Msg != WM_LBUTTONUP) return false;
  SetMouseBit(msPressed, Msg != WM_LBUTTONUP);
  Refresh();
  return true;
}

void TSkinComBox::Detach() {
  if (!FActive) return;
  FEditLink.Remove();
  FEditHandle = nullptr;
  if (FDropScrollBar) std::exchange(FDropScrollBar, nullptr)->Release();
  if (FListScrollBars) std::exchange(FListScrollBars, nullptr)->Release();
  DetachAndRepaint();
}

void TSkinComBox::AfterMessage(TMessage& Message) {
  switch (Message.Msg) {
    case WM_SETFOCUS:
    case WM_KILLFOCUS:
    case CN_COMMAND:
      break;
    case WM_MOUSEMOVE: {
      const POINT p{GET_X_LPARAM(Message.LParam), GET_Y_LPARAM(Message.LParam)};
      const bool overButton = PtInRect(&FButtonRect, p) && !(ComboStyle & WS_DISABLED);
      if (overButton != Hot()) {
        SetMouseBit(msHot, overButton);
        Refresh();
      }
      break;
    }
    case WM_DRAWITEM:
    case WM_NCPAINT:
      Refresh();
      break;
    case WM_LBUTTONDOWN:
    case WM_LBUTTONDBLCLK:
    case WM_LBUTTONUP:
      TrackPress(Message.Msg);
      break;
    case CM_MOUSELEAVE:
      if (Hot()) {
        SetMouseBit(msHot, false);
        Refresh();
      }
      break;
    default:
      TSkinControl::AfterMessage(Message);
      break;
  }
}

TComboFrame TSkinComBox::CurrentFrame(bool Style1) {
  // The edit of a drop-down combo box holds the focus for the whole box.
  const HWND focus = GetFocus();
  FFocused = focus && (focus == FHandle || focus == FEditHandle);
  FEnabled = !(ComboStyle & WS_DISABLED);
  return ComboStateFrame(FEnabled, Pressed(), Hot() || FFocused, Style1);
}

void TSkinComBox::PaintControl(HDC DC, const RECT& Rect) {
  if (!HasImage(FSkinData->ComboButton.get())) return;
  ReadStyle();
  COMBOBOXINFO info;
  if (ComboInfo(FHandle, info)) {
    FButtonRect = info.rcButton;
    // A simple combo box has no button.
    if (info.stateButton & STATE_SYSTEM_INVISIBLE) return;
  }
  const int style = FSkinData->ComboButton->Style;
  if (style == 1) {
    PaintStyle1(DC, Rect);
    return;
  }
  const TComboFrame frame = CurrentFrame(false);
  if (ExMode)
    PaintPlain(DC, Rect, frame);
  else if (style == 2)
    PaintStyle2(DC, Rect, frame);
  else
    PaintDefault(DC, Rect, frame);
}

void TSkinComBox::PaintDefault(HDC DC, const RECT& R, TComboFrame Frame) {
  const TDataSkinBorder& button = *FSkinData->ComboButton;
  const int bw = GetSystemMetrics(SM_CXHSCROLL);
  const bool left = ButtonLeft();
  TSavedDC saved(DC);
  // The text area keeps the native paint.
  if (left)
    ExcludeClipRect(DC, R.left + bw + 4, R.top + 2, R.right - 2, R.bottom - 2);
  else
    ExcludeClipRect(DC, R.left + 2, R.top + 2, R.right - bw - 4, R.bottom - 2);
  if (FSkinData->SunkEdge) DrawElement(DC, R, FSkinData->SunkEdge->FrameCount, Frame, *FSkinData->SunkEdge);
  RECT b, glyph;
  TBitmap* image = button.Image.get();
  int imageFrame = Frame;
  if (left) {
    b = {R.left, R.top, R.left + bw + 2, R.bottom};
    glyph = {2, R.top, bw + 2, R.bottom};
    if (button.SecondImage && !button.SecondImage->Empty()) {
      image = button.SecondImage.get();
      imageFrame = MirroredFrame(button.FrameCount, Frame);
    }
  } else {
    b = {R.right - bw - 2, R.top, R.right, R.bottom};
    glyph = {R.right - bw - 2, R.top, R.right - 2, R.bottom};
  }
  DrawStripFrame(DC, b, button.FrameCount, imageFrame, *image);
  FButtonRect = b;
  PaintGlyph(DC, glyph, Frame);
}

void TSkinComBox::PaintGlyph(HDC DC, const RECT& Box, TComboFrame Frame) {
  if (!HasImage(FSkinData->ExtraImages.get())) return;
  const TDataSkinObject& extra = *FSkinData->ExtraImages;
  DrawFrameCentred(DC, Box, *extra.Image, true, std::max(1, extra.FrameCount), Frame);
}

void TSkinComBox::PaintStyle2(HDC DC, const RECT& R, TComboFrame Frame) {
  const TDataSkinObject* element = FSkinData->ComboButton.get();
  int frame = Frame;
  if (ButtonLeft()) {
    // Loading made "SunkEdge" the mirror of the whole composed strip.
    element = FSkinData->SunkEdge.get();
    if (element) frame = MirroredFrame(element->FrameCount, Frame);
  }
  if (!HasImage(element)) return;
  DrawSkinElement(DC, R, *element->Image, SkinMargins(*element), false, false, true, element->FrameCount, frame);
}

void TSkinComBox::PaintStyle1(HDC DC, const RECT& R) {
  const TDataSkinBorder& button = *FSkinData->ComboButton;
  const TComboFrame frame = CurrentFrame(true);
  const int frames = std::max(1, button.FrameCount);
  const int gw = button.Image->Width() / frames, gh = button.Image->Height();
  const int th = GetSystemMetrics(SM_CYVTHUMB);
  const bool left = ButtonLeft();
  const HBRUSH brush = HBRUSH(GetCurrentObject(DC, OBJ_BRUSH));
  RECT r1 = R;
  InflateRect(&r1, -1, -1);
  FrameRect(DC, &r1, brush);
  RECT r2 = r1;
  InflateRect(&r2, -1, -1);
  // The native button strip goes under the slimmer skinned one.
  RECT strip = left ? RECT{r2.left, r2.top, r2.left + th, r2.bottom} : RECT{r2.right - th, r2.top, r2.right, r2.bottom};
  FillRect(DC, &strip, brush);
  RECT b = left ? RECT{r2.left, r2.top, r2.left + gw, r2.bottom} : RECT{r2.right - gw, r2.top, r2.right, r2.bottom};
  if (gh < th) b.bottom = r2.top + gh;
  FrameColor(DC, R, FSkinData->SkinColours[scButtonShadow]);
  FButtonRect = b;
  DrawStripFrame(DC, b, frames, frame, *button.Image);
}

void TSkinComBox::PaintPlain(HDC DC, const RECT& R, TComboFrame Frame) {
  FrameBorderedWindow(FHandle, DC, R, FSkinData->SkinColours[scButtonShadow]);
  if (!FEditHandle || !HasImage(FSkinData->ComboxArrow.get())) return;
  RECT edit, combo;
  GetWindowRect(FEditHandle, &edit);
  GetWindowRect(FHandle, &combo);
  OffsetRect(&edit, -combo.left, -combo.top);
  FillColor(DC, edit, FSkinData->SkinColours[scButtonFace]);
  DrawStripFrame(DC, edit, FSkinData->ComboxArrow->FrameCount, Frame, *FSkinData->ComboxArrow->Image);
}
