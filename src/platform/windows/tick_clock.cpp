#include "platform/windows/tick_clock.h"

#include <windows.h>

namespace vxcl {

std::uint32_t TickCountClock::TickCountMs() { return GetTickCount(); }

void TickCountClock::SleepMs(unsigned milliseconds) {
  // Waiting on the message queue instead of sleeping lets the library
  // service a host's message as soon as it is posted.
  MsgWaitForMultipleObjectsEx(0, nullptr, milliseconds, QS_ALLINPUT,
                              MWMO_INPUTAVAILABLE);
}

}  // namespace vxcl
