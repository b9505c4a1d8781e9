#include "host/Bitmap.h"
#include "host/BmpFile.h"
#include "host/Classes.h"
#include <cstring>

namespace {

// Pixels are kept as 0x00RRGGBB, the byte order of DIB rows; host colours
// have red in the low byte.
uint32_t RgbOf(TColor colour) {
  COLORREF c = ColorToRGB(colour);
  return uint32_t(GetRValue(c)) << 16 | uint32_t(GetGValue(c)) << 8 | GetBValue(c);
}
TColor ColourOf(uint32_t rgb) { return TColor(RGB((rgb >> 16) & 0xFF, (rgb >> 8) & 0xFF, rgb & 0xFF)); }

std::vector<uint32_t> StandardPalette(TPixelFormat format) {
  switch (format) {
    case pf1bit: return {0x000000, 0xFFFFFF};
    case pf4bit: return {0x000000, 0x800000, 0x008000, 0x808000, 0x000080, 0x800080, 0x008080, 0xC0C0C0,
                         0x808080, 0xFF0000, 0x00FF00, 0xFFFF00, 0x0000FF, 0xFF00FF, 0x00FFFF, 0xFFFFFF};
    case pf8bit: {
      std::vector<uint32_t> palette;
      for (uint32_t r = 0; r < 6; ++r)
        for (uint32_t g = 0; g < 6; ++g)
          for (uint32_t b = 0; b < 6; ++b) palette.push_back(r * 51 << 16 | g * 51 << 8 | b * 51);
      for (uint32_t i = 0; palette.size() < 256; ++i) {
        uint32_t grey = 6 + i * 6;
        palette.push_back(grey << 16 | grey << 8 | grey);
      }
      return palette;
    }
    default: return {};
  }
}

int Distance(uint32_t a, uint32_t b) {
  int dr = int((a >> 16) & 0xFF) - int((b >> 16) & 0xFF);
  int dg = int((a >> 8) & 0xFF) - int((b >> 8) & 0xFF);
  int db = int(a & 0xFF) - int(b & 0xFF);
  return dr * dr + dg * dg + db * db;
}

uint8_t NearestIndex(const std::vector<uint32_t>& palette, uint32_t rgb) {
  size_t best = 0;
  for (size_t i = 1; i < palette.size(); ++i)
    if (Distance(palette[i], rgb) < Distance(palette[best], rgb)) best = i;
  return uint8_t(best);
}

uint32_t Expand5(uint32_t c) { return (c << 3) | (c >> 2); }

}  // namespace

DEFINE_CLASS_INFO(TBitmap, TGraphic, {})

TBitmap::TBitmap(int width, int height, TPixelFormat format) : FFormat(format) { SetSize(width, height); }

TBitmap::~TBitmap() { Free(); }

void TBitmap::Free() {
  if (FDC && FOldBitmap) SelectObject(FDC.Get(), FOldBitmap);
  FOldBitmap = nullptr;
  FCanvas.SetHandle(nullptr);
  FDC.Reset();
  FBitmap.Reset();
  FBits = nullptr;
  FWidth = FHeight = FStride = 0;
}

void TBitmap::Create(int width, int height, TPixelFormat format, std::vector<uint32_t> palette) {
  Free();
  FFormat = format;
  FPalette = std::move(palette);
  if (width <= 0 || height <= 0) return;
  struct {
    BITMAPINFOHEADER Header;
    RGBQUAD Colours[256];
  } bi{};
  bi.Header.biSize = sizeof bi.Header;
  bi.Header.biWidth = width;
  bi.Header.biHeight = -height;
  bi.Header.biPlanes = 1;
  bi.Header.biBitCount = WORD(format);
  bi.Header.biClrUsed = DWORD(FPalette.size());
  std::memcpy(bi.Colours, FPalette.data(), FPalette.size() * sizeof(uint32_t));
  void* bits = nullptr;
  TBitmapHandle bitmap(CreateDIBSection(nullptr, reinterpret_cast<BITMAPINFO*>(&bi), DIB_RGB_COLORS, &bits, nullptr, 0));
  TMemoryDC dc(CreateCompatibleDC(nullptr));
  if (!bitmap || !dc || !bits) return;
  FBitmap = std::move(bitmap);
  FDC = std::move(dc);
  FOldBitmap = SelectObject(FDC.Get(), FBitmap.Get());
  FBits = static_cast<uint8_t*>(bits);
  FWidth = width;
  FHeight = height;
  FStride = int(BmpStride(width, format));
  FCanvas.SetHandle(FDC.Get());
}

