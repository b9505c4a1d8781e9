#include "host/ImgList.h"

bool TImageList::LoadFromResource(HINSTANCE instance, const wchar_t* name, int width, COLORREF mask) {
  Clear();
  FHandle = ImageList_LoadImageW(instance, name, width, 0, mask, IMAGE_BITMAP, LR_LOADTRANSPARENT);
  return FHandle != nullptr;
}

void TImageList::Clear() {
  if (FHandle) ImageList_Destroy(FHandle);
  FHandle = nullptr;
}

void TImageList::Draw(HDC dc, int x, int y, int index) const {
  if (FHandle) ImageList_Draw(FHandle, index, dc, x, y, ILD_TRANSPARENT);
}
