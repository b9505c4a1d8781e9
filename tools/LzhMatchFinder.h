#pragma once
#include <cstdint>
#include <vector>

// Longest-match search over the LZHUF window with one binary search tree per
// first byte. The window is followed by a copy of its first kMaxMatch-1
// bytes, so comparisons never wrap.
class TLzhMatchFinder {
 public:
  TLzhMatchFinder();

  uint8_t At(int pos) const { return FText[pos]; }
  // Stores a byte at a window position, keeping the tail copy current.
  void Put(int pos, uint8_t byte);
  // Adds the string at pos to the tree and records the longest earlier match.
  void Insert(int pos);
  // Removes the string at pos from the tree (if it is there).
  void Delete(int pos);

  int MatchLength() const { return FMatchLength; }
  // Distance back from pos minus one, as the format stores it.
  int MatchPosition() const { return FMatchPosition; }

 private:
  void ReplaceNode(int oldNode, int newNode);

  std::vector<uint8_t> FText;
  std::vector<int> FLeft;
  std::vector<int> FRight;
  std::vector<int> FParent;
  int FMatchLength = 0;
  int FMatchPosition = 0;
};
