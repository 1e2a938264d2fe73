// Data Matrix symbols: a symbol-settings command, then the data command.
#ifndef VXCL_BARCODE_DATA_MATRIX_H
#define VXCL_BARCODE_DATA_MATRIX_H

#include <cstddef>
#include <string_view>

#include "job/job_state.h"
#include "job/outcome.h"

namespace vxcl {

inline constexpr std::size_t kDataMatrixMaxData = 500;

struct DataMatrixSettings {
  int formatId;      // ends in 1 to 6: 1..6, 11..16, 21..26 and so on
  int eccLevel;      // 0, 5, 8, 10, 14 or 20
  int cellWidth;     // dots, 3 to 12
  int cellHeight;    // dots, 3 to 12
  int symbolFlag;    // only the low byte counts: non-zero is sent as 1
  int symbolOption;  // 1 to 15
};

// PrnDataMatrix: 0, 1, 7, 112 to 115 (the last failing check, in parameter
// order; both cell sizes report 114), or 116 with nothing appended when the
// data is empty or longer than 500 bytes. The data is sent as it is.
Outcome AddDataMatrix(JobState& job, int direction, double x, double y,
                      DataMatrixSettings settings, std::string_view data);

}  // namespace vxcl

#endif
