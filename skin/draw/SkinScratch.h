// The drawing unit's lifetime and its shared off-screen buffer. Skinners
// size the scratch bitmap to the area they paint, paint there and copy it to
// the screen in one blit. Single user-interface thread: never two users at
// once.
#pragma once
#include "host/Bitmap.h"

// Reference-counted: the first call creates the scratch bitmap (stretch mode
// COLORONCOLOR) and the gradient cache's use, the matching last
// DoneSkinDraw frees both.
void InitSkinDraw();
void DoneSkinDraw();

// The scratch bitmap; null outside InitSkinDraw / DoneSkinDraw.
TBitmap* SkinScratchBitmap();

// InitSkinDraw for the lifetime of the object.
class TSkinDrawUnit {
public:
  TSkinDrawUnit() { InitSkinDraw(); }
  ~TSkinDrawUnit() { DoneSkinDraw(); }
  TSkinDrawUnit(const TSkinDrawUnit&) = delete;
  TSkinDrawUnit& operator=(const TSkinDrawUnit&) = delete;
};
