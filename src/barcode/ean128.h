// EAN-128 symbols from data written with its application identifiers in
// parentheses: "(01)12345678901231(10)ABC123".
#ifndef VXCL_BARCODE_EAN128_H
#define VXCL_BARCODE_EAN128_H

#include <string_view>

#include "job/job_state.h"
#include "job/outcome.h"

namespace vxcl {

// PrnEAN128. Faults in the data are refusals: 43 when it cannot be split
// into groups, else 40, 41 or 42 for the first faulty group (a digit fault
// wins over a length fault). Valid data gives 1, 7, 34 or 35 (the last
// failing check, in the order direction, height, width), with the
// corrected barcode appended.
Outcome AddEan128(JobState& job, int direction, double x, double y,
                  int narrowWidth, double barHeight, std::string_view data);

}  // namespace vxcl

#endif
