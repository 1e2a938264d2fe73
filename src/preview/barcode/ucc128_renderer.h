// A *_renderer reads a barcode command and draws its symbol.
// UCC-128 (ESC "BI"): a serial shipping container code from 17 digits.
#ifndef VXCL_PREVIEW_BARCODE_UCC128_RENDERER_H
#define VXCL_PREVIEW_BARCODE_UCC128_RENDERER_H

#include <string>
#include <string_view>

#include "preview/element_context.h"

namespace vxcl::preview {

// The 18-digit code of 17 data digits: the data and its GS1 modulo-10
// check digit.
std::string SsccWithCheckDigit(std::string_view digits17);

// `body` follows "BI": two digits of narrow width, three of bar height, one
// of text position (0 none, 1 above, 2 below), then 17 digits. The symbol
// is Code 128 in code set C: FNC1, the application identifier 00, the 17
// digits and their check digit. The text "(00)" and the 18 digits is
// printed in OCR-B cells 10 dots from the bars, centred on the symbol (or
// from its left edge when wider); the element point is the top-left
// corner of the whole field, text included.
void DrawUcc128(const ElementContext& context, std::string_view body);

}  // namespace vxcl::preview

#endif
