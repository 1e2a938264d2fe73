// Draws a line of printer text: one character cell after the other, each
// character drawn with an installed face scaled to its cell.
#ifndef VXCL_PREVIEW_TEXT_RENDERER_H
#define VXCL_PREVIEW_TEXT_RENDERER_H

#include <string>
#include <string_view>

#include "platform/font_rasterizer.h"
#include "preview/placement.h"
#include "preview/warnings.h"

namespace vxcl::preview {

struct TextStyle {
  std::string face;
  int weight = 0;  // 0: the face's own; 700 bold
  bool italic = false;
  // The cell, expansion included. Fixed-pitch text puts every character in
  // a cell this wide; proportional text keeps the face's own widths, scaled
  // so that an average character is as wide as the cell.
  int cellWidth = 0;
  int cellHeight = 0;
  bool proportional = false;
  int gap = 0;  // dots between two characters
};

// Draws the text's bytes (the printer's single-byte characters, read as
// Windows-1252) left to right from the element point, cells' tops on it.
// Returns the width the text takes.
long long DrawText(Placement& placement, FontRasterizer& fonts,
                   const TextStyle& style, std::string_view text,
                   Warnings& warnings, long long x = 0, long long y = 0);

// The width DrawText would take, without drawing.
long long TextWidth(FontRasterizer& fonts, const TextStyle& style,
                    std::string_view text);

}  // namespace vxcl::preview

#endif
