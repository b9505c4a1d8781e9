#include "skin/controls/SkinTrackBar.h"
#include "host/Handles.h"
#include "skin/data/WinSkinData.h"
#include "skin/draw/SkinPaint.h"
#include "skin/manager/SkinMessages.h"

DEFINE_CLASS_INFO(TSkinTrackBar, TSkinControl, {})

namespace {

// One piece: along the channel from start over length, taken from the
// image's rows (vertical) or columns from srcStart over srcLength; across
// it at offset across with the image's own thickness. Pieces of no length
// are left out (a negative one would mirror).
struct TPiece {
  int Start, Length, SrcStart, SrcLength;
};

void PutPiece(HDC dc, HDC source, const TPiece& p, int across, int thickness, bool vertical) {
  if (p.Length <= 0 || p.SrcLength <= 0) return;
  if (vertical)
    StretchBlt(dc, across, p.Start, thickness, p.Length, source, 0, p.SrcStart, thickness, p.SrcLength, SRCCOPY);
  else
    StretchBlt(dc, p.Start, across, p.Length, thickness, source, p.SrcStart, 0, p.SrcLength, thickness, SRCCOPY);
}
}  // namespace

void DrawTrackChannel(HDC DC, const RECT& Channel, TBitmap& Image, const RECT& Margins, bool Vertical) {
  if (Image.Empty()) return;
  // Along the channel and across it, in the image's terms.
  const int start = Vertical ? Channel.top : Channel.left, end = Vertical ? Channel.bottom : Channel.right;
  const int side = Vertical ? Channel.left : Channel.top;
  const int width = Vertical ? Channel.right - Channel.left : Channel.bottom - Channel.top;
  const int length = Vertical ? Image.Height() : Image.Width();
  const int thickness = Vertical ? Image.Width() : Image.Height();
  const int head = Vertical ? Margins.top : Margins.left, tail = Vertical ? Margins.bottom : Margins.right;
  const int across = side + (thickness < width ? (width - thickness) / 2 : 0);
  TColourStretch mode(DC);
  const HDC source = Image.Canvas().Handle();
  for (const TPiece& p : {TPiece{start, head, 0, head},
                          TPiece{start + head, end - start - head - tail, head, length - head - tail},
                          TPiece{end - tail, tail, length - tail, tail}})
    PutPiece(DC, source, p, across, thickness, Vertical);
}

RECT UprightChannel(const RECT& Reported) {
  if (Reported.right - Reported.left <= Reported.bottom - Reported.top) return Reported;
  return {Reported.top, Reported.left, Reported.bottom, Reported.right};
}

bool TSkinTrackBar::Vertical() const { return GetLong(FHandle, GWL_STYLE) & TBS_VERT; }

bool TSkinTrackBar::AnswerCustomDraw(TMessage& Message) {
  // SKIN_MAGIC is no address: a stray message of ours must not be read as one.
  if (!Message.LParam || Message.LParam == SKIN_MAGIC) return false;
  const auto* header = reinterpret_cast<const NMHDR*>(Message.LParam);
  if (header->hwndFrom != FHandle || header->code != UINT(NM_CUSTOMDRAW)) return false;
  Message.Result = CustomDraw(*reinterpret_cast<const NMCUSTOMDRAW*>(Message.LParam));
  return true;
}

bool TSkinTrackBar::BeforeMessage(TMessage& Message) {
  if (Message.Msg == WM_NOTIFY || Message.Msg == CN_NOTIFY) return !AnswerCustomDraw(Message);
  return TSkinControl::BeforeMessage(Message);
}

bool TSkinTrackBar::ParentMessage(TMessage& Message) {
  return Message.Msg == WM_NOTIFY && AnswerCustomDraw(Message);
}

LRESULT TSkinTrackBar::CustomDraw(const NMCUSTOMDRAW& Draw) {
  switch (Draw.dwDrawStage) {
    case CDDS_PREPAINT:
      return CDRF_NOTIFYITEMDRAW;
    case CDDS_ITEMPREPAINT:
      switch (Draw.dwItemSpec) {
        case TBCD_THUMB:
          DrawThumb(Draw);
          return CDRF_SKIPDEFAULT;
        case TBCD_CHANNEL:
          DrawChannel(Draw);
          return CDRF_SKIPDEFAULT;
        default:  // the tick marks stay the control's own
          return CDRF_DODEFAULT;
      }
    default:
      return CDRF_DODEFAULT;
  }
}

void TSkinTrackBar::DrawChannel(const NMCUSTOMDRAW& Draw) {
  if (!FSkinData) return;
  RECT ch{};
  SendMessageW(FHandle, TBM_GETCHANNELRECT, 0, LPARAM(&ch));
  TDataSkinObject* vert = FSkinData->TrackVert.get();
  TDataSkinObject* horz = FSkinData->Track.get();
  if (Vertical() && HasImage(vert)) {
    DrawTrackChannel(Draw.hdc, UprightChannel(ch), *vert->Image, SkinMargins(*vert), true);
  } else if (HasImage(horz)) {
    DrawTrackChannel(Draw.hdc, ch, *horz->Image, SkinMargins(*horz), false);
  }
}

void TSkinTrackBar::DrawThumb(const NMCUSTOMDRAW& Draw) {
  if (!IsWindow(FHandle) || !FSkinData) return;
  RECT t{};
  SendMessageW(FHandle, TBM_GETTHUMBRECT, 0, LPARAM(&t));
  TDataSkinObject* thumb = nullptr;
  if (Vertical() && HasImage(FSkinData->TrackThumbVert.get()))
    thumb = FSkinData->TrackThumbVert.get();
  else if (HasImage(FSkinData->TrackThumbHorz.get()))
    thumb = FSkinData->TrackThumbHorz.get();
  if (thumb) {
    DrawStripFrame(Draw.hdc, t, kThumbFrames, kThumbFrame, *thumb->Image);
    return;
  }
  // No thumb image: a plain box in the shadow colour, filled as a new
  // canvas fills.
  TCanvas canvas(Draw.hdc);
  TPenHandle pen(CreatePen(PS_SOLID, 1, ColorToRGB(FSkinData->SkinColours[scButtonShadow])));
  TBrushHandle brush(CreateSolidBrush(ColorToRGB(canvas.BrushColor)));
  TSelectObject penIn(Draw.hdc, pen.Get()), brushIn(Draw.hdc, brush.Get());
  Rectangle(Draw.hdc, t.left, t.top, t.right, t.bottom);
}

void TSkinTrackBar::SkinChanged() {
  // The focus going and coming back makes the native control redraw.
  const HWND had = GetFocus();
  SetFocus(FHandle);
  if (had && had != FHandle) SetFocus(had);
  Refresh();
}

void TSkinTrackBar::Detach() {
  if (FActive) RestoreProperties();
  DetachAndRepaint();
}
