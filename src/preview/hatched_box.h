// The stand-in for a symbol the preview cannot draw: a hatched box of the
// symbol's size with the symbol's data written in it.
#ifndef VXCL_PREVIEW_HATCHED_BOX_H
#define VXCL_PREVIEW_HATCHED_BOX_H

#include <string_view>

#include "platform/font_rasterizer.h"
#include "preview/placement.h"
#include "preview/warnings.h"

namespace vxcl::preview {

// Draws a frame around `box`, diagonal hatching every eight dots inside it,
// and `data` in a small fixed-pitch font along its top, cut at the frame.
void DrawHatchedBox(Placement& placement, FontRasterizer& fonts,
                    const DotRect& box, std::string_view data,
                    Warnings& warnings);

}  // namespace vxcl::preview

#endif
