#include "barcode/barcode_arguments.h"

#include "job/element.h"

namespace vxcl {

int CheckedDirection(int direction, CheckCode& code) {
  if (static_cast<unsigned>(direction) <= 3) return direction;
  code.Fail(VXCL_DIRECTION);
  return 0;
}

int CheckedBarHeight(const JobState& job, double heightMm, CheckCode& code) {
  const int dots = SizeDots(job, heightMm);
  if (dots >= 1 && dots <= 600) return dots;
  code.Fail(VXCL_BAR_HEIGHT);
  return job.dotsPerMm * 10;
}

int CheckedNarrowWidth(int width, CheckCode& code) {
  if (width >= 1 && width <= 12) return width;
  code.Fail(VXCL_NARROW_WIDTH);
  return 1;
}

}  // namespace vxcl
