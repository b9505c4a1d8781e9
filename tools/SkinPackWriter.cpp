#include "tools/SkinPackWriter.h"

#include <stdexcept>

#include "skin/data/ByteOrder.h"
#include "skin/data/SkinPackFormat.h"
#include "tools/LzhEncoder.h"

void TSkinPackWriter::SetVersion(uint32_t version) {
  uint32_t blockSize = 0;
  if (!SkinVersionBlockSize(version, blockSize)) {
    throw std::invalid_argument("unknown package version " + std::to_string(version));
  }
  FVersion = version;
}

void TSkinPackWriter::AddEntry(const std::string& name, std::vector<uint8_t> contents) {
  if (name.empty() || name.find_first_of("\r\n") != std::string::npos) {
    throw std::invalid_argument("entry name must be one non-empty line: \"" + name + "\"");
  }
  if (FEntries.size() >= kSkinMaxEntries) {
    throw std::invalid_argument("a package holds at most " + std::to_string(kSkinMaxEntries) +
                                " entries");
  }
  if (!FitsIn32(contents.size())) throw std::invalid_argument("entry too large: " + name);
  FEntries.push_back({name, std::move(contents)});
}

std::vector<uint8_t> TSkinPackWriter::BuildExpanded() const {
  std::string names;
  for (const TEntry& entry : FEntries) names += entry.Name + "\r\n";
  uint32_t blockSize = 0;
  SkinVersionBlockSize(FVersion, blockSize);

  std::vector<uint8_t> out;
  AppendLE32(out, FVersion);
  AppendLE32(out, static_cast<uint32_t>(names.size()));
  AppendLE32(out, 0);
  AppendLE32(out, 0);
  out.insert(out.end(), blockSize, 0);
  out.insert(out.end(), names.begin(), names.end());
  for (const TEntry& entry : FEntries) AppendLE32(out, static_cast<uint32_t>(entry.Contents.size()));
  for (const TEntry& entry : FEntries) {
    out.insert(out.end(), entry.Contents.begin(), entry.Contents.end());
  }
  return out;
}

std::vector<uint8_t> TSkinPackWriter::Build() const {
  return TLzhEncoder::Compress(BuildExpanded());
}
