// Batches: label jobs collected and sent as one spool job.
#include "exports/export_guard.h"
#include "job/label_batch.h"
#include "platform/platform.h"
#include "vxclcmd.h"

using namespace vxcl;

extern "C" {

VXCL_API int VXCL_CALL VxclBeginBatch(void) {
  return Guarded("VxclBeginBatch", VXCL_INTERNAL_FAILURE,
                 [] { return TheBatch().Begin(); });
}

VXCL_API int VXCL_CALL VxclEndBatch(void) {
  return Guarded("VxclEndBatch", VXCL_INTERNAL_FAILURE,
                 [] { return TheBatch().End(CurrentPlatform()); });
}

VXCL_API int VXCL_CALL VxclCancelBatch(void) {
  return Guarded("VxclCancelBatch", VXCL_INTERNAL_FAILURE,
                 [] { return TheBatch().Cancel(); });
}

}  // extern "C"
