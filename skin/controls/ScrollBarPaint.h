// The one painter of every skinned scroll bar (the panels over the bars of
// scrolling controls, scroll-bar controls, and drop-down lists), and the bar
// geometry it shares with them. The glyph strip "Scrollbar" gives arrows and
// grips, "HorzScroll"/"VertScroll" the track and "HorzScrollThumb"/
// "VertScrollThumb" the thumb.
#pragma once
#include <windows.h>

class TBitmap;
class TSkinData;

// A place along a bar, numbered with the system's scroll request codes, so
// that the code of a scroll notification names the part to highlight.
enum TScrollPart : int {
  spNone = -1,
  spFirstArrow = SB_LINEUP,
  spSecondArrow = SB_LINEDOWN,
  spTrackBefore = SB_PAGEUP,
  spTrackAfter = SB_PAGEDOWN,
  spThumb = SB_THUMBTRACK,
};

// Frames (1-based) of the 23-frame glyph strip: each arrow's normal frame is
// followed by its pressed one and, two further on, its hot one; each grip's
// normal frame by its pressed and then its hot one.
enum TScrollGlyphFrame : int {
  sgLeftArrow = 1,
  sgRightArrow = 5,
  sgUpArrow = 9,
  sgDownArrow = 13,
  sgHorzGrip = 17,
  sgVertGrip = 20,
};
constexpr int kScrollGlyphFrames = 23;
constexpr int kArrowPressedStep = 1, kArrowHotStep = 3;
constexpr int kGripPressedStep = 1, kGripHotStep = 2;
// The track strip: the first frame for an enabled bar, the third for a disabled one.
constexpr int kScrollTrackFrames = 4;
constexpr int kTrackEnabledFrame = 1, kTrackDisabledFrame = 3;
// The thumb strip: normal, pressed, hot.
constexpr int kThumbNormalFrame = 1, kThumbPressedFrame = 2, kThumbHotFrame = 3;
// The shortest thumb of a scroll-bar control.
constexpr int kMinControlThumb = 8;

// What one paint shows of a bar.
struct TScrollBarLook {
  bool Vertical = false;
  int HotPart = spNone;
  bool Pressed = false;
  int ArrowSize = 0;
  // Along the axis, from the bar's start.
  int ThumbStart = 0;
  int ThumbEnd = 0;
};

// Where the bar goes: a DC whose drawable Surface (the panel, or the list
// window) holds the bar at Offset.
struct TScrollSurface {
  HDC DC = nullptr;
  SIZE Size{};
  POINT Offset{};
  // The cross-axis size is the skin's thickness, not the bar's (a
  // scroll-bar control, a drop-down list).
  bool ThicknessFromSkin = false;
  // Along the axis for the arrows; 0 means the bar's own length.
  int BarLength = 0;
  // The off-screen bitmap to compose in, kept by a caller that paints
  // often; resized only when the bar's size changes. Null: a bitmap of the
  // paint's own.
  TBitmap* Buffer = nullptr;
};

// The part at p pixels from the bar's start.
int ScrollPartAt(int p, int arrowSize, int thumbStart, int thumbEnd, int barLength);
// The cross-axis size painted: the glyph strip's height, unless it differs
// from the arrow size by more than 2 pixels.
int ScrollBarThickness(int glyphHeight, int arrowSize);
// The thumb of a scroll-bar control of barLength pixels (arrows included)
// with the scroll information given (range, page, position), as
// (xyThumbTop, xyThumbBottom).
POINT ControlThumbExtent(const SCROLLINFO& info, int barLength, int arrowSize);
// The thumb's start while it is dragged moved pixels from where it was
// (dragStart), kept between the arrows.
int DraggedThumbStart(int dragStart, int moved, int thumbLength, int arrowSize, int barLength);

// Paints the bar described by info (rcScrollBar and rgstate) with the look
// given. Nothing is painted without a glyph strip, for an invisible bar, or
// for a bar larger than the surface; false then.
bool PaintScrollBar(const TSkinData& skin, const SCROLLBARINFO& info, const TScrollBarLook& look,
                    const TScrollSurface& surface);
