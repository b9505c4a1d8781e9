// A second foreign dialog: the system's controls the window-class rules
// leave native or treat specially (an owner-drawn and a bitmap button, a
// simple combo box, an extended combo box, a tree view, owner-drawn tabs, a
// tool bar, a page of controls inside the dialog, and a panel of the class
// library as a foreign program's window).
#pragma once
#include <windows.h>

// The controls' numbers, for tests.
enum TMoreDialogControl {
  kMoreOwnerDrawn = 201, kMoreBitmapButton = 202, kMoreSimpleCombo = 203, kMoreComboEx = 204, kMoreTree = 205,
  kMoreOwnerDrawnTabs = 206, kMoreToolBar = 207, kMorePage = 208, kMoreLibraryPanel = 209, kMorePageCheck = 301, kMorePageEdit = 302,
  kMoreLibraryPanelCheck = 401
};

// Opens the dialog, owned by owner; it destroys itself on OK or Cancel.
HWND OpenMoreDialog(HWND owner);
