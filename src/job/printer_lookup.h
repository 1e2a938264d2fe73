// Finds a printer by name and reads its resolution and widest and longest
// printable area.
#ifndef VXCL_JOB_PRINTER_LOOKUP_H
#define VXCL_JOB_PRINTER_LOOKUP_H

#include <optional>
#include <string>
#include <string_view>

#include "job/outcome.h"
#include "platform/printer_system.h"

namespace vxcl {

// What a job start reads from its printer.
struct PrinterMetrics {
  int dotsPerMm = 0;
  int maxWidthDots = 0;   // the widest printable line
  int maxHeightDots = 0;  // the longest printable label
};

// The name with leading and trailing bytes of value 0x20 or below removed.
std::string_view TrimPrinterName(std::string_view name);

// The name of the first installed printer whose name, trimmed, equals
// `name` trimmed (letter case counting); nullopt when none does or the
// printers cannot be listed.
std::optional<std::string> MatchPrinterName(PrinterSystem& printers,
                                            std::string_view name);

// The metrics of the printer of that name (compared trimmed, letter case
// counting). Fails with VXCL_PRINTER_NOT_FOUND: with no message when there
// is no such printer or it cannot be opened; with the printer system's
// reason when its paper settings cannot be read; with "Printer selected is
// not valid....." when it cannot report its metrics.
Expected<PrinterMetrics> LookUpPrinter(PrinterSystem& printers,
                                       std::string_view name);

}  // namespace vxcl

#endif
