#include "raster/decoded_picture.h"

#include <memory>

namespace vxcl {

void CheckPictureLimits(std::string_view what, long long width,
                        long long height, unsigned long long heldBytes) {
  const std::string format(what);
  if (width < 1 || height < 1)
    throw PictureError(format + ": the picture has no pixels");
  if (width > kMaxPictureSide || height > kMaxPictureSide)
    throw PictureError(format + ": the picture is wider or taller than " +
                       std::to_string(kMaxPictureSide) + " pixels");
  const unsigned long long colorBytes =
      static_cast<unsigned long long>(width) *
      static_cast<unsigned long long>(height) * 3;
  if (colorBytes > kMaxPictureBytes || heldBytes > kMaxPictureBytes)
    throw PictureError(format + ": the picture is larger than 256 MiB");
}

namespace {

template <int N>
void ReducePixels(const std::uint8_t* p, int width, std::uint8_t* bits) {
  int x = 0;
  for (; x + 8 <= width; x += 8, p += 8 * N) {
    unsigned byte = 0;
    for (int i = 0; i < 8; ++i)
      byte = (byte << 1) |
             unsigned{IsDarkColor(p[N * i], p[N * i + 1], p[N * i + 2])};
    *bits++ = static_cast<std::uint8_t>(byte);
  }
  if (x < width) {
    unsigned byte = 0;
    for (int i = 0; x + i < width; ++i)
      if (IsDarkColor(p[N * i], p[N * i + 1], p[N * i + 2])) byte |= 0x80u >> i;
    *bits = static_cast<std::uint8_t>(byte);
  }
}

}  // namespace

void ReduceRowToOneBit(const std::uint8_t* pixels, int width,
                       std::uint8_t* bits, int bytesPerPixel) {
  if (bytesPerPixel == 4)
    ReducePixels<4>(pixels, width, bits);
  else
    ReducePixels<3>(pixels, width, bits);
}

void DecodedPicture::OneBitRow(int y, std::uint8_t* bits,
                               std::uint8_t* scratch) const {
  ColorRow(y, scratch);
  ReduceRowToOneBit(scratch, Width(), bits);
}

OneBitBitmap ReduceToOneBit(const DecodedPicture& picture) {
  OneBitBitmap bitmap(picture.Width(), picture.Height());
  const auto scratch = std::make_unique_for_overwrite<std::uint8_t[]>(
      static_cast<std::size_t>(picture.Width()) * 3);
  for (int y = 0; y < picture.Height(); ++y)
    picture.OneBitRow(y, bitmap.Row(y), scratch.get());
  return bitmap;
}

}  // namespace vxcl
