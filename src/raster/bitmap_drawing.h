// Setting pixels of a one-bit bitmap from packed rows and rectangles, with
// everything outside the bitmap dropped: what drawing glyphs and text lines
// into a bitmap needs.
#ifndef VXCL_RASTER_BITMAP_DRAWING_H
#define VXCL_RASTER_BITMAP_DRAWING_H

#include <cstdint>

#include "raster/bitmap.h"

namespace vxcl {

// Sets the dark pixels of `width` source pixels, packed eight to a byte with
// the leftmost in bit 7, into row y from column x on. Clear source pixels
// leave the target as it is.
void OrPackedRow(OneBitBitmap& target, int x, int y, const std::uint8_t* source,
                 int width);

// Sets every pixel of the rectangle at (x, y), width x height.
void FillDark(OneBitBitmap& target, int x, int y, int width, int height);

}  // namespace vxcl

#endif