void TBitmap::SetSize(int width, int height) { Create(width, height, FFormat, StandardPalette(FFormat)); }

void TBitmap::SetPixelFormat(TPixelFormat format) {
  if (format == FFormat) return;
  if (Empty()) { FFormat = format; FPalette = StandardPalette(format); return; }
  TBitmap converted(FWidth, FHeight, format);
  if (converted.Empty()) { Free(); return; }
  for (int y = 0; y < FHeight; ++y) {
    const uint8_t* from = static_cast<const uint8_t*>(ScanLine(y));
    uint8_t* to = static_cast<uint8_t*>(converted.ScanLine(y));
    for (int x = 0; x < FWidth; ++x) converted.WriteRgb(to, x, ReadRgb(from, x));
  }
  bool transparent = Transparent;
  TColor transparentColour = TransparentColor;
  Assign(converted);
  Transparent = transparent;
  TransparentColor = transparentColour;
}

void* TBitmap::ScanLine(int y) {
  return const_cast<void*>(static_cast<const TBitmap&>(*this).ScanLine(y));
}

const void* TBitmap::ScanLine(int y) const {
  if (!FBits || y < 0 || y >= FHeight) return nullptr;
  GdiFlush();  // GDI may still be drawing into the section
  return FBits + size_t(y) * size_t(FStride);
}

uint32_t TBitmap::ReadRgb(const uint8_t* row, int x) const {
  switch (FFormat) {
    case pf1bit: return FPalette[(row[x >> 3] >> (7 - (x & 7))) & 1];
    case pf4bit: return FPalette[(row[x >> 1] >> ((x & 1) ? 0 : 4)) & 15];
    case pf8bit: return FPalette[row[x]];
    case pf16bit: {
      uint32_t v = uint32_t(row[2 * x]) | uint32_t(row[2 * x + 1]) << 8;
      return Expand5((v >> 10) & 31) << 16 | Expand5((v >> 5) & 31) << 8 | Expand5(v & 31);
    }
    case pf24bit: return uint32_t(row[3 * x + 2]) << 16 | uint32_t(row[3 * x + 1]) << 8 | row[3 * x];
    case pf32bit: return uint32_t(row[4 * x + 2]) << 16 | uint32_t(row[4 * x + 1]) << 8 | row[4 * x];
  }
  return 0;
}

void TBitmap::WriteRgb(uint8_t* row, int x, uint32_t rgb) {
  uint8_t r = uint8_t(rgb >> 16), g = uint8_t(rgb >> 8), b = uint8_t(rgb);
  switch (FFormat) {
    case pf1bit: {
      uint8_t bit = uint8_t(0x80 >> (x & 7));
      row[x >> 3] = NearestIndex(FPalette, rgb) ? row[x >> 3] | bit : row[x >> 3] & ~bit;
      break;
    }
    case pf4bit: {
      uint8_t index = NearestIndex(FPalette, rgb);
      uint8_t& cell = row[x >> 1];
      cell = (x & 1) ? uint8_t((cell & 0xF0) | index) : uint8_t((cell & 0x0F) | index << 4);
      break;
    }
    case pf8bit: row[x] = NearestIndex(FPalette, rgb); break;
    case pf16bit: {
      uint32_t v = uint32_t(r >> 3) << 10 | uint32_t(g >> 3) << 5 | uint32_t(b >> 3);
      row[2 * x] = uint8_t(v);
      row[2 * x + 1] = uint8_t(v >> 8);
      break;
    }
    case pf24bit: row[3 * x] = b; row[3 * x + 1] = g; row[3 * x + 2] = r; break;
    case pf32bit: row[4 * x] = b; row[4 * x + 1] = g; row[4 * x + 2] = r; row[4 * x + 3] = 0; break;
  }
}

