// How long the library waits on the print system: the host's limit for the
// wait until a printer's queue has room, and the bound of each request.
#ifndef VXCL_PLATFORM_SPOOLER_LIMITS_H
#define VXCL_PLATFORM_SPOOLER_LIMITS_H

#include <cstdint>

namespace vxcl {

inline constexpr int kDefaultQueueWaitSeconds = 60;

// The longest a submission waits for the queue to hold at most two jobs; 0
// waits as long as it takes. Process-wide, any thread.
void SetQueueWaitSeconds(int seconds);
int QueueWaitSeconds();

// A request the print system leaves unanswered fails after this long: ten
// seconds, or the queue-wait limit when that is shorter.
std::uint32_t RequestTimeoutMs();

}  // namespace vxcl

#endif
