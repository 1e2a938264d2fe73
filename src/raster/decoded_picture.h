// What the picture decoders hand on: a picture read one row at a time, in
// colour or reduced to one bit.
#ifndef VXCL_RASTER_DECODED_PICTURE_H
#define VXCL_RASTER_DECODED_PICTURE_H

#include <cstddef>
#include <cstdint>
#include <stdexcept>
#include <string>
#include <string_view>

#include "raster/bitmap.h"

namespace vxcl {

// A picture file that cannot be read as a picture of a supported kind; the
// message says why.
class PictureError : public std::runtime_error {
 public:
  using std::runtime_error::runtime_error;
};

// Limits on what a file may ask the library to hold: each side at most
// 32767 pixels, and the picture at most 256 MiB as 24-bit colour.
inline constexpr int kMaxPictureSide = 32767;
inline constexpr std::size_t kMaxPictureBytes = std::size_t{256} << 20;

// Throws PictureError (`what` names the format, e.g. "PCX") unless a picture
// of this size, whose decoder holds `heldBytes` while decoding, is within
// the limits. Decoders call it before allocating.
void CheckPictureLimits(std::string_view what, long long width,
                        long long height, unsigned long long heldBytes);

// The exact-white rule: a pixel becomes white only when red, green and blue
// are all 255; every other colour becomes dark. No threshold, no dithering.
inline bool IsDarkColor(std::uint8_t red, std::uint8_t green,
                        std::uint8_t blue) {
  return (red & green & blue) != 0xFF;
}

// Packs `width` pixels into one-bit row bytes by the exact-white rule (set
// bit = dark), clearing the tail bits. Each pixel is `bytesPerPixel` bytes
// (3 or 4), of which the first three are its colour in any order.
void ReduceRowToOneBit(const std::uint8_t* pixels, int width,
                       std::uint8_t* bits, int bytesPerPixel = 3);

class DecodedPicture {
 public:
  virtual ~DecodedPicture() = default;

  virtual int Width() const = 0;
  virtual int Height() const = 0;

  // Row y (0 = top) as Width() pixels of red, green, blue bytes.
  virtual void ColorRow(int y, std::uint8_t* rgb) const = 0;

  // Row y reduced by the exact-white rule, packed as a OneBitBitmap row.
  // `scratch` holds Width() * 3 bytes for decoders that go through colour;
  // decoders override this where they know a quicker way.
  virtual void OneBitRow(int y, std::uint8_t* bits,
                         std::uint8_t* scratch) const;
};

// The whole picture reduced to one bit by the exact-white rule.
OneBitBitmap ReduceToOneBit(const DecodedPicture& picture);

}  // namespace vxcl

#endif
