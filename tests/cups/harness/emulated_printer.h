// A network label printer as the CUPS socket backend sees it: a TCP
// listener on 127.0.0.1 (an ephemeral port) that records the bytes of every
// connection as one job.
#ifndef VXCL_TESTS_CUPS_EMULATED_PRINTER_H
#define VXCL_TESTS_CUPS_EMULATED_PRINTER_H

#include <chrono>
#include <condition_variable>
#include <mutex>
#include <string>
#include <thread>
#include <vector>

namespace vxcl::test {

class EmulatedPrinter {
 public:
  EmulatedPrinter();  // listening once constructed
  ~EmulatedPrinter();
  EmulatedPrinter(const EmulatedPrinter&) = delete;
  EmulatedPrinter& operator=(const EmulatedPrinter&) = delete;

  int Port() const { return port_; }

  // The jobs received so far, once there are at least `count` or `timeout`
  // has passed.
  std::vector<std::string> WaitForJobs(std::size_t count,
                                       std::chrono::milliseconds timeout);
  // When the last job received so far was complete (its sender closed).
  std::chrono::steady_clock::time_point LastJobEndedAt();

 private:
  void Serve();
  void Receive(int connection);

  int listener_ = -1;
  int wakeRead_ = -1, wakeWrite_ = -1;  // tells the thread to stop
  int port_ = 0;
  std::mutex mutex_;
  std::condition_variable received_;
  std::vector<std::string> jobs_;
  std::chrono::steady_clock::time_point lastJobEnded_;
  std::thread thread_;
};

// A port on 127.0.0.1 that refuses connections while the object lives: a
// printer that is switched off.
class RefusingPort {
 public:
  RefusingPort();
  ~RefusingPort();
  RefusingPort(const RefusingPort&) = delete;
  RefusingPort& operator=(const RefusingPort&) = delete;
  int Port() const { return port_; }

 private:
  int socket_ = -1;
  int port_ = 0;
};

// A port on 127.0.0.1 that takes connections but never reads from them: a
// printer that hangs.
class SilentPort {
 public:
  SilentPort();
  ~SilentPort();
  SilentPort(const SilentPort&) = delete;
  SilentPort& operator=(const SilentPort&) = delete;
  int Port() const { return port_; }

 private:
  int socket_ = -1;
  int port_ = 0;
};

}  // namespace vxcl::test

#endif
