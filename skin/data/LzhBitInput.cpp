#include "skin/data/LzhBitInput.h"

#include <algorithm>
#include <cstring>

#include "skin/data/LzhError.h"

TLzhBitInput::TLzhBitInput(const TLzhReadProc& read) : FRead(read), FBytes(kChunk + 8, 0) {}

void TLzhBitInput::Pull() {
  if (FLen == kChunk) {
    // Full: drop the bytes already passed. Demand keeps at most two bytes
    // ahead, so this frees almost the whole buffer.
    const size_t passed = FBit >> 3;
    std::memmove(FBytes.data(), FBytes.data() + passed, FLen - passed);
    FLen -= passed;
    FBit -= passed * 8;
  }
  if (!FEnded && FRead) {
    const size_t room = kChunk - FLen;
    // A reader that claims more than it was asked for is not believed.
    const size_t n = std::min(FRead(FBytes.data() + FLen, room), room);
    if (n > 0) {
      FLen += n;
      return;
    }
  }
  FEnded = true;
  if (++FPastEnd > kEndSlack) throw ElzhException(kLzhInputEndedMessage);
  FBytes[FLen++] = 0;
}
