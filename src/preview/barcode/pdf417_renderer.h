// A *_renderer reads a barcode command and draws its symbol.
// PDF417 (ESC "BK"): standard, truncated or micro, drawn with libzint.
#ifndef VXCL_PREVIEW_BARCODE_PDF417_RENDERER_H
#define VXCL_PREVIEW_BARCODE_PDF417_RENDERER_H

#include <string_view>

#include "preview/element_context.h"

namespace vxcl::preview {

// `body` follows "BK": two digits of module width, two of row height, one
// of security level (the error-correction level), two of data codewords a
// row, two of rows (00 and 00: chosen to fit), four of data length, the
// data, then ",T" (truncated) or ",M" (Micro PDF417) or nothing. The
// symbol's top-left corner is the element point.
void DrawPdf417(const ElementContext& context, std::string_view body);

}  // namespace vxcl::preview

#endif
