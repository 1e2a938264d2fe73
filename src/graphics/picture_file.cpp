#include "graphics/picture_file.h"

#include "raster/decoded_picture.h"

namespace vxcl {

PictureFile::PictureFile(std::string_view path)
    : file_(path.empty() ? std::filesystem::path() : HostFilePath(path)) {}

bool PictureFile::Exists() const {
  return file_.Status() != RegularFile::State::NotAFile;
}

PictureFileBytes PictureFile::ReadAll() {
  if (file_.Status() != RegularFile::State::Open)
    throw PictureError("cannot open the picture file");
  const std::uint64_t size = file_.Size();
  if (size > kMaxPictureFileBytes)
    throw PictureError("the picture file is larger than 1 GiB");
  PictureFileBytes bytes;
  bytes.data_ = std::make_unique_for_overwrite<std::uint8_t[]>(
      static_cast<std::size_t>(size));
  // A file that shrank since its size was read is taken as it now is.
  const long long read =
      file_.Read(bytes.data_.get(), static_cast<std::size_t>(size));
  if (read < 0) throw PictureError("cannot read the picture file");
  bytes.size_ = static_cast<std::size_t>(read);
  return bytes;
}

}  // namespace vxcl
