// No GDI handle outlives a paint: every primitive runs thousands of times and
// the process's count of GDI objects comes back to where it started.
#include "skin/draw/ImgUtil.h"
#include "skin/draw/SkinPaint.h"
#include "tests/win/skin/HandleCount.h"
#include "tests/win/skin/PixelFixtures.h"
#include <gtest/gtest.h>

namespace {

TEST(GdiObjects, CountSeesOneObjectMore) {
  const int before = LiveGdiObjects();
  HBRUSH brush = CreateSolidBrush(RGB(1, 2, 3));
  EXPECT_EQ(LiveGdiObjects(), before + 1);
  DeleteObject(brush);
  EXPECT_EQ(LiveGdiObjects(), before);
}

TEST(UserObjects, CountSeesOneObjectMore) {
  // The shared system icon is made on first load and kept.
  HICON shared = LoadIconW(nullptr, IDI_APPLICATION);
  const int before = LiveUserObjects();
  HMENU menu = CreatePopupMenu();
  EXPECT_EQ(LiveUserObjects(), before + 1);
  HICON icon = CopyIcon(shared);
  EXPECT_EQ(LiveUserObjects(), before + 2);
  HWND wnd = CreateWindowExW(0, L"STATIC", L"", WS_POPUP, 0, 0, 5, 5, nullptr, nullptr, nullptr, nullptr);
  EXPECT_EQ(LiveUserObjects(), before + 3);
  DestroyWindow(wnd);
  DestroyIcon(icon);
  DestroyMenu(menu);
  EXPECT_EQ(LiveUserObjects(), before);
}

// One call of every primitive, on the kinds of input that take each path.
void PaintEverything(TBitmap& target, TBitmap& image, const std::vector<uint8_t>& bmp, TControl& control) {
  HDC dc = target.Canvas().Handle();
  const RECT r{2, 3, 40, 30};
  const RECT margins{3, 4, 5, 6};
  InitSkinDraw();
  SkinScratchBitmap()->SetSize(20, 20);
  DrawSkinElement(dc, r, image, margins, false, false, false, 2, 1);
  DrawSkinElement(dc, r, image, margins, true, true, true, 2, 2);
  ComposeNineSlice(r, image, margins, false, true, 2, 2);
  DrawThreeSliceTiled(target.Canvas(), r, image, margins, false, false, 2, 1);
  DrawThreeSliceTiled(target.Canvas(), r, image, margins, false, true, 2, 1);
  DrawThreeSliceStretched(dc, r, image, margins, false, 2, 1);
  DrawFrameStretched(dc, r, image, true, 2, 1);
  DrawFrameCentred(dc, r, image, false, 2, 2);
  DrawFrameCentred(dc, r, image, true, 2, 2);
  TileBitmap(target.Canvas(), r, image, {1, 1, 6, 5});
  DrawTransparentNT(dc, r, image, 0xFF00FF);
  DrawTransparent9x(dc, r, image, 0xFF00FF);
  TBitmap scratch;
  scratch.Assign(image);
  TRegionHandle region = RegionFromBitmap(scratch, 1, 1, 0xFF00FF, 1, 1, 1);
  FillGradient(dc, r, clBtnFace, true, 0x00FF00);
  FillGradient(dc, r, 0x0000FF, false, 0x00FF00);
  PaintControlToDC(control, dc);
  MirrorBitmap(scratch);
  FlipBitmap(scratch);
  RotateBitmapLeft(scratch);
  RotateBitmapRight(scratch);
  ReplaceKeyColour(scratch, 0x123456);
  scratch.SetPixelFormat(pf8bit);
  scratch.SetPixelFormat(pf1bit);
  TBitmap loaded;
  loaded.LoadFromBuffer(bmp.data(), bmp.size());
  loaded.LoadFromBuffer(bmp.data(), bmp.size() / 2);
  target.Canvas().CopyRect({0, 0, 5, 5}, image.Canvas(), {0, 0, 10, 10});
  DoneSkinDraw();
}

TEST(GdiObjects, EveryPrimitiveGivesBackWhatItTakes) {
  auto image = MakeBitmap(40, 20, [](int x, int y) { return (x + y) % 4 ? CoordColour(x, y) : TColor(0xFF00FF); });
  auto target = Target(50, 40);
  TBitmap file(6, 5, pf24bit);
  std::vector<uint8_t> bmp(14 + 40 + size_t(file.BytesPerLine()) * 5, 0);
  bmp[0] = 'B';
  bmp[1] = 'M';
  bmp[14] = 40;
  bmp[18] = 6;
  bmp[22] = 5;
  bmp[26] = 1;
  bmp[28] = 24;
  TWinControl parent(nullptr);
  parent.SetBounds(0, 0, 60, 60);
  TWinControl child(nullptr);
  child.SetParent(&parent);
  child.SetBounds(5, 5, 20, 20);
  {
    // Warm up: the first use of some GDI paths creates objects GDI keeps.
    TBitmap probe;
    ASSERT_TRUE(probe.LoadFromBuffer(bmp.data(), bmp.size()));
    PaintEverything(*target, *image, bmp, child);
  }
  const int before = LiveGdiObjects();
  for (int i = 0; i < 2000; ++i) PaintEverything(*target, *image, bmp, child);
  EXPECT_EQ(LiveGdiObjects(), before);
  child.SetParent(nullptr);
}

}  // namespace
