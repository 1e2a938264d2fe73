// Picture files on disk, opened once: the file checked is the file read.
#ifndef VXCL_GRAPHICS_PICTURE_FILE_H
#define VXCL_GRAPHICS_PICTURE_FILE_H

#include <cstddef>
#include <cstdint>
#include <memory>
#include <span>
#include <string_view>

#include "platform/host_files.h"

namespace vxcl {

// Larger files are refused unread: the largest picture the decoders accept
// takes well under this much, even run-length encoded at its worst.
inline constexpr std::uint64_t kMaxPictureFileBytes = std::uint64_t{1} << 30;

class PictureFileBytes {
 public:
  std::span<const std::uint8_t> Bytes() const { return {data_.get(), size_}; }

 private:
  friend class PictureFile;
  std::unique_ptr<std::uint8_t[]> data_;
  std::size_t size_ = 0;
};

// A picture file opened by name. A file (or a link to one) opens; a
// directory, a FIFO, a device, a missing name and the empty name are not
// picture files. Opening never blocks.
class PictureFile {
 public:
  explicit PictureFile(std::string_view path);

  bool Exists() const;
  // The whole file; throws PictureError when it cannot be opened or read,
  // or is larger than kMaxPictureFileBytes.
  PictureFileBytes ReadAll();

 private:
  RegularFile file_;
};

}  // namespace vxcl

#endif
