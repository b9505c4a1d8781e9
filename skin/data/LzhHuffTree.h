#pragma once
#include <array>
#include <cstdint>
#include <cstring>

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
    int node = FParent[symbol + lzh::kNodeCount];
    do {
      node = FParent[Increment(node, watcher)];
    } while (node != 0);
  }

  // The same for a symbol whose path is known: path[0] is the root,
  // path[depth] the node holding the leaf. Counting along it needs no walk
  // up through the parents as long as no node moves, so the counts go up
  // side by side instead of one load after another.
  template <typename TWatcher>
  void UpdateAlong(int symbol, const uint16_t* path, int depth, TWatcher& watcher) {
    if (FFreq[lzh::kRootNode] == lzh::kMaxFreq) {
      Update(symbol, watcher);  // the rebuild reshapes the tree: the path is gone
      return;
    }
    for (int level = depth; level >= 0; --level) {
      const int node = path[level];
      const unsigned f = FFreq[node];
      if (FFreq[node + 1] == f) {
        // This node moves: the nodes above its new place are not those of
        // the path.
        int above = node;
        do {
          above = FParent[Increment(above, watcher)];
        } while (above != 0);
        return;
      }
      FFreq[node] = static_cast<uint16_t>(f + 1);
    }
  }

  int Child(int node) const { return FChild[node]; }
  int Parent(int node) const { return FParent[node]; }
  unsigned Freq(int node) const { return FFreq[node]; }
  // The node that holds a symbol's leaf.
  int LeafNode(int symbol) const { return FParent[symbol + lzh::kNodeCount]; }

 private:
  // Sentinels after the last node: eight, so RunEnd may compare eight at once.
  static constexpr int kSentinels = 8;

  void Rebuild();

  // The last node of the run of frequency f that node belongs to. Runs span
  // dozens of nodes when counts are even and hundreds at the start, so eight
  // are compared at once; the sentinels end every run inside the table.
  int RunEnd(int node, unsigned f) const {
    const uint64_t four = f * 0x0001000100010001u;
    for (;; node += 8) {
      uint64_t lanes[2];
      std::memcpy(lanes, &FFreq[node], sizeof lanes);
      const uint64_t low = lanes[0] ^ four;
      const uint64_t high = lanes[1] ^ four;
      if ((low | high) == 0) continue;
#if defined(__BYTE_ORDER__) && __BYTE_ORDER__ == __ORDER_LITTLE_ENDIAN__
      // The lowest lane holds the first node; a lane that differs ends the run.
      if (low != 0) return node + static_cast<int>(__builtin_ctzll(low) >> 4) - 1;
      return node + 4 + static_cast<int>(__builtin_ctzll(high) >> 4) - 1;
#else
      while (FFreq[node] == f) ++node;
      return node - 1;
#endif
    }
  }

  struct TNoWatcher {
    void Rebuilt() {}
    void Swapped(int, int) {}
  };

  // Counts one more at node and returns where the node ended up.
  template <typename TWatcher>
  int Increment(int node, TWatcher& watcher) {
    const unsigned f = FFreq[node];
    if (FFreq[node + 1] == f) {
      // The grown node would pass its neighbour: it takes the place at the
      // end of the run of its old frequency.
      const int end = RunEnd(node + 1, f);
      Exchange(node, end);
      watcher.Swapped(node, end);
      node = end;
    }
    FFreq[node] = static_cast<uint16_t>(f + 1);
    return node;
  }

  // Exchanges the subtrees of nodes a and b, which have equal frequencies.
  void Exchange(int a, int b) {
    const int i = FChild[a];
    FParent[i] = static_cast<uint16_t>(b);
    if (i < lzh::kNodeCount) FParent[i + 1] = static_cast<uint16_t>(b);

    const int j = FChild[b];
    FChild[b] = static_cast<uint16_t>(i);
    FParent[j] = static_cast<uint16_t>(a);
    if (j < lzh::kNodeCount) FParent[j + 1] = static_cast<uint16_t>(a);
    FChild[a] = static_cast<uint16_t>(j);
  }

  std::array<uint16_t, lzh::kNodeCount + kSentinels> FFreq{};
  std::array<uint16_t, lzh::kNodeCount + lzh::kSymbolCount> FParent{};  // nodes, then leaves
  std::array<uint16_t, lzh::kNodeCount> FChild{};
};
