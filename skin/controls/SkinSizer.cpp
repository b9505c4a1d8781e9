#include "skin/controls/SkinSizer.h"

DEFINE_CLASS_INFO(TSkinSizer, TSkinControl, {})

void TSkinSizer::PaintControl(HDC DC, const RECT& Rect) { FillFace(DC, Rect); }
