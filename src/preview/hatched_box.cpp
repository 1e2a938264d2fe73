#include "preview/hatched_box.h"

#include <algorithm>

#include "preview/font_cells.h"
#include "preview/text_renderer.h"

namespace vxcl::preview {

namespace {

constexpr long long kHatchSpacing = 8;
// A box larger than this is hatched only this far: nothing real is that
// large, and the hatching stays cheap.
constexpr long long kMostHatchedSide = 2048;

}  // namespace

void DrawHatchedBox(Placement& placement, FontRasterizer& fonts,
                    const DotRect& box, std::string_view data,
                    Warnings& warnings) {
  if (box.Empty()) return;
  const long long w = std::min(box.width, kMostHatchedSide);
  const long long h = std::min(box.height, kMostHatchedSide);
  placement.Fill({box.x, box.y, w, 1});
  placement.Fill({box.x, box.y + h - 1, w, 1});
  placement.Fill({box.x, box.y, 1, h});
  placement.Fill({box.x + w - 1, box.y, 1, h});
  // Lines falling to the right: x - y constant, one dot a row.
  for (long long start = -h; start < w; start += kHatchSpacing)
    for (long long row = 0; row < h; ++row) {
      const long long column = start + row;
      if (column >= 0 && column < w)
        placement.Fill({box.x + column, box.y + row, 1, 1});
    }

  // The data, in cells of the printer's 8 x 15 font, inside the frame; the
  // dots under the text are cleared first so that it reads.
  TextStyle style;
  style.face = std::string(kFixedFace);
  style.cellWidth = 8;
  style.cellHeight = 15;
  const long long room = (w - 4) / style.cellWidth;
  if (room < 1 || h < style.cellHeight + 4) return;
  const std::string_view shown = data.substr(0, static_cast<std::size_t>(room));
  const DotRect under{box.x + 2, box.y + 2,
                      static_cast<long long>(shown.size()) * style.cellWidth,
                      style.cellHeight};
  placement.Clear(under);
  DrawText(placement, fonts, style, shown, warnings, box.x + 2, box.y + 2);
}

}  // namespace vxcl::preview
