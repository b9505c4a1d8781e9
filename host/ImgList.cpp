#include "host/ImgList.h"
#include "host/Bitmap.h"

DEFINE_CLASS_INFO(TImageList, TPersistent, {})

bool TImageList::LoadFromResource(HINSTANCE instance, const wchar_t* name, int width, COLORREF mask) {
  Clear();
  FHandle = ImageList_LoadImageW(instance, name, width, 0, mask, IMAGE_BITMAP, LR_LOADTRANSPARENT);
  return FHandle != nullptr;
}

bool TImageList::AddMasked(const TBitmap& strip, int width, TColor mask) {
  if (strip.Empty() || width <= 0) return false;
  if (!FHandle) FHandle = ImageList_Create(width, strip.Height(), ILC_COLOR32 | ILC_MASK, 4, 4);
  if (!FHandle) return false;
  // The list wants a bitmap that no DC holds; the strip's own is selected.
  TBitmapHandle ddb(static_cast<HBITMAP>(CopyImage(strip.Handle(), IMAGE_BITMAP, 0, 0, LR_CREATEDIBSECTION)));
  return ddb && ImageList_AddMasked(FHandle, ddb.Get(), ColorToRGB(mask)) >= 0;
}

void TImageList::Clear() {
  if (FHandle) ImageList_Destroy(FHandle);
  FHandle = nullptr;
}

int TImageList::Width() const {
  int w = 0, h = 0;
  if (FHandle) ImageList_GetIconSize(FHandle, &w, &h);
  return w;
}

int TImageList::Height() const {
  int w = 0, h = 0;
  if (FHandle) ImageList_GetIconSize(FHandle, &w, &h);
  return h;
}

void TImageList::Draw(HDC dc, int x, int y, int index) const {
  if (FHandle) ImageList_Draw(FHandle, index, dc, x, y, ILD_TRANSPARENT);
}

void TImageList::Draw(HDC dc, int x, int y, int index, bool enabled) const {
  if (enabled || !FHandle) {
    Draw(dc, x, y, index);
    return;
  }
  TIconHandle icon(ImageList_GetIcon(FHandle, index, ILD_TRANSPARENT));
  if (icon) DrawStateW(dc, nullptr, nullptr, LPARAM(icon.Get()), 0, x, y, 0, 0, DST_ICON | DSS_DISABLED);
}
