// Progress bars painted wholly from the skin's "Progress" element: the
// trough from its first frame and the filled part from its second, or, in
// its chunk style, the single trough frame with "Progress.Chunk" over it.
// Vertical bars are composed lying down and turned, so they fill upwards.
#pragma once
#include "skin/controls/SkinControl.h"

// The styles of the "Progress" element.
enum TProgressStyle { psStretched = 0, psChunks = 1 };
constexpr int kProgressFrames = 2;

// Pixels of length that part of whole fills, rounded as MulDiv rounds; -1
// for an empty or inverted whole, as MulDiv answers a division by zero.
int ProgressLength(int length, long long part, long long whole);

class TSkinProgress : public TSkinControl {
public:
  DECLARE_CLASS_INFO
  using TSkinControl::TSkinControl;
  bool BeforeMessage(TMessage& Message) override;
  void PaintControl(HDC DC, const RECT& Rect) override;
  // The native bar paints itself again once the skinner is off.
  void Detach() override;
  // The chunk style: the trough, then copies or a stretch of the chunk.
  void PaintChunks(HDC DC, const RECT& Rect);

private:
  bool Vertical() const;
  // The buffer lying down for a vertical bar, filled with the face colour.
  std::unique_ptr<TBitmap> MakeBuffer(const RECT& Rect) const;
  // Turns a vertical bar's buffer upright and copies it over Rect.
  void PutBuffer(HDC DC, const RECT& Rect, TBitmap& Buffer) const;
  int Position() const;
  int Limit(bool low) const;
};
