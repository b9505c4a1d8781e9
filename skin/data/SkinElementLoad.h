// The element loaders: each reads one INI section into a new element of its
// slot, or leaves the slot empty when the section names no image.
#pragma once
#include "skin/data/DataSkinObject.h"
#include "skin/data/SkinIniNames.h"
#include "skin/data/SkinSource.h"
#include <memory>
#include <string>

class TElementLoader {
public:
  // secondColourDefault: the skin's ButtonText colour, the default of every
  // second-colour key.
  TElementLoader(const TSkinSource& source, TColor secondColourDefault)
      : FSource(source), FSecondColourDefault(secondColourDefault) {}

  // The routine every loader shares: fills the fields keys names from section.
  void Fill(TDataSkinObject& element, const std::string& section, const TElementKeys& keys) const;

  // Loads the element of row into slot: the keys row.Keys names, then the
  // extras of the slot's class (SecondImage from row.SecondImageKey when it
  // has a value; the background alignment and shifts of a box label).
  void Element(std::unique_ptr<TDataSkinObject>& slot, const TElementSection& row) const;
  void Element(std::unique_ptr<TDataSkinBorder>& slot, const TElementSection& row) const;
  void Element(std::unique_ptr<TDataSkinBoxLabel>& slot, const TElementSection& row) const;

private:
  template <class T>
  T* Load(std::unique_ptr<T>& slot, const TElementSection& row) const;

  const TSkinSource& FSource;
  TColor FSecondColourDefault;
};
