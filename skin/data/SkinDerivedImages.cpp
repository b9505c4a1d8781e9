#include "skin/data/SkinBuildSteps.h"
#include "skin/data/SkinImages.h"
#include "skin/draw/ImgUtil.h"
#include "skin/draw/SkinPaint.h"
#include <algorithm>

namespace {
// One combo frame: a sunken edit field with the arrow button at its right.
constexpr int kComboCellWidth = 50;
constexpr int kComboCellHeight = 21;
// The arrow glyph cut from each combo frame.
constexpr int kArrowCell = 17;

void PaintComboCell(TBitmap& cell, const TSkinState& skin, int frame, int arrowWidth) {
  const TDataSkinObject& sunk = *skin.SunkEdge;
  const TDataSkinBorder& combo = *skin.ComboButton;
  const HDC dc = cell.Canvas().Handle();
  const RECT whole{0, 0, kComboCellWidth, kComboCellHeight};
  const RECT arrow{kComboCellWidth - arrowWidth, 0, kComboCellWidth, kComboCellHeight};
  // Each frame starts from a see-through cell, so no frame shows through another.
  cell.Canvas().FillRect(whole);
  if (HasImage(&sunk))
    DrawSkinElement(dc, whole, *sunk.Image, SkinMargins(sunk), false, false, sunk.Trans != 0, sunk.FrameCount, frame);
  if (HasImage(&combo))
    DrawSkinElement(dc, arrow, *combo.Image, SkinMargins(combo), false, false, true, combo.FrameCount, frame);
  if (HasImage(skin.ExtraImages.get()))
    DrawFrameCentred(dc, arrow, *skin.ExtraImages->Image, true, skin.ExtraImages->FrameCount, frame);
  // The edit area stays see-through.
  cell.Canvas().FillRect({2, 2, kComboCellWidth - 1 - arrowWidth, 18});
}

std::unique_ptr<TBitmap> NewKeyColouredBitmap(int width, int height) {
  auto bitmap = std::make_unique<TBitmap>(width, height, pf24bit);
  bitmap->Canvas().BrushColor = kSkinKeyColour;
  bitmap->Canvas().FillRect({0, 0, width, height});
  return bitmap;
}
}  // namespace

void MirrorComboButton(TSkinState& skin) {
  if (!HasImage(skin.ComboButton.get())) return;
  TBitmap& mirrored = EnsureBitmap(skin.ComboButton->SecondImage);
  mirrored.Assign(*skin.ComboButton->Image);
  mirrored.SetPixelFormat(pf24bit);
  MirrorBitmap(mirrored);
}

void UseBuiltinTracks(TSkinState& skin) {
  const std::pair<std::unique_ptr<TDataSkinObject>*, const wchar_t*> tracks[] = {
      {&skin.Track, L"TRACK"}, {&skin.TrackVert, L"TRACKVERT"}};
  for (const auto& [slot, name] : tracks) {
    if (HasImage(slot->get())) continue;
    auto track = std::make_unique<TDataSkinObject>(name);
    LoadBuiltinImage(*track->Image, name);
    track->LeftWidth = track->TopHeight = track->RightWidth = track->BottomHeight = 3;
    track->Tile = 0;
    track->FrameCount = 1;
    *slot = std::move(track);
  }
}

void MakeComboImages(TSkinState& skin) {
  if (!skin.SunkEdge || !skin.ComboButton) return;
  TDataSkinObject& sunk = *skin.SunkEdge;
  TDataSkinBorder& combo = *skin.ComboButton;
  const int frames = sunk.FrameCount;
  const int arrowWidth = GetSystemMetrics(SM_CXHSCROLL) + 2;
  std::unique_ptr<TBitmap> strip = NewKeyColouredBitmap(kComboCellWidth * frames, kComboCellHeight);
  std::unique_ptr<TBitmap> cell = NewKeyColouredBitmap(kComboCellWidth, kComboCellHeight);
  for (int frame = 1; frame <= frames; ++frame) {
    PaintComboCell(*cell, skin, frame, arrowWidth);
    CopyBitmapRect(*strip, (frame - 1) * kComboCellWidth, 0, *cell, {0, 0, kComboCellWidth, kComboCellHeight});
  }
  combo.Style = 2;
  combo.TopHeight = sunk.TopHeight;
  combo.BottomHeight = sunk.BottomHeight;
  combo.LeftWidth = 2;
  combo.RightWidth = arrowWidth + 2;
  combo.Image = std::move(strip);
  // The sunken edge is the same strip mirrored: arrow at the left.
  EnsureBitmap(sunk.Image).Assign(*combo.Image);
  MirrorBitmap(*sunk.Image);
  sunk.LeftWidth = arrowWidth + 2;
  sunk.RightWidth = 2;
}

void MakeComboxArrow(TSkinState& skin) {
  if (!skin.ComboxArrow) skin.ComboxArrow = std::make_unique<TDataSkinObject>(L"ComboxArrow");
  TDataSkinObject& arrow = *skin.ComboxArrow;
  const TDataSkinBorder* combo = skin.ComboButton.get();
  if (!skin.SunkEdge) {
    if (!combo) return;
    TBitmap& image = EnsureBitmap(arrow.Image);
    image.Assign(EnsureBitmap(skin.ComboButton->Image));
    // The key colour is written as given, so a system colour is resolved first.
    ReplaceKeyColour(image, TColor(ColorToRGB(skin.SkinColours[3])));
    arrow.FrameCount = combo->FrameCount;
    return;
  }
  if (!combo || combo->Style != 2 || !combo->Image) return;
  const int frames = skin.SunkEdge->FrameCount;
  if (frames <= 0) return;
  TBitmap& source = *combo->Image;
  const int cellWidth = source.Width() / frames;
  auto image = std::make_unique<TBitmap>(kArrowCell * frames, kArrowCell, pf24bit);
  for (int i = 0; i < frames; ++i) {
    const int right = (i + 1) * cellWidth;
    CopyBitmapRect(*image, kArrowCell * i, 0, source, {right - 19, 2, right - 2, 2 + kArrowCell});
  }
  arrow.Image = std::move(image);
  arrow.FrameCount = frames;
}

TColor TitleSampleColour(const TSkinState& skin) {
  const TDataSkinBorder* top = skin.FrameSideTop.get();
  if (!HasImage(top)) return skin.SkinColours[3];
  // A Frame of 0 (or less) in the skin counts as one frame instead of dividing by it.
  const int frames = std::max(top->FrameCount, 1);
  const TBitmap& image = *top->Image;
  return image.Pixel(image.Width() / 3, image.Height() / frames / 3);
}

void MakeToolbar(TSkinState& skin, TColor titleSample) {
  static constexpr int kWidth = 10, kHeight = 40;
  if (!skin.Toolbar) skin.Toolbar = std::make_unique<TDataSkinObject>(L"Toolbar");
  TBitmap& image = EnsureBitmap(skin.Toolbar->Image);
  image.SetPixelFormat(pf24bit);
  image.SetSize(kWidth, kHeight);
  const TColor start = MixColours(skin.SkinColours[3], clWhite, 150);
  // Saturation reads the colour's bytes, so a system colour is resolved first.
  const int saturation = ColourSaturation(TColor(ColorToRGB(titleSample)));
  const TColor end = saturation > 110 ? MixColours(titleSample, clWhite, (5625 - 25 * saturation) / 140 + 50)
                                      : MixColours(0x808080, titleSample, 150);
  FillGradient(image.Canvas().Handle(), {0, 0, kWidth, kHeight}, start, true, end);
  skin.Toolbar->FrameCount = 1;
}
