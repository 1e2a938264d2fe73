#include "barcode/ucc128.h"

#include <string>

#include "barcode/barcode_arguments.h"
#include "job/commands.h"
#include "job/element.h"
#include "job/outcome.h"

namespace vxcl {

VxclResult AddUcc128(JobState& job, int direction, double x, double y,
                     int narrowWidth, int mode, double barHeight,
                     std::string_view data) {
  if (!job.open) return VXCL_NO_JOB;
  CheckCode code;
  direction = CheckedDirection(direction, code);
  if (data.size() != kUccDataLength)
    return code.Failed() ? code.Result() : VXCL_NO_JOB;
  const int heightDots = CheckedBarHeight(job, barHeight, code);
  narrowWidth = CheckedNarrowWidth(narrowWidth, code);
  if (mode < 0 || mode > 2) {
    code.Fail(VXCL_UCC128_MODE);
    mode = 2;
  }
  const std::string command =
      std::string{ESC} + "BI" + ZeroPadded(narrowWidth, 2) +
      ZeroPadded(heightDots, 3) + Decimal(mode) + std::string(data);
  AppendElement(job, direction, HorizontalDots(job, x), VerticalDots(job, y),
                command);
  return code.Result();
}

}  // namespace vxcl
