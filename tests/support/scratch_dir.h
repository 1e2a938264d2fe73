// A directory of one's own for the files a test writes and reads back.
#ifndef VXCL_TESTS_SCRATCH_DIR_H
#define VXCL_TESTS_SCRATCH_DIR_H

#include <filesystem>
#include <string>
#include <string_view>

namespace vxcl::test {

// A fresh directory under the system's temporary one, its name unique to
// this process and object (ctest runs tests side by side), removed with its
// files at destruction.
class ScratchDir {
 public:
  ScratchDir();
  ~ScratchDir();
  ScratchDir(const ScratchDir&) = delete;
  ScratchDir& operator=(const ScratchDir&) = delete;

  const std::filesystem::path& Path() const { return path_; }
  // Writes `bytes` to a file of this name and returns its full path.
  std::string Write(const std::string& name, std::string_view bytes) const;
  // The bytes of a file here; empty when there is none.
  std::string Read(const std::string& name) const;

 private:
  std::filesystem::path path_;
};

}  // namespace vxcl::test

#endif
