// Non-client objects of a form skinner: the common base of caption buttons
// and menu-bar items, and the caption button drawn from a skin element.
#pragma once
#include "host/Bitmap.h"
#include <memory>
#include <windows.h>

class TWinSkinForm;
class TDataSkinSysButton;

// The state of a non-client object, which is also the frame painted for it.
enum TNCButtonState { nsNormal = 1, nsPressed = 2, nsHot = 3, nsDisabled = 4 };

class TNCObject {
public:
  explicit TNCObject(TWinSkinForm* owner) : Owner(owner) {}
  virtual ~TNCObject() = default;
  TNCObject(const TNCObject&) = delete;
  TNCObject& operator=(const TNCObject&) = delete;

  virtual void MouseDown();
  virtual void MouseUp();
  virtual void MouseEnter();
  virtual void MouseLeave();
  virtual void Paint() {}

  TWinSkinForm* Owner;
  RECT Bounds{};  // window coordinates
  bool Visible = false;
  TNCButtonState ButtonState = nsNormal;  // nsDisabled also stands for inactive
  bool Enabled = true;

protected:
  // Becomes the skinner's hot object in the given state; the old one leaves first.
  void TakeMouse(TNCButtonState state);
};

class TWinSysButton : public TNCObject {
public:
  TWinSysButton(TWinSkinForm* owner, TDataSkinSysButton* element) : TNCObject(owner), Element(element) {}
  void Paint() override;
  // The frame painted for the current state.
  int PaintFrameIndex() const;
  bool IsIcon() const;
  int Frames() const;
  // The element's image, or the window icon an icon button carries itself.
  TBitmap* Picture() const;
  bool HasPicture() const;

  TDataSkinSysButton* Element;
  // The skin's elements are shared by every window: the icon stays here.
  std::unique_ptr<TBitmap> IconImage;
};

// The hint of a caption button's action, empty for actions without one.
const wchar_t* CaptionButtonHint(int action);
