// Controls: the windowless TControl and the windowed TWinControl, whose
// window procedure routes every message to the object's replaceable
// WindowProc.
#pragma once
#include "host/Graphics.h"
#include <functional>
#include <memory>
#include <vector>

struct TMessage {
  UINT Msg;
  WPARAM WParam;
  LPARAM LParam;
  LRESULT Result;
};
using TWndMethod = std::function<void(TMessage&)>;

// The class library's own notifications to a control.
constexpr UINT CM_BASE = 0xB000;
// The mouse came onto the control, or left it: a parent tells its
// windowless children, a windowed control tells itself.
constexpr UINT CM_MOUSEENTER = CM_BASE + 0x13;
constexpr UINT CM_MOUSELEAVE = CM_BASE + 0x14;
// The control's Visible changed (wParam: the new value), so what covers or
// follows it can too.
constexpr UINT CM_VISIBLECHANGED = CM_BASE + 0x0B;
// Alt with a character (wParam, key data in lParam), sent to the control's
// form from whichever control has the focus: non-zero when it was used, as
// a menu accelerator.
constexpr UINT CM_DIALOGCHAR = CM_BASE + 0x06;
// The control's writing direction changed: a control whose window styles
// depend on it brings them along.
constexpr UINT CM_BIDIMODECHANGED = CM_BASE + 0x3C;

// Notifications a parent reflects back to the child control they concern.
constexpr UINT CN_BASE = 0xBC00;
constexpr UINT CN_COMMAND = CN_BASE + WM_COMMAND;
constexpr UINT CN_NOTIFY = CN_BASE + WM_NOTIFY;
constexpr UINT CN_DRAWITEM = CN_BASE + WM_DRAWITEM;
constexpr UINT CN_HSCROLL = CN_BASE + WM_HSCROLL;
constexpr UINT CN_VSCROLL = CN_BASE + WM_VSCROLL;

enum TAlign { alNone, alTop, alBottom, alLeft, alRight, alClient };
enum TAlignment { taLeftJustify, taRightJustify, taCenter };
// Writing direction; stored and read by painters.
enum TBiDiMode { bdLeftToRight, bdRightToLeft, bdRightToLeftNoAlign, bdRightToLeftReadingOnly };
enum TMouseButton { mbLeft, mbRight, mbMiddle };
// Bits of the keys held with a mouse or key event.
enum TShiftStateBit : unsigned { ssShift = 1, ssAlt = 2, ssCtrl = 4, ssLeft = 8, ssRight = 16, ssMiddle = 32 };
using TShiftState = unsigned;
// From the MK_ flags of a mouse message.
TShiftState KeysToShiftState(WORD keys);
using TMouseEvent = std::function<void(TObject* Sender, TMouseButton Button, TShiftState Shift, int X, int Y)>;
enum TCursor { crDefault, crHandPoint };

class TWinControl;

class TControl : public TComponent {
public:
  DECLARE_CLASS_INFO
  explicit TControl(TComponent* AOwner);
  ~TControl() override;

  // Replaceable: skinners put their own method here and restore it later.
  TWndMethod WindowProc;
  LRESULT Perform(UINT msg, WPARAM wparam = 0, LPARAM lparam = 0);

  TWinControl* Parent() const { return FParent; }
  virtual void SetParent(TWinControl* parent);

  int GetLeft() const { return FLeft; }
  int GetTop() const { return FTop; }
  int GetWidth() const { return FWidth; }
  int GetHeight() const { return FHeight; }
  void SetLeft(int v) { SetBounds(v, FTop, FWidth, FHeight); }
  void SetTop(int v) { SetBounds(FLeft, v, FWidth, FHeight); }
  void SetWidth(int v) { SetBounds(FLeft, FTop, v, FHeight); }
  void SetHeight(int v) { SetBounds(FLeft, FTop, FWidth, v); }
  virtual void SetBounds(int left, int top, int width, int height);
  RECT BoundsRect() const { return {FLeft, FTop, FLeft + FWidth, FTop + FHeight}; }

  bool GetVisible() const { return FVisible; }
  virtual void SetVisible(bool v);
  bool GetEnabled() const { return FEnabled; }
  virtual void SetEnabled(bool v);
  virtual std::wstring GetText() const { return FText; }
  virtual void SetText(const std::wstring& text);
  TAlign GetAlign() const { return FAlign; }
  void SetAlign(TAlign a);
  TColor GetColor() const { return FColor; }
  void SetColor(TColor c) { FColor = c; Invalidate(); }
  TBiDiMode GetBiDiMode() const { return FBiDiMode; }
  void SetBiDiMode(TBiDiMode v) {
    FBiDiMode = v;
    Perform(CM_BIDIMODECHANGED);
    Invalidate();
  }
  TCursor GetCursor() const { return FCursor; }
  void SetCursor(TCursor c) { FCursor = c; }

  // The control's own font, or its parent's while ParentFont is set.
  TFont* GetFont() const { return const_cast<TFont*>(&FFont); }
  bool GetParentFont() const { return FParentFont; }
  void SetParentFont(bool v);
  const TFont& EffectiveFont() const;

  TNotifyEvent OnClick;
  TMouseEvent OnMouseDown;
  virtual void Click();
  // A mouse button went down on the control.
  virtual void MouseDown(TMouseButton Button, TShiftState Shift, int X, int Y);
  // The parent's font changed: follow it while ParentFont is set.
  void ParentFontChanged();
  virtual void Invalidate();

protected:
  virtual void WndProc(TMessage& m);
  virtual void DefaultHandler(TMessage& m) { m.Result = 0; }
  virtual void FontChanged() { Invalidate(); }

