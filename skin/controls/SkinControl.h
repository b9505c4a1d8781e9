// The base of every control skinner: a small component, owned by the control
// it paints (or, for a bare window, by whoever made it), that puts itself in
// front of the control's message processing, lets the native control do its
// work and paints the control again from the skin. Messages pass through
// BeforeMessage, the control's own processing and AfterMessage.
#pragma once
#include "host/Bitmap.h"
#include "host/Controls.h"
#include "host/Handles.h"
#include "host/WindowProcLink.h"
#include "skin/manager/WindowSubclass.h"
#include <memory>
#include <string>
#include <utility>
#include <vector>
#include <windows.h>
#include <commctrl.h>

class TDataSkinObject;
class TSkinControl;
class TSkinData;

// More of the class library's notifications a skinner reacts to (the
// mouse's enter and leave come from host/Controls.h, which sends them).
constexpr UINT CM_DIALOGKEY = CM_BASE + 0x05;
constexpr UINT CM_FOCUSCHANGED = CM_BASE + 0x07;
constexpr UINT CM_ENABLEDCHANGED = CM_BASE + 0x0C;
constexpr UINT CM_EXIT = CM_BASE + 0x1B;
constexpr UINT CM_RELEASE = CM_BASE + 0x21;

// What a control skinner needs of the form skinner of its window, which
// lives a layer above: the registry of its form's skinners and the window.
class TSkinnerHost {
public:
  // Appends the skinner unless it is there; answers whether it was.
  virtual bool AddControlSkinner(TSkinControl* skinner) = 0;
  virtual void RemoveControlSkinner(TSkinControl* skinner) = 0;
  // The skinned top-level window.
  virtual HWND FormWindow() const = 0;
  // The form skinner is active (not attaching, resizing or going away).
  virtual bool FormActive() const = 0;

protected:
  ~TSkinnerHost() = default;
};

// Mouse state bits of a skinner.
enum TMouseStateBit : unsigned { msHot = 1, msPressed = 2 };

// The skinner's life: made, attached, and its window gone.
enum TSkinnerStatus { ssCreated = 0, ssAttached = 1, ssDetached = 2, ssDestroying = 4, ssWindowGone = 6 };

class TSkinControl : public TComponent {
public:
  DECLARE_CLASS_INFO
  // The owner is the control to be skinned, so the control frees it.
  explicit TSkinControl(TComponent* AOwner);
  ~TSkinControl() override;

  // Attaches to the owner control through its WindowProc.
  virtual void AttachControl(TSkinnerHost* Form, TSkinData* SkinData, bool OwnsColor, TCanvas* Canvas);
  // Attaches to a bare window through its window procedure.
  virtual void AttachWindow(HWND Handle, TSkinData* SkinData, TSkinnerHost* Form, TCanvas* Canvas);
  // Switches skinning off and gives back what attach took; the message
  // hook stays and only passes messages on.
  virtual void Detach();
  // Before the control's own processing; true lets the message go on to it
  // and then to AfterMessage, false means it was handled here.
  virtual bool BeforeMessage(TMessage& Message);
  virtual void AfterMessage(TMessage& Message);
  // Repaints the whole window; DC 0 means the window's own DC.
  virtual void PaintWindow(HDC DC);
  // The painter: Rect is the whole window at (0, 0).
  virtual void PaintControl(HDC DC, const RECT& Rect);
  // The skin or its colours changed.
  virtual void SkinChanged();
  // A message the control's parent window received for it (WM_NOTIFY,
  // WM_CTLCOLOR..., WM_DRAWITEM); true when answered here. Class-library
  // parents reflect notifications to the control itself instead.
  virtual bool ParentMessage(TMessage& Message);

  // The message entry of both attach paths.
  void SkinWndProc(TMessage& Message);
  // The control's own processing.
  LRESULT CallDefault(TMessage& Message);
  void Refresh();
  TColor ParentColor(TColor Default) const;
  void FillFace(HDC DC, const RECT& Rect) const;
  void FillParentColor(HDC DC, const RECT& Rect) const;
  LONG_PTR GetLong(HWND Handle, int Index) const;
  // The focus rectangle around the caption FText drawn with Flags in Rect.
  void DrawTextFocus(HDC DC, UINT Flags, const RECT& Rect);
  // Makes the class-library control run its MouseDown for a left button.
  void ForwardMouseDown(const TMessage& Message);
  void SwitchParentBackground(bool Attaching);
  // For skinners that paint the whole control themselves: WM_PAINT goes to
  // PaintControl, WM_ERASEBKGND is answered 1; true when it was one of them.
  bool PaintAll(TMessage& Message);

