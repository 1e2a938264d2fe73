// The library's own decoder for PCX pictures and SCR files (the same layout
// with another first byte).
#ifndef VXCL_RASTER_PCX_DECODER_H
#define VXCL_RASTER_PCX_DECODER_H

#include <array>
#include <cstdint>
#include <memory>
#include <span>

#include "raster/decoded_picture.h"

namespace vxcl {

// Decodes the whole file at construction; throws PictureError with
// "Not a PCX or SCR file.", "PCX: wrong pixel format" or another "PCX: ..."
// message when the file cannot be read as a picture.
//
// Formats (bits per pixel per plane x planes): 1 x 1 black and white, 1 x 4
// sixteen colours, 8 x 1 256 colours, 8 x 3 24-bit colour. The run-length
// stream runs through the whole picture (a run may cross rows); pixels the
// data never reach, because the stream or the raw data end early, are white.
//
// Colours: a 1 x 4 picture takes the standard 16-colour palette in a
// version-3 file, a grey ramp (16i, 16i, 16i) with palette info 2, else the
// header's palette. An 8 x 1 picture takes the 768-byte palette after the
// 0x0C marker 769 bytes before the end of the file (that tail is never
// pixel data), except in a version-3 file, which has the 16 standard
// colours. Indices an 8-bit picture has no colour for (all of them without
// a marker, 16 to 255 in a version-3 file) are grey levels (i, i, i), the
// way grey-scale files store them; so only index 255 stays blank.
class PcxPicture final : public DecodedPicture {
 public:
  explicit PcxPicture(std::span<const std::uint8_t> file);

  int Width() const override { return width_; }
  int Height() const override { return height_; }
  void ColorRow(int y, std::uint8_t* rgb) const override;
  void OneBitRow(int y, std::uint8_t* bits,
                 std::uint8_t* scratch) const override;

 private:
  using Color = std::array<std::uint8_t, 3>;

  void ReadPalette(std::span<const std::uint8_t> file, int version,
                   int paletteInfo);
  void Decode(std::span<const std::uint8_t> data, bool runLength);
  // Pixels at the start of row y whose data were all decoded.
  int CompletePixels(int y) const;

  int width_ = 0;
  int height_ = 0;
  int bitsPerPixel_ = 0;
  int planes_ = 0;
  std::size_t bytesPerLine_ = 0;
  std::size_t stride_ = 0;  // planes x bytes per line
  // height x stride bytes, of which the first decodedBytes_ were decoded.
  std::unique_ptr<std::uint8_t[]> data_;
  std::size_t decodedBytes_ = 0;
  std::array<Color, 256> palette_{};
};

}  // namespace vxcl

#endif
