// Waiting while keeping the host's event queue serviced.
#ifndef VXCL_JOB_HOST_WAIT_H
#define VXCL_JOB_HOST_WAIT_H

#include <cstdint>

#include "platform/clock.h"
#include "platform/host_events.h"

namespace vxcl {

// Dispatches every waiting host event; a quit request is removed and
// dropped, not dispatched.
void ServiceMessages(HostEventQueue& events);

// Services host events for `milliseconds`. Sleeps between polls (at most
// 10 ms at a time) rather than spinning a core; the counter may wrap.
void WaitServicing(HostEventQueue& events, Clock& clock,
                   std::uint32_t milliseconds);

inline void WaitOneSecond(HostEventQueue& events, Clock& clock) {
  WaitServicing(events, clock, 1000);
}

}  // namespace vxcl

#endif
