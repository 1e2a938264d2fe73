// Picture files for tests: small BMP and PCX writers, and the graphic
// command read back into pixels.
#ifndef VXCL_TESTS_PICTURES_H
#define VXCL_TESTS_PICTURES_H

#include <array>
#include <cstdint>
#include <functional>
#include <ostream>
#include <span>
#include <string>
#include <string_view>

#include "raster/bitmap.h"
#include "support/scratch_dir.h"

namespace vxcl::test {

using Rgb = std::array<std::uint8_t, 3>;
inline constexpr Rgb kWhite{255, 255, 255};
inline constexpr Rgb kBlack{0, 0, 0};

// A 24-bit uncompressed BMP, bottom-up, each pixel's colour from `pixel`.
std::string Bmp24(int width, int height,
                  const std::function<Rgb(int x, int y)>& pixel);

// A 40-byte-header BMP of `bitsPerPixel` bits with the given colour table
// (at most 256 entries) and rows as stored (already padded, bottom row
// first unless `height` is negative).
std::string BmpFile(int width, int height, int bitsPerPixel,
                    std::span<const Rgb> colorTable, std::string_view rows,
                    std::uint32_t compression = 0);

// The header fields of a PCX file that the library reads.
struct PcxHeader {
  std::uint8_t manufacturer = 0x0A;
  std::uint8_t version = 5;
  std::uint8_t encoding = 1;
  std::uint8_t bitsPerPixel = 1;
  std::uint16_t xMin = 0, yMin = 0, xMax = 0, yMax = 0;
  std::array<std::uint8_t, 48> palette{};
  std::uint8_t planes = 1;
  std::uint16_t bytesPerLine = 0;
  std::uint16_t paletteInfo = 1;
};

// The 128-byte header followed by `data` (and nothing else).
std::string PcxFile(const PcxHeader& header, std::string_view data);

// The pixels of an ESC "GB" command (set bit = printed dot); fails the
// current test when `command` is not one whole graphic command.
OneBitBitmap ReadGraphic(std::string_view command);

// A bitmap drawn from a picture of '#' (dark) and '.' (white) rows.
OneBitBitmap Drawn(std::initializer_list<std::string_view> rows);

// The bitmap as '#' and '.' rows, one a line, for failure messages.
std::string Picture(const OneBitBitmap& bitmap);

}  // namespace vxcl::test

namespace vxcl {
// Failure messages show bitmaps as pictures.
void PrintTo(const OneBitBitmap& bitmap, std::ostream* out);
}  // namespace vxcl

#endif
