// The scroll arrows of tab controls and tab sets are up-down windows; the
// tab skinners have them skinned by the up-down skinner through this link,
// the one place that makes that skinner for them.
#pragma once
#include "skin/controls/SkinControl.h"

class TSkinUpDown;

// Makes, unattached, the skinner of an up-down owned by Owner; in tab-set
// mode it takes the up-down as horizontal whatever its style says.
TSkinUpDown* MakeUpDownSkinner(TComponent* Owner, bool TabSetMode);

// The first up-down child window of Parent, or null.
HWND FindUpDownChild(HWND Parent);

// One up-down window a tab skinner had skinned.
class TUpDownLink {
public:
  // Skins the up-down window Wnd the first time it is asked for a window;
  // the skinner is owned by Owner and paints with the skin, form skinner and
  // canvas given.
  void Skin(HWND Wnd, TComponent* Owner, bool TabSetMode, TSkinData* SkinData, TSkinnerHost* Form, TCanvas* Canvas);
  // The window skinned, or null.
  HWND Window() const { return FWindow; }
  // Switches the up-down's skinner off, so its native arrows paint again,
  // while the window is still Parent's child.
  void SwitchOff(HWND Parent) const;

private:
  HWND FWindow = nullptr;
};
