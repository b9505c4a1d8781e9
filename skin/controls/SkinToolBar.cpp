#include "skin/controls/SkinToolBar.h"
#include "host/Handles.h"
#include "skin/data/WinSkinData.h"
#include "skin/draw/NineSlice.h"
#include <algorithm>
#include <memory>

DEFINE_CLASS_INFO(TSkinToolBar, TSkinBox, {})

namespace {
// The skinner's handlers, told apart from a program's by their types. They
// do nothing once their skinner is gone: the bar may outlive it.
struct TSkinnerRef {
  TSkinToolBar* Skinner;
  std::shared_ptr<const bool> Alive;
  bool Usable() const { return Alive && *Alive; }
};
struct TSkinBarBackground {
  TSkinnerRef Ref;
  void operator()(TToolBar* bar, const RECT& r, bool&) const {
    if (Ref.Usable() && bar) Ref.Skinner->PaintBackground(*bar, r);
  }
};
struct TSkinBarButton {
  TSkinnerRef Ref;
  void operator()(TToolBar* bar, TToolButton* button, TCustomDrawState state, TCustomDrawStage stage,
                  TTBCustomDrawFlags&, bool&) const {
    if (Ref.Usable() && bar && button && stage == cdPrePaint) Ref.Skinner->PaintButton(*bar, *button, state);
  }
};

template <class Handler, class Event>
bool IsOwnHandler(const Event& event, const TSkinToolBar* skinner) {
  const Handler* h = event.template target<Handler>();
  return h && h->Ref.Skinner == skinner;
}

// The drop-down buttons' menus and the bar's own, each once.
std::vector<TMenu*> BarMenus(const TToolBar& bar) {
  std::vector<TMenu*> menus;
  const auto add = [&menus](TMenu* menu) {
    if (menu && std::find(menus.begin(), menus.end(), menu) == menus.end()) menus.push_back(menu);
  };
  for (TToolButton* button : bar.Buttons()) add(button->DropdownMenu);
  add(bar.GetMenu());
  return menus;
}

TColor FrameTextColour(const TDataSkinObject& element, TToolButtonFrame frame) {
  switch (frame) {
    case tfNormal: return element.NormalColour;
    case tfHot: return element.MouseOverColour;
    case tfPressed: return element.PressedColour;
    default: return -1;
  }
}
}  // namespace

TToolButtonFrame ToolButtonFrame(TCustomDrawState state) {
  if (state & cdsSelected) return tfPressed;
  if (state & (cdsFocused | cdsHot)) return tfHot;
  if (!(state & (cdsGrayed | cdsDisabled)) && (state & cdsDefault)) return tfNormal;
  return tfNone;
}

void TSkinToolBar::AttachControl(TSkinnerHost* Form, TSkinData* SkinData, bool OwnsColor, TCanvas* Canvas) {
  TSkinBox::AttachControl(Form, SkinData, OwnsColor, Canvas);
  TToolBar* bar = Bar();
  if (!bar) return;
  SetPropertyWhileSkinned("Flat", L"True");
  InstallHandlers(*bar);
  SkinMenus(*bar);
  bar->Invalidate();
}

void TSkinToolBar::Detach() {
  TToolBar* bar = Bar();
  if (bar && FStatus != ssDestroying) {
    RemoveHandlers(*bar);
    UnskinMenus(*bar);
  }
  TSkinBox::Detach();
  if (bar && FStatus != ssDestroying) bar->Invalidate();
}

void TSkinToolBar::InstallHandlers(TToolBar& bar) {
  const TSkinnerRef ref{this, AliveFlag()};
  if (!bar.OnCustomDraw) bar.OnCustomDraw = TSkinBarBackground{ref};
  if (!bar.OnAdvancedCustomDrawButton) bar.OnAdvancedCustomDrawButton = TSkinBarButton{ref};
}

void TSkinToolBar::RemoveHandlers(TToolBar& bar) {
  if (IsOwnHandler<TSkinBarBackground>(bar.OnCustomDraw, this)) bar.OnCustomDraw = nullptr;
  if (IsOwnHandler<TSkinBarButton>(bar.OnAdvancedCustomDrawButton, this)) bar.OnAdvancedCustomDrawButton = nullptr;
}

void TSkinToolBar::SkinMenus(TToolBar& bar) {
  if (!SkinMenuItems) return;
  for (TMenu* menu : BarMenus(bar)) {
    if (menu->OwnerDraw) continue;
    SkinMenuItems(*menu, true);
    if (menu->OwnerDraw) FSkinnedMenus.push_back(menu);
  }
}

void TSkinToolBar::UnskinMenus(TToolBar& bar) {
  const auto skinned = std::exchange(FSkinnedMenus, {});
  if (!SkinMenuItems) return;
  // Only a menu the bar still shows is touched: one taken away may be gone.
  for (TMenu* menu : BarMenus(bar))
    if (std::find(skinned.begin(), skinned.end(), menu) != skinned.end()) SkinMenuItems(*menu, false);
}

void TSkinToolBar::PaintBackground(TToolBar& bar, const RECT& r) {
  const HDC dc = bar.Canvas().Handle();
  if (!dc || !FSkinData || FSkinData->Has(xoToolbarBK) || !HasImage(FSkinData->Toolbar.get())) return;
  TBitmap& image = *FSkinData->Toolbar->Image;
  TColourStretch mode(dc);
  StretchBlt(dc, r.left, r.top, r.right - r.left, r.bottom - r.top, image.Canvas().Handle(), 0, 0, image.Width(),
             image.Height(), SRCCOPY);
}

void TSkinToolBar::PaintButton(TToolBar& bar, TToolButton& button, TCustomDrawState state) {
  const HDC dc = bar.Canvas().Handle();
  if (!dc || !FSkinData || !FForm || !FForm->FormActive() || FSkinData->Has(xoToolbarButton)) return;
  const TDataSkinButton* element = FSkinData->PushButtons.get();
  const TToolButtonFrame frame = ToolButtonFrame(state);
  if (!HasImage(element) || frame == tfNone) return;
  const TColor text = FrameTextColour(*element, frame);
  if (text != -1) bar.Canvas().Font().SetColor(text);
  RECT r = button.BoundsRect();
  InflateRect(&r, -1, -1);
  if (r.right <= r.left || r.bottom <= r.top) return;
  DrawSkinElement(dc, r, *element->Image, SkinMargins(*element), false, false, element->Trans == 1, kPushButtonFrames,
                  frame);
}
