// The label preview's calls in a build without the preview (Windows, where
// libpng and libzint are not built): each answers so, and nothing is drawn.
#include "exports/export_guard.h"
#include "exports/host_values.h"
#include "vxclcmd.h"

using namespace vxcl;

extern "C" {

VXCL_API int VXCL_CALL VxclVirtualJobPreview(const char*, int, const char*) {
  return Guarded("VxclVirtualJobPreview", VXCL_PREVIEW_UNAVAILABLE,
                 [] { return VXCL_PREVIEW_UNAVAILABLE; });
}

VXCL_API int VXCL_CALL VxclPreviewStream(const unsigned char*, int, int, double,
                                         double, double, const char*) {
  return Guarded("VxclPreviewStream", VXCL_PREVIEW_UNAVAILABLE,
                 [] { return VXCL_PREVIEW_UNAVAILABLE; });
}

VXCL_API int VXCL_CALL VxclPreviewWarnings(char* buffer, int capacity) {
  return GuardedReading(0, [&] { return CopyText("", buffer, capacity); });
}

VXCL_API int VXCL_CALL VxclPreviewFindingCount(void) {
  return GuardedReading(0, [] { return 0; });
}

VXCL_API int VXCL_CALL VxclPreviewFinding(int, int*, int, char*, int) {
  return GuardedReading(-1, [] { return -1; });
}

}  // extern "C"
