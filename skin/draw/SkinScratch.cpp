#include "skin/draw/SkinScratch.h"
#include "skin/draw/GradientFill.h"
#include <memory>

namespace {

struct TScratch {
  int Users = 0;
  std::unique_ptr<TBitmap> Bitmap;
};

TScratch& Scratch() {
  static TScratch scratch;
  return scratch;
}

}  // namespace

void InitSkinDraw() {
  TScratch& s = Scratch();
  if (s.Users++ == 0) {
    s.Bitmap = std::make_unique<TBitmap>();
    s.Bitmap->Canvas().SetStretchMode(COLORONCOLOR);
  }
  InitGradientCache();
}

void DoneSkinDraw() {
  TScratch& s = Scratch();
  if (s.Users == 0) return;
  DoneGradientCache();
  if (--s.Users == 0) s.Bitmap.reset();
}

TBitmap* SkinScratchBitmap() { return Scratch().Bitmap.get(); }
