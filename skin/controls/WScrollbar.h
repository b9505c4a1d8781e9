// The panel laid over a native scroll bar: a borderless sibling window
// directly above the scrolled window in z-order, exactly over the bar, that
// shows the skin's bar. It scrolls nothing itself: a left click is handed to
// the scrolled window as the click on its bar, so the system's own tracking
// runs, and the panel repaints from the bar's state as the window scrolls.
#pragma once
#include "host/Bitmap.h"
#include "host/Controls.h"
#include "skin/controls/ScrollBarPaint.h"
#include <memory>

class TSkinControl;

// Which bar a panel covers: the window's own horizontal or vertical bar, or
// a window that is itself a scroll bar.
enum TBarKind : int { bkHorizontal = SB_HORZ, bkVertical = SB_VERT, bkControl = SB_CTL };

class TWScrollbar : public TWinControl {
public:
  DECLARE_CLASS_INFO
  // Owned by the skinner that makes it; no parent control: its window is a
  // child of the scrolled window's parent.
  explicit TWScrollbar(TSkinControl* owner);
  ~TWScrollbar() override;

  void AttachToControl(TSkinControl* skinner, TWinControl* control, TBarKind kind);
  void AttachToWindow(TSkinControl* skinner, HWND window, TBarKind kind);
  void HideBar();
  // Shows the panel over the bar, or hides it while there is none to see.
  void Reposition();
  // The part at a point of the panel.
  int HitTest(POINT p) const;
  // The bar as the system (or, for a scroll-bar control, this panel) sees
  // it; false when there is none.
  bool BarInfo(SCROLLBARINFO& info) const;
  // Highlights a part (a scroll request code) and repaints.
  void SetHotPart(int part);
  void Repaint() const;
  // Repaints when the bar's range, page or position differ from the last look.
  void FollowScrollState();
  bool GetBarVisible() const { return BarVisible; }
  HWND PanelHandle() { return Handle(); }

  int BarLength = 0;
  int ThumbStart = 0, ThumbEnd = 0;
  POINT BarOrigin{};
  POINT DragStartCursor{};
  int DragStartThumb = 0;
  bool Pressed = false;
  int Vertical = 0;
  int HotPart = spNone;
  int ArrowSize = 0;
  HWND TargetHandle = nullptr;
  TWinControl* TargetControl = nullptr;
  TSkinControl* OwnerSkinner = nullptr;
  TBarKind BarKind = bkHorizontal;
  RECT BarRect{};  // in the target's client coordinates
  bool BarVisible = false;

protected:
  void CreateParams(TCreateParams& p) override;
  void WndProc(TMessage& m) override;

private:
  void Attach(TSkinControl* skinner, HWND window, TBarKind kind);
  // The bar information of a scroll-bar control, computed from its
  // scroll information and its place in its parent.
  bool ControlBarInfo(SCROLLBARINFO& info) const;
  void Paint();
  void MouseDown(TMessage& m);
  void MouseUp(const TMessage& m);
  // A point of the panel as the scrolled window's click wants it.
  LPARAM TargetPoint(LPARAM panelPoint) const;
  SCROLLINFO FLastState{};
  bool FFollowing = false;
  TBitmap FBuffer;  // composed in, then copied to the screen
  // False once the panel is freed: the forwarded click runs a loop in
  // which anything may happen.
  std::shared_ptr<bool> FAlive = std::make_shared<bool>(true);
};

// The two panels of a window with its own bars, and what its skinners do
// with both at once.
class TScrollBarPair {
public:
  TScrollBarPair() = default;
  ~TScrollBarPair() { Free(); }
  TScrollBarPair(const TScrollBarPair&) = delete;
  TScrollBarPair& operator=(const TScrollBarPair&) = delete;

  // control may be null (a bare window).
  void Create(TSkinControl& skinner, TWinControl* control, HWND window);
  void Free();
  bool Made() const { return Horz != nullptr; }
  void Reposition();
  void Hide();
  void SetEnabled(bool enabled);
  // A WM_HSCROLL or WM_VSCROLL of the window: the part being scrolled is
  // drawn pressed.
  void Scrolled(UINT msg, WPARAM wparam);
  // A bar the window's style has but whose panel is hidden gets placed
  // again. (Visible panels lie above the window: its painting cannot reach
  // them, and they repaint by themselves when the bars change.)
  void Refresh(LONG_PTR style);
  void FollowScrollState();
  bool BothVisible() const { return Made() && Horz->BarVisible && Vert->BarVisible; }
  // After the window's own WM_PAINT: the corner between both bars is all
  // the skinner still has to paint (through paint), and only when both show.
  template <class PaintFn>
  void Painted(HWND window, PaintFn paint) {
    Refresh(GetWindowLongPtrW(window, GWL_STYLE));
    if (BothVisible()) paint();
  }
  // What a message the scrolled window has processed means for the panels;
  // false when the skinner's base should see it too.
  bool AfterMessage(const TMessage& m);
  // The box between both bars, in coordinates of the whole window, when
  // both show; empty otherwise.
  RECT Corner(HWND window) const;

  TWScrollbar* Horz = nullptr;
  TWScrollbar* Vert = nullptr;
};
