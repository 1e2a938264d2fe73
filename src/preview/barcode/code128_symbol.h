// Not a *_renderer: builds or lays down what the renderers draw.
// Code 128 as the printer builds it from its data language (see
// language/code128.h): the data picks every code set itself, so the symbol
// holds exactly the code sets the data selects.
#ifndef VXCL_PREVIEW_BARCODE_CODE128_SYMBOL_H
#define VXCL_PREVIEW_BARCODE_CODE128_SYMBOL_H

#include <string>
#include <string_view>
#include <vector>

#include "preview/barcode/bar_pattern.h"

namespace vxcl::preview {

struct Code128Values {
  std::vector<int> values;            // start character first; no check
  std::vector<std::string> problems;  // what the printer could not encode
};

// Reads the printer's Code 128 data. ">" and a letter is a special value,
// by the code set in force:
//   >G >H >I  start A, B, C (inside the symbol: a switch to that set)
//   >C        code C (in code set C: the digit pair 99)
//   >D        code B (in code set B: FNC4)
//   >E        code A (in code set A: FNC4)
//   >F        FNC1
//   >@ >A >B  FNC3, FNC2, SHIFT (in code set C: the pairs 96, 97, 98)
// Any other ">" is the character ">". Data without a start code starts in
// code set B. Characters outside the set in force are dropped (a problem).
Code128Values ReadCode128Data(std::string_view data);

// The symbol of the values: each value's six elements, the modulo-103 check
// character and the stop pattern, `module` dots a module.
BarPattern Code128Pattern(const std::vector<int>& values, long long module);

}  // namespace vxcl::preview

#endif
