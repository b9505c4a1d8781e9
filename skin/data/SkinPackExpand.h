// Expanding a compressed skin package only when its stream is whole.
#pragma once
#include <cstddef>
#include <cstdint>
#include <string>
#include <vector>

// Expands a compressed package (a little-endian 32-bit size, then the LZHUF
// stream) into out when the stream is whole: it decodes to exactly its
// stated size, every byte of the input is read, and nothing past the input
// is needed. A cut or damaged stream otherwise decodes quietly to garbage of
// the right length (the decoder reads missing bytes as 0). False, with the
// reason in why and out untouched, for such a stream; the decoder's own
// errors (no size field, a size above maxSize) propagate as ElzhException.
bool ExpandWholePackage(const uint8_t* data, size_t size, uint32_t maxSize, std::vector<uint8_t>& out,
                        std::string& why);
