// One-dimensional barcodes whose bar and space widths the host chooses.
#ifndef VXCL_BARCODE_VARIABLE_RATIO_BARCODE_H
#define VXCL_BARCODE_VARIABLE_RATIO_BARCODE_H

#include <string_view>

#include "job/job_state.h"
#include "job/outcome.h"

namespace vxcl {

// The four element widths, in dots, in the order the printer takes them.
struct ElementWidths {
  int width1;
  int width2;
  int width3;
  int width4;
};

// PrnVariableBarcode: 0, 1, 7, 32, 34, 36 or 37 (the last failing check, in
// the order direction, type, element widths, expansion, height). CX208
// jobs take types "0", "1", "2"; other jobs "5" and "6" as well. Every code
// but 0 appends the corrected barcode.
Outcome AddVariableRatioBarcode(JobState& job, int direction, double x,
                                double y, char type, ElementWidths widths,
                                int expansion, double barHeight,
                                std::string_view data);

}  // namespace vxcl

#endif
