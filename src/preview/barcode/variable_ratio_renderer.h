// A *_renderer reads a barcode command and draws its symbol.
// Variable-ratio barcodes: ESC "BT" sets the type and the four element
// widths, ESC "BW" that follows draws the symbol.
#ifndef VXCL_PREVIEW_BARCODE_VARIABLE_RATIO_RENDERER_H
#define VXCL_PREVIEW_BARCODE_VARIABLE_RATIO_RENDERER_H

#include <optional>
#include <string_view>

#include "preview/element_context.h"

namespace vxcl::preview {

struct VariableRatio {
  char type = '1';
  // Dots, in the order the command gives them.
  int narrowSpace = 1, wideSpace = 1, narrowBar = 1, wideBar = 1;
};

// `body` follows "BT": the type letter ("0", "1", "2", "5", "6"), then two
// digits each of narrow space, wide space, narrow bar, wide bar. nullopt
// (with a warning) when malformed.
std::optional<VariableRatio> ReadVariableRatio(const ElementContext& context,
                                               std::string_view body);

// `body` follows "BW": two digits of multiplier for every element, three of
// bar height, then the data. The symbol's top-left corner is the element
// point.
void DrawVariableRatioBarcode(const ElementContext& context,
                              const VariableRatio& ratio,
                              std::string_view body);

}  // namespace vxcl::preview

#endif
