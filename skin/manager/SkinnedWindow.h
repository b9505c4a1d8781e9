// A top-level window the manager admitted, as the manager sees its form
// skinner. The form skinner lives in a higher layer: it implements this and
// installs the factory that makes it (SetFormSkinnerFactory).
#pragma once
#include <functional>
#include <string>
#include <windows.h>

class TSkinData;
class TWinControl;

class TSkinnedWindow {
public:
  virtual ~TSkinnedWindow() = default;

  virtual HWND WindowHandle() const = 0;
  virtual TSkinData* Skin() const = 0;
  // Its window received WM_NCDESTROY.
  virtual bool WindowGone() const = 0;

  // Skinning switched off: the window lives on with its own look and size.
  virtual void Detach() = 0;
  // The window is going away: only its procedures are given back.
  virtual void DetachOnDestroy() = 0;
  // A new skin in the same component: every window first takes the new
  // frame metrics, then each is skinned again.
  virtual void TakeNewFrame() = 0;
  virtual void Reskin() = 0;
  virtual void FreeCaptionButtons() = 0;
  // MDI children were maximized together, or are no longer.
  virtual void MDIMaximizedChanged(bool maximized) = 0;
  // A child window made after activation (a size grip) wants its skinner.
  virtual void SkinChildWindow(HWND child) = 0;

  // Frees the skinner now, or, while one of its own calls is still on the
  // stack, as soon as the outermost one returns.
  virtual void Release() = 0;
};

// Makes and attaches the skinner of an admitted window; null when it could
// not attach (the window is then left as it was). form is null for a
// foreign window.
using TFormSkinnerFactory =
    std::function<TSkinnedWindow*(HWND wnd, TWinControl* form, const std::wstring& className, TSkinData* data)>;
void SetFormSkinnerFactory(TFormSkinnerFactory factory);
