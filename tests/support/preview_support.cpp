#include "support/preview_support.h"

#define ZX_USE_UTF8
#include <ZXing/ReadBarcode.h>
#include <gtest/gtest.h>
#include <png.h>

#include <algorithm>
#include <stdexcept>

#include "platform/platform.h"
#include "platform/virtual_printers.h"

namespace vxcl::test {

namespace {

// White around the symbols: ZXing wants a quiet zone.
constexpr int kMargin = 40;

}  // namespace

preview::StreamPreview PreviewOf(std::string_view stream,
                                 const preview::PreviewMetrics& metrics) {
  return preview::PreviewStream(stream, metrics, *CurrentPlatform().fonts);
}

OneBitBitmap OnlyLabel(std::string_view stream,
                       const preview::PreviewMetrics& metrics) {
  preview::StreamPreview drawn = PreviewOf(stream, metrics);
  EXPECT_EQ(drawn.labels.size(), 1u);
  EXPECT_TRUE(drawn.warnings.empty())
      << (drawn.warnings.empty() ? "" : drawn.warnings[0]);
  return std::move(drawn.labels.at(0).dots);
}

preview::StreamPreview PreviewOfLastJob(const char* printer) {
  const int count = VirtualPrinters().JobCount(printer).value_or(0);
  const auto job = VirtualPrinters().Job(printer, count - 1);
  if (!job || !job->label) {
    ADD_FAILURE() << "no label job received by " << printer;
    return {};
  }
  preview::PreviewMetrics metrics;
  metrics.dotsPerMm = job->label->dotsPerMm;
  metrics.headWidthDots = job->label->headWidthDots;
  metrics.labelWidthDots = job->label->labelWidthDots;
  metrics.labelLengthDots = job->label->labelLengthDots;
  metrics.labelLeftDots = job->label->labelLeftDots;
  return PreviewOf(job->bytes, metrics);
}

std::string LabelFrame(std::string_view elements) {
  return std::string(
             "\x02\x1b"
             "A") +
         std::string(elements) + "\x1bQ1\x1bZ\x03";
}

std::vector<Decoded> DecodeBarcodes(const OneBitBitmap& dots,
                                    preview::DotRect area) {
  // ZXing finds small symbols best in a picture not much larger than they.
  if (area.Empty()) area = InkBounds(dots);
  area = preview::Clipped(area, dots.Width(), dots.Height());
  const int w = static_cast<int>(area.width) + 2 * kMargin;
  const int h = static_cast<int>(area.height) + 2 * kMargin;
  std::vector<std::uint8_t> lum(static_cast<std::size_t>(w) * h, 255);
  for (long long y = 0; y < area.height; ++y)
    for (long long x = 0; x < area.width; ++x)
      if (dots.IsDark(static_cast<int>(area.x + x),
                      static_cast<int>(area.y + y)))
        lum[(y + kMargin) * w + x + kMargin] = 0;
  ZXing::DecodeHints hints;
  hints.setTryHarder(true);
  hints.setTryRotate(true);
  hints.setReturnCodabarStartEnd(true);
  hints.setBinarizer(ZXing::Binarizer::FixedThreshold);
  std::vector<Decoded> found;
  for (const ZXing::Result& r : ZXing::ReadBarcodes(
           ZXing::ImageView(lum.data(), w, h, ZXing::ImageFormat::Lum),
           hints)) {
    if (!r.isValid()) continue;
    const ZXing::ByteArray& bytes = r.bytes();
    found.push_back({ZXing::ToString(r.format()),
                     std::string(bytes.begin(), bytes.end()),
                     r.symbologyIdentifier()});
  }
  return found;
}

std::string Show(const std::vector<Decoded>& decoded) {
  std::string out;
  for (const Decoded& d : decoded) {
    out += d.format + " " + d.identifier + " \"";
    for (unsigned char c : d.bytes) {
      if (c < 32 || c >= 127) {
        char tag[8];
        std::snprintf(tag, sizeof tag, "<x%02X>", c);
        out += tag;
      } else {
        out += static_cast<char>(c);
      }
    }
    out += "\"\n";
  }
  return out.empty() ? "nothing decoded" : out;
}

OneBitBitmap Cut(const OneBitBitmap& bitmap, const preview::DotRect& area) {
  OneBitBitmap cut(static_cast<int>(area.width), static_cast<int>(area.height));
  for (int y = 0; y < cut.Height(); ++y)
    for (int x = 0; x < cut.Width(); ++x) {
      const long long sx = area.x + x, sy = area.y + y;
      if (sx >= 0 && sy >= 0 && sx < bitmap.Width() && sy < bitmap.Height() &&
          bitmap.IsDark(static_cast<int>(sx), static_cast<int>(sy)))
        cut.SetDark(x, y, true);
    }
  return cut;
}

preview::DotRect InkBounds(const OneBitBitmap& bitmap) {
  int x0 = bitmap.Width(), y0 = bitmap.Height(), x1 = -1, y1 = -1;
  for (int y = 0; y < bitmap.Height(); ++y)
    for (int x = 0; x < bitmap.Width(); ++x)
      if (bitmap.IsDark(x, y)) {
        x0 = std::min(x0, x);
        y0 = std::min(y0, y);
        x1 = std::max(x1, x);
        y1 = std::max(y1, y);
      }
  if (x1 < 0) return {};
  return {x0, y0, x1 - x0 + 1, y1 - y0 + 1};
}

PngPicture ReadPng(std::string_view png) {
  png_image image{};
  image.version = PNG_IMAGE_VERSION;
  if (!png_image_begin_read_from_memory(&image, png.data(), png.size()))
    throw std::runtime_error(image.message);
  image.format = PNG_FORMAT_RGB;
  PngPicture picture;
  picture.width = static_cast<int>(image.width);
  picture.height = static_cast<int>(image.height);
  picture.rgb.resize(static_cast<std::size_t>(picture.width) * picture.height);
  if (!png_image_finish_read(&image, nullptr, picture.rgb.data(), 0, nullptr))
    throw std::runtime_error(image.message);

  // The resolution, from the pHYs chunk: its first four bytes are the
  // pixels a unit across, most significant first.
  const std::size_t chunk = png.find("pHYs");
  if (chunk != std::string_view::npos && chunk + 8 <= png.size())
    for (int i = 0; i < 4; ++i)
      picture.pixelsPerMetre = picture.pixelsPerMetre << 8 |
                               static_cast<std::uint8_t>(png[chunk + 4 + i]);
  return picture;
}

OneBitBitmap DotsOf(const PngPicture& picture) {
  OneBitBitmap dots(picture.width, picture.height);
  for (int y = 0; y < picture.height; ++y)
    for (int x = 0; x < picture.width; ++x)
      if (picture.At(x, y) == std::array<std::uint8_t, 3>{0, 0, 0})
        dots.SetDark(x, y, true);
  return dots;
}

}  // namespace vxcl::test
