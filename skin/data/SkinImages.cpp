#include "skin/data/SkinImages.h"
#include <vector>

void LoadSkinImage(TBitmap& target, const TSkinReader& reader, const std::string& value) {
  target.SetSize(0, 0);
  const std::string name = SkinImageEntryName(value);
  if (name.empty()) return;
  std::vector<uint8_t> bytes;
  if (!reader.ExtractByName(name, bytes) || bytes.empty()) return;
  target.LoadFromBuffer(bytes.data(), bytes.size());
}

bool LoadBuiltinImage(TBitmap& target, const wchar_t* name) {
  target.SetSize(0, 0);
  TBitmapHandle resource(
      HBITMAP(LoadImageW(GetModuleHandleW(nullptr), name, IMAGE_BITMAP, 0, 0, LR_CREATEDIBSECTION)));
  BITMAP info{};
  if (!resource || !GetObjectW(resource.Get(), sizeof info, &info)) return false;
  target.SetPixelFormat(pf24bit);
  target.SetSize(info.bmWidth, info.bmHeight);
  if (target.Empty()) return false;
  TMemoryDC dc(CreateCompatibleDC(nullptr));
  TSelectObject selected(dc.Get(), resource.Get());
  BitBlt(target.Canvas().Handle(), 0, 0, info.bmWidth, info.bmHeight, dc.Get(), 0, 0, SRCCOPY);
  return true;
}

void CopyBitmapRect(TBitmap& target, int x, int y, TBitmap& source, const RECT& from) {
  if (target.Empty() || source.Empty()) return;
  BitBlt(target.Canvas().Handle(), x, y, from.right - from.left, from.bottom - from.top,
         source.Canvas().Handle(), from.left, from.top, SRCCOPY);
}

void CutBitmap(TBitmap& target, TBitmap& source, const RECT& from) {
  target.SetPixelFormat(pf24bit);
  target.SetSize(from.right - from.left, from.bottom - from.top);
  CopyBitmapRect(target, 0, 0, source, from);
}

TBitmap& EnsureBitmap(std::unique_ptr<TBitmap>& image) {
  if (!image) image = std::make_unique<TBitmap>();
  return *image;
}
