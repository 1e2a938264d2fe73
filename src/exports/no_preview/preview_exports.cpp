// The label preview's calls in a build without the preview (Windows, where
// libpng and libzint are not built): each answers so, and nothing is drawn.
#include "exports/export_guard.h"
#include "exports/host_values.h"
#include "vxclcmd.h"

using namespace vxcl;

extern "C" {

VXCL_API int VXCL_CALL VxclVirtualJobPreview(const char*, int, const char*) {
  return VXCL_PREVIEW_UNAVAILABLE;
}

VXCL_API int VXCL_CALL VxclPreviewStream(const unsigned char*, int, int, double,
                                         double, double, const char*) {
  return VXCL_PREVIEW_UNAVAILABLE;
}

VXCL_API int VXCL_CALL VxclPreviewWarnings(char* buffer, int capacity) {
  return Guarded(0, [&] { return CopyText("", buffer, capacity); });
}

}  // extern "C"
