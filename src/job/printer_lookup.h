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
  int maxWidthDots = 0;       // the widest printable line
  int maxHeightDots = 0;      // the longest printable label
  std::string installedName;  // the printer found: jobs go there
};

// The name with leading and trailing bytes of value 0x20 or below removed.
std::string_view TrimPrinterName(std::string_view name);

// Why a printer of resolution `dotsPerMm` cannot print labels, for messages.
std::string ResolutionTooLow(std::string_view name, int dotsPerMm);

// The installed printer `name` means: the printer of exactly that name,
// else the first whose name, trimmed, equals `name` trimmed (letter case
// counting). Fails with VXCL_PRINTER_NOT_FOUND and a message that names
// `name` and says why: no printer of that name (naming one that differs only
// in letter case), or the print system could not be reached.
Expected<std::string> FindInstalledPrinter(PrinterSystem& printers,
                                           std::string_view name);

// FindInstalledPrinter's printer; nullopt when there is none.
std::optional<std::string> MatchPrinterName(PrinterSystem& printers,
                                            std::string_view name);

// The metrics of the printer `name` means (see FindInstalledPrinter).
// Fails with VXCL_PRINTER_NOT_FOUND and a message naming the printer: not
// found, cannot be opened, its paper settings cannot be read (with the
// printer system's reason), or it cannot report its metrics ("Printer
// selected is not valid.....").
Expected<PrinterMetrics> LookUpPrinter(PrinterSystem& printers,
                                       std::string_view name);

}  // namespace vxcl

#endif
