// Puts an object of the engine in front of a window's procedure. Every link
// gets a stub of its own (one of a fixed set, chosen by the first slot free
// on that window) and a window property that leads the stub to the link, so
// links of ours and of other subclassers may come and go in any order. A
// link that is no longer the window's procedure when it leaves stays behind
// as a pass-through until the window is destroyed; one that is, puts the
// procedure it replaced back. Messages reach the handler through the
// callback guard.
#pragma once
#include <functional>
#include <windows.h>

// A replaced procedure, called the way it was obtained (wide or ANSI);
// DefWindowProc when there was none.
struct TOldProc {
  HWND Wnd = nullptr;
  WNDPROC Proc = nullptr;
  bool Unicode = false;
  LRESULT operator()(UINT msg, WPARAM wparam, LPARAM lparam) const;
};

class TWindowSubclass {
public:
  using THandler = std::function<LRESULT(UINT msg, WPARAM wparam, LPARAM lparam)>;

  TWindowSubclass() = default;
  ~TWindowSubclass() { Remove(); }
  TWindowSubclass(const TWindowSubclass&) = delete;
  TWindowSubclass& operator=(const TWindowSubclass&) = delete;

  // Wide or ANSI as the window is; false when the window is gone, already
  // has this link, or has no slot free.
  bool Install(HWND wnd, THandler handler);
  void Remove();
  bool Installed() const { return FLink != nullptr; }
  HWND Window() const;
  // The procedure this link replaced; it stays callable after Remove, for
  // a handler that takes its link out and then passes the message on.
  TOldProc OldProc() const;
  LRESULT CallOld(UINT msg, WPARAM wparam, LPARAM lparam) const { return OldProc()(msg, wparam, lparam); }

  struct TLink;

private:
  TLink* FLink = nullptr;  // lives on the window while its stub may be called
};

// How many of our links one window can carry at once.
constexpr int kSubclassSlots = 16;
