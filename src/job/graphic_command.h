// The printer's graphic command made from a one-bit bitmap: the one place
// where pictures and drawn text become printer data.
#ifndef VXCL_JOB_GRAPHIC_COMMAND_H
#define VXCL_JOB_GRAPHIC_COMMAND_H

#include <string>

#include "raster/bitmap.h"

namespace vxcl {

// ESC "GB", the bytes per row (width div 8) and the blocks of eight rows
// (height div 8), each "%0.3d", then every row's first width div 8 bytes,
// top row first, as raw bytes. Set bits are printed dots. Callers pad both
// sides to multiples of 8; the pixels of a width's last width mod 8 columns
// are not sent. No rotation, no position: the caller adds those.
std::string EncodeBitmapGraphic(const OneBitBitmap& bitmap);

// How callers pad a side before encoding: side + 8 - side mod 8, so always
// one to eight pixels more (24 becomes 32).
inline int PaddedSide(int side) { return side + 8 - side % 8; }

}  // namespace vxcl

#endif
