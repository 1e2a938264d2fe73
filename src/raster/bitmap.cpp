#include "raster/bitmap.h"

#include <algorithm>
#include <cstring>
#include <stdexcept>

namespace vxcl {

namespace {

std::size_t BytesFor(int width) {
  return (static_cast<std::size_t>(width) + 7) / 8;
}

}  // namespace

OneBitBitmap::OneBitBitmap(int width, int height)
    : width_(width), height_(height) {
  if (width < 0 || height < 0)
    throw std::invalid_argument("bitmap size is negative");
  bytesPerRow_ = BytesFor(width);
  bits_.assign(bytesPerRow_ * static_cast<std::size_t>(height), 0);
}

void OneBitBitmap::SetDark(int x, int y, bool dark) {
  std::uint8_t& byte = Row(y)[x >> 3];
  const std::uint8_t mask = static_cast<std::uint8_t>(0x80 >> (x & 7));
  byte = dark ? (byte | mask) : (byte & ~mask);
}

void OneBitBitmap::ClearRowTail(int y) {
  if (width_ % 8 == 0) return;
  Row(y)[bytesPerRow_ - 1] &= static_cast<std::uint8_t>(0xFF00 >> (width_ % 8));
}

void OneBitBitmap::Resize(int width, int height) {
  OneBitBitmap resized(width, height);
  const int rows = std::min(height, height_);
  const std::size_t bytes = std::min(resized.bytesPerRow_, bytesPerRow_);
  if (bytes == 0) {
    *this = std::move(resized);
    return;
  }
  for (int y = 0; y < rows; ++y) {
    std::memcpy(resized.Row(y), Row(y), bytes);
    // A narrower bitmap drops the pixels now beyond its width.
    if (width < width_) resized.ClearRowTail(y);
  }
  *this = std::move(resized);
}

}  // namespace vxcl
