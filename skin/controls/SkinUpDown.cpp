#include "skin/controls/SkinUpDown.h"
#include "host/Handles.h"
#include "skin/data/WinSkinData.h"
#include "skin/draw/SkinPaint.h"

DEFINE_CLASS_INFO(TSkinUpDown, TSkinControl, {})

namespace {
constexpr int kEditClearance = 3;
constexpr int kStatesPerArrow = 4;

bool IsHorizontal(TArrowKind a) { return a == akLeft || a == akRight; }

void Line(HDC dc, int x1, int y1, int x2, int y2) {
  MoveToEx(dc, x1, y1, nullptr);
  LineTo(dc, x2, y2);
}

// Through the points in turn; every line leaves out its end point.
void Outline(HDC dc, std::initializer_list<POINT> points) {
  const POINT* p = points.begin();
  MoveToEx(dc, p->x, p->y, nullptr);
  for (++p; p != points.end(); ++p) LineTo(dc, p->x, p->y);
}
}  // namespace

int UpDownFrame(TArrowKind Arrow, TArrowState State) {
  return State + kStatesPerArrow * Arrow - (IsHorizontal(Arrow) ? 2 * kStatesPerArrow : 0);
}

TArrowState UpDownButtonState(bool Enabled, bool Pressed, bool Hot, int CursorAlong, int Half, bool First) {
  if (!Enabled) return asDisabled;
  const bool onThisSide = First ? CursorAlong < Half : CursorAlong >= Half;
  if (!onThisSide) return asNormal;
  return Pressed ? asPressed : Hot ? asHot : asNormal;
}

void DrawArrowGlyph(TCanvas& Canvas, int X, int Y, TArrowKind Arrow) {
  const HDC dc = Canvas.Handle();
  switch (Arrow) {
    case akUp:
      Line(dc, X, Y, X + 1, Y);  // the apex
      Line(dc, X + 1, Y + 1, X + 4, Y + 4);
      Line(dc, X, Y + 1, X + 3, Y + 4);
      Line(dc, X, Y + 2, X + 2, Y + 4);
      Line(dc, X - 1, Y + 1, X - 4, Y + 4);
      Line(dc, X, Y + 2, X - 3, Y + 4);
      Line(dc, X, Y + 1, X - 2, Y + 4);
      break;
    case akDown:
      Line(dc, X, Y + 3, X + 1, Y + 3);  // the apex
      Line(dc, X + 1, Y + 2, X + 4, Y - 1);
      Line(dc, X, Y + 2, X + 3, Y - 1);
      Line(dc, X, Y + 1, X + 2, Y);
      Line(dc, X - 1, Y + 2, X - 4, Y - 1);
      Line(dc, X, Y + 2, X - 3, Y - 1);
      Line(dc, X, Y + 1, X - 2, Y);
      break;
    case akLeft:
      Outline(dc, {{X, Y}, {X + 1, Y + 2}, {X + 1, Y - 2}, {X - 1, Y}, {X + 1, Y + 2}});
      break;
    case akRight:
      Outline(dc, {{X, Y}, {X - 1, Y + 2}, {X - 1, Y - 2}, {X + 1, Y}, {X - 1, Y + 2}});
      break;
  }
}

bool TSkinUpDown::BeforeMessage(TMessage& Message) {
  switch (Message.Msg) {
    case WM_PAINT:
      HandlePaint(*this, Message);
      return false;
    case WM_ERASEBKGND:
      EraseWhite(HDC(Message.WParam));
      Message.Result = 1;
      return false;
    case WM_LBUTTONDOWN:
    case WM_LBUTTONDBLCLK:
      if (!CallDefaultSurvived(Message)) return false;
      SetMouseBit(msPressed, true);
      PaintWindow(nullptr);
      return false;
    case WM_LBUTTONUP:
      SetMouseBit(msPressed, false);
      if (CallDefaultSurvived(Message)) PaintWindow(nullptr);
      return false;
    default:
      return TSkinControl::BeforeMessage(Message);
  }
}

void TSkinUpDown::Detach() { DetachAndRepaint(); }

void TSkinUpDown::EraseWhite(HDC DC) {
  if (FControl || !DC) return;
  RECT client;
  GetClientRect(FHandle, &client);
  FillColor(DC, client, clWhite);
}

bool TSkinUpDown::Horizontal() const { return FHorizontalMode == 1 || (GetLong(FHandle, GWL_STYLE) & UDS_HORZ); }

