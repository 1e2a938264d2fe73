// The host's limit on waiting for the print system.
#include <string>

#include "exports/export_guard.h"
#include "platform/spooler_limits.h"
#include "vxclcmd.h"

using namespace vxcl;

extern "C" {

VXCL_API int VXCL_CALL VxclSetSpoolerTimeout(int seconds) {
  return Guarded("VxclSetSpoolerTimeout", 0, [&]() -> Outcome {
    if (seconds < 0)
      return Outcome(VXCL_NO_JOB,
                     "seconds " + std::to_string(seconds) +
                         " is below 0 (0 waits as long as it takes); the "
                         "limit stays " +
                         std::to_string(QueueWaitSeconds()) + " s");
    SetQueueWaitSeconds(seconds);
    return VXCL_OK;
  });
}

}  // extern "C"
