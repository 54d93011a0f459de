#pragma once
// Blends a soft elliptical ring, inscribed in the bitmap, into its pixels.
#include "toolkit/Types.h"

class TBitmap;

// maxX and maxY are the largest column and row indices (width - 1, height - 1).
// The strength scales the ring's weight; whiteCore turns the middle of the
// ring band white. Pixels outside the ellipse stay as they are.
void ShadeRing(TBitmap* bitmap, int maxX, int maxY, float strength, TColor color, bool whiteCore);
