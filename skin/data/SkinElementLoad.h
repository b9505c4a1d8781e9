// The element loaders: each reads one INI section into a new element of its
// slot, or leaves the slot empty when the section names no image.
#pragma once
#include "skin/data/DataSkinObject.h"
#include "skin/data/SkinSource.h"
#include <memory>
#include <string>

// What a loader reads besides the four slice widths, Trans and Tile.
struct TElementKeys {
  const char* ImageKey;  // the key naming the image; its value decides whether the element exists
  bool ReadStyle;
  bool ReadFrame;        // FrameCount from "Frame"
  bool ReadColours;      // the three text colours and the three second colours
  int TileAboveOne;      // what a Tile above 1 becomes
};

class TElementLoader {
public:
  // secondColourDefault: the skin's ButtonText colour, the default of every
  // second-colour key.
  TElementLoader(const TSkinSource& source, TColor secondColourDefault)
      : FSource(source), FSecondColourDefault(secondColourDefault) {}

  // The routine every loader shares: fills the fields keys names from section.
  void Fill(TDataSkinObject& element, const std::string& section, const TElementKeys& keys) const;

  void Common(std::unique_ptr<TDataSkinObject>& slot, const std::string& section) const;
  // As Common without "Frame"; SecondImage from secondKey when it has a value.
  void TwoImage(std::unique_ptr<TDataSkinBorder>& slot, const std::string& section,
                const std::string& secondKey) const;
  // Image from "Bitmap"; no colours, no "Frame".
  void BitmapKey(std::unique_ptr<TDataSkinBorder>& slot, const std::string& section) const;
  // As Common without "Frame", with the background alignment and shifts.
  void BoxLabel(std::unique_ptr<TDataSkinBoxLabel>& slot, const std::string& section) const;

private:
  template <class T>
  T* Load(std::unique_ptr<T>& slot, const std::string& section, const TElementKeys& keys) const;

  const TSkinSource& FSource;
  TColor FSecondColourDefault;
};
