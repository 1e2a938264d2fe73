// Lines, boxes and reversed areas.
#include "exports/export_guard.h"
#include "graphics/lines.h"
#include "vxclcmd.h"

using namespace vxcl;

extern "C" {

VXCL_API int VXCL_CALL PrnDrawLine(double x, double y, unsigned int direction,
                                   int lineWidth, double length) {
  return GuardedElement("PrnDrawLine", [&] {
    return AddLine(TheJob(), x, y, direction, lineWidth, length);
  });
}

VXCL_API int VXCL_CALL PrnDrawBox(double x, double y, int lineWidth1,
                                  int lineWidth2, double boxWidth,
                                  double boxHeight) {
  return GuardedElement("PrnDrawBox", [&] {
    return AddBox(TheJob(), x, y, lineWidth1, lineWidth2, boxWidth, boxHeight);
  });
}

VXCL_API int VXCL_CALL PrnReverseImage(double x, double y, double width,
                                       double height) {
  return GuardedElement("PrnReverseImage", [&] {
    return AddReversedArea(TheJob(), x, y, width, height);
  });
}

}  // extern "C"
