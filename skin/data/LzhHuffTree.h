#pragma once
#include <array>
#include <cstddef>
#include <cstdint>
#include <cstring>
#if defined(__SSE2__)
#include <emmintrin.h>
#endif

#include "skin/data/LzhParams.h"

// The adaptive Huffman tree of LZHUF, shared by the decoder and the encoder.
// Nodes 0 .. kNodeCount-1 are kept sorted by frequency; a node's child entry
// names the first of two adjacent sibling nodes, or symbol + kNodeCount for a
// leaf. Every operation keeps all indexes inside the tables whatever symbols
// it is fed, so hostile input can only choose among valid leaves.
class TLzhHuffTree {
 public:
  TLzhHuffTree();

  // Puts the tree back into its starting shape: every symbol with frequency 1.
  void Start();

  // Counts one more occurrence of a symbol (0 .. kSymbolCount-1).
  void Update(int symbol) {
    TNoWatcher none;
    Update(symbol, none);
  }

  // The same, telling watcher where the shape changed: Rebuilt() after a
  // rebuild, Swapped(a, b) after the subtrees of nodes a and b were
  // exchanged. Inline: it runs once per decoded symbol.
  template <typename TWatcher>
  void Update(int symbol, TWatcher& watcher) {
    if (FFreq[lzh::kRootNode] == lzh::kMaxFreq) {
      Rebuild();
      watcher.Rebuilt();
    }
    size_t node = FParent[symbol + lzh::kNodeCount];
    do {
      node = FParent[Increment(node, watcher)];
    } while (node != 0);
  }

  // The same for a symbol whose path is known: path[level - 1] is the node
  // at depth level (1 .. depth, depth >= 1; the root is implied),
  // path[depth - 1] the node holding the leaf. Counting along it needs no
  // walk up through the parents as long as no node moves, so the counts go
  // up side by side instead of one load after another. The path is read
  // only before the first exchange, so it may lie in a table the watcher
  // changes.
  template <typename TWatcher>
  void UpdateAlong(int symbol, const uint16_t* path, int depth, TWatcher& watcher) {
    if (FFreq[lzh::kRootNode] == lzh::kMaxFreq) {
      Update(symbol, watcher);  // the rebuild reshapes the tree: the path is gone
      return;
    }
    // A code has at least one bit: the first test of the end can go.
    const uint16_t* at = path + depth;
    do {
      const size_t node = *--at;  // size_t: node + 1 folds into the address
      const unsigned f = FFreq[node];
      if (FFreq[node + 1] == f) {
        // This node moves: the nodes above its new place are not those of
        // the path.
        size_t above = node;
        do {
          above = FParent[Increment(above, watcher)];
        } while (above != 0);
        return;
      }
      FFreq[node] = static_cast<uint16_t>(f + 1);
    } while (at != path);
    ++FFreq[lzh::kRootNode];  // the root never moves: the sentinel follows it
  }

  int Child(int node) const { return FChild[node]; }
  int Parent(int node) const { return FParent[node]; }
  unsigned Freq(int node) const { return FFreq[node]; }
  // The node that holds a symbol's leaf.
  int LeafNode(int symbol) const { return FParent[symbol + lzh::kNodeCount]; }

 private:
  // Sentinels after the last node: sixteen, so RunEnd may compare sixteen at once.
  static constexpr int kSentinels = 16;

  void Rebuild();

  // The last node of the run of frequency f that node belongs to. Runs span
  // dozens of nodes when counts are even and hundreds at the start, so many
  // are compared at once; the sentinels end every run inside the table.
  // Node indexes are size_t here and below: no sign extension in addresses.
  size_t RunEnd(size_t node, unsigned f) const {
#if defined(__SSE2__)
    // Sixteen at a time: one bit pair per node that still has frequency f.
    const __m128i wanted = _mm_set1_epi16(static_cast<short>(f));
    for (;; node += 16) {
      const __m128i* at = reinterpret_cast<const __m128i*>(&FFreq[node]);
      const unsigned low = static_cast<unsigned>(_mm_movemask_epi8(_mm_cmpeq_epi16(_mm_loadu_si128(at), wanted)));
      const unsigned high = static_cast<unsigned>(_mm_movemask_epi8(_mm_cmpeq_epi16(_mm_loadu_si128(at + 1), wanted)));
      const unsigned differ = ~(low | high << 16);
      if (differ != 0) return node + (__builtin_ctz(differ) >> 1) - 1;
    }
#elif defined(__BYTE_ORDER__) && __BYTE_ORDER__ == __ORDER_LITTLE_ENDIAN__
    const uint64_t four = f * 0x0001000100010001u;
    for (;; node += 8) {
      uint64_t lanes[2];
      std::memcpy(lanes, &FFreq[node], sizeof lanes);
      const uint64_t low = lanes[0] ^ four;
      const uint64_t high = lanes[1] ^ four;
      if ((low | high) == 0) continue;
      // The lowest lane holds the first node; a lane that differs ends the run.
      if (low != 0) return node + (__builtin_ctzll(low) >> 4) - 1;
      return node + 4 + (__builtin_ctzll(high) >> 4) - 1;
    }
#else
    while (FFreq[node] == f) ++node;
    return node - 1;
#endif
  }

  struct TNoWatcher {
    void Rebuilt() {}
    void Swapped(int, int) {}
  };

  // Counts one more at node and returns where the node ended up.
  template <typename TWatcher>
  size_t Increment(size_t node, TWatcher& watcher) {
    const unsigned f = FFreq[node];
    if (FFreq[node + 1] == f) {
      // The grown node would pass its neighbour: it takes the place at the
      // end of the run of its old frequency.
      const size_t end = RunEnd(node + 1, f);
      Exchange(node, end);
      watcher.Swapped(static_cast<int>(node), static_cast<int>(end));
      node = end;
    }
    FFreq[node] = static_cast<uint16_t>(f + 1);
    return node;
  }

  // Exchanges the subtrees of nodes a and b, which have equal frequencies.
  // Without branches: whether a child is a leaf is a coin toss on even
  // counts, so the second sibling's parent goes to a spare slot for a leaf.
  void Exchange(size_t a, size_t b) {
    const size_t i = FChild[a];
    const size_t j = FChild[b];
    FParent[i] = static_cast<uint16_t>(b);
    FParent[SiblingSlot(i)] = static_cast<uint16_t>(b);
    FParent[j] = static_cast<uint16_t>(a);
    FParent[SiblingSlot(j)] = static_cast<uint16_t>(a);
    FChild[b] = static_cast<uint16_t>(i);
    FChild[a] = static_cast<uint16_t>(j);
  }

  // Where the parent of child + 1 goes: a node's second child, or the spare
  // slot for a leaf, which has no sibling entry.
  static size_t SiblingSlot(size_t child) { return child < lzh::kNodeCount ? child + 1 : kSpareParent; }

  static constexpr size_t kSpareParent = lzh::kNodeCount + lzh::kSymbolCount;

  std::array<uint16_t, lzh::kNodeCount + kSentinels> FFreq{};
  std::array<uint16_t, kSpareParent + 1> FParent{};  // nodes, leaves, the spare slot
  std::array<uint16_t, lzh::kNodeCount> FChild{};
};
