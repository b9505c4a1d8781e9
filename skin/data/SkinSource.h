// What a skin is built from: the package's entries and its INI description,
// read by the rules every loading step shares.
#pragma once
#include "host/Bitmap.h"
#include "skin/data/SkinRead.h"
#include "skin/data/WinSkinIni.h"
#include <string>
#include <vector>

class TSkinSource {
public:
  TSkinSource(const TSkinReader& reader, const TQuickIni& ini) : FReader(reader), FIni(ini) {}

  // The key's value, "" when absent or empty.
  std::string Text(const std::string& section, const std::string& key) const;
  // Whether the key has a non-empty value.
  bool Has(const std::string& section, const std::string& key) const;
  int Int(const std::string& section, const std::string& key, int def) const;
  // The key's value as a skin colour text; def when it has none.
  TColor Colour(const std::string& section, const std::string& key, TColor def) const;
  // The image the key names, or an empty target.
  void Image(TBitmap& target, const std::string& section, const std::string& key) const;
  // The section names, in file order.
  std::vector<std::string> Sections() const;

private:
  const TSkinReader& FReader;
  const TQuickIni& FIni;
};

// ASCII letters upper-cased, as section names are compared.
std::string UpperAscii(std::string text);
// A section name (ANSI text) as an element name.
std::wstring ElementName(const std::string& section);
