#pragma once
#include <cstddef>
#include <cstdint>
#include <functional>
#include <memory>
#include <vector>

#include "skin/data/LzhBitInput.h"
#include "skin/data/LzhError.h"

// Appends count bytes to the output.
using TLzhWriteProc = std::function<void(const uint8_t* data, size_t count)>;

// LZHUF decoder. One object serves one expansion at a time; its tables exist
// only while a decode runs and are freed when it ends, also on failure.
class TLZH {
 public:
  // A stated size is trusted only up to this many bytes: skins are a few
  // hundred KB, and a hostile size must not make us produce gigabytes.
  static constexpr uint32_t kDefaultMaxSize = 16u * 1024 * 1024;

  TLZH();
  ~TLZH();
  TLZH(const TLZH&) = delete;
  TLZH& operator=(const TLZH&) = delete;

  void SetMaxSize(uint32_t maxSize) { FMaxSize = maxSize; }
  uint32_t MaxSize() const { return FMaxSize; }
  bool HasTables() const { return FTables != nullptr; }

  // Decodes symbols until at least size bytes were written. A match is never
  // cut, so up to kMaxMatch - 1 bytes more may be written. Throws
  // ElzhException when size exceeds MaxSize(), the tables can not be had, or
  // the input ends clearly before size bytes were decoded (see TLzhBitInput).
  void LZHUnpack(uint32_t size, const TLzhReadProc& read, const TLzhWriteProc& write);

  // Expands a compressed package: a little-endian 32-bit size, then the stream.
  static std::vector<uint8_t> Expand(const uint8_t* data, size_t size,
                                     uint32_t maxSize = kDefaultMaxSize);

 private:
  struct TTables;
  class TOutput;

  void AllocateTables();
  int DecodeChar(TLzhBitInput& bits);
  int DecodePosition(TLzhBitInput& bits);
  uint64_t DecodeRun(uint64_t count, uint32_t size, TLzhBitInput& bits, TOutput& output);
  uint64_t DecodeOne(uint64_t count, TLzhBitInput& bits, TOutput& output);
  void DecodeLoop(uint32_t size, TLzhBitInput& bits, TOutput& output);

  std::unique_ptr<TTables> FTables;
  uint32_t FMaxSize = kDefaultMaxSize;
};
