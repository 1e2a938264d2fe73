// The calling thread's Windows message queue, serviced while the library
// waits for a printer so that a host's windows and timers keep working.
#ifndef VXCL_PLATFORM_WINDOWS_MESSAGE_QUEUE_H
#define VXCL_PLATFORM_WINDOWS_MESSAGE_QUEUE_H

#include "platform/host_events.h"

namespace vxcl {

class WindowsMessageQueue final : public HostEventQueue {
 public:
  // Removes the next message of any window of the thread (PeekMessageA);
  // WM_QUIT counts as the quit request.
  Taken TakeNext() override;
  // TranslateMessage and DispatchMessageA on the message just taken.
  void DispatchTaken() override;
};

}  // namespace vxcl

#endif
