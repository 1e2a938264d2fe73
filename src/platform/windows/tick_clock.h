// The Windows millisecond tick count, and pauses that end early when a
// message arrives for the thread.
#ifndef VXCL_PLATFORM_WINDOWS_TICK_CLOCK_H
#define VXCL_PLATFORM_WINDOWS_TICK_CLOCK_H

#include "platform/clock.h"

namespace vxcl {

class TickCountClock final : public Clock {
 public:
  std::uint32_t TickCountMs() override;  // GetTickCount
  void SleepMs(unsigned milliseconds) override;
};

}  // namespace vxcl

#endif
