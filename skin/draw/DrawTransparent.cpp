#include "skin/draw/DrawTransparent.h"
#include "skin/draw/FrameGeometry.h"

namespace {

bool IsNTPlatform() {
  OSVERSIONINFOA info{};
  info.dwOSVersionInfoSize = sizeof info;
  return GetVersionExA(&info) && info.dwPlatformId == VER_PLATFORM_WIN32_NT;
}

}  // namespace

void DrawTransparent(HDC dc, const RECT& target, TBitmap& image, TColor key) {
  if (IsNTPlatform())
    DrawTransparentNT(dc, target, image, key);
  else
    DrawTransparent9x(dc, target, image, key);
}

void DrawTransparentNT(HDC dc, const RECT& target, TBitmap& image, TColor key) {
  if (IsInverted(target)) return;
  TCanvas(dc).DrawKeyed(target, image, key);
}

void DrawTransparent9x(HDC dc, const RECT& target, TBitmap& image, TColor key) {
  if (IsInverted(target) || image.Empty()) return;
  std::unique_ptr<TBitmap> mask = image.CreateMask(key);
  const int x = target.left, y = target.top, w = target.right - target.left, h = target.bottom - target.top;
  // The mask's 1 bits become white, so AND keeps the destination XOR image
  // there and clears everything else; the second XOR leaves the destination
  // under key pixels and the image elsewhere.
  COLORREF oldBack = SetBkColor(dc, RGB(255, 255, 255));
  COLORREF oldText = SetTextColor(dc, RGB(0, 0, 0));
  BitBlt(dc, x, y, w, h, image.Canvas().Handle(), 0, 0, SRCINVERT);
  BitBlt(dc, x, y, w, h, mask->Canvas().Handle(), 0, 0, SRCAND);
  BitBlt(dc, x, y, w, h, image.Canvas().Handle(), 0, 0, SRCINVERT);
  SetTextColor(dc, oldText);
  SetBkColor(dc, oldBack);
}
