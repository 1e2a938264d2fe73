#include "job/printer_lookup.h"

#include <climits>

#include "job/errors.h"
#include "job/last_error.h"
#include "job/messages.h"

namespace vxcl {

namespace {

DeviceCaps QueryOrThrow(Printer& printer, const DeviceMode& mode) {
  auto caps = printer.QueryDevice(mode);
  if (!caps) throw ERAWPrintError(0, std::string(kPrinterNotValid));
  return *caps;
}

int MillimetresToDots(int mm, int dotsPerMm) {
  const long long dots = static_cast<long long>(mm) * dotsPerMm;
  return dots > INT_MAX   ? INT_MAX
         : dots < INT_MIN ? INT_MIN
                          : static_cast<int>(dots);
}

int TenthsOfMm(int mm) {
  const long long tenths = static_cast<long long>(mm) * 10;
  return tenths > INT_MAX   ? INT_MAX
         : tenths < INT_MIN ? INT_MIN
                            : static_cast<int>(tenths);
}

}  // namespace

std::string_view TrimPrinterName(std::string_view name) {
  auto blank = [](char c) { return static_cast<unsigned char>(c) <= 0x20; };
  while (!name.empty() && blank(name.front())) name.remove_prefix(1);
  while (!name.empty() && blank(name.back())) name.remove_suffix(1);
  return name;
}

std::optional<TPrinterDevice> MatchPrinterName(PrinterSystem& printers,
                                               std::string_view name) {
  // Printers are enumerated by name only, as on the Windows NT family; the
  // 9x enumeration by port is not needed on any supported platform.
  auto names = printers.PrinterNames();
  if (!names) return std::nullopt;
  const std::string_view wanted = TrimPrinterName(name);
  for (const std::string& installed : *names)
    if (TrimPrinterName(installed) == wanted)
      return TPrinterDevice{{}, installed, {}};
  return std::nullopt;
}

bool FindPrinter(PrinterSystem& printers, std::string_view name,
                 JobState& job) {
  if (name.empty()) return false;
  const std::optional<TPrinterDevice> device = MatchPrinterName(printers, name);
  if (!device) return false;

  // A printer that cannot be opened, or whose paper settings cannot be read,
  // gives no metrics to probe with: it counts as not found.
  auto printer = printers.Open(device->DeviceName);
  if (!printer) return false;
  DeviceMode mode;
  if (!printer->ReadDeviceMode(mode)) {
    const std::string reason = printer->FailureReason();
    if (!reason.empty()) RecordLastError(reason);
    return false;
  }

  const DeviceCaps defaults = QueryOrThrow(*printer, mode);
  job.DotsPerMm = static_cast<int>(defaults.dotsPerInch / 25.4L + 0.5L);
  const int defaultWidth = TenthsOfMm(defaults.printableWidthMm);

  mode.paperWidth = 10000;  // 1000 mm: the widest paper the printer allows
  job.MaxWidthDots = MillimetresToDots(
      QueryOrThrow(*printer, mode).printableWidthMm, job.DotsPerMm);

  mode.paperWidth = defaultWidth;
  mode.paperLength = 10000;  // 1000 mm: the longest paper it allows
  job.MaxHeightDots = MillimetresToDots(
      QueryOrThrow(*printer, mode).printableHeightMm, job.DotsPerMm);
  return true;
}

}  // namespace vxcl
