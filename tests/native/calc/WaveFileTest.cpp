// Only WAV files whose chunks lie inside them are played from memory.
#include "app/WaveFile.h"
#include <gtest/gtest.h>
#include <string>
#include <vector>

namespace {
std::vector<uint8_t> Le(uint32_t v) { return {uint8_t(v), uint8_t(v >> 8), uint8_t(v >> 16), uint8_t(v >> 24)}; }

void Append(std::vector<uint8_t>& out, const std::vector<uint8_t>& more) { out.insert(out.end(), more.begin(), more.end()); }

std::vector<uint8_t> Chunk(const char* id, uint32_t statedSize, size_t realSize) {
  std::vector<uint8_t> c(id, id + 4);
  Append(c, Le(statedSize));
  c.resize(c.size() + realSize, 0);
  return c;
}

// RIFF header stating riffSize, then the chunks.
std::vector<uint8_t> Wave(uint32_t riffSize, const std::vector<std::vector<uint8_t>>& chunks) {
  std::vector<uint8_t> w = {'R', 'I', 'F', 'F'};
  Append(w, Le(riffSize));
  Append(w, {'W', 'A', 'V', 'E'});
  for (const auto& c : chunks) Append(w, c);
  return w;
}

std::vector<uint8_t> Good() { return Wave(4 + 24 + 12, {Chunk("fmt ", 16, 16), Chunk("data", 4, 4)}); }
}  // namespace

TEST(CalcWaveFile, WellFormedFileIsPlayable) {
  std::vector<uint8_t> w = Good();
  EXPECT_TRUE(IsPlayableWave(w.data(), w.size()));
}

TEST(CalcWaveFile, DamagedFilesAreNot) {
  struct { const char* What; std::vector<uint8_t> Bytes; } cases[] = {
      {"empty", {}},
      {"not RIFF", Wave(0, {})},
      {"RIFF size past the end", Wave(0x7FFFFFFF, {Chunk("fmt ", 16, 16), Chunk("data", 4, 4)})},
      {"data chunk past the end", Wave(40, {Chunk("fmt ", 16, 16), Chunk("data", 0xFFFFFFF0, 4)})},
      {"no data chunk", Wave(28, {Chunk("fmt ", 16, 16)})},
      {"short format chunk", Wave(32, {Chunk("fmt ", 8, 8), Chunk("data", 4, 4)})},
  };
  cases[1].Bytes[0] = 'X';
  for (const auto& c : cases) EXPECT_FALSE(IsPlayableWave(c.Bytes.data(), c.Bytes.size())) << c.What;
  std::vector<uint8_t> truncated = Good();
  truncated.pop_back();
  EXPECT_FALSE(IsPlayableWave(truncated.data(), truncated.size()));
}

TEST(CalcWaveFile, ShippedVoicesArePlayable) {
  // The recordings next to the sources, read as the program reads them.
  for (const char* name : {"0.wav", "9.wav", "10.wav", "E.wav"}) {
    std::string path = std::string(VOICE_DIR) + "/" + name;
    FILE* f = fopen(path.c_str(), "rb");
    ASSERT_NE(f, nullptr) << path;
    std::vector<uint8_t> bytes;
    for (int c; (c = fgetc(f)) != EOF;) bytes.push_back(uint8_t(c));
    fclose(f);
    EXPECT_TRUE(IsPlayableWave(bytes.data(), bytes.size())) << name;
  }
}
