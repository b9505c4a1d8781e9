// The form skinner: the per-window skinner of a top-level window (a
// class-library form or a foreign window such as a standard dialog). It
// replaces the window procedure, sizes and paints the non-client area from
// the skin, gives the window its shaped outline and runs the caption buttons.
#pragma once
#include "host/Bitmap.h"
#include "host/Controls.h"
#include "host/ExtCtrls.h"
#include "host/Handles.h"
#include "host/Menus.h"
#include "host/WindowProcLink.h"
#include "skin/controls/SkinControl.h"
#include "skin/manager/SkinnedWindow.h"
#include "skin/manager/WindowSubclass.h"
#include <memory>
#include <string>
#include <vector>
#include <windows.h>

class TSkinData;
class TNCObject;
class TWinSysButton;

class TWinSkinForm : public TComponent, public TSkinnedWindow, public TSkinnerHost {
public:
  // Owner: the class-library form (the skinner is freed with it), or null
  // for a foreign window (the manager frees it).
  explicit TWinSkinForm(TComponent* AOwner);
  ~TWinSkinForm() override;

  // Attachment (the manager sets Handle and ClassNameForEvents first).
  void AttachToForm(TSkinData* data, TWinControl* form);
  void Attach(TSkinData* data);
  // Skinning switched off: the window keeps living with its native look and size.
  void Detach() override;
  // The window is going away: only the procedures are given back.
  void DetachOnDestroy() override;
  void DetachUnframed();
  // A new skin in the same component.
  void Reskin() override;
  void TakeNewFrame() override;
  void CallDefault(TMessage& m);

  // As the manager sees it.
  HWND WindowHandle() const override { return Handle; }
  TSkinData* Skin() const override { return SkinData; }
  bool WindowGone() const override { return State == 6; }
  void MDIMaximizedChanged(bool maximized) override;
  void SkinChildWindow(HWND child) override;
  void Release() override;
  // The control skinners of its window; each registers itself when it is
  // attached and leaves when it is freed, whoever frees it.
  bool AddControlSkinner(TSkinControl* skinner) override;
  void RemoveControlSkinner(TSkinControl* skinner) override;
  HWND FormWindow() const override { return Handle; }
  bool FormActive() const override { return State == 1; }
  // Detaches (unless the window is going away) and frees every control skinner.
  void FreeControlSkinners();
  void FreeGoneControlSkinners();
  bool HasControlSkinner(const TSkinControl& skinner) const;
  TSkinControl* FindControlSkinner(const TControl& control) const;
  TSkinControl* FindWindowSkinner(HWND wnd) const;
  // The skinner of the child window a WM_NOTIFY, WM_CTLCOLOR... or
  // WM_DRAWITEM is about, or null.
  TSkinControl* SkinnerOfChildIn(const TMessage& m) const;
  // Gives every control of the window its skinner.
  void DiscoverControls();

  // Released while one of its calls ran: it only unwinds from now on.
  bool Released() const { return ReleasePending; }
  // Form skinners alive in the process (for leak checks).
  static int Instances();

  // The MDI client of an MDI parent, subclassed while the parent is skinned.
  void HookMDIClient();
  void UnhookMDIClient();
  LRESULT MDIClientWndProc(UINT msg, WPARAM wparam, LPARAM lparam);

  // Frame geometry and painting.
  void SetupFrame();
  void FreeCaptionButtons() override;
  void ResizeToFrame(bool fromWindowRect);
  void CalcClientArea(TMessage& m);
  void PaintFrame(HDC dc);
  void PaintTitle(HDC dc);
  void PaintCaptionText(TCanvas& canvas, const RECT& title);
  void LayoutCaptionButtons();
  void PaintCaptionButtons(HDC dc);
  void PaintBorderPiece(int index, const RECT& r, HDC dc);
  void PaintCaptionIcon(HDC dc, const RECT& bounds);
  void UpdateRegion();
  void ClearRegion();
  void BuildIconBitmap();
  // On during non-client painting, so that the system paints no caption buttons.
  void CaptionStyle(bool on);

  // Caption buttons and non-client input.
  bool IsButtonVisible(int index);
  TNCObject* ObjectAt(POINT windowPoint);
  POINT ToWindowPoint(POINT screen) const;
  void ToggleMaximize();
  void Restore();
  void ToggleMinimize();
  void ShowSystemMenu(POINT screen);
  // Fills SysMenuPopup from the window's system menu and state.
  void BuildSystemMenu();
  void HideHint();
  // No hover tracking, no hint, no hot button.
  void StopHover();
  void HoverTick();

