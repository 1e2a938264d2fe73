// The printers the library sees, and the metrics a job start would read
// from each, for tools that list them.
#include "exports/export_guard.h"
#include "exports/host_values.h"
#include "job/printer_lookup.h"
#include "platform/platform.h"
#include "platform/printer_system.h"
#include "vxclcmd.h"

using namespace vxcl;

namespace {

// Nullopt also when only the operating system's printers could not be
// listed: a list without them would pass for a whole one. Asking the print
// system may take a while: other threads go on meanwhile.
std::optional<std::vector<std::string>> ListPrinters() {
  PrinterSystem& printers = *CurrentPlatform().printers;
  const WithoutLibraryLock unlocked;
  auto names = printers.PrinterNames();
  if (!printers.ListingFailure().empty()) return std::nullopt;
  return names;
}

}  // namespace

extern "C" {

VXCL_API int VXCL_CALL VxclPrinterCount(void) {
  return GuardedReading(-1, [] {
    auto names = ListPrinters();
    return names ? static_cast<int>(names->size()) : -1;
  });
}

VXCL_API int VXCL_CALL VxclPrinterName(int index, char* buffer, int capacity) {
  return GuardedReading(-1, [&] {
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
  return Guarded("VxclPrinterMetrics", 0, [&]() -> Outcome {
    // The job in progress is not touched.
    PrinterSystem& printers = *CurrentPlatform().printers;
    const std::string wanted(HostString(name));
    Expected<PrinterMetrics> printer = [&] {
      const WithoutLibraryLock unlocked;
      return LookUpPrinter(printers, wanted);
    }();
    if (!printer) {
      printer.Failure().code = VXCL_NO_JOB;  // this call's "not found"
      printer.Failure().message += "; nothing stored";
      return std::move(printer.Failure());
    }
    if (dotsPerMm) *dotsPerMm = printer->dotsPerMm;
    if (maxWidthDots) *maxWidthDots = printer->maxWidthDots;
    if (maxHeightDots) *maxHeightDots = printer->maxHeightDots;
    return VXCL_OK;
  });
}

}  // extern "C"
