#include "skin/draw/RegionFromBitmap.h"
#include <algorithm>
#include <climits>
#include <cstring>
#include <vector>

namespace {

constexpr DWORD kGrowBy = 500;     // rectangles
constexpr DWORD kBatchSize = 2000;  // rectangles per ExtCreateRegion

// An RGNDATA header followed by room for Capacity rectangles.
class TRegionBatch {
public:
  TRegionBatch() { Grow(); Clear(); }

  void Add(const RECT& r) {
    if (Header().nCount == Capacity) Grow();
    RGNDATAHEADER& h = Header();
    std::memcpy(FBuffer.data() + sizeof(RGNDATAHEADER) + h.nCount * sizeof(RECT), &r, sizeof r);
    h.rcBound.left = std::min(h.rcBound.left, r.left);
    h.rcBound.top = std::min(h.rcBound.top, r.top);
    h.rcBound.right = std::max(h.rcBound.right, r.right);
    h.rcBound.bottom = std::max(h.rcBound.bottom, r.bottom);
    ++h.nCount;
  }

  bool Full() { return Header().nCount >= kBatchSize; }

  // ORs the batch into region (taking it over when region is still empty)
  // and starts the next batch.
  void FlushInto(TRegionHandle& region) {
    TRegionHandle batch(ExtCreateRegion(nullptr, DWORD(FBuffer.size()), reinterpret_cast<RGNDATA*>(FBuffer.data())));
    if (!region)
      region = std::move(batch);
    else if (batch)
      CombineRgn(region.Get(), region.Get(), batch.Get(), RGN_OR);
    Clear();
  }

private:
  RGNDATAHEADER& Header() { return *reinterpret_cast<RGNDATAHEADER*>(FBuffer.data()); }
  void Grow() {
    Capacity += kGrowBy;
    FBuffer.resize(sizeof(RGNDATAHEADER) + Capacity * sizeof(RECT));
  }
  void Clear() {
    RGNDATAHEADER& h = Header();
    h.dwSize = sizeof(RGNDATAHEADER);
    h.iType = RDH_RECTANGLES;
    h.nCount = 0;
    h.nRgnSize = 0;
    h.rcBound = {INT_MAX, INT_MAX, 0, 0};
  }

  DWORD Capacity = 0;
  std::vector<uint8_t> FBuffer;
};

struct TKeyRange {
  uint8_t Low[3], High[3];  // blue, green, red: the order of the pixel bytes
  bool Contains(const uint8_t* p) const {
    return p[0] >= Low[0] && p[0] <= High[0] && p[1] >= Low[1] && p[1] <= High[1] && p[2] >= Low[2] &&
           p[2] <= High[2];
  }
};

uint8_t Widen(int channel, int tolerance) { return uint8_t(std::clamp(channel + tolerance, channel, 255)); }

}  // namespace

TRegionHandle RegionFromBitmap(TBitmap& bitmap, int xOffset, int yOffset, TColor key, int redTolerance,
                               int greenTolerance, int blueTolerance) {
  const int red = key & 0xFF, green = (key >> 8) & 0xFF, blue = (key >> 16) & 0xFF;
  const TKeyRange keyRange{{uint8_t(blue), uint8_t(green), uint8_t(red)},
                           {Widen(blue, blueTolerance), Widen(green, greenTolerance), Widen(red, redTolerance)}};
  bitmap.SetPixelFormat(pf32bit);
  TRegionBatch batch;
  TRegionHandle region;
  for (int y = 0; y < bitmap.Height(); ++y) {
    const uint8_t* row = static_cast<const uint8_t*>(bitmap.ScanLine(y));
    for (int x = 0; x < bitmap.Width();) {
      if (keyRange.Contains(row + 4 * x)) { ++x; continue; }
      const int x0 = x;
      while (x < bitmap.Width() && !keyRange.Contains(row + 4 * x)) ++x;
      batch.Add({x0 + xOffset, y + yOffset, x + xOffset, y + yOffset + 1});
      if (batch.Full()) batch.FlushInto(region);
    }
  }
  batch.FlushInto(region);
  return region;
}
