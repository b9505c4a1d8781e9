// A foreign MDI window beside the gallery: a frame with its own menu and two
// documents whose menu replaces the frame's while one is active, as MDI
// programs do.
#pragma once
#include <windows.h>

// Opens the window; with maximized the second document fills the frame.
HWND OpenMDIWindow(bool maximized);
