#include "emulated_printer.h"

#include <arpa/inet.h>
#include <fcntl.h>
#include <netinet/in.h>
#include <poll.h>
#include <sys/socket.h>
#include <unistd.h>

#include <stdexcept>

namespace vxcl::test {

namespace {

// A TCP socket bound to 127.0.0.1 on a port the system picks.
int BindLoopback(int& port) {
  const int fd = socket(AF_INET, SOCK_STREAM | SOCK_CLOEXEC, 0);
  if (fd < 0) throw std::runtime_error("socket() failed");
  sockaddr_in address{};
  address.sin_family = AF_INET;
  address.sin_addr.s_addr = htonl(INADDR_LOOPBACK);
  socklen_t length = sizeof address;
  if (bind(fd, reinterpret_cast<sockaddr*>(&address), sizeof address) != 0 ||
      getsockname(fd, reinterpret_cast<sockaddr*>(&address), &length) != 0) {
    close(fd);
    throw std::runtime_error("cannot bind to 127.0.0.1");
  }
  port = ntohs(address.sin_port);
  return fd;
}

}  // namespace

EmulatedPrinter::EmulatedPrinter() {
  listener_ = BindLoopback(port_);
  int wake[2];
  if (listen(listener_, 8) != 0 || pipe2(wake, O_CLOEXEC) != 0) {
    close(listener_);
    throw std::runtime_error("cannot listen on 127.0.0.1");
  }
  wakeRead_ = wake[0];
  wakeWrite_ = wake[1];
  thread_ = std::thread([this] { Serve(); });
}

EmulatedPrinter::~EmulatedPrinter() {
  const char stop = 1;
  (void)!write(wakeWrite_, &stop, 1);
  thread_.join();
  close(listener_);
  close(wakeRead_);
  close(wakeWrite_);
}

void EmulatedPrinter::Serve() {
  for (;;) {
    pollfd waiting[] = {{listener_, POLLIN, 0}, {wakeRead_, POLLIN, 0}};
    if (poll(waiting, 2, -1) < 0) continue;
    if (waiting[1].revents) return;
    const int connection = accept4(listener_, nullptr, nullptr, SOCK_CLOEXEC);
    if (connection >= 0) Receive(connection);
  }
}

// Reads until the sender closes its side: one job. Closing ours then tells
// the backend that the printer has taken everything.
void EmulatedPrinter::Receive(int connection) {
  std::string job;
  char buffer[65536];
  for (;;) {
    pollfd waiting[] = {{connection, POLLIN, 0}, {wakeRead_, POLLIN, 0}};
    if (poll(waiting, 2, -1) < 0) continue;
    if (waiting[1].revents) break;
    const ssize_t got = recv(connection, buffer, sizeof buffer, 0);
    if (got <= 0) break;
    job.append(buffer, static_cast<std::size_t>(got));
  }
  const auto ended = std::chrono::steady_clock::now();
  close(connection);
  {
    std::lock_guard lock(mutex_);
    jobs_.push_back(std::move(job));
    lastJobEnded_ = ended;
  }
  received_.notify_all();
}

std::vector<std::string> EmulatedPrinter::WaitForJobs(
    std::size_t count, std::chrono::milliseconds timeout) {
  std::unique_lock lock(mutex_);
  received_.wait_for(lock, timeout, [&] { return jobs_.size() >= count; });
  return jobs_;
}

std::chrono::steady_clock::time_point EmulatedPrinter::LastJobEndedAt() {
  std::lock_guard lock(mutex_);
  return lastJobEnded_;
}

RefusingPort::RefusingPort() { socket_ = BindLoopback(port_); }

RefusingPort::~RefusingPort() { close(socket_); }

// The kernel completes connections into the backlog; nothing accepts them.
SilentPort::SilentPort() {
  socket_ = BindLoopback(port_);
  if (listen(socket_, 16) != 0) {
    close(socket_);
    throw std::runtime_error("cannot listen on 127.0.0.1");
  }
}

SilentPort::~SilentPort() { close(socket_); }

}  // namespace vxcl::test
