#include <gtest/gtest.h>

#include <algorithm>
#include <random>

#include "skin/data/LzhCodeTable.h"
#include "skin/data/LzhHuffTree.h"
#include "skin/data/LzhParams.h"
#include "skin/data/LzhPositionCode.h"

namespace {

using namespace lzh;

// Checks the shape every adaptive Huffman tree must keep: frequencies sorted,
// each internal node the sum of its two children, parents and children
// agreeing, every symbol reachable from the root.
void ExpectWellFormed(const TLzhHuffTree& tree) {
  for (int node = 0; node + 1 < kNodeCount; ++node) {
    ASSERT_LE(tree.Freq(node), tree.Freq(node + 1)) << "node " << node;
  }
  ASSERT_EQ(tree.Freq(kNodeCount), 0xFFFFu);
  int leaves = 0;
  for (int node = 0; node < kNodeCount; ++node) {
    const int child = tree.Child(node);
    if (child >= kNodeCount) {
      ++leaves;
      ASSERT_LT(child - kNodeCount, kSymbolCount);
      ASSERT_EQ(tree.LeafNode(child - kNodeCount), node);
    } else {
      ASSERT_EQ(child % 2, 0) << "siblings start at an even node";
      ASSERT_EQ(tree.Parent(child), node);
      ASSERT_EQ(tree.Parent(child + 1), node);
      ASSERT_EQ(tree.Freq(node), tree.Freq(child) + tree.Freq(child + 1));
    }
  }
  ASSERT_EQ(leaves, kSymbolCount);
  for (int symbol = 0; symbol < kSymbolCount; ++symbol) {
    int node = tree.LeafNode(symbol);
    for (int steps = 0; node != kRootNode; ++steps) {
      ASSERT_LT(steps, kNodeCount);
      node = tree.Parent(node);
    }
  }
}

int Depth(const TLzhHuffTree& tree, int symbol) {
  int depth = 0;
  for (int node = tree.LeafNode(symbol); node != kRootNode; node = tree.Parent(node)) ++depth;
  return depth;
}

TEST(LzhHuffTree, StartsWithEverySymbolOnceAndTheRootHoldingAll) {
  TLzhHuffTree tree;
  ExpectWellFormed(tree);
  EXPECT_EQ(tree.Freq(kRootNode), static_cast<unsigned>(kSymbolCount));
  for (int symbol = 0; symbol < kSymbolCount; ++symbol) EXPECT_EQ(tree.LeafNode(symbol), symbol);
}

TEST(LzhHuffTree, StaysWellFormedThroughUpdatesAndRebuilds) {
  TLzhHuffTree tree;
  std::mt19937 rng(1);
  std::geometric_distribution<int> skewed(0.05);
  int rebuilds = 0;
  for (int i = 0; i < 200000; ++i) {
    const unsigned before = tree.Freq(kRootNode);
    tree.Update(std::min(skewed(rng), kSymbolCount - 1));
    if (tree.Freq(kRootNode) < before) ++rebuilds;
    ASSERT_LE(tree.Freq(kRootNode), kMaxFreq);
    if (i % 5000 == 0) ExpectWellFormed(tree);
  }
  ExpectWellFormed(tree);
  EXPECT_GE(rebuilds, 5);
}

TEST(LzhHuffTree, FrequentSymbolsGetShorterCodes) {
  TLzhHuffTree tree;
  for (int i = 0; i < 3000; ++i) tree.Update('e');
  for (int i = 0; i < 30; ++i) tree.Update('q');
  EXPECT_LT(Depth(tree, 'e'), Depth(tree, 'q'));
  EXPECT_LT(Depth(tree, 'q'), Depth(tree, 'z'));
}

// Every entry of the code table is what a walk down the tree gives: the
// nodes passed and where the walk stands after the entry's bits.
void ExpectTableMatchesTree(const TLzhCodeTable& table, const TLzhHuffTree& tree) {
  constexpr int kBits = TLzhCodeTable::kBits;
  for (uint64_t code = 0; code < (1u << kBits); ++code) {
    const TLzhCodeTable::TEntry& entry = table.Lookup(code << (64 - kBits));
    int child = tree.Child(kRootNode);
    int depth = 0;
    std::vector<int> path;
    while (child < kNodeCount && depth < kBits) {
      const int node = child + static_cast<int>((code >> (kBits - 1 - depth)) & 1);
      path.push_back(node);
      child = tree.Child(node);
      ++depth;
    }
    ASSERT_EQ(entry.Child, child) << "code " << code;
    ASSERT_EQ(entry.Bits, depth) << "code " << code;
    for (int level = 0; level < depth; ++level) ASSERT_EQ(entry.Path[level], path[level]) << "code " << code;
  }
}

TEST(LzhCodeTable, FollowsTheTreeThroughExchangesAndRebuilds) {
  TLzhHuffTree tree;
  TLzhCodeTable table(tree);
  ExpectTableMatchesTree(table, tree);
  // A distribution that drifts, so nodes near the top keep changing places.
  std::mt19937 rng(7);
  std::geometric_distribution<int> skewed(0.08);
  for (int i = 0; i < 120000; ++i) {
    const int offset = (i / 3000) * 17;
    tree.Update((std::min(skewed(rng), 60) + offset) % kSymbolCount, table);
    if (i % 997 == 0) ExpectTableMatchesTree(table, tree);
  }
  ExpectTableMatchesTree(table, tree);
  ExpectWellFormed(tree);
}

// Counts how many consecutive table entries hold the same value, in order.
template <size_t N>
std::vector<std::pair<int, int>> Runs(const std::array<uint8_t, N>& table) {
  std::vector<std::pair<int, int>> runs;
  for (uint8_t v : table) {
    if (runs.empty() || runs.back().first != v) runs.emplace_back(v, 0);
    ++runs.back().second;
  }
  return runs;
}

TEST(LzhPositionCode, LengthTableHasTheDocumentedRuns) {
  const std::vector<std::pair<int, int>> expected = {{3, 32}, {4, 48}, {5, 64},
                                                     {6, 48}, {7, 48}, {8, 16}};
  EXPECT_EQ(Runs(kLzhPositionCode.Length), expected);
}

TEST(LzhPositionCode, UpperTableGivesEachValueItsShareOfFirstBytes) {
  const auto runs = Runs(kLzhPositionCode.Upper);
  ASSERT_EQ(runs.size(), 64u);
  for (int value = 0; value < 64; ++value) {
    int expectedCount = 1;  // 48 .. 63
    if (value == 0) expectedCount = 32;
    else if (value <= 3) expectedCount = 16;
    else if (value <= 11) expectedCount = 8;
    else if (value <= 23) expectedCount = 4;
    else if (value <= 47) expectedCount = 2;
    EXPECT_EQ(runs[value], std::make_pair(value, expectedCount)) << "value " << value;
  }
}

TEST(LzhPositionCode, EncoderTablesPointIntoTheDecoderRanges) {
  for (int value = 0; value < 64; ++value) {
    const int first = kLzhPositionCode.Code[value];
    const int bits = kLzhPositionCode.CodeLength[value];
    EXPECT_EQ(kLzhPositionCode.Upper[first], value);
    EXPECT_EQ(kLzhPositionCode.Length[first], bits);
    // The code occupies the top bits only, so all lower bits are free.
    EXPECT_EQ(first & ((1 << (8 - bits)) - 1), 0) << "value " << value;
  }
}

}  // namespace
