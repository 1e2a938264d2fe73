// Label previews for tests: streams drawn with the installed fonts, the
// barcodes on a picture read back with ZXing, PNG pictures decoded.
#ifndef VXCL_TESTS_PREVIEW_SUPPORT_H
#define VXCL_TESTS_PREVIEW_SUPPORT_H

#include <array>
#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

#include "preview/placement.h"
#include "preview/stream_preview.h"
#include "raster/bitmap.h"

namespace vxcl::test {

// The stream drawn on a 203 dpi, 104 mm head (832 dots) unless the metrics
// say otherwise, with the platform's fonts.
preview::StreamPreview PreviewOf(std::string_view stream,
                                 const preview::PreviewMetrics& metrics = {});

// The one label of a stream, for tests that draw one; fails the test when
// the stream gave several or warned.
OneBitBitmap OnlyLabel(std::string_view stream,
                       const preview::PreviewMetrics& metrics = {});

// The last job virtual printer `printer` received, drawn with the label
// layout it recorded.
preview::StreamPreview PreviewOfLastJob(const char* printer);

// A label frame around `elements`: STX ESC "A", the elements, ESC "Q1"
// ESC "Z" ETX.
std::string LabelFrame(std::string_view elements);

// A symbol ZXing found: its format ("Code128", "QRCode", ...), its content
// as bytes (GS1 field separators as GS) and its symbology identifier.
struct Decoded {
  std::string format;
  std::string bytes;
  std::string identifier;
  friend bool operator==(const Decoded&, const Decoded&) = default;
};

// Every barcode ZXing reads in the picture's `area` (where dots are printed
// when empty), trying every orientation.
std::vector<Decoded> DecodeBarcodes(const OneBitBitmap& dots,
                                    preview::DotRect area = {});

// Readable form for failure messages.
std::string Show(const std::vector<Decoded>& decoded);

// The dots of `bitmap` inside `area`, for exact comparisons.
OneBitBitmap Cut(const OneBitBitmap& bitmap, const preview::DotRect& area);

// The smallest rectangle holding every printed dot; empty when none is.
preview::DotRect InkBounds(const OneBitBitmap& bitmap);

// A PNG read back: its size, its resolution and its pixels' colours.
struct PngPicture {
  int width = 0, height = 0;
  std::uint32_t pixelsPerMetre = 0;
  std::vector<std::array<std::uint8_t, 3>> rgb;  // row by row
  std::array<std::uint8_t, 3> At(int x, int y) const {
    return rgb[static_cast<std::size_t>(y) * width + x];
  }
};
PngPicture ReadPng(std::string_view png);

// The printed dots of a preview PNG (black pixels) as a bitmap.
OneBitBitmap DotsOf(const PngPicture& picture);

}  // namespace vxcl::test

#endif
