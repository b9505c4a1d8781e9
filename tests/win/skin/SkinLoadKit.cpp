#include "tests/win/skin/SkinLoadKit.h"
#include "tools/SkinPackWriter.h"
#include <cstdio>

namespace skinload {
namespace {
void Put16(std::vector<uint8_t>& out, uint32_t v) {
  out.push_back(uint8_t(v));
  out.push_back(uint8_t(v >> 8));
}
void Put32(std::vector<uint8_t>& out, uint32_t v) {
  Put16(out, v);
  Put16(out, v >> 16);
}
std::string Hex(TColor c) {
  char text[16];
  std::snprintf(text, sizeof text, "%06X", unsigned(c));
  return text;
}
}  // namespace

std::vector<uint8_t> Bmp24(int width, int height, const TPixelFunction& pixel) {
  const uint32_t stride = (uint32_t(width) * 3 + 3) / 4 * 4;
  const uint32_t imageSize = stride * uint32_t(height);
  std::vector<uint8_t> out{'B', 'M'};
  Put32(out, 54 + imageSize);
  Put32(out, 0);
  Put32(out, 54);
  Put32(out, 40);
  Put32(out, uint32_t(width));
  Put32(out, uint32_t(height));
  Put16(out, 1);
  Put16(out, 24);
  Put32(out, 0);
  Put32(out, imageSize);
  for (int i = 0; i < 4; ++i) Put32(out, 0);
  for (int y = height - 1; y >= 0; --y) {
    size_t rowStart = out.size();
    for (int x = 0; x < width; ++x) {
      TColor c = pixel(x, y);
      out.push_back(uint8_t(c >> 16));
      out.push_back(uint8_t(c >> 8));
      out.push_back(uint8_t(c));
    }
    out.resize(rowStart + stride, 0);
  }
  return out;
}

std::vector<uint8_t> SolidBmp(int width, int height, TColor colour) {
  return Bmp24(width, height, [colour](int, int) { return colour; });
}

std::vector<uint8_t> StripBmp(int frameWidth, int height, const std::vector<TColor>& colours) {
  return Bmp24(frameWidth * int(colours.size()), height,
               [&](int x, int) { return colours[size_t(x / frameWidth)]; });
}

std::vector<uint8_t> TTestSkin::Package() const {
  TSkinPackWriter writer;
  for (const auto& [name, contents] : Entries) writer.AddEntry(name, contents);
  writer.AddEntry("skin.ini", std::vector<uint8_t>(Ini.begin(), Ini.end()));
  return writer.Build();
}

bool LoadTestSkin(TSkinState& skin, const TTestSkin& test, std::vector<std::string>* messages) {
  std::vector<std::string> ignored;
  std::vector<std::string>& shown = messages ? *messages : ignored;
  const TSkinMessageProc previous = SkinMessageBox();
  SkinMessageBox() = [&shown](const std::string& text) { shown.push_back(text); };
  const bool loaded = LoadSkinFromStream(skin, test.Package());
  SkinMessageBox() = previous;
  return loaded;
}

testing::AssertionResult PixelsAre(const TBitmap& image, int width, int height, const TPixelFunction& expected) {
  if (image.Width() != width || image.Height() != height)
    return testing::AssertionFailure() << "size " << image.Width() << " x " << image.Height() << ", expected "
                                       << width << " x " << height;
  for (int y = 0; y < height; ++y)
    for (int x = 0; x < width; ++x)
      if (image.Pixel(x, y) != expected(x, y))
        return testing::AssertionFailure() << "pixel (" << x << ", " << y << ") is " << Hex(image.Pixel(x, y))
                                           << ", expected " << Hex(expected(x, y));
  return testing::AssertionSuccess();
}

}  // namespace skinload
