#include "skin/data/SkinElementLoad.h"
#include "skin/data/SkinImages.h"

namespace {
constexpr TElementKeys kCommonKeys{"Image", true, true, true, 0};
constexpr TElementKeys kNoFrameKeys{"Image", true, false, true, 0};
constexpr TElementKeys kBitmapKeys{"Bitmap", true, false, false, 1};
}  // namespace

void TElementLoader::Fill(TDataSkinObject& element, const std::string& section, const TElementKeys& keys) const {
  const TSkinSource& s = FSource;
  s.Image(EnsureBitmap(element.Image), section, keys.ImageKey);
  if (keys.ReadStyle) element.Style = s.Int(section, "Style", 0);
  element.LeftWidth = s.Int(section, "LeftWidth", 0);
  element.RightWidth = s.Int(section, "RightWidth", 0);
  element.TopHeight = s.Int(section, "TopHeight", 0);
  element.BottomHeight = s.Int(section, "BottomHeight", 0);
  if (keys.ReadFrame) element.FrameCount = s.Int(section, "Frame", 0);
  element.Trans = s.Int(section, "Trans", 0);
  element.Tile = s.Int(section, "Tile", 0);
  if (keys.ReadColours) {
    element.NormalColour = s.Int(section, "NormalColour", -1);
    element.MouseOverColour = s.Int(section, "MouseOverColour", -1);
    element.PressedColour = s.Int(section, "PressedColour", -1);
    element.NormalColour2 = s.Colour(section, "NormalColour2", FSecondColourDefault);
    element.MouseOverColour2 = s.Colour(section, "MouseOverColour2", FSecondColourDefault);
    element.PressedColour2 = s.Colour(section, "PressedColour2", FSecondColourDefault);
  }
  if (element.Tile > 1) element.Tile = keys.TileAboveOne;
}

template <class T>
T* TElementLoader::Load(std::unique_ptr<T>& slot, const std::string& section, const TElementKeys& keys) const {
  slot.reset();  // a section that names no image leaves the slot empty
  if (!FSource.Has(section, keys.ImageKey)) return nullptr;
  slot = std::make_unique<T>(ElementName(section));
  Fill(*slot, section, keys);
  return slot.get();
}

void TElementLoader::Common(std::unique_ptr<TDataSkinObject>& slot, const std::string& section) const {
  Load(slot, section, kCommonKeys);
}

void TElementLoader::TwoImage(std::unique_ptr<TDataSkinBorder>& slot, const std::string& section,
                              const std::string& secondKey) const {
  TDataSkinBorder* element = Load(slot, section, kNoFrameKeys);
  if (element && FSource.Has(section, secondKey))
    FSource.Image(EnsureBitmap(element->SecondImage), section, secondKey);
}

void TElementLoader::BitmapKey(std::unique_ptr<TDataSkinBorder>& slot, const std::string& section) const {
  Load(slot, section, kBitmapKeys);
}

void TElementLoader::BoxLabel(std::unique_ptr<TDataSkinBoxLabel>& slot, const std::string& section) const {
  TDataSkinBoxLabel* element = Load(slot, section, kNoFrameKeys);
  if (!element) return;
  element->BackgroundAlignment = FSource.Int(section, "BackgroundAlignment", 0);
  element->BackgroundLeftShift = FSource.Int(section, "BackgroundLeftShift", 0);
  element->BackgroundRightShift = FSource.Int(section, "BackgroundRightShift", 0);
}
