// The printers the library sees, and the metrics a job start would read
// from each, for tools that list them.
#include "exports/copy_out.h"
#include "exports/export_guard.h"
#include "job/errors.h"
#include "job/job_state.h"
#include "job/last_error.h"
#include "job/printer_lookup.h"
#include "platform/platform.h"
#include "vxclcmd.h"

using namespace vxcl;

namespace {

std::optional<std::vector<std::string>> ListPrinters() {
  return CurrentPlatform().printers->PrinterNames();
}

}  // namespace

extern "C" {

VXCL_API int VXCL_CALL VxclPrinterCount(void) {
  return Guarded(-1, [] {
    auto names = ListPrinters();
    return names ? static_cast<int>(names->size()) : -1;
  });
}

VXCL_API int VXCL_CALL VxclPrinterName(int index, char* buffer, int capacity) {
  return Guarded(-1, [&] {
    auto names = ListPrinters();
    if (!names || index < 0 || static_cast<std::size_t>(index) >= names->size())
      return -1;
    return CopyText((*names)[static_cast<std::size_t>(index)], buffer,
                    capacity);
  });
}

VXCL_API int VXCL_CALL VxclPrinterMetrics(const char* name, int* dotsPerMm,
                                          int* maxWidthDots,
                                          int* maxHeightDots) {
  return Guarded(0, [&] {
    ClearLastError();
    // A scratch job: the lookup writes only the metrics, and those belong
    // to the job in progress.
    JobState scratch;
    try {
      if (!FindPrinter(*CurrentPlatform().printers, name ? name : "", scratch))
        return 0;
    } catch (const ERAWPrintError& error) {
      RecordLastError(error.what());
      return 0;
    }
    if (dotsPerMm) *dotsPerMm = scratch.DotsPerMm;
    if (maxWidthDots) *maxWidthDots = scratch.MaxWidthDots;
    if (maxHeightDots) *maxHeightDots = scratch.MaxHeightDots;
    return 1;
  });
}

}  // extern "C"
