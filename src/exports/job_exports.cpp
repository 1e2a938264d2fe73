// Job start, quantity, cutting and job end.
#include "exports/export_guard.h"
#include "job/job_end.h"
#include "job/job_start.h"
#include "vxclcmd.h"

using namespace vxcl;

namespace {

int InitGuarded(LabelPrinter model, const char* printerName, int darkness,
                int speed, double labelWidth, double labelHeight,
                double shift) {
  return Guarded(
      kInternalFailure,
      [&] {
        return InitLabelJob(TheJob(), CurrentPlatform(), model, printerName,
                            darkness, speed, labelWidth, labelHeight, shift);
      },
      [] { CloseFailedStart(TheJob()); });
}

}  // namespace

extern "C" {

VXCL_API int VXCL_CALL PrnInit(const char* printerName, int darkness, int speed,
                               double labelWidth, double labelHeight,
                               double shift) {
  return InitGuarded(LabelPrinter::CL, printerName, darkness, speed, labelWidth,
                     labelHeight, shift);
}

VXCL_API int VXCL_CALL PrnInitESeries(const char* printerName, int darkness,
                                      int speed, double labelWidth,
                                      double labelHeight, double shift) {
  return InitGuarded(LabelPrinter::ESeries, printerName, darkness, speed,
                     labelWidth, labelHeight, shift);
}

VXCL_API int VXCL_CALL PrnQty(int quantity) {
  return Guarded(kInternalFailure,
                 [&] { return SetQuantity(TheJob(), quantity); });
}

VXCL_API int VXCL_CALL PrnCutter(int cutCount, int eSeriesCount,
                                 int eSeriesFlag) {
  return Guarded(kInternalFailure, [&] {
    return SetCutter(TheJob(), cutCount, eSeriesCount, eSeriesFlag);
  });
}

VXCL_API int VXCL_CALL PrnEnd(void) {
  return Guarded(kInternalFailure,
                 [] { return EndJob(TheJob(), CurrentPlatform()); });
}

}  // extern "C"
