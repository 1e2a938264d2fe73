#include "barcode/ucc128.h"

#include <string>

#include "barcode/barcode_arguments.h"
#include "job/commands.h"
#include "job/element.h"
#include "job/result_code.h"

namespace vxcl {

int AddUcc128(JobState& job, int direction, double x, double y, int narrowWidth,
              int mode, double barHeight, std::string_view data) {
  if (!job.JobOpen) return kNoJob;
  CheckCode code;
  direction = CheckedDirection(direction, code);
  if (data.size() != kUccDataLength)
    return code.Failed() ? code.Result() : kUccDataLengthWrong;
  const int heightDots = CheckedBarHeight(job, barHeight, code);
  narrowWidth = CheckedNarrowWidth(narrowWidth, code);
  if (mode < 0 || mode > 2) {
    code.Fail(kUccModeOutOfRange);
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
