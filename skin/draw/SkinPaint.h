// The skin painting primitives in one include.
#pragma once
#include "skin/draw/DrawTransparent.h"
#include "skin/draw/FrameGeometry.h"
#include "skin/draw/FramePaint.h"
#include "skin/draw/NineSlice.h"
#include "skin/draw/PaintControlToDC.h"
#include "skin/draw/RegionFromBitmap.h"
#include "skin/draw/SkinScratch.h"
#include "skin/draw/ThreeSlice.h"
#include "skin/draw/TileBitmap.h"
