// Lines and boxes (ESC "FW") and reversed areas (ESC "(").
#ifndef VXCL_PREVIEW_LINE_BOX_RENDERER_H
#define VXCL_PREVIEW_LINE_BOX_RENDERER_H

#include <string_view>

#include "preview/element_context.h"

namespace vxcl::preview {

// `body` follows "FW". A line: two digits of thickness, "H" or "V", the
// length: a horizontal line runs right from the element point and is as
// thick downwards, a vertical one runs down and is as thick to the right.
// A box: two digits of thickness for the top and bottom sides, two for the
// left and right sides, then "V" and the height and "H" and the width (in
// either order); the sizes are the box's outer ones, its sides inside them.
void DrawLineOrBox(const ElementContext& context, std::string_view body);

// `body` follows "(": the width, a comma, the height. Every dot of that
// rectangle from the element point is reversed, so the reversal acts on
// what was drawn before it.
void ReverseArea(const ElementContext& context, std::string_view body);

}  // namespace vxcl::preview

#endif
