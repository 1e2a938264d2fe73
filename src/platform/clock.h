// Milliseconds, for the waits of the spooler submission.
#ifndef VXCL_PLATFORM_CLOCK_H
#define VXCL_PLATFORM_CLOCK_H

#include <cstdint>

namespace vxcl {

class Clock {
 public:
  virtual ~Clock() = default;
  // A millisecond counter that may wrap around.
  virtual std::uint32_t TickCountMs() = 0;
  virtual void SleepMs(unsigned milliseconds) = 0;
};

class SteadyClock final : public Clock {
 public:
  std::uint32_t TickCountMs() override;
  void SleepMs(unsigned milliseconds) override;
};

}  // namespace vxcl

#endif
