// Finds a printer by name and reads its resolution and widest and longest
// printable area into the job.
#ifndef VXCL_JOB_PRINTER_LOOKUP_H
#define VXCL_JOB_PRINTER_LOOKUP_H

#include <optional>
#include <string>
#include <string_view>

#include "job/job_state.h"
#include "platform/printer_system.h"

namespace vxcl {

// One installed printer as the lookup sees it.
struct TPrinterDevice {
  std::string DriverName;  // always empty
  std::string DeviceName;  // the name the printer system reports
  std::string PortName;    // always empty
};

// The name with leading and trailing bytes of value 0x20 or below removed.
std::string_view TrimPrinterName(std::string_view name);

// The first installed printer whose name, trimmed, equals `name` trimmed
// (letter case counting); nullopt when none does or the printers cannot be
// listed.
std::optional<TPrinterDevice> MatchPrinterName(PrinterSystem& printers,
                                               std::string_view name);

// True when a printer of that name (compared trimmed, letter case counting)
// was found and DotsPerMm, MaxWidthDots and MaxHeightDots were written.
// Throws ERAWPrintError ("Printer selected is not valid.....") when the
// printer cannot report its metrics.
bool FindPrinter(PrinterSystem& printers, std::string_view name, JobState& job);

}  // namespace vxcl

#endif
