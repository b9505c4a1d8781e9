#include "skin/manager/WinSkinPopMenu.h"
#include "host/Handles.h"
#include "host/Platform.h"
#include "skin/data/DataSkinObject.h"
#include "skin/data/WinSkinData.h"
#include "skin/draw/NineSlice.h"
#include "skin/manager/SkinManage.h"
#include "skin/manager/SkinMessages.h"
#include "skin/manager/WindowSubclass.h"

namespace {
// The frame is three pixels wide for clipping and bands, whatever the margins.
constexpr int kBand = 3;

bool Windows9x() { return Win9xVersion(WinVersion()); }
}  // namespace

void TWinSkinPopMenu::Attach(HWND wnd, TSkinData* data, HMENU menu) {
  Handle = wnd;
  SkinData = data;
  MenuHandle = menu;
  Link.Install(wnd, [this](UINT msg, WPARAM wparam, LPARAM lparam) { return PopupWndProc(msg, wparam, lparam); });
}

void TWinSkinPopMenu::Detach() {
  if (!Link.Installed()) return;
  Link.Remove();
  FrameBitmap.SetSize(0, 0);
}

LRESULT TWinSkinPopMenu::CallDefault(UINT msg, WPARAM wparam, LPARAM lparam) {
  return Link.CallOld(msg, wparam, lparam);
}

LRESULT TWinSkinPopMenu::PopupWndProc(UINT msg, WPARAM wparam, LPARAM lparam) {
  if (msg == WM_SKIN_QUERY) return 1;
  if (!SkinManager || !SkinManager->SkinningActive) return CallDefault(msg, wparam, lparam);
  if (msg == WM_DESTROY) {
    const TOldProc old = Link.OldProc();
    Detach();
    return old(msg, wparam, lparam);
  }
  // A paint that throws leaves the menu to the system (the subclass guard).
  switch (msg) {
    case WM_ERASEBKGND:
      if (Windows9x()) return 0;
      return Erase(msg, wparam, lparam);
    case WM_NCPAINT: return FramePaint(msg, wparam, lparam);
    case WM_PRINT: return Print(msg, wparam, lparam);
    default: return CallDefault(msg, wparam, lparam);
  }
}

LRESULT TWinSkinPopMenu::Erase(UINT msg, WPARAM wparam, LPARAM lparam) {
  if (!SkinData->Has(xoMenuBG)) CallDefault(msg, wparam, lparam);
  return 1;
}

bool TWinSkinPopMenu::CanPaint() const {
  const TDataSkinObject* e = SkinData->MenuBackground.get();
  return !SkinData->NoSkinLoaded && HasImage(e);
}

void TWinSkinPopMenu::ComposeFrame(const RECT& r) {
  TDataSkinObject& e = *SkinData->MenuBackground;
  std::unique_ptr<TBitmap> composed = ComposeNineSlice(r, *e.Image, SkinMargins(e), false, e.Tile == 1, 1, 1);
  if (composed) FrameBitmap.Assign(*composed);
}

LRESULT TWinSkinPopMenu::FramePaint(UINT msg, WPARAM wparam, LPARAM lparam) {
  // Only a paint of the whole window; a real update region is the system's.
  if (!CanPaint() || wparam != 1) return CallDefault(msg, wparam, lparam);
  // The whole window: a window DC, since "region 1" is no region to intersect with.
  TWholeWindowDC window(Handle);
  const HDC dc = window.Get();
  if (!dc) return CallDefault(msg, wparam, lparam);
  RECT r{};
  GetWindowRect(Handle, &r);
  OffsetRect(&r, -r.left, -r.top);
  ComposeFrame(r);
  if (!FrameBitmap.Empty()) {
    const int w = r.right, h = r.bottom;
    HDC src = FrameBitmap.Canvas().Handle();
    BitBlt(dc, 0, 0, w, kBand, src, 0, 0, SRCCOPY);
    BitBlt(dc, 0, h - kBand, w, kBand, src, 0, h - kBand, SRCCOPY);
    BitBlt(dc, 0, kBand, kBand, h - 2 * kBand, src, 0, kBand, SRCCOPY);
    BitBlt(dc, w - kBand, kBand, kBand, h - 2 * kBand, src, w - kBand, kBand, SRCCOPY);
    BitBlt(dc, 0, 0, w, h, src, 0, 0, SRCCOPY);
  }
  return 0;
}

LRESULT TWinSkinPopMenu::Print(UINT msg, WPARAM wparam, LPARAM lparam) {
  RECT r{};
  if (!CanPaint() || !GetWindowRect(Handle, &r)) return CallDefault(msg, wparam, lparam);
  OffsetRect(&r, -r.left, -r.top);
  HDC dc = HDC(wparam);
  ComposeFrame(r);
  if (!FrameBitmap.Empty()) BitBlt(dc, 0, 0, r.right, r.bottom, FrameBitmap.Canvas().Handle(), 0, 0, SRCCOPY);
  // The system prints the items inside the frame.
  TRegionHandle inner(CreateRectRgn(kBand, kBand, r.right - kBand, r.bottom - kBand));
  const int oldMode = SetBkMode(dc, TRANSPARENT);
  SelectClipRgn(dc, inner.Get());
  const LRESULT result = CallDefault(msg, wparam, lparam);
  SelectClipRgn(dc, nullptr);
  SetBkMode(dc, oldMode);
  return result;
}
