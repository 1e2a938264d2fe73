// A *_renderer reads a barcode command and draws its symbol.
// The printer's one-dimensional barcode commands: ESC "B" (narrow to wide
// 1:3), ESC "D" (1:2) and ESC "BD" (2:5), each followed by a type letter,
// two digits of narrow-element width, three of bar height, and the data.
#ifndef VXCL_PREVIEW_BARCODE_FIXED_RATIO_RENDERER_H
#define VXCL_PREVIEW_BARCODE_FIXED_RATIO_RENDERER_H

#include <string_view>

#include "preview/element_context.h"

namespace vxcl::preview {

// `command` is "B", "D" or "BD"; `body` starts with the type letter. The
// symbol's top-left corner is the element point. The ratio widens the
// elements of Codabar, Code 39 and the 2 of 5 codes; the other
// symbologies are drawn in modules of the narrow width. For UPC and EAN,
// ESC "D" lengthens the guard bars and ESC "BD" also prints the digits
// under the bars (EAN-8 gets both with ESC "D").
void DrawFixedRatioBarcode(const ElementContext& context,
                           std::string_view command, std::string_view body);

}  // namespace vxcl::preview

#endif
