// A list of equal-sized images over the common controls' image list.
#pragma once
#include <windows.h>
#include <commctrl.h>

class TImageList {
public:
  TImageList() = default;
  ~TImageList() { Clear(); }
  TImageList(const TImageList&) = delete;
  TImageList& operator=(const TImageList&) = delete;

  // Cuts a bitmap resource into width-wide images; mask is the colour left out.
  bool LoadFromResource(HINSTANCE instance, const wchar_t* name, int width, COLORREF mask);
  void Clear();
  HIMAGELIST Handle() const { return FHandle; }
  int Count() const { return FHandle ? ImageList_GetImageCount(FHandle) : 0; }
  void Draw(HDC dc, int x, int y, int index) const;

private:
  HIMAGELIST FHandle = nullptr;
};
