// BMP and PCX pictures.
#include "exports/export_guard.h"
#include "exports/host_values.h"
#include "graphics/picture_placement.h"
#include "vxclcmd.h"

using namespace vxcl;

extern "C" {

VXCL_API int VXCL_CALL PrnDrawBMP(int rotation, double x, double y,
                                  double width, double height,
                                  const char* fileName) {
  return GuardedElement("PrnDrawBMP", [&] {
    return AddBmpPicture(TheJob(), rotation, x, y, width, height,
                         HostStringOrNull(fileName));
  });
}

VXCL_API int VXCL_CALL PrnDrawPCX(int rotation, double x, double y,
                                  double width, double height,
                                  const char* fileName) {
  return GuardedElement("PrnDrawPCX", [&] {
    return AddPcxPicture(TheJob(), rotation, x, y, width, height,
                         HostStringOrNull(fileName));
  });
}

}  // extern "C"
