// The printer's graphic command made from a one-bit bitmap: the one place
// where pictures and drawn text become printer data.
#ifndef VXCL_JOB_GRAPHIC_COMMAND_H
#define VXCL_JOB_GRAPHIC_COMMAND_H

#include <cstdint>
#include <string>
#include <string_view>

#include "job/outcome.h"
#include "raster/bitmap.h"

namespace vxcl {

// ESC "GB", the bytes per row (width div 8) and the blocks of eight rows
// (height div 8), each "%0.3d", then every row's first width div 8 bytes,
// top row first, as raw bytes. Set bits are printed dots. Callers pad both
// sides to multiples of 8; the pixels of a width's last width mod 8 columns
// are not sent. No rotation, no position: the caller adds those.
std::string EncodeBitmapGraphic(const OneBitBitmap& bitmap);

// The printer reads both sizes of a graphic command as three digits.
inline constexpr int kMaxGraphicRowBytes = 999;
inline constexpr int kMaxGraphicBlocks = 999;

// The elements that print `bitmap` at (h, v) under the printer's rotation
// `direction` (as RotationPrefix takes it). A bitmap that fits one graphic
// command (999 bytes a row and 999 blocks at most) is one element with
// EncodeBitmapGraphic's bytes. A larger one is cut into parts that each fit,
// left to right and top to bottom, each an element of its own placed where
// its part lies once the printer turns it, so the printed dots are the
// bitmap's. Code 171 when a part's position lies beyond the 32-bit range.
Expected<std::string> GraphicElements(int direction, int h, int v,
                                      const OneBitBitmap& bitmap);

// At least the bytes GraphicElements makes for a padded bitmap this size,
// for refusing a graphic before it is drawn.
std::uint64_t GraphicElementsBytes(long long width, long long height);

// How callers pad a side before encoding: side + 8 - side mod 8, so always
// one to eight pixels more (24 becomes 32).
inline int PaddedSide(int side) { return side + 8 - side % 8; }

}  // namespace vxcl

#endif
