#pragma once
#include <cstddef>
#include <cstdint>
#include <functional>
#include <memory>
#include <stdexcept>
#include <string>
#include <vector>

#include "skin/data/LzhBitInput.h"

inline constexpr const char* kLzhNoMemoryMessage = "LZH : Cannot get memory for dictionary tables";
// Kept for callers that match on it: freeing can not fail here, so it is never raised.
inline constexpr const char* kLzhFreeMessage = "LZH : Error freeing memory for dictionary tables";
inline constexpr const char* kLzhTooLargeMessage = "LZH : Stated size exceeds the limit";
inline constexpr const char* kLzhNoSizeMessage = "LZH : Input too short for the size field";

class ElzhException : public std::runtime_error {
 public:
  explicit ElzhException(const std::string& message) : std::runtime_error(message) {}
};

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
  // ElzhException when size exceeds MaxSize() or the tables can not be had.
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
  void DecodeLoop(uint32_t size, TLzhBitInput& bits, TOutput& output);

  std::unique_ptr<TTables> FTables;
  uint32_t FMaxSize = kDefaultMaxSize;
};
