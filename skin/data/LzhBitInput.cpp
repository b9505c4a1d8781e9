#include "skin/data/LzhBitInput.h"

#include <algorithm>

#include "skin/data/LzhError.h"

bool TLzhBitInput::Refill() {
  if (FEnded || !FRead) {
    FEnded = true;
    return false;
  }
  // A reader that claims more than it was asked for is not believed.
  FChunkLen = std::min(FRead(FChunk.data(), FChunk.size()), FChunk.size());
  FChunkPos = 0;
  FEnded = FChunkLen == 0;
  return !FEnded;
}

unsigned TLzhBitInput::PastEnd() {
  if (++FPastEnd > kEndSlack) throw ElzhException(kLzhInputEndedMessage);
  return 0;
}
