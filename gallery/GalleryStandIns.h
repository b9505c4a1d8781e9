// Controls of other component sets, as small stand-ins: each is registered
// under that set's class name and publishes the properties the engine reads
// from such a control, so the gallery shows what the engine does with them.
// Only what the engine touches is modelled; the rest is the class library's.
#pragma once
#include "host/Bitmap.h"
#include "host/Buttons.h"
#include "host/ComCtrls.h"
#include "host/ExtCtrls.h"
#include "host/Forms.h"
#include "host/GroupBoxes.h"
#include "host/Menus.h"
#include "host/StdCtrls.h"
#include "host/Tabs.h"

// Registers the stand-ins with the form reader.
void RegisterStandInClasses();

// A check box or radio button that draws its box from a glyph strip when it
// has one, and as the system draws one otherwise. A click toggles a check
// box and checks a radio button, unchecking the radio buttons beside it.
class TGlyphToggle : public TWinControl {
public:
  DECLARE_CLASS_INFO
  explicit TGlyphToggle(TComponent* AOwner);
  bool GetChecked() const { return FChecked; }
  void SetChecked(bool v);
  void Click() override;
  // The strip's frame for the control's state now (checked, pressed, enabled).
  int GlyphFrame() const;

protected:
  // The strip in use, or null for the system's box; its frame count; the
  // colour its frames leave out.
  virtual TBitmap* Strip() = 0;
  virtual int StripFrames() const = 0;
  virtual TColor StripKey() const = 0;
  // The frame of a state, by the component set's order of frames.
  virtual int FrameOf(bool checked, bool pressed, bool enabled) const = 0;
  virtual bool IsRadio() const { return false; }
  void PaintWindow(HDC dc) override;
  void WndProc(TMessage& m) override;

private:
  void PaintBackground(HDC dc);
  void SetPressed(bool v);
  bool FChecked = false;
  bool FPressed = false;
};

// The kind that takes its strip in "CustomGlyphs" and shows it while
// "UseCustomGlyphs" is set.
class TCustomGlyphToggle : public TGlyphToggle {
public:
  DECLARE_CLASS_INFO
  using TGlyphToggle::TGlyphToggle;
  TBitmap* GetCustomGlyphs() const { return const_cast<TBitmap*>(&FGlyphs); }
  bool GetUseCustomGlyphs() const { return FUseCustomGlyphs; }
  void SetUseCustomGlyphs(bool v);
  int GetTransparentColor() const { return int(FKey); }
  void SetTransparentColor(int v);

protected:
  TBitmap* Strip() override;
  TColor StripKey() const override { return FKey; }

private:
  TBitmap FGlyphs;
  bool FUseCustomGlyphs = false;
  TColor FKey = TColor(RGB(255, 0, 255));
};

// Nine frames: off, on, grey; the same pressed; the same disabled.
class TRzCheckBox : public TCustomGlyphToggle {
public:
  DECLARE_CLASS_INFO
  using TCustomGlyphToggle::TCustomGlyphToggle;

protected:
  int StripFrames() const override { return 9; }
  int FrameOf(bool checked, bool pressed, bool enabled) const override;
};

// Six frames: off, on; the same pressed; the same disabled.
class TRzRadioButton : public TCustomGlyphToggle {
public:
  DECLARE_CLASS_INFO
  using TCustomGlyphToggle::TCustomGlyphToggle;

protected:
  int StripFrames() const override { return 6; }
  int FrameOf(bool checked, bool pressed, bool enabled) const override;
  bool IsRadio() const override { return true; }
};

// A check box whose strip is the "Glyph" of its "Properties" object.
class TcxCheckBoxProperties : public TPersistent {
public:
  DECLARE_CLASS_INFO
  TBitmap* GetGlyph() const { return const_cast<TBitmap*>(&FGlyph); }

private:
  TBitmap FGlyph;
};

