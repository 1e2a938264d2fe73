#include "raster/stretch.h"

#include <algorithm>
#include <cstring>
#include <vector>

namespace vxcl {

namespace {

struct Span {
  int first;
  int end;  // exclusive, always > first
};

// The source pixels each of `to` result pixels covers along one side.
std::vector<Span> Spans(int from, int to) {
  std::vector<Span> spans(static_cast<std::size_t>(to));
  for (int i = 0; i < to; ++i) {
    const int first = static_cast<int>(static_cast<long long>(i) * from / to);
    const int end = static_cast<int>(static_cast<long long>(i + 1) * from / to);
    spans[static_cast<std::size_t>(i)] = {first, std::max(end, first + 1)};
  }
  return spans;
}

bool AnyDark(const std::uint8_t* row, Span span) {
  for (int x = span.first; x < span.end; ++x)
    if ((row[x >> 3] >> (7 - (x & 7))) & 1) return true;
  return false;
}

}  // namespace

OneBitBitmap Stretch(const OneBitBitmap& source, int width, int height) {
  OneBitBitmap result(width, height);
  if (source.Width() == 0 || source.Height() == 0) return result;
  const std::vector<Span> columns = Spans(source.Width(), width);
  const std::vector<Span> rows = Spans(source.Height(), height);
  // The source rows a result row covers, merged: a column of the merged row
  // is dark when it is dark in any of them.
  std::vector<std::uint8_t> merged(source.BytesPerRow());
  for (int dy = 0; dy < height; ++dy) {
    const Span span = rows[static_cast<std::size_t>(dy)];
    if (dy > 0 && span.first == rows[dy - 1].first &&
        span.end == rows[dy - 1].end) {
      // Enlarging: the same source rows as the row above.
      std::memcpy(result.Row(dy), result.Row(dy - 1), result.BytesPerRow());
      continue;
    }
    std::fill(merged.begin(), merged.end(), 0);
    for (int sy = span.first; sy < span.end; ++sy) {
      const std::uint8_t* row = source.Row(sy);
      for (std::size_t i = 0; i < merged.size(); ++i) merged[i] |= row[i];
    }
    std::uint8_t* out = result.Row(dy);
    for (int dx = 0; dx < width; ++dx)
      if (AnyDark(merged.data(), columns[static_cast<std::size_t>(dx)]))
        out[dx >> 3] |= static_cast<std::uint8_t>(0x80 >> (dx & 7));
  }
  return result;
}

}  // namespace vxcl
