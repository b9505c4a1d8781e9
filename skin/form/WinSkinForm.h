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
#include <array>
#include <memory>
#include <optional>
#include <string>
#include <vector>
#include <windows.h>

class TSkinData;
class TNCObject;
class TWinSysButton;
class TWinSkinMenu;

// Where a form skinner is in its life.
enum TSkinnerState {
  skAttached = 0,    // attached, not yet activated: the frame is not painted
  skActive = 1,
  skReskinning = 3,  // applying a new skin
  skDestroying = 4,  // the window is being destroyed
  skResizing = 5,    // resizing the window to the skin frame at activation
  skGone = 6,        // the window is gone; the manager frees the skinner
};

enum TFormKind { fkOrdinary = 0, fkMDIParent = 1, fkMDIChild = 2 };

enum TBorderKind { bkSizeable = 0, bkSingle = 1, bkNoCaption = 2, bkDialog = 3 };

enum TWindowState { wsNormal = 0, wsMaximized = 1, wsMinimized = 2 };

// The four sides of the frame, as the frame paint numbers them.
enum TBorderPiece { bpLeft = 1, bpRight = 2, bpTop = 3, bpBottom = 4 };

// Bits of a form skinner's BorderIcons.
enum TCaptionIcon : unsigned {
  ciMaximizeBox = 1,
  ciMinimizeBox = 2,
  ciContextHelp = 4,
  ciSystemMenu = 8,
  ciKeepCaptionStyle = 16,  // the caption-style switch is never applied
};

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
  bool WindowGone() const override { return State == skGone; }
  void MDIMaximizedChanged(bool maximized) override;
  void SkinChildWindow(HWND child) override;
  void Release() override;
  // The control skinners of its window; each registers itself when it is
  // attached and leaves when it is freed, whoever frees it.
  bool AddControlSkinner(TSkinControl* skinner) override;
  void RemoveControlSkinner(TSkinControl* skinner) override;
  HWND FormWindow() const override { return Handle; }
  bool FormActive() const override { return State == skActive; }
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
  void PaintCaptionText(TCanvas& canvas, const RECT& title, const std::wstring& text);
  // The title's text as shown: the window's text between the prefix and suffix.
  std::wstring CaptionText() const;
  // The application's icon shown in the title, if any.
  HICON TitleIcon() const;
  void LayoutCaptionButtons();
  void PaintCaptionButtons(HDC dc);
  void PaintBorderPiece(TBorderPiece index, const RECT& r, HDC dc);
  void PaintCaptionIcon(HDC dc, const RECT& bounds);
  // Redraw off leaves painting the new outline to a redraw that follows.
  void UpdateRegion(bool redraw = true);
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
  // The form's popup menus drawn from the skin (on), or by the system again
  // (off, with the menu trees its controls carry).
  void SkinFormPopups(bool on);
  // The skin's handlers for one popup menu's items.
  void SkinPopupItems(TPopupMenu& popup);
  // Takes the skin's handlers off its items again; a program's stay.
  void UnskinPopupItems(TPopupMenu& popup);
  // A main menu a control carries (not the form's own, whose bar draws it):
  // its items below the top level get the skin's handlers, while the frame
  // is skinned; unskinning takes them off again.
  void SkinMenuTree(TMainMenu& menu);
  void UnskinMenuTree(TMainMenu& menu);
  // Either of the above by the menu's kind.
  void SkinMenuItems(TMenu& menu, bool on);
  // The menu trees of the form's components (a tool bar's Menu and the like)
  // drawn by the system again.
  void UnskinCarriedMenus();
  void DrawPopupItem(HMENU holder, TMenuItem& item, HDC dc, const RECT& r, bool selected);
  void MeasurePopupItem(TMenuItem& item, HDC dc, int& width, int& height);
  TFontHandle MenuFont, BoldMenuFont;  // made with the first skinned popup
  void MakeMenuFonts();
  // The skinned menu bar, for a window with a menu (not an MDI child).
  std::unique_ptr<TWinSkinMenu> MenuBar;
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
  std::optional<HICON> IconBitmapSource;  // the window icon IconBitmap shows, once built
  // Each border piece as last composed, for its size, active and inactive:
  // a repaint of an unchanged frame only copies them. A new skin drops them.
  struct TComposedPiece {
    SIZE Size{};
    int Frame = 0;
    std::unique_ptr<TBitmap> Bitmap;
  };
  std::array<TComposedPiece, 8> ComposedPieces;  // [piece][frame]
  // What a composed title shows; the same again is only copied.
  struct TTitleKey {
    SIZE Size{};
    bool Active = false;
    TWindowState State = wsNormal;
    std::wstring Text;
    std::vector<unsigned char> Buttons;  // visible and enabled, per button
    HICON Icon = nullptr;
    bool operator==(const TTitleKey& o) const {
      return Size.cx == o.Size.cx && Size.cy == o.Size.cy && Active == o.Active && State == o.State &&
             Text == o.Text && Buttons == o.Buttons && Icon == o.Icon;
    }
  };
  struct TComposedTitle {
    TTitleKey Shown;
    TBitmap Buffer;
  };
  std::array<TComposedTitle, 2> ComposedTitles;  // inactive, active
  SIZE PaintSize{};
  SIZE RegionSize{};
  bool Active = true;
  TFormKind FormKind = fkOrdinary;
  TBorderKind BorderKind = bkSingle;
  unsigned BorderIcons = 0;  // TCaptionIcon bits
  TWindowState WindowState = wsNormal;
  TSkinnerState State = skAttached;
  std::wstring ClassNameForEvents;
  int HoverTime = 0;  // ms the cursor has rested on the hot caption button

  LRESULT FormWndProc(UINT msg, WPARAM wparam, LPARAM lparam);

  // The next frame paint composes every piece and the title again.
  void ForgetComposedFrame();

  // An MDI parent whose active child is maximized: the child's caption
  // buttons are shown in the menu bar.
  bool ActiveMDIChildMaximized() const;

