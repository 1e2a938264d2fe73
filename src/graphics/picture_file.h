// Picture files on disk: whether one exists, and its bytes.
#ifndef VXCL_GRAPHICS_PICTURE_FILE_H
#define VXCL_GRAPHICS_PICTURE_FILE_H

#include <cstddef>
#include <cstdint>
#include <memory>
#include <span>
#include <string_view>

namespace vxcl {

// Larger files are refused unread: the largest picture the decoders accept
// takes well under this much, even run-length encoded at its worst.
inline constexpr std::uint64_t kMaxPictureFileBytes = std::uint64_t{1} << 30;

// True for a file (or a link to one); a directory, a missing name and the
// empty name are not picture files.
bool PictureFileExists(std::string_view path);

class PictureFileBytes {
 public:
  std::span<const std::uint8_t> Bytes() const { return {data_.get(), size_}; }

 private:
  friend PictureFileBytes ReadPictureFile(std::string_view path);
  std::unique_ptr<std::uint8_t[]> data_;
  std::size_t size_ = 0;
};

// The whole file; throws PictureError when it cannot be opened or read, or
// is larger than kMaxPictureFileBytes.
PictureFileBytes ReadPictureFile(std::string_view path);

}  // namespace vxcl

#endif
