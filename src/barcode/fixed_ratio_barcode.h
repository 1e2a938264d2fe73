// One-dimensional barcodes drawn with one of the printer's fixed bar ratios.
#ifndef VXCL_BARCODE_FIXED_RATIO_BARCODE_H
#define VXCL_BARCODE_FIXED_RATIO_BARCODE_H

#include <string_view>

#include "job/job_state.h"
#include "job/outcome.h"

namespace vxcl {

// What the printer prints in place of a barcode of an unknown type, as a
// Code 39 symbol.
inline constexpr std::string_view kErrorBarcodeText = "*ERROR BARCODE TYPE*";

// PrnBarcode: 0, 1, 7, 32, 33, 34 or 35 (the last failing check, in the
// order direction, ratio, height, width, type). Every code but 0 appends
// the corrected barcode.
Outcome AddFixedRatioBarcode(JobState& job, int direction, double x, double y,
                             char type, int ratio, int narrowWidth,
                             double barHeight, std::string_view data);

}  // namespace vxcl

#endif
