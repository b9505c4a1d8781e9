// Tool bars: flat while skinned, the skin's Toolbar image behind the
// buttons and the push-button frames on a hot or pressed button, painted
// from the bar's own custom-draw events (where the program has no handler
// of its own), and the drop-down buttons' menus and the bar's Menu drawn
// from the skin. All of it given back on detach.
#pragma once
#include "host/Menus.h"
#include "host/ToolWin.h"
#include "skin/controls/SkinBox.h"
#include "skin/data/SkinIniNames.h"
#include <functional>
#include <vector>

// Makes a menu's items (a popup menu's, or those below the top of a main
// menu) drawn from the skin (On) or by the system again; the form skinner,
// which draws them, lends it.
using TSkinMenuItems = std::function<void(TMenu& Menu, bool On)>;

// The frames of the push-button strip a tool button shows.
enum TToolButtonFrame { tfNone = 0, tfNormal = 1, tfPressed = 2, tfHot = 4 };
// By the state the bar reports: pressed, then hot or focused, then an
// enabled default button; any other state shows the bar's own look.
TToolButtonFrame ToolButtonFrame(TCustomDrawState State);

class TSkinToolBar : public TSkinBox {
public:
  DECLARE_CLASS_INFO
  using TSkinBox::TSkinBox;
  void AttachControl(TSkinnerHost* Form, TSkinData* SkinData, bool OwnsColor, TCanvas* Canvas) override;
  void Detach() override;

  TSkinMenuItems SkinMenuItems;

  // The painters behind the bar's events.
  void PaintBackground(TToolBar& Bar, const RECT& Rect);
  void PaintButton(TToolBar& Bar, TToolButton& Button, TCustomDrawState State);

private:
  TToolBar* Bar() const { return dynamic_cast<TToolBar*>(FControl); }
  void InstallHandlers(TToolBar& bar);
  void RemoveHandlers(TToolBar& bar);
  void SkinMenus(TToolBar& bar);
  void UnskinMenus(TToolBar& bar);
  // The menus this skinner made owner-drawn; one the program or the form
  // had made so already is left to them.
  std::vector<const TMenu*> FSkinnedMenus;
};
