// What the tab skinners share: the tabs of a system tab control with their
// captions, images, places and frames, the font the captions use, and the
// way back to the native look.
#pragma once
#include "skin/controls/SkinControl.h"
#include <string>
#include <vector>

// The frames of a tab strip the tab skinners use.
enum TTabFrame { tfNormal = 1, tfFocused = 2 };

// One tab as the control reports it.
struct TTabDraw {
  int Index = 0;
  std::wstring Caption;
  int ImageIndex = -1;
  RECT Rect{};  // client coordinates
  int Frame = tfNormal;
};

// The tabs of a tab control.
struct TTabRow {
  int Count = 0;
  HIMAGELIST Images = nullptr;
  // The tabs whose rectangle the control gives, in order; the one with
  // the focus in the focused frame.
  std::vector<TTabDraw> Tabs;
};

// Reads every tab with the wide query when Unicode, else the ANSI one; a
// caption holds at most 80 characters.
TTabRow ReadTabRow(HWND Tab, bool Unicode);

// The skinned control's font on the canvas: a class-library control's own,
// else the one the window was given (the system font when none).
void AssignControlFont(TCanvas& Canvas, const TSkinControl& Skinner);

// The base detach; when that switched the skinner off and its window lives
// on, the window repaints natively. True then.
bool DetachToNative(TSkinControl& Skinner);
