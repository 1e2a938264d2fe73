#include "raster/pcx_decoder.h"

#include <algorithm>
#include <cstring>

namespace vxcl {

namespace {

constexpr std::size_t kHeaderBytes = 128;
// The 0x0C marker and 256 colours at the end of an 8 x 1 file.
constexpr std::size_t kPaletteTailBytes = 769;
constexpr std::uint8_t kPaletteMarker = 0x0C;

// The platform's standard 16-colour palette.
constexpr std::uint8_t kStandardColors[16][3] = {
    {0, 0, 0},       {128, 0, 0},   {0, 128, 0},   {128, 128, 0},
    {0, 0, 128},     {128, 0, 128}, {0, 128, 128}, {128, 128, 128},
    {192, 192, 192}, {255, 0, 0},   {0, 255, 0},   {255, 255, 0},
    {0, 0, 255},     {255, 0, 255}, {0, 255, 255}, {255, 255, 255}};

unsigned Word(std::span<const std::uint8_t> file, std::size_t at) {
  return file[at] | (unsigned{file[at + 1]} << 8);
}

}  // namespace

PcxPicture::PcxPicture(std::span<const std::uint8_t> file) {
  if (file.empty() || (file[0] != 0x0A && file[0] != 0xCD))
    throw PictureError("Not a PCX or SCR file.");
  if (file.size() < kHeaderBytes)
    throw PictureError("PCX: the file is shorter than its 128-byte header");
  const int version = file[1];
  const bool runLength = file[2] == 1;
  bitsPerPixel_ = file[3];
  planes_ = file[65];
  const bool accepted =
      (bitsPerPixel_ == 1 && (planes_ == 1 || planes_ == 4)) ||
      (bitsPerPixel_ == 8 && (planes_ == 1 || planes_ == 3));
  if (!accepted) throw PictureError("PCX: wrong pixel format");

  const unsigned xMin = Word(file, 4), yMin = Word(file, 6);
  const unsigned xMax = Word(file, 8), yMax = Word(file, 10);
  if (xMax < xMin || yMax < yMin)
    throw PictureError("PCX: Xmax or Ymax is less than Xmin or Ymin");
  const long long width = xMax - xMin + 1LL, height = yMax - yMin + 1LL;
  bytesPerLine_ = Word(file, 66);
  const long long rowBytes = bitsPerPixel_ == 1 ? (width + 7) / 8 : width;
  if (static_cast<long long>(bytesPerLine_) < rowBytes)
    throw PictureError("PCX: the bytes per line are too few for the width");
  stride_ = static_cast<std::size_t>(planes_) * bytesPerLine_;
  CheckPictureLimits("PCX", width, height,
                     stride_ * static_cast<unsigned long long>(height));
  width_ = static_cast<int>(width);
  height_ = static_cast<int>(height);

  ReadPalette(file, version, Word(file, 68));
  std::size_t end = file.size();
  if (bitsPerPixel_ == 8 && planes_ == 1)
    end = end >= kHeaderBytes + kPaletteTailBytes ? end - kPaletteTailBytes
                                                  : kHeaderBytes;
  Decode(file.subspan(kHeaderBytes, end - kHeaderBytes), runLength);
}

void PcxPicture::ReadPalette(std::span<const std::uint8_t> file, int version,
                             int paletteInfo) {
  const bool grey = paletteInfo == 2;
  if (bitsPerPixel_ == 1 && planes_ == 1) {
    palette_[0] = {0, 0, 0};
    palette_[1] = {255, 255, 255};
  } else if (bitsPerPixel_ == 1) {
    for (int i = 0; i < 16; ++i) {
      const auto level = static_cast<std::uint8_t>(16 * i);
      if (version == 3)
        std::memcpy(palette_[i].data(), kStandardColors[i], 3);
      else if (grey)
        palette_[i] = {level, level, level};
      else
        std::memcpy(palette_[i].data(), &file[16 + 3 * i], 3);
    }
  } else if (planes_ == 1) {
    for (int i = 0; i < 256; ++i) {
      const auto level = static_cast<std::uint8_t>(i);
      palette_[i] = {level, level, level};
    }
    if (version == 3) {
      for (int i = 0; i < 16; ++i)
        std::memcpy(palette_[i].data(), kStandardColors[i], 3);
    } else if (file.size() >= kHeaderBytes + kPaletteTailBytes) {
      const std::size_t marker = file.size() - kPaletteTailBytes;
      if (file[marker] == kPaletteMarker)
        std::memcpy(palette_.data(), &file[marker + 1], 768);
    }
  }
}

void PcxPicture::Decode(std::span<const std::uint8_t> data, bool runLength) {
  const std::size_t total = stride_ * static_cast<std::size_t>(height_);
  data_ = std::make_unique_for_overwrite<std::uint8_t[]>(total);
  std::uint8_t* out = data_.get();
  if (!runLength) {
    decodedBytes_ = std::min(total, data.size());
    if (decodedBytes_ > 0) std::memcpy(out, data.data(), decodedBytes_);
    return;
  }
  // A byte of 0xC0 or more is a count (its low six bits) for the next byte;
  // runs stop at the end of the picture, and may cross rows.
  std::size_t written = 0, in = 0;
  while (written < total && in < data.size()) {
    const std::uint8_t c = data[in++];
    if (c < 0xC0) {
      out[written++] = c;
      continue;
    }
    if (in == data.size()) break;  // a count without its value
    const std::uint8_t value = data[in++];
    const std::size_t count = std::min<std::size_t>(c & 0x3F, total - written);
    std::memset(out + written, value, count);
    written += count;
  }
  decodedBytes_ = written;
}

int PcxPicture::CompletePixels(int y) const {
  const std::size_t rowStart = static_cast<std::size_t>(y) * stride_;
  if (decodedBytes_ >= rowStart + stride_) return width_;
  const std::size_t have =
      decodedBytes_ > rowStart ? decodedBytes_ - rowStart : 0;
  // A pixel is complete once its byte in the last plane is.
  const std::size_t earlierPlanes = (planes_ - 1) * bytesPerLine_;
  if (have <= earlierPlanes) return 0;
  const std::size_t lastPlane = have - earlierPlanes;
  const std::size_t pixels = bitsPerPixel_ == 1 ? lastPlane * 8 : lastPlane;
  return static_cast<int>(std::min<std::size_t>(pixels, width_));
}

void PcxPicture::ColorRow(int y, std::uint8_t* rgb) const {
  const std::uint8_t* row = data_.get() + static_cast<std::size_t>(y) * stride_;
  const int complete = CompletePixels(y);
  for (int p = 0; p < complete; ++p, rgb += 3) {
    if (bitsPerPixel_ == 8 && planes_ == 3) {
      rgb[0] = row[p];
      rgb[1] = row[bytesPerLine_ + p];
      rgb[2] = row[2 * bytesPerLine_ + p];
      continue;
    }
    unsigned index = 0;
    if (bitsPerPixel_ == 8) {
      index = row[p];
    } else {
      for (int k = 0; k < planes_; ++k)
        index |= ((row[k * bytesPerLine_ + p / 8] >> (7 - p % 8)) & 1u) << k;
    }
    std::memcpy(rgb, palette_[index].data(), 3);
  }
  std::memset(rgb, 0xFF, static_cast<std::size_t>(width_ - complete) * 3);
}

void PcxPicture::OneBitRow(int y, std::uint8_t* bits,
                           std::uint8_t* scratch) const {
  if (bitsPerPixel_ != 1 || planes_ != 1) {
    DecodedPicture::OneBitRow(y, bits, scratch);
    return;
  }
  // Black and white: a clear bit is black, so dark pixels are the inverse.
  const std::uint8_t* row = data_.get() + static_cast<std::size_t>(y) * stride_;
  const std::size_t bytes = (static_cast<std::size_t>(width_) + 7) / 8;
  const std::size_t completeBytes =
      (static_cast<std::size_t>(CompletePixels(y)) + 7) / 8;
  for (std::size_t i = 0; i < completeBytes; ++i)
    bits[i] = static_cast<std::uint8_t>(~row[i]);
  std::memset(bits + completeBytes, 0, bytes - completeBytes);
  if (width_ % 8 != 0)
    bits[bytes - 1] &= static_cast<std::uint8_t>(0xFF00 >> (width_ % 8));
}

}  // namespace vxcl
