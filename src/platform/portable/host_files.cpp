// Files outside Windows: names byte for byte, opened with O_NONBLOCK so that
// a FIFO never holds the call, then checked with fstat.
#include "platform/host_files.h"

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>
#include <system_error>

namespace vxcl {

std::filesystem::path HostFilePath(std::string_view hostName) {
  return std::filesystem::path(hostName);
}

RegularFile::RegularFile(const std::filesystem::path& path) {
  const int fd =
      ::open(path.c_str(), O_RDONLY | O_NONBLOCK | O_CLOEXEC | O_NOCTTY);
  if (fd < 0) {
    // Only to tell "no file" from "no permission": nothing is opened.
    std::error_code error;
    if (std::filesystem::is_regular_file(path, error))
      state_ = State::Unopenable;
    return;
  }
  struct stat info {};
  if (::fstat(fd, &info) != 0 || !S_ISREG(info.st_mode)) {
    ::close(fd);
    return;
  }
  handle_ = fd;
  size_ = static_cast<std::uint64_t>(info.st_size);
  state_ = State::Open;
}

RegularFile::~RegularFile() {
  if (handle_ >= 0) ::close(static_cast<int>(handle_));
}

long long RegularFile::Read(std::uint8_t* into, std::size_t size) {
  if (state_ != State::Open) return -1;
  std::size_t done = 0;
  while (done < size) {
    const ssize_t got =
        ::read(static_cast<int>(handle_), into + done, size - done);
    if (got < 0 && errno == EINTR) continue;
    if (got < 0) return -1;
    if (got == 0) break;
    done += static_cast<std::size_t>(got);
  }
  return static_cast<long long>(done);
}

}  // namespace vxcl
