#include "raster/bitmap_drawing.h"

#include <algorithm>

namespace vxcl {

namespace {

// Floor division by 8 and its non-negative remainder, for columns that may
// lie left of the bitmap.
long long ByteOf(long long column) {
  return column >= 0 ? column / 8 : (column - 7) / 8;
}
int BitOf(long long column) {
  return static_cast<int>(column - 8 * ByteOf(column));
}

// Bits of one byte for pixels first..last (0..7, inclusive), leftmost in
// bit 7.
std::uint8_t PixelMask(int first, int last) {
  return static_cast<std::uint8_t>((0xFF >> first) & (0xFF00 >> (last + 1)));
}

}  // namespace

void OrPackedRow(OneBitBitmap& target, int x, int y, const std::uint8_t* source,
                 int width) {
  if (y < 0 || y >= target.Height() || width <= 0) return;
  // The source pixels that land inside the row.
  const long long first = std::max(0LL, -static_cast<long long>(x));
  const long long end =
      std::min<long long>(width, static_cast<long long>(target.Width()) - x);
  if (first >= end) return;
  std::uint8_t* row = target.Row(y);
  const long long rowBytes = static_cast<long long>(target.BytesPerRow());
  for (long long k = first / 8; k * 8 < end; ++k) {
    const int lo = static_cast<int>(std::max(first - 8 * k, 0LL));
    const int hi = static_cast<int>(std::min(end - 8 * k, 8LL)) - 1;
    const std::uint8_t bits = source[k] & PixelMask(lo, hi);
    if (bits == 0) continue;
    const long long column = x + 8 * k;
    const long long byte = ByteOf(column);
    const int shift = BitOf(column);
    const auto left = static_cast<std::uint8_t>(bits >> shift);
    const auto right = static_cast<std::uint8_t>(bits << (8 - shift));
    if (left != 0 && byte >= 0 && byte < rowBytes) row[byte] |= left;
    if (shift != 0 && right != 0 && byte + 1 >= 0 && byte + 1 < rowBytes)
      row[byte + 1] |= right;
  }
}

void FillDark(OneBitBitmap& target, int x, int y, int width, int height) {
  const long long x0 = std::max(0LL, static_cast<long long>(x));
  const long long x1 =
      std::min<long long>(target.Width(), static_cast<long long>(x) + width);
  const long long y0 = std::max(0LL, static_cast<long long>(y));
  const long long y1 =
      std::min<long long>(target.Height(), static_cast<long long>(y) + height);
  if (x0 >= x1 || y0 >= y1) return;
  const long long firstByte = x0 / 8, lastByte = (x1 - 1) / 8;
  for (long long row = y0; row < y1; ++row) {
    std::uint8_t* bytes = target.Row(static_cast<int>(row));
    for (long long b = firstByte; b <= lastByte; ++b) {
      const int lo = b == firstByte ? static_cast<int>(x0 % 8) : 0;
      const int hi = b == lastByte ? static_cast<int>((x1 - 1) % 8) : 7;
      bytes[b] |= PixelMask(lo, hi);
    }
  }
}

}  // namespace vxcl