  TWinControl* FParent = nullptr;
  int FLeft = 0, FTop = 0, FWidth = 0, FHeight = 0;
  bool FVisible = true;
  bool FEnabled = true;
  std::wstring FText;
  TAlign FAlign = alNone;
  TColor FColor = clBtnFace;
  TCursor FCursor = crDefault;
  TBiDiMode FBiDiMode = bdLeftToRight;
  TFont FFont;
  bool FParentFont = true;
  bool FMouseDown = false;
  bool FClickOnMouseUp = false;  // a click is a left press and release on the control
};

// A control without a window, painted by its parent: the parent sends it
// WM_PAINT with its own DC, clipped to the control and with the origin at
// the control's top-left, and the control paints through its canvas.
class TGraphicControl : public TControl {
public:
  DECLARE_CLASS_INFO
  using TControl::TControl;
  virtual void Paint(TCanvas& canvas) = 0;
  void Invalidate() override;
  // Has a DC only while a TControlCanvasLock lends it one.
  TCanvas& Canvas() { return FCanvas; }
  bool CanvasLocked() const { return FCanvasLocks > 0; }

protected:
  void WndProc(TMessage& m) override;

private:
  friend class TControlCanvasLock;
  TCanvas FCanvas;
  int FCanvasLocks = 0;
};

// Lends a graphic control's canvas a DC for one scope: the DC a paint hands
// over, or, without one, a DC of the parent's window clipped to the control
// with its origin at the control's top-left (none while the parent has no
// window). The canvas gets back the DC it had, and the lent DC its state,
// when the scope ends, also when painting throws.
class TControlCanvasLock {
public:
  explicit TControlCanvasLock(TGraphicControl& control, HDC lent = nullptr);
  ~TControlCanvasLock();
  TControlCanvasLock(const TControlCanvasLock&) = delete;
  TControlCanvasLock& operator=(const TControlCanvasLock&) = delete;
  TCanvas& Canvas() const { return FControl.FCanvas; }
  bool HasDC() const { return FControl.FCanvas.Handle() != nullptr; }

private:
  TGraphicControl& FControl;
  HDC FPrevious;
  std::unique_ptr<TWindowDC> FParentDC;
  int FSavedState = 0;
};

class TWinControl : public TControl {
public:
  DECLARE_CLASS_INFO
  explicit TWinControl(TComponent* AOwner);
  ~TWinControl() override;

  HWND Handle();  // creates the window (and its parents') on first use
  bool HandleAllocated() const { return FHandle != nullptr; }
  void HandleNeeded() { Handle(); }
  void DestroyHandle();

  const std::vector<TControl*>& Controls() const { return FControls; }
  int ControlCount() const { return int(FControls.size()); }
  void InsertControl(TControl* c);
  void RemoveControl(TControl* c);

  std::vector<TWinControl*> ChildrenInTabOrder() const;
  // Every windowed control below this one, each followed by its own, in tab order.
  void GetTabOrderList(std::vector<TWinControl*>& list) const;
  int GetTabOrder() const { return FTabOrder; }
  void SetTabOrder(int v) { FTabOrder = v; }
  bool GetTabStop() const { return FTabStop; }
  void SetTabStop(bool v) { FTabStop = v; }

  void SetBounds(int left, int top, int width, int height) override;
  void SetVisible(bool v) override;
  void SetEnabled(bool v) override;
  std::wstring GetText() const override;
  void SetText(const std::wstring& text) override;
  void Invalidate() override;
  void SetFocus();
  virtual RECT ClientRect() const;
  // The height the window is made and moved with; a control whose window is
  // taller than its bounds (a combo box with its list) says so here.
  virtual int WindowHeight() const { return FHeight; }
  // Lays out the children that have an Align.
  virtual void AlignControls();
  // Paints the window-less children that meet area onto dc.
  void PaintControls(HDC dc, const RECT& area);

protected:
  struct TCreateParams {
    std::wstring Caption;
    DWORD Style = 0, ExStyle = 0;
    int X = 0, Y = 0, Width = 0, Height = 0;
    HWND WndParent = nullptr;
    std::wstring WinClassName;   // registered for this class
    const wchar_t* SysClassName = nullptr;  // the native class it is built on, if any
    UINT ClassStyle = CS_DBLCLKS;
  };
  virtual void CreateParams(TCreateParams& params);
  virtual void CreateWnd();
  virtual void CreateHandle();
  // Called once the window exists, before the children get theirs.
  virtual void HandleCreated() {}
  void WndProc(TMessage& m) override;
  void DefaultHandler(TMessage& m) override;
  void FontChanged() override;
  virtual void PaintWindow(HDC dc);

  HWND FHandle = nullptr;
  WNDPROC FDefWndProc = nullptr;
  std::vector<TControl*> FControls;
  int FTabOrder = -1;
  bool FTabStop = false;

private:
  friend LRESULT CALLBACK ControlWndProc(HWND, UINT, WPARAM, LPARAM);
  LRESULT MainWndProc(UINT msg, WPARAM wparam, LPARAM lparam);
  bool RouteMouseToGraphic(TMessage& m);
  // The visible, enabled windowless child at a point of the client area.
  TControl* GraphicChildAt(POINT p) const;
  // Sends CM_MOUSEENTER and CM_MOUSELEAVE as the mouse moves.
  void TrackMouseHover(const TMessage& m);
  void SetHoverControl(TControl* control);
  TControl* FMouseControl = nullptr;  // the windowless child holding the mouse
  TControl* FHoverControl = nullptr;  // the windowless child under the mouse
  bool FMouseInside = false;          // the mouse is over the client area
  bool ReflectNotification(TMessage& m);
  void WMPaint(TMessage& m);
};

// The class-library control behind a window, or null.
TWinControl* FindControl(HWND wnd);
// The atom name of the window property that links a window to its control.
std::wstring ControlAtomName();
