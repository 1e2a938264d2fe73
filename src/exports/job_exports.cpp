// Job start, quantity, cutting and job end.
#include "exports/export_guard.h"
#include "exports/host_values.h"
#include "job/job_end.h"
#include "job/job_start.h"
#include "platform/platform.h"
#include "vxclcmd.h"

using namespace vxcl;

namespace {

int OpenGuarded(const char* call, PrinterFamily family, const char* printerName,
                int darkness, int speed, double labelWidth, double labelHeight,
                double shift) {
  return GuardedJobStart(call, [&] {
    return OpenLabelJob(TheJob(), CurrentPlatform(), family,
                        HostString(printerName), darkness, speed, labelWidth,
                        labelHeight, shift);
  });
}

}  // namespace

extern "C" {

VXCL_API int VXCL_CALL PrnInit(const char* printerName, int darkness, int speed,
                               double labelWidth, double labelHeight,
                               double shift) {
  return OpenGuarded("PrnInit", PrinterFamily::CL, printerName, darkness, speed,
                     labelWidth, labelHeight, shift);
}

VXCL_API int VXCL_CALL PrnInitESeries(const char* printerName, int darkness,
                                      int speed, double labelWidth,
                                      double labelHeight, double shift) {
  return OpenGuarded("PrnInitESeries", PrinterFamily::ESeries, printerName,
                     darkness, speed, labelWidth, labelHeight, shift);
}

VXCL_API int VXCL_CALL PrnQty(int quantity) {
  return Guarded("PrnQty", VXCL_INTERNAL_FAILURE,
                 [&] { return SetQuantity(TheJob(), quantity); });
}

VXCL_API int VXCL_CALL PrnCutter(int cutCount, int eSeriesCount,
                                 int eSeriesFlag) {
  return Guarded("PrnCutter", VXCL_INTERNAL_FAILURE, [&] {
    return SetCutter(TheJob(), cutCount, eSeriesCount, eSeriesFlag);
  });
}

VXCL_API int VXCL_CALL PrnEnd(void) {
  return Guarded("PrnEnd", VXCL_INTERNAL_FAILURE,
                 [] { return EndJob(TheJob(), CurrentPlatform()); });
}

}  // extern "C"
