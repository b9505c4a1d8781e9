#pragma once
// Parameters of the LZHUF format used by skin packages. They define the
// format: encoder and decoder must agree on every one of them.

namespace lzh {

constexpr int kWindowSize = 4096;            // ring buffer; positions wrap modulo this
constexpr int kWindowMask = kWindowSize - 1;
constexpr int kMaxMatch = 60;                // longest match
constexpr int kThreshold = 2;                // a match is at least kThreshold + 1 bytes
constexpr int kSymbolCount = 256 - kThreshold + kMaxMatch;  // 314: literals + match lengths
constexpr int kNodeCount = 2 * kSymbolCount - 1;            // 627 nodes of the Huffman tree
constexpr int kRootNode = kNodeCount - 1;                   // 626
constexpr unsigned kMaxFreq = 0x8000;        // root frequency that triggers a rebuild
constexpr int kStartPos = kWindowSize - kMaxMatch;          // 4036: first write position
constexpr unsigned char kFillByte = 0x20;    // initial window content before kStartPos

// A match symbol encodes its length as symbol - kMatchSymbolBias.
constexpr int kMatchSymbolBias = 255 - kThreshold;          // 253

}  // namespace lzh
