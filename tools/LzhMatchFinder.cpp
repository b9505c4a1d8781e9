#include "tools/LzhMatchFinder.h"

#include "skin/data/LzhParams.h"

using namespace lzh;

namespace {

constexpr int kNil = kWindowSize;  // "no node"; tree roots are kNil + 1 + first byte
constexpr int kTreeSlots = kWindowSize + 257;

}  // namespace

TLzhMatchFinder::TLzhMatchFinder()
    : FText(kWindowSize + kMaxMatch - 1, 0),
      FLeft(kTreeSlots, kNil),
      FRight(kTreeSlots, kNil),
      FParent(kTreeSlots, kNil) {
  for (int i = 0; i < kStartPos; ++i) FText[i] = kFillByte;
}

void TLzhMatchFinder::Put(int pos, uint8_t byte) {
  FText[pos] = byte;
  if (pos < kMaxMatch - 1) FText[pos + kWindowSize] = byte;
}

// Puts newNode where oldNode was in the tree, taking over its children.
void TLzhMatchFinder::ReplaceNode(int oldNode, int newNode) {
  const int parent = FParent[oldNode];
  if (FRight[parent] == oldNode) {
    FRight[parent] = newNode;
  } else {
    FLeft[parent] = newNode;
  }
  FParent[newNode] = parent;
  FParent[oldNode] = kNil;
}

void TLzhMatchFinder::Insert(int pos) {
  const uint8_t* key = &FText[pos];
  int p = kNil + 1 + key[0];
  int cmp = 1;
  FLeft[pos] = FRight[pos] = kNil;
  FMatchLength = 0;
  for (;;) {
    std::vector<int>& side = cmp >= 0 ? FRight : FLeft;
    if (side[p] == kNil) {
      side[p] = pos;
      FParent[pos] = p;
      return;
    }
    p = side[p];

    int i = 1;
    for (; i < kMaxMatch; ++i) {
      cmp = key[i] - FText[p + i];
      if (cmp != 0) break;
    }
    if (i > kThreshold) {
      const int position = ((pos - p) & kWindowMask) - 1;
      if (i > FMatchLength) {
        FMatchPosition = position;
        FMatchLength = i;
        if (i >= kMaxMatch) break;
      } else if (i == FMatchLength && position < FMatchPosition) {
        FMatchPosition = position;  // the nearer of equal matches
      }
    }
  }
  // A full-length match: the new string replaces the old one in the tree.
  FLeft[pos] = FLeft[p];
  FRight[pos] = FRight[p];
  FParent[FLeft[p]] = pos;
  FParent[FRight[p]] = pos;
  ReplaceNode(p, pos);
}

void TLzhMatchFinder::Delete(int pos) {
  if (FParent[pos] == kNil) return;
  int q;
  if (FRight[pos] == kNil) {
    q = FLeft[pos];
  } else if (FLeft[pos] == kNil) {
    q = FRight[pos];
  } else {
    // Two children: the largest node of the left subtree takes pos's place.
    q = FLeft[pos];
    if (FRight[q] != kNil) {
      do {
        q = FRight[q];
      } while (FRight[q] != kNil);
      FRight[FParent[q]] = FLeft[q];
      FParent[FLeft[q]] = FParent[q];
      FLeft[q] = FLeft[pos];
      FParent[FLeft[pos]] = q;
    }
    FRight[q] = FRight[pos];
    FParent[FRight[pos]] = q;
  }
  ReplaceNode(pos, q);
}
