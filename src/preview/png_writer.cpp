#include "preview/png_writer.h"

#include <png.h>

#include <algorithm>
#include <cerrno>
#include <csetjmp>
#include <cstdio>
#include <cstring>
#include <memory>

namespace vxcl::preview {

namespace {

constexpr int kGapMm = 2;

struct Output {
  std::string bytes;
  std::string error;
};

[[noreturn]] void OnError(png_structp png, png_const_charp message) {
  static_cast<Output*>(png_get_error_ptr(png))->error = message;
  png_longjmp(png, 1);
}

void OnWarning(png_structp, png_const_charp) {}

void OnWrite(png_structp png, png_bytep data, png_size_t length) {
  auto* out = static_cast<Output*>(png_get_io_ptr(png));
  try {
    out->bytes.append(reinterpret_cast<const char*>(data), length);
  } catch (...) {
    png_error(png, "out of memory");
  }
}

void OnFlush(png_structp) {}

// Two bytes of two-bit indexes for each byte of eight dots: a printed dot
// is kPrinted, any other kWhite.
struct DotPairs {
  std::uint16_t of[256];
  constexpr DotPairs() : of() {
    for (int byte = 0; byte < 256; ++byte) {
      std::uint16_t pair = 0;
      for (int bit = 0; bit < 8; ++bit)
        if (byte & (0x80 >> bit)) pair |= kPrinted << (14 - 2 * bit);
      of[byte] = pair;
    }
  }
};
constexpr DotPairs kDotPairs;

void SetUnprinted(std::vector<png_byte>& row, int x, unsigned char colour) {
  const int shift = 6 - 2 * (x % 4);
  png_byte& b = row[x / 4];
  if (((b >> shift) & 3) != kPrinted)
    b = static_cast<png_byte>((b & ~(3 << shift)) | (colour << shift));
}

// One row of two-bit palette indexes, four pixels a byte, leftmost in the
// high bits: the dots a byte at a time, then the head beside the label and
// the label's edge a pixel at a time.
void PackRow(const LabelPicture* label, int y, int width,
             std::vector<png_byte>& row) {
  if (!label) {
    std::fill(row.begin(), row.end(), 0xAA);  // kBeside in every pixel
    return;
  }
  std::fill(row.begin(), row.end(), 0);
  const std::uint8_t* dots = label->dots.Row(y);
  // Whole bytes of dots, then the half byte of a width of 4 mod 8 or less.
  const std::size_t whole = std::min(label->dots.BytesPerRow(), row.size() / 2);
  for (std::size_t i = 0; i < whole; ++i) {
    const std::uint16_t pair = kDotPairs.of[dots[i]];
    row[2 * i] = static_cast<png_byte>(pair >> 8);
    row[2 * i + 1] = static_cast<png_byte>(pair);
  }
  if (whole < label->dots.BytesPerRow() && 2 * whole < row.size())
    row[2 * whole] = static_cast<png_byte>(kDotPairs.of[dots[whole]] >> 8);
  const int left = std::clamp(label->labelLeft, 0, width);
  const int right =
      std::clamp(label->labelLeft + label->labelWidth, left, width);
  for (int x = 0; x < left; ++x) SetUnprinted(row, x, kBeside);
  for (int x = right; x < width; ++x) SetUnprinted(row, x, kBeside);
  if (left == right) return;
  if (y == 0 || y == label->dots.Height() - 1) {
    for (int x = left; x < right; ++x) SetUnprinted(row, x, kEdge);
  } else {
    SetUnprinted(row, left, kEdge);
    SetUnprinted(row, right - 1, kEdge);
  }
}

// The libpng calls, apart so that nothing with a destructor lives in the
// frame that an error jumps back to.
bool Encode(png_structp png, png_infop info,
            const std::vector<LabelPicture>& labels, int dotsPerMm, int width,
            int height, int gap, std::vector<png_byte>& row) {
  if (setjmp(png_jmpbuf(png))) return false;
  png_set_IHDR(png, info, static_cast<png_uint_32>(width),
               static_cast<png_uint_32>(height), 2, PNG_COLOR_TYPE_PALETTE,
               PNG_INTERLACE_NONE, PNG_COMPRESSION_TYPE_DEFAULT,
               PNG_FILTER_TYPE_DEFAULT);
  png_color palette[4] = {
      {255, 255, 255}, {0, 0, 0}, {208, 208, 208}, {120, 170, 255}};
  png_set_PLTE(png, info, palette, 4);
  const auto perMetre = static_cast<png_uint_32>(dotsPerMm) * 1000;
  png_set_pHYs(png, info, perMetre, perMetre, PNG_RESOLUTION_METER);
  // Palette pictures compress best unfiltered; speed matters more than the
  // last few bytes.
  png_set_filter(png, PNG_FILTER_TYPE_BASE, PNG_FILTER_NONE);
  png_set_compression_level(png, 3);
  png_write_info(png, info);
  for (std::size_t i = 0; i < labels.size(); ++i) {
    if (i > 0)
      for (int y = 0; y < gap; ++y) {
        PackRow(nullptr, y, width, row);
        png_write_row(png, row.data());
      }
    for (int y = 0; y < labels[i].dots.Height(); ++y) {
      PackRow(&labels[i], y, width, row);
      png_write_row(png, row.data());
    }
  }
  png_write_end(png, info);
  return true;
}

}  // namespace

std::string EncodePng(const std::vector<LabelPicture>& labels, int dotsPerMm) {
  int width = 0;
  long long height = 0;
  const int gap = kGapMm * dotsPerMm;
  for (std::size_t i = 0; i < labels.size(); ++i) {
    width = std::max(width, labels[i].dots.Width());
    height += labels[i].dots.Height() + (i > 0 ? gap : 0);
  }
  if (width < 1 || height < 1 || height > PNG_UINT_31_MAX)
    throw PreviewWriteError("the preview has no dots to write");

  Output out;
  // Allocated before libpng's structures, which nothing frees if it throws.
  std::vector<png_byte> row((static_cast<std::size_t>(width) + 3) / 4);
  png_structp png =
      png_create_write_struct(PNG_LIBPNG_VER_STRING, &out, OnError, OnWarning);
  if (!png) throw std::bad_alloc();
  png_infop info = png_create_info_struct(png);
  if (!info) {
    png_destroy_write_struct(&png, nullptr);
    throw std::bad_alloc();
  }
  png_set_write_fn(png, &out, OnWrite, OnFlush);
  const bool written = Encode(png, info, labels, dotsPerMm, width,
                              static_cast<int>(height), gap, row);
  png_destroy_write_struct(&png, &info);
  if (!written) throw PreviewWriteError("PNG encoding failed: " + out.error);
  return std::move(out.bytes);
}

void WriteFile(const std::string& path, const std::string& png) {
  std::FILE* file = std::fopen(path.c_str(), "wb");
  if (!file)
    throw PreviewWriteError("cannot write " + path + ": " +
                            std::strerror(errno));
  const std::size_t written = std::fwrite(png.data(), 1, png.size(), file);
  const int writeError = written != png.size() ? errno : 0;
  if (std::fclose(file) != 0 || written != png.size())
    throw PreviewWriteError("cannot write " + path + ": " +
                            std::strerror(writeError ? writeError : errno));
}

}  // namespace vxcl::preview
