// Puts an element's drawing on the label where and how the printer puts it.
// An element draws itself unturned in its own coordinates, with (0, 0) at
// the point its ESC "H" and ESC "V" name and y growing down; the printer's
// rotation then turns the drawing counter-clockwise about that point, by
// quarter turns. With (h, v) the point, an element pixel (x, y) lands on
//   rotation 0: (h + x,     v + y)
//   rotation 1: (h + y,     v - 1 - x)   (90 degrees: text runs upwards)
//   rotation 2: (h - 1 - x, v - 1 - y)   (180 degrees)
//   rotation 3: (h - 1 - y, v + x)       (270 degrees: text runs downwards)
// Whatever lands outside the label's dots is cut off, as on the printer.
#ifndef VXCL_PREVIEW_PLACEMENT_H
#define VXCL_PREVIEW_PLACEMENT_H

#include <cstdint>
#include <vector>

#include "raster/bitmap.h"

namespace vxcl::preview {

// A rectangle of dots; sizes of 0 or less make it empty.
struct DotRect {
  long long x = 0, y = 0, width = 0, height = 0;
  bool Empty() const { return width <= 0 || height <= 0; }
};

class Placement {
 public:
  Placement(OneBitBitmap& canvas, long long h, long long v, int rotation);

  // Prints every dot of the element's rectangle.
  void Fill(const DotRect& rect);
  // Turns printed dots white and white dots printed.
  void Invert(const DotRect& rect);
  // Turns every dot of the rectangle white.
  void Clear(const DotRect& rect) {
    Fill(rect);
    Invert(rect);
  }
  // Prints the set pixels of `width` packed pixels (leftmost in bit 7) at
  // (x, y) and to its right.
  void OrRow(long long x, long long y, const std::uint8_t* bits, int width);
  void OrBitmap(const OneBitBitmap& bits, long long x, long long y);
  // False when nothing of the rectangle lands on the label, so that the
  // caller can skip drawing it.
  bool Visible(const DotRect& rect) const;

  // The canvas rectangle an element rectangle covers.
  DotRect ToCanvas(const DotRect& rect) const;

  // What the element printed or reversed, in canvas dots and not cut to
  // the canvas: the bounding box of it all, and the filled rectangles while
  // there are few (empty when there are many, or when dots were drawn
  // otherwise), so that a box's frame does not count as its whole inside.
  const DotRect& Drawn() const { return drawn_; }
  const std::vector<DotRect>& Parts() const { return parts_; }

 private:
  static constexpr std::size_t kMostParts = 8;
  void Record(const DotRect& canvasRect, bool rectangle);

  // The part of the element's plane that lands on the canvas.
  DotRect VisibleArea() const;

  OneBitBitmap& canvas_;
  long long h_, v_;
  int rotation_;  // 0..3
  DotRect drawn_;
  std::vector<DotRect> parts_;
  bool onlyRectangles_ = true;
};

// The rectangle's part inside a width x height area at the origin.
DotRect Clipped(const DotRect& rect, long long width, long long height);

}  // namespace vxcl::preview

#endif
