// The printer's custom graphic: ESC "GB" (binary) and ESC "GH" (hex).
#ifndef VXCL_PREVIEW_GRAPHIC_RENDERER_H
#define VXCL_PREVIEW_GRAPHIC_RENDERER_H

#include <string_view>

#include "preview/element_context.h"

namespace vxcl::preview {

// `body` follows "GB" or "GH": three digits of bytes a row, three of blocks
// of eight rows, then the rows top first, the leftmost dot in a byte's most
// significant bit, 1 printing. Dots are drawn one for one, from the element
// point; rows the stream cuts short stay white (with a warning).
void DrawGraphic(const ElementContext& context, std::string_view body,
                 bool hex);

}  // namespace vxcl::preview

#endif
