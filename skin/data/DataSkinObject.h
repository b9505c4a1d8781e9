// Skin element records: one per themed part of the interface (a frame side,
// the title bar, the push button, a caption button, ...). Each holds one
// image strip of FrameCount state frames and the numbers that say how to cut
// and paint it. Loaders write the fields, painters read them; the records
// have no behaviour of their own. They own Windows bitmaps, so they are
// compiled into skin_draw, not into the portable skindata_core.
#pragma once
#include "host/Bitmap.h"
#include "skin/data/SkinIniNames.h"
#include <memory>
#include <string>

class TDataSkinObject {
public:
  // Every field zero, every image a new empty bitmap.
  explicit TDataSkinObject(std::wstring name);
  virtual ~TDataSkinObject();
  TDataSkinObject(const TDataSkinObject&) = delete;
  TDataSkinObject& operator=(const TDataSkinObject&) = delete;

  // Widths of the fixed borders of a frame, in this order the margins of
  // the nine-slice painters.
  int LeftWidth = 0;
  int TopHeight = 0;
  int RightWidth = 0;
  int BottomHeight = 0;
  // FrameCount frames of equal size, side by side or stacked. May be reset
  // by whoever released it; the record copes.
  std::unique_ptr<TBitmap> Image;
  int Trans = 0;  // non-zero: the key colour $FF00FF is left out
  int Tile = 0;   // 1: centre or middle tiled, 0: stretched
  std::wstring Name;
  int FrameCount = 0;
  int Style = 0;
  // Text colours (host colour values), -1 when the skin gives none.
  TColor NormalColour = 0;
  TColor MouseOverColour = 0;
  TColor PressedColour = 0;
  // Second colours, red-green-blue from a skin colour text.
  TColor NormalColour2 = 0;
  TColor MouseOverColour2 = 0;
  TColor PressedColour2 = 0;
};

// The margins of the nine-slice painters: (LeftWidth, TopHeight, RightWidth,
// BottomHeight) as widths, not coordinates.
RECT SkinMargins(const TDataSkinObject& element);

// Whether the element exists and has a non-empty image: a skin may leave any
// element out, and painters then fall back to the native look.
bool HasImage(const TDataSkinObject* element);

// Frame sides, progress bar, tab, combo button and up-down buttons.
class TDataSkinBorder : public TDataSkinObject {
public:
  explicit TDataSkinBorder(std::wstring name);
  std::unique_ptr<TBitmap> SecondImage;
};

// The caption text of the title bar. In the base part Image is the text
// background, LeftWidth and TopHeight the text offsets and RightWidth the
// room kept free at the right of the text.
class TDataSkinTitle : public TDataSkinObject {
public:
  using TDataSkinObject::TDataSkinObject;
  int TextAlignment = 0;
  int Textbackground = 0;
  int FontHeight = 0;
  int TXTBackleft = 0;
  int TXTBackRight = 0;
  TColor ActiveTextColour = 0;    // 0x1FFFFFFF when the skin gives none
  TColor InActiveTextColour = 0;
};

// Push buttons, with the check-box and radio-button images.
class TDataSkinButton : public TDataSkinObject {
public:
  explicit TDataSkinButton(std::wstring name);
  std::unique_ptr<TBitmap> CheckImage;
  std::unique_ptr<TBitmap> RadioImage;
  int RadioButtonFrame = 0;
  int CheckButtonFrame = 0;
  bool HasNormalColour2 = false;
  bool HasMouseOverColour2 = false;
  bool HasPressedColour2 = false;
};

// Where a caption button sits (its Align key).
enum TButtonAlign {
  baLeft = 0,           // Xcoord from the window's left edge
  baRight = 1,          // Xcoord from the right edge to the button's left side
  baBeforeText = 2,     // Xcoord left of the caption text
  baAfterText = 3,      // Xcoord right of the caption text
  baBeforeTextToo = 8,
  baAfterTextToo = 9,
  baMDIMenuBar = 100,   // a maximized MDI child's button in the menu bar
};


// One caption (system) button.
class TDataSkinSysButton : public TDataSkinObject {
public:
  using TDataSkinObject::TDataSkinObject;
  int Action = caClose;  // TCaptionAction, or any number the skin gives
  int Align = baLeft;    // TButtonAlign
  int Xcoord = 0;
  int Ycoord = 0;
  int CombineOp = 0;
  int Visibility = bvAlways;  // TButtonVisibility
  int Visibility1 = bvAlways;
};

// The group-box caption.
class TDataSkinBoxLabel : public TDataSkinObject {
public:
  using TDataSkinObject::TDataSkinObject;
  int BackgroundLeftShift = 0;
  int BackgroundRightShift = 0;
  int BackgroundAlignment = 0;
};
