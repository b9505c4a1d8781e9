// Checks a WAV file's layout before it is handed to the sound service from
// memory, which trusts the sizes written in the file.
#pragma once
#include <cstddef>
#include <cstdint>

// True when data is a RIFF WAVE whose chunks all lie inside it and which has
// a format chunk of at least 16 bytes and a data chunk.
bool IsPlayableWave(const uint8_t* data, size_t size);
