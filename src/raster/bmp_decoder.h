// Decoding of Windows BMP pictures.
#ifndef VXCL_RASTER_BMP_DECODER_H
#define VXCL_RASTER_BMP_DECODER_H

#include <array>
#include <cstdint>
#include <span>

#include "raster/decoded_picture.h"

namespace vxcl {

// Reads the headers at construction and decodes rows on demand from
// `file`, which must outlive the picture. Throws PictureError with a
// "BMP: ..." message (or "Not a BMP file.") when the file cannot be read.
//
// Accepted: the core (12-byte) header with 1, 4, 8 or 24 bits per pixel;
// the info header (40 bytes or any of its longer versions) with 1, 4, 8,
// 16, 24 or 32 bits per pixel, uncompressed or with colour masks
// (BITFIELDS); rows bottom-up or top-down. Run-length and embedded
// JPEG/PNG compression are refused. Alpha is ignored, as in a plain
// block transfer. A colour index beyond the colour table is black. Every
// pixel goes through its colour, so a one-bit file prints its dark table
// colour, whichever index holds it.
//
// These variants are few and simple, and decoding them here lets a row go
// straight from the file to one bit: a general image loader expanded the
// 2400 x 1600 pictures of the speed target to colour more slowly than the
// whole placement may take, and silently decoded truncated files.
class BmpPicture final : public DecodedPicture {
 public:
  explicit BmpPicture(std::span<const std::uint8_t> file);

  int Width() const override { return width_; }
  int Height() const override { return height_; }
  void ColorRow(int y, std::uint8_t* rgb) const override;
  void OneBitRow(int y, std::uint8_t* bits,
                 std::uint8_t* scratch) const override;

 private:
  struct Channel {
    std::uint32_t mask = 0;
    int shift = 0;
    int bits = 0;
  };

  void ReadMasks(std::uint32_t compression);
  void ReadColorTable(std::size_t at, std::size_t entryBytes,
                      std::uint32_t colorsUsed);
  const std::uint8_t* RowData(int y) const;
  // Red, green and blue of a 16- or 32-bit pixel.
  void MaskedColor(std::uint32_t pixel, std::uint8_t* rgb) const;

  std::span<const std::uint8_t> file_;
  int width_ = 0;
  int height_ = 0;
  int bitsPerPixel_ = 0;
  bool topDown_ = false;
  std::size_t pixelOffset_ = 0;
  std::size_t stride_ = 0;
  std::array<Channel, 3> channels_{};  // red, green, blue
  bool plainMasks_ = false;            // 32 bits as blue, green, red, unused
  std::array<std::array<std::uint8_t, 3>, 256> colors_{};  // unused: black
};

}  // namespace vxcl

#endif
