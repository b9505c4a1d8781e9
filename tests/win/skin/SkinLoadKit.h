// Small skin packages for the skin loading tests: BMP files drawn from pixel
// functions, an INI text, and the package the packer library makes of them.
#pragma once
#include "skin/data/SkinLoad.h"
#include "skin/data/WinSkinData.h"
#include <functional>
#include <memory>
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

// A skin named "First" with a top frame side, a menu bar, ButtonFace 1 2 3,
// one extra colour, one caption button and several element slots, all from
// the 40 x 21 image "e.bmp" ($336699); it also carries "f.bmp" (20 x 10,
// $996633).
TTestSkin FullSkin();

// A compressed package of one INI entry ("SkinName=Refused") whose version
// (12345) the reader does not know.
std::vector<uint8_t> UnknownVersionPackage();
// Writes the bytes to a file of that name in the temporary folder, replacing
// any earlier one; its path.
std::wstring WriteTempFile(const wchar_t* name, const std::vector<uint8_t>& bytes);

// A skin file the build writes next to the program: <build>/app/<name>.
std::wstring BuiltSkinFile(const wchar_t* name);

// Damage done to a compressed package: the stream cut to half its length,
// or count bits of the stream (not of its size field) flipped at places a
// generator with the seed picks.
std::vector<uint8_t> CutInHalf(std::vector<uint8_t> package);
std::vector<uint8_t> FlipStreamBits(std::vector<uint8_t> package, int count, uint32_t seed);

// Loads the package into skin, the messages shown going to messages.
bool LoadTestSkin(TSkinState& skin, const TTestSkin& test, std::vector<std::string>* messages = nullptr);
bool LoadTestPackage(TSkinState& skin, const std::vector<uint8_t>& package, std::vector<std::string>* messages);

// An element that says when it is freed. A test puts one in a slot to tell
// "the same element, kept or filled again" from "a new element" without
// comparing addresses (a new element may get a freed one's address).
class TTrackedMark {
public:
  explicit TTrackedMark(std::shared_ptr<bool> freed) : FFreed(std::move(freed)) {}
  virtual ~TTrackedMark() { *FFreed = true; }

private:
  std::shared_ptr<bool> FFreed;
};

template <class T>
class TTrackedElement : public T, public TTrackedMark {
public:
  TTrackedElement(std::wstring name, std::shared_ptr<bool> freed) : T(std::move(name)), TTrackedMark(std::move(freed)) {}
};

// Moves the image and copies the fields every element has.
void MoveElementBase(TDataSkinObject& from, TDataSkinObject& to);

// Replaces the slot's element by a tracked one with its name, image and the
// fields every element has; the result turns true when that one is freed.
template <class T>
std::shared_ptr<bool> TrackElement(std::unique_ptr<T>& slot) {
  auto freed = std::make_shared<bool>(false);
  auto tracked = std::make_unique<TTrackedElement<T>>(slot ? slot->Name : std::wstring(), freed);
  if (slot) MoveElementBase(*slot, *tracked);
  slot = std::move(tracked);
  return freed;
}

inline bool IsTracked(const TDataSkinObject* element) { return dynamic_cast<const TTrackedMark*>(element) != nullptr; }

// Every pixel of image equals expected(x, y); reports the first difference.
testing::AssertionResult PixelsAre(const TBitmap& image, int width, int height, const TPixelFunction& expected);

}  // namespace skinload
