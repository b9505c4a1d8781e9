// Small skin packages for the skin loading tests: BMP files drawn from pixel
// functions, an INI text, and the package the packer library makes of them.
#pragma once
#include "skin/data/SkinLoad.h"
#include "skin/data/WinSkinData.h"
#include <functional>
#include <gtest/gtest.h>
#include <string>
#include <utility>
#include <vector>

namespace skinload {

using TPixelFunction = std::function<TColor(int x, int y)>;

// A 24-bit BMP file, bottom-up as BMP files usually are.
std::vector<uint8_t> Bmp24(int width, int height, const TPixelFunction& pixel);
std::vector<uint8_t> SolidBmp(int width, int height, TColor colour);
// Frames of frameWidth x height side by side, frame i all colours[i].
std::vector<uint8_t> StripBmp(int frameWidth, int height, const std::vector<TColor>& colours);

struct TTestSkin {
  std::string Ini;
  std::vector<std::pair<std::string, std::vector<uint8_t>>> Entries;

  TTestSkin& Add(const std::string& name, std::vector<uint8_t> contents) {
    Entries.emplace_back(name, std::move(contents));
    return *this;
  }
  // "skin.ini" after the images, then the package compressed.
  std::vector<uint8_t> Package() const;
};

// Loads the package into skin, the messages shown going to messages.
bool LoadTestSkin(TSkinState& skin, const TTestSkin& test, std::vector<std::string>* messages = nullptr);

// Every pixel of image equals expected(x, y); reports the first difference.
testing::AssertionResult PixelsAre(const TBitmap& image, int width, int height, const TPixelFunction& expected);

}  // namespace skinload
