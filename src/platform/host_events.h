// The host's event queue on the calling thread, serviced while the library
// waits for a printer so that a host with a user interface stays responsive.
#ifndef VXCL_PLATFORM_HOST_EVENTS_H
#define VXCL_PLATFORM_HOST_EVENTS_H

namespace vxcl {

class HostEventQueue {
 public:
  enum class Taken { None, Quit, Other };

  virtual ~HostEventQueue() = default;
  // Removes the next waiting event, telling what it was.
  virtual Taken TakeNext() = 0;
  // Translates and dispatches the event that TakeNext last removed.
  virtual void DispatchTaken() = 0;
};

// A queue that never holds an event: hosts without a message loop.
class NoHostEvents final : public HostEventQueue {
 public:
  Taken TakeNext() override { return Taken::None; }
  void DispatchTaken() override {}
};

}  // namespace vxcl

#endif
