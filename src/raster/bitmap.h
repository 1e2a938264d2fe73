// The one-bit raster that pictures and text become before they are sent to
// the printer as a graphic.
#ifndef VXCL_RASTER_BITMAP_H
#define VXCL_RASTER_BITMAP_H

#include <cstddef>
#include <cstdint>
#include <vector>

namespace vxcl {

// Width x height pixels, one bit each, rows top row first, packed eight to a
// byte with the leftmost pixel in bit 7. A set bit is a dark pixel, that is
// a dot the printer prints; new bitmaps are all white (clear).
//
// Holding dark pixels as 1 from the start is what the printer's graphic
// command wants, so pictures need no separate inversion pass: a picture's
// black pixels are set when it is reduced to one bit.
//
// The bits right of the last pixel in each row's last byte are always clear,
// so growing a bitmap never uncovers stray pixels.
class OneBitBitmap {
 public:
  OneBitBitmap() = default;
  // Throws std::invalid_argument for a negative size.
  OneBitBitmap(int width, int height);

  int Width() const { return width_; }
  int Height() const { return height_; }
  // Bytes that hold one row's pixels: (width + 7) div 8.
  std::size_t BytesPerRow() const { return bytesPerRow_; }

  // Row y's packed bytes, y counted from the top. Writers keep the bits
  // beyond the width clear (ClearRowTail does it for them).
  std::uint8_t* Row(int y) { return bits_.data() + y * bytesPerRow_; }
  const std::uint8_t* Row(int y) const {
    return bits_.data() + y * bytesPerRow_;
  }

  bool IsDark(int x, int y) const {
    return (Row(y)[x >> 3] >> (7 - (x & 7))) & 1;
  }
  void SetDark(int x, int y, bool dark);

  // Clears the bits right of the last pixel in row y.
  void ClearRowTail(int y);

  // New size, keeping the content at the top left; new area is white.
  void Resize(int width, int height);

  friend bool operator==(const OneBitBitmap&, const OneBitBitmap&) = default;

 private:
  int width_ = 0;
  int height_ = 0;
  std::size_t bytesPerRow_ = 0;
  std::vector<std::uint8_t> bits_;
};

}  // namespace vxcl

#endif
