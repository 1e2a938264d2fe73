// Quarter turns of one-bit bitmaps, for pictures the library turns itself.
#ifndef VXCL_RASTER_BITMAP_ROTATION_H
#define VXCL_RASTER_BITMAP_ROTATION_H

#include "raster/bitmap.h"

namespace vxcl {

// The bitmap turned counter-clockwise as seen on the label, by `degrees`
// truncated to a whole number of quarter turns (45 gives an unturned copy;
// -90 and 270 are the same turn). With W x H the source's size and (X, Y)
// a pixel of the result:
//   90:  W x H becomes H x W, D(X, Y) = S(W - 1 - Y, X)
//   180: D(X, Y) = S(W - 1 - X, H - 1 - Y)
//   270: W x H becomes H x W, D(X, Y) = S(Y, H - 1 - X)
// The turns are exact, so there is no per-pixel polar resampling as an
// approximate fallback: every platform gets these same pixels.
OneBitBitmap RotateBitmap(const OneBitBitmap& source, int degrees);

}  // namespace vxcl

#endif
