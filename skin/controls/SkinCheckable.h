// What the check-box and radio-button skinners share: the mark, one image
// of a state strip of the skin's "Buttons" element, beside the caption in
// the control's font. The native button keeps the mouse and the keyboard;
// the skinner paints after it. For a class-library control whose skin has
// the strip the skinner paints the whole control (mode 1); otherwise it
// only puts the mark over the native picture (mode 0).
#pragma once
#include "skin/controls/SkinControl.h"

// Images of a state strip. Four images (and any count but the wide ones):
enum TCheckImage { ciUnchecked = 1, ciChecked = 2, ciUncheckedDisabled = 3, ciCheckedDisabled = 4 };
constexpr int kDisabledImageOffset = ciUncheckedDisabled - ciUnchecked;
// The wide layouts, a check strip of 12 images and a radio strip of 8.
enum TWideCheckImage {
  wiUnchecked = 1, wiUncheckedDisabled = 4, wiChecked = 5, wiCheckedDisabled = 8, wiGrayed = 9, wiGrayedDisabled = 12
};
constexpr int kWideCheckFrames = 12, kWideRadioFrames = 8;

// The image of a four-image state (grayed ones show ciCheckedDisabled) in a
// strip of frames images, whose wide layout has wideFrames; a state past
// the four images counts as the last.
int StripImage(int image, int frames, int wideFrames, bool grayed, bool disabled);

// Where the mark and the caption go in a control's rectangle.
struct TCheckLayout {
  RECT Mark;
  RECT Caption;  // before it is centred on the text's height
  UINT Flags;    // the caption's DrawText alignment and reading order
};
// A mark of markSize vertically centred at the left, or at the right,
// rightGap pixels in from the edge, with the caption 2 pixels away.
TCheckLayout CheckLayout(const RECT& r, SIZE markSize, bool markAtRight, int rightGap, bool rightToLeft);

// A notification of the class library after which some check-box classes
// are painted again.
constexpr UINT CM_CHECKREPAINT = CM_BASE + 0xD0;

class TSkinCheckable : public TSkinControl {
public:
  DECLARE_CLASS_INFO
  using TSkinControl::TSkinControl;
  void AttachControl(TSkinnerHost* Form, TSkinData* SkinData, bool OwnsColor, TCanvas* Canvas) override;
  // Also has the control painted again in its own look.
  void Detach() override;
  bool BeforeMessage(TMessage& Message) override;
  void AfterMessage(TMessage& Message) override;
  void PaintControl(HDC DC, const RECT& Rect) override;
  // A new skin may bring the strip a skin without it lacked.
  void SkinChanged() override;
  bool Transparent() const { return FTransparent; }

protected:
  // The skin's strip of this kind (null or empty when it has none) and its
  // number of images.
  virtual TBitmap* Strip() const = 0;
  virtual int StripFrames() const = 0;
  // The image the control's state shows in a strip of frames images.
  virtual int StateImage(int frames) = 0;
  // How far a mark at the right keeps from the right edge.
  virtual int RightMarkGap() const = 0;
  bool Disabled() const;

private:
  bool HasStrip() const;
  void ReadMode();
  void DrawCheckCaption(HDC DC, const RECT& Rect, const TCheckLayout& Layout);
  bool FTransparent = false;
  TBitmap FBuffer;
};
