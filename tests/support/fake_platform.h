// Fakes for the operating-system services: a scripted printer system, a
// manual clock and a scripted host event queue.
#ifndef VXCL_TESTS_FAKE_PLATFORM_H
#define VXCL_TESTS_FAKE_PLATFORM_H

#include <deque>
#include <functional>
#include <optional>
#include <string>
#include <vector>

#include "platform/clock.h"
#include "platform/host_events.h"
#include "platform/platform.h"
#include "platform/printer_system.h"

namespace vxcl::test {

// Time passes only when the code under test sleeps, or by `autoAdvanceMs`
// on every reading (so a loop that never sleeps still ends).
class FakeClock final : public Clock {
 public:
  std::uint32_t TickCountMs() override {
    const std::uint32_t now = nowMs;
    nowMs += autoAdvanceMs;
    return now;
  }
  void SleepMs(unsigned ms) override {
    slept += ms;
    ++sleeps;
    nowMs += ms;
    if (onSleep) onSleep();
  }
  std::uint32_t nowMs = 0;
  std::uint32_t autoAdvanceMs = 0;
  unsigned long long slept = 0;
  int sleeps = 0;
  std::function<void()> onSleep;
};

class FakeEvents final : public HostEventQueue {
 public:
  Taken TakeNext() override {
    ++takes;
    if (waiting.empty()) return Taken::None;
    const Taken next = waiting.front();
    waiting.pop_front();
    return next;
  }
  void DispatchTaken() override {
    ++dispatched;
    if (onDispatch) onDispatch();
  }
  std::deque<Taken> waiting;
  int takes = 0;
  int dispatched = 0;
  std::function<void()> onDispatch;
};

// What one fake printer does and records.
struct FakePrinterScript {
  std::string name;
  int dotsPerInch = 203;
  int widthMm = 104;    // printable width for any paper at least this wide
  int heightMm = 1000;  // printable height for any paper at least this long
  bool canOpen = true;
  bool canReadMode = true;
  int queryFailsAt = -1;  // the n-th device query (0-based) fails
  // Queue counts reported by successive enumerations (nullopt: failure);
  // the last entry repeats. Empty: always 0.
  std::vector<std::optional<int>> queue;
  bool startDoc = true, startPage = true, write = true, endPage = true,
       endDoc = true;
  std::size_t shortBy = 0;  // Write reports this many bytes fewer
  bool throwOnWrite = false;

  // Recorded.
  int opened = 0, closed = 0, queries = 0, enumerations = 0;
  std::vector<std::string> steps;
  std::vector<DeviceMode> modes;
  std::string documentName;
  std::string written;
};

class FakePrinterSystem final : public PrinterSystem {
 public:
  std::optional<std::vector<std::string>> PrinterNames() override;
  std::optional<std::string> DefaultPrinterName() override;
  std::unique_ptr<Printer> Open(std::string_view name) override;

  FakePrinterScript& Add(std::string name);

  bool enumerationFails = false;
  bool throwBadAlloc = false;  // PrinterNames throws std::bad_alloc
  std::optional<std::string> defaultPrinter = std::string();
  std::deque<FakePrinterScript> printers;  // stable addresses
};

// Installs the fakes as the current platform for one scope.
class FakePlatform {
 public:
  FakePlatform();
  ~FakePlatform();
  FakePlatform(const FakePlatform&) = delete;
  FakePlatform& operator=(const FakePlatform&) = delete;

  FakePrinterSystem printers;
  FakeClock clock;
  FakeEvents events;

 private:
  Platform saved_;
};

}  // namespace vxcl::test

#endif
