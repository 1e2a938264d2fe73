#include "preview/placement.h"

#include <algorithm>

#include "raster/bitmap_drawing.h"

namespace vxcl::preview {

namespace {

DotRect Intersection(const DotRect& a, const DotRect& b) {
  const long long x0 = std::max(a.x, b.x), y0 = std::max(a.y, b.y);
  const long long x1 = std::min(a.x + a.width, b.x + b.width);
  const long long y1 = std::min(a.y + a.height, b.y + b.height);
  return {x0, y0, x1 - x0, y1 - y0};
}

void XorRect(OneBitBitmap& canvas, const DotRect& r) {
  for (long long y = r.y; y < r.y + r.height; ++y) {
    std::uint8_t* row = canvas.Row(static_cast<int>(y));
    long long x = r.x;
    const long long end = r.x + r.width;
    while (x < end && x % 8 != 0) {
      row[x / 8] ^= static_cast<std::uint8_t>(0x80 >> (x % 8));
      ++x;
    }
    for (; x + 8 <= end; x += 8) row[x / 8] ^= 0xFF;
    for (; x < end; ++x)
      row[x / 8] ^= static_cast<std::uint8_t>(0x80 >> (x % 8));
  }
}

}  // namespace

DotRect Clipped(const DotRect& rect, long long width, long long height) {
  return Intersection(rect, {0, 0, width, height});
}

Placement::Placement(OneBitBitmap& canvas, long long h, long long v,
                     int rotation)
    : canvas_(canvas), h_(h), v_(v), rotation_(((rotation % 4) + 4) % 4) {}

DotRect Placement::ToCanvas(const DotRect& r) const {
  switch (rotation_) {
    case 1:
      return {h_ + r.y, v_ - r.x - r.width, r.height, r.width};
    case 2:
      return {h_ - r.x - r.width, v_ - r.y - r.height, r.width, r.height};
    case 3:
      return {h_ - r.y - r.height, v_ + r.x, r.height, r.width};
    default:
      return {h_ + r.x, v_ + r.y, r.width, r.height};
  }
}

void Placement::Record(const DotRect& r, bool rectangle) {
  if (r.Empty()) return;
  if (drawn_.Empty()) {
    drawn_ = r;
  } else {
    const long long x0 = std::min(drawn_.x, r.x), y0 = std::min(drawn_.y, r.y);
    const long long x1 = std::max(drawn_.x + drawn_.width, r.x + r.width);
    const long long y1 = std::max(drawn_.y + drawn_.height, r.y + r.height);
    drawn_ = {x0, y0, x1 - x0, y1 - y0};
  }
  onlyRectangles_ = onlyRectangles_ && rectangle && parts_.size() < kMostParts;
  if (onlyRectangles_)
    parts_.push_back(r);
  else
    parts_.clear();
}

DotRect Placement::VisibleArea() const {
  const long long w = canvas_.Width(), h = canvas_.Height();
  switch (rotation_) {
    case 1:
      return {v_ - h, -h_, h, w};
    case 2:
      return {h_ - w, v_ - h, w, h};
    case 3:
      return {-v_, h_ - w, h, w};
    default:
      return {-h_, -v_, w, h};
  }
}

bool Placement::Visible(const DotRect& rect) const {
  return !rect.Empty() && !Intersection(rect, VisibleArea()).Empty();
}

void Placement::Fill(const DotRect& rect) {
  if (rect.Empty()) return;
  Record(ToCanvas(rect), true);
  const DotRect c = Clipped(ToCanvas(rect), canvas_.Width(), canvas_.Height());
  if (c.Empty()) return;
  FillDark(canvas_, static_cast<int>(c.x), static_cast<int>(c.y),
           static_cast<int>(c.width), static_cast<int>(c.height));
}

void Placement::Invert(const DotRect& rect) {
  if (rect.Empty()) return;
  Record(ToCanvas(rect), false);
  const DotRect c = Clipped(ToCanvas(rect), canvas_.Width(), canvas_.Height());
  if (!c.Empty()) XorRect(canvas_, c);
}

void Placement::OrRow(long long x, long long y, const std::uint8_t* bits,
                      int width) {
  // Only the set pixels count: a graphic's blank padding prints nothing.
  long long first = -1, last = -1;
  const int bytes = (width + 7) / 8;
  for (int i = 0; i < bytes && first < 0; ++i)
    if (bits[i] != 0)
      for (int b = 0; b < 8 && first < 0; ++b)
        if ((bits[i] >> (7 - b)) & 1) first = i * 8 + b;
  for (int i = bytes - 1; i >= 0 && last < 0; --i)
    if (bits[i] != 0)
      for (int b = 7; b >= 0 && last < 0; --b)
        if ((bits[i] >> (7 - b)) & 1) last = i * 8 + b;
  last = std::min<long long>(last, width - 1);
  if (first < 0 || last < first) return;
  Record(ToCanvas({x + first, y, last - first + 1, 1}), false);
  const DotRect visible = Intersection({x, y, width, 1}, VisibleArea());
  if (visible.Empty()) return;
  if (rotation_ == 0) {
    // Whole bytes at a time; only the visible pixels reach the row.
    const long long skip = (visible.x - x) / 8 * 8;
    OrPackedRow(
        canvas_, static_cast<int>(h_ + x + skip), static_cast<int>(v_ + y),
        bits + skip / 8,
        static_cast<int>(std::min<long long>(width - skip, visible.width + 8)));
    return;
  }
  for (long long px = visible.x; px < visible.x + visible.width; ++px) {
    const long long i = px - x;
    if (((bits[i / 8] >> (7 - i % 8)) & 1) == 0) continue;
    const DotRect dot = ToCanvas({px, y, 1, 1});
    canvas_.SetDark(static_cast<int>(dot.x), static_cast<int>(dot.y), true);
  }
}

void Placement::OrBitmap(const OneBitBitmap& bits, long long x, long long y) {
  for (int row = 0; row < bits.Height(); ++row)
    OrRow(x, y + row, bits.Row(row), bits.Width());
}

}  // namespace vxcl::preview
