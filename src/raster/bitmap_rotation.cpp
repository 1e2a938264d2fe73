#include "raster/bitmap_rotation.h"

#include <array>
#include <cstdint>

namespace vxcl {

namespace {

// Transposes an 8 x 8 block of pixels: bit (7 - c) of in[r] becomes bit
// (7 - r) of out[c].
void Transpose8(const std::uint8_t in[8], std::uint8_t out[8]) {
  std::uint64_t x = 0;
  for (int r = 0; r < 8; ++r) x = (x << 8) | in[r];
  std::uint64_t t;
  t = (x ^ (x >> 7)) & 0x00AA00AA00AA00AAULL;
  x ^= t ^ (t << 7);
  t = (x ^ (x >> 14)) & 0x0000CCCC0000CCCCULL;
  x ^= t ^ (t << 14);
  t = (x ^ (x >> 28)) & 0x00000000F0F0F0F0ULL;
  x ^= t ^ (t << 28);
  for (int c = 7; c >= 0; --c) {
    out[c] = static_cast<std::uint8_t>(x);
    x >>= 8;
  }
}

constexpr std::array<std::uint8_t, 256> kReversedBits = [] {
  std::array<std::uint8_t, 256> table{};
  for (int v = 0; v < 256; ++v) {
    int r = 0;
    for (int b = 0; b < 8; ++b)
      if (v & (1 << b)) r |= 0x80 >> b;
    table[v] = static_cast<std::uint8_t>(r);
  }
  return table;
}();

// A quarter turn either way, eight source rows by eight source columns at a
// time. Eight source rows make one byte column of the result; each source
// column becomes one result row.
OneBitBitmap QuarterTurn(const OneBitBitmap& s, bool counterClockwise) {
  const int w = s.Width(), h = s.Height();
  OneBitBitmap d(h, w);
  const std::size_t sourceBytes = s.BytesPerRow();
  const std::uint8_t* rows[8];
  std::uint8_t in[8], out[8];
  for (std::size_t j = 0; j < d.BytesPerRow(); ++j) {
    // Result columns 8j .. 8j + 7 come from these source rows, leftmost
    // first; rows outside the source read as white.
    for (int b = 0; b < 8; ++b) {
      const long long offset = static_cast<long long>(8 * j) + b;
      const long long row = counterClockwise ? offset : h - 1 - offset;
      rows[b] = (row >= 0 && row < h) ? s.Row(static_cast<int>(row)) : nullptr;
    }
    for (std::size_t k = 0; k < sourceBytes; ++k) {
      for (int b = 0; b < 8; ++b) in[b] = rows[b] ? rows[b][k] : 0;
      Transpose8(in, out);
      for (int c = 0; c < 8; ++c) {
        const int column = static_cast<int>(8 * k) + c;
        if (column >= w) break;
        const int y = counterClockwise ? w - 1 - column : column;
        d.Row(y)[j] = out[c];
      }
    }
  }
  return d;
}

// Each result row is a source row read backwards: reversing the row's whole
// bytes puts the unused tail bits first, so the row is then shifted left by
// their number.
OneBitBitmap HalfTurn(const OneBitBitmap& s) {
  const int w = s.Width(), h = s.Height();
  OneBitBitmap d(w, h);
  const std::size_t n = s.BytesPerRow();
  const int shift = static_cast<int>(n * 8) - w;
  for (int y = 0; y < h; ++y) {
    const std::uint8_t* source = s.Row(h - 1 - y);
    std::uint8_t* row = d.Row(y);
    for (std::size_t i = 0; i < n; ++i) {
      const unsigned here = kReversedBits[source[n - 1 - i]];
      const unsigned next = i + 1 < n ? kReversedBits[source[n - 2 - i]] : 0;
      row[i] = static_cast<std::uint8_t>(
          shift == 0 ? here : (here << shift) | (next >> (8 - shift)));
    }
  }
  return d;
}

}  // namespace

OneBitBitmap RotateBitmap(const OneBitBitmap& source, int degrees) {
  const int quarters = ((degrees / 90) % 4 + 4) % 4;
  switch (quarters) {
    case 1:
      return QuarterTurn(source, true);
    case 2:
      return HalfTurn(source);
    case 3:
      return QuarterTurn(source, false);
    default:
      return source;
  }
}

}  // namespace vxcl
