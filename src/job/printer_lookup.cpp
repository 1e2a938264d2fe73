#include "job/printer_lookup.h"

#include "job/check_messages.h"
#include "job/commands.h"

namespace vxcl {

namespace {

constexpr std::string_view kPrinterNotValid =
    "Printer selected is not valid.....";

int MillimetresToDots(int mm, int dotsPerMm) {
  return Saturated(static_cast<long long>(mm) * dotsPerMm);
}

int TenthsOfMm(int mm) { return Saturated(static_cast<long long>(mm) * 10); }

bool SameLettersIgnoringCase(std::string_view a, std::string_view b) {
  auto lower = [](char c) {
    return c >= 'A' && c <= 'Z' ? static_cast<char>(c - 'A' + 'a') : c;
  };
  if (a.size() != b.size()) return false;
  for (std::size_t i = 0; i < a.size(); ++i)
    if (lower(a[i]) != lower(b[i])) return false;
  return true;
}

}  // namespace

std::string_view TrimPrinterName(std::string_view name) {
  auto blank = [](char c) { return static_cast<unsigned char>(c) <= 0x20; };
  while (!name.empty() && blank(name.front())) name.remove_prefix(1);
  while (!name.empty() && blank(name.back())) name.remove_suffix(1);
  return name;
}

std::string ResolutionTooLow(std::string_view name, int dotsPerMm) {
  return "printer " + QuotedName(name) + " has " + Number(dotsPerMm) +
         " dots per millimetre, below the 4 labels need";
}

Expected<std::string> FindInstalledPrinter(PrinterSystem& printers,
                                           std::string_view name) {
  const std::string notFound = "printer " + QuotedName(name) + " not found: ";
  if (TrimPrinterName(name).empty())
    return Outcome(VXCL_PRINTER_NOT_FOUND,
                   notFound +
                       "no printer name was given (null, empty or "
                       "blank)");
  // Printers are enumerated by name only, as on the Windows NT family; the
  // 9x enumeration by port is not needed on any supported platform.
  // A printer of exactly that name ends the list early where it can: a
  // virtual printer is found without waiting on the operating system's.
  auto names = printers.PrinterNamesUntil(
      [&](std::string_view installed) { return installed == name; });
  const std::string unreachable = printers.ListingFailure();
  if (names) {
    // An exact match wins: " VQ" and "VQ" may be different printers.
    for (std::string& installed : *names)
      if (installed == name) return std::move(installed);
    const std::string_view wanted = TrimPrinterName(name);
    for (std::string& installed : *names)
      if (TrimPrinterName(installed) == wanted) return std::move(installed);
  }
  if (!unreachable.empty() || !names)
    return Outcome(VXCL_PRINTER_NOT_FOUND,
                   notFound + "the print system could not be reached (" +
                       (unreachable.empty() ? std::string("no printer list")
                                            : unreachable) +
                       ")");
  std::string reason = notFound +
                       "no printer of that name (letter case counts, "
                       "surrounding blanks do not)";
  for (const std::string& installed : *names)
    if (SameLettersIgnoringCase(TrimPrinterName(installed),
                                TrimPrinterName(name))) {
      reason += "; " + QuotedName(installed) +
                " differs only in letter case or surrounding blanks";
      break;
    }
  return Outcome(VXCL_PRINTER_NOT_FOUND, std::move(reason));
}

std::optional<std::string> MatchPrinterName(PrinterSystem& printers,
                                            std::string_view name) {
  Expected<std::string> installed = FindInstalledPrinter(printers, name);
  if (!installed) return std::nullopt;
  return std::move(*installed);
}

Expected<PrinterMetrics> LookUpPrinter(PrinterSystem& printers,
                                       std::string_view name) {
  Expected<std::string> installed = FindInstalledPrinter(printers, name);
  if (!installed) return std::move(installed.Failure());
  const std::string printerText = "printer " + QuotedName(*installed);

  // A printer that cannot be opened, or whose paper settings cannot be read,
  // gives no metrics to probe with: it counts as not found.
  auto printer = printers.Open(*installed);
  if (!printer)
    return Outcome(VXCL_PRINTER_NOT_FOUND,
                   printerText +
                       " not found: it is listed but could not be "
                       "opened");
  DeviceMode mode;
  if (!printer->ReadDeviceMode(mode)) {
    std::string reason = printer->FailureReason();
    if (reason.empty()) reason = "its paper settings could not be read";
    return Outcome(VXCL_PRINTER_NOT_FOUND,
                   printerText + " cannot be used: " + reason);
  }

  const Outcome notValid(VXCL_PRINTER_NOT_FOUND,
                         printerText +
                             " cannot report its resolution and printable "
                             "area (" +
                             std::string(kPrinterNotValid) + ")");
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
  metrics.installedName = std::move(*installed);
  return metrics;
}

}  // namespace vxcl