TColor TBitmap::Pixel(int x, int y) const {
  if (x < 0 || x >= FWidth || y < 0 || y >= FHeight) return clNone;
  return ColourOf(ReadRgb(static_cast<const uint8_t*>(ScanLine(y)), x));
}

void TBitmap::SetPixel(int x, int y, TColor colour) {
  if (x < 0 || x >= FWidth || y < 0 || y >= FHeight) return;
  WriteRgb(static_cast<uint8_t*>(ScanLine(y)), x, RgbOf(colour));
}

void TBitmap::Assign(const TBitmap& source) {
  if (&source == this) return;
  Create(source.FWidth, source.FHeight, source.FFormat, source.FPalette);
  if (!Empty()) std::memcpy(FBits, source.ScanLine(0), size_t(FStride) * size_t(FHeight));
  Transparent = source.Transparent;
  TransparentColor = source.TransparentColor;
}

bool TBitmap::Load(const uint8_t* data, size_t size, size_t& used) {
  TBmpImage image;
  if (!ReadBmp(data, size, image)) { Free(); return false; }
  Create(image.Width, image.Height, TPixelFormat(image.BitCount), std::move(image.Palette));
  if (Empty()) return false;
  std::memcpy(FBits, image.Pixels.data(), image.Pixels.size());
  used = image.FileSize;
  return true;
}

bool TBitmap::LoadFromBuffer(const uint8_t* data, size_t size) {
  size_t used = 0;
  return Load(data, size, used);
}

bool TBitmap::LoadFromStream(TMemoryStream& stream) {
  size_t at = stream.Position(), used = 0;
  if (!Load(stream.Memory() + at, stream.Size() - at, used)) return false;
  stream.SetPosition(at + used);
  return true;
}

std::unique_ptr<TBitmap> TBitmap::CreateMask(TColor key) const {
  auto mask = std::make_unique<TBitmap>(FWidth, FHeight, pf1bit);
  if (mask->Empty() || Empty()) return mask;
  const uint32_t keyRgb = RgbOf(key);
  GdiFlush();  // GDI may still be drawing into this section
  // A fresh section is all zero (black); key pixels set their bit (white).
  for (int y = 0; y < FHeight; ++y) {
    const uint8_t* from = FBits + size_t(y) * size_t(FStride);
    uint8_t* to = mask->FBits + size_t(y) * size_t(mask->FStride);
    for (int x = 0; x < FWidth; ++x)
      if (ReadRgb(from, x) == keyRgb) to[x >> 3] = uint8_t(to[x >> 3] | 0x80 >> (x & 7));
  }
  return mask;
}

void TBitmap::Draw(TCanvas& canvas, int x, int y) { canvas.Draw(x, y, *this); }

void TBitmap::SetAutoTransparent() {
  Transparent = true;
  if (!Empty()) TransparentColor = Pixel(0, FHeight - 1);
}

std::unique_ptr<TBitmap> CutImage(const TBitmap& strip, int count, int index) {
  if (count < 1) count = 1;
  if (index < 1 || index > count) index = 1;
  const int width = strip.Width() / count;
  auto image = std::make_unique<TBitmap>(width, strip.Height());  // full colour: exact whatever the strip's palette
  if (image->Empty()) return image;
  BitBlt(image->Canvas().Handle(), 0, 0, width, strip.Height(), const_cast<TBitmap&>(strip).Canvas().Handle(),
         (index - 1) * width, 0, SRCCOPY);
  return image;
}
