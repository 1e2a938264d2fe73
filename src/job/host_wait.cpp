#include "job/host_wait.h"

#include <cstdint>

namespace vxcl {

void ServiceMessages(HostEventQueue& events) {
  for (;;) {
    switch (events.TakeNext()) {
      case HostEventQueue::Taken::None:
        return;
      case HostEventQueue::Taken::Quit:
        break;
      case HostEventQueue::Taken::Other:
        events.DispatchTaken();
        break;
    }
  }
}

void WaitServicing(HostEventQueue& events, Clock& clock,
                   std::uint32_t milliseconds) {
  constexpr std::uint32_t kPollMs = 10;
  const std::uint32_t start = clock.TickCountMs();
  for (;;) {
    ServiceMessages(events);
    const std::uint32_t elapsed = clock.TickCountMs() - start;
    if (elapsed >= milliseconds) return;
    const std::uint32_t left = milliseconds - elapsed;
    clock.SleepMs(left < kPollMs ? left : kPollMs);
  }
}

}  // namespace vxcl
