#include "job/printer_lookup.h"

#include "job/commands.h"

namespace vxcl {

namespace {

constexpr std::string_view kPrinterNotValid =
    "Printer selected is not valid.....";

int MillimetresToDots(int mm, int dotsPerMm) {
  return Saturated(static_cast<long long>(mm) * dotsPerMm);
}

int TenthsOfMm(int mm) { return Saturated(static_cast<long long>(mm) * 10); }

}  // namespace

std::string_view TrimPrinterName(std::string_view name) {
  auto blank = [](char c) { return static_cast<unsigned char>(c) <= 0x20; };
  while (!name.empty() && blank(name.front())) name.remove_prefix(1);
  while (!name.empty() && blank(name.back())) name.remove_suffix(1);
  return name;
}

std::optional<std::string> MatchPrinterName(PrinterSystem& printers,
                                            std::string_view name) {
  // Printers are enumerated by name only, as on the Windows NT family; the
  // 9x enumeration by port is not needed on any supported platform.
  const std::string_view wanted = TrimPrinterName(name);
  return printers.FirstNameMatching([&](std::string_view installed) {
    return TrimPrinterName(installed) == wanted;
  });
}

Expected<PrinterMetrics> LookUpPrinter(PrinterSystem& printers,
                                       std::string_view name) {
  const Outcome notFound(VXCL_PRINTER_NOT_FOUND);
  if (name.empty()) return notFound;
  const std::optional<std::string> installed = MatchPrinterName(printers, name);
  if (!installed) return notFound;

  // A printer that cannot be opened, or whose paper settings cannot be read,
  // gives no metrics to probe with: it counts as not found.
  auto printer = printers.Open(*installed);
  if (!printer) return notFound;
  DeviceMode mode;
  if (!printer->ReadDeviceMode(mode))
    return Outcome(VXCL_PRINTER_NOT_FOUND, printer->FailureReason());

  const Outcome notValid(VXCL_PRINTER_NOT_FOUND, std::string(kPrinterNotValid));
  const auto defaults = printer->QueryDevice(mode);
  if (!defaults) return notValid;
  PrinterMetrics metrics;
  metrics.dotsPerMm = static_cast<int>(defaults->dotsPerInch / 25.4L + 0.5L);

  mode.paperWidth = 10000;  // 1000 mm: the widest paper the printer allows
  const auto widest = printer->QueryDevice(mode);
  if (!widest) return notValid;
  metrics.maxWidthDots =
      MillimetresToDots(widest->printableWidthMm, metrics.dotsPerMm);

  mode.paperWidth = TenthsOfMm(defaults->printableWidthMm);
  mode.paperLength = 10000;  // 1000 mm: the longest paper it allows
  const auto longest = printer->QueryDevice(mode);
  if (!longest) return notValid;
  metrics.maxHeightDots =
      MillimetresToDots(longest->printableHeightMm, metrics.dotsPerMm);
  return metrics;
}

}  // namespace vxcl
