#include "barcode/barcode_arguments.h"

#include "job/check_messages.h"
#include "job/element.h"

namespace vxcl {

int CheckedDirection(int direction, CheckCode& code) {
  if (static_cast<unsigned>(direction) <= 3) return direction;
  code.Fail(VXCL_DIRECTION, Replaced("Direction", Number(direction),
                                     "0 to 3 (quarter turns)", "0"));
  return 0;
}

int CheckedBarHeight(const JobState& job, double heightMm, CheckCode& code) {
  const int dots = SizeDots(job, heightMm);
  if (dots >= 1 && dots <= 600) return dots;
  code.Fail(VXCL_BAR_HEIGHT,
            Replaced("BarHeight",
                     Millimetres(heightMm) + " (" + Number(dots) + " dots)",
                     "1 to 600 dots",
                     "10 mm (" + Number(job.dotsPerMm * 10LL) + " dots)"));
  return job.dotsPerMm * 10;
}

int CheckedNarrowWidth(int width, CheckCode& code) {
  if (width >= 1 && width <= 12) return width;
  code.Fail(VXCL_NARROW_WIDTH,
            Replaced("NarrowWidth", Number(width), "1 to 12 dots", "1"));
  return 1;
}

}  // namespace vxcl
