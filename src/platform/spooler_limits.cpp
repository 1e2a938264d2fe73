#include "platform/spooler_limits.h"

#include <atomic>

namespace vxcl {

namespace {

constexpr std::uint32_t kLongestRequestMs = 10000;

std::atomic<int>& Limit() {
  static std::atomic<int> seconds{kDefaultQueueWaitSeconds};
  return seconds;
}

}  // namespace

void SetQueueWaitSeconds(int seconds) { Limit() = seconds < 0 ? 0 : seconds; }

int QueueWaitSeconds() { return Limit(); }

std::uint32_t RequestTimeoutMs() {
  const int limit = Limit();
  if (limit <= 0 || limit >= static_cast<int>(kLongestRequestMs / 1000))
    return kLongestRequestMs;
  return static_cast<std::uint32_t>(limit) * 1000;
}

}  // namespace vxcl