  // Frees the skinner now, or, while one of its own calls is on the stack,
  // once the outermost returns; it is detached and unregistered at once.
  void Release();

  // Sets a published property of the attached control for as long as it is
  // skinned; RestoreProperties writes back what it was. A property the
  // control does not publish is left alone.
  void SetPropertyWhileSkinned(const char* Name, const std::wstring& Value);

  TSkinData* SkinData() const { return FSkinData; }
  TSkinnerHost* Form() const { return FForm; }
  HWND WindowHandle() const { return FHandle; }
  TWinControl* Control() const { return FControl; }
  TControl* GraphicControl() const { return FGraphicControl; }
  bool Active() const { return FActive; }
  bool OwnsColor() const { return FOwnsColor; }
  int Status() const { return FStatus; }
  int Mode() const { return FMode; }
  unsigned MouseState() const { return FMouseState; }

protected:
  bool Hot() const { return FMouseState & msHot; }
  bool Pressed() const { return FMouseState & msPressed; }
  void SetMouseBit(TMouseStateBit bit, bool on);
  // Takes the control and what painting it needs, before an attach of a
  // skinner's own links the control.
  void TakeControl(TWinControl* Control, TSkinData* SkinData, TSkinnerHost* Form, TCanvas* Canvas);
  // Registers with the form skinner, which then knows the skinner exists.
  void RegisterWithForm();
  // Registers and puts the hook in front of the control's WindowProc or the
  // window's procedure.
  void LinkControl(TControl& control);
  void LinkWindow(HWND handle);
  // Gives the control its WindowProc back; CallDefault then reaches nothing.
  void UnlinkControl();
  // CallDefault for a skinner that goes on after it: false when a handler
  // inside freed the skinner (its control was destroyed), which then must
  // not touch itself.
  bool CallDefaultSurvived(TMessage& Message);
  // The base's Detach, then the native control repaints over what the
  // skinner painted (unless its window is gone).
  void DetachAndRepaint();
  // Gives back the properties SetPropertyWhileSkinned changed, newest
  // first; a control whose window is gone is being destroyed and is not
  // touched again.
  void RestoreProperties();
  // False once the skinner is freed: a skinner that sends a message another
  // window may answer by freeing it looks here before it goes on.
  std::shared_ptr<const bool> AliveFlag() const { return FAlive; }

  unsigned FMouseState = 0;
  TCanvas* FCanvas = nullptr;
  bool FEnabled = false;
  bool FFocused = false;
  std::wstring FText;
  bool FActive = true;
  bool FUnicode = false;
  TSkinData* FSkinData = nullptr;
  HWND FHandle = nullptr;
  TWinControl* FControl = nullptr;
  RECT FWindowRect{};
  TControl* FGraphicControl = nullptr;
  bool FOwnsColor = false;
  TColor FSavedColor = 0;
  bool FAttached = false;
  int FStatus = ssCreated;
  TSkinnerHost* FForm = nullptr;
  int FMode = 0;
  bool FSubFlag = false;
  bool FParentBackgroundOff = false;

private:
  void Unlink();
  TWindowProcLink FControlLink;   // AttachControl
  TWindowSubclass FWindowLink;    // AttachWindow
  int FCallDepth = 0;
  bool FReleasePending = false;
  std::vector<std::pair<std::string, std::wstring>> FSavedProperties;  // name, value before
  // Cleared by the destructor: a call on the stack learns it must not go on.
  std::shared_ptr<bool> FAlive = std::make_shared<bool>(true);
};

// A DC's font, text and background colours and background mode, given back
// when the scope ends: a caption painter sets them freely.
class TSavedDCText {
public:
  TSavedDCText(HDC dc, HFONT font)
      : FDC(dc), FFont(dc, font), FText(GetTextColor(dc)), FBack(GetBkColor(dc)), FMode(GetBkMode(dc)) {}
  ~TSavedDCText() {
    SetTextColor(FDC, FText);
    SetBkColor(FDC, FBack);
    SetBkMode(FDC, FMode);
  }
  TSavedDCText(const TSavedDCText&) = delete;
  TSavedDCText& operator=(const TSavedDCText&) = delete;

private:
  HDC FDC;
  TSelectObject FFont;
  COLORREF FText, FBack;
  int FMode;
};

