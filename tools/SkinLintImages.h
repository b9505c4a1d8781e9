// skinpack lint's image checks: every image the INI names must be there, be
// a 24-bit BMP keyed with exactly magenta, divide into the frames the loader
// gives its element, and leave room for the element's margins in a frame.
#pragma once
#include <cstdint>
#include <map>
#include <set>
#include <string>
#include <vector>

#include "tools/SkinLint.h"
#include "tools/SkinLintIni.h"

struct TLintImageFile {
  std::string Shown;  // how findings name the file
  std::vector<uint8_t> Bytes;
};
// A skin's BMP entries by entry name (lower case).
using TLintImages = std::map<std::string, TLintImageFile>;

// Checks every image value of the INI; returns the entry names the values
// name, found or not.
std::set<std::string> CheckSkinImages(const TLintIni& ini, const TLintImages& images,
                                      std::vector<TLintFinding>& findings);
