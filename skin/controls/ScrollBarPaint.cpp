#include "skin/controls/ScrollBarPaint.h"
#include "host/Bitmap.h"
#include "skin/controls/SkinControl.h"
#include "skin/data/WinSkinData.h"
#include "skin/draw/SkinPaint.h"
#include <algorithm>

int ScrollPartAt(int p, int arrowSize, int thumbStart, int thumbEnd, int barLength) {
  if (p < arrowSize) return spFirstArrow;
  if (p < thumbStart) return spTrackBefore;
  if (p < thumbEnd) return spThumb;
  if (p < barLength - arrowSize) return spTrackAfter;
  return spSecondArrow;
}

int ScrollBarThickness(int glyphHeight, int arrowSize) {
  return std::abs(glyphHeight - arrowSize) > 2 ? arrowSize : glyphHeight;
}

POINT ControlThumbExtent(const SCROLLINFO& info, int barLength, int arrowSize) {
  // An empty range stands for a very large one: the thumb stays at the start.
  const int range = info.nMax == info.nMin ? 9999999 : info.nMax - info.nMin;
  const int a = arrowSize, l = barLength;
  const bool atStart = info.nPos == info.nMin;
  int thumb, start;
  if (info.nPage != 0) {
    thumb = MulDiv(l - 2 * a, int(info.nPage) - 1, range);
    if (thumb > kMinControlThumb - 1) {
      start = atStart ? a : MulDiv(l - 2 * a, info.nPos - info.nMin, range) + a;
    } else {
      thumb = kMinControlThumb;
      start = atStart ? a : MulDiv(l - 2 * a - kMinControlThumb, info.nPos - info.nMin, range) + a;
    }
  } else {
    thumb = a;
    start = atStart ? a : MulDiv(l - 3 * a, info.nPos - info.nMin, range) + a;
  }
  return {start, start + thumb};
}

int DraggedThumbStart(int dragStart, int moved, int thumbLength, int arrowSize, int barLength) {
  const int start = dragStart + moved;
  return std::max(arrowSize, std::min(start, barLength - arrowSize - thumbLength));
}

namespace {
int Along(const SIZE& s, bool vertical) { return vertical ? s.cy : s.cx; }

// A rectangle from near to far along the axis and 0 to thickness across.
RECT Span(bool vertical, int nearEdge, int farEdge, int thickness) {
  return vertical ? RECT{0, nearEdge, thickness, farEdge} : RECT{nearEdge, 0, farEdge, thickness};
}

int ArrowFrame(int base, int part, const TScrollBarLook& look) {
  if (look.HotPart != part) return base;
  return base + (look.Pressed ? kArrowPressedStep : kArrowHotStep);
}

void PaintThumb(HDC dc, const TSkinData& skin, const TScrollBarLook& look, int thickness, const SIZE& surface) {
  const TDataSkinObject* element = (look.Vertical ? skin.VertScrollThumb : skin.HorzScrollThumb).get();
  const int along = Along(surface, look.Vertical);
  if (look.ThumbStart >= along || look.ThumbEnd >= along) return;
  if (!HasImage(element) || element->FrameCount < 1) return;
  int frame = kThumbNormalFrame;
  if (look.HotPart == spThumb) frame = look.Pressed ? kThumbPressedFrame : kThumbHotFrame;
  // A skin with fewer frames shows its last one.
  frame = std::min(frame, element->FrameCount);
  DrawSkinElement(dc, Span(look.Vertical, look.ThumbStart, look.ThumbEnd, thickness), *element->Image,
                  SkinMargins(*element), false, false, element->Trans == 1, element->FrameCount, frame);
}

void PaintGrip(HDC dc, TBitmap& glyphs, const TScrollBarLook& look, int thickness, const SIZE& surface) {
  const int grip = glyphs.Height();
  const int length = look.ThumbEnd - look.ThumbStart;
  if (grip >= length + 2) return;
  const int nearEdge = look.ThumbStart + (length - grip) / 2, farEdge = nearEdge + grip;
  const int along = Along(surface, look.Vertical);
  if (nearEdge >= along || farEdge >= along) return;
  int frame = look.Vertical ? sgVertGrip : sgHorzGrip;
  if (look.HotPart == spThumb) frame += look.Pressed ? kGripPressedStep : kGripHotStep;
  DrawStripFrame(dc, Span(look.Vertical, nearEdge, farEdge, thickness), kScrollGlyphFrames, frame, glyphs);
}
}  // namespace

bool PaintScrollBar(const TSkinData& skin, const SCROLLBARINFO& info, const TScrollBarLook& look,
                    const TScrollSurface& surface) {
  if (!HasImage(skin.Scrollbar.get())) return false;
  if (info.rgstate[0] & STATE_SYSTEM_INVISIBLE) return false;
  const bool enabled = !(info.rgstate[0] & STATE_SYSTEM_UNAVAILABLE);
  SIZE size{info.rcScrollBar.right - info.rcScrollBar.left, info.rcScrollBar.bottom - info.rcScrollBar.top};
  if (size.cx < 0 || size.cy < 0 || size.cx > surface.Size.cx || size.cy > surface.Size.cy) return false;
  TBitmap& glyphs = *skin.Scrollbar->Image;
  const bool vertical = look.Vertical;
  const int barLength = surface.BarLength > 0 ? surface.BarLength : Along(size, vertical);
  const int thickness = ScrollBarThickness(glyphs.Height(), look.ArrowSize);
  if (surface.ThicknessFromSkin) (vertical ? size.cx : size.cy) = thickness;
  TBitmap own;
  TBitmap& buffer = surface.Buffer ? *surface.Buffer : own;
  if (buffer.Width() != size.cx || buffer.Height() != size.cy) buffer.SetSize(size.cx, size.cy);
  if (buffer.Empty()) return false;
  HDC dc = buffer.Canvas().Handle();
  SetStretchBltMode(dc, COLORONCOLOR);
  FillColor(dc, {0, 0, size.cx, size.cy}, skin.SkinColours[scButtonFace]);

  int arrow = look.ArrowSize;
  if (const TDataSkinObject* track = (vertical ? skin.VertScroll : skin.HorzScroll).get())
    DrawElement(dc, Span(vertical, arrow, Along(size, vertical) - arrow, thickness), kScrollTrackFrames,
                enabled ? kTrackEnabledFrame : kTrackDisabledFrame, *track);
  if (barLength < 2 * arrow) arrow = barLength / 2;
  DrawStripFrame(dc, Span(vertical, 0, arrow, thickness), kScrollGlyphFrames,
                 ArrowFrame(vertical ? sgUpArrow : sgLeftArrow, spFirstArrow, look), glyphs);
  DrawStripFrame(dc, Span(vertical, barLength - arrow, barLength, thickness), kScrollGlyphFrames,
                 ArrowFrame(vertical ? sgDownArrow : sgRightArrow, spSecondArrow, look), glyphs);
  if (enabled) {
    PaintThumb(dc, skin, look, thickness, surface.Size);
    PaintGrip(dc, glyphs, look, thickness, surface.Size);
  }
  BitBlt(surface.DC, surface.Offset.x, surface.Offset.y, size.cx, size.cy, dc, 0, 0, SRCCOPY);
  return true;
}
