#pragma once
#include <cstdint>
#include <string>
#include <vector>

// Builds skin packages that TSkinReader reads: header, a zero-filled
// version block, the name list (CR LF after each name), the sizes and the
// contents.
class TSkinPackWriter {
 public:
  // Throws std::invalid_argument for a version the reader does not know.
  void SetVersion(uint32_t version);
  uint32_t Version() const { return FVersion; }

  // Throws std::invalid_argument for an empty name, one holding a line
  // break, or when the package already holds the most entries allowed.
  void AddEntry(const std::string& name, std::vector<uint8_t> contents);

  std::vector<uint8_t> BuildExpanded() const;
  // The expanded package, compressed.
  std::vector<uint8_t> Build() const;

 private:
  struct TEntry {
    std::string Name;
    std::vector<uint8_t> Contents;
  };

  uint32_t FVersion = 70000;
  std::vector<TEntry> FEntries;
};
