#include "skin/data/LzhCodeTable.h"

#include <algorithm>
#include <cstddef>
#include <cstring>

using namespace lzh;

TLzhCodeTable::TLzhCodeTable(const TLzhHuffTree& tree) : FTree(tree) { Rebuilt(); }

void TLzhCodeTable::Rebuilt() {
  FDepth.fill(kNotCovered);
  TPath path{};
  Fill(kRootNode, 0, 0, path);
}

// Records node as reached by code (depth bits, through the nodes in path)
// and fills the entries of all codes that start with it.
void TLzhCodeTable::Fill(int node, int depth, unsigned code, TPath& path) {
  FDepth[node] = static_cast<uint8_t>(depth);
  FCode[node] = static_cast<uint16_t>(code);
  if (depth > 0) path[depth - 1] = static_cast<uint16_t>(node);
  const int child = FTree.Child(node);
  if (child >= kNodeCount || depth == kBits) {
    const int spare = kBits - depth;
    const TEntry entry{static_cast<uint16_t>(child), static_cast<uint16_t>(depth), path};
    std::fill_n(FEntries.begin() + (code << spare), 1u << spare, entry);
    return;
  }
  Fill(child, depth + 1, code << 1, path);
  Fill(child + 1, depth + 1, (code << 1) | 1, path);
}

// Forgets the covered nodes below node: they may have moved out of reach.
void TLzhCodeTable::Uncover(int node) {
  const int child = FTree.Child(node);
  if (child >= kNodeCount) return;
  for (const int next : {child, child + 1}) {
    if (FDepth[next] == kNotCovered) continue;
    FDepth[next] = kNotCovered;
    Uncover(next);
  }
}

// Gives the covered nodes below depth on the paths of count entries from
// slot first the codes of those slots: each entry names them all, so this
// needs no walk down the tree and no test of which nodes are covered.
void TLzhCodeTable::RecodeBelow(size_t first, size_t count, int depth) {
  for (size_t slot = first; slot < first + count; ++slot) {
    const TEntry& entry = FEntries[slot];
    for (int level = depth + 1; level <= entry.Bits; ++level) {
      FCode[entry.Path[level - 1]] = static_cast<uint16_t>(slot >> (kBits - level));
    }
  }
}

namespace {

// What each word of an entry trades when two subtrees at a depth are
// exchanged: everything but the path down to the node they hang from (its
// first depth nodes), which stays with the slot.
struct TEntryMoves {
  uint64_t Words[TLzhCodeTable::kBits + 1][2];
};

TEntryMoves MakeEntryMoves() {
  TEntryMoves moves{};
  for (int depth = 0; depth <= TLzhCodeTable::kBits; ++depth) {
    uint8_t stayBytes[sizeof(TLzhCodeTable::TEntry)] = {};
    std::fill_n(stayBytes + offsetof(TLzhCodeTable::TEntry, Path), depth * sizeof(uint16_t), uint8_t{0xFF});
    std::memcpy(moves.Words[depth], stayBytes, sizeof stayBytes);
    moves.Words[depth][0] = ~moves.Words[depth][0];
    moves.Words[depth][1] = ~moves.Words[depth][1];
  }
  return moves;
}

const TEntryMoves kEntryMoves = MakeEntryMoves();

}  // namespace

void TLzhCodeTable::SwapBelow(int a, int b, int depth) {
  // Each subtree keeps its shape and depths; only the path down to the node
  // it hangs from and the leading bits of its codes change. So the entries
  // trade everything but the first depth nodes of their paths, which stay
  // with their slots: one masked exchange of two words per entry pair
  // instead of a swap and two copies of a varying length.
  static_assert(sizeof(TEntry) == 2 * sizeof(uint64_t), "an entry is two words with no padding");
  const uint64_t* const moves = kEntryMoves.Words[depth];
  const int spare = kBits - depth;
  const size_t count = size_t{1} << spare;
  const size_t firstA = static_cast<size_t>(FCode[a]) << spare;
  const size_t firstB = static_cast<size_t>(FCode[b]) << spare;
  TEntry* const underA = &FEntries[firstA];
  TEntry* const underB = &FEntries[firstB];
  for (size_t i = 0; i < count; ++i) {
    uint64_t x[2], y[2];
    std::memcpy(x, &underA[i], sizeof x);
    std::memcpy(y, &underB[i], sizeof y);
    for (int w = 0; w < 2; ++w) {
      const uint64_t differ = (x[w] ^ y[w]) & moves[w];
      x[w] ^= differ;
      y[w] ^= differ;
    }
    std::memcpy(&underA[i], x, sizeof x);
    std::memcpy(&underB[i], y, sizeof y);
  }
  // Most exchanges within the table are at its last level, with no
  // covered nodes below.
  if (depth == kBits) return;
  RecodeBelow(firstA, count, depth);
  RecodeBelow(firstB, count, depth);
}

void TLzhCodeTable::Refill(int a, int b) {
  // a and b kept their places; what hangs below them changed. They have
  // equal frequencies, so neither lies below the other. Mostly they are at
  // one depth: then the entries below them trade places.
  if (FDepth[a] == FDepth[b]) {
    SwapBelow(a, b, FDepth[a]);
    return;
  }
  Uncover(a);
  Uncover(b);
  for (const int node : {a, b}) {
    const int depth = FDepth[node];
    if (depth == kNotCovered) continue;
    // The nodes down to node are unchanged: any entry of its codes has them.
    TPath path = FEntries[static_cast<size_t>(FCode[node]) << (kBits - depth)].Path;
    Fill(node, depth, FCode[node], path);
  }
}
