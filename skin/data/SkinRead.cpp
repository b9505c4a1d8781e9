#include "skin/data/SkinRead.h"

#include <iostream>
#include <utility>

#include "skin/data/AsciiText.h"
#include "skin/data/ByteOrder.h"
#include "skin/data/SkinPackExpand.h"
#include "skin/data/SkinPackFormat.h"
#include "skin/data/TextLines.h"

namespace {

void WriteToStderr(const std::string& text) { std::cerr << text << std::endl; }

// Offsets are computed in 64 bits so that sizes read from the package can
// not wrap around; each region must lie inside the expanded data.
bool FitsIn(uint64_t start, uint64_t length, uint64_t total) {
  return start <= total && length <= total - start;
}

}  // namespace

TSkinReader::TSkinReader() : FMessage(WriteToStderr) {}

void TSkinReader::SetMessageProc(TSkinMessageProc proc) {
  FMessage = proc ? std::move(proc) : TSkinMessageProc(WriteToStderr);
}

bool TSkinReader::Refuse(const std::string& reason) {
  FLastError = reason;
  return false;
}

bool TSkinReader::Load(const uint8_t* data, size_t size) {
  std::vector<uint8_t> expanded;
  std::string why;
  if (!ExpandWholePackage(data, size, FMaxExpandedSize, expanded, why)) return Refuse(why);
  return LoadExpanded(expanded.data(), expanded.size());
}

bool TSkinReader::LoadExpanded(const uint8_t* data, size_t size) {
  if (data == nullptr || size < kSkinHeaderSize) return Refuse("package too short for its header");
  TSkinPackHeader header;
  header.Version = ReadLE32(data);
  header.NamesLength = ReadLE32(data + 4);
  header.Reserved1 = ReadLE32(data + 8);
  header.Reserved2 = ReadLE32(data + 12);

  uint32_t blockSize = 0;
  if (!SkinVersionBlockSize(header.Version, blockSize)) {
    FMessage(kOlderSkinMessage);
    return Refuse("unknown package version " + std::to_string(header.Version));
  }

  const uint64_t namesStart = kSkinHeaderSize + uint64_t{blockSize};
  if (!FitsIn(namesStart, header.NamesLength, size)) return Refuse("name list runs past the end");
  const std::string nameText(reinterpret_cast<const char*>(data + namesStart), header.NamesLength);
  // The size table of the format holds at most this many entries.
  std::vector<std::string> names = SplitLines(LowerAscii(nameText), kSkinMaxEntries);
  if (names.size() > kSkinMaxEntries) return Refuse("too many entries");

  const uint64_t sizesStart = namesStart + header.NamesLength;
  if (!FitsIn(sizesStart, 4 * uint64_t{names.size()}, size)) {
    return Refuse("size table runs past the end");
  }
  const uint64_t contentsStart = sizesStart + 4 * uint64_t{names.size()};

  // An entry running past the contents makes the whole package damaged: we
  // refuse it rather than hand out partial bitmaps. Extra bytes after the
  // last entry are allowed (the decoder may finish a match past the size).
  std::vector<uint32_t> sizes(names.size());
  std::vector<uint64_t> offsets(names.size());
  uint64_t offset = 0;
  for (size_t i = 0; i < names.size(); ++i) {
    sizes[i] = ReadLE32(data + sizesStart + 4 * i);
    offsets[i] = offset;
    offset += sizes[i];
  }
  if (offset > size - contentsStart) return Refuse("entry sizes exceed the contents");

  FHeader = header;
  FNames = std::move(names);
  FSizes = std::move(sizes);
  FOffsets = std::move(offsets);
  FContents.assign(data + contentsStart, data + size);
  FLastError.clear();
  return true;
}

void TSkinReader::CopyEntry(size_t index, std::vector<uint8_t>& out) const {
  // Load guarantees every entry lies inside FContents.
  const auto begin = FContents.begin() + static_cast<std::ptrdiff_t>(FOffsets[index]);
  out.assign(begin, begin + FSizes[index]);
}

bool TSkinReader::ExtractAt(size_t index, std::vector<uint8_t>& out) const {
  out.clear();
  if (index >= FNames.size()) return false;
  CopyEntry(index, out);
  return true;
}

bool TSkinReader::ExtractByName(const std::string& name, std::vector<uint8_t>& out) const {
  out.clear();
  const std::string wanted = LowerAscii(name);
  for (size_t i = 0; i < FNames.size(); ++i) {
    if (FNames[i] == wanted) {
      CopyEntry(i, out);
      return true;
    }
  }
  return false;
}

std::string TSkinReader::FindByPart(const std::string& part, std::vector<uint8_t>& out) const {
  out.clear();
  // A search for nothing finds nothing.
  if (part.empty()) return std::string();
  for (size_t i = 0; i < FNames.size(); ++i) {
    if (FNames[i].find(part) != std::string::npos) {
      CopyEntry(i, out);
      return FNames[i];
    }
  }
  return std::string();
}
