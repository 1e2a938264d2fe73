// Files named by the host. A host's file name is in its own code page; the
// platform's file functions take it as a path.
#ifndef VXCL_PLATFORM_HOST_FILES_H
#define VXCL_PLATFORM_HOST_FILES_H

#include <cstddef>
#include <cstdint>
#include <filesystem>
#include <string_view>

namespace vxcl {

// The host's file name as a path (read in the system's ANSI code page on
// Windows, taken byte for byte elsewhere).
std::filesystem::path HostFilePath(std::string_view hostName);

// A regular file opened for reading. The open never waits (a FIFO, a pipe or
// a device answers at once) and the checks are made on what was opened, so
// a name swapped for something else after a check cannot make a reader
// block or read what was not checked.
class RegularFile {
 public:
  enum class State {
    Open,
    NotAFile,   // nothing, or not a regular file, under the name
    Unopenable  // a regular file that cannot be opened (permissions)
  };

  explicit RegularFile(const std::filesystem::path& path);
  ~RegularFile();
  RegularFile(const RegularFile&) = delete;
  RegularFile& operator=(const RegularFile&) = delete;

  State Status() const { return state_; }
  // The size of the open file, taken from it.
  std::uint64_t Size() const { return size_; }
  // Reads up to `size` bytes; the count read (less at the file's end), or
  // -1 on a read error.
  long long Read(std::uint8_t* into, std::size_t size);

 private:
  State state_ = State::NotAFile;
  std::uint64_t size_ = 0;
  std::intptr_t handle_ = -1;  // a descriptor, or a Windows handle
};

}  // namespace vxcl

#endif
