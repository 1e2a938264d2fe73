// A clock whose sleeps take no time, so a submission's one-second settle
// wait passes at once: for measuring and testing what a submission costs
// beyond it.
#ifndef VXCL_TESTS_CUPS_INSTANT_CLOCK_H
#define VXCL_TESTS_CUPS_INSTANT_CLOCK_H

#include "platform/clock.h"

namespace vxcl::test {

class InstantClock final : public Clock {
 public:
  std::uint32_t TickCountMs() override { return nowMs_; }
  void SleepMs(unsigned milliseconds) override { nowMs_ += milliseconds; }

 private:
  std::uint32_t nowMs_ = 0;
};

}  // namespace vxcl::test

#endif
