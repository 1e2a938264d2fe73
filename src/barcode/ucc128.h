// UCC-128 symbols, built by the printer from 17 data characters.
#ifndef VXCL_BARCODE_UCC128_H
#define VXCL_BARCODE_UCC128_H

#include <string_view>

#include "job/job_state.h"
#include "job/outcome.h"

namespace vxcl {

// Data of the wrong length is refused with this code (or with 7 when the
// direction is out of range as well).
inline constexpr std::size_t kUccDataLength = 17;

// PrnUCC128. Data that is not 17 bytes long is refused with the code
// reached so far: 0, or 7 when the direction is out of range as well.
// Otherwise 1, 7, 34, 35 or 38 (the last failing check, in the order
// direction, height, width, mode), with the corrected barcode appended.
Outcome AddUcc128(JobState& job, int direction, double x, double y,
                  int narrowWidth, int mode, double barHeight,
                  std::string_view data);

}  // namespace vxcl

#endif
