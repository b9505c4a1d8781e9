#include "skin/data/SkinSource.h"
#include "skin/data/SkinColourText.h"
#include "skin/data/SkinImages.h"
#include "skin/data/WinSkinData.h"

std::string TSkinSource::Text(const std::string& section, const std::string& key) const {
  return FIni.ReadString(section, key, "");
}

bool TSkinSource::Has(const std::string& section, const std::string& key) const {
  return !Text(section, key).empty();
}

int TSkinSource::Int(const std::string& section, const std::string& key, int def) const {
  return FIni.ReadInteger(section, key, def);
}

TColor TSkinSource::Colour(const std::string& section, const std::string& key, TColor def) const {
  return SkinColourFromText(Text(section, key), def);
}

void TSkinSource::Image(TBitmap& target, const std::string& section, const std::string& key) const {
  LoadSkinImage(target, FReader, Text(section, key));
}

std::vector<std::string> TSkinSource::Sections() const {
  std::vector<std::string> names;
  FIni.ReadSections(&names);
  return names;
}

std::string UpperAscii(std::string text) {
  for (char& c : text)
    if (c >= 'a' && c <= 'z') c = char(c - 'a' + 'A');
  return text;
}

std::wstring ElementName(const std::string& section) { return AnsiToWide(section); }
