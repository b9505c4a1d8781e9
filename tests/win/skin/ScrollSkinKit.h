// A skin for scroll-bar tests: every frame of the glyph strip, the tracks and
// the thumbs one solid colour of its own, so a pixel tells which frame of
// which element painted it.
#pragma once
#include "skin/controls/ScrollBarPaint.h"
#include "tests/win/skin/SkinLoadKit.h"
#include <string>
#include <vector>

namespace scrollkit {
inline TColor Glyph(int frame) { return TColor(RGB(10 * frame, 200, 40)); }
inline TColor Track(bool vertical, int frame) { return TColor(RGB(30 * frame, vertical ? 40 : 50, 200)); }
inline TColor Thumb(bool vertical, int frame) { return TColor(RGB(60 * frame, vertical ? 120 : 130, 120)); }
// The glyph strip's frames are square.
constexpr int kGlyph = 16;

inline std::vector<TColor> Frames(int count, const std::function<TColor(int)>& colour) {
  std::vector<TColor> frames;
  for (int i = 1; i <= count; ++i) frames.push_back(colour(i));
  return frames;
}

// The five scroll-bar elements; the thumbs with thumbFrames frames.
inline skinload::TTestSkin ScrollSkin(int thumbFrames = 3) {
  skinload::TTestSkin skin;
  skin.Add("glyphs.bmp", skinload::StripBmp(kGlyph, kGlyph, Frames(kScrollGlyphFrames, Glyph)));
  for (bool vertical : {false, true}) {
    const std::string axis = vertical ? "Vert" : "Horz";
    skin.Add(axis + "track.bmp",
             skinload::StripBmp(6, 6, Frames(kScrollTrackFrames, [=](int i) { return Track(vertical, i); })));
    skin.Add(axis + "thumb.bmp",
             skinload::StripBmp(6, 6, Frames(thumbFrames, [=](int i) { return Thumb(vertical, i); })));
    skin.Ini += "[" + axis + "Scroll]\r\nImage=" + axis + "track.bmp\r\n";
    skin.Ini += "[" + axis + "ScrollThumb]\r\nImage=" + axis + "thumb.bmp\r\nFrameCount=" +
                std::to_string(thumbFrames) + "\r\n";
  }
  skin.Ini += "[Scrollbar]\r\nImage=glyphs.bmp\r\n";
  return skin;
}

// What the painter shows at (x, y) of a bar of length by thickness (along
// and across its axis), computed from the rules: arrows at both ends, the
// track between them, the thumb over the track with its grip centred.
struct TExpectedBar {
  bool Vertical = true;
  int Length = 0;
  int Arrow = kGlyph;
  int ThumbStart = 0, ThumbEnd = 0;
  int HotPart = spNone;
  bool Pressed = false;
  bool Enabled = true;
  TColor Face = 0;

  TColor At(int x, int y) const {
    const int p = Vertical ? y : x;
    const int across = Vertical ? x : y;
    if (across >= kGlyph) return Face;
    const int arrow = Length < 2 * Arrow ? Length / 2 : Arrow;
    const int hot = Pressed ? kArrowPressedStep : kArrowHotStep;
    if (p < arrow)
      return Glyph((Vertical ? sgUpArrow : sgLeftArrow) + (HotPart == spFirstArrow ? hot : 0));
    if (p >= Length - arrow)
      return Glyph((Vertical ? sgDownArrow : sgRightArrow) + (HotPart == spSecondArrow ? hot : 0));
    // A bar shorter than two arrows has no track between them.
    if (Length < 2 * Arrow) return Face;
    const bool thumbHot = HotPart == spThumb;
    // The grip is centred on the thumb at its own size, even one pixel longer.
    const int length = ThumbEnd - ThumbStart;
    const int gripStart = ThumbStart + (length - kGlyph) / 2;
    if (Enabled && kGlyph < length + 2 && p >= gripStart && p < gripStart + kGlyph)
      return Glyph((Vertical ? sgVertGrip : sgHorzGrip) +
                   (thumbHot ? (Pressed ? kGripPressedStep : kGripHotStep) : 0));
    if (Enabled && p >= ThumbStart && p < ThumbEnd)
      return Thumb(Vertical, thumbHot ? (Pressed ? kThumbPressedFrame : kThumbHotFrame) : kThumbNormalFrame);
    return Track(Vertical, Enabled ? kTrackEnabledFrame : kTrackDisabledFrame);
  }
};
}  // namespace scrollkit