// Properties by name: every skinner reads its control only through these,
// so any class that publishes a property of the name is painted alike.
int ReadIntProp(TPersistent* Object, const char* Name);          // -1 when absent
std::wstring ReadEnumProp(TPersistent* Object, const char* Name);  // identifier, "True"/"False"; empty when absent
std::wstring ReadTextProp(TPersistent* Object, const char* Name);  // empty when absent
// A set as its members' names in brackets, "[btPlay,btStop]"; empty when absent.
std::wstring ReadSetProp(TPersistent* Object, const char* Name);
TPersistent* ReadObjectProp(TPersistent* Object, const char* Name, const TClassInfo& Class);
// Does nothing when absent; an integer property given non-numeric text throws.
void WriteProp(TPersistent* Object, const char* Name, const std::wstring& Value);
bool IsTrue(const std::wstring& EnumValue);

// A control with this Tag shows its parent behind it (buttons, check boxes,
// radio buttons), as every such control does when the skin's Options have
// xoTransparent.
constexpr int kTransparentTag = 5555;
bool ShowsParentBehind(const TControl& Control, const TSkinData* SkinData);

std::wstring ReadWindowText(HWND Handle);
bool IsTopLevel(HWND Handle);
void CopyBitmap(const TBitmap& Source, TBitmap& Destination);
void FillColor(HDC DC, const RECT& Rect, TColor Colour);
// A one-pixel frame just inside Rect.
void FrameColor(HDC DC, const RECT& Rect, TColor Colour);
// Labels a window draws on the skin's face take the skin's text colour, or
// a dark skin would leave them unreadable; a colour the window chose itself
// (anything but the system's text colours) stays.
void UseSkinTextColour(HDC DC, const TSkinData& SkinData);
// The window has no border wider than margin on some side: its client
// area is that close to whole, the whole window, in width or height.
bool Borderless(HWND Handle, const RECT& Whole, int Margin);
// The two-colour frame of an edit-like window (Shadow outside, white
// inside), drawn only when the window has a border.
void FrameBorderedWindow(HWND Handle, HDC DC, const RECT& Rect, TColor Shadow);
// Adds DT_RTLREADING for a right-to-left control.
UINT BiDiTextFlags(const TSkinControl& Skinner, UINT Flags);
std::wstring ReplaceFirst(const std::wstring& Text, const std::wstring& Pattern, const std::wstring& Replacement);

// One frame of an element: its image, margins and tiling, horizontal strip;
// keyed on $FF00FF only when its Trans is exactly 1.
void DrawElement(HDC DC, const RECT& Rect, int FrameCount, int FrameIndex, const TDataSkinObject& Element);
// Frame FrameIndex (1-based) of FrameCount side-by-side frames of Bitmap,
// stretched to Rect and keyed on $FF00FF.
void DrawStripFrame(HDC DC, const RECT& Rect, int FrameCount, int FrameIndex, TBitmap& Bitmap);

// The standard full paint: PaintControl over the whole window into the
// message's DC, or a BeginPaint DC.
void HandlePaint(TSkinControl& Skinner, TMessage& Message);
// The parent painted behind a class-library control; a bare window is
// filled with its parent's colour. Answers 1.
void HandleEraseBkgnd(TSkinControl& Skinner, TMessage& Message);
// One line of caption (status-bar panels, tab sets).
void DrawCaption(TSkinControl& Skinner, TCanvas& Canvas, const RECT& Rect, UINT Alignment, bool Enabled,
                 const std::wstring& Text);
// An image-list icon followed by text (tab captions, header columns); Alignment
// 0 left, 1 centre, 2 right.
void DrawImageText(TSkinControl& Skinner, TCanvas& Canvas, const RECT& Rect, int Alignment, const std::wstring& Text,
                   int ImageIndex, HIMAGELIST ImageList, bool Enabled,
                   UINT TextFlags = DT_END_ELLIPSIS | DT_EXPANDTABS | DT_WORDBREAK);