  // State (see the skinner's lifecycle: 0 attached, 1 active, 3 reskinning,
  // 4 window being destroyed, 5 resizing at activation, 6 window gone).
  // The form's WindowProc, the window's procedure and the MDI client's.
  TWindowProcLink FormLink;
  TWindowSubclass WindowLink;
  TWindowSubclass MDIClientLink;
  HWND MDIClientWindow = nullptr;
  bool MenuUpdateCopy = true;
  TFontHandle CaptionFont;
  bool Activated = false;
  std::unique_ptr<TTimer> HoverTimer;
  std::wstring CaptionSuffix = L"  ", CaptionPrefix = L" ";
  std::wstring WindowClassName;
  bool FrameSkinned = false;
  RECT ClientRect{};
  DWORD LastClickTime = 0;
  int DoubleClickTime = 0;
  int CaptionTextWidth = 0;
  HWND OwnerWindow = nullptr;
  HICON AppIcon = nullptr;   // the icon last drawn in the caption
  TIconHandle AppIconCopy;   // ... at small-icon size
  RECT TextRect{};
  int SmallIconSize = 16;
  int BorderLeft = 0, BorderTop = 0, BorderRight = 0, BorderBottom = 0;
  RECT WindowRect{};
  RECT TitleTextArea{};
  RECT NativeFrameSize{};
  int MenuBarHeight = 0;
  bool RightToLeft = false;
  bool Sizeable = false;
  bool UnicodeWindow = false;
  bool IsDialog = false;
  bool IsChild = false;
  HMENU SystemMenu = nullptr;
  std::unique_ptr<TPopupMenu> SysMenuPopup;
  TColor SavedColor = 0;
  LONG_PTR WindowStyle = 0;
  TNCObject* HotObject = nullptr;
  bool RegionOwned = false;  // the window owns the region it was given
  TWinControl* Form = nullptr;
  HWND Handle = nullptr;
  TSkinData* SkinData = nullptr;
  std::vector<std::unique_ptr<TWinSysButton>> CaptionButtons;
  std::vector<TSkinControl*> ControlSkinners;  // not owned
  TCanvas SkinnerCanvas;  // lent to every control skinner
  TBitmap IconBitmap;
  TBitmap TitleBuffer;
  SIZE PaintSize{};
  SIZE RegionSize{};
  bool Active = true;
  int FormKind = 0;    // 0 ordinary, 1 MDI parent, 2 MDI child
  int BorderKind = 1;  // 0 sizeable, 1 single, 2 no caption, 3 dialog
  unsigned BorderIcons = 0;  // 1 maximize, 2 minimize, 4 help, 8 system menu, 16 caption-style quirk
  int WindowState = 0;       // 0 normal, 1 maximized, 2 minimized
  int State = 0;
  std::wstring ClassNameForEvents;
  int HoverTime = 0;  // ms the cursor has rested on the hot caption button

  LRESULT FormWndProc(UINT msg, WPARAM wparam, LPARAM lparam);

private:
  int CallDepth = 0;  // calls of its window procedure on the stack
  bool ReleasePending = false;
  void Dispatch(TMessage& m);
  void ControlWndProc(TMessage& m);
  void Activate();
  void RestoreWindowProcs();
  void ReadWindowState();
  bool IsMaximizedMDIChild() const { return FormKind == 2 && WindowState == 1; }
  void WMNCPaint(TMessage& m);
  void WMNCActivate(TMessage& m);
  void WMNCHitTest(TMessage& m);
  void WMNCMouseMove(TMessage& m);
  void WMNCLButtonDown(TMessage& m);
  void WMNCLButtonUp(TMessage& m);
  void WMNCLButtonDblClk(TMessage& m);
  void WMNCRButtonDown(TMessage& m);
  bool WMSysCommand(TMessage& m);
  void RunAction(TWinSysButton& button, POINT screen);
  void SendToActiveMDIChild(WPARAM command);
};

// The form skinner of a window, or null.
TWinSkinForm* FindFormSkinner(HWND wnd);
// Makes and attaches the skinner of a window the manager admitted.
TSkinnedWindow* MakeFormSkinner(HWND wnd, TWinControl* form, const std::wstring& className, TSkinData* data);
