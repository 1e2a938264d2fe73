// Chooses Code 128 code sets for the printer's Code 128 command: control
// bytes travel in code set A, runs of digits in code set C, everything else
// in code set B.
#ifndef VXCL_BARCODE_CODE128_OPTIMIZER_H
#define VXCL_BARCODE_CODE128_OPTIMIZER_H

#include <string>
#include <string_view>

namespace vxcl {

// Returns the data with a start code in front and code-set switches where
// the code set changes. Explicit pairs in the data (">G", ">H", ">I" start
// codes, ">E", ">D", ">C" switches, ">F" FNC1) are honoured; a ">" before
// any other byte is an ordinary character. Empty data gives ">H".
std::string Code128Optimizer(std::string_view data);

}  // namespace vxcl

#endif
