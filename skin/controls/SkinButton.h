// Push buttons painted from the skin's five-frame "Buttons" element. The
// skinner takes over the mouse: button-down messages never reach the native
// button, and the skinner raises the click itself.
#pragma once
#include "skin/controls/SkinControl.h"

class TDataSkinButton;

// The frames of the "Buttons" strip.
enum TButtonFrame { bfNormal = 1, bfPressed = 2, bfDisabled = 3, bfHot = 4, bfFocused = 5 };
constexpr int kButtonFrames = 5;

// Where the element's NormalColour2 applies.
enum TNormalColourRule { ncEveryFrame, ncNormalFrameOnly };

class TSkinButton : public TSkinControl {
public:
  DECLARE_CLASS_INFO
  using TSkinControl::TSkinControl;
  void AttachControl(TSkinnerHost* Form, TSkinData* SkinData, bool OwnsColor, TCanvas* Canvas) override;
  // Also has the control painted again in its own look.
  void Detach() override;
  bool BeforeMessage(TMessage& Message) override;
  void AfterMessage(TMessage& Message) override;
  void PaintControl(HDC DC, const RECT& Rect) override;

  // The frame a button in this state shows.
  static int FrameFor(bool pressed, bool hot, bool focusedOrDefault, bool enabled);

protected:
  // The skin's button element when it has an image, else null.
  const TDataSkinButton* Element() const;
  // Reads focus, enabled state and caption; answers the frame to paint.
  // Without defaultCounts only the focus shows frame 5.
  int ReadState(bool defaultCounts = true);
  // The control painted: the windowed one, else the windowless one.
  TControl* Painted() const;
  // FTransparent from the control's tag and the skin's options.
  void ReadTransparent(const TControl& control);
  // The buffer sized to Rect with the button's background.
  void PrepareBuffer(const RECT& Rect);
  // The caption, centred, with the focus rectangle when focused; the first
  // "||" breaks the line.
  void DrawButtonCaption(HDC DC, const RECT& Rect, UINT Alignment);
  // The focus rectangle around a caption drawn at Caption, unless the skin
  // wants none.
  void DrawCaptionFocus(HDC DC, RECT Caption) const;
  // The text colour the element gives a frame, starting from start; a
  // disabled button's text is in the shadow colour.
  TColor TextColour(int frame, TColor start, TNormalColourRule rule, bool enabled) const;
  TColor TextColour(int frame, TColor start) const {
    return TextColour(frame, start, ncEveryFrame, frame != bfDisabled);
  }
  void Click();

  TBitmap FBuffer;
  bool FTransparent = false;
  bool FDefault = false;
};
