#include "platform/cups/cups_handles.h"

namespace vxcl::cups {

namespace {
constexpr int kConnectTimeoutMs = 10000;
constexpr double kRequestTimeoutSeconds = 10.0;
}  // namespace

Connection ConnectToScheduler() {
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
