#include "skin/data/LzhHuffTree.h"

#include <algorithm>

using namespace lzh;

TLzhHuffTree::TLzhHuffTree() { Start(); }

void TLzhHuffTree::Start() {
  for (int i = 0; i < kSymbolCount; ++i) {
    FFreq[i] = 1;
    FChild[i] = static_cast<uint16_t>(i + kNodeCount);
    FParent[i + kNodeCount] = static_cast<uint16_t>(i);
  }
  for (int i = 0, j = kSymbolCount; j <= kRootNode; i += 2, ++j) {
    FFreq[j] = static_cast<uint16_t>(FFreq[i] + FFreq[i + 1]);
    FChild[j] = static_cast<uint16_t>(i);
    FParent[i] = FParent[i + 1] = static_cast<uint16_t>(j);
  }
  FFreq[kNodeCount] = 0xFFFF;  // sentinel: stops the search in SwapUp
  FParent[kRootNode] = 0;
}

void TLzhHuffTree::Rebuild() {
  // Collect the leaves at the front, frequencies halved (rounded up, so never 0).
  int j = 0;
  for (int i = 0; i < kNodeCount; ++i) {
    if (FChild[i] >= kNodeCount) {
      FFreq[j] = static_cast<uint16_t>((FFreq[i] + 1u) / 2);
      FChild[j] = FChild[i];
      ++j;
    }
  }
  // Join pairs into internal nodes, inserting each after the last node whose
  // frequency is not greater, so the list stays sorted.
  for (int i = 0, node = kSymbolCount; node < kNodeCount; i += 2, ++node) {
    const uint16_t f = static_cast<uint16_t>(FFreq[i] + FFreq[i + 1]);
    int k = node - 1;
    while (f < FFreq[k]) --k;
    ++k;
    std::copy_backward(FFreq.begin() + k, FFreq.begin() + node, FFreq.begin() + node + 1);
    std::copy_backward(FChild.begin() + k, FChild.begin() + node, FChild.begin() + node + 1);
    FFreq[k] = f;
    FChild[k] = static_cast<uint16_t>(i);
  }
  for (int i = 0; i < kNodeCount; ++i) {
    const int k = FChild[i];
    if (k >= kNodeCount) {
      FParent[k] = static_cast<uint16_t>(i);
    } else {
      FParent[k] = FParent[k + 1] = static_cast<uint16_t>(i);
    }
  }
}

// Moves a node whose frequency grew past its right neighbour's to the end of
// the run of smaller frequencies, exchanging the two subtrees.
inline void TLzhHuffTree::SwapUp(int& node) {
  const uint16_t k = FFreq[node];
  int l = node + 1;
  if (k <= FFreq[l]) return;
  while (k > FFreq[++l]) {
  }
  --l;
  FFreq[node] = FFreq[l];
  FFreq[l] = k;

  const int i = FChild[node];
  FParent[i] = static_cast<uint16_t>(l);
  if (i < kNodeCount) FParent[i + 1] = static_cast<uint16_t>(l);

  const int j = FChild[l];
  FChild[l] = static_cast<uint16_t>(i);
  FParent[j] = static_cast<uint16_t>(node);
  if (j < kNodeCount) FParent[j + 1] = static_cast<uint16_t>(node);
  FChild[node] = static_cast<uint16_t>(j);

  node = l;
}

void TLzhHuffTree::Update(int symbol) {
  if (FFreq[kRootNode] == kMaxFreq) Rebuild();
  int node = FParent[symbol + kNodeCount];
  do {
    ++FFreq[node];
    SwapUp(node);
    node = FParent[node];
  } while (node != 0);
}
