#include "raster/bmp_decoder.h"

#include <algorithm>
#include <bit>
#include <cstring>

namespace vxcl {

namespace {

constexpr std::size_t kFileHeaderBytes = 14;
constexpr std::size_t kCoreHeaderBytes = 12;
constexpr std::size_t kInfoHeaderBytes = 40;
constexpr std::uint32_t kUncompressed = 0;
constexpr std::uint32_t kBitFields = 3;
constexpr std::uint32_t kAlphaBitFields = 6;

// Little-endian fields.
std::uint32_t Le16(const std::uint8_t* p) {
  return p[0] | (std::uint32_t{p[1]} << 8);
}

std::uint32_t Le32(const std::uint8_t* p) {
  return Le16(p) | (Le16(p + 2) << 16);
}

std::uint32_t Read16(std::span<const std::uint8_t> f, std::size_t at) {
  return Le16(&f[at]);
}

std::uint32_t Read32(std::span<const std::uint8_t> f, std::size_t at) {
  return Le32(&f[at]);
}

// A channel of `bits` bits widened to eight by repeating its bits, so its
// largest value becomes 255; wider channels keep their top eight bits.
std::uint8_t Widen(std::uint32_t value, int bits) {
  if (bits == 0) return 0;
  if (bits >= 8) return static_cast<std::uint8_t>(value >> (bits - 8));
  std::uint32_t wide = value << (8 - bits);
  for (int have = bits; have < 8; have *= 2) wide |= wide >> have;
  return static_cast<std::uint8_t>(wide);
}

}  // namespace

BmpPicture::BmpPicture(std::span<const std::uint8_t> file) : file_(file) {
  if (file.size() < kFileHeaderBytes + 4 || file[0] != 'B' || file[1] != 'M')
    throw PictureError("Not a BMP file.");
  const std::uint32_t headerBytes = Read32(file, kFileHeaderBytes);
  const bool core = headerBytes == kCoreHeaderBytes;
  if (!core && headerBytes < kInfoHeaderBytes)
    throw PictureError("BMP: unsupported header of " +
                       std::to_string(headerBytes) + " bytes");
  if (file.size() - kFileHeaderBytes < headerBytes)
    throw PictureError("BMP: the file is shorter than its header");

  const std::size_t h = kFileHeaderBytes;
  long long width, height;
  std::uint32_t compression = kUncompressed, colorsUsed = 0;
  if (core) {
    width = Read16(file, h + 4);
    height = Read16(file, h + 6);
    bitsPerPixel_ = static_cast<int>(Read16(file, h + 10));
  } else {
    width = static_cast<std::int32_t>(Read32(file, h + 4));
    height = static_cast<std::int32_t>(Read32(file, h + 8));
    bitsPerPixel_ = static_cast<int>(Read16(file, h + 14));
    compression = Read32(file, h + 16);
    colorsUsed = Read32(file, h + 32);
  }
  const bool masked = bitsPerPixel_ == 16 || bitsPerPixel_ == 32;
  const bool supportedDepth = bitsPerPixel_ == 1 || bitsPerPixel_ == 4 ||
                              bitsPerPixel_ == 8 || bitsPerPixel_ == 24 ||
                              (masked && !core);
  if (!supportedDepth)
    throw PictureError("BMP: " + std::to_string(bitsPerPixel_) +
                       " bits per pixel are not supported");
  const bool bitFields =
      compression == kBitFields || compression == kAlphaBitFields;
  if (compression != kUncompressed && !(bitFields && masked))
    throw PictureError("BMP: compressed pictures are not supported");
  topDown_ = height < 0;
  height = topDown_ ? -height : height;
  CheckPictureLimits("BMP", width, height, 0);
  width_ = static_cast<int>(width);
  height_ = static_cast<int>(height);

  pixelOffset_ = Read32(file, 10);
  if (masked)
    ReadMasks(compression);
  else if (bitsPerPixel_ <= 8)
    ReadColorTable(h + headerBytes, core ? 3 : 4, colorsUsed);

  stride_ = (static_cast<std::size_t>(width_) * bitsPerPixel_ + 31) / 32 * 4;
  const std::size_t lastRow =
      (static_cast<std::size_t>(width_) * bitsPerPixel_ + 7) / 8;
  // The last row's padding may be missing; its pixels may not.
  const std::size_t needed = stride_ * (height_ - 1) + lastRow;
  if (pixelOffset_ > file.size() || file.size() - pixelOffset_ < needed)
    throw PictureError("BMP: the pixel data are cut short");
}

void BmpPicture::ReadMasks(std::uint32_t compression) {
  std::uint32_t masks[3];
  if (compression == kUncompressed) {
    const bool wide = bitsPerPixel_ == 32;
    masks[0] = wide ? 0xFF0000 : 0x7C00;
    masks[1] = wide ? 0x00FF00 : 0x03E0;
    masks[2] = wide ? 0x0000FF : 0x001F;
  } else {
    // The masks follow a 40-byte header and are part of the longer ones:
    // at the same place either way.
    const std::size_t m = kFileHeaderBytes + kInfoHeaderBytes;
    if (file_.size() < m + 12)
      throw PictureError("BMP: the colour masks are cut short");
    for (int i = 0; i < 3; ++i) masks[i] = Read32(file_, m + 4 * i);
  }
  for (int i = 0; i < 3; ++i) {
    Channel& c = channels_[i];
    c.mask = masks[i];
    if (c.mask == 0) continue;
    c.shift = std::countr_zero(c.mask);
    const std::uint32_t bits = c.mask >> c.shift;
    if ((bits & (bits + 1)) != 0)
      throw PictureError("BMP: colour masks with gaps are not supported");
    c.bits = std::popcount(bits);
  }
  plainMasks_ = bitsPerPixel_ == 32 && masks[0] == 0xFF0000 &&
                masks[1] == 0x00FF00 && masks[2] == 0x0000FF;
}

void BmpPicture::ReadColorTable(std::size_t at, std::size_t entryBytes,
                                std::uint32_t colorsUsed) {
  const std::uint32_t most = 1u << bitsPerPixel_;
  std::uint32_t count =
      colorsUsed == 0 || colorsUsed > most ? most : colorsUsed;
  // Some writers store fewer colours than the depth allows and start the
  // pixels right after them.
  if (pixelOffset_ > at && pixelOffset_ - at < count * entryBytes)
    count = static_cast<std::uint32_t>((pixelOffset_ - at) / entryBytes);
  if (file_.size() < at || (file_.size() - at) / entryBytes < count)
    throw PictureError("BMP: the colour table is cut short");
  for (std::uint32_t i = 0; i < count; ++i) {
    const std::uint8_t* entry = &file_[at + i * entryBytes];  // blue first
    colors_[i] = {entry[2], entry[1], entry[0]};
  }
}

const std::uint8_t* BmpPicture::RowData(int y) const {
  const int stored = topDown_ ? y : height_ - 1 - y;
  return file_.data() + pixelOffset_ +
         static_cast<std::size_t>(stored) * stride_;
}

void BmpPicture::MaskedColor(std::uint32_t pixel, std::uint8_t* rgb) const {
  for (int i = 0; i < 3; ++i) {
    const Channel& c = channels_[i];
    rgb[i] = Widen((pixel & c.mask) >> c.shift, c.bits);
  }
}

void BmpPicture::ColorRow(int y, std::uint8_t* rgb) const {
  const std::uint8_t* p = RowData(y);
  for (int x = 0; x < width_; ++x, rgb += 3) {
    switch (bitsPerPixel_) {
      case 24:
        rgb[0] = p[3 * x + 2];
        rgb[1] = p[3 * x + 1];
        rgb[2] = p[3 * x];
        break;
      case 32:
        MaskedColor(Le32(p + 4 * x), rgb);
        break;
      case 16:
        MaskedColor(Le16(p + 2 * x), rgb);
        break;
      default: {
        // 1, 4 or 8 bits: the leftmost pixel in the high bits of its byte.
        const int bitOffset = x * bitsPerPixel_;
        const unsigned index =
            (p[bitOffset / 8] >> (8 - bitsPerPixel_ - bitOffset % 8)) &
            ((1u << bitsPerPixel_) - 1);
        std::memcpy(rgb, colors_[index].data(), 3);
      }
    }
  }
}

void BmpPicture::OneBitRow(int y, std::uint8_t* bits,
                           std::uint8_t* scratch) const {
  // Whiteness does not depend on the order of the colour bytes, so plain
  // 24- and 32-bit rows are reduced in place.
  if (bitsPerPixel_ == 24)
    ReduceRowToOneBit(RowData(y), width_, bits, 3);
  else if (plainMasks_)
    ReduceRowToOneBit(RowData(y), width_, bits, 4);
  else
    DecodedPicture::OneBitRow(y, bits, scratch);
}

}  // namespace vxcl
