// Bitmaps: a top-down DIB section in one of the usual pixel formats, with its
// own memory DC and canvas. Persistent, so a control may publish one as a
// property that others set by name.
#pragma once
#include "host/Graphics.h"
#include <memory>
#include <vector>

class TMemoryStream;

enum TPixelFormat { pf1bit = 1, pf4bit = 4, pf8bit = 8, pf16bit = 16, pf24bit = 24, pf32bit = 32 };

class TBitmap : public TGraphic {
public:
  DECLARE_CLASS_INFO
  TBitmap() = default;
  TBitmap(int width, int height, TPixelFormat format = pf32bit);
  TBitmap(const TBitmap&) = delete;
  TBitmap& operator=(const TBitmap&) = delete;
  ~TBitmap() override;

  int Width() const override { return FWidth; }
  int Height() const override { return FHeight; }
  bool Empty() const override { return !FBitmap; }
  void Draw(TCanvas& canvas, int x, int y) override;
  HBITMAP Handle() const { return FBitmap.Get(); }
  TCanvas& Canvas() { return FCanvas; }

  TPixelFormat PixelFormat() const { return FFormat; }
  // Converts the pixels. Indexed formats get a standard palette (black and
  // white; the 16 VGA colours; a 6x6x6 cube and greys) and each pixel the
  // nearest entry; 16 bits per pixel keep 5 bits of each channel.
  void SetPixelFormat(TPixelFormat format);
  // A new black image of that size in the current format; a size of 0 or
  // less leaves the bitmap empty.
  void SetSize(int width, int height);

  // Row y as raw bytes in the pixel format: 1, 4 and 8 bits are palette
  // indices, 16 bits x-5-5-5, 24 bits blue, green, red, 32 bits blue, green,
  // red, x. Rows are BytesPerLine() apart; null outside the image.
  void* ScanLine(int y);
  const void* ScanLine(int y) const;
  int BytesPerLine() const { return FStride; }
  // Entries as 0x00RRGGBB; empty for 16, 24 and 32 bits per pixel.
  const std::vector<uint32_t>& Palette() const { return FPalette; }

  // The pixel as a host colour (red in the low byte); clNone outside.
  TColor Pixel(int x, int y) const;
  // Sets the pixel (the nearest palette entry in indexed formats); nothing
  // happens outside the image.
  void SetPixel(int x, int y, TColor colour);

  // Copies size, format, palette, pixels and transparency settings.
  void Assign(const TBitmap& source);
  // Reads a BMP file. Bad, unsupported or truncated data leave the bitmap
  // empty and give false.
  bool LoadFromBuffer(const uint8_t* data, size_t size);
  // Reads a BMP file at the stream's position and moves past it.
  bool LoadFromStream(TMemoryStream& stream);

  // A 1-bit mask of the same size, palette black and white: 1 (white) where
  // the pixel is exactly key, 0 (black) everywhere else.
  std::unique_ptr<TBitmap> CreateMask(TColor key) const;

  // TCanvas::Draw leaves out the pixels of TransparentColor while set.
  bool Transparent = false;
  TColor TransparentColor = 0xFF00FF;
  // Transparent, with the colour of the bottom-left pixel as the one left out.
  void SetAutoTransparent();

private:
  void Create(int width, int height, TPixelFormat format, std::vector<uint32_t> palette);
  void Free();
  bool Load(const uint8_t* data, size_t size, size_t& used);
  uint32_t ReadRgb(const uint8_t* row, int x) const;
  void WriteRgb(uint8_t* row, int x, uint32_t rgb);

  int FWidth = 0, FHeight = 0, FStride = 0;
  TPixelFormat FFormat = pf32bit;
  std::vector<uint32_t> FPalette;
  TBitmapHandle FBitmap;
  TMemoryDC FDC;
  HGDIOBJ FOldBitmap = nullptr;
  uint8_t* FBits = nullptr;
  TCanvas FCanvas;
};

// Image index (1-based) of count equal images side by side in strip, as a
// 32-bit bitmap of its own; an index outside 1..count gives image 1, a count below
// 1 counts as 1. Empty when the strip is.
std::unique_ptr<TBitmap> CutImage(const TBitmap& strip, int count, int index);
