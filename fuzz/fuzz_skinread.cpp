// Feeds arbitrary bytes to the package reader, both as an expanded package
// (to reach the layout checks directly) and as a compressed one.
#include <cstdint>
#include <cstdlib>
#include <string>

#include "skin/data/SkinRead.h"

namespace {

// Packages stating more are refused before they are expanded. Random bytes
// decode to long output, and the expansion of each input was most of this
// target's time; the layout checks need no more than 16 KB to be reached
// (the decoder itself has a target of its own).
constexpr uint32_t kFuzzMaxSize = 1u << 14;

// Every entry the reader accepted must extract exactly its stated size.
void ExtractEverything(const TSkinReader& reader) {
  std::vector<uint8_t> out;
  uint64_t total = 0;
  for (size_t i = 0; i < reader.Count(); ++i) {
    if (!reader.ExtractAt(i, out) || out.size() != reader.Size(i)) std::abort();
    total += out.size();
    reader.ExtractByName(reader.Names()[i], out);
  }
  if (total > reader.Contents().size()) std::abort();
  reader.FindByPart(".ini", out);
  reader.ExtractByName("BUTTONS.BMP", out);
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  TSkinReader reader;
  reader.SetMessageProc([](const std::string&) {});
  reader.SetMaxExpandedSize(kFuzzMaxSize);
  if (reader.LoadExpanded(data, size)) ExtractEverything(reader);
  try {
    if (reader.Load(data, size)) ExtractEverything(reader);
  } catch (const ElzhException&) {
  }
  return 0;
}
