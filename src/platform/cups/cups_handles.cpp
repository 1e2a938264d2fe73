#include "platform/cups/cups_handles.h"

#include "platform/portable/kept_loaded.h"
#include "platform/spooler_limits.h"

namespace vxcl::cups {

namespace {

// The connection of this thread whose scheduler last left a request
// unanswered.
thread_local const http_t* stalledConnection = nullptr;

// Called by libcups when a request has waited a whole timeout: give up, and
// give up on every later request of this connection at once, so that a
// scheduler that stopped answering costs one timeout per call, not one per
// request (libcups makes several, and retries).
int GiveUp(http_t* http, void*) {
  stalledConnection = http;
  httpSetTimeout(http, 0.001, GiveUp, nullptr);
  return 0;
}

// libcups keeps data per thread whose destructor is libcups code: were
// libcups unloaded along with this library while a thread that printed
// lives on, that thread would crash when it ends. So once used, libcups
// stays loaded (this library itself can still be unloaded).
void KeepLibcupsLoaded() {
  static const bool kept = [] {
    KeepLoaded(reinterpret_cast<void*>(&cupsServer));
    return true;
  }();
  (void)kept;
}

}  // namespace

Connection ConnectToScheduler() {
  KeepLibcupsLoaded();
  const std::uint32_t timeoutMs = RequestTimeoutMs();
  Connection http(httpConnect2(cupsServer(), ippPort(), nullptr, AF_UNSPEC,
                               cupsEncryption(), 1, static_cast<int>(timeoutMs),
                               nullptr));
  if (http) {
    if (stalledConnection == http.get()) stalledConnection = nullptr;
    httpSetTimeout(http.get(), timeoutMs / 1000.0, GiveUp, nullptr);
  }
  return http;
}

bool Stalled(const http_t* http) { return http && stalledConnection == http; }

std::string DestName(const cups_dest_t& dest) {
  std::string name = dest.name ? dest.name : "";
  if (dest.instance && *dest.instance) (name += '/') += dest.instance;
  return name;
}

bool LastRequestFailed() {
  return cupsLastError() > IPP_STATUS_OK_EVENTS_COMPLETE;
}

}  // namespace vxcl::cups
