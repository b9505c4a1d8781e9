#include "skin/draw/GradientFill.h"

TGradientCache& GradientCache() {
  static TGradientCache cache;
  return cache;
}

void InitGradientCache() { ++GradientCache().Users; }

void DoneGradientCache() {
  TGradientCache& cache = GradientCache();
  if (cache.Users == 0 || --cache.Users > 0) return;
  for (std::vector<TColor>& slot : cache.Slots) std::vector<TColor>().swap(slot);
  cache.WritePosition = 0;
}

int FindGradient(int count, TColor start, TColor end) {
  if (count <= 0) throw EAssertionFailed("imgutil", 304);
  const TGradientCache& cache = GradientCache();
  for (int slot = TGradientCache::SlotCount - 1; slot >= 0; --slot) {
    const std::vector<TColor>& g = cache.Slots[size_t(slot)];
    if (int(g.size()) == count && g.front() == start && g.back() == end) return slot;
  }
  return -1;
}

int MakeGradient(int count, TColor start, TColor end) {
  if (count <= 0) throw EAssertionFailed("imgutil", 323);
  TGradientCache& cache = GradientCache();
  const int slot = cache.WritePosition;
  cache.WritePosition = slot == TGradientCache::SlotCount - 1 ? 0 : slot + 1;
  std::vector<TColor>& g = cache.Slots[size_t(slot)];
  g.resize(size_t(count));
  const int dR = (end & 0xFF) - (start & 0xFF);
  const int dG = ((end >> 8) & 0xFF) - ((start >> 8) & 0xFF);
  const int dB = ((end >> 16) & 0xFF) - ((start >> 16) & 0xFF);
  const TColor base = start & 0x00FFFFFF;
  if (count == 1) {
    g[0] = base + dR / 2 + (dG / 2) * 256 + (dB / 2) * 65536;
    return slot;
  }
  const int m = count - 1, h = m / 2;
  for (int i = 0; i <= m; ++i)
    g[size_t(i)] = base + (h + i * dR) / m + ((h + i * dG) / m) * 256 + ((h + i * dB) / m) * 65536;
  return slot;
}

int GetGradient(int count, TColor start, TColor end) {
  int slot = FindGradient(count, start, end);
  return slot >= 0 ? slot : MakeGradient(count, start, end);
}

void FillGradient(HDC dc, const RECT& rect, TColor startColour, bool vertical, TColor endColour) {
  if (!RectVisible(dc, &rect)) return;
  const TColor start = TColor(ColorToRGB(startColour)), end = TColor(ColorToRGB(endColour));
  RECT clip{};
  GetClipBox(dc, &clip);
  // Work along the gradient's axis: y when vertical, x otherwise.
  const LONG lo = vertical ? rect.top : rect.left, hi = vertical ? rect.bottom : rect.right;
  const LONG clipLo = vertical ? clip.top : clip.left, clipHi = vertical ? clip.bottom : clip.right;
  const int n = hi - lo;
  if (n <= 0) return;
  const int first = lo < clipLo ? clipLo - lo : 0;
  const int last = clipHi < hi ? clipHi - lo - 1 : n - 1;
  RECT line = vertical ? RECT{rect.left, lo + first, rect.right, lo + first + 1}
                       : RECT{lo + first, rect.top, lo + first + 1, rect.bottom};
  const std::vector<TColor>& colours = GradientCache().Slots[size_t(GetGradient(n, start, end))];
  for (int i = first; i <= last; ++i) {
    TBrushHandle brush(CreateSolidBrush(COLORREF(colours[size_t(i)])));
    ::FillRect(dc, &line, brush.Get());
    OffsetRect(&line, vertical ? 0 : 1, vertical ? 1 : 0);
  }
}
