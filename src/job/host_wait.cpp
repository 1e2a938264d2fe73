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

void WaitOneSecond(HostEventQueue& events, Clock& clock) {
  constexpr std::uint32_t kWaitMs = 1000;
  constexpr std::uint32_t kPollMs = 10;
  const std::uint32_t start = clock.TickCountMs();
  for (;;) {
    ServiceMessages(events);
    const std::uint32_t elapsed = clock.TickCountMs() - start;
    if (elapsed >= kWaitMs) return;
    const std::uint32_t left = kWaitMs - elapsed;
    clock.SleepMs(left < kPollMs ? left : kPollMs);
  }
}

}  // namespace vxcl
