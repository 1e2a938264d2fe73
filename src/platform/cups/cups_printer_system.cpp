#include "platform/cups/cups_printer_system.h"

#include "platform/cups/cups_handles.h"
#include "platform/cups/cups_printer.h"
#include "platform/platform.h"
#include "platform/spooler_limits.h"
#include "platform/thread_message.h"

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

// A destination as cupsGetNamedDest would give it, but asked only on our
// connection: for a queue the scheduler does not answer about, that call
// looks through every destination on connections of libcups' own, which
// wait a minute each on a scheduler that stopped answering.
Dest DescribeQueue(http_t* http, const std::string& printer) {
  char uri[HTTP_MAX_URI];
  httpAssembleURIf(HTTP_URI_CODING_ALL, uri, sizeof uri, "ipp", nullptr,
                   "localhost", 0, "/printers/%s", printer.c_str());
  static const char* const wanted[] = {"printer-name", "printer-uri-supported"};
  ipp_t* request = ippNewRequest(IPP_OP_GET_PRINTER_ATTRIBUTES);
  ippAddString(request, IPP_TAG_OPERATION, IPP_TAG_URI, "printer-uri", nullptr,
               uri);
  ippAddStrings(request, IPP_TAG_OPERATION, IPP_TAG_KEYWORD,
                "requested-attributes", 2, nullptr, wanted);
  Ipp response(cupsDoRequest(http, request, "/"));  // frees request
  if (!response || LastRequestFailed()) return nullptr;
  const char* name = ippGetString(
      ippFindAttribute(response.get(), "printer-name", IPP_TAG_NAME), 0,
      nullptr);
  // The scheduler matches names regardless of letter case; the library
  // does not.
  if (!name || printer != name) return nullptr;
  const char* supported = ippGetString(
      ippFindAttribute(response.get(), "printer-uri-supported", IPP_TAG_URI), 0,
      nullptr);
  cups_dest_t* dests = nullptr;
  if (cupsAddDest(name, nullptr, 0, &dests) != 1) return nullptr;
  Dest dest(dests);
  if (supported)
    dest->num_options = cupsAddOption("printer-uri-supported", supported,
                                      dest->num_options, &dest->options);
  return dest;
}

// One small request of our own: libcups' list calls make several requests,
// each waiting a whole timeout on a scheduler that stopped answering.
bool Answers(http_t* http) {
  ipp_t* request = ippNewRequest(IPP_OP_CUPS_GET_DEFAULT);
  static const char* const wanted = "printer-name";
  ippAddString(request, IPP_TAG_OPERATION, IPP_TAG_KEYWORD,
               "requested-attributes", nullptr, wanted);
  Ipp response(cupsDoRequest(http, request, "/"));  // frees request
  return !Stalled(http);  // other failures are the list call's to judge
}

// An instance is defined on this side (lpoptions); the destination list
// holds it with its queue's description.
Dest FindInstance(http_t* http, const std::string& printer,
                  const std::string& instance) {
  cups_dest_t* dests = nullptr;
  const int count = cupsGetDests2(http, &dests);
  cups_dest_t* found =
      cupsGetDest(printer.c_str(), instance.c_str(), count, dests);
  cups_dest_t* copy = nullptr;
  if (found && DestName(*found) == printer + "/" + instance)
    cupsCopyDest(found, 0, &copy);
  cupsFreeDests(count, dests);
  return Dest(copy);
}

// Per thread: listings run without the library's lock.
thread_local ThreadMessage listingFailure{};

}  // namespace

thread_local bool CupsPrinterSystem::stalled_ = false;

std::string CupsPrinterSystem::ListingFailure() const {
  return listingFailure.Get();
}

std::optional<std::vector<std::string>> CupsPrinterSystem::PrinterNames() {
  listingFailure.Clear();
  Connection http = ConnectToScheduler();
  if (!http) {
    listingFailure.Set(SchedulerName() + " could not be reached");
    return std::nullopt;
  }
  if (!Answers(http.get())) {
    listingFailure.Set(SchedulerName() + " did not answer within " +
                       std::to_string(RequestTimeoutMs() / 1000) + " s");
    return std::nullopt;
  }
  cups_dest_t* dests = nullptr;
  const int count = cupsGetDests2(http.get(), &dests);
  // A scheduler without queues answers "not found".
  if (count == 0 && LastRequestFailed() &&
      cupsLastError() != IPP_STATUS_ERROR_NOT_FOUND) {
    listingFailure.Set(SchedulerName() + " did not list its printers (" +
                       cupsLastErrorString() + ")");
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
  // The user's default (LPDEST, PRINTER, lpoptions), else the scheduler's;
  // "" when it names no existing destination.
  const char* name = cupsGetDefault2(http.get());
  if (!name) {
    if (LastRequestFailed() && cupsLastError() != IPP_STATUS_ERROR_NOT_FOUND)
      return std::nullopt;
    return std::string();
  }
  const std::string wanted = name;  // libcups' buffer is reused
  const std::size_t slash = wanted.find('/');
  const std::string printer = wanted.substr(0, slash);
  Dest dest = DescribeQueue(http.get(), printer);
  if (dest && slash != std::string::npos)
    dest = FindInstance(http.get(), printer, wanted.substr(slash + 1));
  if (dest) return DestName(*dest);
  if (Stalled(http.get())) return std::nullopt;
  return std::string();
}

std::unique_ptr<Printer> CupsPrinterSystem::Open(std::string_view name) {
  stalled_ = false;
  const std::size_t slash = name.find('/');
  const std::string printer(name.substr(0, slash));
  const std::string instance(
      slash == std::string_view::npos ? "" : name.substr(slash + 1));
  if (printer.empty() || (slash != std::string_view::npos && instance.empty()))
    return nullptr;

  Connection http = ConnectToScheduler();
  if (!http) return nullptr;
  Dest dest = DescribeQueue(http.get(), printer);
  if (dest && !instance.empty())
    dest = FindInstance(http.get(), printer, instance);
  if (!dest) {
    stalled_ = Stalled(http.get());
    return nullptr;
  }
  return std::make_unique<CupsPrinter>(std::move(http), std::move(dest));
}

}  // namespace cups

PrinterSystem& OsPrinterSystem() {
  static cups::CupsPrinterSystem printers;
  return printers;
}

}  // namespace vxcl
