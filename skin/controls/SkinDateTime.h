// Date-time pickers: the skin's combo arrow over the picker's own drop-down
// button, which still opens the native calendar, and a two-colour frame.
#pragma once
#include "skin/controls/SkinControl.h"

class TSkinDateTime;

// A small window inside the picker, over its drop-down button. A click on
// it is passed on to the button beneath.
class TArrowButton : public TWinControl {
public:
  DECLARE_CLASS_INFO
  explicit TArrowButton(TComponent* AOwner);
  // Becomes a child window of the picker, over the button's place.
  void AttachToPicker(TSkinDateTime* Skinner, TWinControl* Picker);
  // Follows the picker's width: Rect is the picker's whole window at (0, 0).
  void Reposition(const RECT& Rect);
  bool Hot() const { return FButtonState & kHot; }
  int ArrowWidth() const { return FArrowWidth; }

protected:
  void CreateParams(TCreateParams& p) override;
  void WndProc(TMessage& m) override;
  void PaintWindow(HDC dc) override;

private:
  static constexpr unsigned kHot = 1;
  bool LeftScrollBar() const;
  void SetHot(bool hot);
  int FArrowWidth;
  TWinControl* FPicker = nullptr;
  TSkinDateTime* FSkinner = nullptr;
  HWND FPickerHandle = nullptr;
  unsigned FButtonState = 0;
};

class TSkinDateTime : public TSkinControl {
public:
  DECLARE_CLASS_INFO
  using TSkinControl::TSkinControl;
  void AttachControl(TSkinnerHost* Form, TSkinData* SkinData, bool OwnsColor, TCanvas* Canvas) override;
  void AfterMessage(TMessage& Message) override;
  void PaintControl(HDC DC, const RECT& Rect) override;
  // Takes the arrow out of the picker and gives back its style.
  void Detach() override;
  TArrowButton* ArrowButton() const { return FArrowButton; }

private:
  void SkinUpDown();
  TArrowButton* FArrowButton = nullptr;  // owned as a component
  bool FAddedClipChildren = false;
};
