// Scaling a one-bit picture to a size given in dots.
#ifndef VXCL_RASTER_STRETCH_H
#define VXCL_RASTER_STRETCH_H

#include "raster/bitmap.h"

namespace vxcl {

// `source` scaled to width x height (both at least 1). Result pixel (dx, dy)
// covers source columns floor(dx * sw / dw) up to but excluding
// floor((dx + 1) * sw / dw), at least one, and rows likewise; it is dark
// when any pixel it covers is dark. So enlarging repeats pixels and
// shrinking keeps thin dark lines. A source without pixels gives white.
OneBitBitmap Stretch(const OneBitBitmap& source, int width, int height);

}  // namespace vxcl

#endif
