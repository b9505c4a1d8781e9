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
  // Sentinels: they end every run of equal frequencies.
  std::fill(FFreq.begin() + kNodeCount, FFreq.end(), uint16_t{0xFFFF});
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

