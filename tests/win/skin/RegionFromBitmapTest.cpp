// Window regions from bitmaps: one rectangle per run of non-key pixels,
// tolerances that widen the key upwards only, and batches of 2,000
// rectangles that add up to the region built in one go.
#include "skin/draw/RegionFromBitmap.h"
#include "tests/win/skin/PixelFixtures.h"
#include <gtest/gtest.h>
#include <vector>

namespace {

constexpr TColor kKey = 0xFF00FF;
const TColor kOpaque = CoordColour(9, 9);

std::vector<RECT> RectsOf(HRGN region) {
  std::vector<uint8_t> data(GetRegionData(region, 0, nullptr));
  if (data.empty()) return {};
  auto* rgn = reinterpret_cast<RGNDATA*>(data.data());
  GetRegionData(region, DWORD(data.size()), rgn);
  const RECT* r = reinterpret_cast<const RECT*>(rgn->Buffer);
  return std::vector<RECT>(r, r + rgn->rdh.nCount);
}

bool SameRects(const std::vector<RECT>& a, const std::vector<RECT>& b) {
  if (a.size() != b.size()) return false;
  for (size_t i = 0; i < a.size(); ++i)
    if (!EqualRect(&a[i], &b[i])) return false;
  return true;
}

// The region of the given rectangles from a single ExtCreateRegion call.
TRegionHandle OneBatch(const std::vector<RECT>& rects) {
  std::vector<uint8_t> buffer(sizeof(RGNDATAHEADER) + rects.size() * sizeof(RECT));
  auto* data = reinterpret_cast<RGNDATA*>(buffer.data());
  data->rdh = {sizeof(RGNDATAHEADER), RDH_RECTANGLES, DWORD(rects.size()), 0, {0, 0, 0, 0}};
  for (const RECT& r : rects) UnionRect(&data->rdh.rcBound, &data->rdh.rcBound, &r);
  std::copy(rects.begin(), rects.end(), reinterpret_cast<RECT*>(data->Buffer));
  return TRegionHandle(ExtCreateRegion(nullptr, DWORD(buffer.size()), data));
}

TEST(RegionFromBitmap, RunsOfASmallBitmapBecomeRectangles) {
  auto bitmap = MakeBitmap(3, 1, [](int x, int) { return x == 1 ? kKey : kOpaque; });
  TRegionHandle region = RegionFromBitmap(*bitmap, 0, 0, kKey, 0, 0, 0);
  EXPECT_TRUE(SameRects(RectsOf(region.Get()), {{0, 0, 1, 1}, {2, 0, 3, 1}}));
  TRegionHandle moved = RegionFromBitmap(*bitmap, 5, 7, kKey, 0, 0, 0);
  EXPECT_TRUE(SameRects(RectsOf(moved.Get()), {{5, 7, 6, 8}, {7, 7, 8, 8}}));
}

TEST(RegionFromBitmap, RowsKeepTheirOwnRuns) {
  // Row 0: opaque opaque key opaque; row 1: key key key key; row 2: key opaque opaque key.
  const char* rows[] = {"##.#", "....", ".##."};
  auto bitmap = MakeBitmap(4, 3, [&](int x, int y) { return rows[y][x] == '#' ? kOpaque : kKey; });
  TRegionHandle region = RegionFromBitmap(*bitmap, 0, 0, kKey, 0, 0, 0);
  TRegionHandle expected = OneBatch({{0, 0, 2, 1}, {3, 0, 4, 1}, {1, 2, 3, 3}});
  EXPECT_TRUE(EqualRgn(region.Get(), expected.Get()));
}

struct ToleranceCase {
  int R, G, B;
  bool Cut;
};

class RegionTolerance : public testing::TestWithParam<ToleranceCase> {};

TEST_P(RegionTolerance, WidensTheKeyUpwardsOnly) {
  const ToleranceCase& c = GetParam();
  auto bitmap = MakeBitmap(1, 1, [&](int, int) { return TColor(RGB(c.R, c.G, c.B)); });
  TRegionHandle region = RegionFromBitmap(*bitmap, 0, 0, kKey, 1, 1, 1);
  RECT box{};
  EXPECT_EQ(GetRgnBox(region.Get(), &box), c.Cut ? NULLREGION : SIMPLEREGION);
}

INSTANTIATE_TEST_SUITE_P(RegionFromBitmap, RegionTolerance, testing::Values(
    ToleranceCase{255, 0, 255, true},
    ToleranceCase{255, 1, 255, true},    // green within 0..1
    ToleranceCase{255, 2, 255, false},
    ToleranceCase{254, 0, 255, false},   // below the key: never cut
    ToleranceCase{255, 0, 254, false}));

TEST(RegionFromBitmap, ReadsEveryFormatAsThirtyTwoBits) {
  auto bitmap = MakeBitmap(3, 1, [](int x, int) { return x == 1 ? kKey : kOpaque; }, pf24bit);
  TRegionHandle region = RegionFromBitmap(*bitmap, 0, 0, kKey, 0, 0, 0);
  EXPECT_EQ(bitmap->PixelFormat(), pf32bit);  // the caller's bitmap is converted
  EXPECT_TRUE(SameRects(RectsOf(region.Get()), {{0, 0, 1, 1}, {2, 0, 3, 1}}));
}

TEST(RegionFromBitmap, NothingOpaqueGivesAnEmptyRegion) {
  for (int size : {0, 3}) {
    auto bitmap = MakeBitmap(size, size, [](int, int) { return kKey; });
    TRegionHandle region = RegionFromBitmap(*bitmap, 0, 0, kKey, 0, 0, 0);
    ASSERT_TRUE(region);
    RECT box{};
    EXPECT_EQ(GetRgnBox(region.Get(), &box), NULLREGION) << size;
  }
}

struct ManyRunsCase {
  const char* Name;
  int W, H;
  bool (*Opaque)(int x, int y);
  size_t MinRuns;
};

class RegionBatches : public testing::TestWithParam<ManyRunsCase> {};

TEST_P(RegionBatches, EqualTheRegionBuiltInOneBatch) {
  const ManyRunsCase& c = GetParam();
  auto bitmap = MakeBitmap(c.W, c.H, [&](int x, int y) { return c.Opaque(x, y) ? kOpaque : kKey; });
  std::vector<RECT> runs;
  for (int y = 0; y < c.H; ++y)
    for (int x = 0; x < c.W; ++x) {
      if (!c.Opaque(x, y)) continue;
      int end = x;
      while (end < c.W && c.Opaque(end, y)) ++end;
      runs.push_back({x + 3, y - 2, end + 3, y - 1});
      x = end;
    }
  ASSERT_GE(runs.size(), c.MinRuns);
  TRegionHandle region = RegionFromBitmap(*bitmap, 3, -2, kKey, 0, 0, 0);
  TRegionHandle expected = OneBatch(runs);
  EXPECT_TRUE(EqualRgn(region.Get(), expected.Get()));
}

INSTANTIATE_TEST_SUITE_P(RegionFromBitmap, RegionBatches, testing::Values(
    // 50 runs a row: 4,500 runs, so batches of 2,000, 2,000 and 500.
    ManyRunsCase{"checker", 100, 90, [](int x, int y) { return (x + y) % 2 == 0; }, 4500},
    // Runs of varying length, some meeting across batch ends.
    ManyRunsCase{"stripes", 120, 100, [](int x, int y) { return (x * 7 + y * 3) % 5 != 0; }, 2001},
    ManyRunsCase{"exactly 2000", 80, 50, [](int x, int) { return x % 2 == 0; }, 2000}),
    [](const testing::TestParamInfo<ManyRunsCase>& i) { return "Case" + std::to_string(i.index); });

}  // namespace