// Six frames: off, on, grey; the same pressed.
class TcxCheckBox : public TGlyphToggle {
public:
  DECLARE_CLASS_INFO
  using TGlyphToggle::TGlyphToggle;
  TcxCheckBoxProperties* GetProperties() const { return const_cast<TcxCheckBoxProperties*>(&FProperties); }

protected:
  TBitmap* Strip() override;
  int StripFrames() const override { return 6; }
  TColor StripKey() const override { return FProperties.GetGlyph()->TransparentColor; }
  int FrameOf(bool checked, bool pressed, bool enabled) const override;

private:
  TcxCheckBoxProperties FProperties;
};

// Group boxes of that set, holding its check boxes or radio buttons.
class TRzCheckGroup : public TGroupBox {
public:
  DECLARE_CLASS_INFO
  using TGroupBox::TGroupBox;
};
class TRzRadioGroup : public TGroupBox {
public:
  DECLARE_CLASS_INFO
  using TGroupBox::TGroupBox;
};

// A bit button whose picture is its "PngImage".
class TPngBitBtn : public TBitBtn {
public:
  DECLARE_CLASS_INFO
  using TBitBtn::TBitBtn;
  TBitmap* GetPngImage() const { return &const_cast<TPngBitBtn*>(this)->ButtonGlyph().Glyph; }
};

// A button of another set whose "Kind" may make it a drop-down button.
enum TcxButtonKind { cxbkStandard, cxbkDropDown, cxbkDropDownButton };
class TcxButton : public TButton {
public:
  DECLARE_CLASS_INFO
  using TButton::TButton;
  TcxButtonKind GetKind() const { return FKind; }
  void SetKind(TcxButtonKind v) { FKind = v; }

private:
  TcxButtonKind FKind = cxbkStandard;
};

// A button that drops a menu down.
class TRzMenuButton : public TButton {
public:
  DECLARE_CLASS_INFO
  using TButton::TButton;
};

// A button that its program draws itself: its row says the engine leaves it be.
class TOwnLookButton : public TButton {
public:
  DECLARE_CLASS_INFO
  using TButton::TButton;
};

// A page control whose tabs the engine paints with the skin's tab backgrounds.
class TAdvPageControl : public TPageControl {
public:
  DECLARE_CLASS_INFO
  using TPageControl::TPageControl;
};

// A row of record buttons, first to last, insert and delete, made by the
// navigator itself and spread over its width.
class TDBNavigator : public TCustomPanel {
public:
  DECLARE_CLASS_INFO
  explicit TDBNavigator(TComponent* AOwner);
  void SetBounds(int left, int top, int width, int height) override;
  const std::vector<TSpeedButton*>& Buttons() const { return FButtons; }

private:
  std::vector<TSpeedButton*> FButtons;
};

// An edit with a number of buttons: without any, an edit of the system's.
class TDCEdit : public TWinControl {
public:
  DECLARE_CLASS_INFO
  explicit TDCEdit(TComponent* AOwner);
  int GetNumButtons() const { return FNumButtons; }
  void SetNumButtons(int v) { FNumButtons = v; }

protected:
  void CreateParams(TCreateParams& p) override;

private:
  int FNumButtons = 0;
};

// A form shown inside another, as programs place one in a panel: a child
// window with controls of its own (it owns them).
class TEmbeddedForm : public TCustomForm {
public:
  DECLARE_CLASS_INFO
  explicit TEmbeddedForm(TComponent* AOwner);

protected:
  void PaintWindow(HDC dc) override;
};

// A bar of another set that shows a main menu's top items in its own window
// and opens an item's sub-items below it on a click.
class TMenuBarStrip : public TWinControl {
public:
  DECLARE_CLASS_INFO
  explicit TMenuBarStrip(TComponent* AOwner) : TWinControl(AOwner) {}
  // Not owned; it must outlive the strip or be taken away first.
  TMainMenu* GetMenu() const { return FMenu; }
  void SetMenu(TMainMenu* menu);
  // The visible top items, left to right, and where each is shown.
  std::vector<TMenuItem*> TopItems() const;
  RECT ItemRect(int index);
  // Opens the sub-items of the index'th visible top item below it.
  bool OpenItem(int index);

protected:
  void PaintWindow(HDC dc) override;
  void WndProc(TMessage& m) override;

private:
  TMainMenu* FMenu = nullptr;
};
