// The host services where the operating system has no message queue: no
// events, a steady clock, and text that is UTF-8 on both sides.
#include "platform/host_code_page.h"
#include "platform/platform.h"

namespace vxcl {

HostEventQueue& OsHostEvents() {
  static NoHostEvents events;
  return events;
}

Clock& OsClock() {
  static SteadyClock clock;
  return clock;
}

std::string FromHostCodePage(std::string_view hostText) {
  return std::string(hostText);
}

std::string MessageForHost(std::string_view utf8) { return std::string(utf8); }

}  // namespace vxcl
