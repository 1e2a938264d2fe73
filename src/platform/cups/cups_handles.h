// Owning handles for libcups objects, and the connection to the scheduler.
#ifndef VXCL_PLATFORM_CUPS_CUPS_HANDLES_H
#define VXCL_PLATFORM_CUPS_CUPS_HANDLES_H

#include <cups/cups.h>

#include <memory>
#include <string>

namespace vxcl::cups {

struct HttpCloser {
  void operator()(http_t* http) const { httpClose(http); }
};
struct DestFreer {
  void operator()(cups_dest_t* dest) const { cupsFreeDests(1, dest); }
};
struct DestInfoFreer {
  void operator()(cups_dinfo_t* info) const { cupsFreeDestInfo(info); }
};
struct IppFreer {
  void operator()(ipp_t* ipp) const { ippDelete(ipp); }
};

using Connection = std::unique_ptr<http_t, HttpCloser>;
using Dest = std::unique_ptr<cups_dest_t, DestFreer>;
using DestInfo = std::unique_ptr<cups_dinfo_t, DestInfoFreer>;
using Ipp = std::unique_ptr<ipp_t, IppFreer>;

// A new connection to the scheduler libcups is set up for (CUPS_SERVER,
// client.conf, or the local default); null when it cannot be reached. Its
// requests time out (RequestTimeoutMs) instead of waiting for ever on a
// scheduler that stopped answering; after one has, the later ones fail at
// once. Only libcups calls that take this connection may use it: others
// open connections of their own that wait a minute or more.
Connection ConnectToScheduler();

// True when a request on this connection timed out.
bool Stalled(const http_t* http);

// The queue's name as the library lists it: "name" or "name/instance".
std::string DestName(const cups_dest_t& dest);

// True when libcups' last request on this thread failed.
bool LastRequestFailed();

}  // namespace vxcl::cups

#endif