private:
  int CallDepth = 0;  // calls of its window procedure on the stack
  bool ReleasePending = false;
  void Dispatch(TMessage& m);
  void ControlWndProc(TMessage& m);
  // Alt+letter no control took: the menu bar's accelerator, or the main
  // form's; non-zero when used.
  LRESULT DialogChar(wchar_t key, LPARAM keyData);
  void Activate();
  void RestoreWindowProcs();
  void ReadWindowState();
  // The system's frame size, while the window wears it.
  void ReadNativeFrame();
  // Back to the system's frame around the same client area, without region;
  // the window's menu bar comes back.
  void GiveNativeFrameBack();
  // A skinned menu bar for a window with a menu; the window keeps its menu
  // until HideNativeMenu.
  void MakeMenuBar();
  // The menu is taken off the window (kept by the menu bar), leaving the
  // client area as it is.
  void HideNativeMenu();
  // The window was given a menu (by the class library or the MDI client):
  // the bar shows it, rebuilt when asked, and the window keeps none.
  void FollowNewMenu(bool rebuild);
  // Whether the skin frames this window: it has frame images and the
  // component skins frames (MDI children may keep theirs).
  bool WantsSkinFrame() const;
  // A new skin with or without frame images frames the window or gives it
  // the system's frame back.
  void FollowSkinFrame();
  // The form's WindowProc through ControlWndProc.
  void HookForm();
  // SetWindowPos that only has the frame calculated again.
  void RecalcFrame();
  bool IsMaximizedMDIChild() const { return FormKind == fkMDIChild && WindowState == wsMaximized; }
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

// The command of a WM_SYSCOMMAND's wParam; the low four bits are the system's own.
inline WPARAM SysCommand(WPARAM wparam) { return wparam & 0xFFF0; }

// The form skinner of a window, or null.
TWinSkinForm* FindFormSkinner(HWND wnd);
// Makes and attaches the skinner of a window the manager admitted.
TSkinnedWindow* MakeFormSkinner(HWND wnd, TWinControl* form, const std::wstring& className, TSkinData* data);
