// Images of a skin: the entries its INI values name, the program's built-in
// images, and rectangles cut from them.
#pragma once
#include "host/Bitmap.h"
#include "skin/data/SkinIniNames.h"
#include "skin/data/SkinRead.h"
#include <string>

// Loads the BMP entry value names into target; target is left empty when the
// value names no ".bmp" file, the entry is missing or empty, or it is not a
// BMP the bitmap can read.
void LoadSkinImage(TBitmap& target, const TSkinReader& reader, const std::string& value);

// Loads the bitmap resource name of the program module into target, 24 bits
// per pixel; false (target empty) when there is no such resource.
bool LoadBuiltinImage(TBitmap& target, const wchar_t* name);

// Copies the rectangle from of source to (x, y) of target at its own size.
void CopyBitmapRect(TBitmap& target, int x, int y, TBitmap& source, const RECT& from);

// A new 24-bit bitmap holding the rectangle from of source.
void CutBitmap(TBitmap& target, TBitmap& source, const RECT& from);

// The bitmap an element's image pointer holds, made empty first when the
// pointer was released.
TBitmap& EnsureBitmap(std::unique_ptr<TBitmap>& image);
