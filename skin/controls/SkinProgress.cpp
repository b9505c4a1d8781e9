#include "skin/controls/SkinProgress.h"
#include "skin/data/WinSkinData.h"
#include "skin/draw/ImgUtil.h"
#include "skin/draw/SkinPaint.h"

DEFINE_CLASS_INFO(TSkinProgress, TSkinControl, {})

namespace {
int Width(const RECT& r) { return r.right - r.left; }
int Height(const RECT& r) { return r.bottom - r.top; }
}  // namespace

int ProgressLength(int length, long long part, long long whole) {
  if (whole <= 0) return -1;
  if (part <= 0) return 0;
  // Half a pixel and more counts as one, as with MulDiv.
  return int((2 * (long long)length * part + whole) / (2 * whole));
}

bool TSkinProgress::BeforeMessage(TMessage& Message) {
  switch (Message.Msg) {
    case WM_PAINT:
      if (!FSkinData || !HasImage(FSkinData->ProgressBar.get())) return true;  // the native bar
      HandlePaint(*this, Message);
      Message.Result = 0;
      return false;
    case WM_ERASEBKGND:
      Message.Result = 1;
      return false;
    default:
      return TSkinControl::BeforeMessage(Message);
  }
}

void TSkinProgress::Detach() { DetachAndRepaint(); }

bool TSkinProgress::Vertical() const { return GetLong(FHandle, GWL_STYLE) & PBS_VERTICAL; }

int TSkinProgress::Position() const { return int(SendMessageW(FHandle, PBM_GETPOS, 0, 0)); }

int TSkinProgress::Limit(bool low) const { return int(SendMessageW(FHandle, PBM_GETRANGE, low, 0)); }

std::unique_ptr<TBitmap> TSkinProgress::MakeBuffer(const RECT& Rect) const {
  const bool lying = Vertical();
  auto buffer = std::make_unique<TBitmap>(lying ? Height(Rect) : Width(Rect), lying ? Width(Rect) : Height(Rect),
                                          pf24bit);
  if (!buffer->Empty()) FillFace(buffer->Canvas().Handle(), {0, 0, buffer->Width(), buffer->Height()});
  return buffer;
}

void TSkinProgress::PutBuffer(HDC DC, const RECT& Rect, TBitmap& Buffer) const {
  if (Vertical()) RotateBitmapLeft(Buffer);
  BitBlt(DC, Rect.left, Rect.top, Buffer.Width(), Buffer.Height(), Buffer.Canvas().Handle(), 0, 0, SRCCOPY);
}

void TSkinProgress::PaintControl(HDC DC, const RECT& Rect) {
  TDataSkinBorder* bar = FSkinData ? FSkinData->ProgressBar.get() : nullptr;
  if (!HasImage(bar)) return;
  if (bar->Style == psChunks) {
    PaintChunks(DC, Rect);
    return;
  }
  std::unique_ptr<TBitmap> buffer = MakeBuffer(Rect);
  if (buffer->Empty()) return;
  const HDC to = buffer->Canvas().Handle();
  const RECT w{0, 0, buffer->Width(), buffer->Height()};
  const bool tile = bar->Tile == 1;
  DrawSkinElement(to, w, *bar->Image, SkinMargins(*bar), false, tile, true, kProgressFrames, 1);
  const int pos = Position(), high = Limit(false), low = Limit(true);
  if (high > 0 && pos > 0) {
    const int filled = ProgressLength(Width(w), (long long)pos - low, (long long)high - low);
    if (filled > 0)
      DrawSkinElement(to, {w.left, w.top, w.left + filled, w.bottom}, *bar->Image, SkinMargins(*bar), false, tile,
                      true, kProgressFrames, 2);
  }
  PutBuffer(DC, Rect, *buffer);
}

void TSkinProgress::PaintChunks(HDC DC, const RECT& Rect) {
  TDataSkinBorder* bar = FSkinData ? FSkinData->ProgressBar.get() : nullptr;
  TDataSkinObject* chunk = FSkinData ? FSkinData->ProgressChunk.get() : nullptr;
  if (!HasImage(bar) || !HasImage(chunk)) return;
  std::unique_ptr<TBitmap> buffer = MakeBuffer(Rect);
  if (buffer->Empty()) return;
  const HDC to = buffer->Canvas().Handle();
  const RECT w{0, 0, buffer->Width(), buffer->Height()};
  DrawSkinElement(to, w, *bar->Image, SkinMargins(*bar), false, false, true, 1, 1);
  const int pos = Position(), high = Limit(false);
  if (high > 0 && pos > 0) {
    const int filled = ProgressLength(Width(w), pos, high);
    TBitmap& image = *chunk->Image;
    if (chunk->Tile == 1) {
      // Copies side by side from the left; the last one is cut at the end.
      const int dy = (w.bottom - image.Height()) / 2;
      TBitmap strip(filled, image.Height());
      if (!strip.Empty()) {
        TileBitmap(strip.Canvas(), {0, 0, filled, image.Height()}, image, {0, 0, image.Width(), image.Height()});
        const int x = chunk->LeftWidth + 2;
        DrawTransparent(to, {x, w.top + dy, x + filled, w.top + dy + image.Height()}, strip, kSkinKeyColour);
      }
    } else {
      // One stretched chunk inside a two-pixel rim.
      const int right = w.left + filled;
      TBitmap stretched(right, Height(w) - 4);
      if (!stretched.Empty()) {
        stretched.Canvas().SetStretchMode(COLORONCOLOR);
        DrawThreeSliceStretched(stretched.Canvas().Handle(), {w.left, w.top, right, w.bottom}, image,
                                SkinMargins(*chunk), false, 1, 1);
        DrawTransparent(to, {2, 2, 2 + stretched.Width(), 2 + stretched.Height()}, stretched, kSkinKeyColour);
      }
    }
  }
  PutBuffer(DC, Rect, *buffer);
}
