#include "platform/cups/cups_handles.h"

#include <dlfcn.h>

namespace vxcl::cups {

namespace {

constexpr int kConnectTimeoutMs = 10000;
constexpr double kRequestTimeoutSeconds = 10.0;

// libcups keeps data per thread whose destructor is libcups code: were
// libcups unloaded along with this library while a thread that printed
// lives on, that thread would crash when it ends. So once used, libcups
// stays loaded (this library itself can still be unloaded).
void KeepLibcupsLoaded() {
  static const bool kept = [] {
    Dl_info cups{}, self{};
    if (dladdr(reinterpret_cast<void*>(&cupsServer), &cups) &&
        dladdr(reinterpret_cast<void*>(&KeepLibcupsLoaded), &self) &&
        cups.dli_fbase != self.dli_fbase)
      dlopen(cups.dli_fname, RTLD_LAZY | RTLD_NOLOAD | RTLD_NODELETE);
    return true;
  }();
  (void)kept;
}

}  // namespace

Connection ConnectToScheduler() {
  KeepLibcupsLoaded();
  Connection http(httpConnect2(cupsServer(), ippPort(), nullptr, AF_UNSPEC,
                               cupsEncryption(), 1, kConnectTimeoutMs,
                               nullptr));
  // Without a callback, a request that sees no progress for this long fails.
  if (http)
    httpSetTimeout(http.get(), kRequestTimeoutSeconds, nullptr, nullptr);
  return http;
}

std::string DestName(const cups_dest_t& dest) {
  std::string name = dest.name ? dest.name : "";
  if (dest.instance && *dest.instance) (name += '/') += dest.instance;
  return name;
}

bool LastRequestFailed() {
  return cupsLastError() > IPP_STATUS_OK_EVENTS_COMPLETE;
}

}  // namespace vxcl::cups
