#include "graphics/picture_file.h"

#include <cstdio>
#include <filesystem>
#include <system_error>

#include "platform/host_files.h"
#include "raster/decoded_picture.h"

namespace vxcl {

namespace {

struct CloseFile {
  void operator()(std::FILE* f) const { std::fclose(f); }
};

}  // namespace

bool PictureFileExists(std::string_view name) {
  if (name.empty()) return false;
  std::error_code error;
  return std::filesystem::is_regular_file(HostFilePath(name), error);
}

PictureFileBytes ReadPictureFile(std::string_view name) {
  const std::filesystem::path path = HostFilePath(name);
  std::error_code error;
  const std::uintmax_t size = std::filesystem::file_size(path, error);
  if (error) throw PictureError("cannot read the picture file");
  if (size > kMaxPictureFileBytes)
    throw PictureError("the picture file is larger than 1 GiB");
  std::unique_ptr<std::FILE, CloseFile> file(OpenForReading(path));
  if (!file) throw PictureError("cannot open the picture file");
  PictureFileBytes bytes;
  bytes.data_ = std::make_unique_for_overwrite<std::uint8_t[]>(
      static_cast<std::size_t>(size));
  // A file that shrank since its size was read is taken as it now is.
  bytes.size_ = std::fread(bytes.data_.get(), 1, static_cast<std::size_t>(size),
                           file.get());
  if (std::ferror(file.get()))
    throw PictureError("cannot read the picture file");
  return bytes;
}

}  // namespace vxcl
