// Typed owners of Win32 handles: each releases its handle with the call that
// matches how it was obtained, exactly once.
#pragma once
#include <windows.h>
#include <utility>

template <typename H, typename Traits>
class TUniqueHandle {
public:
  TUniqueHandle() = default;
  explicit TUniqueHandle(H h) : FHandle(h) {}
  ~TUniqueHandle() { Reset(); }
  TUniqueHandle(TUniqueHandle&& o) noexcept : FHandle(o.Release()) {}
  TUniqueHandle& operator=(TUniqueHandle&& o) noexcept {
    if (this != &o) Reset(o.Release());
    return *this;
  }
  TUniqueHandle(const TUniqueHandle&) = delete;
  TUniqueHandle& operator=(const TUniqueHandle&) = delete;

  H Get() const { return FHandle; }
  explicit operator bool() const { return FHandle != nullptr; }
  H Release() { return std::exchange(FHandle, nullptr); }
  void Reset(H h = nullptr) {
    if (FHandle) Traits::Free(FHandle);
    FHandle = h;
  }

private:
  H FHandle = nullptr;
};

struct TGdiTraits { static void Free(HGDIOBJ h) { DeleteObject(h); } };
struct TMemDCTraits { static void Free(HDC h) { DeleteDC(h); } };
struct TIconTraits { static void Free(HICON h) { DestroyIcon(h); } };
struct TRgnTraits { static void Free(HRGN h) { DeleteObject(h); } };
struct TMenuTraits { static void Free(HMENU h) { DestroyMenu(h); } };

using TFontHandle = TUniqueHandle<HFONT, TGdiTraits>;
using TBrushHandle = TUniqueHandle<HBRUSH, TGdiTraits>;
using TPenHandle = TUniqueHandle<HPEN, TGdiTraits>;
using TBitmapHandle = TUniqueHandle<HBITMAP, TGdiTraits>;
using TRegionHandle = TUniqueHandle<HRGN, TRgnTraits>;
using TMemoryDC = TUniqueHandle<HDC, TMemDCTraits>;
using TIconHandle = TUniqueHandle<HICON, TIconTraits>;
using TMenuHandle = TUniqueHandle<HMENU, TMenuTraits>;

struct TKernelTraits { static void Free(HANDLE h) { CloseHandle(h); } };
using TKernelHandle = TUniqueHandle<HANDLE, TKernelTraits>;
// CreateFileW reports failure as INVALID_HANDLE_VALUE, not null: that one is
// held as no handle, so it is never closed.
inline TKernelHandle FileHandle(HANDLE h) { return TKernelHandle(h == INVALID_HANDLE_VALUE ? nullptr : h); }

// A DC of a window given back with ReleaseDC: GetDC's (the client area) or
// GetWindowDC's (the whole window, frame included).
template <HDC(WINAPI* Acquire)(HWND)>
class TReleasedDC {
public:
  explicit TReleasedDC(HWND wnd) : FWnd(wnd), FDC(Acquire(wnd)) {}
  ~TReleasedDC() { if (FDC) ReleaseDC(FWnd, FDC); }
  TReleasedDC(const TReleasedDC&) = delete;
  TReleasedDC& operator=(const TReleasedDC&) = delete;
  HDC Get() const { return FDC; }
private:
  HWND FWnd;
  HDC FDC;
};
using TWindowDC = TReleasedDC<GetDC>;
using TWholeWindowDC = TReleasedDC<GetWindowDC>;

// The DC of a WM_PAINT, from BeginPaint, ended with EndPaint.
class TPaintDC {
public:
  explicit TPaintDC(HWND wnd) : FWnd(wnd), FDC(BeginPaint(wnd, &FPaint)) {}
  ~TPaintDC() { if (FDC) EndPaint(FWnd, &FPaint); }
  TPaintDC(const TPaintDC&) = delete;
  TPaintDC& operator=(const TPaintDC&) = delete;
  HDC Get() const { return FDC; }
  const RECT& PaintRect() const { return FPaint.rcPaint; }
private:
  HWND FWnd;
  PAINTSTRUCT FPaint{};
  HDC FDC;
};

// SaveDC for one scope: clipping, selections and modes set inside it go
// back with RestoreDC.
class TSavedDC {
public:
  explicit TSavedDC(HDC dc) : FDC(dc), FSaved(SaveDC(dc)) {}
  ~TSavedDC() { if (FSaved) RestoreDC(FDC, FSaved); }
  TSavedDC(const TSavedDC&) = delete;
  TSavedDC& operator=(const TSavedDC&) = delete;
private:
  HDC FDC;
  int FSaved;
};

// Selects a GDI object into a DC for one scope, so it is deselected before
// anybody deletes it.
class TSelectObject {
public:
  TSelectObject(HDC dc, HGDIOBJ obj) : FDC(dc), FOld(obj ? SelectObject(dc, obj) : nullptr) {}
  ~TSelectObject() { if (FOld) SelectObject(FDC, FOld); }
  TSelectObject(const TSelectObject&) = delete;
  TSelectObject& operator=(const TSelectObject&) = delete;
private:
  HDC FDC;
  HGDIOBJ FOld;
};

// Colour images stretched pixel by pixel, the DC's own mode back afterwards.
class TColourStretch {
public:
  explicit TColourStretch(HDC dc) : FDC(dc), FOld(SetStretchBltMode(dc, COLORONCOLOR)) {}
  ~TColourStretch() {
    if (FOld) SetStretchBltMode(FDC, FOld);
  }
  TColourStretch(const TColourStretch&) = delete;
  TColourStretch& operator=(const TColourStretch&) = delete;

private:
  HDC FDC;
  int FOld;
};
