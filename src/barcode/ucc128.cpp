#include "barcode/ucc128.h"

#include <string>

#include "barcode/barcode_arguments.h"
#include "job/check_messages.h"
#include "job/commands.h"
#include "job/element.h"
#include "job/outcome.h"

namespace vxcl {

Outcome AddUcc128(JobState& job, int direction, double x, double y,
                  int narrowWidth, int mode, double barHeight,
                  std::string_view data) {
  if (!job.open) return VXCL_NO_JOB;
  CheckCode code;
  direction = CheckedDirection(direction, code);
  if (data.size() != kUccDataLength) {
    code.Note("Data " + QuotedExcerpt(data) + " is " +
              Number(static_cast<long long>(data.size())) +
              " bytes long, not 17; nothing added");
    return code.ResultOr(VXCL_NO_JOB);
  }
  const int heightDots = CheckedBarHeight(job, barHeight, code);
  narrowWidth = CheckedNarrowWidth(narrowWidth, code);
  if (mode < 0 || mode > 2) {
    code.Fail(VXCL_UCC128_MODE,
              Replaced("Mode", Number(mode),
                       "0 (no text), 1 (text above) or 2 (text below)",
                       "2 (text below)"));
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
