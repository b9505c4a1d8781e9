#pragma once
#include <array>
#include <cstddef>
#include <cstdint>

// Layout of an expanded skin package: a 16-byte header (version, name list
// length, two reserved words), a version block that is skipped, the name
// list, one 32-bit size per entry, then the entries' contents.

constexpr size_t kSkinHeaderSize = 16;
constexpr size_t kSkinMaxEntries = 1001;
constexpr uint32_t kSkinDefaultVersion = 70000;

struct TSkinVersionInfo {
  uint32_t Version;
  uint32_t BlockSize;
};

inline constexpr std::array<TSkinVersionInfo, 6> kSkinVersions = {{
    {20000, 0}, {30000, 256}, {40000, 80}, {50000, 48}, {60000, 117}, {70000, 69}}};

// Finds the version block size of a known version; false for unknown ones.
bool SkinVersionBlockSize(uint32_t version, uint32_t& blockSize);
