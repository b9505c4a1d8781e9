#pragma once
#include <cstddef>
#include <cstdint>
#include <functional>
#include <string>
#include <vector>

#include "skin/data/LZH.h"

// Shows a message to the user. The Windows program puts a message box here;
// the default writes the text to stderr.
using TSkinMessageProc = std::function<void(const std::string& text)>;

struct TSkinPackHeader {
  uint32_t Version = 0;
  uint32_t NamesLength = 0;
  uint32_t Reserved1 = 0;
  uint32_t Reserved2 = 0;
};

// Expands a skin package and hands out its entries by name.
class TSkinReader {
 public:
  static constexpr const char* kOlderSkinMessage =
      "This is Older Skin File\rPlease update to new version !";

  TSkinReader();

  // An empty proc restores the default.
  void SetMessageProc(TSkinMessageProc proc);
  void SetMaxExpandedSize(uint32_t maxSize) { FMaxExpandedSize = maxSize; }

  // Loads a compressed package (4-byte size + LZHUF stream). Returns false,
  // leaving the reader as it was, for an unknown version (after showing the
  // message) or a damaged package: a stream that is cut, runs on past its
  // end or disagrees with its size, or a layout that does not fit (see
  // LastError(); nothing is shown). Decoder errors propagate as ElzhException.
  bool Load(const uint8_t* data, size_t size);
  // The same for a package that is already expanded.
  bool LoadExpanded(const uint8_t* data, size_t size);

  // Clears out; copies the first entry named name (any letter case) into it.
  // Returns whether an entry was found (it may be empty).
  bool ExtractByName(const std::string& name, std::vector<uint8_t>& out) const;
  // Clears out; copies the first entry whose name contains part (as given:
  // names are lower case) and returns its name, or "" when none does.
  std::string FindByPart(const std::string& part, std::vector<uint8_t>& out) const;
  // Clears out; copies entry index. False when index is out of range.
  bool ExtractAt(size_t index, std::vector<uint8_t>& out) const;

  const std::vector<std::string>& Names() const { return FNames; }
  size_t Count() const { return FNames.size(); }
  uint32_t Size(size_t index) const { return index < FSizes.size() ? FSizes[index] : 0; }
  const TSkinPackHeader& Header() const { return FHeader; }
  const std::vector<uint8_t>& Contents() const { return FContents; }
  const std::string& LastError() const { return FLastError; }

 private:
  bool Refuse(const std::string& reason);
  void CopyEntry(size_t index, std::vector<uint8_t>& out) const;

  TSkinMessageProc FMessage;
  uint32_t FMaxExpandedSize = TLZH::kDefaultMaxSize;
  TSkinPackHeader FHeader;
  std::vector<std::string> FNames;
  std::vector<uint32_t> FSizes;
  std::vector<uint64_t> FOffsets;  // start of each entry in FContents
  std::vector<uint8_t> FContents;
  std::string FLastError;
};
