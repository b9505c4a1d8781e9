// A list of equal-sized images over the common controls' image list.
#pragma once
#include "host/Graphics.h"
#include <windows.h>
#include <commctrl.h>

class TBitmap;

class TImageList : public TPersistent {
public:
  DECLARE_CLASS_INFO
  TImageList() = default;
  ~TImageList() override { Clear(); }
  TImageList(const TImageList&) = delete;
  TImageList& operator=(const TImageList&) = delete;

  // Cuts a bitmap resource into width-wide images; mask is the colour left out.
  bool LoadFromResource(HINSTANCE instance, const wchar_t* name, int width, COLORREF mask);
  // Appends the width-wide images of a strip, mask the colour left out; the
  // first strip makes the list and fixes its image size.
  bool AddMasked(const TBitmap& strip, int width, TColor mask);
  void Clear();
  HIMAGELIST Handle() const { return FHandle; }
  int Count() const { return FHandle ? ImageList_GetImageCount(FHandle) : 0; }
  // The size of one image; 0 without a list.
  int Width() const;
  int Height() const;
  void Draw(HDC dc, int x, int y, int index) const;
  // Disabled: the image greyed out the way the system shows disabled icons.
  void Draw(HDC dc, int x, int y, int index, bool enabled) const;

private:
  HIMAGELIST FHandle = nullptr;
};
