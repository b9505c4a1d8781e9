// The skin painting primitives in one include.
#pragma once
#include "DrawTransparent.h"
#include "FrameGeometry.h"
#include "FramePaint.h"
#include "NineSlice.h"
#include "PaintControlToDC.h"
#include "RegionFromBitmap.h"
#include "SkinScratch.h"
#include "ThreeSlice.h"
#include "TileBitmap.h"
