// A CUPS scheduler of the tests' own: its configuration, spool, state and
// socket live in one directory, it listens on a Unix socket (and, as a
// print server, on a loopback TCP port too), and this process's CUPS
// clients (libcups, lpadmin) are pointed at it, never at a system
// scheduler.
#ifndef VXCL_TESTS_CUPS_PRIVATE_SCHEDULER_H
#define VXCL_TESTS_CUPS_PRIVATE_SCHEDULER_H

#include <sys/types.h>

#include <filesystem>
#include <memory>
#include <string>
#include <vector>

namespace vxcl::test {

class PrivateScheduler {
 public:
  // Starts cupsd in `dir` (emptied first) and sets CUPS_SERVER,
  // CUPS_SERVERROOT and HOME for this process, so call it before any other
  // libcups use. Null, with `whyNot` set, when CUPS is not installed or the
  // scheduler does not come up within a few seconds. With `overTcp` it
  // also listens on 127.0.0.1 at a free port (TcpAddress()), as a print
  // server that other hosts' clients reach.
  static std::unique_ptr<PrivateScheduler> Start(
      const std::filesystem::path& dir, std::string& whyNot,
      bool overTcp = false);
  ~PrivateScheduler();
  PrivateScheduler(const PrivateScheduler&) = delete;
  PrivateScheduler& operator=(const PrivateScheduler&) = delete;

  const std::string& SocketPath() const { return socket_; }
  // "127.0.0.1:port" when started overTcp, else empty.
  const std::string& TcpAddress() const { return tcpAddress_; }

  // Runs lpadmin with these arguments against this scheduler; false when
  // it fails (its output, for messages, in `output`).
  bool Lpadmin(const std::vector<std::string>& args,
               std::string* output = nullptr);
  // Runs any CUPS client tool (cupsreject, cancel, ...) the same way.
  bool Client(const std::string& tool, const std::vector<std::string>& args,
              std::string* output = nullptr);

  // Client-side destination options (instances, a user default), as the
  // system-wide lpoptions file of this process's CUPS clients.
  void WriteClientOptions(const std::string& text);

  // Freezes the scheduler (SIGSTOP): its socket still accepts connections
  // but nothing answers them. Resume thaws it; Stop thaws it first.
  void Freeze();
  void Resume();

  // Stops the scheduler (it stops its jobs' backends); idempotent.
  void Stop();

 private:
  PrivateScheduler() = default;

  std::filesystem::path dir_;
  std::filesystem::path socketDir_;  // a short directory when dir_ is deep
  std::string socket_;
  std::string tcpAddress_;
  int tcpPort_ = 0;
  pid_t pid_ = -1;
};

}  // namespace vxcl::test

#endif
