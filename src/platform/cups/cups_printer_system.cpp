#include "platform/cups/cups_printer_system.h"

#include "platform/cups/cups_handles.h"
#include "platform/cups/cups_printer.h"
#include "platform/platform.h"

namespace vxcl {

namespace cups {

namespace {

// The scheduler libcups talks to, for messages: its socket or host and port.
std::string SchedulerName() {
  const std::string server = cupsServer();
  if (!server.empty() && server.front() == '/')
    return "the CUPS scheduler at " + server;
  return "the CUPS scheduler at " + server + ":" + std::to_string(ippPort());
}

}  // namespace

std::optional<std::vector<std::string>> CupsPrinterSystem::PrinterNames() {
  listingFailure_.clear();
  Connection http = ConnectToScheduler();
  if (!http) {
    listingFailure_ = SchedulerName() + " could not be reached";
    return std::nullopt;
  }
  cups_dest_t* dests = nullptr;
  const int count = cupsGetDests2(http.get(), &dests);
  // A scheduler without queues answers "not found".
  if (count == 0 && LastRequestFailed() &&
      cupsLastError() != IPP_STATUS_ERROR_NOT_FOUND) {
    listingFailure_ = SchedulerName() + " did not list its printers (" +
                      cupsLastErrorString() + ")";
    return std::nullopt;
  }
  std::vector<std::string> names;
  try {
    names.reserve(static_cast<std::size_t>(count));
    for (int i = 0; i < count; ++i) names.push_back(DestName(dests[i]));
  } catch (...) {
    cupsFreeDests(count, dests);
    throw;
  }
  cupsFreeDests(count, dests);
  return names;
}

std::optional<std::string> CupsPrinterSystem::DefaultPrinterName() {
  Connection http = ConnectToScheduler();
  if (!http) return std::nullopt;
  Dest dest(cupsGetNamedDest(http.get(), nullptr, nullptr));
  if (dest) return DestName(*dest);
  if (cupsLastError() == IPP_STATUS_ERROR_NOT_FOUND) return std::string();
  return std::nullopt;
}

std::unique_ptr<Printer> CupsPrinterSystem::Open(std::string_view name) {
  const std::size_t slash = name.find('/');
  const std::string printer(name.substr(0, slash));
  const std::string instance(
      slash == std::string_view::npos ? "" : name.substr(slash + 1));
  if (printer.empty() || (slash != std::string_view::npos && instance.empty()))
    return nullptr;

  Connection http = ConnectToScheduler();
  if (!http) return nullptr;
  Dest dest(cupsGetNamedDest(http.get(), printer.c_str(),
                             instance.empty() ? nullptr : instance.c_str()));
  // The scheduler matches names regardless of letter case; the library
  // does not.
  if (!dest || DestName(*dest) != name) return nullptr;
  return std::make_unique<CupsPrinter>(std::move(http), std::move(dest));
}

}  // namespace cups

PrinterSystem& OsPrinterSystem() {
  static cups::CupsPrinterSystem printers;
  return printers;
}

}  // namespace vxcl
