#pragma once
#include <cstddef>
#include <cstdint>
#include <vector>

// The straightforward LZHUF decoder, written from the algorithm as the
// benchmark's baseline: bits read one at a time through a 16-bit buffer, the
// tree walked one bit per level, a linear search for the swap position in
// the frequency update, and every byte copied through the 4096-byte ring.
// Input: a little-endian 32-bit size, then the stream; missing input bytes
// read as 0.
std::vector<uint8_t> ClassicLzhExpand(const uint8_t* data, size_t size);
