#include "platform/windows/message_queue.h"

#include <windows.h>

namespace vxcl {

namespace {
// Each thread has its own queue, so each keeps its own last message.
thread_local MSG taken{};
}  // namespace

HostEventQueue::Taken WindowsMessageQueue::TakeNext() {
  if (!PeekMessageA(&taken, nullptr, 0, 0, PM_REMOVE)) return Taken::None;
  return taken.message == WM_QUIT ? Taken::Quit : Taken::Other;
}

void WindowsMessageQueue::DispatchTaken() {
  // A window procedure may call back into the library and take further
  // messages: dispatch a copy.
  MSG message = taken;
  TranslateMessage(&message);
  DispatchMessageA(&message);
}

}  // namespace vxcl
