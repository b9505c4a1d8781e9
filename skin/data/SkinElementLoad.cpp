#include "skin/data/SkinElementLoad.h"
#include "skin/data/SkinImages.h"

void TElementLoader::Fill(TDataSkinObject& element, const std::string& section, const TElementKeys& keys) const {
  const TSkinSource& s = FSource;
  s.Image(EnsureBitmap(element.Image), section, keys.ImageKey);
  if (keys.ReadStyle) element.Style = s.Int(section, kStyleKey, 0);
  element.LeftWidth = s.Int(section, kMarginKeys[0], 0);
  element.RightWidth = s.Int(section, kMarginKeys[2], 0);
  element.TopHeight = s.Int(section, kMarginKeys[1], 0);
  element.BottomHeight = s.Int(section, kMarginKeys[3], 0);
  if (keys.ReadFrame) element.FrameCount = s.Int(section, kFrameKey, 0);
  element.Trans = s.Int(section, kTransKey, 0);
  element.Tile = s.Int(section, kTileKey, 0);
  if (keys.ReadColours) {
    element.NormalColour = s.Int(section, kTextColourKeys[0], -1);
    element.MouseOverColour = s.Int(section, kTextColourKeys[1], -1);
    element.PressedColour = s.Int(section, kTextColourKeys[2], -1);
    element.NormalColour2 = s.Colour(section, kSecondColourKeys[0], FSecondColourDefault);
    element.MouseOverColour2 = s.Colour(section, kSecondColourKeys[1], FSecondColourDefault);
    element.PressedColour2 = s.Colour(section, kSecondColourKeys[2], FSecondColourDefault);
  }
  if (element.Tile > 1) element.Tile = keys.TileAboveOne;
}

template <class T>
T* TElementLoader::Load(std::unique_ptr<T>& slot, const TElementSection& row) const {
  slot.reset();  // a section that names no image leaves the slot empty
  if (!FSource.Has(row.Section, row.Keys->ImageKey)) return nullptr;
  slot = std::make_unique<T>(ElementName(row.Section));
  Fill(*slot, row.Section, *row.Keys);
  return slot.get();
}

void TElementLoader::Element(std::unique_ptr<TDataSkinObject>& slot, const TElementSection& row) const {
  Load(slot, row);
}

void TElementLoader::Element(std::unique_ptr<TDataSkinBorder>& slot, const TElementSection& row) const {
  TDataSkinBorder* element = Load(slot, row);
  if (element && row.SecondImageKey && FSource.Has(row.Section, row.SecondImageKey))
    FSource.Image(EnsureBitmap(element->SecondImage), row.Section, row.SecondImageKey);
}

void TElementLoader::Element(std::unique_ptr<TDataSkinBoxLabel>& slot, const TElementSection& row) const {
  TDataSkinBoxLabel* element = Load(slot, row);
  if (!element) return;
  element->BackgroundAlignment = FSource.Int(row.Section, kBoxLabelKeys[0], 0);
  element->BackgroundLeftShift = FSource.Int(row.Section, kBoxLabelKeys[1], 0);
  element->BackgroundRightShift = FSource.Int(row.Section, kBoxLabelKeys[2], 0);
}
