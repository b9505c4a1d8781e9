// Combo boxes: the native control keeps its text, list and selection; after
// each message the skinner paints the frame and the drop-down button over it
// from the skin ("SunkEdge", "ComboButton", the arrow of "ExtraImages"). A
// simple combo box has no button and keeps its own look.
#pragma once
#include "skin/controls/SkinControl.h"
#include "skin/manager/WindowSubclass.h"

class TComboxScrollBar;
class TSkinScrollbarH;

// The button frames of "ComboButton" and its glyph strips.
enum TComboFrame { cfNormal = 1, cfPressed = 2, cfDisabled = 3, cfHot = 4 };

// The frame for a state. The skins of button style 1 rank the pressed look
// above the disabled one; every other style shows a disabled box disabled.
TComboFrame ComboStateFrame(bool Enabled, bool Pressed, bool HotOrFocused, bool Style1);

class TSkinComBox : public TSkinControl {
public:
  DECLARE_CLASS_INFO
  using TSkinControl::TSkinControl;
  ~TSkinComBox() override;

  void AttachControl(TSkinnerHost* Form, TSkinData* SkinData, bool OwnsColor, TCanvas* Canvas) override;
  void AttachWindow(HWND Handle, TSkinData* SkinData, TSkinnerHost* Form, TCanvas* Canvas) override;
  void Detach() override;
  void AfterMessage(TMessage& Message) override;
  void PaintControl(HDC DC, const RECT& Rect) override;

  // The plain painting of extended combo boxes (the arrow over the edit area).
  bool ExMode = false;
  // Where the button was last painted, in window coordinates.
  const RECT& ButtonRect() const { return FButtonRect; }
  HWND EditHandle() const { return FEditHandle; }
  HWND ListHandle() const { return FListHandle; }
  // The bar skinners of the lists: the drop-down list's of a drop-down box,
  // the list's of a simple one (class-library boxes only).
  TComboxScrollBar* DropScrollBar() const { return FDropScrollBar; }
  TSkinScrollbarH* ListScrollBars() const { return FListScrollBars; }

private:
  void ReadStyle();
  void SkinLists();
  // The edit field of a drop-down combo box: its paints and clicks repaint
  // the frame and button around it.
  void LinkEdit();
  LRESULT EditWndProc(UINT Msg, WPARAM WParam, LPARAM LParam);
  // A left button going down or up, in the box or its edit: the pressed
  // look follows it. False for any other message.
  bool TrackPress(UINT Msg);
  TComboFrame CurrentFrame(bool Style1);
  bool ButtonLeft() const { return ComboExStyle & WS_EX_LEFTSCROLLBAR; }
  void PaintDefault(HDC DC, const RECT& R, TComboFrame Frame);
  void PaintStyle1(HDC DC, const RECT& R);
  void PaintStyle2(HDC DC, const RECT& R, TComboFrame Frame);
  void PaintPlain(HDC DC, const RECT& R, TComboFrame Frame);
  void PaintGlyph(HDC DC, const RECT& Box, TComboFrame Frame);

  LONG_PTR ComboStyle = 0;
  LONG_PTR ComboExStyle = 0;
  HWND FListHandle = nullptr;
  HWND FEditHandle = nullptr;
  TWindowSubclass FEditLink;
  RECT FButtonRect{};
  // Owned by this skinner, so they go with it; released on detach.
  TComboxScrollBar* FDropScrollBar = nullptr;
  TSkinScrollbarH* FListScrollBars = nullptr;
};
