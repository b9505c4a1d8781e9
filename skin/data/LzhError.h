#pragma once
// The decoder's one exception class and its messages, shared by the bit
// reader and the decoder.
#include <stdexcept>
#include <string>

inline constexpr const char* kLzhNoMemoryMessage = "LZH : Cannot get memory for dictionary tables";
// Kept for callers that match on it: freeing can not fail here, so it is never raised.
inline constexpr const char* kLzhFreeMessage = "LZH : Error freeing memory for dictionary tables";
inline constexpr const char* kLzhTooLargeMessage = "LZH : Stated size exceeds the limit";
inline constexpr const char* kLzhNoSizeMessage = "LZH : Input too short for the size field";
inline constexpr const char* kLzhInputEndedMessage = "LZH : Input ended before the stated size";

class ElzhException : public std::runtime_error {
 public:
  explicit ElzhException(const std::string& message) : std::runtime_error(message) {}
};
