#include "skin/data/SkinPackFormat.h"

bool SkinVersionBlockSize(uint32_t version, uint32_t& blockSize) {
  for (const TSkinVersionInfo& info : kSkinVersions) {
    if (info.Version == version) {
      blockSize = info.BlockSize;
      return true;
    }
  }
  return false;
}
