#pragma once
// Lays out expanded skin packages byte by byte, independently of the
// package writer, including damaged ones.
#include <cstdint>
#include <string>
#include <vector>

#include "skin/data/ByteOrder.h"

struct TRawPackage {
  uint32_t Version = 70000;
  uint32_t BlockSize = 69;
  std::string Names;              // the name list text as stored
  std::vector<uint32_t> Sizes;    // one per entry, as stored
  std::vector<uint8_t> Contents;  // all entries back to back
  uint32_t Reserved1 = 0xDEADBEEF;
  uint32_t Reserved2 = 0x01020304;

  // Adds an entry whose stored size is its true size.
  TRawPackage& Add(const std::string& name, const std::string& contents) {
    Names += name + "\r\n";
    Sizes.push_back(static_cast<uint32_t>(contents.size()));
    Contents.insert(Contents.end(), contents.begin(), contents.end());
    return *this;
  }

  size_t NamesOffset() const { return 16 + BlockSize; }

  std::vector<uint8_t> Bytes() const {
    std::vector<uint8_t> out;
    AppendLE32(out, Version);
    AppendLE32(out, static_cast<uint32_t>(Names.size()));
    AppendLE32(out, Reserved1);
    AppendLE32(out, Reserved2);
    out.insert(out.end(), BlockSize, 0xEE);  // not read: any value will do
    out.insert(out.end(), Names.begin(), Names.end());
    for (uint32_t size : Sizes) AppendLE32(out, size);
    out.insert(out.end(), Contents.begin(), Contents.end());
    return out;
  }
};
