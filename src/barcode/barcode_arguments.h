// The argument checks that the one-dimensional barcode calls share.
#ifndef VXCL_BARCODE_BARCODE_ARGUMENTS_H
#define VXCL_BARCODE_BARCODE_ARGUMENTS_H

#include "job/job_state.h"
#include "job/outcome.h"

namespace vxcl {

// Directions 0 to 3; any other (a negative one included) is 0, code 7.
int CheckedDirection(int direction, CheckCode& code);

// The bar height in dots, 1 to 600; otherwise 10 mm, code 34.
int CheckedBarHeight(const JobState& job, double heightMm, CheckCode& code);

// The narrow-bar width in dots, 1 to 12; otherwise 1, code 35.
int CheckedNarrowWidth(int width, CheckCode& code);

}  // namespace vxcl

#endif