RECT TSkinUpDown::KeepFromEditEdges(const RECT& Rect) const {
  RECT r = Rect, own, edit;
  if (!GetWindowRect(FHandle, &own) || !GetWindowRect(GetParent(FHandle), &edit)) return r;
  if (own.top - edit.top < kEditClearance) r.top += kEditClearance - (own.top - edit.top);
  if (edit.bottom - own.bottom < kEditClearance) r.bottom -= kEditClearance - (edit.bottom - own.bottom);
  if (edit.right - own.right < kEditClearance) r.right -= kEditClearance - (edit.right - own.right);
  return r;
}

void TSkinUpDown::PaintControl(HDC DC, const RECT& Rect) {
  if (!FSkinData) return;
  RECT r = Rect;
  if (FInEdit) {
    RECT client;
    GetClientRect(FHandle, &client);
    FillColor(DC, client, clWhite);
    r = KeepFromEditEdges(Rect);
  }
  const int w = r.right - r.left, h = r.bottom - r.top;
  if (w <= 0 || h <= 0) return;
  TBitmap buffer(w, h, pf24bit);
  if (buffer.Empty()) return;
  const HDC to = buffer.Canvas().Handle();
  FillFace(to, {0, 0, w, h});
  POINT cursor{};
  GetCursorPos(&cursor);
  ScreenToClient(FHandle, &cursor);
  FEnabled = !(GetLong(FHandle, GWL_STYLE) & WS_DISABLED);

  const bool horizontal = Horizontal();
  const int half = horizontal ? w / 2 : h / 2;
  const int along = horizontal ? cursor.x : cursor.y;
  const RECT first = horizontal ? RECT{0, 0, half, h} : RECT{0, 0, w, half};
  const RECT second = horizontal ? RECT{half, 0, w, h} : RECT{0, half, w, h};
  const TArrowKind firstArrow = horizontal ? akLeft : akUp, secondArrow = horizontal ? akRight : akDown;
  const bool skinned = HasImage(horizontal ? FSkinData->UpDownHorz.get() : FSkinData->UpDownVert.get());
  struct TButtonPart {
    RECT Rect;
    TArrowKind Arrow;
    bool First;
  };
  for (const TButtonPart& b : {TButtonPart{first, firstArrow, true}, TButtonPart{second, secondArrow, false}}) {
    const TArrowState state = UpDownButtonState(FEnabled, Pressed(), Hot(), along, half, b.First);
    if (skinned)
      DrawSkinArrow(to, b.Rect, b.Arrow, state);
    else
      DrawPlainArrow(buffer.Canvas(), b.Rect, b.Arrow, state);
  }
  BitBlt(DC, r.left, r.top, w, h, to, 0, 0, SRCCOPY);
}

void TSkinUpDown::DrawSkinArrow(HDC DC, const RECT& Rect, TArrowKind Arrow, TArrowState State) {
  TDataSkinBorder* element = IsHorizontal(Arrow) ? FSkinData->UpDownHorz.get() : FSkinData->UpDownVert.get();
  if (!HasImage(element)) return;
  const int frame = UpDownFrame(Arrow, State);
  DrawFrameStretched(DC, Rect, *element->Image, true, element->FrameCount, frame);
  if (element->SecondImage && !element->SecondImage->Empty())
    DrawFrameCentred(DC, Rect, *element->SecondImage, true, element->FrameCount, frame);
}

void TSkinUpDown::DrawPlainArrow(TCanvas& Canvas, const RECT& Rect, TArrowKind Arrow, TArrowState State) {
  const HDC dc = Canvas.Handle();
  const bool raised = State == asNormal || State == asDisabled;
  TBrushHandle brush(CreateSolidBrush(ColorToRGB(FSkinData->SkinColours[raised ? scButtonFace : scButtonShadow])));
  TPenHandle pen(CreatePen(PS_SOLID, 1, ColorToRGB(FSkinData->SkinColours[scButtonDkShadow])));
  TSelectObject brushIn(dc, brush.Get()), penIn(dc, pen.Get());
  Rectangle(dc, Rect.left, Rect.top, Rect.right, Rect.bottom);
  const int x = Rect.left + (Rect.right - Rect.left) / 2;
  const int y = Rect.top + (Rect.bottom - Rect.top) / 2 - (IsHorizontal(Arrow) ? 0 : 2);
  DrawArrowGlyph(Canvas, x, y, Arrow);
}
